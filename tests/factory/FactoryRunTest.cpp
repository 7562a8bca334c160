#include "factory/nodes/SountoryNodeUser.h"
#include "platform/RecordingMessageService.h"
#include "tests/factory/FactoryTestSupport.h"

#include <gtest/gtest.h>

namespace {

using K = ValueDomType;
using D = ValueDomain;

// A node with a wave input "In" (when asked) and a wave output "Out".
TScriptedNode& WaveNode(TUnitSountory& factory, const std::string& name, int inputs = 0)
{
    TScriptedNode& node = AddScripted(factory, name);
    for (int i = 1; i <= inputs; ++i)
        node.AddInput(inputs == 1 ? "In" : "In" + std::to_string(i), 0.5, 0, K::Wave, D::AllValues);
    node.AddOutput("Out", 0.5, 0, K::Wave, D::AllValues);
    return node;
}

TSountoryNodeOutput& Out(TSountoryNode& node)
{
    return *node.Outputs().front();
}

TSountoryNodeInput& In(TSountoryNode& node, size_t index = 0)
{
    return *node.Inputs()[index];
}

struct FactoryRunTest : ::testing::Test {
    FakeMainForm form;
    RecordingMessageService messages;
    TUnitSountory factory{"F", "f.qbf"};
    std::string error;
    StopFlag stop = 0;
};

} // namespace

TEST_F(FactoryRunTest, AStampValidatesOnceAndAFailureKeepsTheOldStamp)
{
    TScriptedNode& node = AddScripted(factory, "N");
    EXPECT_TRUE(factory.Validate(7, error));
    EXPECT_TRUE(factory.Validate(7, error));
    EXPECT_EQ(node.validations, 1);
    EXPECT_TRUE(factory.Validate(8, error));
    EXPECT_EQ(node.validations, 2);
    node.refusal = "Input \"A\" is mandatory.";
    EXPECT_FALSE(factory.Validate(9, error));
    EXPECT_EQ(error, "In Node \"N\": Input \"A\" is mandatory.");
    EXPECT_EQ(factory.ValidationStamp, 8);
}

TEST_F(FactoryRunTest, UsedFactoriesValidateOncePerPassAndRecursionIsRefused)
{
    TUnitSountory used("G", "g.qbf");
    TScriptedNode& inner = AddScripted(used, "Inner");
    form.factories = {{"F", &factory}, {"G", &used}};
    factory.InsertNode(std::make_unique<TSountoryNodeUser>("U1", "G", factory, TCanvasRect{20, 10, 80, 60}));
    factory.InsertNode(std::make_unique<TSountoryNodeUser>("U2", "G", factory, TCanvasRect{100, 10, 160, 60}));
    factory.Validate(form.NextValidationStamp(), error);
    EXPECT_EQ(inner.validations, 1);

    TUnitSountory self("S", "s.qbf");
    form.factories["S"] = &self;
    self.InsertNode(std::make_unique<TSountoryNodeUser>("N", "S", self, TCanvasRect{20, 10, 80, 60}));
    const std::string nested = "In Node \"N\": at Factory \"S\": In Node \"N\": Recurse found!";
    EXPECT_FALSE(self.Validate(form.NextValidationStamp(), error));
    EXPECT_EQ(error, nested);
    // The recursion counter is back at 0: the next pass says the same.
    EXPECT_FALSE(self.Validate(form.NextValidationStamp(), error));
    EXPECT_EQ(error, nested);

    form.factories.erase("G");
    TUnitSountory lonely("L", "");
    lonely.InsertNode(std::make_unique<TSountoryNodeUser>("U", "G", lonely, TCanvasRect{20, 10, 80, 60}));
    EXPECT_FALSE(lonely.Validate(form.NextValidationStamp(), error));
    EXPECT_EQ(error, "In Node \"U\": Factory \"G\" not found.");
}

TEST_F(FactoryRunTest, ARunOfAnUnvalidatedFactoryThatUsesItselfIsRefused)
{
    // S's output comes from a node that runs S.
    TUnitSountory self("S", "s.qbf");
    form.factories["S"] = &self;
    self.FactoryKind = FactoryFree;
    TSountoryOutput& result = self.CreateOutput("O", 0.5, 0, K::Factor, D::AllValues);
    auto& node = self.InsertNode(std::make_unique<TSountoryNodeUser>("N", "S", self, TCanvasRect{20, 10, 80, 60}));
    node.UpdatePins(self);
    result.SetSountoryInputSource(node.FindNodeOutput("O", nullptr));
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        EXPECT_FALSE(self.Run(error, &stop));
        EXPECT_EQ(error, "At Node \"N\" of Factory \"S\": Recurse found!");
        EXPECT_EQ(self.RunState, sntRunFailed);
    }
}

TEST_F(FactoryRunTest, LoopsAreFoundAndDiamondsAreNone)
{
    TScriptedNode& b = WaveNode(factory, "B", 1);
    TScriptedNode& a = WaveNode(factory, "A", 1);
    In(a).SetSource(&Out(b));
    In(b).SetSource(&Out(a));
    EXPECT_FALSE(factory.Validate(1, error));
    EXPECT_EQ(error, "Loop found at Input \"In\" at Node \"A.");
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_EQ(a.executions + b.executions, 0);

    TUnitSountory diamond("D", "");
    TScriptedNode& top = WaveNode(diamond, "Top");
    TScriptedNode& left = WaveNode(diamond, "Left", 1);
    TScriptedNode& right = WaveNode(diamond, "Right", 1);
    TScriptedNode& bottom = WaveNode(diamond, "Bottom", 2);
    In(left).SetSource(&Out(top));
    In(right).SetSource(&Out(top));
    In(bottom, 0).SetSource(&Out(left));
    In(bottom, 1).SetSource(&Out(right));
    EXPECT_TRUE(diamond.Validate(1, error)) << error;
}

TEST_F(FactoryRunTest, ALongChainFedTwiceAtEachStepIsCheckedInLinearTime)
{
    // Followed path by path, 60 steps of two connections are 2^60 walks.
    TScriptedNode* previous = &WaveNode(factory, "N0");
    for (int i = 1; i <= 60; ++i) {
        TScriptedNode& node = WaveNode(factory, "N" + std::to_string(i), 2);
        In(node, 0).SetSource(&Out(*previous));
        In(node, 1).SetSource(&Out(*previous));
        previous = &node;
    }
    EXPECT_TRUE(factory.Validate(1, error)) << error;
    In(*factory.FindNode("N1", nullptr), 1).SetSource(&Out(*previous));
    EXPECT_FALSE(factory.Validate(2, error));
    EXPECT_EQ(error.rfind("Loop found at Input \"In", 0), 0u) << error;
}

TEST_F(FactoryRunTest, DemandKeepsAWaveUntilItsLastConsumerRan)
{
    TScriptedNode& source = WaveNode(factory, "Source");
    TScriptedNode& first = WaveNode(factory, "First", 1);
    TScriptedNode& second = WaveNode(factory, "Second", 1);
    TScriptedNode& unneeded = WaveNode(factory, "Unneeded", 1);
    In(first).SetSource(&Out(source));
    In(second).SetSource(&Out(source));
    In(unneeded).SetSource(&Out(source));
    factory.CreateOutput("O1", 0.3, 0, K::Wave, D::AllValues).SetSource(&Out(first));
    factory.CreateOutput("O2", 0.6, 0, K::Wave, D::AllValues).SetSource(&Out(second));
    std::weak_ptr<Sound> made;
    std::vector<int32_t> demands;
    auto record = [&](TScriptedNode& node, StopFlag*, std::string&) {
        demands.push_back(Out(source).GetDemand());
        EXPECT_TRUE(In(node).GetSound()) << node.Name;
        made = Out(source).GetSound();
        Out(node).SetSound(MonoOf(3));
        return true;
    };
    first.onExecute = record;
    second.onExecute = record;
    ASSERT_TRUE(factory.Run(error, &stop)) << error;
    EXPECT_EQ(demands, (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(Out(source).GetDemand(), 0);
    EXPECT_TRUE(made.expired());
    EXPECT_EQ(unneeded.executions, 0);
    EXPECT_EQ(unneeded.RunState, sntRunIdle);
    EXPECT_EQ(source.executions, 1);
    EXPECT_EQ(factory.RunState, sntRunDone);
    // The waves the outputs read stay for the caller.
    EXPECT_TRUE(factory.FindOutput("O1", nullptr)->GetSound());
}

TEST_F(FactoryRunTest, FailuresNameTheNodeWhereTheyArose)
{
    TScriptedNode& source = WaveNode(factory, "A");
    TScriptedNode& consumer = WaveNode(factory, "B", 1);
    In(consumer).SetSource(&Out(source));
    factory.CreateOutput("O", 0.5, 0, K::Wave, D::AllValues).SetSource(&Out(consumer));
    source.onExecute = [](TScriptedNode&, StopFlag*, std::string&) { return true; };
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_EQ(error, "At Node \"B\": Node Input \"In\" got no Sound.");
    EXPECT_EQ(consumer.RunState, sntRunFailed);
    EXPECT_EQ(source.RunState, sntRunDone);
    EXPECT_EQ(factory.RunState, sntRunFailed);

    source.onExecute = [](TScriptedNode&, StopFlag*, std::string& e) {
        e = "boom";
        return false;
    };
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_EQ(error, "At Node \"A\" of Factory \"F\": boom");
    EXPECT_EQ(source.RunState, sntRunFailed);
    EXPECT_EQ(consumer.RunState, sntRunIdle);
}

TEST_F(FactoryRunTest, ValuesAreCheckedAtTheTargetAndConvertedWhenRead)
{
    TSountoryInput& frequency = factory.CreateInput("F", 0.5, 0, K::Frequency, D::AllValues);
    TSountoryOutput& time = factory.CreateOutput("T", 0.5, 0, K::Time, D::AllValues);
    time.SetSource(&frequency);
    frequency.SetValue({50, ValueType::Frequency});
    ASSERT_TRUE(factory.Run(error, &stop)) << error;
    EXPECT_EQ(time.GetValue().Type, ValueType::Time);
    EXPECT_DOUBLE_EQ(time.GetValue().Value, 0.02);

    frequency.SetValue({0, ValueType::Frequency});
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_EQ(error, "Cannot convert Output \"T\" from type Frequency to type Time, because frequency is 0 Hertz.");
    time.ValueDomain = D::PositiveNotZero;
    time.ValueDomType = K::Frequency;
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_EQ(error, "Output \"T\" with Value \"0\" does not fit in Domain \"Positive Not Zero\".");
    frequency.SetValue({1, ValueType::Boolean});
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_EQ(error, "Output \"T\" with Valuetype \"Boolean\" does not fit in Valuetype Domain \"Frequency\".");

    TSountoryInput& wave = factory.CreateInput("W", 0.5, 0, K::Wave, D::AllValues);
    TSountoryOutput& stereo = factory.CreateOutput("S", 0.5, 0, K::Wave, D::Stereo);
    stereo.SetSource(&wave);
    frequency.SetValue({1, ValueType::Frequency});
    wave.SetSound(MonoOf(5));
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_EQ(error, "Output \"S\" must be Stereo, but is Mono.");
}

TEST_F(FactoryRunTest, WaveWindowInputsAndNamedWaves)
{
    for (const char* name : {"Wave", "Select Begin", "Select End", "Replace Begin", "Replace End"})
        EXPECT_TRUE(factory.CreateInput(name, 0.5, 0, K::WavePos, D::AllValues).IsWaveWindowInput()) << name;
    EXPECT_FALSE(factory.CreateInput("select end", 0.5, 0, K::WavePos, D::AllValues).IsWaveWindowInput());
    EXPECT_EQ(factory.CountAskedInputs(), 1);
    EXPECT_EQ(factory.CountAskedGenericInputs(), 1);

    TUnitSountory named("N", "");
    TSountoryInput& in = named.CreateInput("In", 0.5, 0, K::Wave, D::AllValues);
    TScriptedNode& node = WaveNode(named, "Node", 1);
    In(node).SetSource(&in);
    named.CreateOutput("O", 0.5, 0, K::Wave, D::AllValues).SetSource(&Out(node));
    in.SetNameSound("Gone");
    EXPECT_FALSE(named.Run(error, &stop));
    EXPECT_EQ(error, "Cannot find Sound \"Gone\" at Input \"In\".");
    EXPECT_EQ(node.executions, 0);
    EXPECT_EQ(named.RunState, sntRunFailed);

    // A caller's wave wins over the name a values dialog left on the input.
    const SoundPtr bound = MonoOf(10);
    in.SetSound(bound);
    SoundPtr seen;
    node.onExecute = [&seen](TScriptedNode& n, StopFlag*, std::string&) {
        seen = In(n).GetSound();
        Out(n).SetSound(MonoOf(1));
        return true;
    };
    EXPECT_TRUE(named.Run(error, &stop)) << error;
    EXPECT_EQ(seen, bound);

    TUnitWave window(MonoOf(7), "Wave 1", "");
    form.waves["Wave 1"] = &window;
    in.SetNameSound("Wave 1");
    EXPECT_TRUE(named.Run(error, &stop)) << error;
    EXPECT_EQ(seen, window.GetSound());
}

namespace {

// A create-wave factory whose "Result" comes from a node over the input "In".
struct CreateWaveTest : FactoryRunTest {
    CreateWaveTest()
    {
        factory.SetupKindInputsOutputs(1, nullptr);
        input = &factory.CreateInput("In", 0.5, 0, K::Wave, D::AllValues);
        node = &WaveNode(factory, "Node", 1);
        In(*node).SetSource(input);
        factory.FindOutput("Result", nullptr)->SetSource(&Out(*node));
        asker.fill = [this](const std::vector<TSountoryInput*>&) { input->SetNameSound("Wave 1"); };
        form.waves["Wave 1"] = &window;
    }

    TUnitWave window{MonoOf(1000), "Wave 1", ""};
    TSountoryInput* input = nullptr;
    TScriptedNode* node = nullptr;
    ScriptedAsker asker;
    SoundPtr sound;
    int32_t begin = 3;
    int32_t end = 4;
};

} // namespace

TEST_F(CreateWaveTest, AMadeWaveIsHandedOverAndPositionsAreClamped)
{
    SoundPtr made;
    node->onExecute = [&made](TScriptedNode& n, StopFlag*, std::string&) {
        made = MonoOf(100);
        made->ownedByRun = 1;
        Out(n).SetSound(made);
        return true;
    };
    // The run counts from the positions' own values on the made wave.
    factory.FindOutput("Position Begin", nullptr)->SetOwnValue({500, ValueType::WaveCount}, EHNone);
    factory.FindOutput("Position End", nullptr)->SetOwnValue({2, ValueType::Factor}, EHNone);
    // A stop flag left set by an earlier run does not stop this one.
    factory.RunStopFlag = 1;
    ASSERT_TRUE(factory.RunCreateWave(error, sound, begin, end, asker)) << error;
    EXPECT_EQ(sound, made);
    EXPECT_FALSE(sound->ownedByRun);
    EXPECT_EQ(end, 100);
    EXPECT_EQ(begin, 100);
    ASSERT_EQ(asker.valueInputs.size(), 1u);
    EXPECT_TRUE(asker.typeInputs.empty());
}

TEST_F(CreateWaveTest, AWavePassedThroughIsCopiedNeverTheWindowsOwn)
{
    factory.FindOutput("Result", nullptr)->SetSource(input);
    ASSERT_TRUE(factory.RunCreateWave(error, sound, begin, end, asker)) << error;
    ASSERT_TRUE(sound);
    EXPECT_NE(sound, window.GetSound());
    EXPECT_EQ(sound->GetValues(), 1000);
    EXPECT_EQ(begin, 3);
    EXPECT_EQ(end, 4);
    EXPECT_EQ(window.GetSound().use_count(), 2); // the window's and the bound input's
}

TEST_F(CreateWaveTest, CancelStopsBeforeAnythingRuns)
{
    asker.valuesOk = false;
    EXPECT_FALSE(factory.RunCreateWave(error, sound, begin, end, asker));
    EXPECT_EQ(error, "Stopped by user.");
    EXPECT_EQ(node->executions, 0);
    EXPECT_EQ(factory.RunState, sntRunIdle);
    factory.CreateInput("Any", 0.5, 0, K::AllValue, D::AllValues);
    asker.valuesOk = true;
    asker.typesOk = false;
    EXPECT_FALSE(factory.RunCreateWave(error, sound, begin, end, asker));
    EXPECT_EQ(asker.typeInputs.size(), 1u);
    EXPECT_EQ(error, "Stopped by user.");
}

TEST_F(CreateWaveTest, WrongOutputsAreRefusedFirst)
{
    factory.FindOutput("Position End", nullptr)->ValueDomType = K::Factor;
    EXPECT_FALSE(factory.RunCreateWave(error, sound, begin, end, asker));
    EXPECT_EQ(error, "Output \"Position End\" is not a valuetype domain of \"wave position\".");
    factory.FindOutput("Result", nullptr)->Disconnect();
    EXPECT_FALSE(factory.RunCreateWave(error, sound, begin, end, asker));
    EXPECT_EQ(error, "Output \"Result\" is mandatory.");
    TUnitSountory empty("E", "");
    EXPECT_FALSE(empty.RunCreateWave(error, sound, begin, end, asker));
    EXPECT_EQ(error, "Cannot find Output \"Result\".");
    TSountoryInput* found = nullptr;
    EXPECT_FALSE(factory.FindWaveInput("In", *MonoOf(1), found, error) && false);
    input->ValueDomain = D::Stereo;
    EXPECT_FALSE(factory.FindWaveInput("In", *MonoOf(1), found, error));
    EXPECT_EQ(error, "Input \"In\" is type of \"Stereo\", but the Wave is Mono.");
}

// Decision: a run holds its sounds by shared reference; no run frees a sound
// it was given, and the pins drop theirs at the next start, after a failed
// run and with the factory.
TEST_F(FactoryRunTest, RunSoundsAreSharedAndDroppedByThePins)
{
    const SoundPtr bound = MonoOf(10);
    TSountoryInput& in = factory.CreateInput("In", 0.5, 0, K::Wave, D::AllValues);
    in.SetSound(bound);
    TScriptedNode& pass = WaveNode(factory, "Pass", 1);
    In(pass).SetSource(&in);
    pass.onExecute = [](TScriptedNode& n, StopFlag*, std::string&) {
        In(n).TakeOverSourceSound();
        Out(n).SetSound(In(n).GetSound());
        return true;
    };
    TScriptedNode& maker = WaveNode(factory, "Maker");
    TSountoryOutput& out = factory.CreateOutput("O", 0.5, 0, K::Wave, D::AllValues);
    out.SetSource(&Out(pass));
    factory.CreateOutput("P", 0.5, 0, K::Wave, D::AllValues).SetSource(&Out(maker));
    ASSERT_TRUE(factory.Run(error, &stop)) << error;
    EXPECT_EQ(out.GetSound(), bound);
    std::weak_ptr<Sound> first = Out(maker).GetSound();
    ASSERT_FALSE(first.expired());
    // The next run starts without the last run's waves.
    maker.onExecute = [](TScriptedNode&, StopFlag*, std::string& e) {
        e = "no";
        return false;
    };
    pass.onExecute = nullptr;
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_TRUE(first.expired());
    // A failed run keeps none.
    EXPECT_FALSE(Out(pass).GetSound());
    maker.onExecute = nullptr;
    ASSERT_TRUE(factory.Run(error, &stop));
    std::weak_ptr<Sound> last = Out(maker).GetSound();
    EXPECT_EQ(bound.use_count(), 2); // the caller's and the bound input's
    {
        TUnitSountory gone("G", "");
        TScriptedNode& node = WaveNode(gone, "N");
        gone.CreateOutput("O", 0.5, 0, K::Wave, D::AllValues).SetSource(&Out(node));
        ASSERT_TRUE(gone.Run(error, &stop));
        last = Out(node).GetSound();
        EXPECT_FALSE(last.expired());
    }
    EXPECT_TRUE(last.expired());
}

// Decision: a withdrawn demand reaches upstream only from a node that has not
// run and whose outputs nobody else waits for, and only once.
TEST_F(FactoryRunTest, ASwitchWithdrawsOnlyWhatNobodyElseNeeds)
{
    TScriptedNode& source = WaveNode(factory, "A");
    TScriptedNode& shared = WaveNode(factory, "C", 1);
    TScriptedNode& reader = WaveNode(factory, "E", 1);
    TScriptedNode& other = WaveNode(factory, "B");
    In(shared).SetSource(&Out(source));
    In(reader).SetSource(&Out(source));
    auto& sw = factory.InsertNode(std::make_unique<TScriptedSwitch>("S", factory));
    TSountoryInput& condition = factory.CreateInput("Cond", 0.5, 0, K::Boolean, D::AllValues);
    sw.FindNodeInput("Switch", nullptr)->SetSource(&condition);
    sw.FindNodeInput("When True", nullptr)->SetSource(&Out(shared));
    sw.FindNodeInput("When False", nullptr)->SetSource(&Out(other));
    factory.CreateOutput("O1", 0.2, 0, K::Wave, D::AllValues).SetSource(&Out(sw));
    factory.CreateOutput("O2", 0.4, 0, K::Wave, D::AllValues).SetSource(&Out(shared));
    factory.CreateOutput("O3", 0.6, 0, K::Wave, D::AllValues).SetSource(&Out(reader));
    condition.SetValue({0, ValueType::Boolean});
    ASSERT_TRUE(factory.Run(error, &stop)) << error;
    EXPECT_EQ(other.executions, 1);
    EXPECT_EQ(shared.executions, 1);
    EXPECT_EQ(reader.executions, 1);
    EXPECT_TRUE(factory.FindOutput("O3", nullptr)->GetSound());

    // Two switches that both leave C aside: C's inputs are withdrawn once,
    // and E still reads A's wave.
    auto& second = factory.InsertNode(std::make_unique<TScriptedSwitch>("S2", factory));
    second.FindNodeInput("Switch", nullptr)->SetSource(&condition);
    second.FindNodeInput("When True", nullptr)->SetSource(&Out(shared));
    second.FindNodeInput("When False", nullptr)->SetSource(&Out(other));
    factory.FindOutput("O2", nullptr)->Disconnect();
    factory.CreateOutput("O4", 0.8, 0, K::Wave, D::AllValues).SetSource(&Out(second));
    shared.executions = 0;
    ASSERT_TRUE(factory.Run(error, &stop)) << error;
    EXPECT_EQ(shared.executions, 0);
    EXPECT_EQ(shared.RunState, sntRunIdle);
    EXPECT_EQ(reader.executions, 2);
    EXPECT_TRUE(factory.FindOutput("O3", nullptr)->GetSound());
    EXPECT_EQ(Out(source).GetDemand(), 0);
}

TEST_F(FactoryRunTest, ASwitchPullsOnlyTheChosenInput)
{
    TScriptedNode& upstream = WaveNode(factory, "U");
    TScriptedNode& whenTrue = WaveNode(factory, "WT", 1);
    In(whenTrue).SetSource(&Out(upstream));
    TScriptedNode& whenFalse = WaveNode(factory, "WF");
    auto& sw = factory.InsertNode(std::make_unique<TScriptedSwitch>("S", factory));
    TSountoryNodeInput& condition = *sw.FindNodeInput("Switch", nullptr);
    sw.FindNodeInput("When True", nullptr)->SetSource(&Out(whenTrue));
    sw.FindNodeInput("When False", nullptr)->SetSource(&Out(whenFalse));
    factory.CreateOutput("O", 0.5, 0, K::Wave, D::AllValues).SetSource(&Out(sw));
    condition.SetOwnValue({0, ValueType::Boolean}, EHNone);
    ASSERT_TRUE(factory.Run(error, &stop)) << error;
    EXPECT_EQ(whenFalse.executions, 1);
    EXPECT_EQ(whenTrue.executions + upstream.executions, 0);
    EXPECT_EQ(Out(whenTrue).GetDemand(), 0);
    EXPECT_EQ(Out(upstream).GetDemand(), 0);
    condition.SetOwnValue({-0.5, ValueType::Factor}, EHNone);
    ASSERT_TRUE(factory.Run(error, &stop)) << error;
    EXPECT_EQ(whenTrue.executions, 1);

    // Kept as stored factories report it: a switch's own pull failure has no prefix.
    TSountoryInput& wrong = factory.CreateInput("Wrong", 0.5, 0, K::Factor, D::AllValues);
    condition.SetSource(&wrong);
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_EQ(error, "Node Input \"Switch\" with Valuetype \"Factor\" does not fit in Valuetype Domain \"Boolean\".");
    EXPECT_EQ(sw.RunState, sntRunIdle);
}

// Decision: a wave position arriving through a connection is counted like an
// own value; without a wave to count it in the run fails naming the pin.
TEST_F(FactoryRunTest, WavePositionsAreCountedOnTheReferenceWave)
{
    TUnitWave window(MonoOf(1000), "Wave 1", "");
    form.waves["Wave 1"] = &window;
    TSountoryInput& position = factory.CreateInput("Pos", 0.5, 0, K::WaveCount, D::AllValues);
    position.SetValue({-1, ValueType::WaveCount});
    TScriptedNode& node = WaveNode(factory, "N");
    TSountoryNodeInput& at = node.AddInput("At", 0.5, 0, K::WavePos, D::AllValues);
    at.SetSource(&position);
    std::vector<TSountoryValue> read;
    node.onExecute = [&read, &at](TScriptedNode& n, StopFlag*, std::string&) {
        read.push_back(at.GetValue());
        Out(n).SetSound(MonoOf(2));
        return true;
    };
    factory.CreateOutput("O", 0.5, 0, K::Wave, D::AllValues).SetSource(&Out(node));
    EXPECT_FALSE(factory.Run(error, &stop));
    EXPECT_EQ(error, "At Node \"N\": Node Input \"At\" is a wave position, but there is no Wave at Node Input "
                     "\"Wave\" to count it in.");
    EXPECT_EQ(node.RunState, sntRunFailed);

    node.AddInput("Wave", 0.1, 0, K::Wave, D::AllValues).SetNameSound("Wave 1");
    ASSERT_TRUE(factory.Run(error, &stop)) << error;
    ASSERT_EQ(read.size(), 1u);
    // Kept as stored factories count: -1 is the last sample but one.
    EXPECT_EQ(read[0], (TSountoryValue{998, ValueType::WaveCount}));
    at.SetOwnValue({0.5, ValueType::Factor}, EHNone);
    ASSERT_TRUE(factory.Run(error, &stop));
    EXPECT_EQ(read[1], (TSountoryValue{500, ValueType::WaveCount}));
    at.SetOwnValue({0.001, ValueType::Time}, EHS);
    ASSERT_TRUE(factory.Run(error, &stop));
    EXPECT_EQ(read[2], (TSountoryValue{44, ValueType::WaveCount}));

    TUnitSountory outputs("G", "");
    outputs.CreateOutput("Position Begin", 0.5, 0, K::WavePos, D::AllValues)
        .SetOwnValue({1, ValueType::Factor}, EHNone);
    EXPECT_FALSE(outputs.Run(error, &stop));
    EXPECT_EQ(error, "Output \"Position Begin\" is a wave position, but there is no Wave at Output \"Result\" to "
                     "count it in.");
}
