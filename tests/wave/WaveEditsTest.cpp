#include "WaveBufferTestSupport.h"

#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"

#include <functional>

namespace {

using Samples16 = std::vector<int16_t>;

class WaveEditsTest : public ::testing::Test {
protected:
    StopFlag stop = 0;
    RefPtr<Wave> wave = MakeWave({1, 2, 3, 4, 5, 6});
};

struct EditCase {
    const char* name;
    std::function<RefPtr<Wave>(const Wave&, StopFlag*)> edit;
    Samples16 expected;
};

TEST_F(WaveEditsTest, NewWaveEditsGiveTheExpectedSamples)
{
    const RefPtr<Wave> other = MakeWave({8, 9});
    const RefPtr<Wave> none = MakeWave({});
    const EditCase cases[] = {
        {"extract all with end -1", [](const Wave& w, StopFlag* s) { return w.extractRange(s, 0, -1); },
         {1, 2, 3, 4, 5, 6}},
        {"extract", [](const Wave& w, StopFlag* s) { return w.extractRange(s, 2, 4); }, {3, 4}},
        {"extract nothing", [](const Wave& w, StopFlag* s) { return w.extractRange(s, 3, 3); }, {}},
        {"delete", [](const Wave& w, StopFlag* s) { return w.deleteRange(s, 1, 5); }, {1, 6}},
        {"delete nothing", [](const Wave& w, StopFlag* s) { return w.deleteRange(s, 2, 2); }, {1, 2, 3, 4, 5, 6}},
        {"replace", [&](const Wave& w, StopFlag* s) { return w.replace(s, other.get(), 1, 5); }, {1, 8, 9, 6}},
        {"replace at a point inserts",
         [&](const Wave& w, StopFlag* s) { return w.replace(s, other.get(), 2, 2); },
         {1, 2, 8, 9, 3, 4, 5, 6}},
        {"replace by an empty Wave deletes",
         [&](const Wave& w, StopFlag* s) { return w.replace(s, none.get(), 1, 3); },
         {1, 4, 5, 6}},
        {"concatenate", [&](const Wave& w, StopFlag* s) { return w.concatenate(s, other.get()); },
         {1, 2, 3, 4, 5, 6, 8, 9}},
        {"rotate", [](const Wave& w, StopFlag* s) { return w.rotate(s, 1, 1, 5); }, {1, 3, 4, 5, 2, 6}},
        {"rotate by 0", [](const Wave& w, StopFlag* s) { return w.rotate(s, 0, 1, 5); }, {1, 2, 3, 4, 5, 6}},
        {"rotate by the whole range", [](const Wave& w, StopFlag* s) { return w.rotate(s, 4, 1, 5); },
         {1, 2, 3, 4, 5, 6}},
        {"rotate further than the range turns on", [](const Wave& w, StopFlag* s) { return w.rotate(s, 5, 1, 5); },
         {1, 3, 4, 5, 2, 6}},
        {"rotate an empty range", [](const Wave& w, StopFlag* s) { return w.rotate(s, 3, 2, 2); },
         {1, 2, 3, 4, 5, 6}},
        {"reverse", [](const Wave& w, StopFlag* s) { return w.reverse(s, 1, 4); }, {1, 4, 3, 2, 5, 6}},
        {"reverse all", [](const Wave& w, StopFlag* s) { return w.reverse(s, 0, -1); }, {6, 5, 4, 3, 2, 1}},
        {"reverse a bound past the end", [](const Wave& w, StopFlag* s) { return w.reverse(s, 4, 99); },
         {1, 2, 3, 4, 6, 5}},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        RefPtr<Wave> got = c.edit(*wave, &stop);
        ASSERT_TRUE(got);
        EXPECT_NE(got.get(), wave.get());
        EXPECT_EQ(ValuesOf(got), c.expected);
        EXPECT_EQ(ValuesOf(wave), (Samples16{1, 2, 3, 4, 5, 6}));
    }
}

TEST_F(WaveEditsTest, MissingOtherGivesNoWave)
{
    EXPECT_FALSE(wave->replace(&stop, nullptr, 0, 1));
    EXPECT_FALSE(wave->concatenate(&stop, nullptr));
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveEditsTest, RangePrimitivesWorkInPlace)
{
    RefPtr<Wave> source = MakeWave({30000, 7, -8});
    RefPtr<Wave> target = MakeWave({30000, 0, 0, 0});
    target->addRange(&stop, *source, 0, 2, 0);
    EXPECT_EQ(ValuesOf(target), (Samples16{-5536, 7, 0, 0})); // wraps, no clipping
    target->copyRange(&stop, *source, 1, 3, 2);
    EXPECT_EQ(ValuesOf(target), (Samples16{-5536, 7, 7, -8}));
    target->zeroRange(&stop, 1, 3);
    EXPECT_EQ(ValuesOf(target), (Samples16{-5536, 0, 0, -8}));
    // Bounds past either Wave are cut to what both hold.
    target->copyRange(&stop, *source, 0, 3, 3);
    EXPECT_EQ(ValuesOf(target), (Samples16{-5536, 0, 0, 30000}));
    target->zeroRange(&stop, -5, 99);
    EXPECT_EQ(ValuesOf(target), (Samples16{0, 0, 0, 0}));
}

TEST_F(WaveEditsTest, MirrorMakesTheRangeSymmetric)
{
    struct Case {
        Samples16 in;
        int32_t begin, end;
        Samples16 expected;
    } const cases[] = {
        {{1, 2, 3, 4}, 0, 4, {4, 3, 3, 4}},
        {{1, 2, 3}, 0, -1, {3, 2, 3}},
        {{9, 1, 2, 3, 4, 9}, 1, 5, {9, 4, 3, 3, 4, 9}},
        {{5}, 0, 1, {5}},
    };
    for (const Case& c : cases) {
        RefPtr<Wave> w = MakeWave(c.in);
        Wave::mirrorInPlace(&stop, w, c.begin, c.end);
        EXPECT_EQ(ValuesOf(w), c.expected);
    }
}

TEST_F(WaveEditsTest, MeasurementsOfMagnitude)
{
    struct Case {
        Samples16 in;
        int32_t maxAbs;
        int16_t max, minMagnitude;
    } const cases[] = {
        {{-32768, 5}, 32768, 5, 32767}, // saturated: a full negative peak is not the smallest
        {{-5, 7}, 7, 7, 5},
        {{3, 9, 4}, 9, 9, 0},
        {{-3, -9}, 9, 0, 9},
        {{}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        RefPtr<Wave> w = MakeWave(c.in);
        EXPECT_EQ(w->getMaxAbs(&stop, 0, w->getValues()), c.maxAbs);
        int16_t max = -1;
        int16_t minMagnitude = -1;
        w->getMinMax(&stop, max, minMagnitude, 0, w->getValues());
        EXPECT_EQ(max, c.max);
        EXPECT_EQ(minMagnitude, c.minMagnitude);
    }
}

TEST_F(WaveEditsTest, MeasurementOverPartOfWave)
{
    RefPtr<Wave> w = MakeWave({-100, 3, -4, 100});
    EXPECT_EQ(w->getMaxAbs(&stop, 1, 3), 4);
    int16_t max = 0;
    int16_t minMagnitude = 0;
    w->getMinMax(&stop, max, minMagnitude, 1, 3);
    EXPECT_EQ(max, 3);
    EXPECT_EQ(minMagnitude, 4);
}

TEST_F(WaveEditsTest, StoppedMeasurementGivesZero)
{
    stop = 1;
    EXPECT_EQ(wave->getMaxAbs(&stop, 0, 6), 0);
}

TEST_F(WaveEditsTest, FailedAllocationGivesNoWaveAndOneMessage)
{
    RecordingMessageService messages;
    AllocationHook::FailNext(1);
    EXPECT_FALSE(wave->deleteRange(&stop, 1, 2));
    EXPECT_EQ(stop, 1);
    EXPECT_FALSE(wave->concatenate(&stop, wave.get()));
    EXPECT_EQ(messages.Count(), 1u);
    AllocationHook::Reset();
}

} // namespace
