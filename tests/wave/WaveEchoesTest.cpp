#include "WaveBufferTestSupport.h"

#include "platform/AllocationHook.h"
#include "platform/SampleConvert.h"
#include "platform/RecordingMessageService.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <limits>

namespace {

using Samples16 = std::vector<int16_t>;

class WaveEchoesTest : public ::testing::Test {
protected:
    StopFlag stop = 0;
};

Samples16 Noise(int n)
{
    Samples16 v;
    for (int i = 0; i < n; ++i)
        v.push_back(static_cast<int16_t>((i * 7919) % 24000 - 12000));
    return v;
}

TEST_F(WaveEchoesTest, TwoEchoesAtTheEndGrowTheWave)
{
    Samples16 input(1200, 0);
    std::fill(input.begin() + 200, input.end(), int16_t(1000));
    const RefPtr<Wave> wave = MakeWave(input);
    int32_t begin = 200;
    int32_t end = -1;
    const Samples16 got = ValuesOf(wave->periodEcho(&stop, 100, 0.5, 2, begin, end));
    ASSERT_EQ(got.size(), 1402u); // trunc(101) times 2 more
    EXPECT_EQ(begin, 200);
    EXPECT_EQ(end, 1402);
    const struct {
        int32_t from, to;
        int16_t value;
    } spans[] = {
        {0, 200, 0}, {200, 300, 1000}, {300, 400, 1500}, {400, 1200, 1750},
        {1200, 1300, 750}, {1300, 1400, 250}, {1400, 1402, 0},
    };
    for (const auto& span : spans)
        for (int32_t i = span.from; i < span.to; ++i)
            ASSERT_EQ(got[i], span.value) << i;
}

struct EchoCase {
    const char* name;
    std::function<RefPtr<Wave>(const Wave&, StopFlag*, int32_t&, int32_t&)> echo;
    Samples16 expected;
    int32_t begin, end;
};

// Frozen from the echo formulas worked through echo by echo. By hand: sample 4
// gets -4000 plus 0.6 times the range at 2.5 (5000), and nothing from the second
// echo, which reads before the range.
TEST_F(WaveEchoesTest, EchoesKeepTheirGoldenOutput)
{
    Samples16 input(12, 0);
    input[3] = 10000;
    input[4] = -4000;
    input[7] = 7000;
    input[10] = 300;
    const RefPtr<Wave> wave = MakeWave(input);
    const RefPtr<Wave> times = MakeWave({32767, -20000, 10000});
    const RefPtr<Wave> volumes = MakeWave({30000, 5000});
    const Wave* t = times.get();
    const Wave* v = volumes.get();
    const EchoCase cases[] = {
        {"periodEcho",
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.periodEcho(s, 1.5, 0.6, 3, b, e); },
         {0, 0, 0, 10000, -1000, 1800, 2400, 6640, 2748, 1668, 2820, 756, 756, 0, 0, 0}, 2, 16},
        {"periodEcho before the range",
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.periodEcho(s, -2.25, -0.5, 2, b, e); },
         {0, 0, 1250, 750, -1750, -3250, 2375, 10875, -4875, -2625, 0, 7000, 0, 0, 300, 0}, 0, 14},
        {"periodEchoTimeEnvelope",
         [=](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             return w.periodEchoTimeEnvelope(s, 2.5, t, 0.7, 3, b, e);
         },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 9184, 8841, -1613, 2713, 2771, 7000, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0, 0}, 0,
         26},
        {"periodEchoVolumeEnvelope",
         [=](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             return w.periodEchoVolumeEnvelope(s, 1.5, v, 3, b, e);
         },
         {0, 0, 0, 10000, -9, 2218, 3273, 6654, 2507, 1508, 1692, 203, 124, 0, 0, 0}, 2, 16},
        {"periodEchoEnvelopes",
         [=](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             return w.periodEchoEnvelopes(s, 2.5, t, v, 3, b, e);
         },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 7739, 9111, -2608, 1973, 2054, 7000, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0, 0}, 0,
         26},
    };
    for (const EchoCase& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t begin = 2;
        int32_t end = 10;
        EXPECT_EQ(ValuesOf(c.echo(*wave, &stop, begin, end)), c.expected);
        EXPECT_EQ(begin, c.begin);
        EXPECT_EQ(end, c.end);
    }
    EXPECT_EQ(stop, 0);
}

// Many echoes of a short range reach only a few chunks each; the sum over
// all of them is that of echo after echo, each clamped, at every sample.
TEST_F(WaveEchoesTest, ManyEchoesOfAShortRangeSumEchoByEcho)
{
    const Samples16 input = Noise(60);
    const RefPtr<Wave> wave = MakeWave(input);
    const double time = 37.3;
    const double volume = 0.97;
    const int32_t count = 120;
    int32_t begin = 10;
    int32_t end = 50;
    const Samples16 got = ValuesOf(wave->periodEcho(&stop, time, volume, count, begin, end));
    // The wave grows behind the range by the whole part of time + 1 per echo.
    Samples16 expected(50 + 38 * count, 0);
    std::copy(input.begin(), input.end(), expected.begin());
    double power = 1;
    for (int32_t i = 1; i <= count; ++i) {
        power *= volume;
        for (size_t s = 0; s < expected.size(); ++s) {
            const double p = double(s) - i * time;
            if (p < 10 || p > 49)
                continue;
            const int32_t k = static_cast<int32_t>(p);
            const double f = p - k;
            const double read = f == 0 ? input[k] : (1 - f) * input[k] + f * input[k + 1];
            expected[s] = ToSample(read * power + expected[s]);
        }
    }
    ASSERT_EQ(got.size(), expected.size());
    for (size_t s = 0; s < got.size(); ++s)
        ASSERT_EQ(got[s], expected[s]) << s;
    EXPECT_EQ(stop, 0);
}

// An infinite or NaN volume turns even the silence an echo reads into NaN,
// which writes 0: chunks no echo reaches are written all the same.
TEST_F(WaveEchoesTest, ANonFiniteVolumeWritesEveryChunkOfTheEchoes)
{
    const Samples16 input = Noise(3000);
    const RefPtr<Wave> wave = MakeWave(input);
    const double time = 1500;
    for (double volume : {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(volume);
        int32_t begin = 10;
        int32_t end = 20;
        const Samples16 got = ValuesOf(wave->periodEcho(&stop, time, volume, 1, begin, end));
        Samples16 expected = input;
        for (int32_t s = 10; s < 20 + 1501; ++s) {
            const double p = s - time;
            const double read = p < 10 || p > 19 ? 0.0 : input[static_cast<size_t>(p)];
            expected[static_cast<size_t>(s)] = ToSample(read * volume + expected[static_cast<size_t>(s)]);
        }
        ASSERT_EQ(got.size(), expected.size());
        for (size_t s = 0; s < got.size(); ++s)
            ASSERT_EQ(got[s], expected[s]) << s;
    }
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveEchoesTest, ANegativeTimeGrowsTheFrontAndMovesTheRange)
{
    const RefPtr<Wave> wave = MakeWave({1, 2, 3, 4, 5});
    int32_t begin = 0;
    int32_t end = 5;
    EXPECT_EQ(ValuesOf(wave->periodEcho(&stop, -10, 1, 1, begin, end)),
              Samples16({0, 1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(begin, 0);
    EXPECT_EQ(end, 16);
}

TEST_F(WaveEchoesTest, FullEnvelopesMatchTheConstantEchoes)
{
    Samples16 input(10, 0);
    const Samples16 noise = Noise(30);
    input.insert(input.end(), noise.begin(), noise.end());
    const RefPtr<Wave> wave = MakeWave(input);
    const RefPtr<Wave> full = MakeWave({32767, 32767});

    int32_t b1 = 10, e1 = 40, b2 = 10, e2 = 40;
    EXPECT_EQ(ValuesOf(wave->periodEchoVolumeEnvelope(&stop, 2.5, full.get(), 3, b1, e1)),
              ValuesOf(wave->periodEcho(&stop, 2.5, 1, 3, b2, e2)));
    EXPECT_EQ(b1, b2);
    EXPECT_EQ(e1, e2);

    // A time envelope needs room on both sides, here inside the leading zeros.
    int32_t b3 = 10, e3 = 40, b4 = 10, e4 = 40;
    EXPECT_EQ(ValuesOf(wave->periodEchoEnvelopes(&stop, 1, full.get(), full.get(), 2, b3, e3)),
              ValuesOf(wave->periodEcho(&stop, 1, 1, 2, b4, e4)));
    EXPECT_EQ(e3, e4);
    EXPECT_EQ(b3, 6); // the room in front belongs to the result
    int32_t b5 = 10, e5 = 40;
    EXPECT_EQ(ValuesOf(wave->periodEchoTimeEnvelope(&stop, 1, full.get(), 0.5, 2, b5, e5)),
              ValuesOf(wave->periodEcho(&stop, 1, 0.5, 2, b4, e4)));
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveEchoesTest, NoEchoesAndDegenerateRangesAreHandled)
{
    const RefPtr<Wave> wave = MakeWave({1, 2, 3, 4, 5});
    const RefPtr<Wave> none = MakeWave({});
    int32_t begin = 1;
    int32_t end = 4;
    EXPECT_EQ(ValuesOf(wave->periodEcho(&stop, 3, 0.5, 0, begin, end)), Samples16({1, 2, 3, 4, 5}));
    EXPECT_EQ(end, 4);
    begin = 1;
    end = 4;
    // A negative count is no echo either: no room taken, the range unchanged.
    EXPECT_EQ(ValuesOf(wave->periodEcho(&stop, 3, 0.5, -2, begin, end)), Samples16({1, 2, 3, 4, 5}));
    EXPECT_EQ(end, 4);
    // A range of one sample with a constant time: the envelope has nothing to stretch over.
    begin = 2;
    end = 3;
    EXPECT_EQ(ValuesOf(wave->periodEchoVolumeEnvelope(&stop, 0, none.get(), 1, begin, end)),
              Samples16({1, 2, 3, 4, 5}));
    begin = 2;
    end = 2;
    EXPECT_EQ(ValuesOf(wave->periodEchoEnvelopes(&stop, 2, nullptr, nullptr, 1, begin, end)),
              Samples16({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(begin, 0);
    EXPECT_EQ(end, 6);
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveEchoesTest, CutoffCurvesAtCommonRates)
{
    // Codes at 20000, 3500, 2500, 1000 and 350 Hz, at samples 0, 58/59, 75, 90 and 149.
    struct Case {
        int32_t sampleFreq;
        int16_t codes[5];
    } cases[] = {
        {44100, {32767, 16694, 13389, 4367, -5613}},
        // No whole period fits 20 kHz at these rates: the top code stands in.
        {11025, {32767, 16694, 13964, 4367, -5462}},
        {5512, {32767, 20539, 13963, 5270, -5151}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sampleFreq);
        RefPtr<Wave> curve = NewWave(&stop, 150);
        Wave::makeCutoffCurve(&stop, curve, c.sampleFreq);
        const Samples16 got = ValuesOf(curve);
        ASSERT_EQ(got.size(), 150u);
        EXPECT_EQ(got[0], c.codes[0]);
        EXPECT_EQ(got[59], c.codes[1]);
        EXPECT_EQ(got[75], c.codes[2]);
        EXPECT_EQ(got[90], c.codes[3]);
        EXPECT_EQ(got[149], c.codes[4]);
        // Each segment ends on the next corner's code.
        EXPECT_EQ(got[58], c.codes[1]);
        EXPECT_EQ(got[74], c.codes[2]);
        EXPECT_EQ(got[89], c.codes[3]);
        EXPECT_EQ(got[148], c.codes[4]);
    }
    // Only a 150-sample curve is drawn.
    RefPtr<Wave> other = MakeWave({7, 7});
    Wave::makeCutoffCurve(&stop, other, 44100);
    EXPECT_EQ(ValuesOf(other), Samples16({7, 7}));
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveEchoesTest, ConstantBalance)
{
    const RefPtr<Wave> wave = MakeWave({100, -200, 300});
    // Centre with a time difference: one extra 0 on both sides, no shift.
    for (int32_t side : {0, 1})
        EXPECT_EQ(ValuesOf(wave->balance(&stop, 0, side, true, false, false, 44100)), Samples16({100, -200, 300, 0}));
    // Hard right with a volume difference: the left ear hears nothing.
    EXPECT_EQ(ValuesOf(wave->balance(&stop, 1, 0, false, true, false, 44100)), Samples16({0, 0, 0}));
    EXPECT_EQ(ValuesOf(wave->balance(&stop, 1, 1, false, true, false, 44100)), Samples16({100, -200, 300}));
    // Volume wins when filter is asked for too.
    EXPECT_EQ(ValuesOf(wave->balance(&stop, 0.5, 0, false, true, true, 44100)),
              ValuesOf(wave->multiplyVolume(&stop, 0.25, 0, -1)));
    EXPECT_EQ(ValuesOf(wave->balance(&stop, 0.3, 1, false, false, false, 44100)), Samples16({100, -200, 300}));
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveEchoesTest, ConstantBalanceDelaysAndFiltersTheFarEar)
{
    const RefPtr<Wave> wave = MakeWave(Noise(200));
    // Hard left: the left ear is near (its cutoff, 20 kHz, passes all), the
    // right ear far: delayed by 2/3400 s (25.9 samples at 44.1 kHz) and filtered.
    EXPECT_EQ(ValuesOf(wave->balFilter(&stop, -1, 44100)), ValuesOf(wave));
    EXPECT_NE(ValuesOf(wave->balFilter(&stop, 1, 44100)), ValuesOf(wave));
    const Samples16 near = ValuesOf(wave->balance(&stop, -1, 0, true, false, false, 44100));
    const Samples16 far = ValuesOf(wave->balance(&stop, -1, 1, true, false, false, 44100));
    ASSERT_EQ(near.size(), 200u + 26u);
    ASSERT_EQ(far.size(), 200u + 26u);
    EXPECT_TRUE(std::equal(near.begin(), near.begin() + 200, ValuesOf(wave).begin()));
    EXPECT_EQ(far[0], 0);
    const Samples16 farFiltered = ValuesOf(wave->balance(&stop, -1, 1, true, false, true, 44100));
    EXPECT_NE(farFiltered, far);
    EXPECT_EQ(farFiltered.size(), far.size());
}

TEST_F(WaveEchoesTest, EnvelopeBalanceDelaysBothEarsAtTheCentre)
{
    const RefPtr<Wave> wave = MakeWave({100, -200, 300});
    const RefPtr<Wave> centre = MakeWave({0, 0});
    // M = trunc(44100 / 3400 + 1) = 13 on each side.
    Samples16 expected(13, 0);
    expected.insert(expected.end(), {100, -200, 300});
    expected.insert(expected.end(), 13, 0);
    for (int32_t side : {0, 1})
        EXPECT_EQ(ValuesOf(wave->balanceEnvelope(&stop, centre.get(), side, true, false, false, 44100)), expected);
    // The side envelope halves both ears at the centre (16383 / 32767).
    EXPECT_EQ(ValuesOf(wave->balanceEnvelope(&stop, centre.get(), 0, false, true, false, 44100)),
              Samples16({49, -99, 149}));
    // A missing envelope keeps the source in the middle.
    EXPECT_EQ(ValuesOf(wave->balanceEnvelope(&stop, nullptr, 1, false, true, false, 44100)),
              Samples16({49, -99, 149}));
    EXPECT_EQ(stop, 0);
}

// Off the centre, the ear away from the source hears it later: the far ear's
// copy of a click comes after the near ear's, by up to 26 samples at 44.1 kHz.
TEST_F(WaveEchoesTest, EnvelopeBalanceDelaysTheEarAwayFromTheSource)
{
    Samples16 click(100, 0);
    click[40] = 20000;
    const RefPtr<Wave> wave = MakeWave(click);
    auto peak = [&](const RefPtr<Wave>& direction, int32_t side) {
        const Samples16 got = ValuesOf(wave->balanceEnvelope(&stop, direction.get(), side, true, false, false, 44100));
        return std::max_element(got.begin(), got.end()) - got.begin();
    };
    const struct {
        const char* where;
        int16_t direction;
        std::ptrdiff_t rightLater; // samples the right ear's click follows the left one's
    } cases[] = {
        {"hard left", -32767, 26},
        {"half left", -16384, 12},
        {"a little right", 8192, -6},
        {"hard right", 32767, -26},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const RefPtr<Wave> direction = MakeWave({c.direction, c.direction, c.direction});
        EXPECT_EQ(peak(direction, 1) - peak(direction, 0), c.rightLater);
    }
    EXPECT_EQ(stop, 0);
}

// Negating -32768 wraps back to -32768: a source hard left would count as near
// the right ear. Saturated, it is as far from the right ear as hard right is
// from the left one.
TEST_F(WaveEchoesTest, HardLeftIsFarFromTheRightEar)
{
    const RefPtr<Wave> wave = MakeWave(Noise(100));
    const RefPtr<Wave> hardLeft = MakeWave({-32768, -32768});
    const RefPtr<Wave> hardRight = MakeWave({32767, 32767});
    const Samples16 right = ValuesOf(wave->balanceEnvelope(&stop, hardLeft.get(), 1, false, false, true, 44100));
    const Samples16 left = ValuesOf(wave->balanceEnvelope(&stop, hardRight.get(), 0, false, false, true, 44100));
    EXPECT_EQ(right, left);
    EXPECT_NE(right, ValuesOf(wave));
}

// A time difference of a filtered or enveloped source is the time difference
// applied to that source made first: the stage made on the way (no Wave of its
// own) gives the same samples, on a wave long enough for the stage to be read
// far behind where it is made, at rates that make the delays short and long.
TEST_F(WaveEchoesTest, BalanceStagesReadOnTheWayGiveTheSamplesOfTheirWaves)
{
    const RefPtr<Wave> wave = MakeWave(Noise(20000));
    // Directions swinging from one side to the other from sample to sample:
    // the delay jumps by its whole size, and reads go back as far as they can.
    // And a short sweep, whose derived envelopes are made as Waves.
    Samples16 swing;
    for (int i = 0; i < 20000; ++i)
        swing.push_back(static_cast<int16_t>(i % 2 == 0 ? -32768 : 32767));
    Samples16 sweep;
    for (int i = 0; i < 300; ++i)
        sweep.push_back(static_cast<int16_t>(i * 218 - 32768));
    struct Case {
        RefPtr<Wave> directions;
        int32_t rate;
        int32_t side;
    };
    std::vector<Case> cases;
    for (const RefPtr<Wave>& directions : {MakeWave(swing), MakeWave(sweep)})
        for (const int32_t rate : {8000, 44100, 1000000})
            for (const int32_t side : {0, 1})
                cases.push_back({directions, rate, side});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.directions->getValues() << " directions, rate " << c.rate << ", side "
                                        << c.side);
        const double direction = c.side == 1 ? 0.6 : -0.6;
        const RefPtr<Wave> filtered = wave->balFilter(&stop, c.side == 1 ? -direction : direction, c.rate);
        EXPECT_EQ(ValuesOf(wave->balance(&stop, direction, c.side, true, false, true, c.rate)),
                  ValuesOf(filtered->balance(&stop, direction, c.side, true, false, false, c.rate)));
        const Wave* d = c.directions.get();
        for (const bool volume : {true, false}) {
            const RefPtr<Wave> stage = wave->balanceEnvelope(&stop, d, c.side, false, volume, !volume, c.rate);
            EXPECT_EQ(ValuesOf(wave->balanceEnvelope(&stop, d, c.side, true, volume, !volume, c.rate)),
                      ValuesOf(stage->balanceEnvelope(&stop, d, c.side, true, false, false, c.rate)));
        }
    }
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveEchoesTest, FailedAllocationGivesNoWaveAndOneMessage)
{
    RecordingMessageService messages;
    const RefPtr<Wave> wave = MakeWave({1, 2, 3});
    AllocationHook::FailNext(1);
    int32_t begin = 0;
    int32_t end = -1;
    EXPECT_FALSE(wave->periodEcho(&stop, 1, 0.5, 1, begin, end));
    EXPECT_EQ(stop, 1);
    EXPECT_FALSE(wave->balance(&stop, 0.5, 0, true, true, false, 44100));
    EXPECT_EQ(messages.Count(), 1u);
    AllocationHook::Reset();
}

TEST_F(WaveEchoesTest, AnEchoTooLongForAWaveIsALackOfMemory)
{
    RecordingMessageService messages;
    const RefPtr<Wave> wave = MakeWave({1, 2, 3});
    int32_t begin = 0;
    int32_t end = -1;
    EXPECT_FALSE(wave->periodEcho(&stop, 2e9, 0.5, 4, begin, end));
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(messages.Count(), 1u);
}

} // namespace
