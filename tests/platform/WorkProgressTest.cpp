#include "platform/WorkProgress.h"
#include "tests/support/StoppingWatcher.h"

#include <gtest/gtest.h>

namespace {

// Chunks that ask until the watcher has asked for a stop; how many asked.
int WorkProgressTestChunksUntilStop()
{
    int chunks = 1;
    while (!WorkStopWanted()) {
        EXPECT_FALSE(WorkStoppedByUser());
        if (++chunks > 1000)
            break;
    }
    return chunks;
}

} // namespace

// A command may go on to a later step under a fresh flag (the balance of a
// note, the save of a wave): that step must stop at once too, and the stop
// read as the user's, however many chunks have asked since the watcher was
// last heard. The watcher is asked again only every few chunks, and may by
// then answer no.
TEST(WorkStop, AStopOnceAskedForHoldsForEveryLaterChunk)
{
    StoppingWatcher watcher(2);
    EXPECT_LT(WorkProgressTestChunksUntilStop(), 1000);
    EXPECT_EQ(watcher.calls, 2);
    for (int chunk = 0; chunk < 200; ++chunk) {
        ASSERT_TRUE(WorkStopWanted()) << chunk;
        ASSERT_TRUE(WorkStoppedByUser()) << chunk;
    }
}

// The next command starts with no stop: the stop belonged to the watcher.
TEST(WorkStop, ANewWatcherStartsWithoutTheOldStop)
{
    {
        StoppingWatcher first(1);
        EXPECT_LT(WorkProgressTestChunksUntilStop(), 1000);
    }
    EXPECT_FALSE(WorkStoppedByUser());
    StoppingWatcher second;
    for (int chunk = 0; chunk < 200; ++chunk)
        ASSERT_FALSE(WorkStopWanted()) << chunk;
    EXPECT_FALSE(WorkStoppedByUser());
    EXPECT_GT(second.calls, 0);
}
