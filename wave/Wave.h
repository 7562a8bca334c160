#pragma once
#include "foundation/Ref.h"

#include <cstdint>
#include <memory>

// A byte owned by the caller of a long sound operation: 0 means go on. A failed
// allocation sets it; the loops test it before every chunk of samples and stop.
// Nothing in the sound engine ever clears it. A null pointer is read as "go on".
using StopFlag = uint8_t;

// The samples of one Wave; empty when there are none or the allocation failed.
using SampleBuffer = std::unique_ptr<int16_t[]>;

// The one sample container: a reference-counted buffer of signed 16-bit samples.
//
// Operations either return a new Wave (their own Wave and every argument stay
// untouched; an empty RefPtr when an allocation failed or the flag was set) or
// change samples in place. The in-place operations that callers reach are static
// and take the caller's RefPtr: a Wave held by more than one owner is first
// replaced in that RefPtr by a private copy, so no other sound sees the change.
// The in-place range primitives (copyRange, zeroRange, addRange) fill Waves the
// caller alone holds, such as a result being built.
//
// Ranges: begin..end-1. Bounds passed by reference accept end -1 for "to the
// end" and come back bounding the new samples in the result. Bounds outside
// the Wave are clamped into it, so no input can reach outside a buffer.
class Wave : public TRef {
public:
    Wave();
    // n samples, contents undefined. On failure the memory message is shown, the
    // flag set and the Wave is empty; it must not be used (NewWave does this right).
    Wave(StopFlag* stop, int32_t n);
    // Takes over a buffer of n samples from AllocSamples.
    Wave(SampleBuffer buffer, int32_t n);
    // A copy of source, in chunks; stops early when the flag is set.
    Wave(StopFlag* stop, const Wave& source);

    int32_t getValues() const { return values; }
    int16_t* getData() { return data.get(); }
    const int16_t* getData() const { return data.get(); }

    // Makes wave the sole owner's copy when others hold it too. False when the
    // copy could not be made (the flag is set, wave unchanged).
    static bool detach(StopFlag* stop, RefPtr<Wave>& wave);

    // ---- generators (WaveGenerators.cpp) ----
    RefPtr<Wave> insertSilence(StopFlag* stop, int32_t length, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> makeLine(StopFlag* stop, int16_t from, int16_t to, int32_t length, int32_t& begin,
                          int32_t& end) const;
    RefPtr<Wave> makeExponentialLine(StopFlag* stop, int16_t from, int16_t to, int32_t length, int32_t& begin,
                                     int32_t& end) const;
    RefPtr<Wave> makeNoise(StopFlag* stop, int16_t volume, int32_t length, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> makeBlockTriangle(StopFlag* stop, int16_t height1, int16_t height2, double period, double middle,
                                   int32_t length, double start, bool triangle, int32_t& begin,
                                   int32_t& end) const;
    RefPtr<Wave> makeBlockTriangleEnvelope(StopFlag* stop, int16_t height1, int16_t height2, double period,
                                           const Wave* middleEnvelope, int32_t length, double start,
                                           bool triangle, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> makeSinus(StopFlag* stop, int16_t high, int16_t low, double period, double periods,
                           double startAngle, int32_t& begin, int32_t& end) const;
    // Arrays of count entries each.
    RefPtr<Wave> multiFrequency(StopFlag* stop, int32_t length, int32_t count, const double* startVolumes,
                                const double* periods, const double* startAngles, const double* volumeFactors,
                                int32_t& begin, int32_t& end) const;
    RefPtr<Wave> multiFrequencyWaveForm(StopFlag* stop, int32_t length, const Wave* waveForm, int32_t count,
                                        const double* startVolumes, const double* periods,
                                        const double* startAngles, const double* volumeFactors, int32_t& begin,
                                        int32_t& end) const;
    static void drawSegment(StopFlag* stop, RefPtr<Wave>& wave, int32_t begin, int16_t value0, int32_t end,
                            int16_t value1);

    // ---- edits and measurements (WaveEdits.cpp) ----
    void copyRange(StopFlag* stop, const Wave& source, int32_t from, int32_t end, int32_t to);
    void zeroRange(StopFlag* stop, int32_t begin, int32_t end);
    void addRange(StopFlag* stop, const Wave& source, int32_t from, int32_t end, int32_t to);
    static void mirrorInPlace(StopFlag* stop, RefPtr<Wave>& wave, int32_t begin, int32_t end);
    RefPtr<Wave> extractRange(StopFlag* stop, int32_t begin, int32_t end) const;
    RefPtr<Wave> deleteRange(StopFlag* stop, int32_t begin, int32_t end) const;
    RefPtr<Wave> replace(StopFlag* stop, const Wave* other, int32_t begin, int32_t end) const;
    RefPtr<Wave> concatenate(StopFlag* stop, const Wave* other) const;
    RefPtr<Wave> rotate(StopFlag* stop, int32_t leftShift, int32_t begin, int32_t end) const;
    RefPtr<Wave> reverse(StopFlag* stop, int32_t begin, int32_t end) const;
    int32_t getMaxAbs(StopFlag* stop, int32_t begin, int32_t end) const;
    void getMinMax(StopFlag* stop, int16_t& max, int16_t& minMagnitude, int32_t begin, int32_t end) const;

    // ---- mixing (WaveMixing.cpp) ----
    static void mixAdd(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t offset);
    static void mixAddFactor(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t offset,
                             double factor);
    static void mixAddAligned(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t posThis,
                              int32_t posOther);
    static void mixAddAlignedFactor(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t posThis,
                                    int32_t posOther, double factor);
    static void mixCycleAfterThis(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t after);
    RefPtr<Wave> mixAt(StopFlag* stop, const Wave* other, int32_t pos, int32_t length, bool takeEnd) const;
    RefPtr<Wave> mixAlignEnd(StopFlag* stop, const Wave* other, int32_t endPos, int32_t length,
                             bool takeEnd) const;
    RefPtr<Wave> mixStretch(StopFlag* stop, const Wave* other, int32_t begin, int32_t end) const;
    RefPtr<Wave> mixLeftRight(StopFlag* stop, double factorThis, const Wave* other, double factorOther,
                              int32_t begin, int32_t end) const;
    RefPtr<Wave> mixDown(StopFlag* stop, const Wave* other) const;

    // ---- resampling, roll-in and roll-out (WaveResampling.cpp) ----
    RefPtr<Wave> resampleRange(StopFlag* stop, double factor, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> resample(StopFlag* stop, double factor) const;
    RefPtr<Wave> resampleRangeToLength(StopFlag* stop, int32_t length, bool reversed, int32_t& begin,
                                       int32_t& end) const;
    RefPtr<Wave> resampleToLength(StopFlag* stop, int32_t length, bool reversed) const;
    RefPtr<Wave> rollIn(StopFlag* stop, int32_t length, int32_t target, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> rollOut(StopFlag* stop, const Wave* form, double per, double count, double startAngle,
                         int32_t& begin, int32_t& end, int32_t beginf, int32_t endf) const;
    RefPtr<Wave> rollOutEnvelope(StopFlag* stop, const Wave* speedEnvelope, double lengthFactor, double speed,
                                 double startPos, int32_t& begin, int32_t& end) const;

    // ---- echoes and balance (WaveEchoes.cpp) ----

    // ---- tempo and pitch (WaveTempoPitch.cpp) ----

    // ---- filters (WaveFilters.cpp) ----

    // ---- shaping (WaveShaping.cpp) ----

protected:
    ~Wave() override;
    void DeleteThis() override;

    SampleBuffer data;
    int32_t values = 0;
};

// The allocator of every operation: no Wave (and nothing allocated) when the flag
// is already set; no Wave, the memory message once and the flag set when the
// samples cannot be had. n 0 gives an empty Wave.
RefPtr<Wave> NewWave(StopFlag* stop, int32_t n);
// A copy of source; no Wave when the flag is set, the source is missing or the
// copy could not be allocated.
RefPtr<Wave> NewWaveCopy(StopFlag* stop, const Wave* source);

// A buffer of n samples (not cleared), or none: when the heap is exhausted, n is
// negative, or the allocation hook says this one must fail. Shows nothing.
SampleBuffer AllocSamples(int32_t n);
void FreeSamples(SampleBuffer& buffer);
// True when there is a buffer; otherwise shows the memory message.
bool AllocationSucceeded(const SampleBuffer& buffer);
