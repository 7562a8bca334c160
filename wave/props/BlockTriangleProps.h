#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWaveVal.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// How a period of a block or triangle is given.
enum : uint8_t { bloTriFrequency = 0, bloTriTime = 1 };

// Settings of Make Block and Make Triangle.
class TBlockTriangleProps {
public:
    TBlockTriangleProps();

    // The period in seconds.
    double GetPeriod() const;
    // The length in seconds of the wave to make.
    double GetLength() const;
    bool HasMiddleEnvelope() const;
    // The fraction of the period spent at Height1; only without a middle envelope.
    double GetMiddle() const;

    unitWaveVal Height1;
    unitWaveVal Height2;
    uint8_t BloTriHorKind = bloTriFrequency;
    unitTimePosMore Frequency; // the period
    uint8_t MiddleKind = 0;    // 0 constant, 1 envelope
    unitFactorMin1Pos1 Middle;
    unitUnitWave MiddleEnvelope;
    unitTimePosMore Time1;
    unitTimePosMore Time2;
    uint8_t LengthKind = 0; // 0 new length, 1 same length as, 2 count
    unitTimePosMore NewLength;
    unitUnitWave SameLengthAs;
    unitFactorPosMore Count;
    unitFactorMin1Pos1 StartPosition;
};
