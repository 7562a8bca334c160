#pragma once
#include "wave/ChannelThreads.h"
#include "wave/Sound.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class TNoteInFlight;

// How many threads make the notes of a render, the walking thread counted:
// the machine's cores, at most NoteRenderDefaultMost, unless set. With 1 the
// walking thread makes and mixes every note as it comes.
constexpr int NoteRenderDefaultMost = 8;
int NoteRenderThreads();
// Sets the count for tests and benchmarks (at most 64); 0 goes back to the machine's.
void SetNoteRenderThreads(int threads);

// The notes of one render on their way from the walk into the render sounds.
// The walk hands each note over as it reaches it, with what the note reads of
// shared state already read. Its sound is made on a worker, or on the walking
// thread while that waits, and the walking thread mixes the notes in strictly
// in the walk's order, so the sound is the one a single thread makes. A few
// notes per thread are in flight at most; the walk waits when there are more.
//
// The workers are started at the first note that has work and ended by Close;
// they touch nothing but their notes and the stop flag. A failed allocation on
// any thread (the walking one too, while the pool is open) is shown once by
// Close. The first note that fails, in the walk's order, gives the reason; the
// notes after it are dropped.
class TNoteRenderPool {
public:
    // progressTotal: the total that the progress reported after each note is out of.
    TNoteRenderPool(StopFlag* stop, int threads, int64_t progressTotal);
    ~TNoteRenderPool();
    TNoteRenderPool(const TNoteRenderPool&) = delete;
    TNoteRenderPool& operator=(const TNoteRenderPool&) = delete;

    // Takes the walk's next note, reporting progress when it is mixed in.
    // False with the reason when a note mixed meanwhile failed; from then on
    // the pool takes no more.
    bool Add(std::unique_ptr<TNoteInFlight> note, int64_t progress, std::string& message);
    // Mixes the notes still in flight; false with the reason of the first
    // note that failed, this time or before.
    bool Finish(std::string& message);
    // Drops what is left, ends the workers, and shows the memory message (or
    // the longest wave's) once when an allocation failed.
    void Close();

private:
    struct TEntry {
        std::unique_ptr<TNoteInFlight> note;
        int64_t progress = 0;
        bool work = false; // whether the note had a sound to make when it came
        bool made = false; // under Mutex once the entry waits for a thread
        std::exception_ptr error;
    };

    void StartWorkers();
    void Work();
    static void MakeEntry(TEntry& entry, StopFlag* stop);
    // Waits for the oldest note, making waiting ones meanwhile, and mixes it in.
    bool MixOldest(std::string& message);
    void WaitMade(TEntry& entry);
    // Whether a note after the oldest has a sound of its own to make.
    bool LaterNoteHasWork() const;
    bool Fail(const std::string& message);

    StopFlag* Stop;
    int Threads;
    int64_t ProgressTotal;
    size_t MostInFlight;
    // The walking thread's own: in the walk's order, the oldest first.
    std::deque<std::unique_ptr<TEntry>> InFlight;
    bool Failed = false;
    std::string Failure;
    bool Started = false;
    bool Closed = false;
    std::optional<MemoryMessageHold> WalkerHold;
    std::vector<std::thread> Workers;

    std::mutex Mutex;
    std::condition_variable WorkWaiting;
    std::condition_variable WorkMade;
    // Under Mutex: the notes no thread has taken yet, the notes mixed in that
    // a worker is to drop, and what the workers' holds caught.
    std::deque<TEntry*> Waiting;
    std::vector<std::unique_ptr<TNoteInFlight>> Spent;
    bool Closing = false;
    bool HeldMemory = false;
    bool HeldTooLong = false;
};
