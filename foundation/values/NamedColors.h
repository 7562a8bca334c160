#pragma once
#include <cstdint>
#include <span>

// The colours offered by name in the colour boxes. A colour holds red in bits
// 0-7, green in 8-15 and blue in 16-23; a system colour has the top byte set
// and names a colour of the desktop scheme by its number in the low byte.
struct TNamedColor {
    uint32_t color;
    const char* name;
};

std::span<const TNamedColor> StandardColors();
std::span<const TNamedColor> ExtendedColors();
std::span<const TNamedColor> SystemColors();

inline constexpr uint32_t SystemColorFlag = 0xFF000000u;
inline bool IsSystemColor(uint32_t color) { return (color & SystemColorFlag) != 0; }

// The colour to paint: a system colour becomes its colour in the scheme (an
// unknown one black); any other colour is itself, without the top byte.
uint32_t ResolveColor(uint32_t color);
