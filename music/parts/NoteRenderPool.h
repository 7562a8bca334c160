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

// Notes in flight per thread: enough that no thread runs dry while a long note
// holds up the mixing, few enough that their sounds take little memory.
constexpr size_t NoteRenderInFlightPerThread = 4;

// The notes of one render on their way from the walk into the render sounds.
// The walk hands each note over as it reaches it, with what the note reads of
// shared state already read. Its sound is made on a worker, or on the walking
// thread while that waits, and the walking thread mixes the notes in strictly
// in the walk's order, so the sound is the one a single thread makes.
//
// Memory: at most NoteRenderInFlightPerThread notes a thread are in flight
// (and the one being handed over), and at most as many notes mixed in wait
// for a worker to free their sounds, on whose memory they were made. So the
// sounds of at most 8 notes a thread are kept, each note's parts' sounds; the
// walk waits when there would be more.
//
// The workers are started at the first note that has work and ended by Close;
// they touch nothing but their notes and the stop flag. A failed allocation on
// any thread (the walking one too, while the pool is open) is shown once by
// Close. A render that fails names the first note in the walk's order that
// failed by itself (an allocation of its own failed, or its player gave a
// reason); the notes that only found the flag set by another's failure, or by
// a Stop, are dropped without a word. The notes in flight when the walk fails
// come before its failure: they are made, as one thread would have, until one
// that failed by itself is found. The notes after a failure stop at once:
// none is made or mixed in unheard, and Close does not wait for them.
class TNoteRenderPool {
public:
    // progressTotal: the total that the progress reported after each note is out of.
    TNoteRenderPool(StopFlag* stop, int threads, int64_t progressTotal);
    ~TNoteRenderPool();
    TNoteRenderPool(const TNoteRenderPool&) = delete;
    TNoteRenderPool& operator=(const TNoteRenderPool&) = delete;

    // Takes the walk's next note, reporting progress when it is mixed in.
    // False with the reason when the render failed meanwhile; from then on
    // the pool takes no more.
    bool Add(std::unique_ptr<TNoteInFlight> note, int64_t progress, std::string& message);
    // The walk is done: mixes the notes still in flight. False with the
    // reason when the render failed, this time or before; a Stop read at the
    // end still ends it.
    bool Finish(std::string& message);
    // The walk failed with message: the first note in flight that failed by
    // itself, if any, gives the reason instead, since it comes earlier in the
    // walk; the notes after that one stop at once.
    void Abandon(std::string& message);
    // Drops what is left, ends the workers (stopping the notes still being
    // made), and shows the memory message (or the longest wave's) once when
    // an allocation failed.
    void Close();

private:
    struct TEntry {
        std::unique_ptr<TNoteInFlight> note;
        int64_t progress = 0;
        bool work = false; // whether the note had a sound to make when it came
        bool made = false; // under Mutex once the entry waits for a thread
        // Set by the thread that made the note, before made: it failed by
        // itself (an allocation of its own failed, or it threw).
        bool ownFailure = false;
        std::exception_ptr error;
        std::string reason; // its own failure's, once mixed
    };

    void StartWorkers();
    void Work();
    static void MakeEntry(TEntry& entry, StopFlag* stop);
    // Whether the oldest note is to be mixed now: it is made, or there are too many in flight.
    bool OldestDue();
    // Waits for the oldest note, making waiting ones meanwhile, and mixes it in;
    // false when the render fails there.
    bool MixOldest(std::string& message);
    void WaitMade(TEntry& entry);
    // Mixes a made note in; false when it failed, with its reason when it
    // failed by itself, with the stop's when it found the flag set.
    bool MixIn(TEntry& entry, std::string& message);
    // Hands a mixed note to the workers to free, or frees it.
    void Spend(std::unique_ptr<TEntry> entry);
    // The render fails: message is the reason unless a note in flight failed
    // by itself. Always false.
    bool Fail(std::string& message);
    // Finds, in the walk's order, the first note in flight that failed by
    // itself, then stops the rest at once.
    bool FirstFailureInFlight(std::string& message);
    std::string ReasonOf(TEntry& entry);
    // Why the render ends when the flag was found set and no note failed by itself.
    static std::string FlagReason();

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
    // a worker is to drop, how many a worker is dropping, and what the
    // workers' holds caught.
    std::deque<TEntry*> Waiting;
    std::vector<std::unique_ptr<TNoteInFlight>> Spent;
    size_t Freeing = 0;
    bool Closing = false;
    bool HeldMemory = false;
    bool HeldTooLong = false;
};
