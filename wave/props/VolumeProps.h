#pragma once
#include "foundation/values/unitFactor.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of Change Volume.
class TVolumeProps {
public:
    TVolumeProps();

    uint8_t VolumeKind = 0; // 0 constant factor, 1 envelope
    unitUnitWave VolumeEnvelope;
    unitFactor Factor;
};
