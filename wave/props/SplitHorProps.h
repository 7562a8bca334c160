#pragma once
#include <cstdint>

// Settings of Split Horizontally: 0 three parts, 1 two parts both including
// the selection, 2 two parts both excluding it.
class TSplitHorProps {
public:
    uint8_t Result = 0;
};
