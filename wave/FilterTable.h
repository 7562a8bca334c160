#pragma once
#include "wave/Wave.h"

#include <array>
#include <cstdint>
#include <variant>

// The filter operations of Wave that the filter commands hand to a sound, which
// runs the chosen one on each channel. Each entry keeps its own argument list.
using HighLowFilter = RefPtr<Wave> (Wave::*)(StopFlag* stop, double time, double factor, int32_t countBer,
                                             int32_t countCmd, int32_t begin, int32_t end) const;
using HighLowEnvelopeFilter = RefPtr<Wave> (Wave::*)(StopFlag* stop, const Wave* frequencyEnvelope, double factor,
                                                     int32_t countBer, int32_t countCmd, int32_t sampleFreq,
                                                     int32_t begin, int32_t end) const;
using ResNotchFilter = RefPtr<Wave> (Wave::*)(StopFlag* stop, double per, double width, int32_t begin,
                                              int32_t end) const;
using ResNotchFreqEnvelopeFilter = RefPtr<Wave> (Wave::*)(StopFlag* stop, const Wave* frequencyEnvelope,
                                                          double width, int32_t sampleFreq, int32_t begin,
                                                          int32_t end) const;
using ResNotchWidthEnvelopeFilter = RefPtr<Wave> (Wave::*)(StopFlag* stop, double per, const Wave* widthEnvelope,
                                                           int32_t begin, int32_t end) const;
using ResNotchEnvelopesFilter = RefPtr<Wave> (Wave::*)(StopFlag* stop, const Wave* frequencyEnvelope,
                                                       const Wave* widthEnvelope, int32_t sampleFreq,
                                                       int32_t begin, int32_t end) const;

using FilterOperation = std::variant<HighLowFilter, HighLowEnvelopeFilter, ResNotchFilter,
                                     ResNotchFreqEnvelopeFilter, ResNotchWidthEnvelopeFilter,
                                     ResNotchEnvelopesFilter>;

// Positions in FilterTable. High/low commands take a constant-frequency entry
// and the envelope entry after it; resonance and notch commands take the four
// entries of their family (constant, frequency envelope, width envelope, both).
enum FilterTableIndex : int32_t {
    filterTableHighPass = 0,
    filterTableHighPassEnvelope = 1,
    filterTableLowPass = 2,
    filterTableLowPassEnvelope = 3,
    filterTableResonance = 4,
    filterTableResonanceFreqEnvelope = 5,
    filterTableResonanceWidthEnvelope = 6,
    filterTableResonanceEnvelopes = 7,
    filterTableNotch = 8,
    filterTableNotchFreqEnvelope = 9,
    filterTableNotchWidthEnvelope = 10,
    filterTableNotchEnvelopes = 11,
};

extern const std::array<FilterOperation, 12> FilterTable;
