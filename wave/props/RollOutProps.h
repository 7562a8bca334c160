#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWavePosition.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of Roll out. The main window writes the operation time in before
// the dialog opens; the start position is measured against it.
class TRollOutProps {
public:
    TRollOutProps();

    // The length factor of the result.
    double GetLengthFactor() const;

    double OperationTime = 0;
    unitFactorNotNul SpeedFactor;
    uint8_t SpeedEnvelopeOn = 0;
    unitUnitWave SpeedEnvelope;
    uint8_t LengthKind = 0; // 0 length factor, 1 new length, 2 same length as, 3 count
    unitFactorPosMore LengthFactor;
    unitTimePosMore NewLength;
    unitUnitWave SameLengthAs;
    unitFactorPosMore Count;
    unitWavePosition StartPosition;
};
