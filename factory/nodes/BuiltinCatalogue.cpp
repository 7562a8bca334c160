#include "factory/nodes/BuiltinCatalogue.h"

// Display name, XML name, category, picture, variable operands; then the
// function's pins, rules and handler, which the node functions fill in.
const TBuiltinFunction BuiltinFunctionCatalogue[BuiltinFunctionCount] = {
    {"Volume", "Volume", 2, 46, false, {}, {}, {}, nullptr}, // 0
    {"Balance", "Balance", 2, 47, false, {}, {}, {}, nullptr}, // 1
    {"Max. Volume", "MaxVolume", 2, 52, false, {}, {}, {}, nullptr}, // 2
    {"Roll in", "RollIn", 2, 54, false, {}, {}, {}, nullptr}, // 3
    {"Normalize Vertically", "NormalizeVertically", 2, 127, false, {}, {}, {}, nullptr}, // 4
    {"Reverse", "Reverse", 2, 53, false, {}, {}, {}, nullptr}, // 5
    {"Move Vertically", "MoveVertically", 2, 57, false, {}, {}, {}, nullptr}, // 6
    {"Mix Left and Right", "MixLeftRight", 2, 51, false, {}, {}, {}, nullptr}, // 7
    {"Distort", "Distort", 2, 49, false, {}, {}, {}, nullptr}, // 8
    {"Change length", "ChangeLength", 2, 50, false, {}, {}, {}, nullptr}, // 9
    {"Roll out", "RollOut", 2, 55, false, {}, {}, {}, nullptr}, // 10
    {"Split Horizontally", "SplitHorizontally", 1, 22, false, {}, {}, {}, nullptr}, // 11
    {"Split Vertically", "SplitVertically", 1, 23, false, {}, {}, {}, nullptr}, // 12
    {"Move Horizontally - Mono", "MoveHorizontallyMono", 2, 133, false, {}, {}, {}, nullptr}, // 13
    {"Move Horizontally - Stereo", "MoveHorizontallyStereo", 2, 133, false, {}, {}, {}, nullptr}, // 14
    {"Block", "Block", 2, 48, false, {}, {}, {}, nullptr}, // 15
    {"Low Filter", "LowFilter", 3, 61, false, {}, {}, {}, nullptr}, // 16
    {"High Filter", "HighFilter", 3, 60, false, {}, {}, {}, nullptr}, // 17
    {"Resonant Filter", "ResonantFilter", 3, 64, false, {}, {}, {}, nullptr}, // 18
    {"Notch Filter", "NotchFilter", 3, 62, false, {}, {}, {}, nullptr}, // 19
    {"Block Filter", "BlockFilter", 3, 58, false, {}, {}, {}, nullptr}, // 20
    {"Period Echo", "PeriodEcho", 2, 63, false, {}, {}, {}, nullptr}, // 21
    {"Delete", "Delete", 1, 41, false, {}, {}, {}, nullptr}, // 22
    {"Trim", "Trim", 1, 38, false, {}, {}, {}, nullptr}, // 23
    {"Insert/Replace", "InsertReplace", 1, 44, false, {}, {}, {}, nullptr}, // 24
    {"Tempo and Pitch", "TempoPitch", 2, 59, false, {}, {}, {}, nullptr}, // 25
    {"Make Silence", "MakeSilence", 0, 34, false, {}, {}, {}, nullptr}, // 26
    {"Make Line", "MakeLine", 0, 32, false, {}, {}, {}, nullptr}, // 27
    {"Make Block", "MakeBlock", 0, 30, false, {}, {}, {}, nullptr}, // 28
    {"Make Triangle", "MakeTriangle", 0, 36, false, {}, {}, {}, nullptr}, // 29
    {"Make Sinus", "MakeSinus", 0, 35, false, {}, {}, {}, nullptr}, // 30
    {"Make Noise", "MakeNoise", 0, 33, false, {}, {}, {}, nullptr}, // 31
    {"Mix", "Mix", 1, 43, false, {}, {}, {}, nullptr}, // 32
    {"Extract", "Extract", 1, 42, false, {}, {}, {}, nullptr}, // 33
    {"Set Wave Properties", "SetWaveProperties", 6, 7, false, {}, {}, {}, nullptr}, // 34
    {"Get Wave Properties", "GetWaveProperties", 6, 7, false, {}, {}, {}, nullptr}, // 35
    {"Make New Wave", "MakeNewWave", 0, 1, false, {}, {}, {}, nullptr}, // 36
    {"Wave Statistics", "WaveStatistics", 6, 15, false, {}, {}, {}, nullptr}, // 37
    {"Merge Horizontally", "MergeHorizontally", 1, 20, false, {}, {}, {}, nullptr}, // 38
    {"Merge Vertically", "MergeVertically", 1, 21, false, {}, {}, {}, nullptr}, // 39
    {"Plus", "Plus", 4, 145, true, {}, {}, {}, nullptr}, // 40
    {"Multiply", "Multiply", 4, 144, true, {}, {}, {}, nullptr}, // 41
    {"Minus", "Minus", 4, 147, false, {}, {}, {}, nullptr}, // 42
    {"Divide", "Divide", 4, 146, false, {}, {}, {}, nullptr}, // 43
    {"Not", "Not", 5, 152, false, {}, {}, {}, nullptr}, // 44
    {"And", "And", 5, 149, true, {}, {}, {}, nullptr}, // 45
    {"Or", "Or", 5, 148, true, {}, {}, {}, nullptr}, // 46
    {"Nand", "Nand", 5, 150, true, {}, {}, {}, nullptr}, // 47
    {"Nor", "Nor", 5, 151, true, {}, {}, {}, nullptr}, // 48
    {"Xor", "Xor", 5, 154, true, {}, {}, {}, nullptr}, // 49
    {"Imp", "Imp", 5, 153, true, {}, {}, {}, nullptr}, // 50
    {"Sine", "Sine", 4, 159, false, {}, {}, {}, nullptr}, // 51
    {"Cosine", "Cosine", 4, 158, false, {}, {}, {}, nullptr}, // 52
    {"Tangent", "Tangent", 4, 157, false, {}, {}, {}, nullptr}, // 53
    {"Arc Sine", "ArcSine", 4, 159, false, {}, {}, {}, nullptr}, // 54
    {"Arc Cosine", "ArcCosine", 4, 158, false, {}, {}, {}, nullptr}, // 55
    {"Arc Tangent", "ArcTangent", 4, 157, false, {}, {}, {}, nullptr}, // 56
    {"Power", "Power", 4, 160, false, {}, {}, {}, nullptr}, // 57
    {"Root", "Root", 4, 161, false, {}, {}, {}, nullptr}, // 58
    {"Log", "Log", 4, 162, false, {}, {}, {}, nullptr}, // 59
    {"Random Value", "RandomValue", 4, 143, false, {}, {}, {}, nullptr}, // 60
    {"Gaussian Random Value", "GaussianRandomValue", 4, 163, false, {}, {}, {}, nullptr}, // 61
    {"Unequal", "Unequal", 4, 164, true, {}, {}, {}, nullptr}, // 62
    {"Equal", "Equal", 4, 165, true, {}, {}, {}, nullptr}, // 63
    {"Greater", "Greater", 4, 166, true, {}, {}, {}, nullptr}, // 64
    {"Greater or Equal", "GreaterEqual", 4, 167, true, {}, {}, {}, nullptr}, // 65
    {"Minimum", "Minimum", 4, 168, true, {}, {}, {}, nullptr}, // 66
    {"Maximum", "Maximum", 4, 169, true, {}, {}, {}, nullptr}, // 67
    {"Switch Wave", "SwitchWave", 6, 170, false, {}, {}, {}, nullptr}, // 68
    {"Switch Value", "SwitchValue", 6, 170, false, {}, {}, {}, nullptr}, // 69
    {"Mean Value", "MeanValue", 4, 173, true, {}, {}, {}, nullptr}, // 70
    {"Log Mean Value", "LogMeanValue", 4, 172, true, {}, {}, {}, nullptr}, // 71
    {"Position to Time at Wave", "PosToTimeAtWave", 6, 175, false, {}, {}, {}, nullptr}, // 72
    {"Time to Position at Wave", "TimeToPosAtWave", 6, 175, false, {}, {}, {}, nullptr}, // 73
    {"Point in Wave", "PointInWave", 6, 176, false, {}, {}, {}, nullptr}, // 74
    {"Modulo in Range", "ModuloInRange", 4, 177, false, {}, {}, {}, nullptr}, // 75
    {"Convert Range", "ConvertRange", 4, 178, false, {}, {}, {}, nullptr}, // 76
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
