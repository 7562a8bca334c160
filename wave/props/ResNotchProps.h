#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitTime.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of the resonant and of the notch filter.
class TResNotchProps {
public:
    TResNotchProps();

    uint8_t FreqKind = 0; // 0 constant, 1 envelope
    unitUnitWave FreqEnvelope;
    unitTimePosMore Frequency; // the period
    uint8_t WidthKind = 0; // 0 constant, 1 envelope
    unitUnitWave WidthEnvelope;
    unitFactorPosMax1 Width;
};
