#pragma once
#include <cstddef>

// Memory for large buffers that are written soon after they are had, such as the
// samples of a new sound. A fresh buffer costs a page fault for every page it
// touches first; with 4 KiB pages that is 13 000 faults for a 53 MB channel, more
// time than writing it. So from LargeBlockBytes on, a block starts on a 2 MiB
// boundary and the kernel is asked to back its whole 2 MiB stretches with huge
// pages (one fault each). The part after the last whole stretch keeps small
// pages, so a block never takes more memory than it asks for. Where huge pages
// cannot be asked for, blocks are plain heap memory.
namespace PageMemory {

constexpr size_t LargeBlockBytes = size_t(2) << 20;

// A block of at least bytes bytes (one for 0), not cleared; null when there is no
// memory for it.
void* Allocate(size_t bytes);
// Frees a block from Allocate; null is ignored.
void Free(void* block);

} // namespace PageMemory
