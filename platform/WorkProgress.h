#pragma once
#include <cstdint>

// What long work asks of whoever watches it: the GUI shows a progress window
// with a Stop button, tests fill it in with a recorder that asks for a stop.
// A watcher belongs to the thread that installed it; work on other threads
// (the second channel of a stereo operation) reaches it only through the
// stop flag that both share.
class WorkProgress {
public:
    virtual ~WorkProgress() = default;
    // The work goes on and has come to done of total steps (total 0: it does
    // not know how far it is). True asks it to stop. Called every few chunks
    // of samples, so a watcher that does more than note the call looks at the
    // clock first.
    virtual bool StopWanted(int64_t done, int64_t total) = 0;
};

// Installs a watcher (not owned) for the calling thread and gives the previous one.
WorkProgress* WatchWork(WorkProgress* watcher);

// Called by long work before every chunk: true when the watcher of this
// thread wants the work to stop, and from then on. Cheap without a watcher.
bool WorkStopWanted();

// How far the work has come where it knows: the watcher sees it at its next call.
void ReportWork(int64_t done, int64_t total);

// Whether the watcher of this thread has asked for a stop: a run that ends
// stopped was stopped by the user, and not by memory running out.
bool WorkStoppedByUser();
