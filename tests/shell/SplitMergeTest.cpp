#include "shell/SplitMergeBounds.h"
#include "shell/SplitMergeSounds.h"
#include "wave/SoundTestSupport.h"

#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"
#include "wave/props/MergeVertProps.h"

#include <gtest/gtest.h>

namespace {

struct SplitMergeSounds : ::testing::Test {
    void TearDown() override { AllocationHook::Reset(); }
    RecordingMessageService messages;
};

Samples Range(const Samples& s, size_t from, size_t to)
{
    return Samples(s.begin() + static_cast<std::ptrdiff_t>(from), s.begin() + static_cast<std::ptrdiff_t>(to));
}

} // namespace

TEST(SplitMergePlan, SplitHorizontallyCutsByResultKind)
{
    struct Case {
        int32_t m1, m2;
        uint8_t kind;
        TSplitRange first, last;
        bool middle;
    };
    const Case cases[] = {
        {300, 100, 0, {0, 100}, {300, 1000}, true},   // three parts, marks in either order
        {100, 300, 1, {0, 300}, {100, 1000}, false},  // both with the selection: they overlap
        {100, 300, 2, {0, 100}, {300, 1000}, false},  // both without it
        {400, 400, 0, {0, 400}, {400, 1000}, false},  // a cursor only: one cut, whatever the kind
    };
    for (const Case& c : cases) {
        const TSplitHorPlan plan = PlanSplitHor(1000, c.m1, c.m2, c.kind);
        EXPECT_EQ(plan.first.begin, c.first.begin);
        EXPECT_EQ(plan.first.end, c.first.end);
        EXPECT_EQ(plan.last.begin, c.last.begin);
        EXPECT_EQ(plan.last.end, c.last.end);
        EXPECT_EQ(plan.hasMiddle, c.middle);
        EXPECT_EQ(plan.firstEnd, c.first.end);
        EXPECT_EQ(plan.lastBegin, c.last.begin);
    }
    const TSplitHorPlan three = PlanSplitHor(1000, 300, 100, 0);
    EXPECT_EQ(three.middle.begin, 100);
    EXPECT_EQ(three.middle.end, 300);
}

TEST(SplitMergeBounds, SplitVerticallyStacksWithOnePixelRowBetween)
{
    const std::vector<TWindowBounds> b = SplitVertBounds({10, 20, 400, 301});
    ASSERT_EQ(b.size(), 2u);
    // mid = (20 + 321) / 2 = 170
    EXPECT_EQ(b[0], (TWindowBounds{10, 20, 400, 149}));
    EXPECT_EQ(b[1], (TWindowBounds{10, 170, 400, 151}));
}

TEST(SplitMergeBounds, SplitHorizontallyMapsSamplePositionsOntoColumns)
{
    const TWindowBounds source{30, 5, 400, 200};
    const std::vector<TWindowBounds> three = SplitHorBounds(source, 1000, 250, 500, true);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0], (TWindowBounds{30, 5, 100, 200}));  // first, to the column of 250
    EXPECT_EQ(three[1], (TWindowBounds{230, 5, 200, 200})); // last, from the column of 500
    EXPECT_EQ(three[2], (TWindowBounds{130, 5, 100, 200})); // middle between them
    // Both inclusive: the first ends right of where the last begins.
    const std::vector<TWindowBounds> overlapping = SplitHorBounds(source, 1000, 500, 250, false);
    ASSERT_EQ(overlapping.size(), 2u);
    EXPECT_EQ(overlapping[0], (TWindowBounds{30, 5, 200, 200}));
    EXPECT_EQ(overlapping[1], (TWindowBounds{130, 5, 300, 200}));
    // Columns truncate toward zero: 333 of 1000 over 400 pixels is 133.2.
    EXPECT_EQ(SplitHorBounds(source, 1000, 333, 333, false)[0].width, 133);
}

TEST(SplitMergeBounds, MergesSpanTheirSources)
{
    // top (0 + 10) / 2, bottom (100 + 130) / 2, d (220 - 200) / 2, right 420 - d + 1.
    EXPECT_EQ(MergeHorBounds({0, 0, 200, 100}, {220, 10, 200, 120}), (TWindowBounds{10, 5, 401, 110}));
    // left (0 + 10) / 2, right (300 + 310) / 2, d (120 - 100) / 2, bottom 220 - d + 1.
    EXPECT_EQ(MergeVertBounds({0, 0, 300, 100}, {10, 120, 300, 100}), (TWindowBounds{5, 10, 300, 201}));
}

TEST_F(SplitMergeSounds, SplitVerticallySharesTheChannels)
{
    const auto source = Stereo(Ramp(50, 1), Ramp(50, 2), 22050, 1);
    const std::vector<SoundPtr> parts = SplitVertSounds(*source);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0]->GetLeftWave(), source->GetWaveLeft());
    EXPECT_EQ(parts[1]->GetLeftWave(), source->GetWaveRight());
    for (const SoundPtr& part : parts) {
        EXPECT_EQ(part->channels, 1);
        EXPECT_EQ(part->sampleFreq, 22050);
        EXPECT_EQ(part->GetBytesPSample(), 1);
    }
}

TEST_F(SplitMergeSounds, SplitHorizontallyExtractsFirstLastMiddle)
{
    const Samples left = Ramp(100, 1), right = Ramp(100, 3);
    const auto source = Stereo(left, right);
    const std::vector<SoundPtr> parts = SplitHorSounds(*source, PlanSplitHor(100, 20, 70, 0));
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(LeftOf(*parts[0]), Range(left, 0, 20));
    EXPECT_EQ(RightOf(*parts[1]), Range(right, 70, 100));
    EXPECT_EQ(LeftOf(*parts[2]), Range(left, 20, 70));
    // The source is untouched.
    EXPECT_EQ(LeftOf(*source), left);
}

TEST_F(SplitMergeSounds, AFailedPartMakesNoPartsAtAll)
{
    const auto source = Mono(Ramp(100, 1));
    AllocationHook::FailNext(1);
    EXPECT_TRUE(SplitHorSounds(*source, PlanSplitHor(100, 20, 70, 0)).empty());
    EXPECT_EQ(messages.Count(), 1u);
    // A cursor at 0 makes an empty first part, which needs no samples; the
    // last part then fails and the first is not handed out alone.
    AllocationHook::FailNext(1);
    EXPECT_TRUE(SplitHorSounds(*source, PlanSplitHor(100, 0, 0, 0)).empty());
    EXPECT_EQ(LeftOf(*source), Ramp(100, 1));
}

TEST_F(SplitMergeSounds, MergeHorizontallyOfMonoAndStereoIntoStereo)
{
    const Samples mono = Ramp(30, 1), left = Ramp(20, 2), right = Ramp(20, 3);
    const SoundPtr merged = MergeHorSound(Mono(mono), Stereo(left, right), 2, 44100, 1);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->channels, 2);
    EXPECT_EQ(merged->GetBytesPSample(), 1);
    ASSERT_EQ(merged->GetValues(), 50);
    // The mono part is the same on both channels.
    EXPECT_EQ(Range(LeftOf(*merged), 0, 30), mono);
    EXPECT_EQ(Range(RightOf(*merged), 0, 30), mono);
    EXPECT_EQ(Range(LeftOf(*merged), 30, 50), left);
    EXPECT_EQ(Range(RightOf(*merged), 30, 50), right);
}

TEST_F(SplitMergeSounds, MergeHorizontallyIntoMonoMixesDown)
{
    const SoundPtr merged = MergeHorSound(Stereo({100, 200}, {300, 400}), Mono({7, 8}), 1, 44100, 2);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->channels, 1);
    EXPECT_EQ(LeftOf(*merged), (Samples{200, 300, 7, 8}));
}

TEST_F(SplitMergeSounds, MergeHorizontallyBringsTheFirstToTheChosenRateAndTheLastToTheFirsts)
{
    const SoundPtr merged = MergeHorSound(Mono(Ramp(100, 1), 22050), Mono(Ramp(100, 2), 11025), 1, 44100, 2);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->sampleFreq, 44100);
    // 100 samples doubled, then 100 samples quadrupled, give about 600.
    EXPECT_NEAR(merged->GetValues(), 600, 4);

    // An empty first wave is not converted: its own rate stays, and the last
    // is brought to it whatever was chosen.
    const SoundPtr fromEmpty = MergeHorSound(Mono({}, 11025), Mono(Ramp(100, 2), 22050), 1, 44100, 2);
    ASSERT_TRUE(fromEmpty);
    EXPECT_EQ(fromEmpty->sampleFreq, 11025);
    EXPECT_NEAR(fromEmpty->GetValues(), 50, 2);
}

TEST_F(SplitMergeSounds, MergeVerticallyMakesLengthsEqualByKind)
{
    const Samples longer = Ramp(6, 1);
    const Samples shorter = {11, 22, 33, 44};
    struct Case {
        uint8_t kind;
        Samples left;  // the shorter wave, after
        Samples right; // the longer wave, after
    };
    const Case cases[] = {
        {mergeSilenceAtBegin, {0, 0, 11, 22, 33, 44}, longer},
        {mergeSilenceAtEnd, {11, 22, 33, 44, 0, 0}, longer},
    };
    for (const Case& c : cases) {
        const SoundPtr merged = MergeVertSound(*Mono(shorter), *Mono(longer), 44100, 2, c.kind);
        ASSERT_TRUE(merged);
        EXPECT_EQ(LeftOf(*merged), c.left) << int(c.kind);
        EXPECT_EQ(RightOf(*merged), c.right) << int(c.kind);
    }
    const SoundPtr stretched = MergeVertSound(*Mono(shorter), *Mono(longer), 44100, 2, mergeStretchShortest);
    ASSERT_TRUE(stretched);
    EXPECT_EQ(stretched->GetValues(), 6);
    EXPECT_EQ(RightOf(*stretched), longer);
    EXPECT_EQ(LeftOf(*stretched).front(), 11);
    EXPECT_EQ(LeftOf(*stretched).back(), 44);
    const SoundPtr squeezed = MergeVertSound(*Mono(shorter), *Mono(longer), 44100, 2, mergeStretchLongest);
    ASSERT_TRUE(squeezed);
    EXPECT_EQ(squeezed->GetValues(), 4);
    EXPECT_EQ(LeftOf(*squeezed), shorter);
    EXPECT_EQ(RightOf(*squeezed).front(), longer.front());
}

TEST_F(SplitMergeSounds, MergeVerticallyWithOneEmptyWave)
{
    const Samples full = {5, 6, 7};
    const uint8_t kinds[] = {mergeSilenceAtBegin, mergeSilenceAtEnd, mergeStretchShortest};
    for (uint8_t kind : kinds) {
        const SoundPtr merged = MergeVertSound(*Mono({}), *Mono(full), 44100, 2, kind);
        ASSERT_TRUE(merged);
        EXPECT_EQ(LeftOf(*merged), (Samples{0, 0, 0})) << int(kind);
        EXPECT_EQ(RightOf(*merged), full) << int(kind);
    }
    const SoundPtr empty = MergeVertSound(*Mono(full), *Mono({}), 44100, 2, mergeStretchLongest);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->channels, 2);
    EXPECT_EQ(empty->GetValues(), 0);
}

TEST_F(SplitMergeSounds, MergeVerticallyMixesDownAtTheChosenRate)
{
    const SoundPtr merged =
        MergeVertSound(*Stereo({100, 300, 500, 700}, {300, 500, 700, 900}), *Mono({1, 2, 3, 4}), 44100, 1, 0);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->sampleFreq, 44100);
    EXPECT_EQ(merged->GetBytesPSample(), 1);
    EXPECT_EQ(LeftOf(*merged), (Samples{200, 400, 600, 800}));
    EXPECT_EQ(RightOf(*merged), (Samples{1, 2, 3, 4}));

    // Equal lengths in seconds at different rates: both at the chosen rate, no length change.
    const SoundPtr equal = MergeVertSound(*Mono(Ramp(200, 1), 22050), *Mono(Ramp(400, 2), 44100), 44100, 2, 3);
    ASSERT_TRUE(equal);
    EXPECT_EQ(LeftOf(*equal).size(), RightOf(*equal).size());
    EXPECT_NEAR(equal->GetValues(), 400, 2);
}

TEST_F(SplitMergeSounds, AFailedMergeMakesNothing)
{
    const SoundPtr a = Mono(Ramp(50, 1), 22050), b = Stereo(Ramp(40, 2), Ramp(40, 3), 44100);
    // The first wave's rate conversion fails.
    AllocationHook::FailNext(1);
    EXPECT_FALSE(MergeHorSound(a, b, 2, 44100, 2));
    // The mono wave is used at its own rate; the stereo one's mix-down fails.
    AllocationHook::FailNext(1);
    EXPECT_FALSE(MergeVertSound(*a, *b, 22050, 2, mergeStretchShortest));
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_EQ(LeftOf(*a), Ramp(50, 1));
    EXPECT_EQ(LeftOf(*b), Ramp(40, 2));
}
