#pragma once
#include "foundation/Ref.h"
#include "wave/FilterTable.h"
#include "wave/Wave.h"

#include <cstdint>
#include <memory>
#include <string>

class Sound;
using SoundPtr = std::shared_ptr<Sound>;

// A sound: a format (channels, sample frequency, bytes per sample in a file)
// and one or two Waves of equal length. Sounds pass between owners (document,
// undo, clipboard, factory runs, players) by shared ownership; an operation
// that makes a new sound returns it, or nullptr when one of its Waves could not
// be made (the stop flag then says so). Operations never change their argument
// sounds; the in-place ones change only this sound's samples (a Wave it shares
// with another sound is copied first).
//
// Copying is done only by the converting constructors of MonoSound and
// StereoSound, which take the stop flag.
class Sound {
public:
    const int16_t channels;
    int32_t sampleFreq;
    int16_t bytesPerSample;
    // Set by a factory run on the sounds its nodes made: a receiver takes a
    // marked sound over and copies an unmarked one. Nothing here reads it.
    uint8_t ownedByRun = 0;

    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    int16_t GetBytesPSample() const { return bytesPerSample; }

    // The operations, in their fixed order.
    virtual ~Sound() = default;
    virtual void Reserved() {}
    virtual int32_t GetValues() const = 0;
    virtual double GetSeconds() const;
    virtual void GetPeak(StopFlag* stop, int32_t b, int32_t e, int16_t& max, int16_t& minMagnitude,
                         int16_t& larger) const = 0;

    // Channel access. A Wave handed out with isNew false is the sound's own
    // (shared, not to be changed by the receiver); one with isNew true was
    // made for the call. The RefPtr keeps either alive as long as needed.
    virtual RefPtr<Wave> GetMonoWave(StopFlag* stop, bool& isNew) const = 0;
    virtual Wave* GetLeftWave() const = 0;
    virtual Wave* GetRightWave() const = 0;
    virtual RefPtr<Wave> GetMonoWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const = 0;
    virtual RefPtr<Wave> GetLeftWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const = 0;
    virtual RefPtr<Wave> GetRightWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const = 0;
    virtual RefPtr<Wave> GetMixDownAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const = 0;
    // Always a Wave of the caller's own (freq 0: at this sound's rate), or none
    // when it could not be made.
    virtual RefPtr<Wave> CopyWaveMono(StopFlag* stop, int32_t freq) const;
    virtual RefPtr<Wave> CopyWaveLeft(StopFlag* stop, int32_t freq) const;
    virtual RefPtr<Wave> CopyWaveRight(StopFlag* stop, int32_t freq) const;

    // Precondition 0 <= pos <= GetValues() - 1.
    virtual void GetValueAt(double pos, double& left, double& right, double& mono) const = 0;
    // The sound as a control curve: relPos 0..1 mapped to atBottom..atTop.
    virtual double GetEnvelopeValue(StopFlag* stop, double relPos, double atTop, double atBottom) const = 0;
    virtual SoundPtr ChangeSampleFreq(StopFlag* stop, double newFreq) const;

    virtual SoundPtr AddValue(StopFlag* stop, int16_t value, int32_t b, int32_t e) const;
    virtual SoundPtr Centre(StopFlag* stop, int32_t b, int32_t e) const;
    virtual SoundPtr BlockHold(StopFlag* stop, double seconds, int32_t levels, int32_t b, int32_t e) const;
    virtual SoundPtr InsertSilence(StopFlag* stop, double seconds, int32_t& b, int32_t& e) const;
    virtual SoundPtr MakeSilence(StopFlag* stop, double count) const;
    virtual SoundPtr MakeLine(StopFlag* stop, int16_t from, int16_t to, double seconds, bool exponential,
                              int32_t& b, int32_t& e) const;
    virtual SoundPtr MakeBlockTriangle(StopFlag* stop, int16_t height1, int16_t height2, double period,
                                       double middle, double seconds, double start, bool triangle, int32_t& b,
                                       int32_t& e) const;
    virtual SoundPtr MakeBlockTriangleEnvelope(StopFlag* stop, int16_t height1, int16_t height2, double period,
                                               const Sound& middleEnvelope, double seconds, double start,
                                               bool triangle, int32_t& b, int32_t& e) const;
    virtual SoundPtr MakeSinus(StopFlag* stop, int16_t high, int16_t low, double period, double periods,
                               double startAngle, int32_t& b, int32_t& e) const;
    virtual SoundPtr MakeNoise(StopFlag* stop, int16_t volume, double seconds, int32_t& b, int32_t& e) const;
    // Five arrays of count components: start volume, period (s), factor time (s),
    // volume factor per factor time, start angle.
    virtual SoundPtr MakeMultiFrequency(StopFlag* stop, double seconds, int32_t count, const double* volumes,
                                        const double* periods, const double* factorTimes, const double* factors,
                                        const double* angles, int32_t& b, int32_t& e) const;
    virtual SoundPtr MakeMultiFrequencyWaveForm(StopFlag* stop, double seconds, const Sound& waveForm,
                                                int32_t count, const double* volumes, const double* periods,
                                                const double* factorTimes, const double* factors,
                                                const double* angles, int32_t& b, int32_t& e) const;
    virtual void DrawSegment(StopFlag* stop, int32_t begin, int16_t valueBegin, int32_t end, int16_t valueEnd);
    virtual SoundPtr ResampleRange(StopFlag* stop, double factor, int32_t& b, int32_t& e) const;
    virtual SoundPtr Resample(StopFlag* stop, double factor) const;
    virtual SoundPtr RollOutEnvelope(StopFlag* stop, const Sound& speedEnvelope, double lengthFactor,
                                     double speed, double startPos, int32_t& b, int32_t& e) const;
    virtual SoundPtr RollOut(StopFlag* stop, double seconds, double count, double startAngle, int32_t& b,
                             int32_t& e) const;
    virtual SoundPtr RollIn(StopFlag* stop, double seconds, int32_t target, int32_t& b, int32_t& e) const;
    virtual SoundPtr Rotate(StopFlag* stop, double seconds, int32_t b, int32_t e) const;
    virtual SoundPtr MaxVolume(StopFlag* stop, double fraction, int32_t b, int32_t e) const;
    virtual void MaxVolumeInPlace(StopFlag* stop, double fraction, int32_t b, int32_t e);
    virtual SoundPtr MaxVolumeFull(StopFlag* stop, int32_t b, int32_t e) const;
    virtual void MaxVolumeFullInPlace(StopFlag* stop, int32_t b, int32_t e);
    virtual SoundPtr MaxVolume70(StopFlag* stop, int32_t b, int32_t e) const;
    virtual void MaxVolume70InPlace(StopFlag* stop, int32_t b, int32_t e);
    virtual SoundPtr Volume(StopFlag* stop, double factor, int32_t b, int32_t e) const;
    virtual void VolumeInPlace(StopFlag* stop, double factor, int32_t b, int32_t e);
    virtual SoundPtr VolumeEnvelope(StopFlag* stop, const Sound& envelope, int32_t b, int32_t e) const;
    virtual SoundPtr MixAlignEnd(StopFlag* stop, const Sound& other, int32_t endPos, int32_t length,
                                 bool takeEnd) const;
    virtual SoundPtr MixAlignBegin(StopFlag* stop, const Sound& other, int32_t pos, int32_t length,
                                   bool takeEnd) const;
    virtual SoundPtr MixStretch(StopFlag* stop, const Sound& other, int32_t b, int32_t e) const;
    virtual void MixAddAtTime(StopFlag* stop, const Sound& other, double seconds, double factor);
    virtual void MixAddFactorAt(StopFlag* stop, const Sound& other, int32_t offset, double factor);
    virtual void MixAddAt(StopFlag* stop, const Sound& other, int32_t offset);
    virtual void MixAddAligned(StopFlag* stop, const Sound& other, double relThis, double relOther);
    virtual void MixAddAlignedFactor(StopFlag* stop, const Sound& other, double relThis, double relOther,
                                     double factor);
    virtual void MixCycleAfterThis(StopFlag* stop, const Sound& other, int32_t after);
    virtual SoundPtr DeleteRange(StopFlag* stop, int32_t b, int32_t e) const;
    virtual SoundPtr NewEmpty() const;
    virtual SoundPtr Extract(StopFlag* stop, int32_t b, int32_t e) const;
    virtual SoundPtr Replace(StopFlag* stop, const Sound& other, int32_t b, int32_t e) const;
    virtual SoundPtr Reverse(StopFlag* stop, int32_t b, int32_t e) const;
    virtual SoundPtr Distort(StopFlag* stop, const Sound& curve, int32_t b, int32_t e) const;
    // filter is a high or low pass entry of FilterTable; seconds is the period of the cutoff.
    virtual SoundPtr FilterHighLow(StopFlag* stop, HighLowFilter filter, double seconds, double factor,
                                   int32_t countBer, int32_t countCmd, int32_t b, int32_t e) const;
    virtual SoundPtr FilterHighLowEnvelope(StopFlag* stop, HighLowEnvelopeFilter filter,
                                           const Sound& frequencyEnvelope, double factor, int32_t countBer,
                                           int32_t countCmd, int32_t b, int32_t e) const;
    virtual SoundPtr PeriodEcho(StopFlag* stop, double seconds, double volume, int32_t count, int32_t& b,
                                int32_t& e) const;
    virtual SoundPtr PeriodEchoVolumeEnvelope(StopFlag* stop, double seconds, const Sound& volumeEnvelope,
                                              int32_t count, int32_t& b, int32_t& e) const;
    virtual SoundPtr PeriodEchoTimeEnvelope(StopFlag* stop, double seconds, const Sound& timeEnvelope,
                                            double volume, int32_t count, int32_t& b, int32_t& e) const;
    virtual SoundPtr PeriodEchoEnvelopes(StopFlag* stop, double seconds, const Sound& timeEnvelope,
                                         const Sound& volumeEnvelope, int32_t count, int32_t& b,
                                         int32_t& e) const;
    virtual SoundPtr BlockFilter(StopFlag* stop, double seconds, int32_t& b, int32_t& e) const;
    virtual SoundPtr BlockFilterEnvelope(StopFlag* stop, const Sound& blockEnvelope, double seconds, int32_t& b,
                                         int32_t& e) const;
    // method 1 chooses the crossfading form, any other value the plain one.
    virtual SoundPtr TempoPitchWhole(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                     double freq, double blockSeconds, uint8_t method) const;
    virtual SoundPtr TempoPitch(StopFlag* stop, double speed, double startPos, double lengthFactor, double freq,
                                double blockSeconds, uint8_t method, int32_t& b, int32_t& e) const;
    virtual SoundPtr TempoPitchFreqWave(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                        double freqFactor, const Sound& frequencyEnvelope, double blockSeconds,
                                        uint8_t method, int32_t& b, int32_t& e) const;
    virtual SoundPtr TempoPitchSpeedEnvelope(StopFlag* stop, double speedFactor, const Sound& speedEnvelope,
                                             double startPos, double lengthFactor, double freq,
                                             double blockSeconds, uint8_t method, int32_t& b,
                                             int32_t& e) const;
    virtual SoundPtr TempoPitchSpeedFreq(StopFlag* stop, double speedFactor, const Sound& speedEnvelope,
                                         double startPos, double lengthFactor, double freqFactor,
                                         const Sound& frequencyEnvelope, double blockSeconds, uint8_t method,
                                         int32_t& b, int32_t& e) const;
    // The four entries of a resonance or notch family: constant period and
    // width, period envelope, width envelope, both envelopes. An envelope is
    // read only when its constant flag is false; a missing one gives no sound.
    virtual SoundPtr FilterResNotch(StopFlag* stop, bool perConstant, bool widthConstant, double per,
                                    double width, const Sound* perEnvelope, const Sound* widthEnvelope,
                                    ResNotchFilter constant, ResNotchFreqEnvelopeFilter perEnveloped,
                                    ResNotchWidthEnvelopeFilter widthEnveloped, ResNotchEnvelopesFilter both,
                                    int32_t b, int32_t e) const;

    // Writes samples b to e - 1 as a .wav file.
    bool SaveWaveFile(StopFlag* stop, const std::string& fileName, int32_t begin, int32_t end) const;
    // Plays the whole sound through the main window, scaled to full volume first when asked.
    void Play(bool maxVolume) const;

protected:
    Sound(int16_t channels, int32_t sampleFreq, int16_t bytesPerSample);

    // The sound's own channel (side 0 left, 1 right; a mono sound has one for both).
    virtual RefPtr<Wave>& ChannelRef(int side) = 0;
    const Wave& Channel(int side) const;

    // The Wave an operation uses for channel side of this sound when another
    // sound is read as envelope, curve or wave form: over its own length, a
    // mono receiver seeing its mean, a stereo one its matching channel ...
    RefPtr<Wave> EnvelopeView(StopFlag* stop, const Sound& envelope, int side) const;
    // ... and when another sound is mixed in: brought to this sound's rate first.
    RefPtr<Wave> OtherAtRate(StopFlag* stop, const Sound& other, int side) const;
    // A channel read at another rate (itself at the same rate).
    RefPtr<Wave> ChannelAtFreq(StopFlag* stop, const Wave& channel, int32_t freq, bool& isNew) const;

    // A new sound of this class and format around the given channels (right is
    // ignored for a mono sound); nullptr when one is missing.
    SoundPtr Wrap(RefPtr<Wave> left, RefPtr<Wave> right) const;
    SoundPtr Wrap(RefPtr<Wave> left, RefPtr<Wave> right, int32_t freq) const;

    // True when a stereo operation of `work` samples per channel runs its
    // channels on two threads (wave/ChannelThreads.h).
    bool TwoThreads(int64_t work) const;

    // op(side, channel) -> new Wave, for every channel; the results wrapped.
    // work: samples per channel when it is not the sound's length (generators).
    template <class Op>
    SoundPtr EachChannel(StopFlag* stop, Op op, int64_t work = -1) const;
    // The same for operations that move the range: every channel starts from the
    // caller's range, which afterwards bounds the result in both.
    template <class Op>
    SoundPtr EachChannelRange(StopFlag* stop, int32_t& b, int32_t& e, Op op, int64_t work = -1) const;
    // op(side, RefPtr<Wave>& channel) in place, for every channel.
    template <class Op>
    void EachChannelInPlace(Op op, int64_t work = -1);
    // The largest magnitude in b..e-1 over all channels.
    int32_t MaxAbs(StopFlag* stop, int32_t b, int32_t e) const;
};

SoundPtr MakeSound(int16_t channels, RefPtr<Wave> left, RefPtr<Wave> right, int32_t sampleFreq,
                   int16_t bytesPerSample);

// What is played at maximal volume: a copy with samples begin to end - 1
// scaled to full volume, made under a stop flag of its own so that playing
// never inherits or leaves a set flag; nullptr (nothing to play) when the copy
// could not be made.
SoundPtr MaxVolumeCopyForPlaying(const Sound& sound, int32_t begin, int32_t end);
