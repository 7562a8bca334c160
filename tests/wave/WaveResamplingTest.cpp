#include "WaveBufferTestSupport.h"

#include <functional>

namespace {

using Samples16 = std::vector<int16_t>;

class WaveResamplingTest : public ::testing::Test {
protected:
    StopFlag stop = 0;
};

struct RangeCase {
    const char* name;
    Samples16 wave;
    int32_t begin, end;
    std::function<RefPtr<Wave>(const Wave&, StopFlag*, int32_t&, int32_t&)> op;
    Samples16 expected;
    int32_t endAfter;
};

TEST_F(WaveResamplingTest, RangeOperations)
{
    const RangeCase cases[] = {
        {"factor 1 is an exact copy", {5, -3, 7, 100}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.resampleRange(s, 1, b, e); },
         {5, -3, 7, 100}, 4},
        {"factor -1 reverses", {5, -3, 7, 100}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.resampleRange(s, -1, b, e); },
         {100, 7, -3, 5}, 4},
        // Three samples to five: positions 0, 0.6, 1.2, 1.8, 2.4, the last one
        // halfway into the sample after the range.
        {"factor 2 over three samples", {0, 7, 14, 21, 28}, 1, 4,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.resampleRange(s, 2, b, e); },
         {0, 7, 11, 15, 19, 23, 28}, 6},
        {"factor 0 keeps one sample", {1, 2, 3}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.resampleRange(s, 0, b, e); }, {1}, 1},
        {"to half the length", {10, 20, 30, 40}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.resampleRangeToLength(s, 2, false, b, e); },
         {10, 30}, 2},
        {"to twice the length reads towards the next sample", {10, 20, 30, 40, 50}, 0, 2,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.resampleRangeToLength(s, 4, false, b, e); },
         {10, 15, 20, 25, 30, 40, 50}, 4},
        {"to twice the length reversed", {10, 20, 30, 40, 50}, 0, 2,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.resampleRangeToLength(s, 4, true, b, e); },
         {25, 20, 15, 10, 30, 40, 50}, 4},
        {"to no length deletes the range", {1, 2, 3}, 1, 2,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.resampleRangeToLength(s, 0, false, b, e); },
         {1, 3}, 1},
        {"roll in folds the laps onto the window", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.rollIn(s, 4, 0, b, e); },
         {1 + 5 + 9, 2 + 6 + 10, 3 + 7, 4 + 8}, 4},
        {"roll in with a target outside the window", {1, 2, 3}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.rollIn(s, 2, 3, b, e); }, {2, 1 + 3}, 2},
        {"roll in to no window leaves nothing of the range", {9, 1, 2, 9}, 1, 3,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.rollIn(s, 0, 0, b, e); }, {9, 9}, 1},
        {"roll out repeats the range squeezed to a period", {0, 100, 200, 300}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.rollOut(s, &w, 4, 2, 0, b, e, 0, -1); },
         {0, 75, 150, 225, 0, 75, 150, 225}, 8},
        {"roll out backwards", {0, 100, 200, 300}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.rollOut(s, &w, -4, 1, 0, b, e, 0, -1); },
         {0, 225, 150, 75}, 4},
        {"roll out of no form is silence", {1, 2}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             return w.rollOut(s, nullptr, 3, 1, 0, b, e, 0, -1);
         },
         {0, 0, 0}, 3},
        {"roll out with a held envelope repeats the start", {10, 20, 30, 40}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             RefPtr<Wave> still = MakeWave({0});
             return w.rollOutEnvelope(s, still.get(), 1.5, 1, 0.5, b, e);
         },
         {30, 30, 30, 30, 30, 30}, 6},
        {"roll out at half speed closes the loop", {10, 20, 30, 40}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             RefPtr<Wave> full = MakeWave({32767, 32767});
             return w.rollOutEnvelope(s, full.get(), 2, 0.5, 0, b, e);
         },
         {15, 20, 25, 30, 35, 40, 25, 10}, 8},
        // Each step lands exactly one loop back (x = -4): the wrap by whole loops
        // would put it on `end`, outside the loop; it belongs on `begin`.
        {"roll out back by the whole loop stays in it", {10, 20, 30, 40, 50}, 0, 4,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
             RefPtr<Wave> full = MakeWave({32767});
             return w.rollOutEnvelope(s, full.get(), 1, -4, 0, b, e);
         },
         {10, 10, 10, 10, 50}, 4},
        {"roll out with no envelope holds", {10, 20}, 0, -1,
         [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) { return w.rollOutEnvelope(s, nullptr, 1, 1, 0, b, e); },
         {10, 10}, 2},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        RefPtr<Wave> wave = MakeWave(c.wave);
        int32_t begin = c.begin;
        int32_t end = c.end;
        RefPtr<Wave> got = c.op(*wave, &stop, begin, end);
        ASSERT_TRUE(got);
        EXPECT_EQ(ValuesOf(got), c.expected);
        EXPECT_EQ(begin, c.begin);
        EXPECT_EQ(end, c.endAfter);
        EXPECT_EQ(ValuesOf(wave), c.wave);
    }
}

TEST_F(WaveResamplingTest, EmptyRangeGivesAnUnchangedCopyAndKeepsTheBounds)
{
    // By the formula a factor of 3 would make -2 samples and 0.5 would erase
    // the whole Wave.
    for (double factor : {3.0, 0.5, -2.0, 1.0}) {
        RefPtr<Wave> wave = MakeWave({1, 2, 3});
        int32_t begin = 1;
        int32_t end = 1;
        RefPtr<Wave> got = wave->resampleRange(&stop, factor, begin, end);
        EXPECT_EQ(ValuesOf(got), (Samples16{1, 2, 3})) << factor;
        EXPECT_EQ(begin, 1);
        EXPECT_EQ(end, 1);
        EXPECT_EQ(ValuesOf(MakeWave({})->resample(&stop, factor)), Samples16{});
    }
}

TEST_F(WaveResamplingTest, UpsamplingTheWholeWaveNeverReadsPastIt)
{
    // The last position lies between the last sample and the one after it,
    // which does not exist: the last sample stands in for it.
    RefPtr<Wave> wave = MakeWave({10, 20});
    EXPECT_EQ(ValuesOf(wave->resample(&stop, 2)), (Samples16{10, 16, 20}));
    EXPECT_EQ(ValuesOf(wave->resampleToLength(&stop, 4, false)), (Samples16{10, 15, 20, 20}));
    EXPECT_EQ(ValuesOf(wave->resampleToLength(&stop, 4, true)), (Samples16{20, 20, 15, 10}));
    // It stands in for the sample, the interpolation itself stays: at 1/9,
    // 8/9 of -32767 plus 1/9 of -32767 comes out a hair above -32767.
    EXPECT_EQ(ValuesOf(MakeWave({-32767})->resampleToLength(&stop, 9, false)),
              (Samples16{-32767, -32766, -32767, -32767, -32767, -32767, -32767, -32767, -32767}));
}

TEST_F(WaveResamplingTest, LongResampleStopsWhenTheFlagIsSet)
{
    RefPtr<Wave> wave = MakeFilledWave(5000, 3);
    stop = 1;
    EXPECT_FALSE(wave->resample(&stop, 1.5));
    int32_t begin = 0;
    int32_t end = -1;
    EXPECT_FALSE(wave->rollIn(&stop, 10, 0, begin, end));
}

} // namespace
