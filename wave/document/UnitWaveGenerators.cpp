// The generators: each inserts its wave at the cursor or in place of the
// selection, and selects what it made.
#include "platform/Assertions.h"
#include "platform/SampleConvert.h"
#include "wave/Sound.h"
#include "wave/document/UnitWave.h"

#include <cstddef>
#include <vector>

void TUnitWave::MakeLine(const TLineProps& props)
{
    BeginCommand();
    LineProps = props;
    if (RefuseLongerThanTheLongestWave(LineProps.Length.GetValue()))
        return;
    RunLengthCommand(GetSelectBegin(), GetSelectEnd(), [this](int32_t& b, int32_t& e) {
        return TheSound->MakeLine(&stopFlag, LineProps.Begin.GetValue(), LineProps.End.GetValue(),
                                  LineProps.Length.GetValue(), LineProps.LineKind == 1, b, e);
    });
}

void TUnitWave::MakeSilence(const TSilenceProps& props)
{
    BeginCommand();
    SilenceProps = props;
    if (RefuseLongerThanTheLongestWave(SilenceProps.Length.GetValue()))
        return;
    RunLengthCommand(GetSelectBegin(), GetSelectEnd(), [this](int32_t& b, int32_t& e) {
        return TheSound->InsertSilence(&stopFlag, SilenceProps.Length.GetValue(), b, e);
    });
}

void TUnitWave::MakeNoise(const TNoiseProps& props)
{
    BeginCommand();
    NoiseProps = props;
    if (RefuseLongerThanTheLongestWave(NoiseProps.Length.GetValue()))
        return;
    RunLengthCommand(GetSelectBegin(), GetSelectEnd(), [this](int32_t& b, int32_t& e) {
        return TheSound->MakeNoise(&stopFlag, NoiseProps.Volume.GetValue(), NoiseProps.Length.GetValue(), b, e);
    });
}

void TUnitWave::MakeBlock(const TBlockTriangleProps& props)
{
    MakeBlockTriangle(props, false);
}

void TUnitWave::MakeTriangle(const TBlockTriangleProps& props)
{
    MakeBlockTriangle(props, true);
}

void TUnitWave::MakeBlockTriangle(const TBlockTriangleProps& props, bool triangle)
{
    BeginCommand();
    TBlockTriangleProps& stored = triangle ? MakeTriangleProps : MakeBlockProps;
    stored = props;
    const TBlockTriangleProps& p = stored;
    std::shared_ptr<Sound> middleEnvelope;
    if (p.HasMiddleEnvelope() && !TakeEnvelope(p.MiddleEnvelope, middleEnvelope))
        return;
    double period = p.GetPeriod();
    double length = p.GetLength();
    double middle = middleEnvelope ? 0.0 : p.GetMiddle();
    int16_t h1 = p.Height1.GetValue(), h2 = p.Height2.GetValue();
    double start = p.StartPosition.GetValue();
    if (RefuseLongerThanTheLongestWave(length))
        return;
    RunLengthCommand(GetSelectBegin(), GetSelectEnd(), [&](int32_t& b, int32_t& e) {
        if (middleEnvelope)
            return TheSound->MakeBlockTriangleEnvelope(&stopFlag, h1, h2, period, *middleEnvelope, length, start,
                                                       triangle, b, e);
        return TheSound->MakeBlockTriangle(&stopFlag, h1, h2, period, middle, length, start, triangle, b, e);
    });
}

void TUnitWave::MakeSinus(const TSinusProps& props)
{
    BeginCommand();
    SinusProps = props;
    if (RefuseLongerThanTheLongestWave(SinusProps.Frequency.GetValue() * SinusProps.GetCount()))
        return;
    RunLengthCommand(GetSelectBegin(), GetSelectEnd(), [this](int32_t& b, int32_t& e) {
        int16_t amplitude = SinusProps.Amplitude.GetValue();
        return TheSound->MakeSinus(&stopFlag, amplitude, ToSample(-static_cast<double>(amplitude)),
                                   SinusProps.Frequency.GetValue(), SinusProps.GetCount(),
                                   SinusProps.StartPhase.GetValue(), b, e);
    });
}

void TUnitWave::MakeMFreq(const TMFreqProps& props)
{
    BeginCommand();
    MFreqProps = props;
    const TMFreqRecordBrowser& records = MFreqProps.Records;
    if (!QB_CHECK(!records.GetIsOpen()))
        return;
    std::shared_ptr<Sound> waveForm;
    if (MFreqProps.UseKind != 0 && !TakeEnvelope(MFreqProps.WaveForm, waveForm))
        return;
    int32_t freqCount = records.GetCount();
    std::vector<double> volumes(freqCount), periods(freqCount), factorTimes(freqCount), factors(freqCount),
        angles(freqCount);
    int32_t index = 0;
    for (const TBrowseRecord* r = records.GetFirstRecord(); r; r = r->GetNext()) {
        if (!QB_CHECK(index < freqCount))
            break;
        const auto* mFreqBrowseRecord = dynamic_cast<const TMFreqBrowseRecord*>(r);
        // Written with NULL: the condition is the text the box shows.
        if (!QB_CHECK(mFreqBrowseRecord != NULL))
            return;
        volumes[index] = mFreqBrowseRecord->StartVolume.GetValue();
        periods[index] = mFreqBrowseRecord->Frequency.GetValue();
        factorTimes[index] = mFreqBrowseRecord->VolumeFactorAtTime.GetValue();
        factors[index] = mFreqBrowseRecord->VolumeFactor.GetValue();
        angles[index] = mFreqBrowseRecord->StartAngle.GetValue();
        ++index;
    }
    double length = MFreqProps.Length.GetValue();
    if (RefuseLongerThanTheLongestWave(length))
        return;
    RunLengthCommand(GetSelectBegin(), GetSelectEnd(), [&](int32_t& b, int32_t& e) {
        if (!waveForm)
            return TheSound->MakeMultiFrequency(&stopFlag, length, index, volumes.data(), periods.data(),
                                                factorTimes.data(), factors.data(), angles.data(), b, e);
        return TheSound->MakeMultiFrequencyWaveForm(&stopFlag, length, *waveForm, index, volumes.data(),
                                                    periods.data(), factorTimes.data(), factors.data(),
                                                    angles.data(), b, e);
    });
}
