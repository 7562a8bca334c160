#include "wave/MonoSound.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/Assertions.h"
#include "wave/ChannelThreads.h"
#include "wave/StereoSound.h"
#include "wave/WaveLoops.h"

#include <algorithm>

MonoSound::MonoSound(int32_t sampleFreq, int16_t bytesPerSample)
    : Sound(1, sampleFreq, bytesPerSample), wave(new Wave())
{
}

MonoSound::MonoSound(RefPtr<Wave> wave, int32_t sampleFreq, int16_t bytesPerSample)
    : Sound(1, sampleFreq, bytesPerSample), wave(std::move(wave))
{
    QB_ASSERT(this->wave);
}

MonoSound::MonoSound(StopFlag* stop, const Sound& other)
    : Sound(1, other.sampleFreq, other.bytesPerSample)
{
    if (other.GetValues() != 0)
        wave = other.CopyWaveMono(stop, 0);
    // A copy that could not be made leaves an empty sound; the flag says so.
    if (!wave)
        wave = RefPtr<Wave>(new Wave());
}

int32_t MonoSound::GetValues() const
{
    return wave ? wave->getValues() : 0;
}

void MonoSound::GetPeak(StopFlag* stop, int32_t b, int32_t e, int16_t& max, int16_t& minMagnitude,
                        int16_t& larger) const
{
    wave->getMinMax(stop, max, minMagnitude, b, e);
    larger = std::max(max, minMagnitude);
}

RefPtr<Wave> MonoSound::GetMonoWave(StopFlag*, bool& isNew) const
{
    isNew = false;
    return wave;
}

Wave* MonoSound::GetLeftWave() const
{
    return wave.get();
}

Wave* MonoSound::GetRightWave() const
{
    return wave.get();
}

RefPtr<Wave> MonoSound::GetMonoWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const
{
    if (freq == sampleFreq)
        return GetMonoWave(stop, isNew);
    isNew = true;
    if (wave->getValues() == 0 || sampleFreq == 0)
        return NewWave(stop, 0);
    return wave->resample(stop, static_cast<double>(freq) / sampleFreq);
}

RefPtr<Wave> MonoSound::GetLeftWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const
{
    return ChannelAtFreq(stop, *wave, freq, isNew);
}

RefPtr<Wave> MonoSound::GetRightWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const
{
    return ChannelAtFreq(stop, *wave, freq, isNew);
}

RefPtr<Wave> MonoSound::GetMixDownAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const
{
    return GetMonoWaveAtFreq(stop, freq, isNew);
}

void MonoSound::GetValueAt(double pos, double& left, double& right, double& mono) const
{
    const int32_t n = wave->getValues();
    const double value = n > 0 ? ReadInterpolated(wave->getData(), n - 1, pos) : 0.0;
    left = right = mono = value;
}

double MonoSound::GetEnvelopeValue(StopFlag*, double relPos, double atTop, double atBottom) const
{
    const int32_t n = wave->getValues();
    const double pos = (n - 1) * std::clamp(relPos, 0.0, 1.0);
    const double v = n > 0 ? ReadInterpolated(wave->getData(), n - 1, pos) : 0.0;
    return LinearMap(v, -32768.0, 32767.0, atBottom, atTop);
}

RefPtr<Wave>& MonoSound::ChannelRef(int)
{
    return wave;
}

SoundPtr MonoSound::MoveHorizontally(StopFlag* stop, double seconds, int32_t& b, int32_t& e) const
{
    const double shift = seconds * sampleFreq;
    int32_t growLeft = 0;
    int32_t growRight = 0;
    wave->moveMargins(stop, shift, shift, b, e, growLeft, growRight);
    return Wrap(wave->moveHorizontally(stop, shift, growLeft, growRight, b, e), {});
}

SoundPtr MonoSound::MoveHorizontallyEnvelope(StopFlag* stop, double maxSeconds, const Sound& envelope, int32_t& b,
                                             int32_t& e) const
{
    const double m = maxSeconds * sampleFreq;
    int32_t growLeft = 0;
    int32_t growRight = 0;
    wave->moveMargins(stop, -m, m, b, e, growLeft, growRight);
    RefPtr<Wave> view = EnvelopeView(stop, envelope, 0);
    if (!view)
        return nullptr;
    return Wrap(wave->moveHorizontallyEnvelope(stop, m, view.get(), growLeft, growRight, b, e), {});
}

SoundPtr MonoSound::Balance(StopFlag* stop, double direction, bool timeDifference, bool volumeDifference,
                            bool filterDifference) const
{
    RefPtr<Wave> left;
    RefPtr<Wave> right;
    RunChannels(
        ChannelsApart(GetValues()),
        [&] {
            left = wave->balance(stop, direction, 0, timeDifference, volumeDifference, filterDifference, sampleFreq);
            return bool(left);
        },
        [&] {
            right = wave->balance(stop, direction, 1, timeDifference, volumeDifference, filterDifference, sampleFreq);
        });
    if (!left)
        return nullptr;
    return MakeSound(2, std::move(left), std::move(right), sampleFreq, bytesPerSample);
}

SoundPtr MonoSound::BalanceEnvelope(StopFlag* stop, const Sound& directionEnvelope, bool timeDifference,
                                    bool volumeDifference, bool filterDifference) const
{
    RefPtr<Wave> view = EnvelopeView(stop, directionEnvelope, 0);
    if (!view)
        return nullptr;
    RefPtr<Wave> left;
    RefPtr<Wave> right;
    RunChannels(
        ChannelsApart(GetValues()),
        [&] {
            left = wave->balanceEnvelope(stop, view.get(), 0, timeDifference, volumeDifference, filterDifference,
                                         sampleFreq);
            return bool(left);
        },
        [&] {
            right = wave->balanceEnvelope(stop, view.get(), 1, timeDifference, volumeDifference, filterDifference,
                                          sampleFreq);
        });
    if (!left)
        return nullptr;
    return MakeSound(2, std::move(left), std::move(right), sampleFreq, bytesPerSample);
}
