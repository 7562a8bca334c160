// The filters and the period echo.
#include "platform/Assertions.h"
#include "wave/FilterTable.h"
#include "wave/Sound.h"
#include "wave/document/UnitWave.h"

#include <variant>

void TUnitWave::FilterHigh(const THighLowProps& props)
{
    FilterHighLow(props, true);
}

void TUnitWave::FilterLow(const THighLowProps& props)
{
    FilterHighLow(props, false);
}

void TUnitWave::FilterHighLow(const THighLowProps& props, bool high)
{
    BeginCommand();
    THighLowProps& stored = high ? HighProps : LowProps;
    stored = props;
    const THighLowProps& p = stored;
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    std::shared_ptr<Sound> envelope;
    bool enveloped = p.FreqKind == 1;
    if (enveloped && (RefuseShortRange(b, e) || !TakeEnvelope(p.FreqEnvelope, envelope)))
        return;
    HighLowFilter constant = std::get<HighLowFilter>(FilterTable[high ? filterTableHighPass : filterTableLowPass]);
    HighLowEnvelopeFilter withEnvelope =
        std::get<HighLowEnvelopeFilter>(FilterTable[high ? filterTableHighPassEnvelope : filterTableLowPassEnvelope]);
    double period = p.Frequency.GetValue(), factor = p.Factor.GetValue();
    int32_t count = p.Count.GetValue();

    auto pass = [&](const Sound& sound, int32_t countCmd) {
        if (enveloped)
            return sound.FilterHighLowEnvelope(&stopFlag, withEnvelope, *envelope, factor, count, countCmd, b, e);
        return sound.FilterHighLow(&stopFlag, constant, period, factor, count, countCmd, b, e);
    };
    RunKeepCommand([&]() -> SoundPtr {
        if (!p.MaximizeVolume)
            return pass(*TheSound, count);
        // One stage per pass, the range brought back to its volume after each.
        SoundPtr current = TheSound->MaxVolume70(&stopFlag, b, e);
        for (int32_t i = 0; i < count && current && !stopFlag; ++i) {
            SoundPtr next = pass(*current, 1);
            if (!next)
                return nullptr;
            next->MaxVolume70InPlace(&stopFlag, b, e);
            current = std::move(next);
        }
        return current;
    });
}

void TUnitWave::FilterRes(const TResNotchProps& props)
{
    FilterResNotch(props, true);
}

void TUnitWave::FilterNotch(const TResNotchProps& props)
{
    FilterResNotch(props, false);
}

void TUnitWave::FilterResNotch(const TResNotchProps& props, bool resonance)
{
    BeginCommand();
    TResNotchProps& stored = resonance ? ResProps : NotchProps;
    stored = props;
    const TResNotchProps& p = stored;
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    bool perConstant = p.FreqKind == 0, widthConstant = p.WidthKind == 0;
    if (perConstant && p.Frequency.GetValue() * GetSampleFreq() < 1.0) {
        Refuse("The frequency is too high for the sample frequency of the wave.");
        return;
    }
    if ((!perConstant || !widthConstant) && RefuseShortRange(b, e))
        return;
    std::shared_ptr<Sound> perEnvelope, widthEnvelope;
    if (!perConstant && !TakeEnvelope(p.FreqEnvelope, perEnvelope))
        return;
    if (!widthConstant && !TakeEnvelope(p.WidthEnvelope, widthEnvelope))
        return;
    int32_t base = resonance ? filterTableResonance : filterTableNotch;
    auto c = std::get<ResNotchFilter>(FilterTable[base]);
    auto f = std::get<ResNotchFreqEnvelopeFilter>(FilterTable[base + 1]);
    auto w = std::get<ResNotchWidthEnvelopeFilter>(FilterTable[base + 2]);
    auto both = std::get<ResNotchEnvelopesFilter>(FilterTable[base + 3]);
    RunKeepCommand([&]() {
        return TheSound->FilterResNotch(&stopFlag, perConstant, widthConstant, p.Frequency.GetValue(),
                                        p.Width.GetValue(), perEnvelope.get(), widthEnvelope.get(), c, f, w, both, b,
                                        e);
    });
}

void TUnitWave::FilterBlock(const TBlockFilterProps& props)
{
    BeginCommand();
    BlockFilterProps = props;
    const TBlockFilterProps& p = BlockFilterProps;
    double blockTime = p.BlockTime.GetValue();
    int32_t begin = GetOperationBegin(), end = GetOperationEnd();
    std::shared_ptr<Sound> envelope;
    if (p.TimeEnvelopeOn) {
        if (!(blockTime > 0)) {
            Refuse("The block time must be greater than 0 with an envelope.");
            return;
        }
        if (RefuseShortRange(begin, end) || !TakeEnvelope(p.TimeEnvelope, envelope))
            return;
    } else if (blockTime == 0) {
        Refuse("The block time may not be 0.");
        return;
    }
    RunLengthCommand(begin, end, [&](int32_t& b, int32_t& e) {
        if (envelope)
            return TheSound->BlockFilterEnvelope(&stopFlag, *envelope, blockTime, b, e);
        return TheSound->BlockFilter(&stopFlag, blockTime, b, e);
    });
}

void TUnitWave::PerEcho(const TPerEchoProps& props)
{
    BeginCommand();
    PerEchoProps = props;
    const TPerEchoProps& p = PerEchoProps;
    int32_t begin = GetOperationBegin(), end = GetOperationEnd();
    if (RefuseShortRange(begin, end))
        return;
    double time = p.Time.GetValue();
    if (p.TimeEnvelopeOn && time < 0) {
        Refuse("The echo time may not be negative with a time envelope.");
        return;
    }
    std::shared_ptr<Sound> timeEnvelope, volumeEnvelope;
    if (p.TimeEnvelopeOn && !TakeEnvelope(p.TimeEnvelope, timeEnvelope))
        return;
    if (p.VolumeKind == 1 && !TakeEnvelope(p.VolumeEnvelope, volumeEnvelope))
        return;
    double volume = p.Volume.GetValue();
    int32_t count = p.Count.GetValue();
    RunLengthCommand(begin, end, [&](int32_t& b, int32_t& e) {
        if (timeEnvelope && volumeEnvelope)
            return TheSound->PeriodEchoEnvelopes(&stopFlag, time, *timeEnvelope, *volumeEnvelope, count, b, e);
        if (volumeEnvelope)
            return TheSound->PeriodEchoVolumeEnvelope(&stopFlag, time, *volumeEnvelope, count, b, e);
        if (timeEnvelope)
            return TheSound->PeriodEchoTimeEnvelope(&stopFlag, time, *timeEnvelope, volume, count, b, e);
        return TheSound->PeriodEcho(&stopFlag, time, volume, count, b, e);
    });
}
