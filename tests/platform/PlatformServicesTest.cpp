#include "platform/AllocationHook.h"
#include "platform/Assertions.h"
#include "platform/Random15.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <set>

TEST(Random15, StaysInFifteenBitsAndRepeatsPerSeed)
{
    Random15 a(42), b(42), c(43);
    bool differs = false;
    int low = Random15::Max, high = 0;
    for (int i = 0; i < 100000; ++i) {
        int x = a.Next();
        EXPECT_EQ(x, b.Next());
        differs |= x != c.Next();
        low = std::min(low, x);
        high = std::max(high, x);
    }
    EXPECT_TRUE(differs);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 32767);
}

TEST(MessageRecorder, RecordsAndAnswersFromScript)
{
    RecordingMessageService recorder;
    recorder.Answer(MsgAnswer::No);
    EXPECT_EQ(Messages().Show("Save?", "You have unsaved changes", MsgIcon::Question, MsgButtons::YesNoCancel),
              MsgAnswer::No);
    EXPECT_EQ(Messages().Show("again", "Q", MsgIcon::Question, MsgButtons::YesNoCancel), MsgAnswer::Yes);
    ShowMessage("hello", "Error", MsgIcon::Stop);
    ASSERT_EQ(recorder.Count(), 3u);
    EXPECT_EQ(recorder.Last().text, "hello");
    EXPECT_EQ(recorder.Last().caption, "Error");
    EXPECT_EQ(recorder.Last().icon, MsgIcon::Stop);
}

TEST(MessageRecorder, NestedRecordersRestoreTheOuterOne)
{
    RecordingMessageService outer;
    {
        RecordingMessageService inner;
        ShowMessage("inner", "c", MsgIcon::Information);
        EXPECT_EQ(inner.Count(), 1u);
    }
    ShowMessage("outer", "c", MsgIcon::Information);
    ASSERT_EQ(outer.Count(), 1u);
    EXPECT_EQ(outer.Last().text, "outer");
}

TEST(Assertions, NonFatalShowsTheBoxAndCarriesOn)
{
    RecordingMessageService recorder;
    int value = 3;
    bool held = QB_CHECK(value == 4);
    EXPECT_FALSE(held);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().caption, "Assertion failed");
    EXPECT_EQ(recorder.Last().text.rfind("In PlatformServicesTest.cpp line ", 0), 0u);
    EXPECT_NE(recorder.Last().text.find(": Condition \"value == 4\"failed!"), std::string::npos);
    EXPECT_TRUE(QB_CHECK(value == 3));
    EXPECT_EQ(recorder.Count(), 1u);
}

TEST(Assertions, FatalIsObservableInTests)
{
    ThrowOnFatalAssertion trap;
    int count = 0;
    try {
        QB_ASSERT(count > 0);
        FAIL() << "no throw";
    } catch (const FatalAssertion& failure) {
        EXPECT_EQ(failure.condition, "count > 0");
        EXPECT_EQ(failure.file, "PlatformServicesTest.cpp");
        EXPECT_GT(failure.line, 0);
    }
}

TEST(AllocationHook, FailsExactlyTheArmedCount)
{
    AllocationHook::FailNext(2);
    EXPECT_TRUE(AllocationHook::ShouldFail());
    EXPECT_TRUE(AllocationHook::ShouldFail());
    EXPECT_FALSE(AllocationHook::ShouldFail());
    AllocationHook::FailNext(1);
    AllocationHook::Reset();
    EXPECT_FALSE(AllocationHook::ShouldFail());

    // Two succeed, then one fails.
    AllocationHook::FailAfter(2);
    EXPECT_FALSE(AllocationHook::ShouldFail());
    EXPECT_FALSE(AllocationHook::ShouldFail());
    EXPECT_TRUE(AllocationHook::ShouldFail());
    EXPECT_FALSE(AllocationHook::ShouldFail());
    AllocationHook::FailAfter(1);
    AllocationHook::Reset();
    EXPECT_FALSE(AllocationHook::ShouldFail());
    EXPECT_FALSE(AllocationHook::ShouldFail());
}
