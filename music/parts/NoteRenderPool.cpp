#include "music/parts/NoteRenderPool.h"

#include "foundation/StopReason.h"
#include "music/NoteInFlight.h"
#include "platform/WorkProgress.h"
#include "wave/LongestWave.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <system_error>

namespace {

// 0: the machine's.
std::atomic<int> noteRenderThreadsSet{0};

constexpr int NoteRenderMost = 64;
// While the walking thread waits for a note it asks the watcher this often
// (through the flag's test), so that Stop is heard as soon as in a single thread.
constexpr std::chrono::milliseconds NoteRenderWaitStep{2};

// Runs work, which makes or mixes one note; true when an allocation of its own
// failed meanwhile. What it caught goes on to the hold of this thread, which
// shows it once with the rest.
template <class Work>
bool OwnAllocationFailed(Work&& work)
{
    bool memory = false;
    bool tooLong = false;
    {
        MemoryMessageHold own;
        work();
        memory = own.Wanted();
        tooLong = own.TooLongWanted();
    }
    if (memory)
        ShowMemoryMessage();
    if (tooLong)
        ShowLongerThanTheLongestWave();
    return memory || tooLong;
}

} // namespace

int NoteRenderThreads()
{
    const int set = noteRenderThreadsSet.load(std::memory_order_relaxed);
    if (set > 0)
        return set;
    const auto cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(cores, 1, NoteRenderDefaultMost);
}

void SetNoteRenderThreads(int threads)
{
    noteRenderThreadsSet.store(std::clamp(threads, 0, NoteRenderMost), std::memory_order_relaxed);
}

TNoteRenderPool::TNoteRenderPool(StopFlag* stop, int threads, int64_t progressTotal)
    : Stop(stop), Threads(std::clamp(threads, 1, NoteRenderMost)), ProgressTotal(progressTotal),
      MostInFlight(NoteRenderInFlightPerThread * static_cast<size_t>(Threads))
{
    WalkerHold.emplace();
}

TNoteRenderPool::~TNoteRenderPool()
{
    Close();
}

void TNoteRenderPool::StartWorkers()
{
    Started = true;
    for (int i = 1; i < Threads; ++i) {
        try {
            Workers.emplace_back([this] { Work(); });
        } catch (const std::system_error&) {
            // Fewer threads, or the walking thread alone: the same sound, later.
            break;
        }
    }
}

void TNoteRenderPool::Work()
{
    // Nothing on this thread shows a message: the pool shows what it caught, once.
    MemoryMessageHold hold;
    std::unique_lock lock(Mutex);
    for (;;) {
        WorkWaiting.wait(lock, [this] { return Closing || !Waiting.empty(); });
        if (Closing)
            break;
        TEntry* entry = Waiting.front();
        Waiting.pop_front();
        std::vector<std::unique_ptr<TNoteInFlight>> spent;
        spent.swap(Spent);
        Freeing += spent.size();
        lock.unlock();
        // Their memory goes back here, not on the walking thread that mixes.
        const size_t freed = spent.size();
        spent.clear();
        if (freed > 0) {
            lock.lock();
            Freeing -= freed;
            lock.unlock();
        }
        MakeEntry(*entry, Stop);
        lock.lock();
        entry->made = true;
        WorkMade.notify_all();
    }
    HeldMemory = HeldMemory || hold.Wanted();
    HeldTooLong = HeldTooLong || hold.TooLongWanted();
}

void TNoteRenderPool::MakeEntry(TEntry& entry, StopFlag* stop)
{
    entry.ownFailure = OwnAllocationFailed([&] {
        try {
            entry.note->Make(stop);
        } catch (...) {
            // Thrown again on the walking thread when the note's turn comes.
            entry.error = std::current_exception();
        }
    });
    entry.ownFailure = entry.ownFailure || entry.error;
}

bool TNoteRenderPool::Add(std::unique_ptr<TNoteInFlight> note, int64_t progress, std::string& message)
{
    if (Failed) {
        message = Failure;
        return false;
    }
    auto entry = std::make_unique<TEntry>();
    entry->note = std::move(note);
    entry->progress = progress;
    entry->work = entry->note->HasWork();
    if (entry->work && Threads == 1)
        MakeEntry(*entry, Stop);
    entry->made = !entry->work || Threads == 1;
    TEntry* added = entry.get();
    InFlight.push_back(std::move(entry));
    if (!added->made) {
        if (!Started)
            StartWorkers();
        const std::lock_guard lock(Mutex);
        Waiting.push_back(added);
        WorkWaiting.notify_one();
    }
    while (OldestDue())
        if (!MixOldest(message))
            return Fail(message);
    return true;
}

bool TNoteRenderPool::OldestDue()
{
    if (InFlight.empty())
        return false;
    // Notes made already go in at once; the rest once there are too many in flight.
    if (InFlight.size() > MostInFlight)
        return true;
    const std::lock_guard lock(Mutex);
    return InFlight.front()->made;
}

bool TNoteRenderPool::Finish(std::string& message)
{
    while (!Failed && !InFlight.empty())
        if (!MixOldest(message))
            Fail(message);
    // A Stop read after the last note still ends the render.
    if (!Failed && IsStopped(Stop)) {
        message = FlagReason();
        Fail(message);
    }
    if (Failed)
        message = Failure;
    return !Failed;
}

void TNoteRenderPool::Abandon(std::string& message)
{
    if (!Failed)
        Fail(message);
    message = Failure;
}

std::string TNoteRenderPool::FlagReason()
{
    // Set with no note failing by itself: a Stop, or a note that set it without a word.
    return WorkStoppedByUser() ? StoppedRunReason() : "A note could not be rendered.";
}

bool TNoteRenderPool::Fail(std::string& message)
{
    std::string own;
    if (FirstFailureInFlight(own))
        message = own;
    Failed = true;
    Failure = message;
    return false;
}

bool TNoteRenderPool::FirstFailureInFlight(std::string& message)
{
    // The notes in flight come before the failure in the walk's order: each
    // is made, as on one thread, until one is found that failed by itself.
    bool found = false;
    for (const std::unique_ptr<TEntry>& entry : InFlight) {
        WaitMade(*entry);
        if (entry->ownFailure) {
            message = ReasonOf(*entry);
            found = true;
            break;
        }
    }
    // The notes after it are never heard: those being made stop at once, the
    // ones no thread has taken are never made.
    SetStopped(Stop);
    const std::lock_guard lock(Mutex);
    for (TEntry* entry : Waiting)
        entry->made = true;
    Waiting.clear();
    return found;
}

std::string TNoteRenderPool::ReasonOf(TEntry& entry)
{
    if (entry.error)
        std::rethrow_exception(entry.error);
    if (!entry.reason.empty())
        return entry.reason;
    // Its player says why, as at any mix.
    std::string reason;
    if (entry.note->Mix(Stop, reason))
        reason = "A note could not be rendered.";
    return reason;
}

void TNoteRenderPool::WaitMade(TEntry& entry)
{
    std::unique_lock lock(Mutex);
    while (!entry.made) {
        if (Waiting.size() > Workers.size()) {
            // More waiting than the workers take next: the walking thread makes
            // one itself. With fewer it only waits, since its mixing is what
            // the workers then wait for.
            TEntry* next = Waiting.front();
            Waiting.pop_front();
            lock.unlock();
            MakeEntry(*next, Stop);
            lock.lock();
            next->made = true;
            continue;
        }
        WorkMade.wait_for(lock, NoteRenderWaitStep);
        if (!entry.made) {
            lock.unlock();
            // The watcher lives on this thread: a Stop sets the flag the workers read.
            IsStopped(Stop);
            lock.lock();
        }
    }
}

bool TNoteRenderPool::MixOldest(std::string& message)
{
    TEntry& oldest = *InFlight.front();
    WaitMade(oldest);
    // Failed by itself: Fail finds it first in flight and gives its reason.
    if (oldest.ownFailure)
        return false;
    // Stopped by another note's failure or by the user: dropped.
    if (IsStopped(Stop)) {
        message = FlagReason();
        return false;
    }
    if (!MixIn(oldest, message))
        return false;
    ReportWork(oldest.progress, ProgressTotal);
    Spend(std::move(InFlight.front()));
    InFlight.pop_front();
    // Set while the note was mixed, or made without a word: the render ends
    // there, unless a later note failed by itself.
    if (IsStopped(Stop)) {
        message = FlagReason();
        return false;
    }
    return true;
}

bool TNoteRenderPool::MixIn(TEntry& entry, std::string& message)
{
    bool ok = true;
    const bool caught = OwnAllocationFailed([&] { ok = entry.note->Mix(Stop, message); });
    if (ok)
        return true;
    // A reason of its own, with no flag set, is the note's own failure too.
    entry.ownFailure = caught || !IsStopped(Stop);
    if (entry.ownFailure)
        entry.reason = message;
    else
        message = FlagReason();
    return false;
}

void TNoteRenderPool::Spend(std::unique_ptr<TEntry> entry)
{
    // A note's sounds were had on a worker: a worker gives them back too, as
    // it takes its next note, unless so many wait that this thread must.
    if (!entry->work || Workers.empty())
        return;
    std::vector<std::unique_ptr<TNoteInFlight>> spent;
    const std::lock_guard lock(Mutex);
    Spent.push_back(std::move(entry->note));
    if (Spent.size() + Freeing >= MostInFlight)
        spent.swap(Spent);
}

void TNoteRenderPool::Close()
{
    if (Closed)
        return;
    Closed = true;
    // Notes left in flight belong to a render that failed or threw: those
    // still being made stop at once.
    if (!InFlight.empty())
        SetStopped(Stop);
    {
        const std::lock_guard lock(Mutex);
        Closing = true;
        Waiting.clear();
    }
    WorkWaiting.notify_all();
    for (std::thread& worker : Workers)
        worker.join();
    Workers.clear();
    InFlight.clear();
    Spent.clear();
    const bool memory = HeldMemory || WalkerHold->Wanted();
    const bool tooLong = HeldTooLong || WalkerHold->TooLongWanted();
    WalkerHold.reset();
    ShowHeldMessages(memory, tooLong);
}
