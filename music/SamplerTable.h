#pragma once
#include "wave/Sound.h"

#include <cstdint>

struct TOnePlayerProps;

// What a sampler reads of its wave window, taken once per answer.
struct TSample {
    SoundPtr Sound;           // the window's sound, shared and never changed
    int32_t Values = 0;       // N, samples per channel
    int32_t Begin = 0;        // b: the selection, or the whole sample
    int32_t End = 0;          // e
    double SampleFreq = 1;    // sf
    double OperationTime = 0; // seconds from b to e

    // Fewer than two samples, or a stretch of fewer than two, give nothing to repeat.
    bool IsTooShort() const { return Values < 2 || End - Begin < 2; }
};

// One note as a part plays it.
struct TSamplerNote {
    double Period = 0;  // p: the part's period, greater than 0
    double Seconds = 0; // L: how long the note sounds
    double Volume = 1;  // the part's volume factor times the note group's
};

// The three answers of one sampler kind. A sound function gives no sound
// (null) for an empty result or when the stop flag was set; it sets the mix
// factor the player mixes its sound in with.
struct TSamplerAnswers {
    uint8_t Kind;
    // Whether the lead time and the sound length need the window: an answer
    // that does not fails never for a missing window.
    bool LeadTimeNeedsSample;
    bool SoundLengthNeedsSample;
    SoundPtr (*MakeSound)(const TOnePlayerProps& props, const TSample& sample, const TSamplerNote& note,
                          StopFlag* stop, double& mixFactor);
    double (*LeadTime)(const TOnePlayerProps& props, const TSample& sample, const TSamplerNote& note);
    double (*SoundLength)(const TOnePlayerProps& props, const TSample& sample, const TSamplerNote& note);
};

// The row of a sampler kind; null for the factory kind and any other number.
const TSamplerAnswers* FindSamplerAnswers(uint8_t kind);
