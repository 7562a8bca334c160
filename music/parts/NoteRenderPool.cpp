#include "music/parts/NoteRenderPool.h"

#include "music/NoteInFlight.h"
#include "platform/WorkProgress.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <system_error>

namespace {

// 0: the machine's.
std::atomic<int> noteRenderThreadsSet{0};

constexpr int NoteRenderMost = 64;
// Enough notes in flight per thread that no thread runs dry while a long note
// holds up the mixing; few enough that their sounds take little memory.
constexpr size_t NoteRenderInFlightPerThread = 4;
// While the walking thread waits for a note it asks the watcher this often
// (through the flag's test), so that Stop is heard as soon as in a single thread.
constexpr std::chrono::milliseconds NoteRenderWaitStep{2};

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
        lock.unlock();
        // Their memory goes back here, not on the walking thread that mixes.
        spent.clear();
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
    try {
        entry.note->Make(stop);
    } catch (...) {
        // Thrown again on the walking thread when the note's turn comes.
        entry.error = std::current_exception();
    }
}

bool TNoteRenderPool::Fail(const std::string& message)
{
    Failed = true;
    Failure = message;
    const std::lock_guard lock(Mutex);
    Waiting.clear();
    return false;
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
    const bool atOnce = entry->note->MixesAtOnce();
    entry->made = !entry->work || Threads == 1;
    if (entry->work && Threads == 1)
        entry->note->Make(Stop);
    TEntry* added = entry.get();
    InFlight.push_back(std::move(entry));
    if (!added->made) {
        if (!Started)
            StartWorkers();
        const std::lock_guard lock(Mutex);
        Waiting.push_back(added);
        WorkWaiting.notify_one();
    }
    // Notes made already go in at once; the rest once there are too many in flight.
    for (;;) {
        bool mix = InFlight.size() > MostInFlight || atOnce;
        if (!mix && !InFlight.empty()) {
            const std::lock_guard lock(Mutex);
            mix = InFlight.front()->made;
        }
        if (!mix || InFlight.empty())
            return true;
        if (!MixOldest(message))
            return Fail(message);
    }
}

bool TNoteRenderPool::Finish(std::string& message)
{
    while (!Failed && !InFlight.empty())
        if (!MixOldest(message))
            Fail(message);
    if (Failed)
        message = Failure;
    return !Failed;
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

bool TNoteRenderPool::LaterNoteHasWork() const
{
    return std::any_of(InFlight.begin() + 1, InFlight.end(),
                       [](const std::unique_ptr<TEntry>& entry) { return entry->work; });
}

bool TNoteRenderPool::MixOldest(std::string& message)
{
    TEntry& oldest = *InFlight.front();
    WaitMade(oldest);
    if (oldest.error) {
        const std::exception_ptr error = oldest.error;
        InFlight.pop_front();
        std::rethrow_exception(error);
    }
    bool ok = oldest.note->Mix(Stop, message);
    // A flag set while this note was made is this note's failure, unless a
    // later note in flight set it: that one then fails in its turn.
    if (ok && IsStopped(Stop) && !LaterNoteHasWork()) {
        message = "A note could not be rendered.";
        ok = false;
    }
    if (ok)
        ReportWork(oldest.progress, ProgressTotal);
    // A note's sounds were had on a worker: a worker gives them back too, as
    // it takes its next note, unless so many wait that this thread must.
    std::vector<std::unique_ptr<TNoteInFlight>> spent;
    if (oldest.work && !Workers.empty()) {
        const std::lock_guard lock(Mutex);
        Spent.push_back(std::move(oldest.note));
        if (Spent.size() > MostInFlight)
            spent.swap(Spent);
    }
    InFlight.pop_front();
    return ok;
}

void TNoteRenderPool::Close()
{
    if (Closed)
        return;
    Closed = true;
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
