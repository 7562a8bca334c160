#pragma once
#include <cstdint>
#include <string>

// The longest wave the engine holds: its values are counted in 32 bits.
constexpr int32_t LongestWaveValues = INT32_MAX;

// Whether a wave of this many values, reckoned in floating point so that
// nothing saturates or wraps on the way, can be held.
inline bool FitsLongestWave(double values)
{
    return values <= static_cast<double>(LongestWaveValues);
}

// What the user is told when a result would pass the longest wave: that, and
// not that memory ran out or that a shorter result was made.
std::string LongerThanTheLongestWave();
void ShowLongerThanTheLongestWave();
