#include "foundation/StopReason.h"
#include "tests/factory/FactoryTestSupport.h"
#include "tests/wave/document/DocumentFakes.h"

#include <gtest/gtest.h>

namespace {

using K = ValueDomType;
using D = ValueDomain;

// A wave document of 1000 values and a change-wave factory whose node makes
// a new wave of `made` values from its input (or stops, or passes it on).
struct WaveRunTest : ::testing::Test {
    WaveRunTest()
    {
        factory.SetupKindInputsOutputs(0, nullptr);
        node = &AddScripted(factory, "Maker");
        TSountoryNodeInput& in = node->AddInput("In", 0.5, 0, K::Wave, D::AllValues);
        TSountoryNodeOutput& out = node->AddOutput("Out", 0.5, 0, K::Wave, D::AllValues);
        in.SetSountoryInputSource(factory.FindInput("Wave", nullptr));
        factory.FindOutput("Result", nullptr)->SetSountoryInputSource(&out);
        node->onExecute = [this](TScriptedNode& self, StopFlag* stop, std::string&) {
            if (stopRun)
                *stop = 1;
            SoundPtr sound = MonoOf(made);
            sound->ownedByRun = 1;
            self.Outputs().front()->SetSound(sound);
            return true;
        };
    }

    bool Run()
    {
        error.clear();
        return doc.unit->WaveRunSountory(factory, error, asker);
    }

    TUnitWave& Unit() { return *doc.unit; }

    DocumentFixture doc{RampSound(1000)};
    FakeMainForm mainForm;
    ScriptedAsker asker;
    TUnitSountory factory{"F", ""};
    TScriptedNode* node = nullptr;
    int32_t made = 500;
    bool stopRun = false;
    std::string error;
};

} // namespace

TEST_F(WaveRunTest, AResultPassingTheWaveThroughLeavesACopy)
{
    factory.FindOutput("Result", nullptr)->SetSountoryInputSource(factory.FindInput("Wave", nullptr));
    const SoundPtr old = Unit().GetSound();
    ASSERT_TRUE(Run()) << error;
    EXPECT_NE(Unit().GetSound(), old);
    EXPECT_EQ(Unit().GetValues(), 1000);
    EXPECT_EQ(Unit().GetSound()->ownedByRun, 0);
    EXPECT_TRUE(Unit().LastCommandChanged());
    EXPECT_EQ(doc.window.soundChanged, 1);
}

TEST_F(WaveRunTest, ASelectionStaysCutToTheNewLengthWithoutPositionOutputs)
{
    Unit().SetSelection(200, 900);
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Unit().GetValues(), 500);
    EXPECT_EQ(Unit().GetSelectBegin(), 200);
    EXPECT_EQ(Unit().GetSelectEnd(), 500);
    EXPECT_EQ(Unit().GetSound()->ownedByRun, 0);
    // The ranges went to their inputs as wave counts.
    EXPECT_EQ(factory.FindInput("Select Begin", nullptr)->GetValue().Value, 200);
    EXPECT_EQ(factory.FindInput("Select End", nullptr)->GetValue().Value, 900);
    EXPECT_EQ(factory.FindInput("Replace End", nullptr)->GetValue().Type, ValueType::WaveCount);

    // A Position End beyond the result selects to its end.
    Unit().SetSelection(100, 300);
    factory.FindOutput("Position End", nullptr)->SetOwnValue({5000, ValueType::WaveCount}, EHNone);
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Unit().GetSelectBegin(), 100);
    EXPECT_EQ(Unit().GetSelectEnd(), 500);
}

TEST_F(WaveRunTest, ABareCursorKeepsItsPlaceOrFollowsThePositionEnd)
{
    Unit().SetCursor(250);
    made = 2000;
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Unit().GetCursorPos(), 250);
    EXPECT_EQ(Unit().GetSelectBegin(), Unit().GetSelectEnd());

    Unit().ExchangeSound(RampSound(1000));
    Unit().SetCursor(250);
    factory.FindOutput("Position End", nullptr)->SetOwnValue({2000, ValueType::WaveCount}, EHNone);
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Unit().GetCursorPos(), 500);

    // Positions the wrong way round select nothing instead of a reversed range.
    Unit().SetSelection(100, 300);
    factory.FindOutput("Position Begin", nullptr)->SetOwnValue({1500, ValueType::WaveCount}, EHNone);
    factory.FindOutput("Position End", nullptr)->SetOwnValue({700, ValueType::WaveCount}, EHNone);
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Unit().GetSelectBegin(), 700);
    EXPECT_EQ(Unit().GetSelectEnd(), 700);
    EXPECT_EQ(doc.messages.Count(), 0u);
}

TEST_F(WaveRunTest, WrongPinsAreRefusedBeforeAnythingIsAskedOrRun)
{
    factory.CreateInput("Gain", 0.9, 0, K::Factor, D::AllValues);
    factory.FindInput("Select Begin", nullptr)->ValueDomType = K::Time;
    const SoundPtr old = Unit().GetSound();
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, "Input \"Select Begin\" is not a valuetype domain of \"wave position\".");
    EXPECT_TRUE(asker.valueInputs.empty());
    EXPECT_EQ(node->executions, 0);
    EXPECT_EQ(Unit().GetSound(), old);
    EXPECT_FALSE(Unit().LastCommandChanged());
    EXPECT_EQ(doc.window.soundChanged, 0);

    factory.FindInput("Select Begin", nullptr)->ValueDomType = K::WavePos;
    factory.FindOutput("Position End", nullptr)->ValueDomType = K::Factor;
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, "Output \"Position End\" is not a valuetype domain of \"wave position\".");
}

TEST_F(WaveRunTest, CancelInTheValuesDialogChangesNothing)
{
    factory.CreateInput("Gain", 0.9, 0, K::Factor, D::AllValues);
    asker.valuesOk = false;
    Unit().SetSelection(10, 20);
    const SoundPtr old = Unit().GetSound();
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, "Stopped by user.");
    ASSERT_EQ(asker.valueInputs.size(), 1u);
    EXPECT_EQ(asker.valueInputs[0]->Name, "Gain");
    EXPECT_EQ(node->executions, 0);
    EXPECT_EQ(Unit().GetSound(), old);
    EXPECT_EQ(Unit().GetSelectBegin(), 10);
    EXPECT_FALSE(Unit().LastCommandChanged());
}

TEST_F(WaveRunTest, OfTwoWaveInputsTheFirstCounts)
{
    TUnitSountory twice("T", "");
    twice.CreateInput("Wave", 0.2, 0, K::Wave, D::Mono);
    twice.CreateInput("Wave", 0.4, 0, K::Wave, D::AllValues);
    twice.CreateOutput("Result", 0.5, 0, K::Wave, D::AllValues);
    twice.Outputs().front()->SetSountoryInputSource(twice.Inputs()[1].get());
    doc.unit->ExchangeSound(RampSound(100, 44100, 2));
    EXPECT_FALSE(doc.unit->WaveRunSountory(twice, error, asker));
    EXPECT_EQ(error, "Input \"Wave\" is type of \"Mono\", but the Wave is Stereo.");
}

TEST_F(WaveRunTest, AStoppedOrFailedRunKeepsTheOldSoundAndTheNextRunStartsAfresh)
{
    Unit().SetSelection(100, 200);
    const SoundPtr old = Unit().GetSound();
    stopRun = true;
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, NotEnoughMemoryText);
    EXPECT_EQ(Unit().GetSound(), old);
    EXPECT_FALSE(Unit().LastCommandChanged());
    EXPECT_EQ(Unit().GetSelectBegin(), 100);
    EXPECT_EQ(Unit().GetSelectEnd(), 200);
    EXPECT_EQ(doc.window.soundChanged, 1);

    // The stop flag left by that run does not stop the next one.
    stopRun = false;
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Unit().GetValues(), 500);

    // A node that fails, or gives no wave, fails the run with its message.
    const SoundPtr kept = Unit().GetSound();
    node->onExecute = [](TScriptedNode&, StopFlag*, std::string& reason) {
        reason = "broken";
        return false;
    };
    EXPECT_FALSE(Run());
    EXPECT_NE(error.find("broken"), std::string::npos);
    node->onExecute = [](TScriptedNode&, StopFlag*, std::string&) { return true; };
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, "Output \"Result\" got no Sound.");
    EXPECT_EQ(Unit().GetSound(), kept);
}
