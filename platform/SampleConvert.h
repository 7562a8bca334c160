#pragma once
#include <cstdint>

// The one way a computed value becomes a sample: NaN gives 0, anything else is
// truncated toward zero into 64 bits (saturating) and keeps its low 16 bits, so
// values out of range wrap around as the sound engine expects.
inline int16_t ToSample(double value)
{
    if (!(value == value))
        return 0;
    int64_t whole;
    if (value >= 9223372036854775807.0)
        whole = INT64_MAX;
    else if (value <= -9223372036854775808.0)
        whole = INT64_MIN;
    else
        whole = static_cast<int64_t>(value);
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(whole) & 0xFFFFu));
}

// Truncation toward zero into a 32-bit integer for positions, pixels and cells,
// saturating instead of undefined behaviour; NaN gives 0.
inline int32_t ToInt32(double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}
