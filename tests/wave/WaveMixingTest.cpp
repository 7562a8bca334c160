#include "WaveBufferTestSupport.h"

#include <functional>

namespace {

using Samples16 = std::vector<int16_t>;

class WaveMixingTest : public ::testing::Test {
protected:
    StopFlag stop = 0;
};

struct MixInPlaceCase {
    const char* name;
    Samples16 wave, other;
    std::function<void(StopFlag*, RefPtr<Wave>&, const Wave*)> mix;
    Samples16 expected;
};

TEST_F(WaveMixingTest, InPlaceMixes)
{
    const MixInPlaceCase cases[] = {
        {"add at 0", {1, 2, 3}, {10, 20}, [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixAdd(s, w, o, 0); },
         {11, 22, 3}},
        {"add wraps round", {30000}, {30000},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixAdd(s, w, o, 0); }, {-5536}},
        {"add beyond the end changes nothing", {1, 2}, {10},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixAdd(s, w, o, 5); }, {1, 2}},
        {"add before the start", {0, 0}, {1, 2, 3, 4, 5},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixAdd(s, w, o, -3); }, {4, 5}},
        {"add far before the start", {0, 0}, {1},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixAdd(s, w, o, INT32_MIN); }, {0, 0}},
        {"add with a factor truncates", {100, 100}, {10, -10},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixAddFactor(s, w, o, 0, 0.25); }, {102, 97}},
        {"aligned", {1, 2, 3}, {10, 20, 30},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixAddAligned(s, w, o, 1, 0); }, {1, 12, 23}},
        {"aligned on equal positions is add at 0", {1, 2, 3}, {10, 20},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixAddAligned(s, w, o, 2, 2); }, {11, 22, 3}},
        {"aligned with a factor", {1, 2, 3}, {10, 20, 30},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixAddAlignedFactor(s, w, o, 0, 1, 0.5); },
         {11, 17, 3}},
        {"cycle round the end as often as needed", {0, 0, 0, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixCycleAfterThis(s, w, o, 2); },
         {3 + 7, 4 + 8, 1 + 5 + 9, 2 + 6 + 10}},
        {"cycle from a start outside the Wave", {0, 0, 0}, {1, 2},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixCycleAfterThis(s, w, o, 5); }, {2, 0, 1}},
        {"cycle into an empty Wave", {}, {1, 2},
         [](StopFlag* s, RefPtr<Wave>& w, const Wave* o) { Wave::mixCycleAfterThis(s, w, o, 0); }, {}},
    };
    for (const MixInPlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        RefPtr<Wave> wave = MakeWave(c.wave);
        RefPtr<Wave> other = MakeWave(c.other);
        c.mix(&stop, wave, other.get());
        EXPECT_EQ(ValuesOf(wave), c.expected);
        EXPECT_EQ(ValuesOf(other), c.other);
        // A missing other leaves the Wave alone.
        RefPtr<Wave> untouched = MakeWave(c.wave);
        c.mix(&stop, untouched, nullptr);
        EXPECT_EQ(ValuesOf(untouched), c.wave);
    }
}

TEST_F(WaveMixingTest, InPlaceMixWithFlagSetReturnsAtOnce)
{
    RefPtr<Wave> wave = MakeWave({1, 2, 3, 4});
    RefPtr<Wave> other = MakeWave({1, 1, 1, 1, 1, 1});
    stop = 1;
    Wave::mixCycleAfterThis(&stop, wave, other.get(), 2);
    Wave::mixAdd(&stop, wave, other.get(), 0);
    EXPECT_EQ(ValuesOf(wave), (Samples16{1, 2, 3, 4}));
}

struct MixNewCase {
    const char* name;
    std::function<RefPtr<Wave>(const Wave&, StopFlag*, const Wave*)> mix;
    Samples16 expected;
};

TEST_F(WaveMixingTest, MixesIntoNewWave)
{
    const Samples16 wave{1, 2};
    const Samples16 other{10, 20, 30};
    const MixNewCase cases[] = {
        {"at a position", [](const Wave& w, StopFlag* s, const Wave* o) { return w.mixAt(s, o, 1, -1, false); },
         {1, 12, 20, 30}},
        {"before the start grows the front",
         [](const Wave& w, StopFlag* s, const Wave* o) { return w.mixAt(s, o, -5, -1, false); },
         {10, 20, 30, 0, 0, 1, 2}},
        {"beyond the end grows the back with zeros",
         [](const Wave& w, StopFlag* s, const Wave* o) { return w.mixAt(s, o, 4, -1, false); },
         {1, 2, 0, 0, 10, 20, 30}},
        {"first part of other", [](const Wave& w, StopFlag* s, const Wave* o) { return w.mixAt(s, o, 0, 2, false); },
         {11, 22}},
        {"last part of other", [](const Wave& w, StopFlag* s, const Wave* o) { return w.mixAt(s, o, 0, 2, true); },
         {21, 32}},
        {"more than other has", [](const Wave& w, StopFlag* s, const Wave* o) { return w.mixAt(s, o, 0, 9, true); },
         {11, 22, 30}},
        {"aligned at the end",
         [](const Wave& w, StopFlag* s, const Wave* o) { return w.mixAlignEnd(s, o, 2, -1, false); },
         {10, 21, 32}},
        {"aligned at the end, last sample only",
         [](const Wave& w, StopFlag* s, const Wave* o) { return w.mixAlignEnd(s, o, 2, 1, true); }, {1, 32}},
        {"left and right", [](const Wave& w, StopFlag* s, const Wave* o) { return w.mixLeftRight(s, 2, o, 0.5, 0, -1); },
         {7, 14}},
        {"left and right over part", [](const Wave& w, StopFlag* s, const Wave* o) {
             return w.mixLeftRight(s, 2, o, 0.5, 1, 2); },
         {1, 14}},
    };
    for (const MixNewCase& c : cases) {
        SCOPED_TRACE(c.name);
        RefPtr<Wave> w = MakeWave(wave);
        RefPtr<Wave> o = MakeWave(other);
        EXPECT_EQ(ValuesOf(c.mix(*w, &stop, o.get())), c.expected);
        EXPECT_EQ(ValuesOf(w), wave);
        EXPECT_FALSE(c.mix(*w, &stop, nullptr));
        EXPECT_EQ(stop, 0);
    }
}

TEST_F(WaveMixingTest, MixDownTruncatesTheMean)
{
    RefPtr<Wave> left = MakeWave({3, -3, 32767});
    RefPtr<Wave> right = MakeWave({4, -4, 32767});
    EXPECT_EQ(ValuesOf(left->mixDown(&stop, right.get())), (Samples16{3, -3, 32767}));
    // A shorter other counts as silence where it has no samples.
    RefPtr<Wave> shorter = MakeWave({4});
    EXPECT_EQ(ValuesOf(left->mixDown(&stop, shorter.get())), (Samples16{3, -1, 16383}));
}

TEST_F(WaveMixingTest, StretchedMixNeverReachesTheLastSampleOfOther)
{
    RefPtr<Wave> wave = MakeWave({1, 0, 0, 0, 0, 1});
    RefPtr<Wave> other = MakeWave({0, 100});
    // Step 1/5 over the four samples 1..4: positions 0, 0.2, 0.4, 0.6.
    EXPECT_EQ(ValuesOf(wave->mixStretch(&stop, other.get(), 1, 5)), (Samples16{1, 0, 20, 40, 60, 1}));
    EXPECT_EQ(ValuesOf(wave->mixStretch(&stop, other.get(), 0, -1)).back(), 1 + 71);
}

TEST_F(WaveMixingTest, StretchedMixOfNothingIsAnUnchangedCopy)
{
    RefPtr<Wave> wave = MakeWave({1, 2, 3});
    RefPtr<Wave> empty = MakeWave({});
    RefPtr<Wave> one = MakeWave({5});
    EXPECT_EQ(ValuesOf(wave->mixStretch(&stop, empty.get(), 0, -1)), (Samples16{1, 2, 3}));
    EXPECT_EQ(ValuesOf(wave->mixStretch(&stop, one.get(), 1, 1)), (Samples16{1, 2, 3}));
    EXPECT_EQ(ValuesOf(wave->mixStretch(&stop, one.get(), 0, -1)), (Samples16{6, 7, 8}));
    EXPECT_FALSE(wave->mixStretch(&stop, nullptr, 0, -1));
}

} // namespace
