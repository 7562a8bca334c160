#include "factory/nodes/BuiltinCatalogue.h"

#include "factory/nodes/BuiltinFunctionTable.h"
#include "factory/nodes/BuiltinHandlers.h"

namespace T = BuiltinTable;
namespace H = BuiltinHandlers;

// Display name, XML name, category, picture, variable operands; then the
// function's pins, rules and computation.
const TBuiltinFunction BuiltinFunctionCatalogue[BuiltinFunctionCount] = {
    {"Volume", "Volume", 2, 46, false, T::VolumeIn, T::ResultHalf, T::VolumeRules, H::Volume}, // 0
    {"Balance", "Balance", 2, 47, false, T::BalanceIn, T::BalanceOut, T::BalanceRules, H::Balance}, // 1
    {"Max. Volume", "MaxVolume", 2, 52, false, T::RangeOnlyIn, T::ResultHalf, {}, H::MaxVolume}, // 2
    {"Roll in", "RollIn", 2, 54, false, T::RollInIn, T::ResultHigh, T::RollInRules, H::RollIn}, // 3
    {"Normalize Vertically", "NormalizeVertically", 2, 127, false, T::RangeOnlyIn, T::ResultHalf, {}, H::NormalizeVertically}, // 4
    {"Reverse", "Reverse", 2, 53, false, T::RangeOnlyIn, T::ResultHalf, {}, H::Reverse}, // 5
    {"Move Vertically", "MoveVertically", 2, 57, false, T::MoveVerticallyIn, T::ResultHalf, T::MoveVerticallyRules, H::MoveVertically}, // 6
    {"Mix Left and Right", "MixLeftRight", 2, 51, false, T::MixLeftRightIn, T::MixLeftRightOut, T::MixLeftRightRules, H::MixLeftRight}, // 7
    {"Distort", "Distort", 2, 49, false, T::DistortIn, T::ResultHalf, T::DistortRules, H::Distort}, // 8
    {"Change length", "ChangeLength", 2, 50, false, T::ChangeLengthIn, T::ResultHigh, T::ChangeLengthRules, H::ChangeLength}, // 9
    {"Roll out", "RollOut", 2, 55, false, T::RollOutIn, T::ResultHigh, T::RollOutRules, H::RollOut}, // 10
    {"Split Horizontally", "SplitHorizontally", 1, 22, false, T::SplitHorizontallyIn, T::SplitHorizontallyOut, T::SplitHorizontallyRules, H::SplitHorizontally}, // 11
    {"Split Vertically", "SplitVertically", 1, 23, false, T::SplitVerticallyIn, T::SplitVerticallyOut, {}, H::SplitVertically}, // 12
    {"Move Horizontally - Mono", "MoveHorizontallyMono", 2, 133, false, T::MoveMonoIn, T::MoveMonoOut, T::MoveMonoRules, H::MoveHorizontallyMono}, // 13
    {"Move Horizontally - Stereo", "MoveHorizontallyStereo", 2, 133, false, T::MoveStereoIn, T::ResultHighStereo, T::MoveStereoRules, H::MoveHorizontallyStereo}, // 14
    {"Block", "Block", 2, 48, false, T::BlockIn, T::ResultHighStereo, T::BlockRules, H::Block}, // 15
    {"Low Filter", "LowFilter", 3, 61, false, T::HighLowFilterIn, T::ResultHigh, T::HighLowFilterRules, H::LowFilter}, // 16
    {"High Filter", "HighFilter", 3, 60, false, T::HighLowFilterIn, T::ResultHigh, T::HighLowFilterRules, H::HighFilter}, // 17
    {"Resonant Filter", "ResonantFilter", 3, 64, false, T::ResNotchIn, T::ResultHigh, T::ResNotchRules, H::ResonantFilter}, // 18
    {"Notch Filter", "NotchFilter", 3, 62, false, T::ResNotchIn, T::ResultHigh, T::ResNotchRules, H::NotchFilter}, // 19
    {"Block Filter", "BlockFilter", 3, 58, false, T::BlockFilterIn, T::ResultHigh, T::BlockFilterRules, H::BlockFilter}, // 20
    {"Period Echo", "PeriodEcho", 2, 63, false, T::PeriodEchoIn, T::ResultHigh, T::PeriodEchoRules, H::PeriodEcho}, // 21
    {"Delete", "Delete", 1, 41, false, T::DeleteTrimIn, T::ResultHigh, {}, H::Delete}, // 22
    {"Trim", "Trim", 1, 38, false, T::DeleteTrimIn, T::ResultHigh, {}, H::Trim}, // 23
    {"Insert/Replace", "InsertReplace", 1, 44, false, T::InsertReplaceIn, T::ResultHigh, T::InsertReplaceRules, H::InsertReplace}, // 24
    {"Tempo and Pitch", "TempoPitch", 2, 59, false, T::TempoPitchIn, T::ResultHigh, T::TempoPitchRules, H::TempoPitch}, // 25
    {"Make Silence", "MakeSilence", 0, 34, false, T::MakeSilenceIn, T::ResultHigh, T::MakeSilenceRules, H::MakeSilence}, // 26
    {"Make Line", "MakeLine", 0, 32, false, T::MakeLineIn, T::ResultHigh, T::MakeLineRules, H::MakeLine}, // 27
    {"Make Block", "MakeBlock", 0, 30, false, T::MakeBlockTriangleIn, T::ResultHigh, T::MakeBlockTriangleRules, H::MakeBlock}, // 28
    {"Make Triangle", "MakeTriangle", 0, 36, false, T::MakeBlockTriangleIn, T::ResultHigh, T::MakeBlockTriangleRules, H::MakeTriangle}, // 29
    {"Make Sinus", "MakeSinus", 0, 35, false, T::MakeSinusIn, T::ResultHigh, T::MakeSinusRules, H::MakeSinus}, // 30
    {"Make Noise", "MakeNoise", 0, 33, false, T::MakeNoiseIn, T::ResultHigh, T::MakeNoiseRules, H::MakeNoise}, // 31
    {"Mix", "Mix", 1, 43, false, T::MixIn, T::ResultHigh, T::MixRules, H::Mix}, // 32
    {"Extract", "Extract", 1, 42, false, T::ExtractIn, T::ExtractOut, {}, H::Extract}, // 33
    {"Set Wave Properties", "SetWaveProperties", 6, 7, false, T::SetPropertiesIn, T::ResultHigh, {}, H::SetWaveProperties}, // 34
    {"Get Wave Properties", "GetWaveProperties", 6, 7, false, T::GetPropertiesIn, T::GetPropertiesOut, {}, H::GetWaveProperties}, // 35
    {"Make New Wave", "MakeNewWave", 0, 1, false, T::MakeNewWaveIn, T::ResultHigh, T::MakeNewWaveRules, H::MakeNewWave}, // 36
    {"Wave Statistics", "WaveStatistics", 6, 15, false, T::StatisticsIn, T::StatisticsOut, {}, H::WaveStatistics}, // 37
    {"Merge Horizontally", "MergeHorizontally", 1, 20, false, T::MergeHorizontallyIn, T::MergeOut, T::MergeHorizontallyRules, H::MergeHorizontally}, // 38
    {"Merge Vertically", "MergeVertically", 1, 21, false, T::MergeVerticallyIn, T::MergeOut, T::MergeVerticallyRules, H::MergeVertically}, // 39
    {"Plus", "Plus", 4, 145, true, T::OperandsComputable, T::ExpressionComputable, T::OperandRules, H::Plus}, // 40
    {"Multiply", "Multiply", 4, 144, true, T::OperandsComputable, T::ExpressionComputable, T::OperandRules, H::Multiply}, // 41
    {"Minus", "Minus", 4, 147, false, T::MinusIn, T::ExpressionComputable, T::OperandRules, H::Minus}, // 42
    {"Divide", "Divide", 4, 146, false, T::DivideIn, T::ExpressionComputable, T::OperandRules, H::Divide}, // 43
    {"Not", "Not", 5, 152, false, T::NotIn, T::ExpressionBoolean, T::NotRules, H::Not}, // 44
    {"And", "And", 5, 149, true, T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain}, // 45
    {"Or", "Or", 5, 148, true, T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain}, // 46
    {"Nand", "Nand", 5, 150, true, T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain}, // 47
    {"Nor", "Nor", 5, 151, true, T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain}, // 48
    {"Xor", "Xor", 5, 154, true, T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain}, // 49
    {"Imp", "Imp", 5, 153, true, T::OperandsBoolean, T::ExpressionBoolean, T::OperandRules, H::BooleanChain}, // 50
    {"Sine", "Sine", 4, 159, false, T::SineIn, T::ExpressionComputable, T::TrigonometryRules, H::Sine}, // 51
    {"Cosine", "Cosine", 4, 158, false, T::SineIn, T::ExpressionComputable, T::TrigonometryRules, H::Cosine}, // 52
    {"Tangent", "Tangent", 4, 157, false, T::TangentIn, T::ExpressionComputable, T::TrigonometryRules, H::Tangent}, // 53
    {"Arc Sine", "ArcSine", 4, 159, false, T::ArcIn, T::ArcOut, T::ArcRules, H::ArcSine}, // 54
    {"Arc Cosine", "ArcCosine", 4, 158, false, T::ArcIn, T::ArcOut, T::ArcRules, H::ArcCosine}, // 55
    {"Arc Tangent", "ArcTangent", 4, 157, false, T::ArcIn, T::ArcOut, T::ArcRules, H::ArcTangent}, // 56
    {"Power", "Power", 4, 160, false, T::PowerIn, T::ExpressionComputable, T::PowerRules, H::Power}, // 57
    {"Root", "Root", 4, 161, false, T::RootIn, T::RootOut, T::RootRules, H::Root}, // 58
    {"Log", "Log", 4, 162, false, T::LogIn, T::ExpressionComputable, T::LogRules, H::Log}, // 59
    {"Random Value", "RandomValue", 4, 143, false, T::RandomIn, T::ExpressionComputable, T::RandomRules, H::RandomValue}, // 60
    {"Gaussian Random Value", "GaussianRandomValue", 4, 163, false, T::GaussianIn, T::ExpressionComputable, T::GaussianRules, H::GaussianRandomValue}, // 61
    {"Unequal", "Unequal", 4, 164, true, T::OperandsValue, T::ExpressionBoolean, T::OperandRules, H::Compare}, // 62
    {"Equal", "Equal", 4, 165, true, T::OperandsValue, T::ExpressionBoolean, T::OperandRules, H::Compare}, // 63
    {"Greater", "Greater", 4, 166, true, T::OperandsValue, T::ExpressionBoolean, T::OperandRules, H::Compare}, // 64
    {"Greater or Equal", "GreaterEqual", 4, 167, true, T::OperandsValue, T::ExpressionBoolean, T::OperandRules, H::Compare}, // 65
    {"Minimum", "Minimum", 4, 168, true, T::OperandsValue, T::ExpressionValue, T::OperandRules, H::MinMax}, // 66
    {"Maximum", "Maximum", 4, 169, true, T::OperandsValue, T::ExpressionValue, T::OperandRules, H::MinMax}, // 67
    {"Switch Wave", "SwitchWave", 6, 170, false, T::SwitchWaveIn, T::SwitchWaveOut, T::SwitchRules, H::SwitchWave}, // 68
    {"Switch Value", "SwitchValue", 6, 170, false, T::SwitchValueIn, T::SwitchValueOut, T::SwitchRules, H::SwitchValue}, // 69
    {"Mean Value", "MeanValue", 4, 173, true, T::OperandsComputable, T::ExpressionComputable, T::OperandRules, H::Mean}, // 70
    {"Log Mean Value", "LogMeanValue", 4, 172, true, T::OperandsLogMean, T::LogMeanOut, T::OperandRules, H::Mean}, // 71
    {"Position to Time at Wave", "PosToTimeAtWave", 6, 175, false, T::PosToTimeIn, T::PosToTimeOut, T::PosToTimeRules, H::PositionToTime}, // 72
    {"Time to Position at Wave", "TimeToPosAtWave", 6, 175, false, T::TimeToPosIn, T::TimeToPosOut, T::TimeToPosRules, H::TimeToPosition}, // 73
    {"Point in Wave", "PointInWave", 6, 176, false, T::PointInWaveIn, T::PointInWaveOut, T::PointInWaveRules, H::PointInWave}, // 74
    {"Modulo in Range", "ModuloInRange", 4, 177, false, T::ModuloIn, T::ModuloOut, T::ModuloRules, H::ModuloInRange}, // 75
    {"Convert Range", "ConvertRange", 4, 178, false, T::ConvertRangeIn, T::ConvertRangeOut, T::ConvertRangeRules, H::ConvertRange}, // 76
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
