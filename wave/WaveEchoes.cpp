#include "wave/OnePoleFilter.h"
#include "wave/Wave.h"
#include "wave/WaveEngineSupport.h"
#include "wave/WaveFiltersFrequencyCode.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>
#include <utility>

namespace {

// trunc(x) held to a span no Wave can exceed, so products with a count stay in 64 bits.
int64_t WholePart(double x)
{
    if (!(x == x))
        return 0;
    return static_cast<int64_t>(std::clamp(x, -2147483648.0, 2147483648.0));
}

// The largest volume an envelope sample gives an echo: -32768 / 32767.
constexpr double EnvelopeVolumeBound = 32768.0 / 32767.0;

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
                // Many echoes make a long chunk: a stop need not wait for its end.
                if (i % WaveChunk == 0 && IsStopped(stop))
                    return;
                runningVolume *= volume;
                const double shift = i * time;
                // An echo that reads nothing of the range in this chunk adds
                // nothing: many echoes of a short range reach few chunks. Only
                // with a finite volume, though: an infinite or NaN one turns the
                // silence it reads into NaN, which writes 0.
                if constexpr (!TimeEnvelope) {
                    const bool finite = VolumeEnvelope ? std::isfinite(std::pow(EnvelopeVolumeBound, i))
                                                       : std::isfinite(runningVolume);
                    if (finite && (first + from - shift > rangeEnd - 1 || first + to - 1 - shift < rangeBegin))
                        continue;
                }
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

// The samples of the source as the time differences read them: at(i) for
// 0 <= i < values, asked for in a window that moves forward.
struct PlainSamples {
    const int16_t* samples;
    int16_t operator()(int32_t i) const { return samples[i]; }
};

// samples 0..values-1 read at p with linear interpolation, 0 outside: ReadRangeAt
// over a reader.
template <class At>
double ReadAt(At& at, int32_t values, double p)
{
    if (!(p >= 0 && p <= values - 1))
        return 0;
    const int32_t i = static_cast<int32_t>(p);
    const double f = p - i;
    if (f == 0)
        return at(i);
    return (1 - f) * at(i) + f * at(i + 1);
}

// A stage of the balance (the filtered or enveloped source) made sample by
// sample by make(k), in order, and read close behind where it is made: a ring
// of the last samples holds it instead of a Wave of its own, so the balance
// needs no memory but its result. Reads reach at most `keep` samples back.
template <class Make>
class StreamedStage {
public:
    StreamedStage(const RefPtr<Wave>& ring, Make make)
        : ring(ring->getData()), mask(static_cast<uint32_t>(ring->getValues()) - 1), make(std::move(make))
    {
    }
    int16_t operator()(int32_t i)
    {
        while (made <= i) {
            ring[static_cast<uint32_t>(made) & mask] = make(made);
            ++made;
        }
        return ring[static_cast<uint32_t>(i) & mask];
    }

private:
    int16_t* ring;
    uint32_t mask;
    Make make;
    int32_t made = 0;
};

// The ring of a streamed stage: a power of two above keep, no larger than the
// stage needs. No Wave when it cannot be had (the flag is then set).
RefPtr<Wave> StageRing(StopFlag* stop, int64_t keep, int32_t values)
{
    int32_t size = 4;
    while (size < keep + 4 && size <= values)
        size *= 2;
    return NewWave(stop, size);
}

// Sample k of one pass of a one-pole low pass over in, feedback(k) giving a:
// the filter of Wave::lowPass and Wave::lowPassEnvelope, one sample at a time.
template <class Feedback>
struct LowPassStage {
    const int16_t* in;
    Feedback feedback;
    double y = 0;
    int16_t operator()(int32_t k)
    {
        const double a = feedback(k);
        const double b = 1 - a;
        const double x = in[k];
        y = b * x + a * y;
        return ToSampleInRange(y);
    }
};

// Sample k of in times an envelope stretched over it: Wave::applyEnvelope,
// one sample at a time.
template <class Reader>
struct EnvelopeStage {
    const int16_t* in;
    Reader env;
    double step;
    double q = 0;
    int16_t operator()(int32_t k)
    {
        const int16_t sample = ToSampleFast(env.at(q) * in[k] * EngineOneBy32767);
        q += step;
        return sample;
    }
};

// One channel of a source in a constant direction: the ear away from the
// source hears it later, the ear towards it gets as many zeros at the end.
// at(i) gives sample i of the source (of values samples), in order.
template <class At>
RefPtr<Wave> TimeDifference(StopFlag* stop, int32_t values, At at, double direction, double factor,
                            int32_t sampleFreq)
{
    const double maxDelay = sampleFreq * SecondsPerPathStep * 2;
    const double d = std::sin(direction * WavePi * 0.5) * maxDelay;
    if (d >= 0) {
        RefPtr<Wave> result = NewWaveOfSize(stop, WholePart(1 + d + values));
        if (!result)
            return result;
        int16_t* out = result->getData();
        ForEachChunk(stop, result->getValues(), [&](int32_t from, int32_t to) {
            for (int32_t k = from; k < to; ++k)
                out[k] = ToSampleFast(ReadAt(at, values, k - d) * factor);
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
            out[k] = ToSampleFast(at(k) * factor);
    });
    result->zeroRange(stop, values, result->getValues());
    return result;
}

// The direction envelope's delay in samples at full turn.
double EnvelopeDelay(int32_t sampleFreq)
{
    return sampleFreq * SecondsPerPathStep;
}

// How far back from the newest sample the envelope time difference reads: the
// delay may swing by its whole size (a hair more) either way around M.
int64_t EnvelopeDelayReach(int32_t sampleFreq)
{
    return 2 * WholePart(std::fabs(EnvelopeDelay(sampleFreq)) * 1.0001 + 2) + 8;
}

// One channel of a source following a direction envelope: both channels are
// delayed by M, one more and the other less as the direction turns. at(i)
// gives sample i of the source (of values samples).
template <class At>
RefPtr<Wave> EnvelopeTimeDifference(StopFlag* stop, int32_t values, At at, const Wave& directions, int32_t side,
                                    int32_t sampleFreq)
{
    const double m = EnvelopeDelay(sampleFreq);
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
            out[k] = ToSampleFast(ReadAt(at, values, p));
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

namespace {

// The cutoff period (in samples) of the far ear's low pass for a source in
// `direction`. False when the curve could not be made (the flag is then set).
bool BalanceCutoffTime(StopFlag* stop, double direction, int32_t sampleFreq, double& time)
{
    RefPtr<Wave> curve = NewWave(stop, 150);
    Wave::makeCutoffCurve(stop, curve, sampleFreq);
    if (!curve || IsStopped(stop))
        return false;
    // Directions beyond -1..1 read the ends of the curve.
    const int16_t code = ToSampleFast(EnvelopeReader(curve.get()).at((direction * 0.5 + 0.5) * 149));
    const double f = FrequencyOfShiftedCode(code + 32768);
    time = sampleFreq / f;
    return true;
}

// The balance's low pass: one pass at a gain of 0.4.
constexpr double BalanceGain = 0.4;

} // namespace

RefPtr<Wave> Wave::balFilter(StopFlag* stop, double direction, int32_t sampleFreq) const
{
    double time = 0;
    if (!BalanceCutoffTime(stop, direction, sampleFreq, time))
        return {};
    return lowPass(stop, time, BalanceGain, 1, 1, 0, values);
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
        // The filtered source is made as the time difference reads it.
        double time = 0;
        if (!BalanceCutoffTime(stop, direction, sampleFreq, time))
            return {};
        const RefPtr<Wave> ring = StageRing(stop, 2, values);
        if (!ring)
            return {};
        const ConstantFeedback feedback{OnePoleFeedback(GainPerPass(BalanceGain, 1), time)};
        return TimeDifference(stop, values, StreamedStage(ring, LowPassStage<ConstantFeedback>{data.get(), feedback}),
                              direction, factor, sampleFreq);
    }
    return TimeDifference(stop, values, PlainSamples{data.get()}, direction, factor, sampleFreq);
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
    const int16_t* in = data.get();
    // The volume or filter stage, and the envelopes it reads, are made sample
    // by sample as they are read: with a time difference a little behind
    // where it reads them, so nothing but the result takes memory.
    auto staged = [&](auto stage) -> RefPtr<Wave> {
        if (!timeDifference) {
            RefPtr<Wave> result = ReplaceRange(stop, *this, 0, values, values, [&](int16_t* out, int32_t from, int32_t to) {
                for (int32_t k = from; k < to; ++k)
                    out[k] = stage(k);
            });
            return IsStopped(stop) ? RefPtr<Wave>() : result;
        }
        const RefPtr<Wave> ring = StageRing(stop, EnvelopeDelayReach(sampleFreq), values);
        if (!ring)
            return {};
        return EnvelopeTimeDifference(stop, values, StreamedStage(ring, std::move(stage)), D, side, sampleFreq);
    };
    // The stage reads an envelope derived from the directions sample by
    // sample, map(direction). One much shorter than the sound is made as a
    // Wave, since each of its samples is read many times; a long one is mapped
    // as it is read instead of taking memory.
    auto withEnvelope = [&](auto map, auto use) -> RefPtr<Wave> {
        if (int64_t(D.values) * 8 > values)
            return use(EnvelopeReaderOf<decltype(map)>(&D, map));
        const int16_t* dir = D.data.get();
        const RefPtr<Wave> made = MakeWave(stop, D.values, [&](int16_t* out, int32_t from, int32_t to) {
            for (int32_t k = from; k < to; ++k)
                out[k] = map(dir[k]);
        });
        if (!made || IsStopped(stop))
            return {};
        return use(EnvelopeReader(made.get()));
    };

    if (volumeDifference) {
        // Each channel's volume envelope from the directions.
        const double sign = side == 1 ? 0.5 : -0.5;
        const auto volume = [sign](int16_t direction) { return ToSampleFast(direction * sign + 16383); };
        return withEnvelope(volume, [&](const auto& env) {
            return staged(EnvelopeStage<std::decay_t<decltype(env)>>{in, env, env.stepOver(values - 1)});
        });
    }
    if (filterDifference) {
        RefPtr<Wave> curve = NewWave(stop, 150);
        makeCutoffCurve(stop, curve, sampleFreq);
        if (!curve || IsStopped(stop))
            return {};
        // The cutoff codes: the directions (negated for the right ear, hard left
        // turning into hard right instead of wrapping back onto itself) mapped
        // through the curve as distort maps them.
        const int16_t* c = curve->data.get();
        const int32_t last = curve->values - 1;
        const auto code = [side, c, last](int16_t direction) {
            if (side == 1)
                direction = direction == -32768 ? int16_t(32767) : ToSampleFast(direction * -1.0);
            const double u = direction * EngineOneBy65535 + 0.5;
            return ToSampleFast(ReadInterpolated(c, last, u * last));
        };
        return withEnvelope(code, [&](const auto& codes) {
            EnvelopeFeedbackOf<std::decay_t<decltype(codes)>> feedback(codes, GainPerPass(BalanceGain, 1), values,
                                                                      sampleFreq);
            feedback.restart();
            return staged(LowPassStage<decltype(feedback)>{in, feedback});
        });
    }
    if (IsStopped(stop))
        return {};
    return EnvelopeTimeDifference(stop, values, PlainSamples{in}, D, side, sampleFreq);
}
