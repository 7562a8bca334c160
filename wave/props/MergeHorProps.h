#pragma once
#include "wave/document/UnitUnitWave.h"
#include "wave/view/VoldViewProps.h"
#include "wave/view/WaveViewProps.h"

#include <cstdint>

// Settings of Merge Horizontally: the two waves, one after the other, and the
// format and display of the new wave. Held only by the main window.
class TMergeHorProps {
public:
    unitUnitWave First;
    unitUnitWave Last;
    uint16_t MonoStereo = 2;
    uint32_t SampleFreq = 44100;
    uint16_t BytesPSample = 2;
    TWaveViewProps WaveViewProps;
    TVoldViewProps VoldViewProps;
    uint8_t ShowKind = 0;
};
