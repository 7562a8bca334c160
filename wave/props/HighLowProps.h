#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitTime.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of the high and of the low filter.
class THighLowProps {
public:
    THighLowProps();

    uint8_t FreqKind = 0; // 0 constant, 1 envelope
    unitUnitWave FreqEnvelope;
    unitTimePosMore Frequency; // the period
    unitFactorPosMoreLess1 Factor;
    unitIntegerPosMore Count;
    uint8_t MaximizeVolume = 0;
};
