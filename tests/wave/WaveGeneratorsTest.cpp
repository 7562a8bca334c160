#include "WaveBufferTestSupport.h"

#include "platform/Random15.h"
#include "wave/SinusTable.h"

#include <functional>

namespace {

using Samples16 = std::vector<int16_t>;

class WaveGeneratorsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        StopFlag stop = 0;
        CreateSinusTable(&stop);
    }
    static void TearDownTestSuite() { DeleteSinusTable(); }
    StopFlag stop = 0;
};

// Every replacing generator on an empty Wave (0 to -1) and in the middle of a
// Wave (the head and tail kept, end moved to begin + n).
struct GeneratorCase {
    const char* name;
    std::function<RefPtr<Wave>(const Wave&, StopFlag*, int32_t&, int32_t&)> make;
    Samples16 expected;
};

const double vol2[] = {1.0, 1.0};
const double per2[] = {4.0, 4.0};
const double ang2[] = {0.25, 0.25};
const double fac2[] = {1.0, 1.0};

std::vector<GeneratorCase> GeneratorCases()
{
    return {
        {"silence", [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.insertSilence(s, 3, b, e); },
         {0, 0, 0}},
        {"line", [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.makeLine(s, 0, 100, 5, b, e); },
         {0, 25, 50, 75, 100}},
        {"line of one sample makes both ends",
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.makeLine(s, -7, 9, 1, b, e); },
         {-7, 9}},
        {"exponential line stops one step short of to",
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             return w.makeExponentialLine(s, 100, 400, 2, b, e);
         },
         {100, 200}},
        {"block", [](const Wave& w, StopFlag* s, int32_t& b,
                     int32_t& e) { return w.makeBlockTriangle(s, 1000, -1000, 4, 0.5, 6, 0, false, b, e); },
         {1000, 1000, -1000, -1000, 1000, 1000}},
        {"triangle rising over the whole cycle",
         [](const Wave& w, StopFlag* s, int32_t& b,
            int32_t& e) { return w.makeBlockTriangle(s, 0, 1000, 4, 1, 5, 0, true, b, e); },
         {0, 250, 500, 750, 0}},
        {"triangle falling from height2",
         [](const Wave& w, StopFlag* s, int32_t& b,
            int32_t& e) { return w.makeBlockTriangle(s, 0, 1000, 4, 0, 5, 0, true, b, e); },
         {1000, 750, 500, 250, 1000}},
        {"block of no length inserts nothing",
         [](const Wave& w, StopFlag* s, int32_t& b,
            int32_t& e) { return w.makeBlockTriangle(s, 1, 2, 4, 0.5, 0, 0, false, b, e); },
         {}},
        {"block with a one-sample middle envelope (0 is one half)",
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             RefPtr<Wave> env = MakeWave({0});
             return w.makeBlockTriangleEnvelope(s, 1000, -1000, 4, env.get(), 5, 0, false, b, e);
         },
         {1000, 1000, -1000, -1000, 1000}},
        {"block with no middle envelope",
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             return w.makeBlockTriangleEnvelope(s, 1000, -1000, 4, nullptr, 1, 0, false, b, e);
         },
         {1000}},
        {"sine shorter than a sample still makes one",
         [](const Wave& w, StopFlag* s, int32_t& b,
            int32_t& e) { return w.makeSinus(s, 1000, 0, 4, 0.1, 0, b, e); },
         {500}},
        {"two components wrap round instead of clipping",
         [](const Wave& w, StopFlag* s, int32_t& b,
            int32_t& e) { return w.multiFrequency(s, 1, 2, vol2, per2, ang2, fac2, b, e); },
         // Both read the table at its peak (32766 at 2250); the sum passes 32767.
         {-4}}, // 65532 keeps its low 16 bits
    };
}

TEST_F(WaveGeneratorsTest, OnEmptyWaveMakeExactlyTheGeneratedSamples)
{
    for (const GeneratorCase& c : GeneratorCases()) {
        SCOPED_TRACE(c.name);
        RefPtr<Wave> empty = MakeWave({});
        int32_t begin = 0;
        int32_t end = -1;
        RefPtr<Wave> got = c.make(*empty, &stop, begin, end);
        ASSERT_TRUE(got);
        EXPECT_EQ(ValuesOf(got), c.expected);
        EXPECT_EQ(begin, 0);
        EXPECT_EQ(end, static_cast<int32_t>(c.expected.size()));
    }
}

TEST_F(WaveGeneratorsTest, InsideWaveReplaceTheRangeAndKeepHeadAndTail)
{
    for (const GeneratorCase& c : GeneratorCases()) {
        SCOPED_TRACE(c.name);
        RefPtr<Wave> wave = MakeWave({11, 22, 33, 44, 55});
        int32_t begin = 1;
        int32_t end = 3;
        RefPtr<Wave> got = c.make(*wave, &stop, begin, end);
        Samples16 expected{11};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        expected.insert(expected.end(), {44, 55});
        EXPECT_EQ(ValuesOf(got), expected);
        EXPECT_EQ(begin, 1);
        EXPECT_EQ(end, 1 + static_cast<int32_t>(c.expected.size()));
        EXPECT_EQ(ValuesOf(wave), (Samples16{11, 22, 33, 44, 55}));
    }
}

TEST_F(WaveGeneratorsTest, LineFromZeroToHundredHitsEveryInteger)
{
    int32_t begin = 0;
    int32_t end = -1;
    Samples16 got = ValuesOf(MakeWave({})->makeLine(&stop, 0, 100, 101, begin, end));
    ASSERT_EQ(got.size(), 101u);
    for (int16_t k = 0; k <= 100; ++k)
        EXPECT_EQ(got[k], k);
}

TEST_F(WaveGeneratorsTest, SilenceOfNoLengthDeletesTheRange)
{
    int32_t begin = 1;
    int32_t end = 3;
    RefPtr<Wave> got = MakeWave({1, 2, 3, 4})->insertSilence(&stop, 0, begin, end);
    EXPECT_EQ(ValuesOf(got), (Samples16{1, 4}));
    EXPECT_EQ(end, 1);
}

TEST_F(WaveGeneratorsTest, NoiseStaysWithinTheVolumeAndFollowsTheSharedGenerator)
{
    SharedRandom().Seed(42);
    int32_t begin = 0;
    int32_t end = -1;
    Samples16 first = ValuesOf(MakeWave({})->makeNoise(&stop, 1000, 5000, begin, end));
    ASSERT_EQ(first.size(), 5000u);
    EXPECT_GE(*std::min_element(first.begin(), first.end()), -1000);
    EXPECT_LT(*std::max_element(first.begin(), first.end()), 1000);
    SharedRandom().Seed(42);
    end = -1;
    EXPECT_EQ(ValuesOf(MakeWave({})->makeNoise(&stop, 1000, 5000, begin, end)), first);
}

TEST_F(WaveGeneratorsTest, SineSwingsAroundTheCentre)
{
    int32_t begin = 0;
    int32_t end = -1;
    // Quarter periods of 32767 down to -32767 read table positions 0, 2249.75,
    // 4499.5 and 6749.25 (the cycle spans 8999 positions).
    Samples16 got = ValuesOf(MakeWave({})->makeSinus(&stop, 32767, -32767, 4, 2, 0, begin, end));
    EXPECT_EQ(got, (Samples16{0, 32765, 12, -32765, 0, 32765, 12, -32765}));
    end = -1;
    got = ValuesOf(MakeWave({})->makeSinus(&stop, 3000, 1000, 4, 1, 0.5, begin, end));
    // centre 2000, swing 1000: starting half way round.
    EXPECT_EQ(got[0], 2000);
    EXPECT_EQ(got[1], 1000);
}

TEST_F(WaveGeneratorsTest, DrawSegmentWritesALineInPlace)
{
    struct Case {
        int32_t begin, end;
        int16_t v0, v1;
        Samples16 expected;
    };
    const Case cases[] = {
        {1, 3, 10, 20, {0, 10, 20, 0}},     // two samples: both ends
        {1, 2, 10, 21, {0, 15, 0, 0}},      // one sample: the truncated mean
        {0, 4, 0, 30, {0, 10, 20, 30}},     // sample `end` is not written
        {2, 2, 5, 5, {0, 0, 0, 0}},         // nothing
        {-2, 2, 0, 30, {20, 30, 0, 0}},     // only the part inside the Wave
        {2, 9, 0, 60, {0, 0, 0, 10}},
        {-3, 4, 0, 1, {0, 0, 0, 1}},        // the last sample is value1 exactly
        {3, 1, 5, 5, {0, 0, 0, 0}},         // backwards: nothing
    };
    for (const Case& c : cases) {
        RefPtr<Wave> wave = MakeWave({0, 0, 0, 0});
        Wave::drawSegment(&stop, wave, c.begin, c.v0, c.end, c.v1);
        EXPECT_EQ(ValuesOf(wave), c.expected) << c.begin << ".." << c.end;
    }
}

TEST_F(WaveGeneratorsTest, MultiFrequencyCycleIsOneTablePositionShort)
{
    // One component with period 9000 steps one table position per sample and
    // wraps at 8999: sample 8999 reads position 0 again.
    const double volume[] = {1.0};
    const double period[] = {9000.0};
    const double angle[] = {0.0};
    const double factor[] = {1.0};
    int32_t begin = 0;
    int32_t end = -1;
    Samples16 got = ValuesOf(MakeWave({})->multiFrequency(&stop, 9001, 1, volume, period, angle, factor, begin, end));
    ASSERT_EQ(got.size(), 9001u);
    EXPECT_EQ(got[2250], 32766);
    EXPECT_EQ(got[8998], SinusTable->getData()[8998]);
    EXPECT_EQ(got[8999], 0);
    EXPECT_EQ(got[9000], SinusTable->getData()[1]);
}

TEST_F(WaveGeneratorsTest, MultiFrequencyDecaysAndSilencesStartsOutsideTheForm)
{
    RefPtr<Wave> form = MakeWave({100, 100, 100, 100});
    const double volume[] = {1.0, 1.0};
    const double period[] = {4.0, 4.0};
    const double angle[] = {0.0, -0.5};
    const double factor[] = {0.5, 1.0};
    int32_t begin = 0;
    int32_t end = -1;
    Samples16 got = ValuesOf(
        MakeWave({})->multiFrequencyWaveForm(&stop, 3, form.get(), 2, volume, period, angle, factor, begin, end));
    // Component 0 halves each sample; component 1 starts at -2 (read as 0)
    // and is then wrapped into the form.
    EXPECT_EQ(got, (Samples16{100, 150, 125}));
    // Without components every sample is 0.
    end = -1;
    got = ValuesOf(MakeWave({})->multiFrequencyWaveForm(&stop, 2, form.get(), 0, nullptr, nullptr, nullptr, nullptr,
                                                       begin, end));
    EXPECT_EQ(got, (Samples16{0, 0}));
}

TEST_F(WaveGeneratorsTest, StoppedGeneratorLeavesTheRestUnwritten)
{
    RefPtr<Wave> source = MakeFilledWave(10, 1);
    int32_t begin = 0;
    int32_t end = -1;
    stop = 1;
    EXPECT_FALSE(source->makeLine(&stop, 0, 10, 3000, begin, end));
}

} // namespace
