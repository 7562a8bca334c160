#pragma once
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWaveVal.h"

#include <cstdint>

// Settings of Make Line.
class TLineProps {
public:
    TLineProps();

    uint8_t LineKind = 0; // 0 linear, 1 exponential
    unitWaveVal Begin;
    unitWaveVal End;
    unitTimePosMore Length;
};
