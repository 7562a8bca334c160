#pragma once
#include "foundation/Ref.h"

#include <cstdint>
#include <memory>

// A byte owned by the caller of a long sound operation: 0 means go on. A failed
// allocation sets it, and so does the user's stop (WaveLoops.h); the loops
// test it before every chunk of samples and stop.
// Nothing in the sound engine ever clears it. A null pointer is read as "go on".
// While an operation runs, other threads read and set it only through
// IsStopped and SetStopped (WaveLoops.h), which do so atomically.
using StopFlag = uint8_t;

// Gives the samples of a buffer back to where AllocSamples took them.
struct SampleMemoryRelease {
    void operator()(int16_t* samples) const;
};

// The samples of one Wave; empty when there are none or the allocation failed.
using SampleBuffer = std::unique_ptr<int16_t[], SampleMemoryRelease>;

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
    // count delayed copies of the range, echo i delayed by i times the time (in
    // samples, negative: before the range) and scaled by the volume to the power
    // i; the Wave grows where the echoes stick out. Envelopes are stretched over
    // the grown range: a time envelope scales diffTime by e / 32767, a volume
    // envelope gives the volume e / 32767.
    RefPtr<Wave> periodEcho(StopFlag* stop, double time, double volume, int32_t count, int32_t& begin,
                            int32_t& end) const;
    RefPtr<Wave> periodEchoTimeEnvelope(StopFlag* stop, double diffTime, const Wave* timeEnvelope, double volume,
                                        int32_t count, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> periodEchoVolumeEnvelope(StopFlag* stop, double time, const Wave* volumeEnvelope, int32_t count,
                                          int32_t& begin, int32_t& end) const;
    RefPtr<Wave> periodEchoEnvelopes(StopFlag* stop, double diffTime, const Wave* timeEnvelope,
                                     const Wave* volumeEnvelope, int32_t count, int32_t& begin,
                                     int32_t& end) const;
    // Fills a 150-sample Wave with the frequency codes of the far ear's cutoff,
    // sample 0 for a source on this side, sample 149 for one on the far side.
    static void makeCutoffCurve(StopFlag* stop, RefPtr<Wave>& wave, int32_t sampleFreq);
    // The whole Wave low-passed as the ear away from a source in `direction` hears it.
    RefPtr<Wave> balFilter(StopFlag* stop, double direction, int32_t sampleFreq) const;
    // One channel (side 0 left, 1 right) of a source placed in direction -1..1
    // (positive: to the right). volumeDifference wins over filterDifference.
    RefPtr<Wave> balance(StopFlag* stop, double direction, int32_t side, bool timeDifference,
                         bool volumeDifference, bool filterDifference, int32_t sampleFreq) const;
    RefPtr<Wave> balanceEnvelope(StopFlag* stop, const Wave* directionEnvelope, int32_t side, bool timeDifference,
                                 bool volumeDifference, bool filterDifference, int32_t sampleFreq) const;

    // ---- tempo and pitch (WaveTempoPitch.cpp) ----
    // Output in blocks of blockValues samples: inside a block the source is read
    // freq samples per output sample, each block restarts where speed says the
    // output should be; the range becomes trunc(length times lengthFactor) long.
    // The Crossfade forms overlap two grains half a block apart. Envelope values
    // are factors e / 32767 times speedFactor or freqFactor.
    RefPtr<Wave> timeStretch(StopFlag* stop, double speed, double startPos, double lengthFactor, double freq,
                             int32_t blockValues) const;
    RefPtr<Wave> timeStretchCrossfade(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                      double freq, int32_t blockValues) const;
    RefPtr<Wave> timeStretchRange(StopFlag* stop, double speed, double startPos, double lengthFactor, double freq,
                                  int32_t blockValues, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> timeStretchRangeCrossfade(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                           double freq, int32_t blockValues, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> timeStretchFreqWave(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                     double freqFactor, const Wave* frequencyEnvelope, int32_t blockValues,
                                     int32_t& begin, int32_t& end) const;
    RefPtr<Wave> timeStretchFreqWaveCrossfade(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                              double freqFactor, const Wave* frequencyEnvelope,
                                              int32_t blockValues, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> timeStretchSpeedEnvelope(StopFlag* stop, double speedFactor, const Wave* speedEnvelope,
                                          double startPos, double lengthFactor, double freq, int32_t blockValues,
                                          int32_t& begin, int32_t& end) const;
    RefPtr<Wave> timeStretchSpeedEnvelopeCrossfade(StopFlag* stop, double speedFactor, const Wave* speedEnvelope,
                                                   double startPos, double lengthFactor, double freq,
                                                   int32_t blockValues, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> timeStretchSpeedFreq(StopFlag* stop, double speedFactor, const Wave* speedEnvelope,
                                      double startPos, double lengthFactor, double freqFactor,
                                      const Wave* frequencyEnvelope, int32_t blockValues, int32_t& begin,
                                      int32_t& end) const;
    RefPtr<Wave> timeStretchSpeedFreqCrossfade(StopFlag* stop, double speedFactor, const Wave* speedEnvelope,
                                               double startPos, double lengthFactor, double freqFactor,
                                               const Wave* frequencyEnvelope, int32_t blockValues,
                                               int32_t& begin, int32_t& end) const;

    // ---- filters (WaveFilters.cpp) ----
    // time and per are periods in samples; frequency envelopes hold frequency
    // codes, width envelopes width codes; sampleFreq turns codes into periods.
    // Cascaded one-pole filters: factor is the gain at the cutoff after countBer
    // passes, of which this call runs countCmd.
    RefPtr<Wave> lowPass(StopFlag* stop, double time, double factor, int32_t countBer, int32_t countCmd,
                         int32_t begin, int32_t end) const;
    RefPtr<Wave> highPass(StopFlag* stop, double time, double factor, int32_t countBer, int32_t countCmd,
                          int32_t begin, int32_t end) const;
    RefPtr<Wave> lowPassEnvelope(StopFlag* stop, const Wave* frequencyEnvelope, double factor, int32_t countBer,
                                 int32_t countCmd, int32_t sampleFreq, int32_t begin, int32_t end) const;
    RefPtr<Wave> highPassEnvelope(StopFlag* stop, const Wave* frequencyEnvelope, double factor, int32_t countBer,
                                  int32_t countCmd, int32_t sampleFreq, int32_t begin, int32_t end) const;
    // Damped oscillator (band pass) and its complement; width 0..1 sets the damping.
    RefPtr<Wave> resonance(StopFlag* stop, double per, double width, int32_t begin, int32_t end) const;
    RefPtr<Wave> resonanceFreqEnvelope(StopFlag* stop, const Wave* frequencyEnvelope, double width,
                                       int32_t sampleFreq, int32_t begin, int32_t end) const;
    RefPtr<Wave> resonanceWidthEnvelope(StopFlag* stop, double per, const Wave* widthEnvelope, int32_t begin,
                                        int32_t end) const;
    RefPtr<Wave> resonanceEnvelopes(StopFlag* stop, const Wave* frequencyEnvelope, const Wave* widthEnvelope,
                                    int32_t sampleFreq, int32_t begin, int32_t end) const;
    RefPtr<Wave> notch(StopFlag* stop, double per, double width, int32_t begin, int32_t end) const;
    RefPtr<Wave> notchFreqEnvelope(StopFlag* stop, const Wave* frequencyEnvelope, double width,
                                   int32_t sampleFreq, int32_t begin, int32_t end) const;
    RefPtr<Wave> notchWidthEnvelope(StopFlag* stop, double per, const Wave* widthEnvelope, int32_t begin,
                                    int32_t end) const;
    RefPtr<Wave> notchEnvelopes(StopFlag* stop, const Wave* frequencyEnvelope, const Wave* widthEnvelope,
                                int32_t sampleFreq, int32_t begin, int32_t end) const;
    // Half the mean of a sliding window of `block` samples; the Wave grows by the tail.
    RefPtr<Wave> blockFilter(StopFlag* stop, double block, int32_t& begin, int32_t& end) const;
    RefPtr<Wave> blockFilterEnvelope(StopFlag* stop, double maxBlock, const Wave* blockEnvelope, int32_t& begin,
                                     int32_t& end) const;

    // ---- shaping (WaveShaping.cpp) ----
    RefPtr<Wave> addValue(StopFlag* stop, int16_t value, int32_t begin, int32_t end) const;
    RefPtr<Wave> centre(StopFlag* stop, int32_t begin, int32_t end) const;
    RefPtr<Wave> multiplyVolume(StopFlag* stop, double factor, int32_t begin, int32_t end) const;
    static void multiplyVolumeInPlace(StopFlag* stop, RefPtr<Wave>& wave, double factor, int32_t begin,
                                      int32_t end);
    // The range times envelope / 32767, the envelope stretched over the range.
    RefPtr<Wave> applyEnvelope(StopFlag* stop, const Wave* envelope, int32_t begin, int32_t end) const;
    // Every sample mapped through the curve (-32768..32767 onto its first..last sample).
    RefPtr<Wave> distort(StopFlag* stop, const Wave* curve, int32_t begin, int32_t end) const;
    // Blocks of `step` samples held at their mean, quantised to `levels` levels (0: not quantised).
    RefPtr<Wave> blockHold(StopFlag* stop, double step, int32_t levels, int32_t begin, int32_t end) const;
    // The margins a move by a shift between shiftA and shiftB needs on each side.
    void moveMargins(StopFlag* stop, double shiftA, double shiftB, int32_t begin, int32_t end, int32_t& growLeft,
                     int32_t& growRight) const;
    // The range moved right by shift samples and added onto what lies there.
    RefPtr<Wave> moveHorizontally(StopFlag* stop, double shift, int32_t growLeft, int32_t growRight,
                                  int32_t& begin, int32_t& end) const;
    // The range moved by envelope / 32768 times maxShift, replacing its surroundings.
    RefPtr<Wave> moveHorizontallyEnvelope(StopFlag* stop, double maxShift, const Wave* envelope, int32_t growLeft,
                                          int32_t growRight, int32_t& begin, int32_t& end) const;

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
