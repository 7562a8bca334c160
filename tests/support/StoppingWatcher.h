#pragma once
#include "platform/WorkProgress.h"

#include <cstdint>

// Watches long work as the progress window does, and asks for a stop as the
// user would press Stop: at its stopAt-th call (never with 0). Installs itself
// on the calling thread for its lifetime and keeps what the work reported.
class StoppingWatcher : public WorkProgress {
public:
    explicit StoppingWatcher(int stopAt = 0) : stopAt(stopAt), previous(WatchWork(this)) {}
    ~StoppingWatcher() override { WatchWork(previous); }
    StoppingWatcher(const StoppingWatcher&) = delete;
    StoppingWatcher& operator=(const StoppingWatcher&) = delete;

    bool StopWanted(int64_t done, int64_t total) override
    {
        lastDone = done;
        lastTotal = total;
        return ++calls == stopAt;
    }

    int calls = 0;
    int64_t lastDone = 0;
    int64_t lastTotal = 0;

private:
    int stopAt;
    WorkProgress* previous;
};
