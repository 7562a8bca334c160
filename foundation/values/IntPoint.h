#pragma once
#include <cstdint>

// A point in whole pixels.
struct TIntPoint {
    int32_t x = 0;
    int32_t y = 0;
};
