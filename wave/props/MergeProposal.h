#pragma once
#include <cstdint>

// What a merge dialog needs to know of each of its two waves.
struct MergeWaveFormat {
    uint16_t MonoStereo;
    uint32_t SampleFreq;
    uint16_t BytesPSample;
    int32_t Values;
};

// Which property pages a merge dialog shows for two waves, and what each
// page proposes for the new wave.
struct MergeProposal {
    bool ShowMonoStereo = false; // horizontal merge only
    uint16_t MonoStereo = 2;
    bool ShowLength = false; // vertical merge only
    uint8_t MakeLengthsEqual = 0;
    bool ShowFrequency = false;
    int FrequencyIndex = 0; // entry of the frequency list: the higher of the two; -1 none
    uint32_t SampleFreq = 0; // what OK returns without changes
    bool ShowBits = false;
    uint16_t BytesPSample = 2;
};

MergeProposal ProposeMergeHor(const MergeWaveFormat& first, const MergeWaveFormat& last);
MergeProposal ProposeMergeVert(const MergeWaveFormat& left, const MergeWaveFormat& right);
