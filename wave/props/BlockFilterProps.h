#pragma once
#include "foundation/values/unitTime.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of the block filter.
class TBlockFilterProps {
public:
    TBlockFilterProps();

    uint8_t TimeEnvelopeOn = 0;
    unitUnitWave TimeEnvelope;
    unitTime BlockTime;
};
