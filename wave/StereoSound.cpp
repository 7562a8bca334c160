#include "wave/StereoSound.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/Assertions.h"
#include "wave/ChannelThreads.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <cmath>

StereoSound::StereoSound(int32_t sampleFreq, int16_t bytesPerSample)
    : Sound(2, sampleFreq, bytesPerSample), waveLeft(new Wave()), waveRight(new Wave())
{
}

StereoSound::StereoSound(RefPtr<Wave> waveLeft, RefPtr<Wave> waveRight, int32_t sampleFreq,
                         int16_t bytesPerSample)
    : Sound(2, sampleFreq, bytesPerSample), waveLeft(std::move(waveLeft)), waveRight(std::move(waveRight))
{
    QB_ASSERT(this->waveLeft && this->waveRight);
    QB_ASSERT(this->waveLeft->getValues() == this->waveRight->getValues());
}

StereoSound::StereoSound(StopFlag* stop, const Sound& other)
    : Sound(2, other.sampleFreq, other.bytesPerSample)
{
    if (other.GetValues() != 0) {
        RunChannels(
            ChannelsApart(other.GetValues()),
            [&] {
                waveLeft = other.CopyWaveLeft(stop, 0);
                return true;
            },
            [&] { waveRight = other.CopyWaveRight(stop, 0); });
    }
    // A copy that could not be made leaves an empty sound; the flag says so.
    if (!waveLeft || !waveRight || waveLeft->getValues() != waveRight->getValues()) {
        waveLeft = RefPtr<Wave>(new Wave());
        waveRight = RefPtr<Wave>(new Wave());
    }
}

int32_t StereoSound::GetValues() const
{
    return waveLeft ? waveLeft->getValues() : 0;
}

void StereoSound::GetPeak(StopFlag* stop, int32_t b, int32_t e, int16_t& max, int16_t& minMagnitude,
                          int16_t& larger) const
{
    int16_t maxRight = 0;
    int16_t minRight = 0;
    RunChannels(
        TwoThreads(GetValues()),
        [&] {
            waveLeft->getMinMax(stop, max, minMagnitude, b, e);
            return true;
        },
        [&] { waveRight->getMinMax(stop, maxRight, minRight, b, e); });
    max = std::max(max, maxRight);
    minMagnitude = std::max(minMagnitude, minRight);
    larger = std::max(max, minMagnitude);
}

RefPtr<Wave> StereoSound::GetMonoWave(StopFlag* stop, bool& isNew) const
{
    isNew = true;
    return waveLeft->mixDown(stop, waveRight.get());
}

Wave* StereoSound::GetLeftWave() const
{
    return waveLeft.get();
}

Wave* StereoSound::GetRightWave() const
{
    return waveRight.get();
}

RefPtr<Wave> StereoSound::GetMonoWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const
{
    RefPtr<Wave> mixed = GetMonoWave(stop, isNew);
    if (freq == sampleFreq || !mixed)
        return mixed;
    if (mixed->getValues() == 0 || sampleFreq == 0)
        return mixed;
    return mixed->resample(stop, static_cast<double>(freq) / sampleFreq);
}

RefPtr<Wave> StereoSound::GetLeftWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const
{
    return ChannelAtFreq(stop, *waveLeft, freq, isNew);
}

RefPtr<Wave> StereoSound::GetRightWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const
{
    return ChannelAtFreq(stop, *waveRight, freq, isNew);
}

RefPtr<Wave> StereoSound::GetMixDownAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const
{
    return GetMonoWaveAtFreq(stop, freq, isNew);
}

void StereoSound::GetValueAt(double pos, double& left, double& right, double& mono) const
{
    const int32_t n = GetValues();
    left = n > 0 ? ReadInterpolated(waveLeft->getData(), n - 1, pos) : 0.0;
    right = n > 0 ? ReadInterpolated(waveRight->getData(), n - 1, pos) : 0.0;
    mono = (left + right) * 0.5;
}

double StereoSound::GetEnvelopeValue(StopFlag*, double relPos, double atTop, double atBottom) const
{
    double left = 0;
    double right = 0;
    double mono = 0;
    GetValueAt((GetValues() - 1) * std::clamp(relPos, 0.0, 1.0), left, right, mono);
    return LinearMap(mono, -32768.0, 32767.0, atBottom, atTop);
}

RefPtr<Wave>& StereoSound::ChannelRef(int side)
{
    return side == 0 ? waveLeft : waveRight;
}

SoundPtr StereoSound::MixLeftRight(StopFlag* stop, double leftToLeft, double leftToRight, double rightToLeft,
                                   double rightToRight, int32_t b, int32_t e) const
{
    // An empty sound has nothing to mix: its copy is the answer.
    if (GetValues() == 0)
        return NewEmpty();
    RefPtr<Wave> left;
    RefPtr<Wave> right;
    RunChannels(
        TwoThreads(GetValues()),
        [&] {
            left = waveLeft->mixLeftRight(stop, leftToLeft, waveRight.get(), rightToLeft, b, e);
            return bool(left);
        },
        [&] { right = waveRight->mixLeftRight(stop, rightToRight, waveLeft.get(), leftToRight, b, e); });
    if (!left)
        return nullptr;
    return Wrap(std::move(left), std::move(right));
}

SoundPtr StereoSound::MoveHorizontally(StopFlag* stop, double secondsLeft, double secondsRight, int32_t& b,
                                       int32_t& e) const
{
    const double shiftLeft = secondsLeft * sampleFreq;
    const double shiftRight = secondsRight * sampleFreq;
    // Both channels grow by the same margins, so they keep equal lengths.
    int32_t growLeft = 0;
    int32_t growRight = 0;
    waveLeft->moveMargins(stop, shiftLeft, shiftRight, b, e, growLeft, growRight);
    int32_t b2 = b;
    int32_t e2 = e;
    RefPtr<Wave> left;
    RefPtr<Wave> right;
    RunChannels(
        TwoThreads(GetValues()),
        [&] {
            left = waveLeft->moveHorizontally(stop, shiftLeft, growLeft, growRight, b, e);
            return bool(left);
        },
        [&] { right = waveRight->moveHorizontally(stop, shiftRight, growLeft, growRight, b2, e2); });
    if (!left)
        return nullptr;
    b = std::min(b, b2);
    e = std::max(e, e2);
    return Wrap(std::move(left), std::move(right));
}

SoundPtr StereoSound::MoveHorizontallyEnvelope(StopFlag* stop, double maxLeft, double maxRight,
                                               const Sound& envelope, int32_t& b, int32_t& e) const
{
    const double m = std::max(std::abs(maxLeft), std::abs(maxRight)) * sampleFreq;
    int32_t growLeft = 0;
    int32_t growRight = 0;
    waveLeft->moveMargins(stop, -m, m, b, e, growLeft, growRight);
    int32_t b2 = b;
    int32_t e2 = e;
    RefPtr<Wave> left;
    RefPtr<Wave> right;
    RunChannels(
        TwoThreads(GetValues()),
        [&] {
            left = waveLeft->moveHorizontallyEnvelope(stop, maxLeft * sampleFreq, envelope.GetLeftWave(), growLeft,
                                                      growRight, b, e);
            return bool(left);
        },
        [&] {
            right = waveRight->moveHorizontallyEnvelope(stop, maxRight * sampleFreq, envelope.GetRightWave(),
                                                        growLeft, growRight, b2, e2);
        });
    if (!left)
        return nullptr;
    b = std::min(b, b2);
    e = std::max(e, e2);
    return Wrap(std::move(left), std::move(right));
}
