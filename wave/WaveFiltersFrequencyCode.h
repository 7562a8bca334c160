#pragma once
#include "wave/WaveEngineSupport.h"

#include <cmath>
#include <cstdint>

// The 16-bit logarithmic frequency scale of filter and balance envelopes,
// 21845 steps per decade from 20 Hz (-32768) to 20000 Hz (32767). The argument
// is the code plus 32768, so 0 is 20 Hz.
inline double FrequencyOfShiftedCode(int32_t shiftedCode)
{
    return 20 * std::pow(10.0, shiftedCode * EngineOneBy21845);
}

// The code of an envelope value as the filters take it: truncated, plus 32768.
inline int32_t ShiftedCodeOf(double envelopeValue)
{
    return ToInt32(envelopeValue) + 32768;
}
