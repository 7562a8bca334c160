#pragma once
#include "foundation/values/unitTime.h"
#include "wave/document/UnitUnitWave.h"
#include "wave/props/MFreqRecordBrowser.h"

#include <cstdint>

// Settings of Multi Frequencies: the length, sines or a wave form, the
// Default flags of the dialog and the list of components. Each copy owns its
// own components.
class TMFreqProps {
public:
    TMFreqProps();

    unitTimePosMore Length;
    uint8_t UseKind = 0; // 0 sinus, 1 wave form
    unitUnitWave WaveForm;
    uint8_t DefVolume = 1;
    uint8_t DefFrequency = 0;
    uint8_t DefAngle = 1;
    uint8_t DefVolFact = 1;
    uint8_t DefVolFactTime = 1;
    TMFreqRecordBrowser Records;
};
