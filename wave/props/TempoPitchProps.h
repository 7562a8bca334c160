#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWavePosition.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of Pitch Tempo. The main window writes the operation time in
// before the dialog opens.
class TTempoPitchProps {
public:
    TTempoPitchProps();

    double GetLengthFactor() const;

    double OperationTime = 0;
    unitFactorNotNul FreqFactor;
    uint8_t FreqEnvelopeOn = 0;
    unitUnitWave FreqEnvelope;
    unitFactorNotNul SpeedFactor;
    uint8_t SpeedEnvelopeOn = 0;
    unitUnitWave SpeedEnvelope;
    uint8_t LengthKind = 0; // 0 length factor, 1 new length, 2 same length as, 3 count
    unitFactorPosMore LengthFactor;
    unitTimePosMore NewLength;
    unitUnitWave SameLengthAs;
    unitFactorPosMore Count;
    unitWavePosition StartPosition;
    uint8_t Quality = 0; // 0 low, 1 high
    unitTimePosMore BlockSize;
};
