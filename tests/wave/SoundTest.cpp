#include "SoundTestSupport.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/AllocationHook.h"
#include "platform/Assertions.h"
#include "platform/RecordingMessageService.h"
#include "wave/FilterTable.h"
#include "wave/MainFormAccess.h"
#include "wave/SinusTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

class SoundTest : public ::testing::Test {
protected:
    void TearDown() override { AllocationHook::Reset(); }
    RecordingMessageService messages;
    StopFlag stop = 0;
};

TEST_F(SoundTest, AnEmptySoundAndItsCopiesAreEmptyAndLeaveTheFlagAlone)
{
    MonoSound mono(44100, 2);
    EXPECT_EQ(mono.channels, 1);
    EXPECT_EQ(mono.GetValues(), 0);
    EXPECT_EQ(mono.GetSeconds(), 0.0);
    EXPECT_EQ(mono.ownedByRun, 0);
    StereoSound stereo(&stop, mono);
    MonoSound back(&stop, stereo);
    EXPECT_EQ(stereo.channels, 2);
    EXPECT_EQ(stereo.GetValues(), 0);
    EXPECT_EQ(back.GetValues(), 0);
    EXPECT_EQ(back.sampleFreq, 44100);
    EXPECT_EQ(stop, 0);
}

TEST_F(SoundTest, ConvertingCopiesChannelsOrTheirMean)
{
    // The mean truncates toward zero, below zero too: -7.5 gives -7.
    auto stereo = Stereo({100, -100, 7, -7}, {300, 100, 8, -8}, 22050, 1);
    MonoSound mono(&stop, *stereo);
    EXPECT_EQ(LeftOf(mono), (Samples{200, 0, 7, -7}));
    EXPECT_EQ(mono.sampleFreq, 22050);
    EXPECT_EQ(mono.GetBytesPSample(), 1);

    auto source = Mono({1, 2, 3});
    StereoSound fromMono(&stop, *source);
    EXPECT_EQ(LeftOf(fromMono), (Samples{1, 2, 3}));
    EXPECT_EQ(RightOf(fromMono), (Samples{1, 2, 3}));
    EXPECT_NE(fromMono.GetLeftWave(), source->GetWave());
    EXPECT_NE(fromMono.GetLeftWave(), fromMono.GetRightWave());
}

TEST_F(SoundTest, AConvertingCopyThatCannotBeMadeIsEmptyWithTheFlagSet)
{
    auto source = Mono({1, 2, 3});
    AllocationHook::FailNext(1);
    MonoSound copy(&stop, *source);
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(copy.GetValues(), 0);
}

TEST_F(SoundTest, ChannelAccessLendsAtItsOwnRateAndMakesNewWavesOtherwise)
{
    auto mono = Mono({0, 1000, 2000, 3000}, 44100);
    bool isNew = true;
    RefPtr<Wave> same = mono->GetLeftWaveAtFreq(&stop, 44100, isNew);
    EXPECT_FALSE(isNew);
    EXPECT_EQ(same.get(), mono->GetWave());
    RefPtr<Wave> other = mono->GetLeftWaveAtFreq(&stop, 88200, isNew);
    EXPECT_TRUE(isNew);
    EXPECT_NE(other.get(), mono->GetWave());
    EXPECT_EQ(other->getValues(), 7);
    mono->GetMonoWave(&stop, isNew);
    EXPECT_FALSE(isNew);

    RefPtr<Wave> copy = mono->CopyWaveLeft(&stop, 0);
    EXPECT_NE(copy.get(), mono->GetWave());
    EXPECT_EQ(SamplesOf(copy.get()), LeftOf(*mono));

    auto stereo = Stereo({10, 20}, {30, -20});
    RefPtr<Wave> mixed = stereo->GetMonoWave(&stop, isNew);
    EXPECT_TRUE(isNew);
    EXPECT_EQ(SamplesOf(mixed.get()), (Samples{20, 0}));
    stereo->GetMonoWaveAtFreq(&stop, 44100, isNew);
    EXPECT_TRUE(isNew);
    EXPECT_EQ(stereo->GetWaveLeft(), stereo->GetLeftWave());
}

TEST_F(SoundTest, QueriesReadPeaksValuesAndEnvelopes)
{
    int16_t max = 0, minMagnitude = 0, larger = 0;
    Stereo({0, 1000, 0}, {0, -2000, 0})->GetPeak(&stop, 0, 3, max, minMagnitude, larger);
    EXPECT_EQ(max, 1000);
    EXPECT_EQ(minMagnitude, 2000);
    EXPECT_EQ(larger, 2000);

    double left = 0, right = 0, mono = 0;
    auto stereo = Stereo({0, 100}, {1000, 3000});
    stereo->GetValueAt(0.25, left, right, mono);
    EXPECT_DOUBLE_EQ(left, 25);
    EXPECT_DOUBLE_EQ(right, 1500);
    EXPECT_DOUBLE_EQ(mono, 762.5);
    stereo->GetValueAt(1, left, right, mono); // the last position reads one sample
    EXPECT_DOUBLE_EQ(left, 100);

    auto curve = Mono({-32768, 0, 32767});
    EXPECT_DOUBLE_EQ(curve->GetEnvelopeValue(&stop, 0, 10, 2), 2);
    EXPECT_DOUBLE_EQ(curve->GetEnvelopeValue(&stop, 1, 10, 2), 10);
    EXPECT_DOUBLE_EQ(Stereo({32767}, {-32768})->GetEnvelopeValue(&stop, 0.5, 10, 2), 6);
    // Exactly the shared linear map: a value an ulp away can truncate differently.
    const double mapped = LinearMap(-32735, -32768, 32767, 0, 100);
    EXPECT_EQ(Mono({-32735})->GetEnvelopeValue(&stop, 0, 100, 0), mapped);
    EXPECT_EQ(Stereo({-32735}, {-32735})->GetEnvelopeValue(&stop, 0, 100, 0), mapped);
}

TEST_F(SoundTest, ChangeSampleFreqKeepsTheDurationAndTruncatesTheRate)
{
    SoundPtr changed = Mono(Samples(100, 5), 44100)->ChangeSampleFreq(&stop, 22050.7);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->sampleFreq, 22050);
    EXPECT_NEAR(changed->GetValues(), 50, 1);
    SoundPtr empty = StereoSound(44100, 2).ChangeSampleFreq(&stop, 8000);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->channels, 2);
    EXPECT_EQ(empty->sampleFreq, 8000);
    EXPECT_EQ(empty->GetValues(), 0);
}

TEST_F(SoundTest, GeneratorsConvertSecondsToSamples)
{
    MonoSound empty(44100, 2);
    int32_t b = 0, e = 0;
    SoundPtr silence = empty.InsertSilence(&stop, 1.0, b, e);
    EXPECT_EQ(silence->GetValues(), 44101);
    EXPECT_EQ(e, 44101);
    b = e = 0;
    EXPECT_EQ(empty.InsertSilence(&stop, 0.0, b, e)->GetValues(), 1);
    b = e = 0;
    EXPECT_EQ(empty.MakeLine(&stop, 0, 100, 0.0, false, b, e)->GetValues(), 2);

    SoundPtr ten = Stereo(Samples(100, 9), Samples(100, -9))->MakeSilence(&stop, 10);
    EXPECT_EQ(LeftOf(*ten), Samples(10, 0));
    EXPECT_EQ(RightOf(*ten), Samples(10, 0));

    // The heights reach the generator the other way round.
    b = e = 0;
    SoundPtr block = empty.MakeBlockTriangle(&stop, 1000, -1000, 0.001, 0.5, 0.01, 0, false, b, e);
    int32_t wb = 0, we = 0;
    RefPtr<Wave> direct = RefPtr<Wave>(new Wave())->makeBlockTriangle(&stop, -1000, 1000, 44.1, 0.5, 441, 0, false, wb, we);
    EXPECT_EQ(LeftOf(*block), SamplesOf(direct.get()));
}

// What an operation hands its Wave operation: times in samples (whole where a
// length is wanted), the chosen entry and form, the factors per sample.
struct Conversion {
    const char* name;
    std::function<SoundPtr(const Sound&, StopFlag*, const Sound& envelope)> sound;
    std::function<RefPtr<Wave>(const Wave&, StopFlag*, const Wave* envelope)> wave;
};

TEST_F(SoundTest, OperationsConvertTheirArgumentsForTheWaveOperation)
{
    const double volumes[] = {9000};
    const double periods[] = {0.0025};
    const double factorTimes[] = {0.01};
    const double factors[] = {0.25};
    const double angles[] = {0.5};
    const double periodSamples[] = {20};
    const double factorPerSample[] = {std::pow(0.25, 1.0 / 80)};
    auto res = [](int i) { return std::get<ResNotchFilter>(FilterTable[static_cast<size_t>(i)]); };
    auto resFreq = [](int i) { return std::get<ResNotchFreqEnvelopeFilter>(FilterTable[static_cast<size_t>(i)]); };
    auto resWidth = [](int i) { return std::get<ResNotchWidthEnvelopeFilter>(FilterTable[static_cast<size_t>(i)]); };
    auto resBoth = [](int i) { return std::get<ResNotchEnvelopesFilter>(FilterTable[static_cast<size_t>(i)]); };
    auto resNotch = [&](const Sound& s, StopFlag* f, bool perConstant, bool widthConstant, double per,
                        const Sound* env) {
        return s.FilterResNotch(f, perConstant, widthConstant, per, 0.3, env, env, res(filterTableResonance),
                                resFreq(filterTableResonanceFreqEnvelope), resWidth(filterTableResonanceWidthEnvelope),
                                resBoth(filterTableResonanceEnvelopes), 50, 150);
    };
    int32_t b = 0, e = 0;
    const Conversion cases[] = {
        {"Rotate by whole samples", [](const Sound& s, StopFlag* f, const Sound&) { return s.Rotate(f, 0.00126, 50, 150); },
         [](const Wave& w, StopFlag* f, const Wave*) { return w.rotate(f, 10, 50, 150); }},
        {"BlockHold by fractional samples", [](const Sound& s, StopFlag* f, const Sound&) { return s.BlockHold(f, 0.00101, 4, 50, 150); },
         [](const Wave& w, StopFlag* f, const Wave*) { return w.blockHold(f, 8.08, 4, 50, 150); }},
        {"MakeSinus period", [&](const Sound& s, StopFlag* f, const Sound&) { b = 50, e = 150; return s.MakeSinus(f, 5000, -5000, 0.001, 3.5, 0.25, b, e); },
         [](const Wave& w, StopFlag* f, const Wave*) { int32_t wb = 50, we = 150; return w.makeSinus(f, 5000, -5000, 8, 3.5, 0.25, wb, we); }},
        {"MakeMultiFrequency factor per sample", [&](const Sound& s, StopFlag* f, const Sound&) { b = 50, e = 150; return s.MakeMultiFrequency(f, 0.0126, 1, volumes, periods, factorTimes, factors, angles, b, e); },
         [&](const Wave& w, StopFlag* f, const Wave*) { int32_t wb = 50, we = 150; return w.multiFrequency(f, 100, 1, volumes, periodSamples, angles, factorPerSample, wb, we); }},
        {"PeriodEcho time", [&](const Sound& s, StopFlag* f, const Sound&) { b = 50, e = 150; return s.PeriodEcho(f, 0.00101, 0.5, 2, b, e); },
         [](const Wave& w, StopFlag* f, const Wave*) { int32_t wb = 50, we = 150; return w.periodEcho(f, 8.08, 0.5, 2, wb, we); }},
        {"RollIn length", [&](const Sound& s, StopFlag* f, const Sound&) { b = 50, e = 150; return s.RollIn(f, 0.00126, 3, b, e); },
         [](const Wave& w, StopFlag* f, const Wave*) { int32_t wb = 50, we = 150; return w.rollIn(f, 10, 3, wb, we); }},
        {"TempoPitch block and plain form", [&](const Sound& s, StopFlag* f, const Sound&) { b = 50, e = 150; return s.TempoPitch(f, 0.9, 0, 1.1, 1.2, 0.0013, 2, b, e); },
         [](const Wave& w, StopFlag* f, const Wave*) { int32_t wb = 50, we = 150; return w.timeStretchRange(f, 0.9, 0, 1.1, 1.2, 10, wb, we); }},
        {"TempoPitchWhole crossfading form", [](const Sound& s, StopFlag* f, const Sound&) { return s.TempoPitchWhole(f, 0.9, 0, 1.1, 1.2, 0.0013, 1); },
         [](const Wave& w, StopFlag* f, const Wave*) { return w.timeStretchCrossfade(f, 0.9, 0, 1.1, 1.2, 10); }},
        {"FilterResNotch constants", [&](const Sound& s, StopFlag* f, const Sound&) { return resNotch(s, f, true, true, 0.001, nullptr); },
         [](const Wave& w, StopFlag* f, const Wave*) { return w.resonance(f, 8, 0.3, 50, 150); }},
        {"FilterResNotch period below one sample", [&](const Sound& s, StopFlag* f, const Sound&) { return resNotch(s, f, true, true, 0.00001, nullptr); },
         [](const Wave& w, StopFlag* f, const Wave*) { return w.resonance(f, 1, 0.3, 50, 150); }},
        {"FilterResNotch period envelope", [&](const Sound& s, StopFlag* f, const Sound& env) { return resNotch(s, f, false, true, 0.001, &env); },
         [](const Wave& w, StopFlag* f, const Wave* env) { return w.resonanceFreqEnvelope(f, env, 0.3, 8000, 50, 150); }},
        {"FilterResNotch width envelope", [&](const Sound& s, StopFlag* f, const Sound& env) { return resNotch(s, f, true, false, 0.001, &env); },
         [](const Wave& w, StopFlag* f, const Wave* env) { return w.resonanceWidthEnvelope(f, 8, env, 50, 150); }},
        {"FilterResNotch both envelopes", [&](const Sound& s, StopFlag* f, const Sound& env) { return resNotch(s, f, false, false, 0.001, &env); },
         [](const Wave& w, StopFlag* f, const Wave* env) { return w.resonanceEnvelopes(f, env, env, 8000, 50, 150); }},
    };
    if (!SinusTable)
        CreateSinusTable(&stop);
    auto sound = Mono(Ramp(300, 1), 8000);
    auto envelope = Mono(Ramp(30, 2), 8000);
    for (const Conversion& c : cases) {
        SCOPED_TRACE(c.name);
        SoundPtr viaSound = c.sound(*sound, &stop, *envelope);
        RefPtr<Wave> direct = c.wave(*sound->GetWave(), &stop, envelope->GetWave());
        ASSERT_EQ(stop, 0);
        ASSERT_TRUE(viaSound && direct);
        EXPECT_EQ(LeftOf(*viaSound), SamplesOf(direct.get()));
    }
}

TEST_F(SoundTest, DeletingOrExtractingNothingGivesAnEmptySoundOfTheSameFormat)
{
    auto stereo = Stereo({1, 2, 3}, {4, 5, 6}, 8000, 1);
    for (SoundPtr empty : {stereo->DeleteRange(&stop, 0, 3), stereo->Extract(&stop, 1, 1), stereo->NewEmpty()}) {
        ASSERT_TRUE(empty);
        EXPECT_EQ(empty->channels, 2);
        EXPECT_EQ(empty->GetValues(), 0);
        EXPECT_EQ(empty->sampleFreq, 8000);
        EXPECT_EQ(empty->GetBytesPSample(), 1);
    }
}

TEST_F(SoundTest, MaxVolumeScalesBothChannelsByTheLargerPeak)
{
    SoundPtr silent = Mono(Samples(5, 0))->MaxVolumeFull(&stop, 0, 5);
    EXPECT_EQ(LeftOf(*silent), Samples(5, 0));

    auto stereo = Stereo({16000, 100}, {8000, -100});
    SoundPtr full = stereo->MaxVolumeFull(&stop, 0, 2);
    EXPECT_EQ(LeftOf(*full), (Samples{32767, 204}));
    EXPECT_EQ(RightOf(*full), (Samples{16383, -204}));
    EXPECT_EQ(LeftOf(*stereo), (Samples{16000, 100}));

    stereo->MaxVolume70InPlace(&stop, 0, 2);
    EXPECT_EQ(LeftOf(*stereo), (Samples{22936, 143}));
}

TEST_F(SoundTest, MixLeftRightSwapsOrMixesTheChannels)
{
    auto stereo = Stereo({100, 200, 300}, {-100, -200, -300});
    SoundPtr swapped = stereo->MixLeftRight(&stop, 0, 1, 1, 0, 0, 3);
    EXPECT_EQ(LeftOf(*swapped), (Samples{-100, -200, -300}));
    EXPECT_EQ(RightOf(*swapped), (Samples{100, 200, 300}));
    SoundPtr part = stereo->MixLeftRight(&stop, 0.5, 0.5, 0.5, 0.5, 1, 2);
    EXPECT_EQ(LeftOf(*part), (Samples{100, 0, 300}));
    EXPECT_EQ(RightOf(*part), (Samples{-100, 0, -300}));
    EXPECT_EQ(StereoSound(8000, 2).MixLeftRight(&stop, 0, 1, 1, 0, 0, 0)->GetValues(), 0);
}

// One way only: a factor of one direction must not stand in for the other's.
TEST_F(SoundTest, MixLeftRightOneWayLeavesTheOtherChannel)
{
    const struct {
        const char* name;
        double leftToLeft, leftToRight, rightToLeft, rightToRight;
        Samples left, right;
    } cases[] = {
        {"left into right", 1, 0.5, 0, 1, {100, 200, 300}, {40, 80, 120}},
        {"right into left", 1, 0, 0.5, 1, {95, 190, 285}, {-10, -20, -30}},
    };
    auto stereo = Stereo({100, 200, 300}, {-10, -20, -30});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SoundPtr mixed = stereo->MixLeftRight(&stop, c.leftToLeft, c.leftToRight, c.rightToLeft, c.rightToRight, 0, 3);
        ASSERT_TRUE(mixed);
        EXPECT_EQ(LeftOf(*mixed), c.left);
        EXPECT_EQ(RightOf(*mixed), c.right);
    }
}

TEST_F(SoundTest, MixingBringsTheOtherSoundToThisRateButStretchingDoesNot)
{
    auto slow = Mono(Samples(100, 1000), 22050);
    auto fast = Mono(Samples(400, 0), 44100);
    fast->MixAddAt(&stop, *slow, 0);
    const Samples mixed = LeftOf(*fast);
    const auto touched = std::count_if(mixed.begin(), mixed.end(), [](int16_t v) { return v != 0; });
    EXPECT_NEAR(touched, 199, 2);

    SoundPtr stretched = Mono(Samples(400, 0), 44100)->MixStretch(&stop, *slow, 0, 100);
    const Samples s = LeftOf(*stretched);
    EXPECT_EQ(std::count_if(s.begin(), s.end(), [](int16_t v) { return v != 0; }), 100);

    auto middle = Mono(Samples(11, 0));
    middle->MixAddAligned(&stop, *Mono({0, 0, 5, 0, 0}), 0.5, 0.5);
    EXPECT_EQ(LeftOf(*middle)[5], 5);
}

TEST_F(SoundTest, BalanceMakesAStereoSoundOfTheSameFormat)
{
    SoundPtr placed = Mono(Ramp(500, 1), 22050, 1)->Balance(&stop, 0.5, true, true, false);
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->channels, 2);
    EXPECT_EQ(placed->sampleFreq, 22050);
    EXPECT_EQ(placed->GetBytesPSample(), 1);
}

TEST_F(SoundTest, StereoMovesShareTheMarginsAndReturnTheRangeOfBothChannels)
{
    auto stereo = Stereo(Ramp(10, 1), Ramp(10, 2), 100);
    int32_t b = 2, e = 8;
    SoundPtr moved = stereo->MoveHorizontally(&stop, 0.1, -0.1, b, e);
    ASSERT_TRUE(moved);
    // Left 10 samples to the right, right 10 to the left: margins of 8 on both sides.
    int32_t lb = 2, le = 8, rb = 2, re = 8;
    RefPtr<Wave> left = stereo->GetWaveLeft()->moveHorizontally(&stop, 10, 8, 8, lb, le);
    RefPtr<Wave> right = stereo->GetWaveRight()->moveHorizontally(&stop, -10, 8, 8, rb, re);
    EXPECT_EQ(LeftOf(*moved), SamplesOf(left.get()));
    EXPECT_EQ(RightOf(*moved), SamplesOf(right.get()));
    EXPECT_EQ(b, rb); // the right channel's new begin ...
    EXPECT_EQ(e, le); // ... to the left channel's new end
    EXPECT_EQ(e, 26);

    // Along an envelope each channel follows its own channel of the envelope.
    auto envelope = Stereo({-32768, 0, 32767}, {32767, 0, -32768}, 100);
    b = 2, e = 8;
    moved = stereo->MoveHorizontallyEnvelope(&stop, 0.03, -0.05, *envelope, b, e);
    ASSERT_TRUE(moved);
    int32_t growLeft = 0, growRight = 0;
    stereo->GetWaveLeft()->moveMargins(&stop, -5, 5, 2, 8, growLeft, growRight);
    lb = 2, le = 8, rb = 2, re = 8;
    left = stereo->GetWaveLeft()->moveHorizontallyEnvelope(&stop, 3, envelope->GetWaveLeft(), growLeft, growRight,
                                                           lb, le);
    right = stereo->GetWaveRight()->moveHorizontallyEnvelope(&stop, -5, envelope->GetWaveRight(), growLeft,
                                                             growRight, rb, re);
    EXPECT_EQ(LeftOf(*moved), SamplesOf(left.get()));
    EXPECT_EQ(RightOf(*moved), SamplesOf(right.get()));
    EXPECT_EQ(b, std::min(lb, rb));
    EXPECT_EQ(e, std::max(le, re));
}

// A sound to be mixed in that sets the caller's flag when its right channel is
// taken: the operation is stopped halfway through.
class StoppingSound : public StereoSound {
public:
    using StereoSound::StereoSound;
    RefPtr<Wave> GetRightWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const override
    {
        *stop = 1;
        return StereoSound::GetRightWaveAtFreq(stop, freq, isNew);
    }
};

TEST_F(SoundTest, AFlagSetInTheMiddleLeavesTheCallersSoundIntact)
{
    auto stereo = Stereo(Ramp(3000, 1), Ramp(3000, 2));
    StoppingSound other(WaveOf(Ramp(2000, 3)), WaveOf(Ramp(2000, 3)), 44100, 2);
    SoundPtr result = stereo->Replace(&stop, other, 10, 20);
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(LeftOf(*stereo), Ramp(3000, 1));
    EXPECT_EQ(RightOf(*stereo), Ramp(3000, 2));
    EXPECT_EQ(LeftOf(other), Ramp(2000, 3));

    // Once set, nothing more is made.
    EXPECT_FALSE(stereo->Volume(&stop, 2.0, 0, 3000));
    int32_t b = 0, e = 10;
    EXPECT_FALSE(stereo->InsertSilence(&stop, 1.0, b, e));
}

TEST_F(SoundTest, AFailedAllocationGivesNoSoundAndKeepsTheOld)
{
    auto stereo = Stereo({1, 2, 3}, {4, 5, 6});
    AllocationHook::FailNext(1);
    EXPECT_FALSE(stereo->Reverse(&stop, 0, 3));
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(LeftOf(*stereo), (Samples{1, 2, 3}));
}

class RecordingMainForm : public MainFormAccess {
public:
    RecordingMainForm() { previous = SetMainFormAccess(this); }
    ~RecordingMainForm() override { SetMainFormAccess(previous); }
    void PlaySound(const Sound& sound, bool maxVolume) override
    {
        played = &sound;
        atMax = maxVolume;
    }
    const Sound* played = nullptr;
    bool atMax = false;

private:
    MainFormAccess* previous;
};

TEST_F(SoundTest, PlayGoesThroughTheMainWindow)
{
    auto mono = Mono({1, 2});
    mono->Play(true); // nobody installed: nothing happens
    RecordingMainForm mainForm;
    mono->Play(true);
    EXPECT_EQ(mainForm.played, mono.get());
    EXPECT_TRUE(mainForm.atMax);
    EXPECT_EQ(MainForm().GetWaveStatusPanel(99), MainForm().GetWaveStatusPanel(-1));
}

TEST_F(SoundTest, TheFullVolumeCopyForPlayingHasAFlagOfItsOwn)
{
    auto mono = Mono({100, -50, 0});
    SoundPtr copy = MaxVolumeCopyForPlaying(*mono, 0, 3);
    ASSERT_TRUE(copy);
    EXPECT_EQ(LeftOf(*copy), (Samples{32767, -16383, 0}));
    AllocationHook::FailNext(1);
    EXPECT_FALSE(MaxVolumeCopyForPlaying(*mono, 0, 3));
    EXPECT_EQ(LeftOf(*mono), (Samples{100, -50, 0}));
}

} // namespace
