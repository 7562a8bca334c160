// Every operation of a stereo sound is its mono form applied to each channel:
// the stereo result's left channel equals the result for a mono sound of the
// left channel (with the left channel of every stereo argument), and likewise
// on the right.
#include "SoundTestSupport.h"

#include "platform/RecordingMessageService.h"
#include "wave/FilterTable.h"
#include "wave/SinusTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// The arguments an operation may use: an envelope and another sound, stereo
// for the stereo sound and their matching channel for each mono one.
struct Args {
    const Sound& envelope;
    const Sound& other;
};

using NewOp = std::function<SoundPtr(const Sound&, StopFlag*, const Args&, int32_t& b, int32_t& e)>;
using InPlaceOp = std::function<void(Sound&, StopFlag*, const Args&)>;

struct NewCase {
    const char* name;
    NewOp op;
};

struct InPlaceCase {
    const char* name;
    InPlaceOp op;
};

// Envelope values that keep speeds, times and volumes positive.
Samples Positive(int32_t n, int seed)
{
    Samples s(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        s[static_cast<size_t>(i)] = static_cast<int16_t>(8000 + (i * 523 * seed) % 20000);
    return s;
}

template <class T>
T Entry(int index)
{
    return std::get<T>(FilterTable[static_cast<size_t>(index)]);
}

const double volumes[] = {8000, 4000};
const double periods[] = {0.001, 0.0003};
const double factorTimes[] = {0.01, 0.02};
const double factors[] = {0.5, 0.9};
const double angles[] = {0, 0.25};

// Operations whose two channels could differ by design are not here: noise
// (random per call) and the maximum volume (one factor for both channels).
const NewCase newCases[] = {
    {"ChangeSampleFreq", [](const Sound& s, StopFlag* f, const Args&, int32_t&, int32_t&) { return s.ChangeSampleFreq(f, 8000); }},
    {"AddValue", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.AddValue(f, 300, b, e); }},
    {"Centre", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.Centre(f, b, e); }},
    {"BlockHold", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.BlockHold(f, 0.0004, 16, b, e); }},
    {"InsertSilence", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.InsertSilence(f, 0.001, b, e); }},
    {"MakeSilence", [](const Sound& s, StopFlag* f, const Args&, int32_t&, int32_t&) { return s.MakeSilence(f, 17); }},
    {"MakeLine", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.MakeLine(f, -500, 700, 0.002, false, b, e); }},
    {"MakeLine exponential", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.MakeLine(f, 100, 9000, 0.002, true, b, e); }},
    {"MakeBlockTriangle", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.MakeBlockTriangle(f, 1000, -2000, 0.0005, 0.3, 0.003, 0.1, true, b, e); }},
    {"MakeBlockTriangleEnvelope", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.MakeBlockTriangleEnvelope(f, 1000, -2000, 0.0005, a.envelope, 0.003, 0.1, false, b, e); }},
    {"MakeSinus", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.MakeSinus(f, 3000, -1000, 0.0007, 4.5, 0.2, b, e); }},
    {"MakeMultiFrequency", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.MakeMultiFrequency(f, 0.003, 2, volumes, periods, factorTimes, factors, angles, b, e); }},
    {"MakeMultiFrequencyWaveForm", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.MakeMultiFrequencyWaveForm(f, 0.003, a.envelope, 2, volumes, periods, factorTimes, factors, angles, b, e); }},
    {"ResampleRange", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.ResampleRange(f, -1.7, b, e); }},
    {"Resample", [](const Sound& s, StopFlag* f, const Args&, int32_t&, int32_t&) { return s.Resample(f, 0.6); }},
    {"RollOutEnvelope", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.RollOutEnvelope(f, a.envelope, 1.5, 1.0, 0.0, b, e); }},
    {"RollOut", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.RollOut(f, 0.0005, 3, 0.1, b, e); }},
    {"RollIn", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.RollIn(f, 0.001, 10, b, e); }},
    {"Rotate", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.Rotate(f, 0.0002, b, e); }},
    {"Volume", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.Volume(f, 1.3, b, e); }},
    {"VolumeEnvelope", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.VolumeEnvelope(f, a.envelope, b, e); }},
    {"MixAlignEnd", [](const Sound& s, StopFlag* f, const Args& a, int32_t&, int32_t&) { return s.MixAlignEnd(f, a.other, 90, 30, true); }},
    {"MixAlignBegin", [](const Sound& s, StopFlag* f, const Args& a, int32_t&, int32_t&) { return s.MixAlignBegin(f, a.other, 140, 50, false); }},
    {"MixStretch", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.MixStretch(f, a.other, b, e); }},
    {"DeleteRange", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.DeleteRange(f, b, e); }},
    {"Extract", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.Extract(f, b, e); }},
    {"Replace", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.Replace(f, a.other, b, e); }},
    {"Reverse", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.Reverse(f, b, e); }},
    {"Distort", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.Distort(f, a.envelope, b, e); }},
    {"FilterHighLow", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.FilterHighLow(f, Entry<HighLowFilter>(filterTableLowPass), 0.0002, 0.5, 2, 2, b, e); }},
    {"FilterHighLowEnvelope", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.FilterHighLowEnvelope(f, Entry<HighLowEnvelopeFilter>(filterTableHighPassEnvelope), a.envelope, 0.5, 2, 1, b, e); }},
    {"PeriodEcho", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.PeriodEcho(f, 0.0003, 0.6, 3, b, e); }},
    {"PeriodEchoVolumeEnvelope", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.PeriodEchoVolumeEnvelope(f, 0.0003, a.envelope, 3, b, e); }},
    {"PeriodEchoTimeEnvelope", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.PeriodEchoTimeEnvelope(f, 0.0003, a.envelope, 0.6, 3, b, e); }},
    {"PeriodEchoEnvelopes", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.PeriodEchoEnvelopes(f, 0.0003, a.envelope, a.other, 2, b, e); }},
    {"BlockFilter", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.BlockFilter(f, 0.0001, b, e); }},
    {"BlockFilterEnvelope", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.BlockFilterEnvelope(f, a.envelope, 0.0002, b, e); }},
    {"TempoPitchWhole", [](const Sound& s, StopFlag* f, const Args&, int32_t&, int32_t&) { return s.TempoPitchWhole(f, 0.8, 0, 1.2, 1.1, 0.0005, 0); }},
    {"TempoPitch crossfading", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) { return s.TempoPitch(f, 0.8, 0, 1.2, 1.1, 0.0005, 1, b, e); }},
    {"TempoPitchFreqWave", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.TempoPitchFreqWave(f, 1.0, 0, 1.0, 1.0, a.envelope, 0.0005, 0, b, e); }},
    {"TempoPitchSpeedEnvelope", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.TempoPitchSpeedEnvelope(f, 1.0, a.envelope, 0, 1.0, 1.0, 0.0005, 1, b, e); }},
    {"TempoPitchSpeedFreq", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) { return s.TempoPitchSpeedFreq(f, 1.0, a.envelope, 0, 1.0, 1.0, a.other, 0.0005, 0, b, e); }},
    {"FilterResNotch constant", [](const Sound& s, StopFlag* f, const Args&, int32_t& b, int32_t& e) {
         return s.FilterResNotch(f, true, true, 0.0003, 0.2, nullptr, nullptr, Entry<ResNotchFilter>(filterTableResonance), Entry<ResNotchFreqEnvelopeFilter>(filterTableResonanceFreqEnvelope), Entry<ResNotchWidthEnvelopeFilter>(filterTableResonanceWidthEnvelope), Entry<ResNotchEnvelopesFilter>(filterTableResonanceEnvelopes), b, e); }},
    {"FilterResNotch envelopes", [](const Sound& s, StopFlag* f, const Args& a, int32_t& b, int32_t& e) {
         return s.FilterResNotch(f, false, false, 0.0003, 0.2, &a.envelope, &a.other, Entry<ResNotchFilter>(filterTableNotch), Entry<ResNotchFreqEnvelopeFilter>(filterTableNotchFreqEnvelope), Entry<ResNotchWidthEnvelopeFilter>(filterTableNotchWidthEnvelope), Entry<ResNotchEnvelopesFilter>(filterTableNotchEnvelopes), b, e); }},
};

const InPlaceCase inPlaceCases[] = {
    {"DrawSegment", [](Sound& s, StopFlag* f, const Args&) { s.DrawSegment(f, 10, -3000, 60, 4000); }},
    {"VolumeInPlace", [](Sound& s, StopFlag* f, const Args&) { s.VolumeInPlace(f, 0.7, 5, 150); }},
    {"MixAddAtTime", [](Sound& s, StopFlag* f, const Args& a) { s.MixAddAtTime(f, a.other, 0.001, 0.5); }},
    {"MixAddFactorAt", [](Sound& s, StopFlag* f, const Args& a) { s.MixAddFactorAt(f, a.other, -20, 0.5); }},
    {"MixAddAt", [](Sound& s, StopFlag* f, const Args& a) { s.MixAddAt(f, a.other, 33); }},
    {"MixAddAligned", [](Sound& s, StopFlag* f, const Args& a) { s.MixAddAligned(f, a.other, 0.5, 0.25); }},
    {"MixAddAlignedFactor", [](Sound& s, StopFlag* f, const Args& a) { s.MixAddAlignedFactor(f, a.other, 0.3, 0.6, 2.0); }},
    {"MixCycleAfterThis", [](Sound& s, StopFlag* f, const Args& a) { s.MixCycleAfterThis(f, a.other, 150); }},
};

class SoundChannelsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        StopFlag flag = 0;
        if (!SinusTable)
            CreateSinusTable(&flag);
    }

    SoundChannelsTest()
        : stereo(Stereo(Ramp(200, 1), Ramp(200, 2), 44100, 2)),
          left(Mono(Ramp(200, 1), 44100, 2)),
          right(Mono(Ramp(200, 2), 44100, 2)),
          envelope(Stereo(Positive(40, 3), Positive(40, 1), 44100, 2)),
          envelopeLeft(Mono(Positive(40, 3))),
          envelopeRight(Mono(Positive(40, 1))),
          // another rate, so mixing brings it to this one
          other(Stereo(Ramp(60, 2), Ramp(60, 3), 22050, 2)),
          otherLeft(Mono(Ramp(60, 2), 22050, 2)),
          otherRight(Mono(Ramp(60, 3), 22050, 2))
    {
    }

    RecordingMessageService messages;
    std::shared_ptr<StereoSound> stereo;
    std::shared_ptr<MonoSound> left, right;
    std::shared_ptr<StereoSound> envelope;
    std::shared_ptr<MonoSound> envelopeLeft, envelopeRight;
    std::shared_ptr<StereoSound> other;
    std::shared_ptr<MonoSound> otherLeft, otherRight;
};

TEST_F(SoundChannelsTest, EveryNewSoundOperationWorksChannelByChannel)
{
    for (const NewCase& c : newCases) {
        SCOPED_TRACE(c.name);
        StopFlag stop = 0;
        int32_t b = 20, e = 120, lb = 20, le = 120, rb = 20, re = 120;
        SoundPtr both = c.op(*stereo, &stop, Args{*envelope, *other}, b, e);
        SoundPtr l = c.op(*left, &stop, Args{*envelopeLeft, *otherLeft}, lb, le);
        SoundPtr r = c.op(*right, &stop, Args{*envelopeRight, *otherRight}, rb, re);
        ASSERT_EQ(stop, 0);
        ASSERT_TRUE(both && l && r);
        EXPECT_EQ(both->channels, 2);
        EXPECT_GT(both->GetValues(), 0);
        EXPECT_EQ(both->sampleFreq, l->sampleFreq);
        EXPECT_EQ(LeftOf(*both), LeftOf(*l));
        EXPECT_EQ(RightOf(*both), LeftOf(*r));
        EXPECT_EQ(b, lb);
        EXPECT_EQ(e, le);
        // the sources are untouched
        EXPECT_EQ(LeftOf(*stereo), Ramp(200, 1));
        EXPECT_EQ(RightOf(*stereo), Ramp(200, 2));
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SoundChannelsTest, EveryInPlaceOperationWorksChannelByChannel)
{
    for (const InPlaceCase& c : inPlaceCases) {
        SCOPED_TRACE(c.name);
        StopFlag stop = 0;
        StereoSound both(&stop, *stereo);
        MonoSound l(&stop, *left);
        MonoSound r(&stop, *right);
        c.op(both, &stop, Args{*envelope, *other});
        c.op(l, &stop, Args{*envelopeLeft, *otherLeft});
        c.op(r, &stop, Args{*envelopeRight, *otherRight});
        ASSERT_EQ(stop, 0);
        EXPECT_EQ(LeftOf(both), LeftOf(l));
        EXPECT_EQ(RightOf(both), LeftOf(r));
        EXPECT_NE(LeftOf(both), Ramp(200, 1));
    }
    EXPECT_EQ(messages.Count(), 0u);
}

} // namespace
