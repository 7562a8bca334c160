// The filters, the period echo and tempo and pitch: each picks the variant of
// its wave operation by which of its constant and envelope inputs are given.
#include "factory/nodes/BuiltinHandlers.h"
#include "factory/nodes/BuiltinRun.h"
#include "wave/FilterTable.h"

#include <variant>

namespace {

template <class Kernel>
Kernel TableKernel(FilterTableIndex index)
{
    return std::get<Kernel>(FilterTable[static_cast<size_t>(index)]);
}

// One call running count passes, or with normalizing count single passes of
// a count-pass cascade, each brought back to 70 % of full scale.
bool RunHighLowFilter(TBuiltinRun& run, FilterTableIndex constantIndex, FilterTableIndex envelopeIndex)
{
    return RunWaveResult(run, NoEmptyRange, [=](TBuiltinRun& r, SoundPtr& result) {
        const bool constant = !r.Has("Envelope");
        const int32_t count = r.Integer("Filter Count");
        const bool normalize = r.Flag("Normalize Volume");
        const double volume = r.Number("Volume Factor");
        double period = 0.0;
        SoundPtr envelope;
        if (constant)
            period = r.Number("Frequency");
        else if (!r.GetSound("Envelope", envelope))
            return false;
        const auto constantKernel = TableKernel<::HighLowFilter>(constantIndex);
        const auto envelopeKernel = TableKernel<HighLowEnvelopeFilter>(envelopeIndex);
        auto filter = [&](const Sound& from, int32_t passesNow) {
            return constant ? from.FilterHighLow(r.Stop, constantKernel, period, volume, count, passesNow, r.Begin,
                                                 r.End)
                            : from.FilterHighLowEnvelope(r.Stop, envelopeKernel, *envelope, volume, count,
                                                         passesNow, r.Begin, r.End);
        };
        if (!normalize) {
            result = filter(*r.Wave, count);
            return true;
        }
        SoundPtr current = r.Wave->MaxVolume70(r.Stop, r.Begin, r.End);
        for (int32_t pass = 0; current && pass < count; ++pass) {
            SoundPtr next = filter(*current, 1);
            if (next)
                next->MaxVolume70InPlace(r.Stop, r.Begin, r.End);
            current = std::move(next);
        }
        result = std::move(current);
        return true;
    });
}

bool RunResNotchFilter(TBuiltinRun& run, FilterTableIndex first)
{
    return RunWaveResult(run, NoEmptyRange, [=](TBuiltinRun& r, SoundPtr& result) {
        const bool widthConstant = r.Has("Frequency Width");
        const bool frequencyConstant = r.Has("Frequency");
        double width = 0.0;
        double period = 0.0;
        SoundPtr widthEnvelope;
        SoundPtr frequencyEnvelope;
        if (widthConstant)
            width = r.Number("Frequency Width");
        else if (!r.GetSound("Frequency Width Envelope", widthEnvelope))
            return false;
        if (frequencyConstant)
            period = r.Number("Frequency");
        else if (!r.GetSound("Frequency Envelope", frequencyEnvelope))
            return false;
        const auto at = [first](int offset) { return static_cast<FilterTableIndex>(first + offset); };
        result = r.Wave->FilterResNotch(r.Stop, frequencyConstant, widthConstant, period, width,
                                        frequencyEnvelope.get(), widthEnvelope.get(),
                                        TableKernel<::ResNotchFilter>(at(0)),
                                        TableKernel<ResNotchFreqEnvelopeFilter>(at(1)),
                                        TableKernel<ResNotchWidthEnvelopeFilter>(at(2)),
                                        TableKernel<ResNotchEnvelopesFilter>(at(3)), r.Begin, r.End);
        return true;
    });
}

} // namespace

namespace BuiltinHandlers {

bool LowFilter(TBuiltinRun& run)
{
    return RunHighLowFilter(run, filterTableLowPass, filterTableLowPassEnvelope);
}

bool HighFilter(TBuiltinRun& run)
{
    return RunHighLowFilter(run, filterTableHighPass, filterTableHighPassEnvelope);
}

bool ResonantFilter(TBuiltinRun& run)
{
    return RunResNotchFilter(run, filterTableResonance);
}

bool NotchFilter(TBuiltinRun& run)
{
    return RunResNotchFilter(run, filterTableNotch);
}

bool BlockFilter(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const double time = r.Number("Block Time");
        if (!r.Has("Envelope")) {
            result = r.Wave->BlockFilter(r.Stop, time, r.Begin, r.End);
            return true;
        }
        SoundPtr envelope;
        if (!r.GetSound("Envelope", envelope))
            return false;
        result = r.Wave->BlockFilterEnvelope(r.Stop, *envelope, time, r.Begin, r.End);
        return true;
    });
}

bool PeriodEcho(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const double time = r.Number("Time");
        const int32_t count = r.Integer("Echo Count");
        const bool volumeConstant = !r.Has("Volume Envelope");
        const double volume = volumeConstant ? r.Number("Volume") : 0.0;
        SoundPtr volumeEnvelope;
        SoundPtr timeEnvelope;
        if (!volumeConstant && !r.GetSound("Volume Envelope", volumeEnvelope))
            return false;
        if (r.Has("Time Envelope") && !r.GetSound("Time Envelope", timeEnvelope))
            return false;
        if (volumeConstant && !timeEnvelope)
            result = r.Wave->PeriodEcho(r.Stop, time, volume, count, r.Begin, r.End);
        else if (volumeConstant)
            result = r.Wave->PeriodEchoTimeEnvelope(r.Stop, time, *timeEnvelope, volume, count, r.Begin, r.End);
        else if (!timeEnvelope)
            result = r.Wave->PeriodEchoVolumeEnvelope(r.Stop, time, *volumeEnvelope, count, r.Begin, r.End);
        else
            result = r.Wave->PeriodEchoEnvelopes(r.Stop, time, *timeEnvelope, *volumeEnvelope, count, r.Begin,
                                                 r.End);
        return true;
    });
}

bool TempoPitch(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const uint8_t method = r.Flag("High Quality") ? 1 : 0;
        const double block = r.Number("Block Size");
        const double frequency = r.Number("Frequency Factor");
        const double speed = r.Number("Speed Factor");
        const double start = r.Number("Start Position");
        SoundPtr frequencyEnvelope;
        SoundPtr speedEnvelope;
        if (r.Has("Frequency Factor Envelope") && !r.GetSound("Frequency Factor Envelope", frequencyEnvelope))
            return false;
        if (r.Has("Speed Factor Envelope") && !r.GetSound("Speed Factor Envelope", speedEnvelope))
            return false;
        double lengthFactor = 1.0;
        if (r.Has("Length Factor"))
            lengthFactor = r.Number("Length Factor");
        if (r.Has("Length"))
            lengthFactor = r.Number("Length") / r.Seconds();
        if (r.Has("Count")) {
            // The speed's pin refuses 0 only for connected values.
            if (speed == 0.0)
                return r.Fail("Input \"Speed Factor\" must not be 0.");
            lengthFactor = r.Number("Count") / speed;
        }
        if (!frequencyEnvelope && !speedEnvelope)
            result = r.Wave->TempoPitch(r.Stop, speed, start, lengthFactor, frequency, block, method, r.Begin, r.End);
        else if (!speedEnvelope)
            result = r.Wave->TempoPitchFreqWave(r.Stop, speed, start, lengthFactor, frequency, *frequencyEnvelope,
                                                block, method, r.Begin, r.End);
        else if (!frequencyEnvelope)
            result = r.Wave->TempoPitchSpeedEnvelope(r.Stop, speed, *speedEnvelope, start, lengthFactor, frequency,
                                                     block, method, r.Begin, r.End);
        else
            result = r.Wave->TempoPitchSpeedFreq(r.Stop, speed, *speedEnvelope, start, lengthFactor, frequency,
                                                 *frequencyEnvelope, block, method, r.Begin, r.End);
        return true;
    });
}

} // namespace BuiltinHandlers
