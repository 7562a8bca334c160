#pragma once
#include <cstdint>

// The format of a sound: sample frequency, mono or stereo, bytes per sample.
// The record checks nothing; the wave document does.
struct TWaveFileProps {
    TWaveFileProps(uint16_t monoStereo, uint32_t sampleFreq, uint16_t bytesPSample)
        : SampleFreq(sampleFreq), MonoStereo(monoStereo), BytesPSample(bytesPSample)
    {
    }

    uint32_t SampleFreq;
    uint16_t MonoStereo;
    uint16_t BytesPSample;

    // The six frequencies a user can choose, in list order.
    static constexpr int FrequencyCount = 6;
    static constexpr uint32_t Frequencies[FrequencyCount] = {5512, 11025, 22050, 44100, 88200, 176128};
    // Their captions in the lists.
    static constexpr const char* FrequencyCaptions[FrequencyCount] = {"5 kHz",  "11 kHz", "22 kHz",
                                                                      "44 kHz", "88 kHz", "176 kHz"};

    // The list entry that shows a frequency; -1 (no entry) for a frequency
    // that is not one of the six, so that it is kept rather than replaced.
    static int FrequencyIndex(uint32_t sampleFreq);
    // The frequency of a list entry; -1 (no entry) keeps the given one.
    static uint32_t FrequencyOfIndex(int index, uint32_t keep);
};
