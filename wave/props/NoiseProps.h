#pragma once
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWaveVal.h"

// Settings of Make Noise.
class TNoiseProps {
public:
    TNoiseProps();

    unitWaveVal Volume;
    unitTimePosMore Length;
};
