#include "music/PlayersTestSupport.h"

#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

namespace {

struct NotePlayersTest : ::testing::Test {
    FakePlayersForm form;
    RecordingMessageService messages;
    StopFlag stop = 0;
    std::string message;
    bool ok = true;
};

// A roll-out sampler that repeats samples b to e of a constant sample of n
// samples at 1000 Hz; at a note of 100 Hz it plays at the sample's own speed,
// so its lead time is b / 1000 s.
std::unique_ptr<TOnePlayer> RollOutPart(FakePlayersForm& form, const std::string& wave, int32_t n, int32_t b,
                                        int32_t e, int16_t value)
{
    form.AddWave(wave, ConstantMono(n, 1000, value), b, e);
    auto part = PartOf();
    part->SetRollOutSamplerProps(TRollOutSamplerProps(unitUnitWave(wave), unitTimePosMore(0.01, EHS)));
    return part;
}

} // namespace

TEST_F(NotePlayersTest, ThePartFrequencyReachesTheFactoryInput)
{
    NoteFactory made("F");
    form.factories["F"] = &made.factory;
    struct Case {
        double freqFactor, freqUp, groupFactor, expected;
    };
    for (const Case& c : {Case{2.0, 0, 1.0, 880}, Case{1.0, 10, 1.0, 450}, Case{1.0, 10, 0.5, 225}}) {
        made.frequencies.clear();
        auto player = PlayerOf("P", {});
        player->InsertOnePlayer(nullptr, FactoryPart("F", c.freqFactor, c.freqUp));
        ASSERT_TRUE(player->Validate(message)) << message;
        TPlayedNote note = NoteOf(440, 0.5);
        note.FreqFactor = c.groupFactor;
        StereoSound target(1000, 2);
        int32_t b = 0, e = 0;
        SoundPtr silent = target.InsertSilence(&stop, 1.0, b, e);
        ASSERT_TRUE(player->PlayNoteInto(&stop, *silent, TNotePlace{}, note, message)) << message;
        ASSERT_EQ(made.frequencies.size(), 1u);
        EXPECT_NEAR(made.frequencies[0], c.expected, 1e-9);
    }
}

TEST_F(NotePlayersTest, APartWithoutAFrequencyAddsNothingAndDoesNotFail)
{
    NoteFactory made("F");
    form.factories["F"] = &made.factory;
    auto player = PlayerOf("P", {});
    // 0 Hz, and -60 Hz.
    player->InsertOnePlayer(nullptr, FactoryPart("F", 0.0, 0.0));
    player->InsertOnePlayer(player->GetLastOnePlayer(), FactoryPart("F", 1.0, -500));
    ASSERT_TRUE(player->Validate(message));
    const TPlayedNote note = NoteOf(440, 0.5);
    EXPECT_EQ(player->GetLeadTime(note, ok, message), 0.0);
    EXPECT_EQ(player->GetSoundLength(note, ok, message), 0.0);
    SoundPtr sound = player->PlayNote(&stop, 1000, 2, note, TNotePlace{}, ok, message);
    ASSERT_TRUE(ok) << message;
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->GetValues(), 1);
    EXPECT_EQ(Samples(*sound), std::vector<int16_t>{0});
    EXPECT_TRUE(made.frequencies.empty());
}

TEST_F(NotePlayersTest, ANewNoteHoldsTheLongestLeadAndLengthAndMixesEachPartAtItsLead)
{
    // First part: lead 0.125 s, length 0.5 + 0.5 = 1.0 s; second: lead 0.375 s, length 0.5 s.
    auto player = PlayerOf("P", {});
    player->InsertOnePlayer(nullptr, RollOutPart(form, "a", 750, 125, 250, 100));
    player->InsertOnePlayer(player->GetLastOnePlayer(), RollOutPart(form, "b", 500, 375, 500, 1000));
    const TPlayedNote note = NoteOf(100, 0.5);
    EXPECT_DOUBLE_EQ(player->GetLeadTime(note, ok, message), 0.375);
    EXPECT_DOUBLE_EQ(player->GetSoundLength(note, ok, message), 1.0);

    SoundPtr sound = player->PlayNote(&stop, 1000, 2, note, TNotePlace{}, ok, message);
    ASSERT_TRUE(ok) << message;
    // 1.375 s of silence and one sample, always stereo.
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->GetValues(), 1376);
    const std::vector<int16_t> left = Samples(*sound);
    // The second part from 0.0 s, the first from 0.375 - 0.125 = 0.25 s on.
    EXPECT_EQ(left[0], 1000);
    EXPECT_EQ(left[249], 1000);
    EXPECT_EQ(left[250], 1100);
    EXPECT_EQ(Samples(*sound, 1), left);
}

TEST_F(NotePlayersTest, BalanceMakesAPartStereoOnlyInStereoMusic)
{
    form.AddWave("sample", ConstantMono(200, 1000, 8000));
    auto part = PartOf();
    part->SetSimpleSamplerProps(TSimpleSamplerProps(unitUnitWave("sample"), unitTimePosMore(0.01, EHS)));
    part->SetBalanceOn();
    part->OnePlayerProps.BalanceFactor = unitBalAngleFactor(-1.0, EHNone);
    part->SetVolDiff(1);
    auto player = PlayerOf("P", {});
    player->InsertOnePlayer(nullptr, std::move(part));
    const TPlayedNote note = NoteOf(100, 0.2);

    for (int16_t channels : {1, 2}) {
        StereoSound empty(1000, 2);
        int32_t b = 0, e = 0;
        SoundPtr target = empty.InsertSilence(&stop, 0.5, b, e);
        TNotePlace place;
        place.MonoStereo = channels;
        ASSERT_TRUE(player->PlayNoteInto(&stop, *target, place, note, message)) << message;
        const std::vector<int16_t> left = Samples(*target), right = Samples(*target, 1);
        if (channels == 1) {
            // Mono music: the part's sound as made, on both sides.
            EXPECT_EQ(left[10], 8000);
            EXPECT_EQ(right[10], 8000);
        } else {
            // Hard left.
            EXPECT_NE(left[10], 0);
            EXPECT_EQ(right[10], 0);
        }
    }
}

TEST_F(NotePlayersTest, HorizontalShiftMovesItsPartOnly)
{
    NoteFactory made("F");
    form.factories["F"] = &made.factory;
    TSountoryOutput* shift = made.factory.FindOutput("Horizontal Shift", nullptr);
    shift->SetOwnValue(TSountoryValue(-0.05, ValueType::Time), EHS);
    made.made_sound = ConstantMono(10, 1000, 300);
    form.AddWave("sample", ConstantMono(10, 1000, 5000));
    auto sampler = PartOf();
    sampler->SetSimpleSamplerProps(TSimpleSamplerProps(unitUnitWave("sample"), unitTimePosMore(0.01, EHS)));
    auto player = PlayerOf("P", {});
    player->InsertOnePlayer(nullptr, FactoryPart("F"));
    player->InsertOnePlayer(player->GetLastOnePlayer(), std::move(sampler));
    ASSERT_TRUE(player->Validate(message));

    StereoSound empty(1000, 2);
    int32_t b = 0, e = 0;
    SoundPtr target = empty.InsertSilence(&stop, 0.5, b, e);
    TNotePlace place;
    place.Time = 0.125;
    ASSERT_TRUE(player->PlayNoteInto(&stop, *target, place, NoteOf(100, 0.01), message)) << message;
    const std::vector<int16_t> left = Samples(*target);
    // The factory player sounds 0.05 s early, from sample 75; the sampler at 125.
    EXPECT_EQ(left[74], 0);
    EXPECT_EQ(left[75], 300);
    EXPECT_EQ(left[84], 300);
    EXPECT_EQ(left[85], 0);
    EXPECT_EQ(left[124], 0);
    EXPECT_EQ(left[125], 5000);
}

TEST_F(NotePlayersTest, TheFactoryFailuresHaveTheirTextsAndThePlayerPrefixInATarget)
{
    NoteFactory made("F");
    form.factories["F"] = &made.factory;
    auto player = PlayerOf("Lead", {});
    player->InsertOnePlayer(nullptr, FactoryPart("F"));
    ASSERT_TRUE(player->Validate(message));
    StereoSound empty(1000, 2);
    int32_t b = 0, e = 0;
    SoundPtr target = empty.InsertSilence(&stop, 0.5, b, e);
    auto render = [&] {
        message.clear();
        EXPECT_FALSE(player->PlayNoteInto(&stop, *target, TNotePlace{}, NoteOf(100, 0.1), message));
        return message;
    };
    const std::string prefix = "in Player \"Lead\": ";

    made.node->refusal = "Input \"X\" is mandatory.";
    EXPECT_EQ(render(), prefix + "Cannot run Soundfactory \"F\" : Validation failed: In Node \"Note\": Input \"X\" is "
                                 "mandatory.");
    made.node->refusal.clear();

    made.node->onExecute = [](TScriptedNode&, StopFlag*, std::string& error) {
        error = "Division by zero.";
        return false;
    };
    EXPECT_EQ(render(), prefix + "in Factory \"F\": At Node \"Note\" of Factory \"F\": Division by zero.");

    // The run itself refuses a Wave output without a sound.
    made.node->onExecute = [](TScriptedNode&, StopFlag*, std::string&) { return true; };
    EXPECT_EQ(render(), prefix + "in Factory \"F\": Output \"Wave\" got no Sound.");

    TSountoryOutput* wave = made.factory.FindOutput("Wave", nullptr);
    wave->Disconnect();
    EXPECT_EQ(render(), prefix + "Output \"Wave\" is mandatory in Factory \"F\".");
    wave->ValueDomType = ValueDomType::Factor;
    EXPECT_EQ(render(), prefix + "Output \"Wave\" is not a valuetype domain of \"Wave\" in Factory \"F\".");
    made.factory.DeleteOutput(wave);
    EXPECT_EQ(render(), prefix + "Cannot find Output \"Wave\" in Factory \"F\".");

    // A note played alone has no prefix; a factory gone since validation is not touched.
    form.factories.clear();
    SoundPtr alone = player->PlayNote(&stop, 1000, 2, NoteOf(100, 0.1), TNotePlace{}, ok, message);
    EXPECT_EQ(alone, nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(message, "Cannot Find Factory \"F\".");
}

TEST_F(NotePlayersTest, ValidationNamesThePlayerAndTheMissingFactory)
{
    auto player = PlayerOf("Bass", {});
    player->InsertOnePlayer(nullptr, PartOf());
    player->InsertOnePlayer(player->GetLastOnePlayer(), FactoryPart("Factory 1"));
    EXPECT_FALSE(player->Validate(message));
    EXPECT_EQ(message, "Player \"Bass\": Cannot Find Factory \"Factory 1\".");
    NoteFactory made("Factory 1");
    form.factories["Factory 1"] = &made.factory;
    EXPECT_TRUE(player->Validate(message));
    EXPECT_EQ(player->GetFirstOnePlayer()->OnePlayerProps.FactoryPlayerProps.UnitSountory, nullptr);
    EXPECT_EQ(player->GetLastOnePlayer()->OnePlayerProps.FactoryPlayerProps.UnitSountory, &made.factory);
}

TEST_F(NotePlayersTest, AMissingSampleWindowFailsEveryAnswerThatNeedsIt)
{
    auto player = PlayerOf("P", {});
    player->InsertOnePlayer(nullptr, PartOf());
    player->GetFirstOnePlayer()->SetRollOutSamplerProps(TRollOutSamplerProps());
    const TPlayedNote note = NoteOf(440, 1.0);
    EXPECT_EQ(player->GetLeadTime(note, ok, message), 0.0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(message, "Cannot find window \"sample\".");
    message.clear();
    EXPECT_EQ(player->GetSoundLength(note, ok, message), 0.0);
    EXPECT_FALSE(ok);
    StereoSound empty(1000, 2);
    int32_t b = 0, e = 0;
    SoundPtr target = empty.InsertSilence(&stop, 0.5, b, e);
    message.clear();
    EXPECT_FALSE(player->PlayNoteInto(&stop, *target, TNotePlace{}, note, message));
    EXPECT_EQ(message, "in Player \"P\": Cannot find window \"sample\".");
    // The roll-out wave form's length needs no window.
    player->GetFirstOnePlayer()->SetRollOutWaveFormProps(TRollOutWaveFormProps());
    EXPECT_DOUBLE_EQ(player->GetSoundLength(note, ok, message), 1.0);
    EXPECT_TRUE(ok);
}
