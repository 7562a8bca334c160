#include "wave/Wave.h"
#include "wave/WaveEngineSupport.h"
#include "wave/WaveFiltersFrequencyCode.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// trunc(x) held to a span no Wave can exceed, so products with a count stay in 64 bits.
int64_t WholePart(double x)
{
    if (!(x == x))
        return 0;
    return static_cast<int64_t>(std::clamp(x, -2147483648.0, 2147483648.0));
}

// The echoes of one operation: a constant time or diffTime scaled by a time
// envelope, a constant volume or one from a volume envelope.
template <bool TimeEnvelope, bool VolumeEnvelope>
RefPtr<Wave> PeriodEchoes(StopFlag* stop, const Wave& source, double time, const Wave* timeEnvelope, double volume,
                          const Wave* volumeEnvelope, int32_t count, int32_t& begin, int32_t& end)
{
    const int32_t values = source.getValues();
    ClampRange(values, begin, end);
    // A count below 1 adds nothing, so it needs no room either.
    count = std::max(count, 0);
    int64_t newBegin = begin;
    int64_t newEnd = end;
    if (TimeEnvelope) {
        // The envelope can delay both ways; a negative diffTime only flips its sign.
        const int64_t grow = WholePart(std::fabs(time) + 1) * count;
        newEnd = end + grow;
        newBegin = begin - grow;
    } else {
        if (time > 0)
            newEnd = end + WholePart(time + 1) * count;
        if (time < 0)
            newBegin = begin + WholePart(time - 1) * count;
    }
    const int64_t growLeft = newBegin < 0 ? -newBegin : 0;
    const int64_t growRight = std::max<int64_t>(newEnd - values, 0);
    RefPtr<Wave> result = NewWaveOfSize(stop, growLeft + values + growRight);
    if (!result)
        return result;
    const int32_t left = static_cast<int32_t>(growLeft);
    result->zeroRange(stop, 0, left);
    result->copyRange(stop, source, 0, values, left);
    result->zeroRange(stop, left + values, result->getValues());

    const int16_t* in = source.getData();
    int16_t* out = result->getData() + left;
    const EnvelopeReader timeEnv(timeEnvelope);
    const EnvelopeReader volumeEnv(volumeEnvelope);
    const int32_t n = static_cast<int32_t>(newEnd - newBegin);
    const double timeStep = timeEnv.stepOver(n - 1);
    const double volumeStep = volumeEnv.stepOver(n - 1);
    const int32_t first = static_cast<int32_t>(newBegin);
    const int32_t rangeBegin = begin;
    const int32_t rangeEnd = end;
    // Echoes read this Wave only, so a chunk can take its echoes one after the
    // other before the next chunk starts: each sample still gets them in the
    // order 1..count, and the envelopes are read once per sample, not per echo.
    double qTime = 0;
    double qVolume = 0;
    if (count > 0) {
        ForEachChunk(stop, n, [&](int32_t from, int32_t to) {
            double e1[WaveChunk];
            double e2[WaveChunk];
            for (int32_t k = from; k < to; ++k) {
                if constexpr (TimeEnvelope) {
                    e1[k - from] = timeEnv.at(qTime);
                    qTime += timeStep;
                }
                if constexpr (VolumeEnvelope) {
                    e2[k - from] = volumeEnv.at(qVolume) * EngineOneBy32767;
                    qVolume += volumeStep;
                }
            }
            double runningVolume = 1;
            for (int32_t i = 1; i <= count; ++i) {
                runningVolume *= volume;
                const double shift = i * time;
                // An echo that reads nothing of the range in this chunk adds
                // nothing: many echoes of a short range reach few chunks.
                if constexpr (!TimeEnvelope)
                    if (first + from - shift > rangeEnd - 1 || first + to - 1 - shift < rangeBegin)
                        continue;
                for (int32_t k = from; k < to; ++k) {
                    const int32_t s = first + k;
                    double p;
                    if constexpr (TimeEnvelope)
                        p = s - shift * e1[k - from] * EngineOneBy32767;
                    else
                        p = s - shift;
                    double v;
                    if constexpr (VolumeEnvelope) {
                        // pow(x, 1) is x exactly; the first echo needs no call.
                        v = i == 1 ? e2[k - from] : std::pow(e2[k - from], i);
                    } else {
                        v = runningVolume;
                    }
                    out[s] = ToSampleFast(ReadRangeAt(in, rangeBegin, rangeEnd, p) * v + out[s]);
                }
            }
        });
    }
    begin = static_cast<int32_t>(newBegin + growLeft);
    end = static_cast<int32_t>(newEnd + growLeft);
    return result;
}

// Code of the cutoff at one corner frequency: that of the frequency nearest at
// or above it whose period is a whole number of samples.
int16_t CornerCode(int32_t sampleFreq, int32_t corner)
{
    const int32_t q = sampleFreq / corner;
    // No whole period fits: the corner lies above what the rate can carry, and
    // the top of the scale is what the formula tends to.
    if (q == 0)
        return 32767;
    const double F = static_cast<double>(sampleFreq) / q;
    const double code = std::log10(F * 0.05) * 21845 - 32768;
    return ToSampleFast(std::clamp(code, -32768.0, 32767.0));
}

// 1/3400 s: 0.2 m more path at 340 m/s is 2/3400 s.
constexpr double SecondsPerPathStep = 0.00029411764705882356;

// One channel of a source in a constant direction: the ear away from the
// source hears it later, the ear towards it gets as many zeros at the end.
RefPtr<Wave> TimeDifference(StopFlag* stop, const Wave& source, double direction, double factor,
                            int32_t sampleFreq)
{
    const int32_t values = source.getValues();
    const int16_t* in = source.getData();
    const double maxDelay = sampleFreq * SecondsPerPathStep * 2;
    const double d = std::sin(direction * WavePi * 0.5) * maxDelay;
    if (d >= 0) {
        RefPtr<Wave> result = NewWaveOfSize(stop, WholePart(1 + d + values));
        if (!result)
            return result;
        int16_t* out = result->getData();
        ForEachChunk(stop, result->getValues(), [&](int32_t from, int32_t to) {
            for (int32_t k = from; k < to; ++k)
                out[k] = ToSampleFast(ReadRangeAt(in, 0, values, k - d) * factor);
        });
        return result;
    }
    const int64_t tail = WholePart(-d + 1);
    RefPtr<Wave> result = NewWaveOfSize(stop, values + tail);
    if (!result)
        return result;
    int16_t* out = result->getData();
    ForEachChunk(stop, values, [&](int32_t from, int32_t to) {
        for (int32_t k = from; k < to; ++k)
            out[k] = ToSampleFast(in[k] * factor);
    });
    result->zeroRange(stop, values, result->getValues());
    return result;
}

// One channel of a source following a direction envelope: both channels are
// delayed by M, one more and the other less as the direction turns.
RefPtr<Wave> EnvelopeTimeDifference(StopFlag* stop, const Wave& source, const Wave& directions, int32_t side,
                                    int32_t sampleFreq)
{
    const int32_t values = source.getValues();
    const int16_t* in = source.getData();
    const double m = sampleFreq * SecondsPerPathStep;
    const int64_t M = std::max<int64_t>(WholePart(m + 1), 0);
    const double sign = side == 1 ? -1 : 1;
    RefPtr<Wave> result = NewWaveOfSize(stop, values + 2 * M);
    if (!result)
        return result;
    const EnvelopeReader env(&directions);
    const double step = env.stepOver(double(result->getValues()) - 1);
    int16_t* out = result->getData();
    double q = 0;
    ForEachChunk(stop, result->getValues(), [&](int32_t from, int32_t to) {
        for (int32_t k = from; k < to; ++k) {
            const double p = double(k - M) - m * sign * env.at(q) * EngineOneBy32767;
            out[k] = ToSampleFast(ReadRangeAt(in, 0, values, p));
            q += step;
        }
    });
    return result;
}

// fill(out, from, to) over a new Wave of n samples.
template <class Fill>
RefPtr<Wave> MakeWave(StopFlag* stop, int32_t n, Fill&& fill)
{
    RefPtr<Wave> result = NewWave(stop, n);
    if (!result)
        return result;
    int16_t* out = result->getData();
    ForEachChunk(stop, n, [&](int32_t from, int32_t to) { fill(out, from, to); });
    return result;
}

} // namespace

RefPtr<Wave> Wave::periodEcho(StopFlag* stop, double time, double volume, int32_t count, int32_t& begin,
                              int32_t& end) const
{
    return PeriodEchoes<false, false>(stop, *this, time, nullptr, volume, nullptr, count, begin, end);
}

RefPtr<Wave> Wave::periodEchoTimeEnvelope(StopFlag* stop, double diffTime, const Wave* timeEnvelope, double volume,
                                          int32_t count, int32_t& begin, int32_t& end) const
{
    return PeriodEchoes<true, false>(stop, *this, diffTime, timeEnvelope, volume, nullptr, count, begin, end);
}

RefPtr<Wave> Wave::periodEchoVolumeEnvelope(StopFlag* stop, double time, const Wave* volumeEnvelope, int32_t count,
                                            int32_t& begin, int32_t& end) const
{
    return PeriodEchoes<false, true>(stop, *this, time, nullptr, 0, volumeEnvelope, count, begin, end);
}

RefPtr<Wave> Wave::periodEchoEnvelopes(StopFlag* stop, double diffTime, const Wave* timeEnvelope,
                                       const Wave* volumeEnvelope, int32_t count, int32_t& begin,
                                       int32_t& end) const
{
    return PeriodEchoes<true, true>(stop, *this, diffTime, timeEnvelope, 0, volumeEnvelope, count, begin, end);
}

void Wave::makeCutoffCurve(StopFlag* stop, RefPtr<Wave>& wave, int32_t sampleFreq)
{
    if (!wave || wave->values != 150 || !detach(stop, wave))
        return;
    static constexpr std::array<int32_t, 5> corners = {20000, 3500, 2500, 1000, 350};
    // Segment starts; each segment ends where the next one starts.
    static constexpr std::array<int32_t, 5> starts = {0, 59, 75, 90, 149};
    std::array<int16_t, 5> codes{};
    for (size_t c = 0; c < corners.size(); ++c)
        codes[c] = CornerCode(sampleFreq, corners[c]);
    for (size_t c = 0; c + 1 < corners.size(); ++c)
        drawSegment(stop, wave, starts[c], codes[c], starts[c + 1], codes[c + 1]);
    if (!IsStopped(stop))
        wave->data[149] = codes[4];
}

RefPtr<Wave> Wave::balFilter(StopFlag* stop, double direction, int32_t sampleFreq) const
{
    RefPtr<Wave> curve = NewWave(stop, 150);
    makeCutoffCurve(stop, curve, sampleFreq);
    if (!curve || IsStopped(stop))
        return {};
    // Directions beyond -1..1 read the ends of the curve.
    const int16_t code = ToSampleFast(EnvelopeReader(curve.get()).at((direction * 0.5 + 0.5) * 149));
    const double f = FrequencyOfShiftedCode(code + 32768);
    const double time = sampleFreq / f;
    return lowPass(stop, time, 0.4, 1, 1, 0, values);
}

RefPtr<Wave> Wave::balance(StopFlag* stop, double direction, int32_t side, bool timeDifference,
                           bool volumeDifference, bool filterDifference, int32_t sampleFreq) const
{
    if (side == 1)
        direction = -direction;
    const double factor = volumeDifference ? (1 - direction) * 0.5 : 1.0;
    if (!timeDifference) {
        if (volumeDifference)
            return multiplyVolume(stop, factor, 0, values);
        if (filterDifference)
            return balFilter(stop, direction, sampleFreq);
        return NewWaveCopy(stop, this);
    }
    // The volume difference wins when both are asked for.
    if (!volumeDifference && filterDifference) {
        RefPtr<Wave> filtered = balFilter(stop, direction, sampleFreq);
        if (!filtered || IsStopped(stop))
            return {};
        return TimeDifference(stop, *filtered, direction, factor, sampleFreq);
    }
    return TimeDifference(stop, *this, direction, factor, sampleFreq);
}

RefPtr<Wave> Wave::balanceEnvelope(StopFlag* stop, const Wave* directionEnvelope, int32_t side,
                                   bool timeDifference, bool volumeDifference, bool filterDifference,
                                   int32_t sampleFreq) const
{
    if (!timeDifference && !volumeDifference && !filterDifference)
        return NewWaveCopy(stop, this);
    // No directions at all: the source stays in the middle.
    RefPtr<Wave> middle;
    if (directionEnvelope == nullptr || directionEnvelope->values == 0) {
        middle = MakeWave(stop, 1, [](int16_t* out, int32_t, int32_t) { out[0] = 0; });
        if (!middle)
            return {};
        directionEnvelope = middle.get();
    }
    const Wave& D = *directionEnvelope;
    const int16_t* dir = D.data.get();

    RefPtr<Wave> stage;
    if (volumeDifference) {
        const double sign = side == 1 ? 0.5 : -0.5;
        RefPtr<Wave> sideEnvelope = MakeWave(stop, D.values, [&](int16_t* out, int32_t from, int32_t to) {
            for (int32_t k = from; k < to; ++k)
                out[k] = ToSampleFast(dir[k] * sign + 16383);
        });
        if (!sideEnvelope)
            return {};
        stage = applyEnvelope(stop, sideEnvelope.get(), 0, values);
    } else if (filterDifference) {
        RefPtr<Wave> negated;
        const Wave* directions = &D;
        if (side == 1) {
            // Negated like multiplyVolume by -1, but hard left (-32768) turns
            // into hard right instead of wrapping back onto itself.
            negated = MakeWave(stop, D.values, [&](int16_t* out, int32_t from, int32_t to) {
                for (int32_t k = from; k < to; ++k)
                    out[k] = dir[k] == -32768 ? int16_t(32767) : ToSampleFast(dir[k] * -1.0);
            });
            if (!negated)
                return {};
            directions = negated.get();
        }
        RefPtr<Wave> curve = NewWave(stop, 150);
        makeCutoffCurve(stop, curve, sampleFreq);
        if (!curve || IsStopped(stop))
            return {};
        RefPtr<Wave> codes = directions->distort(stop, curve.get(), 0, directions->values);
        if (!codes || IsStopped(stop))
            return {};
        stage = lowPassEnvelope(stop, codes.get(), 0.4, 1, 1, sampleFreq, 0, values);
    }
    if (IsStopped(stop))
        return {};
    if (!timeDifference)
        return stage;
    return EnvelopeTimeDifference(stop, stage ? *stage : *this, D, side, sampleFreq);
}
