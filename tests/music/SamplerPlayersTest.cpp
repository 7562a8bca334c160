#include "music/PlayersTestSupport.h"

#include "foundation/StopReason.h"
#include "music/PartNote.h"

#include "platform/RecordingMessageService.h"
#include "wave/LongestWave.h"

#include <gtest/gtest.h>

namespace {

// The part's sound for the note, made the one way a note is: its share
// started, then made; false with the reason.
bool PlayPart(TOnePlayer& part, StopFlag* stop, SoundPtr& sound, double& shift, const TPlayedNote& note,
              double& mixFactor, std::string& message)
{
    TPartNote share;
    if (!part.RunFactoryOrReadSample(stop, note, TNotePlace{}, share, message))
        return false;
    if (!share.Make(stop)) {
        message = StoppedRunReason();
        return false;
    }
    sound = share.Made;
    shift = share.Shift;
    mixFactor = share.MixFactor;
    return true;
}

struct SamplerCase {
    const char* name;
    uint8_t kind;
    int32_t values, sampleFreq, begin, end; // the sample and its selection (none when equal)
    double frequency, seconds;              // the note
    double basicFrequency;                  // hertz, for the two kinds that have one
    double lead, length;                    // the answers
    int32_t soundValues;                    // samples of the sound as made
};

// The examples of the five kinds, and what a selection does to them.
const SamplerCase Cases[] = {
    {"simple at its own pitch", notePlayerSimpleSampler, 22050, 22050, 0, 0, 440, 1.0, 440, 0.0, 1.0, 22050},
    {"simple an octave up", notePlayerSimpleSampler, 22050, 22050, 0, 0, 880, 1.0, 440, 0.0, 0.5, 11025},
    {"roll-out", notePlayerRollOutSampler, 22050, 22050, 2205, 6615, 440, 2.0, 440, 0.1, 2.7, 61740},
    {"roll-out an octave up", notePlayerRollOutSampler, 22050, 22050, 2205, 6615, 880, 2.0, 440, 0.05, 2.35, 52920},
    {"roll-out without selection", notePlayerRollOutSampler, 4410, 22050, 0, 0, 440, 1.0, 440, 0.0, 1.0, 22050},
    // 0.35 s over passes of 0.2 s: 1.75 passes round to 2. The sound is the
    // 0.1 s lead and the 1.1 s it announces: 2205 + 2 * 4410 + 15435 samples.
    {"roll-out between whole passes", notePlayerRollOutSampler, 22050, 22050, 2205, 6615, 440, 0.35, 440, 0.1, 1.1,
     26460},
    {"resonant", notePlayerResonantSampler, 22050, 22050, 2205, 6615, 880, 2.0, 0, 0.1, 2.7, 61740},
    {"resonant without selection", notePlayerResonantSampler, 4410, 22050, 0, 0, 880, 1.0, 0, 0.0, 1.0, 22050},
    {"resonant between whole passes", notePlayerResonantSampler, 22050, 22050, 2205, 6615, 880, 0.35, 0, 0.1, 1.1,
     26460},
    // n = 3 passes of 0.01 s; the length is the note's.
    {"roll-out wave form", notePlayerRollOutWaveForm, 22050, 22050, 0, 0, 100, 0.0349, 0, 0.0, 0.0349, 661},
    // The sample and 3 copies 0.01 s apart, from the note's time: 3 * 0.01 s + the sample's 0.01 s.
    {"repeat wave form", notePlayerRepeatWaveForm, 100, 10000, 0, 0, 100, 0.02, 0, 0.0, 0.04, 403},
};

std::unique_ptr<TOnePlayer> SamplerPart(const SamplerCase& c)
{
    auto part = PartOf();
    const unitUnitWave wave("sample");
    const unitTimePosMore basic(1 / c.basicFrequency, EHHZ);
    switch (c.kind) {
    case notePlayerSimpleSampler: part->SetSimpleSamplerProps(TSimpleSamplerProps(wave, basic)); break;
    case notePlayerRollOutSampler: part->SetRollOutSamplerProps(TRollOutSamplerProps(wave, basic)); break;
    case notePlayerResonantSampler:
        part->SetResonantSamplerProps(TResonantSamplerProps(wave, unitFactorPosMax1(0.05, EHPerc)));
        break;
    case notePlayerRepeatWaveForm: part->SetRepeatWaveFormProps(TRepeatWaveFormProps(wave)); break;
    default: part->SetRollOutWaveFormProps(TRollOutWaveFormProps(wave)); break;
    }
    return part;
}

struct SamplerPlayersTest : ::testing::Test {
    FakePlayersForm form;
    RecordingMessageService messages;
    StopFlag stop = 0;
    std::string message;
    bool ok = true;
};

} // namespace

TEST_F(SamplerPlayersTest, EachKindAnswersItsExamples)
{
    for (const SamplerCase& c : Cases) {
        SCOPED_TRACE(c.name);
        form.waves.clear();
        form.AddWave("sample", SineMono(c.values, c.sampleFreq, 441), c.begin, c.end);
        auto part = SamplerPart(c);
        const TPlayedNote note = NoteOf(c.frequency, c.seconds);
        EXPECT_NEAR(part->GetLeadTime(note, ok, message), c.lead, 1e-6);
        EXPECT_TRUE(ok);
        EXPECT_NEAR(part->GetSoundLength(note, ok, message), c.length, 1e-6);
        EXPECT_TRUE(ok);
        SoundPtr sound;
        double shift = 1, mix = 0;
        ASSERT_TRUE(PlayPart(*part, &stop, sound, shift, note, mix, message)) << message;
        ASSERT_NE(sound, nullptr);
        EXPECT_EQ(sound->GetValues(), c.soundValues);
        EXPECT_EQ(shift, 0.0);
        // The part's volume, 100 % here; the repeat wave form carries it in the sound.
        EXPECT_EQ(mix, 1.0);
    }
}

TEST_F(SamplerPlayersTest, TheRepeatWaveFormPlacesTheSampleAndItsCopiesFromTheNote)
{
    form.AddWave("sample", ConstantMono(100, 10000, 1000));
    auto part = PartOf(1.0, 0.0, 0.5);
    part->SetRepeatWaveFormProps(TRepeatWaveFormProps(unitUnitWave("sample")));
    SoundPtr sound;
    double shift = 0, mix = 0;
    ASSERT_TRUE(PlayPart(*part, &stop, sound, shift, NoteOf(100, 0.02), mix, message));
    EXPECT_EQ(mix, 1.0);
    const std::vector<int16_t> samples = Samples(*sound);
    // The copies at 0.01, 0.02 and 0.03 s follow each other without a gap, at the part's volume.
    for (int32_t i : {0, 99, 100, 250, 399})
        EXPECT_EQ(samples[i], 500) << i;
    EXPECT_EQ(samples[402], 0);
    EXPECT_EQ(part->GetLeadTime(NoteOf(100, 0.02), ok, message), 0.0);
}

TEST_F(SamplerPlayersTest, ASampleOrStretchOfFewerThanTwoSamplesGivesNothing)
{
    for (const SamplerCase& c : Cases) {
        SCOPED_TRACE(c.name);
        for (bool oneSample : {true, false}) {
            form.waves.clear();
            if (oneSample)
                form.AddWave("sample", ConstantMono(1, 22050, 1000));
            else
                form.AddWave("sample", ConstantMono(22050, 22050, 1000), 5, 6);
            auto part = SamplerPart(c);
            const TPlayedNote note = NoteOf(c.frequency, c.seconds);
            EXPECT_EQ(part->GetLeadTime(note, ok, message), 0.0);
            EXPECT_TRUE(ok);
            EXPECT_EQ(part->GetSoundLength(note, ok, message), 0.0);
            EXPECT_TRUE(ok);
            SoundPtr sound;
            double shift = 0, mix = 0;
            EXPECT_TRUE(PlayPart(*part, &stop, sound, shift, note, mix, message));
            EXPECT_EQ(sound, nullptr);
        }
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SamplerPlayersTest, TheSampleIsLookedUpAnewForEveryAnswer)
{
    auto part = SamplerPart(Cases[2]);
    const TPlayedNote note = NoteOf(440, 2.0);
    form.AddWave("sample", SineMono(22050, 22050, 441), 2205, 6615);
    EXPECT_NEAR(part->GetLeadTime(note, ok, message), 0.1, 1e-9);
    // Another window of that name, with another selection.
    form.waves.clear();
    form.AddWave("sample", SineMono(22050, 22050, 441), 4410, 6615);
    EXPECT_NEAR(part->GetLeadTime(note, ok, message), 0.2, 1e-9);
    form.waves.clear();
    EXPECT_EQ(part->GetLeadTime(note, ok, message), 0.0);
    EXPECT_FALSE(ok);
}

// A wave that claims the largest sample rate would have every sampler but the
// simple one (which plays the sample's own values, resampled) make a sound of
// that many values a second: refused at once with the longest wave's message.
TEST_F(SamplerPlayersTest, ASoundAtAHostileSampleRateIsRefusedBeforeItIsMade)
{
    for (const SamplerCase& c : Cases) {
        SCOPED_TRACE(c.name);
        form.waves.clear();
        form.AddWave("sample", ConstantMono(1000, 2147483647, 1000), 100, 900);
        auto part = SamplerPart(c);
        SoundPtr sound;
        double shift = 0, mix = 0;
        message.clear();
        const bool played = PlayPart(*part, &stop, sound, shift, NoteOf(c.frequency, 2.0), mix, message);
        if (c.kind == notePlayerSimpleSampler) {
            EXPECT_TRUE(played) << message;
            ASSERT_TRUE(sound);
            EXPECT_LT(sound->GetValues(), 1000000);
        } else {
            EXPECT_FALSE(played);
            EXPECT_EQ(message, LongerThanTheLongestWave());
            EXPECT_EQ(sound, nullptr);
        }
    }
    EXPECT_EQ(messages.Count(), 0u);
}
