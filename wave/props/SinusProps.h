#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWaveVal.h"

#include <cstdint>

// Settings of Make Sinus.
class TSinusProps {
public:
    TSinusProps();

    // The number of periods to make, fraction included.
    double GetCount() const;

    uint8_t LengthKind = 0; // 0 length, 1 count
    unitWaveVal Amplitude;
    unitTimePosMore Frequency; // the period
    unitFactorMin1Pos1 StartPhase;
    unitTimePosMore Length;
    unitFactorPosMore Count;
};
