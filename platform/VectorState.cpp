#include "platform/VectorState.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))

namespace {

// The instruction exists only on processors with the wide registers. Asked
// while the program's constructors run, so the feature bits are read first.
const bool HasWideVectors = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();

} // namespace

void ClearUpperVectorState()
{
    if (HasWideVectors)
        asm volatile("vzeroupper");
}

#else

void ClearUpperVectorState() {}

#endif
