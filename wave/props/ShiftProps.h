#pragma once
#include "foundation/values/unitTime.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>

// Settings of Move Wave Horizontally.
class TShiftProps {
public:
    TShiftProps();

    unitTime TimeMiddle; // mono waves
    unitTime TimeLeft;   // stereo waves
    unitTime TimeRight;
    uint8_t TimeEnvelopeOn = 0;
    unitUnitWave TimeEnvelope;
};
