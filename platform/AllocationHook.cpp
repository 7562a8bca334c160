#include "platform/AllocationHook.h"

#include <atomic>

namespace {
std::atomic<int> armed{0};
}

namespace AllocationHook {

void FailNext(int count)
{
    armed.store(count);
}

void Reset()
{
    armed.store(0);
}

bool ShouldFail()
{
    int current = armed.load();
    while (current > 0) {
        if (armed.compare_exchange_weak(current, current - 1))
            return true;
    }
    return false;
}

} // namespace AllocationHook
