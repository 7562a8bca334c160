#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitTime.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of Period Echo.
class TPerEchoProps {
public:
    TPerEchoProps();

    unitTime Time;
    uint8_t TimeEnvelopeOn = 0;
    unitUnitWave TimeEnvelope;
    uint8_t VolumeKind = 0; // 0 constant, 1 envelope
    unitUnitWave VolumeEnvelope;
    unitFactor Volume;
    unitIntegerPosMore Count;
};
