#pragma once
#include "wave/Sound.h"

// A sound of two channels of equal length.
class StereoSound : public Sound {
public:
    // Empty: 0 samples in both channels.
    StereoSound(int32_t sampleFreq, int16_t bytesPerSample);
    // Takes both Waves (shared, not copied); they must be there and of equal length.
    StereoSound(RefPtr<Wave> waveLeft, RefPtr<Wave> waveRight, int32_t sampleFreq, int16_t bytesPerSample);
    // A copy of other; a mono other gives two copies of its channel. When the
    // copy cannot be made the flag is set and the sound is empty.
    StereoSound(StopFlag* stop, const Sound& other);

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

    // The channels, lent.
    Wave* GetWaveLeft() const { return waveLeft.get(); }
    Wave* GetWaveRight() const { return waveRight.get(); }

    SoundPtr MoveHorizontally(StopFlag* stop, double secondsLeft, double secondsRight, int32_t& b,
                              int32_t& e) const;
    SoundPtr MoveHorizontallyEnvelope(StopFlag* stop, double maxLeft, double maxRight, const Sound& envelope,
                                      int32_t& b, int32_t& e) const;
    // Over the range: left = leftToLeft * left + rightToLeft * right,
    // right = rightToRight * right + leftToRight * left, both from the old channels.
    SoundPtr MixLeftRight(StopFlag* stop, double leftToLeft, double leftToRight, double rightToLeft,
                          double rightToRight, int32_t b, int32_t e) const;

protected:
    RefPtr<Wave>& ChannelRef(int side) override;

private:
    RefPtr<Wave> waveLeft;
    RefPtr<Wave> waveRight;
};
