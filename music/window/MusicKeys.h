#pragma once
#include <cstdint>

// The keys of the music window as its controller sees them: letters and
// top-row digits by their upper-case character, the others by these codes.
namespace MusicKey {
constexpr int32_t Space = 32;
constexpr int32_t PageUp = 33;
constexpr int32_t PageDown = 34;
constexpr int32_t End = 35;
constexpr int32_t Home = 36;
constexpr int32_t Left = 37;
constexpr int32_t Up = 38;
constexpr int32_t Right = 39;
constexpr int32_t Down = 40;
constexpr int32_t Insert = 45;
constexpr int32_t Shift = 16;
constexpr int32_t Control = 17;
constexpr int32_t Alt = 18;
// Anything else: none of the keys the window uses.
constexpr int32_t Other = 0;
} // namespace MusicKey

// Modifier bits.
enum TMusicKeyModifier : uint8_t { musicKeyShift = 1, musicKeyCtrl = 2, musicKeyAlt = 4 };
