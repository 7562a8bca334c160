#include "factory/nodes/BuiltinCatalogue.h"

#include "factory/nodes/BuiltinFunctionTable.h"
#include "factory/nodes/BuiltinHandlers.h"

namespace T = BuiltinTable;
namespace H = BuiltinHandlers;

// Display name, XML name, category, picture, variable operands; then the
// function's pins, rules and computation.
const TBuiltinFunction BuiltinFunctionCatalogue[BuiltinFunctionCount] = {
    {"Volume", "Volume", 2, 46, false, // 0
     T::VolumeIn, T::ResultHalf, T::VolumeRules, H::Volume},
    {"Balance", "Balance", 2, 47, false, // 1
     T::BalanceIn, T::BalanceOut, T::BalanceRules, H::Balance},
    {"Max. Volume", "MaxVolume", 2, 52, false, // 2
     T::RangeOnlyIn, T::ResultHalf, {}, H::MaxVolume},
    {"Roll in", "RollIn", 2, 54, false, // 3
     T::RollInIn, T::ResultHigh, T::RollInRules, H::RollIn},
    {"Normalize Vertically", "NormalizeVertically", 2, 127, false, // 4
     T::RangeOnlyIn, T::ResultHalf, {}, H::NormalizeVertically},
    {"Reverse", "Reverse", 2, 53, false, // 5
     T::RangeOnlyIn, T::ResultHalf, {}, H::Reverse},
    {"Move Vertically", "MoveVertically", 2, 57, false, // 6
     T::MoveVerticallyIn, T::ResultHalf, T::MoveVerticallyRules, H::MoveVertically},
    {"Mix Left and Right", "MixLeftRight", 2, 51, false, // 7
     T::MixLeftRightIn, T::MixLeftRightOut, T::MixLeftRightRules, H::MixLeftRight},
    {"Distort", "Distort", 2, 49, false, // 8
     T::DistortIn, T::ResultHalf, T::DistortRules, H::Distort},
    {"Change length", "ChangeLength", 2, 50, false, // 9
     T::ChangeLengthIn, T::ResultHigh, T::ChangeLengthRules, H::ChangeLength},
    {"Roll out", "RollOut", 2, 55, false, // 10
     T::RollOutIn, T::ResultHigh, T::RollOutRules, H::RollOut},
    {"Split Horizontally", "SplitHorizontally", 1, 22, false, // 11
     T::SplitHorizontallyIn, T::SplitHorizontallyOut, T::SplitHorizontallyRules, H::SplitHorizontally},
    {"Split Vertically", "SplitVertically", 1, 23, false, // 12
     T::SplitVerticallyIn, T::SplitVerticallyOut, {}, H::SplitVertically},
    {"Move Horizontally - Mono", "MoveHorizontallyMono", 2, 133, false, // 13
     T::MoveMonoIn, T::MoveMonoOut, T::MoveMonoRules, H::MoveHorizontallyMono},
    {"Move Horizontally - Stereo", "MoveHorizontallyStereo", 2, 133, false, // 14
     T::MoveStereoIn, T::ResultHighStereo, T::MoveStereoRules, H::MoveHorizontallyStereo},
    {"Block", "Block", 2, 48, false, // 15
     T::BlockIn, T::ResultHighStereo, T::BlockRules, H::Block},
    {"Low Filter", "LowFilter", 3, 61, false, // 16
     T::HighLowFilterIn, T::ResultHigh, T::HighLowFilterRules, H::LowFilter},
    {"High Filter", "HighFilter", 3, 60, false, // 17
     T::HighLowFilterIn, T::ResultHigh, T::HighLowFilterRules, H::HighFilter},
    {"Resonant Filter", "ResonantFilter", 3, 64, false, // 18
     T::ResNotchIn, T::ResultHigh, T::ResNotchRules, H::ResonantFilter},
    {"Notch Filter", "NotchFilter", 3, 62, false, // 19
     T::ResNotchIn, T::ResultHigh, T::ResNotchRules, H::NotchFilter},
    {"Block Filter", "BlockFilter", 3, 58, false, // 20
     T::BlockFilterIn, T::ResultHigh, T::BlockFilterRules, H::BlockFilter},
    {"Period Echo", "PeriodEcho", 2, 63, false, // 21
     T::PeriodEchoIn, T::ResultHigh, T::PeriodEchoRules, H::PeriodEcho},
    {"Delete", "Delete", 1, 41, false, // 22
     T::DeleteTrimIn, T::ResultHigh, {}, H::Delete},
    {"Trim", "Trim", 1, 38, false, // 23
     T::DeleteTrimIn, T::ResultHigh, {}, H::Trim},
    {"Insert/Replace", "InsertReplace", 1, 44, false, // 24
     T::InsertReplaceIn, T::ResultHigh, T::InsertReplaceRules, H::InsertReplace},
    {"Tempo and Pitch", "TempoPitch", 2, 59, false, // 25
     T::TempoPitchIn, T::ResultHigh, T::TempoPitchRules, H::TempoPitch},
    {"Make Silence", "MakeSilence", 0, 34, false, // 26
     T::MakeSilenceIn, T::ResultHigh, T::MakeSilenceRules, H::MakeSilence},
    {"Make Line", "MakeLine", 0, 32, false, // 27
     T::MakeLineIn, T::ResultHigh, T::MakeLineRules, H::MakeLine},
    {"Make Block", "MakeBlock", 0, 30, false, // 28
     T::MakeBlockTriangleIn, T::ResultHigh, T::MakeBlockTriangleRules, H::MakeBlock},
    {"Make Triangle", "MakeTriangle", 0, 36, false, // 29
     T::MakeBlockTriangleIn, T::ResultHigh, T::MakeBlockTriangleRules, H::MakeTriangle},
    {"Make Sinus", "MakeSinus", 0, 35, false, // 30
     T::MakeSinusIn, T::ResultHigh, T::MakeSinusRules, H::MakeSinus},
    {"Make Noise", "MakeNoise", 0, 33, false, // 31
     T::MakeNoiseIn, T::ResultHigh, T::MakeNoiseRules, H::MakeNoise},
    {"Mix", "Mix", 1, 43, false, // 32
     T::MixIn, T::ResultHigh, T::MixRules, H::Mix},
    {"Extract", "Extract", 1, 42, false, // 33
     T::ExtractIn, T::ExtractOut, {}, H::Extract},
    {"Set Wave Properties", "SetWaveProperties", 6, 7, false, // 34
     T::SetPropertiesIn, T::ResultHigh, {}, H::SetWaveProperties},
    {"Get Wave Properties", "GetWaveProperties", 6, 7, false, // 35
     T::GetPropertiesIn, T::GetPropertiesOut, {}, H::GetWaveProperties},
    {"Make New Wave", "MakeNewWave", 0, 1, false, // 36
     T::MakeNewWaveIn, T::ResultHigh, T::MakeNewWaveRules, H::MakeNewWave},
    {"Wave Statistics", "WaveStatistics", 6, 15, false, // 37
     T::StatisticsIn, T::StatisticsOut, {}, H::WaveStatistics},
    {"Merge Horizontally", "MergeHorizontally", 1, 20, false, // 38
     T::MergeHorizontallyIn, T::MergeOut, T::MergeHorizontallyRules, H::MergeHorizontally},
    {"Merge Vertically", "MergeVertically", 1, 21, false, // 39
     T::MergeVerticallyIn, T::MergeOut, T::MergeVerticallyRules, H::MergeVertically},
    {"Plus", "Plus", 4, 145, true, // 40
     T::OperandsComputable, T::ExpressionComputable, T::OperandRules, H::Plus},
    {"Multiply", "Multiply", 4, 144, true, // 41
     T::OperandsComputable, T::ExpressionComputable, T::OperandRules, H::Multiply},
    {"Minus", "Minus", 4, 147, false, // 42
     T::MinusIn, T::ExpressionComputable, T::OperandRules, H::Minus},
    {"Divide", "Divide", 4, 146, false, // 43
     T::DivideIn, T::ExpressionComputable, T::OperandRules, H::Divide},
    {"Not", "Not", 5, 152, false, // 44
     T::NotIn, T::ExpressionBoolean, T::NotRules, H::Not},
    {"And", "And", 5, 149, true, // 45
     T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain},
    {"Or", "Or", 5, 148, true, // 46
     T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain},
    {"Nand", "Nand", 5, 150, true, // 47
     T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain},
    {"Nor", "Nor", 5, 151, true, // 48
     T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain},
    {"Xor", "Xor", 5, 154, true, // 49
     T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain},
    {"Imp", "Imp", 5, 153, true, // 50
     T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain},
    {"Sine", "Sine", 4, 159, false, // 51
     T::SineIn, T::ExpressionComputable, T::TrigonometryRules, H::Sine},
    {"Cosine", "Cosine", 4, 158, false, // 52
     T::SineIn, T::ExpressionComputable, T::TrigonometryRules, H::Cosine},
    {"Tangent", "Tangent", 4, 157, false, // 53
     T::TangentIn, T::ExpressionComputable, T::TrigonometryRules, H::Tangent},
    {"Arc Sine", "ArcSine", 4, 159, false, // 54
     T::ArcIn, T::ArcOut, T::ArcRules, H::ArcSine},
    {"Arc Cosine", "ArcCosine", 4, 158, false, // 55
     T::ArcIn, T::ArcOut, T::ArcRules, H::ArcCosine},
    {"Arc Tangent", "ArcTangent", 4, 157, false, // 56
     T::ArcIn, T::ArcOut, T::ArcRules, H::ArcTangent},
    {"Power", "Power", 4, 160, false, // 57
     T::PowerIn, T::ExpressionComputable, T::PowerRules, H::Power},
    {"Root", "Root", 4, 161, false, // 58
     T::RootIn, T::RootOut, T::RootRules, H::Root},
    {"Log", "Log", 4, 162, false, // 59
     T::LogIn, T::ExpressionComputable, T::LogRules, H::Log},
    {"Random Value", "RandomValue", 4, 143, false, // 60
     T::RandomIn, T::ExpressionComputable, T::RandomRules, H::RandomValue},
    {"Gaussian Random Value", "GaussianRandomValue", 4, 163, false, // 61
     T::GaussianIn, T::ExpressionComputable, T::GaussianRules, H::GaussianRandomValue},
    {"Unequal", "Unequal", 4, 164, true, // 62
     T::OperandsValue, T::ExpressionBoolean, T::OperandRules, H::Compare},
    {"Equal", "Equal", 4, 165, true, // 63
     T::OperandsValue, T::ExpressionBoolean, T::OperandRules, H::Compare},
    {"Greater", "Greater", 4, 166, true, // 64
     T::OperandsValue, T::ExpressionBoolean, T::OperandRules, H::Compare},
    {"Greater or Equal", "GreaterEqual", 4, 167, true, // 65
     T::OperandsValue, T::ExpressionBoolean, T::OperandRules, H::Compare},
    {"Minimum", "Minimum", 4, 168, true, // 66
     T::OperandsValue, T::ExpressionValue, T::OperandRules, H::MinMax},
    {"Maximum", "Maximum", 4, 169, true, // 67
     T::OperandsValue, T::ExpressionValue, T::OperandRules, H::MinMax},
    {"Switch Wave", "SwitchWave", 6, 170, false, // 68
     T::SwitchWaveIn, T::SwitchWaveOut, T::SwitchRules, H::SwitchWave},
    {"Switch Value", "SwitchValue", 6, 170, false, // 69
     T::SwitchValueIn, T::SwitchValueOut, T::SwitchRules, H::SwitchValue},
    {"Mean Value", "MeanValue", 4, 173, true, // 70
     T::OperandsComputable, T::ExpressionComputable, T::OperandRules, H::Mean},
    {"Log Mean Value", "LogMeanValue", 4, 172, true, // 71
     T::OperandsLogMean, T::LogMeanOut, T::OperandRules, H::Mean},
    {"Position to Time at Wave", "PosToTimeAtWave", 6, 175, false, // 72
     T::PosToTimeIn, T::PosToTimeOut, T::PosToTimeRules, H::PositionToTime},
    {"Time to Position at Wave", "TimeToPosAtWave", 6, 175, false, // 73
     T::TimeToPosIn, T::TimeToPosOut, T::TimeToPosRules, H::TimeToPosition},
    {"Point in Wave", "PointInWave", 6, 176, false, // 74
     T::PointInWaveIn, T::PointInWaveOut, T::PointInWaveRules, H::PointInWave},
    {"Modulo in Range", "ModuloInRange", 4, 177, false, // 75
     T::ModuloIn, T::ModuloOut, T::ModuloRules, H::ModuloInRange},
    {"Convert Range", "ConvertRange", 4, 178, false, // 76
     T::ConvertRangeIn, T::ConvertRangeOut, T::ConvertRangeRules, H::ConvertRange},
};

// The categories in the order the node dialog offers them, each with its
// members in display order.
const TBuiltinCategory BuiltinCategories[BuiltinCategoryCount] = {
    {"Make Sound", 7, {36, 26, 27, 28, 29, 30, 31}},
    {"Edit Sound", 9, {22, 23, 24, 32, 33, 11, 12, 38, 39}},
    {"Manipulate Sound", 16, {0, 2, 1, 9, 10, 3, 5, 7, 21, 25, 6, 4, 13, 14, 8, 15}},
    {"Filter Sound", 5, {16, 17, 18, 19, 20}},
    {"Mathematics",
     25,
     {40, 41, 42, 43, 62, 63, 64, 65, 66, 67, 70, 71, 75, 76, 60, 61, 57, 58, 59, 51, 52, 53, 54, 55, 56}},
    {"Boolean", 7, {44, 45, 46, 47, 48, 49, 50}},
    {"Miscellaneous", 8, {35, 34, 74, 37, 68, 69, 72, 73}},
};

const char* const FactoryKindCaptions[8] = {
    "Create Wave Window Factory", "Change Wave Window Factory", "Note Player Factory", "Music Processor Factory",
    "User defined Factory",       "Simple Loop Factory",        "Loop and Mix Factory", "Wave Formula Factory",
};

const TBuiltinFunction* FindBuiltinRow(int function)
{
    return function >= 0 && function < BuiltinFunctionCount ? &BuiltinFunctionCatalogue[function] : nullptr;
}

int FindBuiltinFunction(const std::string& xmlName)
{
    for (int i = 0; i < BuiltinFunctionCount; ++i)
        if (xmlName == BuiltinFunctionCatalogue[i].XmlName)
            return i;
    return -1;
}

int FindBuiltinCategory(int function)
{
    for (int c = 0; c < BuiltinCategoryCount; ++c)
        for (int i = 0; i < BuiltinCategories[c].Count; ++i)
            if (BuiltinCategories[c].Members[i] == function)
                return c;
    return -1;
}

int FindBuiltinCategoryPosition(int function)
{
    for (const TBuiltinCategory& category : BuiltinCategories)
        for (int i = 0; i < category.Count; ++i)
            if (category.Members[i] == function)
                return i;
    return -1;
}
