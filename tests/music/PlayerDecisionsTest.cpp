// The decided faults of the note players, each with the fixture that shows it.
#include "music/PlayersTestSupport.h"

#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

namespace {

struct PlayerDecisionsTest : ::testing::Test {
    ~PlayerDecisionsTest() override { AllocationHook::Reset(); }

    SoundPtr Target(double seconds)
    {
        StereoSound empty(1000, 2);
        int32_t b = 0, e = 0;
        return empty.InsertSilence(&stop, seconds, b, e);
    }

    FakePlayersForm form;
    RecordingMessageService messages;
    StopFlag stop = 0;
    std::string message;
    bool ok = true;
};

const std::string MemoryText = "There is not enough memmory for this operation.";

} // namespace

// 1: the factory's wave is held shared and never changed, whether an input
// passed it through or the output names a wave window.
TEST_F(PlayerDecisionsTest, AWavePassedThroughAFactoryStaysIntact)
{
    TUnitSountory factory("F", "");
    factory.SetupKindInputsOutputs(2, nullptr);
    TSountoryInput& input = factory.CreateInput("Sample", 0.9, 0, ValueDomType::Wave, ValueDomain::AllValues);
    const SoundPtr given = SineMono(50, 1000, 50);
    const std::vector<int16_t> before = Samples(*given);
    input.SetSound(given);
    TSountoryOutput* wave = factory.FindOutput("Wave", nullptr);
    wave->SetSource(&input);
    form.factories["F"] = &factory;
    TUnitWave& window = form.AddWave("sample", SineMono(40, 1000, 30));
    const SoundPtr windowSound = window.GetSound();
    const std::vector<int16_t> windowBefore = Samples(*windowSound);

    auto part = FactoryPart("F");
    part->SetBalanceOn();
    part->OnePlayerProps.BalanceFactor = unitBalAngleFactor(0.5, EHNone);
    auto player = PlayerOf("P", {});
    player->InsertOnePlayer(nullptr, std::move(part));
    ASSERT_TRUE(player->Validate(message));
    for (int round = 0; round < 2; ++round) {
        SoundPtr target = Target(0.2);
        ASSERT_TRUE(player->PlayNoteInto(&stop, *target, TNotePlace{}, NoteOf(100, 0.05), message)) << message;
        EXPECT_NE(Samples(*target)[5], 0);
        SoundPtr alone = player->PlayNote(&stop, 1000, 2, NoteOf(100, 0.05), TNotePlace{}, ok, message);
        ASSERT_TRUE(ok) << message;
        // Then the output names the window instead.
        wave->SetNameSound("sample");
    }
    EXPECT_EQ(input.GetSound(), given);
    EXPECT_EQ(Samples(*given), before);
    EXPECT_EQ(window.GetSound(), windowSound);
    EXPECT_EQ(Samples(*windowSound), windowBefore);
}

// 2: a stop flag set by an engine call fails the note after the one memory
// message, and says why; the balance's own flag too.
TEST_F(PlayerDecisionsTest, AFailedAllocationFailsTheNoteOnce)
{
    form.AddWave("sample", ConstantMono(100, 1000, 1000));
    auto sampler = PartOf();
    sampler->SetSimpleSamplerProps(TSimpleSamplerProps(unitUnitWave("sample"), unitTimePosMore(0.005, EHS)));
    auto player = PlayerOf("P", {});
    player->InsertOnePlayer(nullptr, std::move(sampler));
    SoundPtr target = Target(0.5);

    AllocationHook::FailNext(1);
    EXPECT_FALSE(player->PlayNoteInto(&stop, *target, TNotePlace{}, NoteOf(100, 0.1), message));
    EXPECT_EQ(message, std::string("in Player \"P\": ") + MemoryText);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, MemoryText);

    // The balance of a factory part: its flag is its own, the note fails all the same.
    messages.Clear();
    stop = 0;
    NoteFactory made("F");
    form.factories["F"] = &made.factory;
    made.node->onExecute = [](TScriptedNode& self, StopFlag*, std::string&) {
        SoundPtr sound = ConstantMono(100, 1000, 1000);
        sound->ownedByRun = 1;
        self.Outputs().front()->SetSound(sound);
        AllocationHook::FailNext(1);
        return true;
    };
    auto balanced = FactoryPart("F");
    balanced->SetBalanceOn();
    player->InsertOnePlayer(nullptr, std::move(balanced));
    ASSERT_TRUE(player->Validate(message));
    const SoundPtr untouched = Target(0.5);
    EXPECT_FALSE(player->PlayNoteInto(&stop, *untouched, TNotePlace{}, NoteOf(100, 0.1), message));
    EXPECT_EQ(message, std::string("in Player \"P\": ") + MemoryText);
    EXPECT_EQ(stop, 0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, MemoryText);
    // The sampler after it was not reached: nothing was mixed in.
    EXPECT_EQ(Samples(*untouched)[10], 0);
    SoundPtr alone = player->PlayNote(&stop, 1000, 2, NoteOf(100, 0.1), TNotePlace{}, ok, message);
    EXPECT_EQ(alone, nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(message, MemoryText);
}

// 3: the repeat wave form's sound begins at the note: lead time 0, and the
// length of the sound as made.
TEST_F(PlayerDecisionsTest, TheRepeatWaveFormBeginsAtTheNote)
{
    form.AddWave("sample", ConstantMono(100, 10000, 1000));
    auto part = PartOf();
    part->SetRepeatWaveFormProps(TRepeatWaveFormProps(unitUnitWave("sample")));
    auto player = PlayerOf("P", {});
    player->InsertOnePlayer(nullptr, std::move(part));
    // n = trunc(0.035 / 0.01 + 1.5) = 5 copies: 5 * 0.01 s + 0.01 s.
    const TPlayedNote note = NoteOf(100, 0.035);
    EXPECT_EQ(player->GetLeadTime(note, ok, message), 0.0);
    EXPECT_NEAR(player->GetSoundLength(note, ok, message), 0.06, 1e-12);
    StereoSound empty(10000, 2);
    int32_t b = 0, e = 0;
    SoundPtr target = empty.InsertSilence(&stop, 0.2, b, e);
    TNotePlace place;
    place.Time = 0.05;
    ASSERT_TRUE(player->PlayNoteInto(&stop, *target, place, note, message));
    const std::vector<int16_t> left = Samples(*target);
    EXPECT_EQ(left[499], 0);
    EXPECT_EQ(left[500], 1000);
    EXPECT_EQ(left[1099], 1000);
    EXPECT_EQ(left[1106], 0);
}
