// The note render pool with notes of the test's own: how many notes keep
// their sounds at once, a failed allocation on a worker alone, and the notes
// a failure leaves in flight.
#include "music/NoteInFlight.h"
#include "music/parts/NoteRenderPool.h"

#include "foundation/StopReason.h"
#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"
#include "wave/Wave.h"
#include "wave/WaveLoops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace {

// What the notes of one render saw, written by whichever thread made them.
struct PoolNotes {
    std::thread::id walker = std::this_thread::get_id();
    std::atomic<int> alive{0};
    std::atomic<int> mostAlive{0};
    std::atomic<int> madeOnWorkers{0};
};

// A note with a sound to make: make runs on the thread that makes it and
// says whether the note was made. A note not made says so when mixed: it
// was stopped, or it is broken.
class PoolNote : public TNoteInFlight {
public:
    using Maker = std::function<bool(StopFlag*, bool onWorker)>;

    PoolNote(PoolNotes& notes, int number, Maker make = {}) : notes(notes), number(number), make(std::move(make))
    {
        const int now = ++notes.alive;
        int most = notes.mostAlive.load();
        while (now > most && !notes.mostAlive.compare_exchange_weak(most, now)) {
        }
    }
    ~PoolNote() override { --notes.alive; }

    bool HasWork() const override { return true; }
    void Make(StopFlag* stop) override
    {
        const bool onWorker = std::this_thread::get_id() != notes.walker;
        if (onWorker)
            ++notes.madeOnWorkers;
        made = !make || make(stop, onWorker);
    }
    bool Mix(StopFlag* stop, std::string& message) override
    {
        if (made)
            return true;
        message = "note " + std::to_string(number) + ": " + (IsStopped(stop) ? StoppedRunReason() : "broken");
        return false;
    }

private:
    PoolNotes& notes;
    int number;
    Maker make;
    bool made = false;
};

} // namespace

// However many notes the walk hands over, a thread keeps the sounds of at
// most twice its notes in flight: those in flight and those mixed in that
// wait for a worker to free them. The workers make notes of their own.
TEST(MusicRenderPoolTest, TheNotesKeptAtOnceStayWithinTheBound)
{
    for (int threads : {1, 2, 4}) {
        SCOPED_TRACE(threads);
        PoolNotes notes;
        StopFlag stop = 0;
        std::string message;
        {
            TNoteRenderPool pool(&stop, threads, 0);
            for (int i = 0; i < 400; ++i)
                ASSERT_TRUE(pool.Add(std::make_unique<PoolNote>(notes, i), i, message)) << message;
            ASSERT_TRUE(pool.Finish(message)) << message;
            pool.Close();
        }
        EXPECT_EQ(notes.alive.load(), 0);
        const auto bound = static_cast<int>(2 * NoteRenderInFlightPerThread) * threads + 1;
        EXPECT_LE(notes.mostAlive.load(), bound);
        if (threads > 1) {
            EXPECT_GT(notes.madeOnWorkers.load(), 0);
        }
    }
}

// An allocation that fails on a worker, and on no other thread: the render
// fails with that note's reason, and the memory message is shown once, by
// the walking thread.
TEST(MusicRenderPoolTest, AFailedAllocationOnAWorkerAloneIsShownOnce)
{
    RecordingMessageService messages;
    PoolNotes notes;
    StopFlag stop = 0;
    std::string message;
    bool ok = true;
    {
        TNoteRenderPool pool(&stop, 4, 0);
        const PoolNote::Maker failOnWorker = [](StopFlag* flag, bool onWorker) {
            AllocationHook::FailNextHere(onWorker ? 1 : 0);
            const RefPtr<Wave> wave = NewWave(flag, 64);
            AllocationHook::FailNextHere(0);
            return wave && !IsStopped(flag);
        };
        for (int i = 0; ok && i < 100; ++i)
            ok = pool.Add(std::make_unique<PoolNote>(notes, i, failOnWorker), i, message);
        if (ok)
            ok = pool.Finish(message);
        pool.Close();
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(message.substr(0, 5), "note ");
    EXPECT_EQ(message.substr(message.size() - std::string(NotEnoughMemoryText).size()), NotEnoughMemoryText);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, NotEnoughMemoryText);
    EXPECT_EQ(messages.Last().thread, std::this_thread::get_id());
}

// Two notes that would run until stopped, behind one that fails by itself
// once they run, for memory (which sets the flag) or with a reason of its own
// (which does not): they stop at once, and the render ends with the failing
// note's reason.
TEST(MusicRenderPoolTest, TheNotesAfterAFailureStopAtOnce)
{
    // A note that is never stopped ends after this many turns, marked; the
    // failing note waits as long at most for the two to run.
    constexpr int endless = 5000000;
    std::atomic<int> running{0};
    std::atomic<int> ranOut{0};
    const auto whenBothRun = [&running](std::function<bool(StopFlag*)> fail) {
        return [&running, fail](StopFlag* flag, bool) {
            for (int turns = 0; running.load() < 2 && turns < 4 * endless; ++turns)
                std::this_thread::yield();
            return fail(flag);
        };
    };
    const PoolNote::Maker untilStopped = [&running, &ranOut](StopFlag* flag, bool) {
        ++running;
        int turns = 0;
        while (!IsStopped(flag) && ++turns < endless)
            std::this_thread::yield();
        if (turns == endless)
            ++ranOut;
        return false;
    };
    const struct {
        const char* what;
        PoolNote::Maker first;
        std::string message;
    } cases[] = {
        {"out of memory", whenBothRun([](StopFlag* flag) {
             AllocationHook::FailNextHere();
             NewWave(flag, 64);
             AllocationHook::FailNextHere(0);
             return false;
         }),
         std::string("note 0: ") + NotEnoughMemoryText},
        {"broken", whenBothRun([](StopFlag*) { return false; }), "note 0: broken"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingMessageService messages;
        PoolNotes notes;
        running = 0;
        ranOut = 0;
        StopFlag stop = 0;
        std::string message;
        bool ok = true;
        {
            // Three workers, one for each note.
            TNoteRenderPool pool(&stop, 4, 0);
            for (int i = 0; ok && i < 3; ++i)
                ok = pool.Add(std::make_unique<PoolNote>(notes, i, i == 0 ? c.first : untilStopped), i, message);
            if (ok)
                ok = pool.Finish(message);
            pool.Close();
        }
        EXPECT_FALSE(ok);
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(running.load(), 2);
        EXPECT_EQ(ranOut.load(), 0);
    }
}
