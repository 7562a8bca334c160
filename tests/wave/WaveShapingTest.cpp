#include "WaveBufferTestSupport.h"

#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"

#include <functional>
#include <numeric>

namespace {

using Samples16 = std::vector<int16_t>;
using Shaping = std::function<RefPtr<Wave>(const Wave&, StopFlag*)>;

class WaveShapingTest : public ::testing::Test {
protected:
    StopFlag stop = 0;
};

struct ShapingCase {
    const char* name;
    Samples16 input;
    Shaping shape;
    Samples16 expected;
};

TEST_F(WaveShapingTest, ShapingOperationsGiveTheExpectedSamples)
{
    const RefPtr<Wave> ramp = MakeWave({0, 32767});
    const RefPtr<Wave> full = MakeWave({32767});
    const RefPtr<Wave> silent = MakeWave({0, 0, 0});
    const RefPtr<Wave> identity = MakeWave({-32768, 32767});
    const RefPtr<Wave> flat = MakeWave({1234, 1234, 1234});
    const ShapingCase cases[] = {
        {"add wraps around", {32000, 5}, [](const Wave& w, StopFlag* s) { return w.addValue(s, 1000, 0, -1); },
         {-32536, 1005}},
        {"add leaves the rest", {1, 2, 3}, [](const Wave& w, StopFlag* s) { return w.addValue(s, -5, 1, 2); },
         {1, -3, 3}},
        {"centre", {10, 20}, [](const Wave& w, StopFlag* s) { return w.centre(s, 0, -1); }, {-5, 5}},
        {"centre removes the truncated mean", {1, 2}, [](const Wave& w, StopFlag* s) { return w.centre(s, 0, -1); },
         {0, 1}},
        // -4.5 truncates toward zero to -4, not down to -5.
        {"a negative mean truncates toward zero", {-3, -6},
         [](const Wave& w, StopFlag* s) { return w.centre(s, 0, -1); }, {1, -2}},
        {"volume truncates toward zero", {-3, 3, 7}, [](const Wave& w, StopFlag* s) { return w.multiplyVolume(s, 0.5, 0, 2); },
         {-1, 1, 7}},
        {"volume wraps around", {20000}, [](const Wave& w, StopFlag* s) { return w.multiplyVolume(s, 2, 0, -1); },
         {-25536}},
        {"envelope stretched over the range", {1000, 1000, 1000},
         [&](const Wave& w, StopFlag* s) { return w.applyEnvelope(s, ramp.get(), 0, -1); }, {0, 500, 1000}},
        {"envelope of 32767 keeps the range", {-32768, -7, 0, 9, 32767},
         [&](const Wave& w, StopFlag* s) { return w.applyEnvelope(s, full.get(), 0, -1); },
         {-32768, -7, 0, 9, 32767}},
        {"envelope of 0 silences the range", {-32768, -7, 0, 9, 32767},
         [&](const Wave& w, StopFlag* s) { return w.applyEnvelope(s, silent.get(), 1, 4); }, {-32768, 0, 0, 0, 32767}},
        {"distort through the identity curve", {-32768, -3, 0, 3, 32767},
         [&](const Wave& w, StopFlag* s) { return w.distort(s, identity.get(), 0, -1); }, {-32768, -3, 0, 2, 32766}},
        {"distort through a flat curve", {-32768, -3, 0, 3, 32767},
         [&](const Wave& w, StopFlag* s) { return w.distort(s, flat.get(), 0, -1); }, {1234, 1234, 1234, 1234, 1234}},
        {"hold blocks of 2", {100, 300, -500, -700, 1000},
         [](const Wave& w, StopFlag* s) { return w.blockHold(s, 2, 0, 0, -1); }, {200, 200, -600, -600, 1000}},
        {"hold blocks of 1.5", {100, 300, -500, -700, 1000},
         [](const Wave& w, StopFlag* s) { return w.blockHold(s, 1.5, 0, 0, -1); }, {100, -100, -100, -700, 1000}},
        {"two levels", {100, 300, -500, -700, 1000},
         [](const Wave& w, StopFlag* s) { return w.blockHold(s, 2, 2, 0, -1); }, {32767, 32767, -32768, -32768, 32767}},
        {"one level is silence", {100, 300, -500}, [](const Wave& w, StopFlag* s) { return w.blockHold(s, 4, 1, 0, 2); },
         {0, 0, -500}},
        {"a step below 1 without levels copies", {100, 300, -500},
         [](const Wave& w, StopFlag* s) { return w.blockHold(s, 0.25, 0, 0, -1); }, {100, 300, -500}},
    };
    for (const ShapingCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ValuesOf(c.shape(*MakeWave(c.input), &stop)), c.expected);
    }
    EXPECT_EQ(stop, 0);
}

Samples16 Count(int from, int to)
{
    Samples16 v(static_cast<size_t>(to - from + 1));
    std::iota(v.begin(), v.end(), static_cast<int16_t>(from));
    return v;
}

TEST_F(WaveShapingTest, MovingARangeLeftOfTheStartGrowsTheFront)
{
    const RefPtr<Wave> wave = MakeWave(Count(1, 20));
    int32_t growLeft = -1;
    int32_t growRight = -1;
    wave->moveMargins(&stop, -10, -10, 3, 8, growLeft, growRight);
    EXPECT_EQ(growLeft, 7);
    EXPECT_EQ(growRight, 0);
    int32_t begin = 3;
    int32_t end = 8;
    Samples16 expected = {4, 5, 6, 7, 8, 0, 0, 1, 2, 3, 0, 0, 0, 0, 0};
    const Samples16 rest = Count(9, 20);
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(ValuesOf(wave->moveHorizontally(&stop, -10, growLeft, growRight, begin, end)), expected);
    EXPECT_EQ(begin, 0);
    EXPECT_EQ(end, 5);
}

TEST_F(WaveShapingTest, AWholeShiftCopiesTheRangeOntoWhatLiesThere)
{
    const RefPtr<Wave> wave = MakeWave(Count(1, 8));
    int32_t begin = 1;
    int32_t end = 3;
    EXPECT_EQ(ValuesOf(wave->moveHorizontally(&stop, 2, 0, 0, begin, end)), Samples16({1, 0, 0, 6, 8, 6, 7, 8}));
    EXPECT_EQ(begin, 3);
    EXPECT_EQ(end, 5);
}

TEST_F(WaveShapingTest, MarginsCoverTheLargestShiftOnEachSide)
{
    struct Case {
        double a, b;
        int32_t begin, end, left, right;
    } cases[] = {
        {2.2, 2.2, 1, 3, 0, 0},    // ceil(2.2) = 3 still fits before the end
        {5.5, 5.5, 1, 3, 0, 1},    // 3 + 6 - 8
        {-1.5, 1.5, 1, 7, 1, 1},   // an envelope move: both sides
        {-0.2, -0.2, 0, 4, 1, 0},  // floor(-0.2) = -1
    };
    const RefPtr<Wave> wave = MakeWave(Count(1, 8));
    for (const Case& c : cases) {
        int32_t left = -1;
        int32_t right = -1;
        wave->moveMargins(&stop, c.a, c.b, c.begin, c.end, left, right);
        EXPECT_EQ(left, c.left) << c.a;
        EXPECT_EQ(right, c.right) << c.a;
    }
}

TEST_F(WaveShapingTest, AZeroEnvelopeMoveLeavesTheRangeAndClearsItsSurroundings)
{
    const RefPtr<Wave> wave = MakeWave(Count(1, 8));
    const RefPtr<Wave> zero = MakeWave({0, 0, 0});
    int32_t begin = 3;
    int32_t end = 5;
    EXPECT_EQ(ValuesOf(wave->moveHorizontallyEnvelope(&stop, 1.5, zero.get(), 0, 0, begin, end)),
              Samples16({1, 0, 0, 4, 5, 0, 0, 8}));
    EXPECT_EQ(begin, 1);
    EXPECT_EQ(end, 6);
}

TEST_F(WaveShapingTest, AnEnvelopeMoveShiftsByTheEnvelopeValue)
{
    // 32767 / 32768 times 2: a shift a hair under two samples, so the range's
    // last sample lands between 40 and the silence after the range. The window
    // (two samples each side) is written anew, the samples outside it kept.
    const RefPtr<Wave> wave = MakeWave({10, 20, 30, 40, 50, 60, 70, 80});
    const RefPtr<Wave> right = MakeWave({32767});
    int32_t begin = 2;
    int32_t end = 4;
    const Samples16 got = ValuesOf(wave->moveHorizontallyEnvelope(&stop, 2, right.get(), 0, 0, begin, end));
    EXPECT_EQ(got, Samples16({0, 0, 0, 0, 30, 0, 70, 80}));
}

TEST_F(WaveShapingTest, DegenerateRangesAndEnvelopesAreHandled)
{
    const RefPtr<Wave> wave = MakeWave({1000, 1000});
    const RefPtr<Wave> half = MakeWave({16384, 32767});
    const RefPtr<Wave> none = MakeWave({});
    // A range of one sample meets the envelope's first sample.
    EXPECT_EQ(ValuesOf(wave->applyEnvelope(&stop, half.get(), 1, 2)), Samples16({1000, 500}));
    // No envelope at all reads as silence.
    EXPECT_EQ(ValuesOf(wave->applyEnvelope(&stop, none.get(), 0, -1)), Samples16({0, 0}));
    EXPECT_EQ(ValuesOf(wave->applyEnvelope(&stop, nullptr, 0, 1)), Samples16({0, 1000}));
    // An empty range has no mean; nothing changes.
    EXPECT_EQ(ValuesOf(wave->centre(&stop, 1, 1)), Samples16({1000, 1000}));
    EXPECT_EQ(ValuesOf(wave->blockHold(&stop, 3, 4, 2, 2)), Samples16({1000, 1000}));
    // An empty curve maps everything to 0; a missing one gives no Wave.
    EXPECT_EQ(ValuesOf(wave->distort(&stop, none.get(), 0, -1)), Samples16({0, 0}));
    EXPECT_FALSE(wave->distort(&stop, nullptr, 0, -1));
    // Margins too small for the shift: what would land outside is dropped.
    int32_t begin = 0;
    int32_t end = 2;
    EXPECT_EQ(ValuesOf(wave->moveHorizontallyEnvelope(&stop, 5, half.get(), 0, 0, begin, end)).size(), 2u);
    EXPECT_EQ(stop, 0);
}

// Another owner of the Wave must not see the change.
TEST_F(WaveShapingTest, InPlaceVolumeDetachesASharedWave)
{
    RefPtr<Wave> mine = MakeWave({100, 200, 300});
    const RefPtr<Wave> theirs = mine;
    Wave::multiplyVolumeInPlace(&stop, mine, 2, 1, -1);
    EXPECT_NE(mine.get(), theirs.get());
    EXPECT_EQ(ValuesOf(mine), Samples16({100, 400, 600}));
    EXPECT_EQ(ValuesOf(theirs), Samples16({100, 200, 300}));

    // A Wave held once is changed where it is.
    Wave* before = mine.get();
    Wave::multiplyVolumeInPlace(&stop, mine, 0.5, 0, 1);
    EXPECT_EQ(mine.get(), before);
    EXPECT_EQ(ValuesOf(mine), Samples16({50, 400, 600}));
}

TEST_F(WaveShapingTest, InPlaceVolumeStopsAtTheNextChunk)
{
    RefPtr<Wave> wave = MakeFilledWave(2500, 256);
    // 256 times 1.5 is 384, whose low byte raises the flag once sample 1500 is written.
    StopFlag* flag = FlagInSample(*wave, 1500);
    Wave::multiplyVolumeInPlace(flag, wave, 1.5, 0, -1);
    const Samples16 got = ValuesOf(wave);
    EXPECT_EQ(got[1999], 384);
    EXPECT_EQ(got[2000], 256);
    EXPECT_EQ(got[2499], 256);
}

TEST_F(WaveShapingTest, FailedAllocationGivesNoWaveAndOneMessage)
{
    RecordingMessageService messages;
    const RefPtr<Wave> wave = MakeWave({1, 2, 3});
    AllocationHook::FailNext(1);
    EXPECT_FALSE(wave->blockHold(&stop, 2, 3, 0, -1));
    EXPECT_EQ(stop, 1);
    EXPECT_FALSE(wave->centre(&stop, 0, -1));
    EXPECT_EQ(messages.Count(), 1u);
    AllocationHook::Reset();
}

} // namespace
