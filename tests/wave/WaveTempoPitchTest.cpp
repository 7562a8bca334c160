#include "WaveBufferTestSupport.h"

#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"

#include <cstdlib>
#include <functional>

namespace {

using Samples16 = std::vector<int16_t>;
using Stretch = std::function<RefPtr<Wave>(const Wave&, StopFlag*, int32_t&, int32_t&)>;

Samples16 Ramp(int n, int step, int from = 0)
{
    Samples16 v;
    for (int i = 0; i < n; ++i)
        v.push_back(static_cast<int16_t>(from + step * i));
    return v;
}

class WaveTempoPitchTest : public ::testing::Test {
protected:
    StopFlag stop = 0;
    // -11000, -10000 ... 12000, changed over 2..22.
    RefPtr<Wave> ramp = MakeWave(Ramp(24, 1000, -11000));
    RefPtr<Wave> freqs = MakeWave({16000, 32767, 8000});
    RefPtr<Wave> speeds = MakeWave({32767, 10000, -5000});
};

struct TempoPitchCase {
    const char* name;
    Stretch stretch;
    Samples16 expected;
};

// Frozen from the block and grain formulas worked through step by step. By
// hand, method 0 starts at 2 + 20 * 0.1 = 4 (-7000), moves 0.75 a sample
// (-6250, -5500, -4750) and restarts at 4 + 4 * 1.5 = 10 (-1000); method 1's
// second sample mixes -6250 and -5750 half and half (-6000).
TEST_F(WaveTempoPitchTest, EveryFormKeepsItsGoldenOutput)
{
    const Wave* f = freqs.get();
    const Wave* s = speeds.get();
    const TempoPitchCase cases[] = {
        {"timeStretchRange",
         [](const Wave& w, StopFlag* st, int32_t& b, int32_t& e) { return w.timeStretchRange(st, 1.5, 0.1, 0.8, 0.75, 4, b, e); },
         {-11000, -10000, -7000, -6250, -5500, -4750, -1000, -250, 500, 1250, 5000, 5750, 6500, 7250, -9000, -8250,
          -7500, -6750, 11000, 12000}},
        {"timeStretchRangeCrossfade",
         [](const Wave& w, StopFlag* st, int32_t& b, int32_t& e) {
             return w.timeStretchRangeCrossfade(st, 1.5, 0.1, 0.8, 0.75, 4, b, e);
         },
         {-11000, -10000, -7000, -6000, -5000, -3500, -2000, -500, 1000, 2500, 4000, 5500, 7000, 8500, 10000, 1500,
          -7000, -5500, 11000, 12000}},
        {"timeStretchFreqWave",
         [=](const Wave& w, StopFlag* st, int32_t& b, int32_t& e) {
             return w.timeStretchFreqWave(st, 1.5, 0.1, 0.8, 1.2, f, 4, b, e);
         },
         {-11000, -10000, -7000, -6414, -5746, -4996, -1000, -86, 908, 1985, 5000, 6139, 7158, 8055, -9000, -8344,
          -7809, -7395, 11000, 12000}},
        {"timeStretchFreqWaveCrossfade",
         [=](const Wave& w, StopFlag* st, int32_t& b, int32_t& e) {
             return w.timeStretchFreqWaveCrossfade(st, 1.5, 0.1, 0.8, 1.2, f, 4, b, e);
         },
         {-11000, -10000, -7000, -5999, -4918, -3458, -1918, -458, 1081, 2540, 4081, 5540, 6879, 8439, 9879, 1439,
          -7120, -5559, 11000, 12000}},
        {"timeStretchSpeedEnvelope",
         [=](const Wave& w, StopFlag* st, int32_t& b, int32_t& e) {
             return w.timeStretchSpeedEnvelope(st, 1.3, s, 0.1, 0.8, 0.75, 4, b, e);
         },
         {-11000, -10000, -7000, -6250, -5500, -4750, -1800, -1050, -300, 449, 1473, 2223, 2973, 3723, 2901, 3651,
          4401, 5151, 11000, 12000}},
        {"timeStretchSpeedEnvelopeCrossfade",
         [=](const Wave& w, StopFlag* st, int32_t& b, int32_t& e) {
             return w.timeStretchSpeedEnvelopeCrossfade(st, 1.3, s, 0.1, 0.8, 0.75, 4, b, e);
         },
         {-11000, -10000, -7000, -6000, -5000, -3950, -2900, -1840, -781, 36, 854, 1431, 2009, 2365, 2723, 2921,
          3120, 3159, 11000, 12000}},
        {"timeStretchSpeedFreq",
         [=](const Wave& w, StopFlag* st, int32_t& b, int32_t& e) {
             return w.timeStretchSpeedFreq(st, 1.3, s, 0.1, 0.8, 1.2, f, 4, b, e);
         },
         {-11000, -10000, -7000, -6414, -5746, -4996, -1800, -886, 108, 1185, 1473, 2612, 3631, 4528, 2901, 3557,
          4091, 4505, 11000, 12000}},
        {"timeStretchSpeedFreqCrossfade",
         [=](const Wave& w, StopFlag* st, int32_t& b, int32_t& e) {
             return w.timeStretchSpeedFreqCrossfade(st, 1.3, s, 0.1, 0.8, 1.2, f, 4, b, e);
         },
         {-11000, -10000, -7000, -5999, -4918, -3909, -2818, -1636, -372, 567, 1591, 2189, 2667, 2842, 2898, 2914,
          2811, 2668, 11000, 12000}},
    };
    for (const TempoPitchCase& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t begin = 2;
        int32_t end = 22;
        EXPECT_EQ(ValuesOf(c.stretch(*ramp, &stop, begin, end)), c.expected);
        EXPECT_EQ(begin, 2);
        EXPECT_EQ(end, 18);
    }
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveTempoPitchTest, WholeFormsKeepTheirGoldenOutput)
{
    EXPECT_EQ(ValuesOf(ramp->timeStretch(&stop, 0.7, 0.25, 1.25, 1.5, 5)),
              Samples16({-5000, -3500, -2000, -500, 1000, -1500, 0, 1500, 3000, 4500, 2000, 3500, 5000, 6500, 8000,
                         5500, 7000, 8500, 10000, 11500, 9000, 10500, 12000, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ValuesOf(ramp->timeStretchCrossfade(&stop, 0.7, 0.25, 1.25, 1.5, 5)),
              Samples16({-5000, -4000, -3569, -2069, -1210, -349, 190, -70, 1429, 2289, 3149, 3689, 3429, 4929, 5790,
                         6649, 7189, 6929, 8429, 9290, 10149, 10689, 10429, 2129, 0, 0, 0, 0, 0, 0}));
    int32_t begin = 0;
    int32_t end = -1;
    EXPECT_EQ(ValuesOf(ramp->timeStretch(&stop, 0.7, 0.25, 1.25, 1.5, 5)),
              ValuesOf(ramp->timeStretchRange(&stop, 0.7, 0.25, 1.25, 1.5, 5, begin, end)));
    EXPECT_EQ(end, 30);
}

struct TempoBlockCase {
    const char* name;
    Samples16 input;
    Stretch stretch;
    Samples16 expected;
};

TEST_F(WaveTempoPitchTest, BlocksFollowTempoAndPitch)
{
    const TempoBlockCase cases[] = {
        {"same tempo and pitch is a copy", Ramp(24, 1000, -11000),
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             b = 2;
             e = 22;
             return w.timeStretchRange(s, 1, 0, 1, 1, 3, b, e);
         },
         Ramp(24, 1000, -11000)},
        {"an octave up reads each block twice as fast from its start", Ramp(16, 100),
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.timeStretchRange(s, 1, 0, 1, 2, 4, b, e); },
         {0, 200, 400, 600, 400, 600, 800, 1000, 800, 1000, 1200, 1400, 1200, 1400, 0, 0}},
        {"twice the tempo skips every second block", Ramp(16, 100),
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.timeStretchRange(s, 2, 0, 0.5, 1, 4, b, e); },
         {0, 100, 200, 300, 800, 900, 1000, 1100}},
        {"blocks of one sample resample by the speed", Ramp(8, 100),
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.timeStretchRange(s, 0.5, 0, 2, 1, 1, b, e); },
         {0, 50, 100, 150, 200, 250, 300, 350, 400, 450, 500, 550, 600, 650, 700, 0}},
        {"a length with a fraction is cut, not rounded", Ramp(8, 100),
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.timeStretchRange(s, 1, 0, 0.7, 1, 4, b, e); },
         {0, 100, 200, 300, 400}},
    };
    for (const TempoBlockCase& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t begin = 0;
        int32_t end = -1;
        EXPECT_EQ(ValuesOf(c.stretch(*MakeWave(c.input), &stop, begin, end)), c.expected);
    }
}

TEST_F(WaveTempoPitchTest, CrossfadedGrainsAtTheSamePitchFollowTheSource)
{
    const Samples16 source = Ramp(40, 300, -6000);
    const RefPtr<Wave> wave = MakeWave(source);
    int32_t begin = 0;
    int32_t end = -1;
    const Samples16 got = ValuesOf(wave->timeStretchRangeCrossfade(&stop, 1, 0, 1, 1, 8, begin, end));
    ASSERT_EQ(got.size(), source.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_LE(std::abs(got[i] - source[i]), 1) << i;
}

TEST_F(WaveTempoPitchTest, AFullFrequencyEnvelopeIsTheSamePitch)
{
    const RefPtr<Wave> full = MakeWave({32767, 32767});
    int32_t b1 = 2, e1 = 22, b2 = 2, e2 = 22;
    EXPECT_EQ(ValuesOf(ramp->timeStretchFreqWave(&stop, 1.5, 0.1, 0.8, 1, full.get(), 4, b1, e1)),
              ValuesOf(ramp->timeStretchRange(&stop, 1.5, 0.1, 0.8, 1, 4, b2, e2)));
    b1 = 2, e1 = 22, b2 = 2, e2 = 22;
    EXPECT_EQ(ValuesOf(ramp->timeStretchFreqWaveCrossfade(&stop, 1.5, 0.1, 0.8, 1, full.get(), 4, b1, e1)),
              ValuesOf(ramp->timeStretchRangeCrossfade(&stop, 1.5, 0.1, 0.8, 1, 4, b2, e2)));
}

// With blocks measured from (values - 1) times startPos, a range that does not
// start at 0 jumps away from it at the first block; measured from the range,
// a full speed envelope reads on without a jump.
TEST_F(WaveTempoPitchTest, SpeedEnvelopeBlocksStartInTheRange)
{
    const RefPtr<Wave> wave = MakeWave(Ramp(20, 100));
    const RefPtr<Wave> full = MakeWave({32767});
    const Samples16 expected = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900,
                                1500, 1600, 1700, 1800, 1900, 1000, 1100, 1200, 1300, 1400};
    int32_t begin = 10;
    int32_t end = 20;
    EXPECT_EQ(ValuesOf(wave->timeStretchSpeedEnvelope(&stop, 1, full.get(), 0.5, 1, 1, 2, begin, end)), expected);
    begin = 10;
    end = 20;
    EXPECT_EQ(ValuesOf(wave->timeStretchSpeedFreq(&stop, 1, full.get(), 0.5, 1, 1, full.get(), 2, begin, end)),
              expected);
    begin = 10;
    end = 20;
    const Samples16 grains =
        ValuesOf(wave->timeStretchSpeedEnvelopeCrossfade(&stop, 1, full.get(), 0.5, 1, 1, 4, begin, end));
    ASSERT_EQ(grains.size(), expected.size());
    for (size_t i = 0; i < grains.size(); ++i)
        EXPECT_LE(std::abs(grains[i] - expected[i]), 1) << i;
}

TEST_F(WaveTempoPitchTest, DegenerateBlocksRangesAndLengthsAreHandled)
{
    int32_t b1 = 2, e1 = 22, b2 = 2, e2 = 22;
    // Half of a one-sample block is 0, so the first grain would never restart.
    EXPECT_EQ(ValuesOf(ramp->timeStretchRangeCrossfade(&stop, 1.5, 0.1, 0.8, 0.75, 1, b1, e1)),
              ValuesOf(ramp->timeStretchRangeCrossfade(&stop, 1.5, 0.1, 0.8, 0.75, 2, b2, e2)));
    // A block of no samples restarts every sample, like a block of one.
    b1 = 2, e1 = 22, b2 = 2, e2 = 22;
    EXPECT_EQ(ValuesOf(ramp->timeStretchRange(&stop, 1.5, 0.1, 0.8, 0.75, 0, b1, e1)),
              ValuesOf(ramp->timeStretchRange(&stop, 1.5, 0.1, 0.8, 0.75, 1, b2, e2)));
    // No length left: the range goes.
    const RefPtr<Wave> wave = MakeWave({1, 2, 3, 4});
    for (double lengthFactor : {0.0, -2.0}) {
        int32_t begin = 1;
        int32_t end = 3;
        EXPECT_EQ(ValuesOf(wave->timeStretchRange(&stop, 1, 0, lengthFactor, 1, 4, begin, end)), Samples16({1, 4}));
        EXPECT_EQ(end, 1);
    }
    // An empty range, and one output sample for envelopes stretched over n - 1.
    int32_t begin = 2;
    int32_t end = 2;
    EXPECT_EQ(ValuesOf(wave->timeStretchSpeedFreqCrossfade(&stop, 1, speeds.get(), 0, 3, 1, freqs.get(), 4, begin, end)),
              Samples16({1, 2, 3, 4}));
    begin = 1;
    end = 3;
    EXPECT_EQ(ValuesOf(wave->timeStretchSpeedFreq(&stop, 1, speeds.get(), 0, 0.5, 1, nullptr, 4, begin, end)),
              Samples16({1, 2, 4}));
    EXPECT_EQ(end, 2);
    // Block starts beyond any sound start over at the range's beginning.
    for (double speed : {1e300, -1e300}) {
        begin = 0;
        end = -1;
        EXPECT_EQ(ValuesOf(wave->timeStretchRange(&stop, speed, 0, 2, 1, 1, begin, end)),
                  Samples16({1, 1, 1, 1, 1, 1, 1, 1}));
        begin = 0;
        end = -1;
        EXPECT_EQ(ValuesOf(wave->timeStretchSpeedEnvelopeCrossfade(&stop, speed, speeds.get(), 0, 2, 1, 2, begin, end))
                      .size(),
                  8u);
    }
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveTempoPitchTest, FailedAllocationGivesNoWaveAndOneMessage)
{
    RecordingMessageService messages;
    AllocationHook::FailNext(1);
    EXPECT_FALSE(ramp->timeStretchCrossfade(&stop, 1, 0, 1, 1, 4));
    EXPECT_EQ(stop, 1);
    EXPECT_FALSE(ramp->timeStretch(&stop, 1, 0, 1, 1, 4));
    EXPECT_EQ(messages.Count(), 1u);
    AllocationHook::Reset();
}

TEST_F(WaveTempoPitchTest, ALengthNoWaveCanHoldIsALackOfMemory)
{
    RecordingMessageService messages;
    EXPECT_FALSE(ramp->timeStretch(&stop, 1, 0, 1e12, 1, 4));
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(messages.Count(), 1u);
}

} // namespace
