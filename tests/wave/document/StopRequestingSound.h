#pragma once
#include "wave/MonoSound.h"
#include "wave/WaveLoops.h"

// A mono sound that asks for a stop whenever an operation reads it, as a
// user's stop that arrives while the operation runs: every allocation has
// succeeded, so only a command that heeds the flag keeps what it had.
class StopRequestingSound : public MonoSound {
public:
    using MonoSound::MonoSound;

    RefPtr<Wave> GetMonoWave(StopFlag* stop, bool& isNew) const override
    {
        SetStopped(stop);
        return MonoSound::GetMonoWave(stop, isNew);
    }
    RefPtr<Wave> GetMonoWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const override
    {
        SetStopped(stop);
        return MonoSound::GetMonoWaveAtFreq(stop, freq, isNew);
    }
    RefPtr<Wave> GetLeftWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const override
    {
        SetStopped(stop);
        return MonoSound::GetLeftWaveAtFreq(stop, freq, isNew);
    }
    RefPtr<Wave> GetRightWaveAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const override
    {
        SetStopped(stop);
        return MonoSound::GetRightWaveAtFreq(stop, freq, isNew);
    }
    RefPtr<Wave> GetMixDownAtFreq(StopFlag* stop, int32_t freq, bool& isNew) const override
    {
        SetStopped(stop);
        return MonoSound::GetMixDownAtFreq(stop, freq, isNew);
    }
    double GetEnvelopeValue(StopFlag* stop, double relPos, double atTop, double atBottom) const override
    {
        SetStopped(stop);
        return MonoSound::GetEnvelopeValue(stop, relPos, atTop, atBottom);
    }
};
