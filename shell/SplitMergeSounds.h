#pragma once
#include <cstdint>
#include <memory>
#include <vector>

class Sound;
class StereoSound;
using SoundPtr = std::shared_ptr<Sound>;

// The sounds of the new windows that split and merge make. Every function
// computes all of its sounds under a stop flag of its own before it returns:
// an empty result (or null) means one of them could not be made, and nothing
// of the sources has changed.

// One sample range [begin, end) of a split wave.
struct TSplitRange {
    int32_t begin = 0;
    int32_t end = 0;
};

// How Split Horizontally cuts n samples with the two selection marks m1 and
// m2 by result kind (0 three parts, 1 two parts both with the selection, 2 two
// parts both without it); equal marks cut once at the cursor, whatever the
// kind. Column positions are sample positions: firstEnd is where the first
// part's window ends, lastBegin where the last part's begins.
struct TSplitHorPlan {
    TSplitRange first;
    TSplitRange last;
    bool hasMiddle = false;
    TSplitRange middle;
    int32_t firstEnd = 0;
    int32_t lastBegin = 0;
};
TSplitHorPlan PlanSplitHor(int32_t values, int32_t mark1, int32_t mark2, uint8_t resultKind);

// Two mono sounds on the two channels of the stereo sound; they share its
// buffers, so this cannot fail.
std::vector<SoundPtr> SplitVertSounds(const StereoSound& source);

// The parts of the plan: first, last, then the middle one when there is one.
std::vector<SoundPtr> SplitHorSounds(const Sound& source, const TSplitHorPlan& plan);

// first followed by last: converted to monoStereo channels (a sound without
// samples is not converted), first brought to sampleFreq, last appended at
// first's rate; the result stored with bytesPSample.
SoundPtr MergeHorSound(const SoundPtr& first, const SoundPtr& last, uint16_t monoStereo, uint32_t sampleFreq,
                       uint16_t bytesPSample);

// A stereo sound of the mix-downs of left and right at sampleFreq, their
// lengths made equal by makeLengthsEqual (mergeSilenceAtBegin ...).
SoundPtr MergeVertSound(const Sound& left, const Sound& right, uint32_t sampleFreq, uint16_t bytesPSample,
                        uint8_t makeLengthsEqual);
