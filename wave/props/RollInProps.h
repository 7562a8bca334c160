#pragma once
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWavePosition.h"

#include <cstdint>

// Settings of Roll in. The two positions are measured against the roll-in length.
class TRollInProps {
public:
    TRollInProps();

    uint8_t Placement = 0; // 0 start at, 1 end at
    unitTimePosMore Length;
    unitWavePosition StartAt;
    unitWavePosition EndAt;
};
