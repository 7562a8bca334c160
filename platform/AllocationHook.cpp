#include "platform/AllocationHook.h"

#include <atomic>

namespace {
std::atomic<int> passing{0};
std::atomic<int> armed{0};
thread_local int armedHere = 0;

// Takes one from counter when it is above 0.
bool TakeOne(std::atomic<int>& counter)
{
    int current = counter.load();
    while (current > 0) {
        if (counter.compare_exchange_weak(current, current - 1))
            return true;
    }
    return false;
}
} // namespace

namespace AllocationHook {

void FailNext(int count)
{
    FailAfter(0, count);
}

void FailAfter(int succeeding, int count)
{
    armed.store(0);
    passing.store(succeeding);
    armed.store(count);
}

void FailNextHere(int count)
{
    armedHere = count;
}

void Reset()
{
    armedHere = 0;
    armed.store(0);
    passing.store(0);
}

bool ShouldFail()
{
    if (armedHere > 0) {
        --armedHere;
        return true;
    }
    if (armed.load() == 0)
        return false;
    if (TakeOne(passing))
        return false;
    return TakeOne(armed);
}

} // namespace AllocationHook
