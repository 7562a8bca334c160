#pragma once
#include <cstdint>

// The music window's view origin as a music file keeps it: the x and y of
// the music's left and top edge in window pixels.
struct TMDIChildMuzInitProps {
    int32_t Left = 0;
    int32_t Top = 0;

    // A file's origin lies within this of 0 either way: farther than any
    // music reaches, and near enough that the music's own extent added to it
    // stays in range.
    static constexpr int32_t Farthest = 100000000;
};
