// The two channels of a stereo operation on two threads: the same samples as
// one thread, the same stop rule, the same single memory message. Run these
// under ThreadSanitizer too (the tsan preset).
#include "SoundTestSupport.h"

#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"
#include "wave/ChannelThreads.h"
#include "wave/FilterTable.h"
#include "wave/WaveLoops.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <thread>

namespace {

// Long enough for two threads.
constexpr int32_t Long = static_cast<int32_t>(ChannelThreadMinimum);

class ChannelThreadsTest : public ::testing::Test {
protected:
    ~ChannelThreadsTest() override { AllocationHook::Reset(); }

    RecordingMessageService messages;
    StopFlag stop = 0;
};

// A stereo sound long enough for two threads, and each of its channels as a
// mono sound; made once, never changed.
class LongStereoTest : public ChannelThreadsTest {
protected:
    static void SetUpTestSuite()
    {
        left = new Samples(Ramp(Long, 1));
        right = new Samples(Ramp(Long, 3));
        stereo = new std::shared_ptr<StereoSound>(Stereo(*left, *right));
        monoLeft = new std::shared_ptr<MonoSound>(
            std::make_shared<MonoSound>(RefPtr<Wave>((*stereo)->GetLeftWave()), 44100, 2));
        monoRight = new std::shared_ptr<MonoSound>(
            std::make_shared<MonoSound>(RefPtr<Wave>((*stereo)->GetRightWave()), 44100, 2));
    }
    static void TearDownTestSuite()
    {
        delete monoRight;
        delete monoLeft;
        delete stereo;
        delete right;
        delete left;
    }

    // The stereo result is the mono result of each channel.
    template <class Op>
    void ExpectChannelByChannel(Op op)
    {
        const SoundPtr both = op(**stereo);
        const SoundPtr l = op(**monoLeft);
        const SoundPtr r = op(**monoRight);
        ASSERT_TRUE(both && l && r);
        EXPECT_TRUE(LeftOf(*both) == LeftOf(*l));
        EXPECT_TRUE(RightOf(*both) == LeftOf(*r));
        EXPECT_EQ(stop, 0);
        EXPECT_EQ(messages.Count(), 0u);
    }

    static Samples* left;
    static Samples* right;
    static std::shared_ptr<StereoSound>* stereo;
    static std::shared_ptr<MonoSound>* monoLeft;
    static std::shared_ptr<MonoSound>* monoRight;
};

Samples* LongStereoTest::left = nullptr;
Samples* LongStereoTest::right = nullptr;
std::shared_ptr<StereoSound>* LongStereoTest::stereo = nullptr;
std::shared_ptr<MonoSound>* LongStereoTest::monoLeft = nullptr;
std::shared_ptr<MonoSound>* LongStereoTest::monoRight = nullptr;

// ---- the runner ----

TEST_F(ChannelThreadsTest, BothChannelsRunAtOnceOnTwoThreads)
{
    // Each channel waits for the other to have begun: one thread alone would never get past this.
    std::atomic<int> begun{0};
    std::thread::id leftThread;
    std::thread::id rightThread;
    auto meet = [&] {
        begun.fetch_add(1);
        while (begun.load() < 2)
            std::this_thread::yield();
    };
    RunChannels(
        true,
        [&] {
            leftThread = std::this_thread::get_id();
            meet();
            return true;
        },
        [&] {
            rightThread = std::this_thread::get_id();
            meet();
        });
    EXPECT_EQ(leftThread, std::this_thread::get_id());
    EXPECT_NE(rightThread, leftThread);
}

// A stop asked for from a third thread while both channels are busy: each
// channel finishes the chunk it is in and starts no other. Each channel holds
// in its chunk `at` until the stop is asked for, so the test knows exactly
// where both stood.
TEST_F(ChannelThreadsTest, AStopFromAnotherThreadEndsBothChannelsWithinOneChunk)
{
    constexpr int32_t chunks = 50;
    constexpr int32_t at = 7;
    std::atomic<int> reached{0};
    int32_t leftChunks = 0;
    int32_t rightChunks = 0;
    auto channel = [&](int32_t& count) {
        return ForEachChunk(&stop, chunks * WaveChunk, [&](int32_t from, int32_t) {
            ++count;
            if (from / WaveChunk == at) {
                reached.fetch_add(1);
                while (!IsStopped(&stop))
                    std::this_thread::yield();
            }
        });
    };
    std::thread stopper([&] {
        while (reached.load() < 2)
            std::this_thread::yield();
        SetStopped(&stop);
    });
    bool leftDone = true;
    bool rightDone = true;
    RunChannels(
        true,
        [&] {
            leftDone = channel(leftChunks);
            return true;
        },
        [&] { rightDone = channel(rightChunks); });
    stopper.join();
    EXPECT_FALSE(leftDone);
    EXPECT_FALSE(rightDone);
    EXPECT_EQ(leftChunks, at + 1);
    EXPECT_EQ(rightChunks, at + 1);
}

TEST_F(ChannelThreadsTest, TheRightChannelRunsOnlyWhereOneThreadWouldRunIt)
{
    for (const bool apart : {false, true}) {
        SCOPED_TRACE(apart);
        bool rightRan = false;
        RunChannels(apart, [] { return true; }, [&] { rightRan = true; });
        EXPECT_TRUE(rightRan);
    }
    // Apart, the right channel may have run; one thread would not have run it,
    // so whatever it raised is not passed on.
    EXPECT_NO_THROW(RunChannels(true, [] { return false; }, [] { throw std::runtime_error("right"); }));
    EXPECT_THROW(RunChannels(true, [] { return true; }, [] { throw std::runtime_error("right"); }),
                 std::runtime_error);
    EXPECT_THROW(RunChannels(
                     true, []() -> bool { throw std::runtime_error("left"); }, [] {}),
                 std::runtime_error);
}

TEST_F(ChannelThreadsTest, AFailedAllocationInEitherOrBothChannelsShowsOneMessage)
{
    for (const int failures : {1, 2}) {
        SCOPED_TRACE(failures);
        stop = 0;
        messages.Clear();
        AllocationHook::FailNext(failures);
        RefPtr<Wave> a;
        RefPtr<Wave> b;
        RunChannels(
            true,
            [&] {
                a = NewWave(&stop, 100);
                return bool(a);
            },
            [&] { b = NewWave(&stop, 100); });
        AllocationHook::Reset();
        EXPECT_FALSE(a && b);
        EXPECT_EQ(stop, 1);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "There is not enough memmory for this operation.");
    }
}

// A channel whose result would pass the longest wave leaves the telling to
// the operation: one message, on the caller's thread. When the other channel
// runs short of memory too, whichever stopped first gives the one message.
TEST_F(ChannelThreadsTest, AResultTooLongInAChannelIsToldOnceOnTheCallersThread)
{
    const std::string tooLong = "The result would be longer than the longest wave, of 2147483647 values.";
    const std::string memory = "There is not enough memmory for this operation.";
    for (const bool otherShort : {false, true}) {
        SCOPED_TRACE(otherShort);
        stop = 0;
        messages.Clear();
        if (otherShort)
            AllocationHook::FailNext(1);
        RunChannels(
            true,
            [&] { return bool(NewWave(&stop, 100)); },
            [&] { NewWave(&stop, -1); });
        AllocationHook::Reset();
        EXPECT_EQ(stop, 1);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().thread, std::this_thread::get_id());
        if (otherShort)
            EXPECT_TRUE(messages.Last().text == tooLong || messages.Last().text == memory) << messages.Last().text;
        else
            EXPECT_EQ(messages.Last().text, tooLong);
    }
}

// ---- stereo operations on long sounds ----

// Stereo results are the mono results of each channel, computed on two threads.
TEST_F(LongStereoTest, NewSoundsHoldTheSamplesOfOneThread)
{
    ExpectChannelByChannel([&](const Sound& s) { return s.Volume(&stop, 0.7, 10, Long - 10); });
}

TEST_F(LongStereoTest, EditsHoldTheSamplesOfOneThread)
{
    ExpectChannelByChannel([&](const Sound& s) { return s.Reverse(&stop, 0, Long); });
}

TEST_F(LongStereoTest, FiltersAndRangesHoldTheSamplesOfOneThread)
{
    const auto lowPass = std::get<HighLowFilter>(FilterTable[filterTableLowPass]);
    ExpectChannelByChannel([&](const Sound& s) { return s.FilterHighLow(&stop, lowPass, 0.001, 0.5, 2, 2, 5, Long); });
    ExpectChannelByChannel([&](const Sound& s) {
        int32_t b = 100;
        int32_t e = 200;
        return s.InsertSilence(&stop, 0.01, b, e);
    });
}

TEST_F(LongStereoTest, InPlaceChangesHoldTheSamplesOfOneThread)
{
    StereoSound inPlace(&stop, **stereo);
    inPlace.VolumeInPlace(&stop, -1.5, 0, Long);
    const SoundPtr l = (*monoLeft)->Volume(&stop, -1.5, 0, Long);
    const SoundPtr r = (*monoRight)->Volume(&stop, -1.5, 0, Long);
    EXPECT_TRUE(LeftOf(inPlace) == LeftOf(*l));
    EXPECT_TRUE(RightOf(inPlace) == LeftOf(*r));
    EXPECT_TRUE(LeftOf(**stereo) == *left);
    EXPECT_EQ(stop, 0);
}

TEST_F(LongStereoTest, AFailedAllocationKeepsTheSoundAndShowsOneMessage)
{
    for (const int failures : {1, 2}) {
        SCOPED_TRACE(failures);
        StopFlag flag = 0;
        messages.Clear();
        AllocationHook::FailNext(failures);
        EXPECT_FALSE((*stereo)->Volume(&flag, 0.5, 0, Long));
        AllocationHook::Reset();
        EXPECT_EQ(flag, 1);
        EXPECT_EQ(messages.Count(), 1u);
        EXPECT_TRUE(LeftOf(**stereo) == *left);
        EXPECT_TRUE(RightOf(**stereo) == *right);
    }
}

// A stop from another thread at any moment of a long operation: no result is
// taken (the flag says so) and the source is untouched.
TEST_F(LongStereoTest, AStopFromAnotherThreadLeavesTheSourceAsItWas)
{
    std::atomic<bool> started{false};
    std::thread stopper([&] {
        while (!started.load())
            std::this_thread::yield();
        SetStopped(&stop);
    });
    started.store(true);
    const auto lowPass = std::get<HighLowFilter>(FilterTable[filterTableLowPass]);
    const SoundPtr result = (*stereo)->FilterHighLow(&stop, lowPass, 0.001, 0.5, 8, 8, 0, Long);
    stopper.join();
    EXPECT_TRUE(IsStopped(&stop));
    EXPECT_TRUE(LeftOf(**stereo) == *left);
    EXPECT_TRUE(RightOf(**stereo) == *right);
    EXPECT_EQ(messages.Count(), 0u);
}

} // namespace
