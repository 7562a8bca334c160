#include "platform/WorkProgress.h"

namespace {

// Chunks between two calls of the watcher: a chunk is a thousand samples at
// most, so the watcher hears of the work many times a second.
constexpr uint32_t TicksPerCall = 16;

struct TWatch {
    WorkProgress* watcher = nullptr;
    uint32_t ticks = 0;
    int64_t done = 0;
    int64_t total = 0;
    bool stopped = false;
};

thread_local TWatch watch;

} // namespace

WorkProgress* WatchWork(WorkProgress* watcher)
{
    WorkProgress* previous = watch.watcher;
    watch = TWatch{watcher};
    return previous;
}

bool WorkStopWanted()
{
    if (watch.watcher == nullptr)
        return false;
    if (watch.stopped)
        return true;
    if (++watch.ticks < TicksPerCall)
        return false;
    watch.ticks = 0;
    watch.stopped = watch.watcher->StopWanted(watch.done, watch.total);
    return watch.stopped;
}

void ReportWork(int64_t done, int64_t total)
{
    watch.done = done;
    watch.total = total;
}

bool WorkStoppedByUser()
{
    return watch.watcher != nullptr && watch.stopped;
}
