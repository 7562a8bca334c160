#pragma once
#include "foundation/values/unitBalAngleFactor.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of Balance.
class TBalanceProps {
public:
    TBalanceProps();

    uint8_t DirKind = 0; // 0 constant direction, 1 envelope
    unitBalAngleFactor Direction;
    unitUnitWave DirEnvelope;
    uint8_t TimeDifference = 1;
    uint8_t VolumeDifference = 1; // 0 none, 1 volume, 2 filter
};
