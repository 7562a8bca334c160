#include "wave/Sound.h"

#include "platform/Assertions.h"
#include "platform/SampleConvert.h"
#include "wave/ChannelThreads.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/WaveFile.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Seconds to a whole number of samples, truncated toward zero.
int32_t SamplesOf(double seconds, int32_t freq)
{
    return ToInt32(seconds * freq);
}

// The samples per channel of an operation that makes `made` new ones in a sound of `values`.
int64_t WorkMaking(int32_t values, double made)
{
    return values + static_cast<int64_t>(std::clamp(made, 0.0, 2147483647.0));
}

// The samples per channel a mix of `other` into a sound at `freq` touches:
// the range mixed, however long the sound mixed into.
int64_t MixWork(const Sound& other, int32_t freq)
{
    if (other.sampleFreq <= 0)
        return other.GetValues();
    return static_cast<int64_t>(std::clamp(static_cast<double>(other.GetValues()) * freq / other.sampleFreq, 0.0,
                                           2147483647.0));
}

// A channel grown with silence at its end to n samples; itself when long enough.
RefPtr<Wave> PadTo(StopFlag* stop, RefPtr<Wave> wave, int32_t n)
{
    if (!wave || wave->getValues() >= n)
        return wave;
    RefPtr<Wave> padded = NewWave(stop, n);
    if (!padded)
        return padded;
    padded->copyRange(stop, *wave, 0, wave->getValues(), 0);
    padded->zeroRange(stop, wave->getValues(), n);
    return padded;
}

} // namespace

SoundPtr MakeSound(int16_t channels, RefPtr<Wave> left, RefPtr<Wave> right, int32_t sampleFreq,
                   int16_t bytesPerSample)
{
    if (!left)
        return nullptr;
    if (channels == 1)
        return std::make_shared<MonoSound>(std::move(left), sampleFreq, bytesPerSample);
    if (!right)
        return nullptr;
    // Channels driven by different envelopes may come out of different
    // lengths; the shorter one is made up with silence instead of failing.
    if (left->getValues() != right->getValues()) {
        StopFlag own = 0;
        const int32_t n = std::max(left->getValues(), right->getValues());
        left = PadTo(&own, std::move(left), n);
        right = PadTo(&own, std::move(right), n);
        if (!left || !right || own)
            return nullptr;
    }
    return std::make_shared<StereoSound>(std::move(left), std::move(right), sampleFreq, bytesPerSample);
}

Sound::Sound(int16_t channels, int32_t sampleFreq, int16_t bytesPerSample)
    : channels(channels), sampleFreq(sampleFreq), bytesPerSample(bytesPerSample)
{
}

double Sound::GetSeconds() const
{
    return sampleFreq != 0 ? static_cast<double>(GetValues()) / sampleFreq : 0.0;
}

const Wave& Sound::Channel(int side) const
{
    return side == 0 ? *GetLeftWave() : *GetRightWave();
}

RefPtr<Wave> Sound::EnvelopeView(StopFlag* stop, const Sound& envelope, int side) const
{
    if (channels == 1) {
        bool isNew = false;
        return envelope.GetMonoWave(stop, isNew);
    }
    return RefPtr<Wave>(side == 0 ? envelope.GetLeftWave() : envelope.GetRightWave());
}

RefPtr<Wave> Sound::OtherAtRate(StopFlag* stop, const Sound& other, int side) const
{
    bool isNew = false;
    if (channels == 1)
        return other.GetMonoWaveAtFreq(stop, sampleFreq, isNew);
    return side == 0 ? other.GetLeftWaveAtFreq(stop, sampleFreq, isNew)
                     : other.GetRightWaveAtFreq(stop, sampleFreq, isNew);
}

RefPtr<Wave> Sound::ChannelAtFreq(StopFlag* stop, const Wave& channel, int32_t freq, bool& isNew) const
{
    if (freq == sampleFreq) {
        isNew = false;
        return RefPtr<Wave>(const_cast<Wave*>(&channel));
    }
    isNew = true;
    if (channel.getValues() == 0 || sampleFreq == 0)
        return NewWave(stop, 0);
    int32_t b = 0;
    int32_t e = channel.getValues();
    return channel.resampleRange(stop, static_cast<double>(freq) / sampleFreq, b, e);
}

SoundPtr Sound::Wrap(RefPtr<Wave> left, RefPtr<Wave> right) const
{
    return Wrap(std::move(left), std::move(right), sampleFreq);
}

SoundPtr Sound::Wrap(RefPtr<Wave> left, RefPtr<Wave> right, int32_t freq) const
{
    return MakeSound(channels, std::move(left), std::move(right), freq, bytesPerSample);
}

bool Sound::TwoThreads(int64_t work) const
{
    // Channels that are one Wave stay on one thread: an in-place change of
    // one would see the other's copy being made.
    return channels == 2 && GetLeftWave() != GetRightWave() && ChannelsApart(work);
}

template <class Op>
SoundPtr Sound::EachChannel(StopFlag*, Op op, int64_t work) const
{
    if (channels == 1)
        return Wrap(op(0, Channel(0)), {});
    RefPtr<Wave> left;
    RefPtr<Wave> right;
    RunChannels(
        TwoThreads(work < 0 ? GetValues() : work),
        [&] {
            left = op(0, Channel(0));
            return bool(left);
        },
        [&] { right = op(1, Channel(1)); });
    if (!left)
        return nullptr;
    return Wrap(std::move(left), std::move(right));
}

template <class Op>
SoundPtr Sound::EachChannelRange(StopFlag* stop, int32_t& b, int32_t& e, Op op, int64_t work) const
{
    if (channels == 1)
        return Wrap(op(0, Channel(0), b, e), {});
    int32_t b2 = b;
    int32_t e2 = e;
    RefPtr<Wave> left;
    RefPtr<Wave> right;
    RunChannels(
        TwoThreads(work < 0 ? GetValues() : work),
        [&] {
            left = op(0, Channel(0), b, e);
            return bool(left);
        },
        [&] { right = op(1, Channel(1), b2, e2); });
    if (!left)
        return nullptr;
    if (!right || IsStopped(stop))
        return Wrap(std::move(left), std::move(right));
    // Equal channels give equal ranges; channels driven by different envelopes
    // may not, and then the range covers both.
    b = std::min(b, b2);
    e = std::max(e, e2);
    return Wrap(std::move(left), std::move(right));
}

template <class Op>
void Sound::EachChannelInPlace(Op op, int64_t work)
{
    if (channels == 1) {
        op(0, ChannelRef(0));
        return;
    }
    RunChannels(
        TwoThreads(work < 0 ? GetValues() : work),
        [&] {
            op(0, ChannelRef(0));
            return true;
        },
        [&] { op(1, ChannelRef(1)); });
}

RefPtr<Wave> Sound::CopyWaveMono(StopFlag* stop, int32_t freq) const
{
    bool isNew = false;
    RefPtr<Wave> wave = freq == 0 ? GetMonoWave(stop, isNew) : GetMonoWaveAtFreq(stop, freq, isNew);
    return isNew ? wave : NewWaveCopy(stop, wave.get());
}

RefPtr<Wave> Sound::CopyWaveLeft(StopFlag* stop, int32_t freq) const
{
    bool isNew = false;
    RefPtr<Wave> wave = freq == 0 ? RefPtr<Wave>(GetLeftWave()) : GetLeftWaveAtFreq(stop, freq, isNew);
    return isNew ? wave : NewWaveCopy(stop, wave.get());
}

RefPtr<Wave> Sound::CopyWaveRight(StopFlag* stop, int32_t freq) const
{
    bool isNew = false;
    RefPtr<Wave> wave = freq == 0 ? RefPtr<Wave>(GetRightWave()) : GetRightWaveAtFreq(stop, freq, isNew);
    return isNew ? wave : NewWaveCopy(stop, wave.get());
}

SoundPtr Sound::ChangeSampleFreq(StopFlag* stop, double newFreq) const
{
    const double factor = newFreq / sampleFreq;
    auto convert = [&](int side) {
        const Wave& channel = Channel(side);
        return channel.getValues() > 0 ? channel.resample(stop, factor) : NewWaveCopy(stop, &channel);
    };
    RefPtr<Wave> left;
    RefPtr<Wave> right;
    if (channels == 1) {
        left = convert(0);
    } else {
        RunChannels(
            TwoThreads(GetValues()),
            [&] {
                left = convert(0);
                return bool(left);
            },
            [&] { right = convert(1); });
    }
    return Wrap(std::move(left), std::move(right), ToInt32(newFreq));
}

// ---- generators ----

SoundPtr Sound::InsertSilence(StopFlag* stop, double seconds, int32_t& b, int32_t& e) const
{
    const int32_t n = ToInt32(seconds * sampleFreq + 1.0);
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return w.insertSilence(stop, n, cb, ce);
    }, WorkMaking(GetValues(), n));
}

SoundPtr Sound::MakeSilence(StopFlag* stop, double count) const
{
    const int32_t n = ToInt32(count);
    return EachChannel(stop, [&](int, const Wave& w) {
        int32_t b = 0;
        int32_t e = w.getValues();
        return w.insertSilence(stop, n, b, e);
    }, WorkMaking(GetValues(), n));
}

SoundPtr Sound::MakeLine(StopFlag* stop, int16_t from, int16_t to, double seconds, bool exponential, int32_t& b,
                         int32_t& e) const
{
    const int32_t n = ToInt32(seconds * sampleFreq + 1.0);
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return exponential ? w.makeExponentialLine(stop, from, to, n, cb, ce) : w.makeLine(stop, from, to, n, cb, ce);
    }, WorkMaking(GetValues(), n));
}

SoundPtr Sound::MakeBlockTriangle(StopFlag* stop, int16_t height1, int16_t height2, double period, double middle,
                                  double seconds, double start, bool triangle, int32_t& b, int32_t& e) const
{
    const double per = period * sampleFreq;
    const int32_t n = SamplesOf(seconds, sampleFreq);
    // The generator takes the heights the other way round.
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return w.makeBlockTriangle(stop, height2, height1, per, middle, n, start, triangle, cb, ce);
    }, WorkMaking(GetValues(), n));
}

SoundPtr Sound::MakeBlockTriangleEnvelope(StopFlag* stop, int16_t height1, int16_t height2, double period,
                                          const Sound& middleEnvelope, double seconds, double start, bool triangle,
                                          int32_t& b, int32_t& e) const
{
    const double per = period * sampleFreq;
    const int32_t n = SamplesOf(seconds, sampleFreq);
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> env = EnvelopeView(stop, middleEnvelope, side);
        return env ? w.makeBlockTriangleEnvelope(stop, height2, height1, per, env.get(), n, start, triangle, cb, ce)
                   : RefPtr<Wave>();
    }, WorkMaking(GetValues(), n));
}

SoundPtr Sound::MakeSinus(StopFlag* stop, int16_t high, int16_t low, double period, double periods,
                          double startAngle, int32_t& b, int32_t& e) const
{
    const double per = period * sampleFreq;
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return w.makeSinus(stop, high, low, per, periods, startAngle, cb, ce);
    }, WorkMaking(GetValues(), periods * per));
}

SoundPtr Sound::MakeNoise(StopFlag* stop, int16_t volume, double seconds, int32_t& b, int32_t& e) const
{
    const int32_t n = SamplesOf(seconds, sampleFreq);
    // Both channels draw from the one shared generator, the left first: one thread.
    return EachChannelRange(
        stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) { return w.makeNoise(stop, volume, n, cb, ce); },
        0);
}

namespace {

// The components of a multi-frequency sound in samples: periods in samples and
// the volume factor per sample that multiplies a component by factors[i]
// every factorTimes[i] seconds.
struct MultiFrequencyArgs {
    std::vector<double> periods;
    std::vector<double> factorsPerSample;

    MultiFrequencyArgs(int32_t count, int32_t freq, const double* periodSeconds, const double* factorTimes,
                       const double* factors)
    {
        const size_t n = count > 0 ? static_cast<size_t>(count) : 0;
        periods.resize(n);
        factorsPerSample.resize(n);
        for (size_t i = 0; i < n; ++i) {
            periods[i] = periodSeconds[i] * freq;
            factorsPerSample[i] = std::pow(factors[i], 1.0 / (freq * factorTimes[i]));
        }
    }
};

} // namespace

SoundPtr Sound::MakeMultiFrequency(StopFlag* stop, double seconds, int32_t count, const double* volumes,
                                   const double* periods, const double* factorTimes, const double* factors,
                                   const double* angles, int32_t& b, int32_t& e) const
{
    const MultiFrequencyArgs args(count, sampleFreq, periods, factorTimes, factors);
    const int32_t n = SamplesOf(seconds, sampleFreq);
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return w.multiFrequency(stop, n, count, volumes, args.periods.data(), angles, args.factorsPerSample.data(),
                                cb, ce);
    }, WorkMaking(GetValues(), n));
}

SoundPtr Sound::MakeMultiFrequencyWaveForm(StopFlag* stop, double seconds, const Sound& waveForm, int32_t count,
                                           const double* volumes, const double* periods,
                                           const double* factorTimes, const double* factors, const double* angles,
                                           int32_t& b, int32_t& e) const
{
    const MultiFrequencyArgs args(count, sampleFreq, periods, factorTimes, factors);
    const int32_t n = SamplesOf(seconds, sampleFreq);
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> form = EnvelopeView(stop, waveForm, side);
        return form ? w.multiFrequencyWaveForm(stop, n, form.get(), count, volumes, args.periods.data(), angles,
                                               args.factorsPerSample.data(), cb, ce)
                    : RefPtr<Wave>();
    }, WorkMaking(GetValues(), n));
}

void Sound::DrawSegment(StopFlag* stop, int32_t begin, int16_t valueBegin, int32_t end, int16_t valueEnd)
{
    EachChannelInPlace(
        [&](int, RefPtr<Wave>& w) { Wave::drawSegment(stop, w, begin, valueBegin, end, valueEnd); });
}

// ---- resampling and rolls ----

SoundPtr Sound::ResampleRange(StopFlag* stop, double factor, int32_t& b, int32_t& e) const
{
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return w.resampleRange(stop, factor, cb, ce);
    });
}

SoundPtr Sound::Resample(StopFlag* stop, double factor) const
{
    return EachChannel(stop, [&](int, const Wave& w) { return w.resample(stop, factor); });
}

SoundPtr Sound::RollOutEnvelope(StopFlag* stop, const Sound& speedEnvelope, double lengthFactor, double speed,
                                double startPos, int32_t& b, int32_t& e) const
{
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> env = EnvelopeView(stop, speedEnvelope, side);
        return env ? w.rollOutEnvelope(stop, env.get(), lengthFactor, speed, startPos, cb, ce) : RefPtr<Wave>();
    });
}

SoundPtr Sound::RollOut(StopFlag* stop, double seconds, double count, double startAngle, int32_t& b,
                        int32_t& e) const
{
    const double per = seconds * sampleFreq;
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        // The range itself is the form that is rolled out.
        int32_t beginf = cb;
        int32_t endf = ce == -1 ? w.getValues() : ce;
        return w.rollOut(stop, &w, per, count, startAngle, cb, ce, beginf, endf);
    }, WorkMaking(GetValues(), std::fabs(per) * count));
}

SoundPtr Sound::RollIn(StopFlag* stop, double seconds, int32_t target, int32_t& b, int32_t& e) const
{
    const int32_t n = SamplesOf(seconds, sampleFreq);
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return w.rollIn(stop, n, target, cb, ce);
    }, WorkMaking(GetValues(), n));
}

// ---- edits ----

SoundPtr Sound::Rotate(StopFlag* stop, double seconds, int32_t b, int32_t e) const
{
    const int32_t shift = SamplesOf(seconds, sampleFreq);
    return EachChannel(stop, [&](int, const Wave& w) { return w.rotate(stop, shift, b, e); });
}

SoundPtr Sound::DeleteRange(StopFlag* stop, int32_t b, int32_t e) const
{
    if (b == 0 && e == GetValues())
        return NewEmpty();
    return EachChannel(stop, [&](int, const Wave& w) { return w.deleteRange(stop, b, e); });
}

SoundPtr Sound::NewEmpty() const
{
    return Wrap(RefPtr<Wave>(new Wave()), RefPtr<Wave>(new Wave()));
}

SoundPtr Sound::Extract(StopFlag* stop, int32_t b, int32_t e) const
{
    if (e == b)
        return NewEmpty();
    return EachChannel(stop, [&](int, const Wave& w) { return w.extractRange(stop, b, e); });
}

SoundPtr Sound::Replace(StopFlag* stop, const Sound& other, int32_t b, int32_t e) const
{
    return EachChannel(stop, [&](int side, const Wave& w) {
        RefPtr<Wave> taken = OtherAtRate(stop, other, side);
        return taken ? w.replace(stop, taken.get(), b, e) : RefPtr<Wave>();
    });
}

SoundPtr Sound::Reverse(StopFlag* stop, int32_t b, int32_t e) const
{
    return EachChannel(stop, [&](int, const Wave& w) { return w.reverse(stop, b, e); });
}

// ---- volume ----

int32_t Sound::MaxAbs(StopFlag* stop, int32_t b, int32_t e) const
{
    if (channels == 1)
        return Channel(0).getMaxAbs(stop, b, e);
    int32_t left = 0;
    int32_t right = 0;
    RunChannels(
        TwoThreads(GetValues()),
        [&] {
            left = Channel(0).getMaxAbs(stop, b, e);
            return true;
        },
        [&] { right = Channel(1).getMaxAbs(stop, b, e); });
    return std::max(left, right);
}

SoundPtr Sound::MaxVolume(StopFlag* stop, double fraction, int32_t b, int32_t e) const
{
    const int32_t peak = MaxAbs(stop, b, e);
    return Volume(stop, peak != 0 ? fraction * 32767.0 / peak : 0.0, b, e);
}

void Sound::MaxVolumeInPlace(StopFlag* stop, double fraction, int32_t b, int32_t e)
{
    const int32_t peak = MaxAbs(stop, b, e);
    VolumeInPlace(stop, peak != 0 ? fraction * 32767.0 / peak : 0.0, b, e);
}

SoundPtr Sound::MaxVolumeFull(StopFlag* stop, int32_t b, int32_t e) const
{
    return MaxVolume(stop, 1.0, b, e);
}

void Sound::MaxVolumeFullInPlace(StopFlag* stop, int32_t b, int32_t e)
{
    MaxVolumeInPlace(stop, 1.0, b, e);
}

SoundPtr Sound::MaxVolume70(StopFlag* stop, int32_t b, int32_t e) const
{
    return MaxVolume(stop, 0.7, b, e);
}

void Sound::MaxVolume70InPlace(StopFlag* stop, int32_t b, int32_t e)
{
    MaxVolumeInPlace(stop, 0.7, b, e);
}

// ---- mixing ----

SoundPtr Sound::MixAlignEnd(StopFlag* stop, const Sound& other, int32_t endPos, int32_t length, bool takeEnd) const
{
    return EachChannel(stop, [&](int side, const Wave& w) {
        RefPtr<Wave> taken = OtherAtRate(stop, other, side);
        return taken ? w.mixAlignEnd(stop, taken.get(), endPos, length, takeEnd) : RefPtr<Wave>();
    });
}

SoundPtr Sound::MixAlignBegin(StopFlag* stop, const Sound& other, int32_t pos, int32_t length, bool takeEnd) const
{
    return EachChannel(stop, [&](int side, const Wave& w) {
        RefPtr<Wave> taken = OtherAtRate(stop, other, side);
        return taken ? w.mixAt(stop, taken.get(), pos, length, takeEnd) : RefPtr<Wave>();
    });
}

SoundPtr Sound::MixStretch(StopFlag* stop, const Sound& other, int32_t b, int32_t e) const
{
    return EachChannel(stop, [&](int side, const Wave& w) {
        RefPtr<Wave> stretched = EnvelopeView(stop, other, side);
        return stretched ? w.mixStretch(stop, stretched.get(), b, e) : RefPtr<Wave>();
    });
}

void Sound::MixAddAtTime(StopFlag* stop, const Sound& other, double seconds, double factor)
{
    MixAddFactorAt(stop, other, SamplesOf(seconds, sampleFreq), factor);
}

void Sound::MixAddFactorAt(StopFlag* stop, const Sound& other, int32_t offset, double factor)
{
    EachChannelInPlace([&](int side, RefPtr<Wave>& w) {
        RefPtr<Wave> taken = OtherAtRate(stop, other, side);
        if (taken)
            Wave::mixAddFactor(stop, w, taken.get(), offset, factor);
    }, MixWork(other, sampleFreq));
}

void Sound::MixAddAt(StopFlag* stop, const Sound& other, int32_t offset)
{
    EachChannelInPlace([&](int side, RefPtr<Wave>& w) {
        RefPtr<Wave> taken = OtherAtRate(stop, other, side);
        if (taken)
            Wave::mixAdd(stop, w, taken.get(), offset);
    }, MixWork(other, sampleFreq));
}

void Sound::MixAddAligned(StopFlag* stop, const Sound& other, double relThis, double relOther)
{
    RefPtr<Wave> first = OtherAtRate(stop, other, 0);
    if (!first)
        return;
    const int32_t posThis = ToInt32(GetValues() * relThis);
    const int32_t posOther = ToInt32(first->getValues() * relOther);
    EachChannelInPlace([&](int side, RefPtr<Wave>& w) {
        RefPtr<Wave> taken = side == 0 ? first : OtherAtRate(stop, other, side);
        if (taken)
            Wave::mixAddAligned(stop, w, taken.get(), posThis, posOther);
    }, MixWork(other, sampleFreq));
}

void Sound::MixAddAlignedFactor(StopFlag* stop, const Sound& other, double relThis, double relOther, double factor)
{
    RefPtr<Wave> first = OtherAtRate(stop, other, 0);
    if (!first)
        return;
    const int32_t posThis = ToInt32(GetValues() * relThis);
    const int32_t posOther = ToInt32(first->getValues() * relOther);
    EachChannelInPlace([&](int side, RefPtr<Wave>& w) {
        RefPtr<Wave> taken = side == 0 ? first : OtherAtRate(stop, other, side);
        if (taken)
            Wave::mixAddAlignedFactor(stop, w, taken.get(), posThis, posOther, factor);
    }, MixWork(other, sampleFreq));
}

void Sound::MixCycleAfterThis(StopFlag* stop, const Sound& other, int32_t after)
{
    EachChannelInPlace([&](int side, RefPtr<Wave>& w) {
        RefPtr<Wave> taken = OtherAtRate(stop, other, side);
        if (taken)
            Wave::mixCycleAfterThis(stop, w, taken.get(), after);
    }, std::max<int64_t>(GetValues() - int64_t(after), 0));
}

// ---- files and playing ----

bool Sound::SaveWaveFile(StopFlag* stop, const std::string& fileName, int32_t begin, int32_t end) const
{
    return WriteWaveFile(stop, fileName, *this, begin, end);
}

void Sound::Play(bool maxVolume) const
{
    MainForm().PlaySound(*this, maxVolume);
}

SoundPtr MaxVolumeCopyForPlaying(const Sound& sound, int32_t begin, int32_t end)
{
    StopFlag own = 0;
    SoundPtr copy = sound.MaxVolumeFull(&own, begin, end);
    if (own != 0)
        return nullptr;
    return copy;
}

// ---- shaping ----

SoundPtr Sound::AddValue(StopFlag* stop, int16_t value, int32_t b, int32_t e) const
{
    return EachChannel(stop, [&](int, const Wave& w) { return w.addValue(stop, value, b, e); });
}

SoundPtr Sound::Centre(StopFlag* stop, int32_t b, int32_t e) const
{
    return EachChannel(stop, [&](int, const Wave& w) { return w.centre(stop, b, e); });
}

SoundPtr Sound::BlockHold(StopFlag* stop, double seconds, int32_t levels, int32_t b, int32_t e) const
{
    const double step = seconds * sampleFreq;
    return EachChannel(stop, [&](int, const Wave& w) { return w.blockHold(stop, step, levels, b, e); });
}

SoundPtr Sound::Volume(StopFlag* stop, double factor, int32_t b, int32_t e) const
{
    return EachChannel(stop, [&](int, const Wave& w) { return w.multiplyVolume(stop, factor, b, e); });
}

void Sound::VolumeInPlace(StopFlag* stop, double factor, int32_t b, int32_t e)
{
    EachChannelInPlace([&](int, RefPtr<Wave>& w) { Wave::multiplyVolumeInPlace(stop, w, factor, b, e); });
}

SoundPtr Sound::VolumeEnvelope(StopFlag* stop, const Sound& envelope, int32_t b, int32_t e) const
{
    return EachChannel(stop, [&](int side, const Wave& w) {
        RefPtr<Wave> env = EnvelopeView(stop, envelope, side);
        return env ? w.applyEnvelope(stop, env.get(), b, e) : RefPtr<Wave>();
    });
}

SoundPtr Sound::Distort(StopFlag* stop, const Sound& curve, int32_t b, int32_t e) const
{
    return EachChannel(stop, [&](int side, const Wave& w) {
        RefPtr<Wave> view = EnvelopeView(stop, curve, side);
        return view ? w.distort(stop, view.get(), b, e) : RefPtr<Wave>();
    });
}

// ---- filters and echoes ----

SoundPtr Sound::FilterHighLow(StopFlag* stop, HighLowFilter filter, double seconds, double factor,
                              int32_t countBer, int32_t countCmd, int32_t b, int32_t e) const
{
    const double time = seconds * sampleFreq;
    return EachChannel(stop, [&](int, const Wave& w) { return (w.*filter)(stop, time, factor, countBer, countCmd, b, e); });
}

SoundPtr Sound::FilterHighLowEnvelope(StopFlag* stop, HighLowEnvelopeFilter filter, const Sound& frequencyEnvelope,
                                      double factor, int32_t countBer, int32_t countCmd, int32_t b, int32_t e) const
{
    return EachChannel(stop, [&](int side, const Wave& w) {
        RefPtr<Wave> env = EnvelopeView(stop, frequencyEnvelope, side);
        return env ? (w.*filter)(stop, env.get(), factor, countBer, countCmd, sampleFreq, b, e) : RefPtr<Wave>();
    });
}

SoundPtr Sound::FilterResNotch(StopFlag* stop, bool perConstant, bool widthConstant, double per, double width,
                               const Sound* perEnvelope, const Sound* widthEnvelope, ResNotchFilter constant,
                               ResNotchFreqEnvelopeFilter perEnveloped, ResNotchWidthEnvelopeFilter widthEnveloped,
                               ResNotchEnvelopesFilter both, int32_t b, int32_t e) const
{
    if ((!perConstant && !perEnvelope) || (!widthConstant && !widthEnvelope))
        return nullptr;
    // The resonator needs a period of at least one sample.
    const double perSamples = std::max(per * sampleFreq, 1.0);
    return EachChannel(stop, [&](int side, const Wave& w) {
        RefPtr<Wave> perView = perConstant ? RefPtr<Wave>() : EnvelopeView(stop, *perEnvelope, side);
        RefPtr<Wave> widthView = widthConstant ? RefPtr<Wave>() : EnvelopeView(stop, *widthEnvelope, side);
        if ((!perConstant && !perView) || (!widthConstant && !widthView))
            return RefPtr<Wave>();
        if (perConstant && widthConstant)
            return (w.*constant)(stop, perSamples, width, b, e);
        if (widthConstant)
            return (w.*perEnveloped)(stop, perView.get(), width, sampleFreq, b, e);
        if (perConstant)
            return (w.*widthEnveloped)(stop, perSamples, widthView.get(), b, e);
        return (w.*both)(stop, perView.get(), widthView.get(), sampleFreq, b, e);
    });
}

SoundPtr Sound::BlockFilter(StopFlag* stop, double seconds, int32_t& b, int32_t& e) const
{
    const double block = seconds * sampleFreq;
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return w.blockFilter(stop, block, cb, ce);
    });
}

SoundPtr Sound::BlockFilterEnvelope(StopFlag* stop, const Sound& blockEnvelope, double seconds, int32_t& b,
                                    int32_t& e) const
{
    const double maxBlock = seconds * sampleFreq;
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> env = EnvelopeView(stop, blockEnvelope, side);
        return env ? w.blockFilterEnvelope(stop, maxBlock, env.get(), cb, ce) : RefPtr<Wave>();
    });
}

SoundPtr Sound::PeriodEcho(StopFlag* stop, double seconds, double volume, int32_t count, int32_t& b,
                           int32_t& e) const
{
    const double time = seconds * sampleFreq;
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return w.periodEcho(stop, time, volume, count, cb, ce);
    });
}

SoundPtr Sound::PeriodEchoVolumeEnvelope(StopFlag* stop, double seconds, const Sound& volumeEnvelope,
                                         int32_t count, int32_t& b, int32_t& e) const
{
    const double time = seconds * sampleFreq;
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> env = EnvelopeView(stop, volumeEnvelope, side);
        return env ? w.periodEchoVolumeEnvelope(stop, time, env.get(), count, cb, ce) : RefPtr<Wave>();
    });
}

SoundPtr Sound::PeriodEchoTimeEnvelope(StopFlag* stop, double seconds, const Sound& timeEnvelope, double volume,
                                       int32_t count, int32_t& b, int32_t& e) const
{
    const double time = seconds * sampleFreq;
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> env = EnvelopeView(stop, timeEnvelope, side);
        return env ? w.periodEchoTimeEnvelope(stop, time, env.get(), volume, count, cb, ce) : RefPtr<Wave>();
    });
}

SoundPtr Sound::PeriodEchoEnvelopes(StopFlag* stop, double seconds, const Sound& timeEnvelope,
                                    const Sound& volumeEnvelope, int32_t count, int32_t& b, int32_t& e) const
{
    const double time = seconds * sampleFreq;
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> timeView = EnvelopeView(stop, timeEnvelope, side);
        RefPtr<Wave> volumeView = EnvelopeView(stop, volumeEnvelope, side);
        return timeView && volumeView
                   ? w.periodEchoEnvelopes(stop, time, timeView.get(), volumeView.get(), count, cb, ce)
                   : RefPtr<Wave>();
    });
}

// ---- tempo and pitch ----

namespace {

bool Crossfading(uint8_t method)
{
    return method == 1;
}

} // namespace

SoundPtr Sound::TempoPitchWhole(StopFlag* stop, double speed, double startPos, double lengthFactor, double freq,
                                double blockSeconds, uint8_t method) const
{
    const int32_t block = SamplesOf(blockSeconds, sampleFreq);
    return EachChannel(stop, [&](int, const Wave& w) {
        return Crossfading(method) ? w.timeStretchCrossfade(stop, speed, startPos, lengthFactor, freq, block)
                                   : w.timeStretch(stop, speed, startPos, lengthFactor, freq, block);
    });
}

SoundPtr Sound::TempoPitch(StopFlag* stop, double speed, double startPos, double lengthFactor, double freq,
                           double blockSeconds, uint8_t method, int32_t& b, int32_t& e) const
{
    const int32_t block = SamplesOf(blockSeconds, sampleFreq);
    return EachChannelRange(stop, b, e, [&](int, const Wave& w, int32_t& cb, int32_t& ce) {
        return Crossfading(method)
                   ? w.timeStretchRangeCrossfade(stop, speed, startPos, lengthFactor, freq, block, cb, ce)
                   : w.timeStretchRange(stop, speed, startPos, lengthFactor, freq, block, cb, ce);
    });
}

SoundPtr Sound::TempoPitchFreqWave(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                   double freqFactor, const Sound& frequencyEnvelope, double blockSeconds,
                                   uint8_t method, int32_t& b, int32_t& e) const
{
    const int32_t block = SamplesOf(blockSeconds, sampleFreq);
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> env = EnvelopeView(stop, frequencyEnvelope, side);
        if (!env)
            return RefPtr<Wave>();
        return Crossfading(method) ? w.timeStretchFreqWaveCrossfade(stop, speed, startPos, lengthFactor, freqFactor,
                                                                    env.get(), block, cb, ce)
                                   : w.timeStretchFreqWave(stop, speed, startPos, lengthFactor, freqFactor,
                                                           env.get(), block, cb, ce);
    });
}

SoundPtr Sound::TempoPitchSpeedEnvelope(StopFlag* stop, double speedFactor, const Sound& speedEnvelope,
                                        double startPos, double lengthFactor, double freq, double blockSeconds,
                                        uint8_t method, int32_t& b, int32_t& e) const
{
    const int32_t block = SamplesOf(blockSeconds, sampleFreq);
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> env = EnvelopeView(stop, speedEnvelope, side);
        if (!env)
            return RefPtr<Wave>();
        return Crossfading(method) ? w.timeStretchSpeedEnvelopeCrossfade(stop, speedFactor, env.get(), startPos,
                                                                         lengthFactor, freq, block, cb, ce)
                                   : w.timeStretchSpeedEnvelope(stop, speedFactor, env.get(), startPos,
                                                                lengthFactor, freq, block, cb, ce);
    });
}

SoundPtr Sound::TempoPitchSpeedFreq(StopFlag* stop, double speedFactor, const Sound& speedEnvelope,
                                    double startPos, double lengthFactor, double freqFactor,
                                    const Sound& frequencyEnvelope, double blockSeconds, uint8_t method,
                                    int32_t& b, int32_t& e) const
{
    const int32_t block = SamplesOf(blockSeconds, sampleFreq);
    return EachChannelRange(stop, b, e, [&](int side, const Wave& w, int32_t& cb, int32_t& ce) {
        RefPtr<Wave> speedView = EnvelopeView(stop, speedEnvelope, side);
        RefPtr<Wave> freqView = EnvelopeView(stop, frequencyEnvelope, side);
        if (!speedView || !freqView)
            return RefPtr<Wave>();
        return Crossfading(method)
                   ? w.timeStretchSpeedFreqCrossfade(stop, speedFactor, speedView.get(), startPos, lengthFactor,
                                                     freqFactor, freqView.get(), block, cb, ce)
                   : w.timeStretchSpeedFreq(stop, speedFactor, speedView.get(), startPos, lengthFactor, freqFactor,
                                            freqView.get(), block, cb, ce);
    });
}
