#include "platform/PageMemory.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace PageMemory {

void* Allocate(size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= LargeBlockBytes) {
        void* block = nullptr;
        if (::posix_memalign(&block, LargeBlockBytes, bytes) != 0)
            return nullptr;
        // Advice only: without huge pages the kernel says no and the block is as good.
        ::madvise(block, bytes & ~(LargeBlockBytes - 1), MADV_HUGEPAGE);
        return block;
    }
#endif
    return std::malloc(bytes > 0 ? bytes : 1);
}

void Free(void* block)
{
    std::free(block);
}

} // namespace PageMemory
