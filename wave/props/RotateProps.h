#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitTime.h"

#include <cstdint>

// Settings of Rotate.
class TRotateProps {
public:
    TRotateProps();

    // The left shift in seconds for an operation time, in [0, operation time).
    double GetShift(double operationTime) const;

    uint8_t ShiftTo = 0;  // 0 left, 1 right
    uint8_t ByFactor = 1; // 1 Factor of the operation time, 0 Time
    unitFactorMin1Pos1 Factor;
    unitTime Time;
};
