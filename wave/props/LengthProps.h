#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitTime.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of Change Length.
class TLengthProps {
public:
    TLengthProps();

    // The length factor for an operation time (kinds 0 to 2; any other gives 0).
    double GetLengthFactor(double operationTime) const;

    uint8_t LengthKind = 0; // 0 length factor, 1 new length, 2 same length as
    unitFactor LengthFactor;
    unitTimePosMore NewLength;
    unitUnitWave SameLengthAs;
};
