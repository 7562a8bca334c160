#include "WaveBufferTestSupport.h"

#include "platform/AllocationHook.h"
#include "platform/PageMemory.h"
#include "platform/RecordingMessageService.h"
#include "wave/SinusTable.h"

namespace {

const char* const memoryText = "There is not enough memmory for this operation.";

class WaveBufferTest : public ::testing::Test {
protected:
    void TearDown() override { AllocationHook::Reset(); }
    RecordingMessageService messages;
    StopFlag stop = 0;
};

TEST_F(WaveBufferTest, NewWaveGivesTheCountAndAnEmptyWaveForZero)
{
    RefPtr<Wave> wave = NewWave(&stop, 5);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->getValues(), 5);
    EXPECT_EQ(wave->GetCount(), 1);

    RefPtr<Wave> empty = NewWave(&stop, 0);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->getValues(), 0);
    EXPECT_EQ(empty->getData(), nullptr);
    EXPECT_EQ(stop, 0);
    EXPECT_EQ(messages.Count(), 0u);
}

// A result that would pass the longest wave is told as such, not as a lack of
// memory, and not made shorter: a range stretched to more values than any
// Wave holds gives no Wave.
TEST_F(WaveBufferTest, AResultLongerThanTheLongestWaveIsToldAndNotMade)
{
    RefPtr<Wave> wave = MakeWave({1, 2, 3, 4, 5, 6});
    int32_t begin = 0, end = 3;
    EXPECT_FALSE(wave->resampleRange(&stop, 3e9, begin, end));
    EXPECT_EQ(stop, 1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "The result would be longer than the longest wave, of 2147483647 values.");
    EXPECT_EQ(messages.Last().caption, "Error");
}

TEST_F(WaveBufferTest, NewWaveWithTheFlagSetAllocatesNothing)
{
    stop = 1;
    AllocationHook::FailNext(1); // would fail if it were asked
    EXPECT_FALSE(NewWave(&stop, 10));
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(messages.Count(), 0u);
    // The armed failure is still there: nothing asked for memory.
    EXPECT_TRUE(AllocationHook::ShouldFail());
}

TEST_F(WaveBufferTest, FailedAllocationShowsTheMessageOnceAndSetsTheFlag)
{
    AllocationHook::FailNext(1);
    EXPECT_FALSE(NewWave(&stop, 10));
    EXPECT_EQ(stop, 1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, memoryText);
    EXPECT_EQ(messages.Last().caption, "System Error");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Information);

    // The next operation with the same flag stays silent.
    EXPECT_FALSE(NewWave(&stop, 10));
    int32_t begin = 0;
    int32_t end = -1;
    EXPECT_FALSE(MakeWave({1, 2, 3})->makeLine(&stop, 0, 10, 5, begin, end));
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(WaveBufferTest, ImpossibleSizesFailLikeExhaustedMemory)
{
    EXPECT_FALSE(NewWave(&stop, -5));
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(messages.Count(), 1u);

    // A result that would pass the largest Wave is refused, not wrapped round.
    stop = 0;
    RefPtr<Wave> big = MakeWave({1, 2});
    EXPECT_FALSE(big->mixAt(&stop, big.get(), INT32_MAX - 1, -1, false));
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(messages.Count(), 2u);
}

TEST_F(WaveBufferTest, FailedOperationLeavesItsSourceAlone)
{
    RefPtr<Wave> wave = MakeWave({1, 2, 3});
    AllocationHook::FailNext(1);
    EXPECT_FALSE(wave->reverse(&stop, 0, -1));
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(ValuesOf(wave), (std::vector<int16_t>{1, 2, 3}));
}

TEST_F(WaveBufferTest, CopiesAreEqualAndIndependent)
{
    RefPtr<Wave> source = MakeWave({4, -5, 6});
    RefPtr<Wave> copy = NewWaveCopy(&stop, source.get());
    ASSERT_TRUE(copy);
    EXPECT_NE(copy.get(), source.get());
    EXPECT_EQ(ValuesOf(copy), ValuesOf(source));

    RefPtr<Wave> emptyCopy = NewWaveCopy(&stop, MakeWave({}).get());
    ASSERT_TRUE(emptyCopy);
    EXPECT_EQ(emptyCopy->getValues(), 0);

    EXPECT_FALSE(NewWaveCopy(&stop, nullptr));
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveBufferTest, CopyingEmptyWaveAllocatesNothing)
{
    AllocationHook::FailNext(1);
    EXPECT_TRUE(NewWaveCopy(&stop, MakeWave({}).get()));
    EXPECT_EQ(stop, 0);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WaveBufferTest, CopyStopsAtTheNextChunkBoundaryAfterTheFlagIsSet)
{
    RefPtr<Wave> source = MakeFilledWave(5000, 7);
    RefPtr<Wave> target = MakeFilledWave(5000, 0);
    // The flag goes up while sample 1500 is copied; the chunk 1000..1999 is
    // finished and nothing after it is touched.
    target->copyRange(FlagInSample(*target, 1500), *source, 0, 5000, 0);
    std::vector<int16_t> got = ValuesOf(target);
    EXPECT_EQ(std::count(got.begin(), got.begin() + 2000, 7), 2000);
    EXPECT_EQ(std::count(got.begin() + 2000, got.end(), 0), 3000);
}

TEST_F(WaveBufferTest, AdoptedBufferIsTakenOverWithoutCopying)
{
    SampleBuffer buffer = AllocSamples(3);
    ASSERT_TRUE(AllocationSucceeded(buffer));
    int16_t* raw = buffer.get();
    raw[0] = 9;
    RefPtr<Wave> wave(new Wave(std::move(buffer), 3));
    EXPECT_EQ(wave->getData(), raw);
    EXPECT_EQ(wave->getValues(), 3);
    EXPECT_EQ(wave->getData()[0], 9);
}

TEST_F(WaveBufferTest, AllocationSucceededReportsOnlyMissingBuffers)
{
    SampleBuffer none;
    EXPECT_FALSE(AllocationSucceeded(none));
    EXPECT_EQ(messages.Count(), 1u);
    SampleBuffer some = AllocSamples(1);
    EXPECT_TRUE(AllocationSucceeded(some));
    FreeSamples(some);
    EXPECT_FALSE(some);
    EXPECT_EQ(messages.Count(), 1u);
}

// Buffers from 2 MiB on come another way (huge pages): every sample of one just
// below, at and above that size, and of one with a part after its last whole
// 2 MiB, is its own (the sanitizer would see a buffer shorter than asked for).
TEST_F(WaveBufferTest, BuffersAroundTheHugePageSizeHoldEverySample)
{
    const int32_t large = static_cast<int32_t>(PageMemory::LargeBlockBytes / sizeof(int16_t));
    for (int32_t n : {large - 1, large, large + 1, 3 * large + 1}) {
        SCOPED_TRACE(n);
        RefPtr<Wave> wave = NewWave(&stop, n);
        ASSERT_TRUE(wave);
        int16_t* d = wave->getData();
        for (int32_t i = 0; i < n; ++i)
            d[i] = static_cast<int16_t>(i);
        RefPtr<Wave> copy = NewWaveCopy(&stop, wave.get());
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->getData()[0], 0);
        EXPECT_EQ(copy->getData()[n - 1], static_cast<int16_t>(n - 1));
    }
    EXPECT_EQ(stop, 0);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WaveBufferTest, InPlaceChangeOfSharedWaveDetachesIt)
{
    // Two sounds hold one Wave; a mix into one of them must not reach the other.
    RefPtr<Wave> first = MakeWave({1, 2, 3});
    RefPtr<Wave> second = first;
    RefPtr<Wave> other = MakeWave({10, 10, 10});
    Wave::mixAdd(&stop, first, other.get(), 0);
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(ValuesOf(first), (std::vector<int16_t>{11, 12, 13}));
    EXPECT_EQ(ValuesOf(second), (std::vector<int16_t>{1, 2, 3}));
    EXPECT_EQ(second->GetCount(), 1);

    // A Wave held once is changed where it is.
    Wave* before = first.get();
    Wave::drawSegment(&stop, first, 0, 0, 3, 0);
    EXPECT_EQ(first.get(), before);
    EXPECT_EQ(ValuesOf(first), (std::vector<int16_t>{0, 0, 0}));
}

TEST_F(WaveBufferTest, DetachThatCannotCopyChangesNothing)
{
    RefPtr<Wave> first = MakeWave({1, 2, 3});
    RefPtr<Wave> second = first;
    RefPtr<Wave> other = MakeWave({5});
    AllocationHook::FailNext(1);
    Wave::mixAdd(&stop, first, other.get(), 0);
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(ValuesOf(second), (std::vector<int16_t>{1, 2, 3}));
}

TEST_F(WaveBufferTest, EveryOperationTakesEmptyAndOneSampleWaves)
{
    // Ranges of no and of one sample, on Waves of none and of one: each
    // operation gives a Wave of the size its frame says and reads nothing
    // outside a buffer (the sanitizers watch the reads).
    const double one[] = {1.0};
    for (int32_t size : {0, 1}) {
        for (int32_t b0 : {0, 1}) {
            for (int32_t e0 : {0, 1, -1}) {
                SCOPED_TRACE(testing::Message() << size << " samples, range " << b0 << ".." << e0);
                RefPtr<Wave> w = MakeFilledWave(size, 1000);
                RefPtr<Wave> other = MakeFilledWave(size, 7);
                auto range = [&](auto op) {
                    int32_t b = b0;
                    int32_t e = e0;
                    RefPtr<Wave> got = op(b, e);
                    ASSERT_TRUE(got);
                    EXPECT_LE(0, b);
                    EXPECT_LE(b, e);
                    EXPECT_LE(e, got->getValues());
                };
                range([&](int32_t& b, int32_t& e) { return w->insertSilence(&stop, 1, b, e); });
                range([&](int32_t& b, int32_t& e) { return w->makeLine(&stop, 1, 2, 1, b, e); });
                range([&](int32_t& b, int32_t& e) { return w->makeExponentialLine(&stop, 1, 2, 0, b, e); });
                range([&](int32_t& b, int32_t& e) { return w->makeNoise(&stop, 100, 1, b, e); });
                range([&](int32_t& b, int32_t& e) {
                    return w->makeBlockTriangleEnvelope(&stop, 1, 2, 3, other.get(), 1, 0, true, b, e);
                });
                range([&](int32_t& b, int32_t& e) { return w->makeSinus(&stop, 1, 2, 0, 0, 0, b, e); });
                range([&](int32_t& b, int32_t& e) {
                    return w->multiFrequencyWaveForm(&stop, 1, other.get(), 1, one, one, one, one, b, e);
                });
                range([&](int32_t& b, int32_t& e) { return w->resampleRange(&stop, 3, b, e); });
                range([&](int32_t& b, int32_t& e) { return w->resampleRangeToLength(&stop, 3, true, b, e); });
                range([&](int32_t& b, int32_t& e) { return w->rollIn(&stop, 2, -7, b, e); });
                range([&](int32_t& b, int32_t& e) { return w->rollOut(&stop, w.get(), 2, 1, 0, b, e, 0, -1); });
                range([&](int32_t& b, int32_t& e) {
                    return w->rollOutEnvelope(&stop, other.get(), 2, 1, 0, b, e);
                });
                EXPECT_TRUE(w->extractRange(&stop, b0, e0));
                EXPECT_TRUE(w->deleteRange(&stop, b0, e0));
                EXPECT_TRUE(w->replace(&stop, other.get(), b0, e0));
                EXPECT_TRUE(w->rotate(&stop, 1, b0, e0));
                EXPECT_TRUE(w->reverse(&stop, b0, e0));
                EXPECT_TRUE(w->mixStretch(&stop, other.get(), b0, e0));
                EXPECT_TRUE(w->mixLeftRight(&stop, 1, other.get(), 1, b0, e0));
                EXPECT_TRUE(w->mixAt(&stop, other.get(), b0, e0, true));
                Wave::mirrorInPlace(&stop, w, b0, e0);
                Wave::drawSegment(&stop, w, b0, 5, e0, 6);
                Wave::mixCycleAfterThis(&stop, w, other.get(), b0);
                Wave::mixAddAligned(&stop, w, other.get(), b0, e0);
                EXPECT_EQ(stop, 0);
                EXPECT_EQ(messages.Count(), 0u);
            }
        }
    }
}

class SinusTableTest : public WaveBufferTest {
protected:
    void TearDown() override
    {
        DeleteSinusTable();
        WaveBufferTest::TearDown();
    }
};

TEST_F(SinusTableTest, HoldsOnePeriodWithPiAsTheEngineWritesIt)
{
    CreateSinusTable(&stop);
    ASSERT_TRUE(SinusTable);
    ASSERT_EQ(SinusTable->getValues(), 9000);
    const int16_t* s = SinusTable->getData();
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[2250], 32766);
    EXPECT_EQ(s[4500], 2);
    EXPECT_EQ(s[6750], -32766);
    EXPECT_EQ(s[8999], -27);
    EXPECT_EQ(*std::max_element(s, s + 9000), 32766);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SinusTableTest, FailureIsReportedAndSinesStillWork)
{
    AllocationHook::FailNext(1);
    CreateSinusTable(&stop);
    EXPECT_FALSE(SinusTable);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.All()[0].text, memoryText);
    EXPECT_EQ(messages.All()[1].text, "Could not create sinus.");
    EXPECT_EQ(messages.All()[1].caption, "System Error");
    EXPECT_EQ(messages.All()[1].icon, MsgIcon::Stop);

    // Without the table the sine generators make their own for the call.
    StopFlag fresh = 0;
    int32_t begin = 0;
    int32_t end = -1;
    RefPtr<Wave> sine = MakeWave({})->makeSinus(&fresh, 32767, -32767, 4, 1, 0, begin, end);
    ASSERT_TRUE(sine);
    EXPECT_EQ(ValuesOf(sine), (std::vector<int16_t>{0, 32765, 12, -32765}));
}

} // namespace
