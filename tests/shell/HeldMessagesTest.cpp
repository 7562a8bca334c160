#include "shell/HeldMessages.h"

#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

TEST(HeldMessages, QuestionsPassAtOnceAndWhatIsNotTakenIsShownAtTheEnd)
{
    RecordingMessageService messages;
    messages.Answer(MsgAnswer::No);
    std::string taken;
    {
        THeldMessages held;
        ShowMessage("first", "File Error", MsgIcon::Stop);
        ShowMessage("second", "Note", MsgIcon::Information);
        EXPECT_EQ(Messages().Show("Go on?", "Question", MsgIcon::Question, MsgButtons::YesNo), MsgAnswer::No);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "Go on?");
        taken = held.TakeFirst();
    }
    EXPECT_EQ(taken, "first");
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().text, "second");
    EXPECT_EQ(messages.Last().caption, "Note");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
    // The recorder is in force again.
    ShowMessage("after", "Note", MsgIcon::None);
    EXPECT_EQ(messages.Count(), 3u);
}

TEST(HeldMessages, NothingHeldTakesNothing)
{
    RecordingMessageService messages;
    THeldMessages held;
    EXPECT_EQ(held.TakeFirst(), "");
}

TEST(HeldMessages, AnotherThreadsMessageIsNotHeld)
{
    RecordingMessageService messages;
    THeldMessages held;
    std::thread([] { ShowMessage("from a worker", "Note", MsgIcon::None); }).join();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(held.TakeFirst(), "");
}
