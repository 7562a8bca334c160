#pragma once
#include "wave/Wave.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Builds a Wave holding exactly these samples.
inline RefPtr<Wave> MakeWave(const std::vector<int16_t>& samples)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, static_cast<int32_t>(samples.size()));
    EXPECT_TRUE(wave);
    for (size_t i = 0; i < samples.size(); ++i)
        wave->getData()[i] = samples[i];
    return wave;
}

inline RefPtr<Wave> MakeFilledWave(int32_t n, int16_t value)
{
    return MakeWave(std::vector<int16_t>(static_cast<size_t>(n), value));
}

inline std::vector<int16_t> ValuesOf(const RefPtr<Wave>& wave)
{
    if (!wave)
        return {};
    return std::vector<int16_t>(wave->getData(), wave->getData() + wave->getValues());
}

// A stop flag that goes up when a given sample of a Wave is written: it lives in
// the low byte of that sample, so a test sees exactly where a loop stopped.
inline StopFlag* FlagInSample(Wave& wave, int32_t index)
{
    return reinterpret_cast<StopFlag*>(wave.getData() + index);
}
