#pragma once
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWaveVal.h"

#include <cstdint>

// Settings of the Block effect.
class TBlockProps {
public:
    TBlockProps();

    // The length of one block in seconds for an operation time.
    double GetHorTime(double operationTime) const;
    // The number of value steps.
    int32_t GetVertCount() const;

    uint8_t HorKind = 0;  // 0 no change, 1 count, 2 time
    uint8_t VertKind = 0; // 0 no change, 1 count, 2 height
    unitIntegerPosMore HorCount;
    unitIntegerPosMore VertCount;
    unitTimePosMore HorTime;
    unitWaveValPosMore VertHeight;
};
