#include "factory/nodes/SountoryNodeFormulaWave.h"
#include "factory/nodes/SountoryNodeMixLoop.h"
#include "factory/nodes/SountoryNodeSimpleLoop.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "foundation/StopReason.h"
#include "tests/factory/BuiltinTestSupport.h"

namespace {

using K = ValueDomType;
using D = ValueDomain;
using VT = ValueType;

struct UseFactoryRunTest : BuiltinFixture {
    TUnitSountory used{"G", "g.qbf"};
    UseFactoryRunTest() { form.factories = {{"F", &factory}, {"G", &used}}; }

    // A built-in node inside the used factory.
    TSountoryNodeBuiltin& Inner(uint8_t function, const std::string& name)
    {
        return used.InsertNode(
            std::make_unique<TSountoryNodeBuiltin>(name, function, used, TCanvasRect{10, 10, 90, 90}, true));
    }
    template <class Node, class... Args>
    Node& Use(Args&&... args)
    {
        auto& node = factory.InsertNode(std::make_unique<Node>("U", "G", factory, TCanvasRect{}, args...));
        node.UpdatePins(used);
        return node;
    }
    bool ValidateAndRun(int stamp)
    {
        return factory.Validate(stamp, error) && Run();
    }
};

} // namespace

TEST_F(UseFactoryRunTest, ASimpleLoopCarriesStateThroughItsPasses)
{
    used.FitKindInputsOutputs(FactoryLoopSimple);
    // X := X + 1, and the last counter seen.
    TSountoryInput& x = used.CreateInput("X", 0.5, 0, K::Factor, D::AllValues);
    TSountoryNodeBuiltin& plus = Inner(40, "Plus");
    plus.Inputs()[0]->SetSountoryInputSource(&x);
    plus.Inputs()[1]->SetOwnValue({1, VT::Factor}, EHNone);
    used.CreateOutput("X", 0.5, 0, K::Factor, D::AllValues).SetSountoryInputSource(plus.Outputs().front().get());

    auto& loop = Use<TSountoryNodeSimpleLoop>(true);
    EXPECT_EQ(InputNames(loop), "Count; X");
    Set(loop, "X", 10);
    Set(loop, "Count", 3, VT::Integer);
    TSountoryOutput& out = Want(loop, "X");
    ASSERT_TRUE(ValidateAndRun(1)) << error;
    EXPECT_DOUBLE_EQ(out.GetValue().Value, 13);
    EXPECT_DOUBLE_EQ(used.FindInput("Counter", nullptr)->GetValue().Value, 3);

    Set(loop, "Count", 0, VT::Integer);
    ASSERT_TRUE(ValidateAndRun(2)) << error;
    EXPECT_DOUBLE_EQ(out.GetValue().Value, 10);
    Set(loop, "Count", 2.9, VT::Integer);
    ASSERT_TRUE(ValidateAndRun(3)) << error;
    EXPECT_DOUBLE_EQ(out.GetValue().Value, 12);
    // No link outlives the run.
    for (const auto& pin : loop.Inputs())
        EXPECT_EQ(pin->UsedInput, nullptr);
    for (const auto& pin : loop.Outputs())
        EXPECT_EQ(pin->UsedOutput, nullptr);
}

TEST_F(UseFactoryRunTest, AUserNodeRunsOnceAndKeepsItsOutputsOnFailure)
{
    used.FactoryKind = FactoryFree;
    TSountoryInput& wave = used.CreateInput("Wave", 0.5, 0, K::Wave, D::AllValues);
    TSountoryNodeBuiltin& volume = Inner(0, "Vol");
    volume.FindNodeInput("Wave", nullptr)->SetSountoryInputSource(&wave);
    volume.FindNodeInput("Factor", nullptr)->SetOwnValue({0.5, VT::Factor}, EHNone);
    used.CreateOutput("Out", 0.5, 0, K::Wave, D::AllValues)
        .SetSountoryInputSource(volume.FindNodeOutput("Result", nullptr));
    used.CreateOutput("Same", 0.5, 0, K::Wave, D::AllValues).SetSountoryInputSource(&wave);

    auto& user = Use<TSountoryNodeUser>();
    SoundPtr source = MonoOf(100);
    Feed(user, "Wave", source);
    TSountoryOutput& out = Want(user, "Out");
    TSountoryOutput& same = Want(user, "Same");
    ASSERT_TRUE(ValidateAndRun(1)) << error;
    ASSERT_TRUE(out.GetSound());
    EXPECT_EQ(out.GetSound()->GetValues(), 100);
    EXPECT_TRUE(out.GetSound()->ownedByRun);
    // The caller's wave comes back as it went in, shared and unmarked.
    EXPECT_EQ(same.GetSound(), source);
    EXPECT_FALSE(source->ownedByRun);
    // The used factory lets go of every sound of the execution.
    EXPECT_FALSE(wave.GetSound());
    EXPECT_FALSE(volume.FindNodeOutput("Result", nullptr)->GetSound());

    volume.FindNodeInput("Position End", nullptr)->SetOwnValue({500, VT::WaveCount}, EHNone);
    EXPECT_FALSE(ValidateAndRun(2));
    EXPECT_EQ(error, "At Node \"U\" of Factory \"F\": At Node \"Vol\" of Factory \"G\": Position End must be "
                     "before the end of the wave.");
}

namespace {

// A loop-and-mix factory whose sample is its "Wave" input's first values,
// placed at fractions of the result.
struct MixTest : UseFactoryRunTest {
    MixTest()
    {
        used.FitKindInputsOutputs(FactoryLoopMix);
        TSountoryNodeBuiltin& trim = *(this->trim = &Inner(23, "Trim"));
        trim.FindNodeInput("Wave", nullptr)->SetSountoryInputSource(used.FindInput("Wave", nullptr));
        trim.FindNodeInput("Position Begin", nullptr)->SetOwnValue({0, VT::WaveCount}, EHNone);
        trim.FindNodeInput("Position End", nullptr)->SetOwnValue({10, VT::WaveCount}, EHNone);
        used.FindOutput("Sample", nullptr)->SetSountoryInputSource(trim.FindNodeOutput("Result", nullptr));
        used.FindOutput("Position in Sample", nullptr)->SetOwnValue({0, VT::Factor}, EHNone);
        used.FindOutput("Position in Result", nullptr)->SetOwnValue({0.5, VT::Factor}, EHNone);
        used.FindOutput("Volume", nullptr)->SetOwnValue({1, VT::Factor}, EHNone);
    }
    TSountoryNodeBuiltin* trim = nullptr;
};

} // namespace

TEST_F(MixTest, PassesAddUpInOneCopyOfTheWave)
{
    auto& mix = Use<TSountoryNodeMixLoop>(true);
    SoundPtr source = MonoOf(20);
    Feed(mix, "Wave", source);
    Set(mix, "Count", 2, VT::Integer);
    TSountoryOutput& out = Want(mix, "Result");
    ASSERT_TRUE(ValidateAndRun(1)) << error;
    const SoundPtr result = out.GetSound();
    ASSERT_TRUE(result);
    EXPECT_NE(result, source);
    EXPECT_TRUE(result->ownedByRun);
    const int16_t* values = static_cast<const MonoSound&>(*result).GetWave()->getData();
    EXPECT_EQ(values[9], 9);
    EXPECT_EQ(values[10], 10 + 2 * 0);
    EXPECT_EQ(values[15], 15 + 2 * 5);
    EXPECT_EQ(source->GetValues(), 20);
    EXPECT_EQ(static_cast<const MonoSound&>(*source).GetWave()->getData()[15], 15);
    // Nothing of the passes is kept by the used factory.
    EXPECT_FALSE(trim->FindNodeOutput("Result", nullptr)->GetSound());
    EXPECT_FALSE(used.FindInput("Wave", nullptr)->GetSound());

    // A volume of 0.5 halves the sample first; a stereo wave gives a stereo result.
    used.FindOutput("Volume", nullptr)->SetOwnValue({0.5, VT::Factor}, EHNone);
    factory.Inputs().front()->SetSound(StereoOf(20));
    Set(mix, "Count", 1, VT::Integer);
    ASSERT_TRUE(ValidateAndRun(2)) << error;
    EXPECT_EQ(out.GetSound()->channels, 2);
    EXPECT_EQ(static_cast<const StereoSound&>(*out.GetSound()).GetWaveLeft()->getData()[14], 14 + 2);
}

TEST_F(MixTest, AnEmptyWaveFailsBeforeAnyPassAndCountZeroCopies)
{
    auto& mix = Use<TSountoryNodeMixLoop>(true);
    Feed(mix, "Wave", std::make_shared<MonoSound>(44100, 2));
    Set(mix, "Count", 3, VT::Integer);
    TSountoryOutput& out = Want(mix, "Result");
    EXPECT_FALSE(ValidateAndRun(1));
    EXPECT_EQ(error, "At Node \"U\" of Factory \"F\": Input Wave must not be empty.");
    EXPECT_EQ(trim->RunState, sntRunIdle);

    factory.Inputs().front()->SetSound(MonoOf(20));
    Set(mix, "Count", 0, VT::Integer);
    ASSERT_TRUE(ValidateAndRun(2)) << error;
    EXPECT_EQ(out.GetSound()->GetValues(), 20);
    EXPECT_TRUE(out.GetSound()->ownedByRun);

    // A node rebuilt without its "Wave" fails with the pin's name.
    mix.RemoveInput(mix.FindNodeInput("Wave", nullptr));
    used.DeleteInputNamed("Wave");
    trim->FindNodeInput("Wave", nullptr)->SetNameSound("w");
    ASSERT_TRUE(mix.BindFactory(error)) << error;
    EXPECT_FALSE(mix.Execute(&stop, error));
    EXPECT_EQ(error, "Input \"Wave\" does not exists.");
}

TEST_F(MixTest, AStopEndsTheLoopAndDropsTheResult)
{
    auto& mix = Use<TSountoryNodeMixLoop>(true);
    Feed(mix, "Wave", MonoOf(20));
    Set(mix, "Count", 3, VT::Integer);
    TSountoryOutput& out = Want(mix, "Result");
    ASSERT_TRUE(factory.Validate(1, error)) << error;
    stop = 1;
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, std::string("At Node \"U\" of Factory \"F\": ") + NotEnoughMemoryText);
    EXPECT_FALSE(out.GetSound());
}

namespace {

// A wave-formula factory whose "Wave Value" is its factor position times a
// scale given as the own value of a Multiply node's second operand.
struct FormulaTest : UseFactoryRunTest {
    FormulaTest()
    {
        used.FitKindInputsOutputs(FactoryFormulaWave);
        multiply = &Inner(41, "Times");
        multiply->Inputs()[0]->SetSountoryInputSource(used.FindInput("Factor Position", nullptr));
        multiply->Inputs()[1]->SetOwnValue({1000, VT::WaveValue}, EHNone);
        convert = &Inner(44, "Unused");
        TSountoryOutput* value = used.FindOutput("Wave Value", nullptr);
        value->ValueDomType = K::AllComputable;
        value->SetSountoryInputSource(multiply->Outputs().front().get());
        value->ValueDomType = K::WaveValue;
    }
    TSountoryNodeFormulaWave& Formula(double steps, double frequency = 44100)
    {
        auto& node = Use<TSountoryNodeFormulaWave>(true);
        Set(node, "Steps", steps, VT::Integer);
        Set(node, "Sample Frequency", frequency, VT::WaveSampleFrequency);
        Set(node, "Bytes per Sample", 2, VT::WaveBytesPerSample);
        return node;
    }
    const int16_t* Values(const TSountoryOutput& out)
    {
        return static_cast<const MonoSound&>(*out.GetSound()).GetWave()->getData();
    }
    TSountoryNodeBuiltin* multiply = nullptr;
    TSountoryNodeBuiltin* convert = nullptr;
};

} // namespace

TEST_F(FormulaTest, PointsJoinedByLinesAtTheirFractions)
{
    used.DeleteNode(convert);
    auto& node = Formula(4);
    Set(node, "Wave Count Length", 101, VT::WaveCount);
    TSountoryOutput& out = Want(node, "Result");
    ASSERT_TRUE(ValidateAndRun(1)) << error;
    ASSERT_EQ(out.GetSound()->GetValues(), 101);
    EXPECT_TRUE(out.GetSound()->ownedByRun);
    const int16_t* v = Values(out);
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[25], 250);
    EXPECT_EQ(v[50], 500);
    EXPECT_EQ(v[75], 750);
    EXPECT_EQ(v[100], 1000);
    // Each segment ends one value before the next point: 0 .. 24 run up to 250.
    EXPECT_EQ(v[10], 104);
    // The value before each point is that point's value, not one short of it.
    int stamp = 1;
    for (double scale : {1000.0, 100.0}) {
        SCOPED_TRACE(scale);
        multiply->Inputs()[1]->SetOwnValue({scale, VT::WaveValue}, EHNone);
        ASSERT_TRUE(ValidateAndRun(++stamp)) << error;
        for (int point : {25, 50, 75, 100}) {
            EXPECT_EQ(Values(out)[point - 1], scale * point / 100) << point;
            EXPECT_EQ(Values(out)[point], scale * point / 100) << point;
        }
    }

    Set(node, "Steps", 1, VT::Integer);
    multiply->Inputs()[1]->SetOwnValue({1000, VT::WaveValue}, EHNone);
    ASSERT_TRUE(ValidateAndRun(++stamp)) << error;
    for (int i = 0; i < 101; ++i)
        EXPECT_EQ(Values(out)[i], 500);
}

TEST_F(FormulaTest, LengthsSamplesAndLowSixteenBits)
{
    used.DeleteNode(convert);
    auto& node = Formula(1, 11025);
    Set(node, "Time Length", 0.001, VT::Time);
    TSountoryOutput& out = Want(node, "Result");
    const struct {
        double scale;
        int16_t sample;
    } cases[] = {{-3.4, -1}, {80000, -25536}}; // halved: the one point lies at 0.5
    int stamp = 0;
    for (const auto& c : cases) {
        multiply->Inputs()[1]->SetOwnValue({c.scale, VT::WaveValue}, EHNone);
        ASSERT_TRUE(ValidateAndRun(++stamp)) << error;
        ASSERT_EQ(out.GetSound()->GetValues(), 11);
        EXPECT_EQ(Values(out)[10], c.sample);
    }
}

TEST_F(FormulaTest, LengthsStepsAndFormatsThatMakeNoWave)
{
    used.DeleteNode(convert);
    const struct {
        const char* name;
        double value;
        VT type;
        const char* message;
    } cases[] = {
        {"Time Length", 0.00001, VT::Time, "Input \"Time Length\" must give at least one value."},
        {"Steps", 0, VT::Integer, "Input \"Steps\" must be at least 1."},
        {"Bytes per Sample", 4, VT::WaveBytesPerSample, "Input \"Bytes per Sample\" must be 1 or 2."},
        {"Sample Frequency", 0, VT::WaveSampleFrequency, "Input \"Sample Frequency\" must be greater than 0."},
    };
    int stamp = 0;
    for (const auto& c : cases) {
        auto& node = Formula(2);
        Set(node, "Time Length", 0.01, VT::Time);
        Set(node, c.name, c.value, c.type);
        TSountoryOutput& out = Want(node, "Result");
        EXPECT_FALSE(ValidateAndRun(++stamp));
        EXPECT_EQ(error, std::string("At Node \"U\" of Factory \"F\": ") + c.message);
        factory.DeleteOutput(&out);
        factory.DeleteNode(&node);
    }
}

TEST_F(FormulaTest, AFailingPassReleasesTheWave)
{
    auto& node = Formula(3);
    Set(node, "Wave Count Length", 50, VT::WaveCount);
    TSountoryOutput& out = Want(node, "Result");
    used.FindOutput("Wave Value", nullptr)->SetSountoryInputSource(convert->Outputs().front().get());
    ASSERT_FALSE(factory.Validate(1, error));
    EXPECT_EQ(error, "In Node \"U\": at Factory \"G\": In Node \"Unused\": Input \"Operand\" is mandatory.");
    EXPECT_FALSE(out.GetSound());
}
