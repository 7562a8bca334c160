#pragma once
#include "wave/document/UnitUnitWave.h"
#include "wave/view/VoldViewProps.h"
#include "wave/view/WaveViewProps.h"

#include <cstdint>

// How waves of different lengths are made equal in a vertical merge.
enum : uint8_t {
    mergeSilenceAtBegin = 0,
    mergeSilenceAtEnd = 1,
    mergeStretchShortest = 2,
    mergeStretchLongest = 3,
};

// Settings of Merge Vertically: the waves of the left and the right channel
// and the format and display of the new stereo wave.
class TMergeVertProps {
public:
    unitUnitWave Left;
    unitUnitWave Right;
    uint32_t SampleFreq = 44100;
    uint16_t BytesPSample = 2;
    uint8_t MakeLengthsEqual = mergeSilenceAtBegin;
    TWaveViewProps WaveViewProps;
    TVoldViewProps VoldViewProps;
    uint8_t ShowKind = 0;
};
