#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitTime.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of Random Echo. A die field is the index 0 to 5 of one of the six dice.
class TRandomEchoProps {
public:
    TRandomEchoProps();

    int32_t Page = 0; // tab page shown last
    unitIntegerPosMore Count;
    uint8_t Cyclable = 0;
    unitInteger RandomSeed;
    unitTimePosMore TimeDiff;
    uint8_t TimeKind = 0; // 0 linear, 1 random envelope
    unitUnitWave TimeEnvelope;
    int32_t TimeDie = 0;
    uint8_t VolumeKind = 0; // 0 no change, 1 linear, 2 random envelope
    unitUnitWave VolumeEnvelope;
    int32_t VolumeDie = 1;
    uint8_t LengthKind = 0; // 0 no change, 1 random envelope
    unitUnitWave LengthEnvelope;
    int32_t LengthDie = 2;
    uint8_t BalKind = 0; // 0 no change, 1 linear, 2 random envelope
    unitUnitWave BalEnvelope;
    int32_t BalDie = 3;
    uint8_t BalVolumeDifference = 1; // 0 none, 1 volume, 2 filter
    uint8_t BalTimeDifference = 1;
    unitFactor FreqFactor;
    uint8_t PitchKind = 0; // 0 no change, 1 random envelope
    unitUnitWave PitchEnvelope;
    int32_t PitchDie = 4;
    uint8_t TempoKind = 0; // 0 no change, 1 random envelope
    unitUnitWave TempoEnvelope;
    int32_t TempoDie = 5;
    uint8_t Quality = 0; // 0 low, 1 high
    unitTimePosMore BlockSize;
};
