#pragma once
#include "wave/Sound.h"

// A sound of one channel.
class MonoSound : public Sound {
public:
    // Empty: 0 samples.
    MonoSound(int32_t sampleFreq, int16_t bytesPerSample);
    // Takes the Wave (shared, not copied); it must be there.
    MonoSound(RefPtr<Wave> wave, int32_t sampleFreq, int16_t bytesPerSample);
    // A copy of other; a stereo other gives the mean of its channels. When the
    // copy cannot be made the flag is set and the sound is empty.
    MonoSound(StopFlag* stop, const Sound& other);

    int32_t GetValues() const override;
    void GetPeak(StopFlag* stop, int32_t b, int32_t e, int16_t& max, int16_t& minMagnitude,
                 int16_t& larger) const override;
    RefPtr<Wave> GetMonoWave(StopFlag* stop, bool& isNew) const override;
    Wave* GetLeftWave() const override;
    Wave* GetRightWave() const override;
    RefPtr<Wave> GetMonoWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const override;
    RefPtr<Wave> GetLeftWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const override;
    RefPtr<Wave> GetRightWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const override;
    RefPtr<Wave> GetMixDownAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const override;
    void GetValueAt(double pos, double& left, double& right, double& mono) const override;
    double GetEnvelopeValue(StopFlag* stop, double relPos, double atTop, double atBottom) const override;

    // The sound's Wave, lent.
    Wave* GetWave() const { return wave.get(); }

    SoundPtr MoveHorizontally(StopFlag* stop, double seconds, int32_t& b, int32_t& e) const;
    SoundPtr MoveHorizontallyEnvelope(StopFlag* stop, double maxSeconds, const Sound& envelope, int32_t& b,
                                      int32_t& e) const;
    // A stereo sound of this mono one, placed by direction.
    SoundPtr Balance(StopFlag* stop, double direction, bool timeDifference, bool volumeDifference,
                     bool filterDifference) const;
    SoundPtr BalanceEnvelope(StopFlag* stop, const Sound& directionEnvelope, bool timeDifference,
                             bool volumeDifference, bool filterDifference) const;

protected:
    RefPtr<Wave>& ChannelRef(int side) override;

private:
    RefPtr<Wave> wave;
};
