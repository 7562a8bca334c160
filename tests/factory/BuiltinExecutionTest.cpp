#include "foundation/StopReason.h"
#include "tests/factory/BuiltinTestSupport.h"
#include "tests/support/StoppingWatcher.h"

#include <fstream>
#include <functional>
#include <iterator>

namespace {

using K = ValueDomType;
using D = ValueDomain;
using VT = ValueType;

struct ExecutionTest : BuiltinFixture {};

// An input given for a case: a number of a type, or a wave.
struct Given {
    const char* name;
    double value;
    VT type = VT::Factor;
};

} // namespace

TEST_F(ExecutionTest, RangeChecksOfTheFrame)
{
    const struct {
        uint8_t function;
        double begin;
        double end;
        const char* message;
    } cases[] = {
        // Negative positions count back from the end: -1 is the last value but one.
        {5, -12, 5, "Position Begin must be at least 0."},
        {5, 11, 11, "Position Begin must be before the end of the wave."},
        {5, 2, -12, "Position End must be at least 0."},
        {5, 2, -1, ""},
        {5, 2, 11, "Position End must be before the end of the wave."},
        {5, 4, 4, "Position End must be greater than Position Begin."},
        {5, 10, 10, "Position End must be greater than Position Begin."},
        {26, 4, 3, "Position End must be greater or equal than Position Begin."},
        {26, 4, 4, ""},
        {5, 2, 8, ""},
    };
    for (const auto& c : cases) {
        TSountoryNodeBuiltin& node = Node(c.function, 2, "N" + std::to_string(&c - cases));
        Feed(node, "Wave", MonoOf(10));
        Set(node, "Position Begin", c.begin, VT::WaveCount);
        Set(node, "Position End", c.end, VT::WaveCount);
        if (c.function == 26)
            Set(node, "Length", 0.001, VT::Time);
        TSountoryOutput& out = Want(node, "Result");
        const std::string prefix = "At Node \"" + node.Name + "\" of Factory \"F\": ";
        const bool ran = Run();
        EXPECT_EQ(ran, *c.message == 0) << error;
        if (!ran) {
            EXPECT_EQ(error, prefix + c.message);
        }
        factory.DeleteOutput(&out);
        factory.DeleteNode(&node);
    }
}

TEST_F(ExecutionTest, ArgumentsReachTheWaveOperations)
{
    const struct {
        uint8_t function;
        std::vector<Given> inputs;
        const char* call;
    } cases[] = {
        {0, {{"Factor", 1.0}}, "Volume(1, 2, 8)"},
        // Roll in: n = 44100 x 0.001 = 44; start = trunc(0 x 44 + 2 - 8) = -6 wraps to 38.
        {3, {{"Length", 0.001, VT::Time}, {"Position Roll End", 0}}, "RollIn(0.001, 38, 2, 8)"},
        {3, {{"Length", 0.001, VT::Time}, {"Position Roll Begin", 0.5}}, "RollIn(0.001, 22, 2, 8)"},
        {9, {{"Length Factor", -2}}, "ResampleRange(-2, 2, 8)"},
        {9, {{"Length", 12.0 / 44100, VT::Time}}, "ResampleRange(2, 2, 8)"},
        {10, {{"Speed Factor", -2}, {"Count", 3}, {"Start Position", 0.25}}, ""},
        {10, {{"Speed Factor", 2}, {"Count", 3}, {"Start Position", 0.25}},
         "RollOut(6.80272e-05, 3, 0.25, 2, 8)"},
        // 65572, not 65536, over the height.
        {15, {{"Height", 3277, VT::WaveValue}}, "BlockHold(0, 20, 2, 8)"},
        {15, {{"Count Horizontal", 2, VT::Integer}, {"Count Vertical", 5, VT::Integer}},
         "BlockHold(6.80272e-05, 5, 2, 8)"},
        {16, {{"Frequency", 0.01, VT::Time}, {"Volume Factor", 0.5}, {"Filter Count", 3, VT::Integer},
              {"Normalize Volume", 0, VT::Boolean}},
         "FilterHighLow(0.01, 0.5, 3, 3, 2, 8)"},
        {21, {{"Time", 0.001, VT::Time}, {"Volume", 0.5}, {"Echo Count", 2, VT::Integer}},
         "PeriodEcho(0.001, 0.5, 2, 2, 8)"},
        {25, {{"Frequency Factor", 2}, {"Speed Factor", 0.5}, {"Length Factor", 1.5}, {"Start Position", 0.1},
              {"High Quality", 1, VT::Boolean}, {"Block Size", 0.01, VT::Time}},
         "TempoPitch(0.5, 0.1, 1.5, 2, 0.01, 1, 2, 8)"},
        {28, {{"Height 1", 70000, VT::WaveValue}, {"Height 2", -5, VT::WaveValue}, {"Frequency", 0.01, VT::Time},
              {"Middle", 0.5}, {"Count", 3}, {"Start Position", 0}},
         "MakeBlockTriangle(4464, -5, 0.01, 0.5, 0.03, 0, 0, 2, 8)"},
        {30, {{"Height 1", 100, VT::WaveValue}, {"Height 2", 50, VT::WaveValue}, {"Frequency", 0.01, VT::Time},
              {"Length", 0.05, VT::Time}, {"Count", 2}, {"Start Position", 0.5}},
         "MakeSinus(100, 50, 0.01, 2, 0.5, 2, 8)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.function));
        SpyLog log = std::make_shared<std::vector<std::string>>();
        SoundPtr wave = c.function == 15 ? SoundPtr(StereoSpy::Of(10, log)) : SoundPtr(SpySound::Of(10, log));
        TSountoryNodeBuiltin& node = Node(c.function, 2, "N" + std::to_string(&c - cases));
        Feed(node, "Wave", wave);
        Set(node, "Position Begin", 2, VT::WaveCount);
        Set(node, "Position End", 8, VT::WaveCount);
        for (const Given& g : c.inputs)
            Set(node, g.name, g.value, g.type);
        TSountoryOutput& out = Want(node, "Result");
        const bool ran = Run();
        if (*c.call == 0) {
            EXPECT_FALSE(ran);
            EXPECT_TRUE(log->empty());
        } else {
            ASSERT_TRUE(ran) << error;
            ASSERT_FALSE(log->empty());
            EXPECT_EQ(log->front(), c.call);
        }
        factory.DeleteOutput(&out);
        factory.DeleteNode(&node);
    }
}

TEST_F(ExecutionTest, VolumeOfOneIsANewMarkedSound)
{
    auto wave = SpySound::Of(10);
    TSountoryNodeBuiltin& node = Node(0);
    Feed(node, "Wave", wave);
    Set(node, "Factor", 1.0);
    Want(node, "Result");
    TSountoryOutput& end = Want(node, "Position End");
    ASSERT_TRUE(Run()) << error;
    const SoundPtr result = ReadSound("N", "Result");
    ASSERT_TRUE(result);
    EXPECT_NE(result, wave);
    EXPECT_TRUE(result->ownedByRun);
    EXPECT_FALSE(wave->ownedByRun);
    EXPECT_DOUBLE_EQ(end.GetValue().Value, 10);
}

TEST_F(ExecutionTest, NormalizingLowFilterCascadesSinglePasses)
{
    auto wave = SpySound::Of(10);
    TSountoryNodeBuiltin& node = Node(16);
    Feed(node, "Wave", wave);
    Set(node, "Frequency", 0.01, VT::Time);
    Set(node, "Volume Factor", 0.5);
    Set(node, "Filter Count", 3, VT::Integer);
    Set(node, "Normalize Volume", 1, VT::Boolean);
    Want(node, "Result");
    ASSERT_TRUE(Run()) << error;
    const std::vector<std::string> expected = {
        "MaxVolume70(0, 10)",
        "FilterHighLow(0.01, 0.5, 3, 1, 0, 10)", "MaxVolume70InPlace(0, 10)",
        "FilterHighLow(0.01, 0.5, 3, 1, 0, 10)", "MaxVolume70InPlace(0, 10)",
        "FilterHighLow(0.01, 0.5, 3, 1, 0, 10)", "MaxVolume70InPlace(0, 10)",
    };
    EXPECT_EQ(*wave->log, expected);
}

TEST_F(ExecutionTest, PositionsAreComputedWhenWantedAndTheWaveKeptOnlyWhenWanted)
{
    TSountoryNodeBuiltin& node = Node(22);
    Feed(node, "Wave", MonoOf(300));
    Set(node, "Position Begin", 100, VT::WaveCount);
    Set(node, "Position End", 200, VT::WaveCount);
    TSountoryOutput& end = Want(node, "Position End");
    TSountoryOutput& begin = Want(node, "Position Begin");
    ASSERT_TRUE(Run()) << error;
    EXPECT_DOUBLE_EQ(begin.GetValue().Value, 100);
    EXPECT_DOUBLE_EQ(end.GetValue().Value, 100);
    EXPECT_FALSE(node.FindNodeOutput("Result", nullptr)->GetSound());

    // Nothing wanted: nothing computed, nothing written.
    factory.DeleteOutput(&end);
    factory.DeleteOutput(&begin);
    node.FindNodeOutput("Position Begin", nullptr)->SetValue({-7, VT::WaveCount});
    ASSERT_TRUE(Run()) << error;
    EXPECT_DOUBLE_EQ(node.FindNodeOutput("Position Begin", nullptr)->GetValue().Value, -7);
}

TEST_F(ExecutionTest, EditingFunctionsMoveTheRange)
{
    const struct {
        uint8_t function;
        std::vector<Given> inputs;
        SoundPtr insert;
        int begin;
        int end;
        int values;
    } cases[] = {
        {22, {}, nullptr, 100, 100, 200},
        {23, {}, nullptr, 0, 100, 100},
        // 1000 values at 22050 Hz become 1999 at 44100 Hz: the end follows
        // what was inserted, not 2000.
        {24, {}, MonoAt(1000, 22050), 100, 2099, 2299},
        {26, {{"Length", 0.001, VT::Time}}, nullptr, 100, 145, 345},
        {34, {{"Sample Frequency", 22050, VT::WaveSampleFrequency}}, nullptr, 50, 100, 150},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.function));
        TSountoryNodeBuiltin& node = Node(c.function, 2, "N" + std::to_string(&c - cases));
        Feed(node, "Wave", MonoOf(300));
        Set(node, "Position Begin", 100, VT::WaveCount);
        Set(node, "Position End", c.function == 24 || c.function == 26 ? 100 : 200, VT::WaveCount);
        for (const Given& g : c.inputs)
            Set(node, g.name, g.value, g.type);
        if (c.insert)
            Feed(node, "Insert Wave", c.insert);
        TSountoryOutput& result = Want(node, "Result");
        TSountoryOutput& begin = Want(node, "Position Begin");
        TSountoryOutput& end = Want(node, "Position End");
        ASSERT_TRUE(Run()) << error;
        EXPECT_DOUBLE_EQ(begin.GetValue().Value, c.begin);
        EXPECT_DOUBLE_EQ(end.GetValue().Value, c.end);
        EXPECT_EQ(result.GetSound()->GetValues(), c.values);
        for (TSountoryOutput* o : {&result, &begin, &end})
            factory.DeleteOutput(o);
        factory.DeleteNode(&node);
    }
}

TEST_F(ExecutionTest, AWavePassedOnIsCopiedByTheRunAMadeOneHandedOver)
{
    SoundPtr window = MonoOf(50);
    TSountoryNodeBuiltin& node = Node(34);
    Feed(node, "Wave", window);
    TSountoryOutput& result = factory.CreateOutput("Result", 0.5, 1, K::Wave, D::AllValues);
    result.SetSountoryInputSource(node.FindNodeOutput("Result", nullptr));
    ScriptedAsker asker;
    SoundPtr sound;
    int32_t begin = 0;
    int32_t end = 0;
    ASSERT_TRUE(factory.RunCreateWave(error, sound, begin, end, asker)) << error;
    EXPECT_NE(sound, window);
    EXPECT_EQ(sound->GetValues(), 50);

    Set(node, "Bytes Per Sample", 1, VT::WaveBytesPerSample);
    ASSERT_TRUE(factory.RunCreateWave(error, sound, begin, end, asker)) << error;
    EXPECT_EQ(sound, node.FindNodeOutput("Result", nullptr)->GetSound());
    EXPECT_EQ(sound->bytesPerSample, 1);
    EXPECT_EQ(window->bytesPerSample, 2);
}

TEST_F(ExecutionTest, ValueFunctions)
{
    const struct {
        uint8_t function;
        std::vector<Given> inputs;
        const char* output;
        double expected;
        const char* message;
    } cases[] = {
        {75, {{"Value", 7}, {"Range Begin", 0}, {"Range End", 5}}, "Whole Steps", 1, ""},
        {75, {{"Value", 7}, {"Range Begin", 0}, {"Range End", 5}}, "Remainder", 2, ""},
        {75, {{"Value", 7}, {"Range Begin", 0}, {"Range End", 5}}, "Put in Range", 2, ""},
        {75, {{"Value", -1}, {"Range Begin", 0}, {"Range End", 5}}, "Put in Range", 4, ""},
        {75, {{"Value", 22}, {"Range Begin", 10}, {"Range End", 15}}, "Remainder", 2, ""},
        {75, {{"Value", 1}, {"Range Begin", 5}, {"Range End", 5}}, "", 0,
         "Input \"Range Begin\" must be smaller than \"Range End\"."},
        {75, {{"Value", 1, VT::Time}, {"Range Begin", 0}, {"Range End", 5}}, "", 0,
         "Inputs \"Value\" and \"Range Begin\" must be of the same type."},
        {76, {{"Value", 5}, {"Range Input Begin", 0}, {"Range Input End", 10}, {"Range Output Begin", 100},
              {"Range Output End", 200}}, "Value", 150, ""},
        {76, {{"Value", 0}, {"Range Input Begin", 0}, {"Range Input End", 10}, {"Range Output Begin", 200},
              {"Range Output End", 100}}, "Value", 200, ""},
        {76, {{"Value", 0}, {"Range Input Begin", 3}, {"Range Input End", 3}, {"Range Output Begin", 200},
              {"Range Output End", 100}}, "", 0,
         "Inputs \"Range Input Begin\" and \"Range Input End\" must have a different value."},
        {40, {{"Operand 1", 1, VT::Time}, {"Operand 2", 2, VT::Time}}, "Expression", 3, ""},
        {40, {{"Operand 1", 1, VT::Time}, {"Operand 2", 2, VT::Frequency}}, "", 0,
         "Inputs Operand 1 and Operand 2 must be of the same type."},
        {40, {{"Operand 1", 1, VT::Factor}, {"Operand 2", 2, VT::Integer}}, "Expression", 3, ""},
        {42, {{"Operand 1", 5}, {"Operand 2", 2}}, "Expression", 3, ""},
        {67, {{"Operand 1", 5}, {"Operand 2", 9}}, "Expression", 9, ""},
        {69, {{"When True", 4}, {"When False", 8}, {"Switch", -0.5, VT::Boolean}}, "Chosen", 4, ""},
        {69, {{"When True", 4}, {"When False", 8}, {"Switch", 0, VT::Boolean}}, "Chosen", 8, ""},
        {73, {{"Sample Freq", 44100, VT::WaveSampleFrequency}, {"Time", 0.5, VT::Time}}, "Wave Position", 22050, ""},
        {72, {{"Sample Freq", 44100, VT::WaveSampleFrequency}, {"Wave Position", 22050, VT::WaveCount}}, "Time", 0.5,
         ""},
        {58, {{"Base", 9}, {"Root", 2}}, "Expression", 3, ""},
        {58, {{"Base", -9}, {"Root", 2}}, "", 0, "Input \"Base\" must not be negative."},
        {58, {{"Base", 9}, {"Root", 0}}, "", 0, "Input \"Root\" must not be 0."},
        {59, {{"Base", 1}, {"X", 2}}, "", 0, "Input \"Base\" must be greater than 0 and other than 1."},
        {59, {{"Base", 2}, {"X", 0}}, "", 0, "Input \"X\" must be greater than 0."},
        {59, {{"Base", 2}, {"X", 8}}, "Expression", 3, ""},
        {71, {{"Operand 1", 4}, {"Operand 2", 0}}, "", 0, "Input \"Operand 2\" must be greater than 0."},
        {71, {{"Operand 1", 4}, {"Operand 2", 9}}, "Expression", 6, ""},
        // Kept as stored factories compute: 0 at a pole, and a base not above 0
        // refused for an exponent that is no Integer.
        {53, {{"Angle", 0.25}}, "Expression", 0, ""},
        {57, {{"Base", -2}, {"Exponent", 2}}, "", 0,
         "Value of Input Base must be greater than 0, when Input Exponent is not an Integer."},
        {57, {{"Base", -2}, {"Exponent", 3, VT::Integer}}, "Expression", -8, ""},
        // Random draws compare unit types: an Integer mean with a Factor spread.
        {61, {{"Mean", 5, VT::Integer}, {"Std Dev", 0}}, "Expression", 5, ""},
        {60, {{"Range Begin", 2, VT::Integer}, {"Range End", 2}, {"Logaritmic", 0, VT::Boolean}}, "Expression", 2,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.function) + " " + c.output + c.message);
        TSountoryNodeBuiltin& node = Node(c.function, 2, "N" + std::to_string(&c - cases));
        for (const Given& g : c.inputs)
            Set(node, g.name, g.value, g.type);
        ASSERT_TRUE(node.ValidateNode(error)) << error;
        TSountoryOutput& out = Want(node, *c.output ? c.output : node.Outputs().front()->Name.c_str());
        const bool ran = Run();
        const std::string prefix = "At Node \"" + node.Name + "\" of Factory \"F\": ";
        if (*c.message) {
            EXPECT_FALSE(ran);
            EXPECT_EQ(error, prefix + c.message);
        } else {
            ASSERT_TRUE(ran) << error;
            EXPECT_NEAR(out.GetValue().Value, c.expected, 1e-9);
        }
        factory.DeleteOutput(&out);
        factory.DeleteNode(&node);
    }
}

TEST_F(ExecutionTest, PointInWaveStopsAtTheLastValue)
{
    TSountoryNodeBuiltin& node = Node(74);
    Feed(node, "Wave", MonoOf(10));
    Set(node, "Wave Position", 9, VT::WaveCount);
    TSountoryOutput& middle = Want(node, "Wave Value Middle");
    ASSERT_TRUE(Run()) << error;
    EXPECT_DOUBLE_EQ(middle.GetValue().Value, 9);
    Set(node, "Wave Position", 10, VT::WaveCount);
    EXPECT_EQ(RunError(), "Pointed outside the Wave.");
}

TEST_F(ExecutionTest, ASwitchComputesOnlyTheChosenBranch)
{
    TSountoryNodeBuiltin& node = Node(68);
    TScriptedNode& yes = AddScripted(factory, "Yes");
    TScriptedNode& no = AddScripted(factory, "No");
    for (TScriptedNode* branch : {&yes, &no})
        branch->AddOutput("Out", 0.5, 0, K::Wave, D::AllValues);
    node.FindNodeInput("When True", nullptr)->SetSountoryInputSource(yes.Outputs().front().get());
    node.FindNodeInput("When False", nullptr)->SetSountoryInputSource(no.Outputs().front().get());
    Set(node, "Switch", 0, VT::Boolean);
    TSountoryOutput& chosen = Want(node, "Chosen");
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(yes.executions, 0);
    EXPECT_EQ(yes.Outputs().front()->GetDemand(), 0);
    EXPECT_EQ(no.executions, 1);
    EXPECT_EQ(chosen.GetSound(), no.Outputs().front()->GetSound());

    Set(node, "Switch", -0.5, VT::Boolean);
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(yes.executions, 1);
    EXPECT_EQ(no.executions, 1);
}

// Each gap the functions leave open is refused with a message naming the input.
TEST_F(ExecutionTest, OpenGapsFailWithInputMessages)
{
    const struct {
        uint8_t function;
        std::vector<Given> inputs;
        const char* message;
    } cases[] = {
        {3, {{"Length", 0.00001, VT::Time}, {"Position Roll Begin", 0}},
         "Input \"Length\" must last at least one value of the Wave."},
        {15, {{"Height", 0.5, VT::WaveValue}}, "Input \"Height\" must not be 0."},
        {10, {{"Speed Factor", 0}, {"Length Factor", 1}, {"Start Position", 0}},
         "Input \"Speed Factor\" must not be 0."},
        {10, {{"Speed Factor", -1}, {"Count", 2}, {"Start Position", 0}},
         "Input \"Count\" must give a Length Factor greater than 0."},
        {10, {{"Speed Factor", 1}, {"Length Factor", -1}, {"Start Position", 0}},
         "Length Factor must be greater than 0."},
        {11, {{"Position", 0, VT::WaveCount}}, "Input \"Position\" must lie inside the Wave."},
        {11, {{"Position", 10, VT::WaveCount}}, "Input \"Position\" must lie inside the Wave."},
        {9, {{"Length", 1, VT::Time}, {"Position Begin", 3, VT::WaveCount}, {"Position End", 3, VT::WaveCount}},
         "Position End must be greater than Position Begin."},
        {1, {{"Angle", 0, VT::BalanceAngle}, {"Time Difference", 0, VT::Boolean},
             {"Volume Difference", 1, VT::Boolean}, {"Filter Difference", 1, VT::Boolean}},
         "You cannot set both flags \"Volume Difference\" and \"Filter Difference\"."},
        {27, {{"Length", 0.001, VT::Time}, {"Height Begin", 5, VT::WaveValue}, {"Height End", -5, VT::WaveValue},
              {"Linear", 0, VT::Boolean}, {"Exponential", 1, VT::Boolean}},
         "A exponential line cannot cross the x-axis."},
        {27, {{"Length", 0.001, VT::Time}, {"Height Begin", 5, VT::WaveValue}, {"Height End", 5, VT::WaveValue},
              {"Linear", 0, VT::Boolean}, {"Exponential", 0, VT::Boolean}},
         "You must set one of the flags \"Linear\" or \"Exponential\"."},
        {34, {{"Mono Stereo", 3, VT::WaveMonoStereo}}, "Input \"Mono Stereo\" must be 1 or 2."},
        {34, {{"Sample Frequency", 0, VT::WaveSampleFrequency}}, "Input \"Sample Frequency\" must be greater than 0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.function));
        TSountoryNodeBuiltin& node = Node(c.function, 2, "N");
        Feed(node, "Wave", c.function == 15 ? StereoOf(10) : MonoOf(10));
        for (const Given& g : c.inputs)
            Set(node, g.name, g.value, g.type);
        TSountoryOutput& out = Want(node, node.Outputs().front()->Name);
        EXPECT_EQ(RunError(), c.message);
        factory.DeleteOutput(&out);
        factory.DeleteNode(&node);
    }
}

TEST_F(ExecutionTest, FormatsFromInputsAreChecked)
{
    const struct {
        double frequency;
        double bytes;
        double channels;
        const char* message;
    } cases[] = {
        {44100, 3, 1, "Input \"Bytes Per Sample\" must be 1 or 2."},
        {44100, 2, 0, "Input \"Mono Stereo\" must be 1 or 2."},
        {-5, 2, 2, "Input \"Sample Frequency\" must be greater than 0."},
        {8000, 1, 2, ""},
    };
    for (const auto& c : cases) {
        for (uint8_t function : {36, 38}) {
            SCOPED_TRACE(std::to_string(function) + c.message);
            TSountoryNodeBuiltin& node = Node(function);
            Set(node, "Sample Frequency", c.frequency, VT::WaveSampleFrequency);
            Set(node, "Bytes Per Sample", c.bytes, VT::WaveBytesPerSample);
            Set(node, "Mono Stereo", c.channels, VT::WaveMonoStereo);
            if (function == 36)
                Set(node, "Length", 0.01, VT::Time);
            if (function == 38) {
                Feed(node, "Wave Before", MonoOf(10));
                Feed(node, "Wave After", StereoOf(10));
            }
            TSountoryOutput& out = Want(node, "Result");
            EXPECT_EQ(RunError(), c.message);
            if (!*c.message) {
                EXPECT_EQ(out.GetSound()->channels, 2);
                EXPECT_EQ(out.GetSound()->bytesPerSample, 1);
                EXPECT_EQ(out.GetSound()->sampleFreq, 8000);
            }
            factory.DeleteOutput(&out);
            factory.DeleteNode(&node);
        }
    }
}

TEST_F(ExecutionTest, MergesAndSplits)
{
    // Merge Horizontally: an empty first wave keeps its own format, as
    // stored factories have always merged.
    TSountoryNodeBuiltin& merge = Node(38, 2, "H");
    Feed(merge, "Wave Before", std::make_shared<MonoSound>(8000, 1));
    Feed(merge, "Wave After", StereoOf(100));
    TSountoryOutput& merged = Want(merge, "Result");
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(merged.GetSound()->channels, 1);
    EXPECT_EQ(merged.GetSound()->sampleFreq, 8000);
    EXPECT_EQ(merged.GetSound()->bytesPerSample, 2);

    // Merge Vertically of equal durations at other rates: both at the target
    // rate, padded to one length.
    TSountoryNodeBuiltin& vertical = Node(39, 2, "V");
    Feed(vertical, "Wave Left", MonoAt(441, 44100));
    Feed(vertical, "Wave Right", MonoAt(100, 10000));
    Set(vertical, "Align Begin", 1, VT::Boolean);
    Set(vertical, "Align End", 0, VT::Boolean);
    Set(vertical, "Stretch Shortest Wave", 0, VT::Boolean);
    Set(vertical, "Stretch Longest Wave", 0, VT::Boolean);
    TSountoryOutput& stereo = Want(vertical, "Result");
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(stereo.GetSound()->channels, 2);
    EXPECT_EQ(stereo.GetSound()->sampleFreq, 44100);
    EXPECT_EQ(stereo.GetSound()->GetValues(), 441);

    TSountoryNodeBuiltin& split = Node(12, 2, "S");
    SoundPtr both = StereoOf(20);
    Feed(split, "Wave", both);
    TSountoryOutput& left = Want(split, "Result Left");
    ASSERT_TRUE(Run()) << error;
    EXPECT_FALSE(left.GetSound()->ownedByRun);
    EXPECT_EQ(left.GetSound()->GetLeftWave(), both->GetLeftWave());
    EXPECT_FALSE(split.FindNodeOutput("Result Right", nullptr)->GetSound());

    TSountoryNodeBuiltin& extract = Node(33, 2, "E");
    Feed(extract, "Wave", MonoOf(20));
    Set(extract, "Position Begin", 5, VT::WaveCount);
    Set(extract, "Position End", 10, VT::WaveCount);
    TSountoryOutput& part = Want(extract, "Result Extract");
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(part.GetSound()->GetValues(), 5);
    EXPECT_TRUE(part.GetSound()->ownedByRun);
    EXPECT_FALSE(extract.FindNodeOutput("Result Rest", nullptr)->GetSound());
}

TEST_F(ExecutionTest, AnOperationWithoutResultStopsTheNode)
{
    TSountoryNodeBuiltin& node = Node(5);
    Feed(node, "Wave", MonoOf(10));
    Want(node, "Result");
    stop = 1;
    EXPECT_EQ(RunError(), NotEnoughMemoryText);
}

// An echo count whose result no wave can hold fails on its allocation: the
// engine has told why, once, and the run says memory ran out, not that the
// user stopped it.
TEST_F(ExecutionTest, AnEchoCountTooLargeToHoldFailsAsMemoryNotAsAStop)
{
    TSountoryNodeBuiltin& node = Node(21);
    Feed(node, "Wave", MonoOf(1000));
    Set(node, "Time", 0.001, VT::Time);
    Set(node, "Volume", 0.5);
    Set(node, "Echo Count", 2147483647, VT::Integer);
    Want(node, "Result");
    EXPECT_EQ(RunError(), NotEnoughMemoryText);
    EXPECT_EQ(messages.Count(), 1u);
}

// A filter node of the largest count over a thousand values would run for
// hours; a stop asked for from the progress watcher sets the run's flag, which
// its caller reports as the user's stop (shown as no message).
TEST_F(ExecutionTest, AFilterCountRunUntilTheWatcherAsksForAStopEndsWithTheFlagSet)
{
    TSountoryNodeBuiltin& node = Node(16);
    Feed(node, "Wave", MonoOf(1000));
    Set(node, "Frequency", 0.01, VT::Time);
    Set(node, "Volume Factor", 0.5);
    Set(node, "Filter Count", 2147483647, VT::Integer);
    Want(node, "Result");
    StoppingWatcher watcher(3);
    Run();
    EXPECT_EQ(watcher.calls, 3);
    EXPECT_NE(stop, 0);
    EXPECT_EQ(StoppedRunReason(), StoppedByUserText);
    EXPECT_EQ(messages.Count(), 0u);
}

// The run fuzzer's seeds that stand for working factories do run.
TEST_F(ExecutionTest, StoredFactoriesRunOnAWave)
{
    for (const char* name : {"run_wave_chain.qbf", "run_make_and_merge.qbf"}) {
        SCOPED_TRACE(name);
        std::ifstream file(std::string(QB_SOURCE_DIR) + "/fuzz/corpus/fuzz_factory_run/" + name, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        TUnitSountory stored("Factory 1", "");
        ASSERT_TRUE(stored.LoadFromBytes(bytes, error)) << error;
        if (TSountoryInput* wave = stored.FindInput("Wave", nullptr))
            wave->SetSound(MonoOf(1000));
        ASSERT_TRUE(stored.Validate(1, error)) << error;
        ASSERT_TRUE(stored.Run(error, &stop)) << error;
        EXPECT_TRUE(stored.FindOutput("Result", nullptr)->GetSound());
    }
}
