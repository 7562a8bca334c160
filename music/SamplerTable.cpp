#include "music/SamplerTable.h"

#include "music/OnePlayerProps.h"
#include "platform/SampleConvert.h"
#include "wave/FilterTable.h"

#include <cmath>
#include <variant>

namespace {

// The speed ratio as the sound and the lead time use it: in single precision.
double SingleRatio(double period, const unitTimePosMore& basicFreq)
{
    return static_cast<float>(period / basicFreq.GetValue());
}

double DoubleRatio(double period, const unitTimePosMore& basicFreq)
{
    return period / basicFreq.GetValue();
}

// A result without samples adds nothing.
SoundPtr NonEmpty(SoundPtr sound)
{
    return sound && sound->GetValues() > 0 ? sound : nullptr;
}

// ---- simple sampler: the whole sample, played r times as long

SoundPtr SimpleSound(const TOnePlayerProps& props, const TSample& sample, const TSamplerNote& note, StopFlag* stop,
                     double& mixFactor)
{
    mixFactor = note.Volume;
    return NonEmpty(sample.Sound->Resample(stop, SingleRatio(note.Period, props.SimpleSamplerProps.BasicFreq)));
}

double SimpleLeadTime(const TOnePlayerProps&, const TSample&, const TSamplerNote&)
{
    return 0.0;
}

double SimpleSoundLength(const TOnePlayerProps& props, const TSample& sample, const TSamplerNote& note)
{
    return sample.Sound->GetSeconds() * DoubleRatio(note.Period, props.SimpleSamplerProps.BasicFreq);
}

// ---- roll-out sampler: the part before the stretch, the stretch n times, the
// rest; all of it resampled to the note's pitch. The first pass through the
// stretch begins at the note's time.

double RollOutCount(double seconds, double pass)
{
    return std::trunc(seconds / pass + 0.5);
}

SoundPtr RollOutSound(const TOnePlayerProps& props, const TSample& sample, const TSamplerNote& note, StopFlag* stop,
                      double& mixFactor)
{
    mixFactor = note.Volume;
    const double r = SingleRatio(note.Period, props.RollOutSamplerProps.BasicFreq);
    const double stretch = sample.End - sample.Begin;
    const double n = RollOutCount(note.Seconds, stretch * r / sample.SampleFreq);
    int32_t b = sample.Begin;
    int32_t e = sample.End;
    SoundPtr rolled = NonEmpty(sample.Sound->RollOut(stop, stretch / sample.SampleFreq, n, 0.0, b, e));
    return rolled ? NonEmpty(rolled->Resample(stop, r)) : nullptr;
}

double RollOutLeadTime(const TOnePlayerProps& props, const TSample& sample, const TSamplerNote& note)
{
    return sample.Begin * SingleRatio(note.Period, props.RollOutSamplerProps.BasicFreq) / sample.SampleFreq;
}

double RollOutSoundLength(const TOnePlayerProps& props, const TSample& sample, const TSamplerNote& note)
{
    const double r = DoubleRatio(note.Period, props.RollOutSamplerProps.BasicFreq);
    const double pass = (sample.End - sample.Begin) * r / sample.SampleFreq;
    return RollOutCount(note.Seconds, pass) * pass + (sample.Values - sample.End) * r / sample.SampleFreq;
}

// ---- resonant sampler: the stretch repeated at the sample's own speed,
// through a resonance at the note's period.

SoundPtr ResonantSound(const TOnePlayerProps& props, const TSample& sample, const TSamplerNote& note, StopFlag* stop,
                       double& mixFactor)
{
    mixFactor = note.Volume;
    const double pass = (sample.End - sample.Begin) / sample.SampleFreq;
    int32_t b = sample.Begin;
    int32_t e = sample.End;
    SoundPtr rolled = NonEmpty(sample.Sound->RollOut(stop, pass, RollOutCount(note.Seconds, pass), 0.0, b, e));
    if (!rolled)
        return nullptr;
    const int32_t base = filterTableResonance;
    return NonEmpty(rolled->FilterResNotch(
        stop, true, true, note.Period, props.ResonantSamplerProps.ResFactor.GetValue(), nullptr, nullptr,
        std::get<ResNotchFilter>(FilterTable[base]), std::get<ResNotchFreqEnvelopeFilter>(FilterTable[base + 1]),
        std::get<ResNotchWidthEnvelopeFilter>(FilterTable[base + 2]),
        std::get<ResNotchEnvelopesFilter>(FilterTable[base + 3]), 0, rolled->GetValues()));
}

double ResonantLeadTime(const TOnePlayerProps&, const TSample& sample, const TSamplerNote&)
{
    return sample.Begin / sample.SampleFreq;
}

double ResonantSoundLength(const TOnePlayerProps&, const TSample& sample, const TSamplerNote& note)
{
    const double pass = (sample.End - sample.Begin) / sample.SampleFreq;
    return RollOutCount(note.Seconds, pass) * pass + (sample.Values - sample.End) / sample.SampleFreq;
}

// ---- repeat wave form: the scaled sample and n copies of it, one period
// apart, beginning at the note's time; it carries its volume itself.

int32_t RepeatCount(const TSamplerNote& note)
{
    return ToInt32(std::trunc(note.Seconds / note.Period + 1.5));
}

SoundPtr RepeatSound(const TOnePlayerProps&, const TSample& sample, const TSamplerNote& note, StopFlag* stop,
                     double& mixFactor)
{
    mixFactor = 1.0;
    SoundPtr scaled = NonEmpty(sample.Sound->Volume(stop, note.Volume, 0, sample.Values));
    if (!scaled)
        return nullptr;
    int32_t b = 0;
    int32_t e = sample.Values;
    return NonEmpty(scaled->PeriodEcho(stop, note.Period, 1.0, RepeatCount(note), b, e));
}

double RepeatLeadTime(const TOnePlayerProps&, const TSample&, const TSamplerNote&)
{
    return 0.0;
}

double RepeatSoundLength(const TOnePlayerProps&, const TSample& sample, const TSamplerNote& note)
{
    return RepeatCount(note) * note.Period + sample.Values / sample.SampleFreq;
}

// ---- roll-out wave form: the whole sample squeezed into one period, n times.

SoundPtr RollOutWaveSound(const TOnePlayerProps&, const TSample& sample, const TSamplerNote& note, StopFlag* stop,
                          double& mixFactor)
{
    mixFactor = note.Volume;
    int32_t b = 0;
    int32_t e = sample.Values;
    return NonEmpty(sample.Sound->RollOut(stop, note.Period, std::trunc(note.Seconds / note.Period), 0.0, b, e));
}

double RollOutWaveLeadTime(const TOnePlayerProps&, const TSample&, const TSamplerNote&)
{
    return 0.0;
}

double RollOutWaveSoundLength(const TOnePlayerProps&, const TSample&, const TSamplerNote& note)
{
    return note.Seconds;
}

constexpr TSamplerAnswers SamplerRows[] = {
    {notePlayerSimpleSampler, false, true, SimpleSound, SimpleLeadTime, SimpleSoundLength},
    {notePlayerResonantSampler, true, true, ResonantSound, ResonantLeadTime, ResonantSoundLength},
    {notePlayerRepeatWaveForm, false, true, RepeatSound, RepeatLeadTime, RepeatSoundLength},
    {notePlayerRollOutSampler, true, true, RollOutSound, RollOutLeadTime, RollOutSoundLength},
    {notePlayerRollOutWaveForm, false, false, RollOutWaveSound, RollOutWaveLeadTime, RollOutWaveSoundLength},
};

} // namespace

const TSamplerAnswers* FindSamplerAnswers(uint8_t kind)
{
    for (const TSamplerAnswers& row : SamplerRows)
        if (row.Kind == kind)
            return &row;
    return nullptr;
}
