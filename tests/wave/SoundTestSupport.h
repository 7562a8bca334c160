#pragma once
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"

#include <cstdint>
#include <memory>
#include <vector>

using Samples = std::vector<int16_t>;

inline RefPtr<Wave> WaveOf(const Samples& samples)
{
    const auto n = static_cast<int32_t>(samples.size());
    SampleBuffer buffer = AllocSamples(n);
    for (int32_t i = 0; i < n; ++i)
        buffer[static_cast<size_t>(i)] = samples[static_cast<size_t>(i)];
    return RefPtr<Wave>(new Wave(std::move(buffer), n));
}

inline Samples SamplesOf(const Wave* wave)
{
    if (!wave || wave->getValues() == 0)
        return {};
    return Samples(wave->getData(), wave->getData() + wave->getValues());
}

inline std::shared_ptr<MonoSound> Mono(const Samples& samples, int32_t freq = 44100, int16_t bytes = 2)
{
    return std::make_shared<MonoSound>(WaveOf(samples), freq, bytes);
}

inline std::shared_ptr<StereoSound> Stereo(const Samples& left, const Samples& right, int32_t freq = 44100,
                                           int16_t bytes = 2)
{
    return std::make_shared<StereoSound>(WaveOf(left), WaveOf(right), freq, bytes);
}

inline Samples LeftOf(const Sound& sound)
{
    return SamplesOf(sound.GetLeftWave());
}

inline Samples RightOf(const Sound& sound)
{
    return SamplesOf(sound.GetRightWave());
}

// n samples of a ramp with some wiggle, different per seed.
inline Samples Ramp(int32_t n, int seed)
{
    Samples s(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        s[static_cast<size_t>(i)] = static_cast<int16_t>((i * 37 * seed) % 20000 - 10000 + (i % 7) * 300 * seed);
    return s;
}
