#pragma once
#include <cstdint>

// The music window's view origin as a music file keeps it: the x and y of
// the music's left and top edge in window pixels.
struct TMDIChildMuzInitProps {
    int32_t Left = 0;
    int32_t Top = 0;
};
