#include "wave/Wave.h"
#include "wave/WaveEngineSupport.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <cmath>

namespace {

// What one tempo and pitch change is asked for. With an envelope, speed and
// freq are the factors applied to it; an enveloped form given no envelope reads
// it as 0.
struct Stretch {
    double speed;
    const Wave* speedEnvelope;
    double startPos;
    double lengthFactor;
    double freq;
    bool frequencyEnveloped;
    const Wave* frequencyEnvelope;
    int32_t blockValues;
};

// The read rate inside a block: the constant freq, or the frequency envelope
// times freqFactor stretched over the output. current() is the rate at the
// output sample about to be written; advance() moves to the next one.
class ReadRate {
public:
    ReadRate(const Stretch& st, int32_t n)
        : env(st.frequencyEnvelope), enveloped(st.frequencyEnveloped), factor(st.freq),
          step(env.stepOver(double(n) - 1))
    {
        rate = enveloped ? env.at(0) * factor * EngineOneBy32767 : factor;
    }
    double current() const { return rate; }
    void advance()
    {
        if (!enveloped)
            return;
        q += step;
        rate = env.at(q) * factor * EngineOneBy32767;
    }

private:
    EnvelopeReader env;
    bool enveloped;
    double factor;
    double step;
    double q = 0;
    double rate;
};

// The block starts of a speed envelope: b moves by the envelope times
// speedFactor for each (half) block. The envelope position may run past its
// last sample at the final update; it then reads the last sample.
class BlockStarts {
public:
    BlockStarts(const Stretch& st, double start, int32_t n, int32_t blockValues, double share)
        : env(st.speedEnvelope), b(start), block(blockValues * share), speed(st.speed),
          step(n > 1 ? block * (env.getValues() - 1) / double(n - 1) : 0.0)
    {
    }
    double next()
    {
        b = b + env.at(q) * block * speed * EngineOneBy32767;
        q += step;
        return b;
    }

private:
    EnvelopeReader env;
    double b;
    double block;
    double speed;
    double step;
    double q = 0;
};

// A position wrapped into the range. Positions no sound can reach (a speed of
// 1e300, say) start over at the range's beginning instead of overflowing.
double Wrap(double x, int32_t begin, int32_t end)
{
    if (!(std::fabs(x) < 1e15))
        return begin;
    return WrapIntoWindow(x, begin, end);
}

// The source read anywhere in the Wave, silence below 0 and above the last sample.
struct SourceReader {
    const int16_t* samples;
    int32_t values;
    double operator()(double p) const { return ReadRangeAt(samples, 0, values, p); }
};

// The common frame: n = trunc(R times lengthFactor) new samples in place of the
// range, made by fill(out, from, to); end comes back as begin + n.
template <class MakeFill>
RefPtr<Wave> StretchFrame(StopFlag* stop, const Wave& source, const Stretch& st, int32_t& begin, int32_t& end,
                          MakeFill&& makeFill)
{
    const int32_t values = source.getValues();
    ClampRange(values, begin, end);
    const int32_t R = end - begin;
    const double wanted = R * st.lengthFactor;
    const int64_t n = wanted > 0 ? static_cast<int64_t>(std::min(wanted, 4294967296.0)) : 0;
    const int64_t total = int64_t(values) - R + n;
    if (total > INT32_MAX)
        return NewWaveOfSize(stop, total);
    const int32_t count = static_cast<int32_t>(n);
    RefPtr<Wave> result = ReplaceRange(stop, source, begin, end, count, makeFill(begin, end, count));
    end = begin + count;
    return result;
}

// Method 0: one grain per block with a hard jump at each block start.
template <bool SpeedEnvelope>
RefPtr<Wave> StretchBlocks(StopFlag* stop, const Wave& source, const Stretch& st, int32_t& begin, int32_t& end)
{
    // A block needs at least one sample to restart at all.
    const int32_t blockValues = std::max(st.blockValues, 1);
    return StretchFrame(stop, source, st, begin, end, [&](int32_t b0, int32_t e0, int32_t n) {
        const SourceReader read{source.getData(), source.getValues()};
        const double base = b0 + (e0 - b0) * st.startPos;
        return [=, rate = ReadRate(st, n), starts = BlockStarts(st, base, n, blockValues, 1.0), x = base,
                k = int32_t(0)](int16_t* out, int32_t from, int32_t to) mutable {
            for (int32_t j = from; j < to; ++j) {
                out[j] = ToSampleFast(read(SpeedEnvelope ? Wrap(x, b0, e0) : x));
                x = x + rate.current();
                rate.advance();
                if (++k == blockValues) {
                    const int32_t index = j + 1;
                    x = SpeedEnvelope ? starts.next() : Wrap(base + index * st.speed, b0, e0);
                    k = 0;
                }
            }
        };
    });
}

// Method 1: two grains half a block apart, each faded in and out by a triangle.
template <bool SpeedEnvelope>
RefPtr<Wave> StretchCrossfade(StopFlag* stop, const Wave& source, const Stretch& st, int32_t& begin, int32_t& end)
{
    // One-sample blocks would never restart the first grain (half of 1 is 0).
    const int32_t blockValues = std::max(st.blockValues, 2);
    const int32_t half = blockValues / 2;
    return StretchFrame(stop, source, st, begin, end, [&](int32_t b0, int32_t e0, int32_t n) {
        const SourceReader read{source.getData(), source.getValues()};
        const double start = double(b0) + (e0 - b0) * st.startPos;
        const ReadRate firstRate(st, n);
        const double xB = start + (1 - firstRate.current()) * 0.5 * blockValues;
        return [=, rate = firstRate, starts = BlockStarts(st, start, n, blockValues, 0.5), xA = start, xB = xB,
                k = int32_t(0)](int16_t* out, int32_t from, int32_t to) mutable {
            for (int32_t j = from; j < to; ++j) {
                const double w = std::fabs(double(k) / blockValues * 2 - 1);
                const double a = read(SpeedEnvelope ? Wrap(xA, b0, e0) : xA);
                const double b = read(SpeedEnvelope ? Wrap(xB, b0, e0) : xB);
                const int16_t first = ToSampleFast(a * w);
                out[j] = ToSampleFast(b * (1 - w) + first);
                const double f = rate.current();
                xA = xA + f;
                xB = xB + f;
                rate.advance();
                ++k;
                const int32_t index = j + 1;
                if constexpr (SpeedEnvelope) {
                    if (k == blockValues) {
                        k = 0;
                        xB = starts.next();
                    }
                    if (k == half)
                        xA = starts.next();
                } else {
                    // A grain restarts where its weight is 0, offset so that its
                    // middle lies where the tempo says the output should be.
                    auto restart = [&] {
                        const double latest = rate.current();
                        return Wrap((1 - latest) * 0.5 * blockValues + index * st.speed + b0 +
                                        (e0 - b0) * st.startPos,
                                    b0, e0);
                    };
                    if (k == half)
                        xA = restart();
                    if (k == blockValues) {
                        xB = restart();
                        k = 0;
                    }
                }
            }
        };
    });
}

Stretch Constant(double speed, double startPos, double lengthFactor, double freq, int32_t blockValues)
{
    return {speed, nullptr, startPos, lengthFactor, freq, false, nullptr, blockValues};
}

} // namespace

RefPtr<Wave> Wave::timeStretch(StopFlag* stop, double speed, double startPos, double lengthFactor, double freq,
                               int32_t blockValues) const
{
    int32_t begin = 0;
    int32_t end = values;
    return timeStretchRange(stop, speed, startPos, lengthFactor, freq, blockValues, begin, end);
}

RefPtr<Wave> Wave::timeStretchCrossfade(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                        double freq, int32_t blockValues) const
{
    int32_t begin = 0;
    int32_t end = values;
    return timeStretchRangeCrossfade(stop, speed, startPos, lengthFactor, freq, blockValues, begin, end);
}

RefPtr<Wave> Wave::timeStretchRange(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                    double freq, int32_t blockValues, int32_t& begin, int32_t& end) const
{
    return StretchBlocks<false>(stop, *this, Constant(speed, startPos, lengthFactor, freq, blockValues), begin,
                                end);
}

RefPtr<Wave> Wave::timeStretchRangeCrossfade(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                             double freq, int32_t blockValues, int32_t& begin,
                                             int32_t& end) const
{
    return StretchCrossfade<false>(stop, *this, Constant(speed, startPos, lengthFactor, freq, blockValues), begin,
                                   end);
}

RefPtr<Wave> Wave::timeStretchFreqWave(StopFlag* stop, double speed, double startPos, double lengthFactor,
                                       double freqFactor, const Wave* frequencyEnvelope, int32_t blockValues,
                                       int32_t& begin, int32_t& end) const
{
    const Stretch st{speed, nullptr, startPos, lengthFactor, freqFactor, true, frequencyEnvelope, blockValues};
    return StretchBlocks<false>(stop, *this, st, begin, end);
}

RefPtr<Wave> Wave::timeStretchFreqWaveCrossfade(StopFlag* stop, double speed, double startPos,
                                                double lengthFactor, double freqFactor,
                                                const Wave* frequencyEnvelope, int32_t blockValues,
                                                int32_t& begin, int32_t& end) const
{
    const Stretch st{speed, nullptr, startPos, lengthFactor, freqFactor, true, frequencyEnvelope, blockValues};
    return StretchCrossfade<false>(stop, *this, st, begin, end);
}

RefPtr<Wave> Wave::timeStretchSpeedEnvelope(StopFlag* stop, double speedFactor, const Wave* speedEnvelope,
                                            double startPos, double lengthFactor, double freq,
                                            int32_t blockValues, int32_t& begin, int32_t& end) const
{
    const Stretch st{speedFactor, speedEnvelope, startPos, lengthFactor, freq, false, nullptr, blockValues};
    return StretchBlocks<true>(stop, *this, st, begin, end);
}

RefPtr<Wave> Wave::timeStretchSpeedEnvelopeCrossfade(StopFlag* stop, double speedFactor,
                                                     const Wave* speedEnvelope, double startPos,
                                                     double lengthFactor, double freq, int32_t blockValues,
                                                     int32_t& begin, int32_t& end) const
{
    const Stretch st{speedFactor, speedEnvelope, startPos, lengthFactor, freq, false, nullptr, blockValues};
    return StretchCrossfade<true>(stop, *this, st, begin, end);
}

RefPtr<Wave> Wave::timeStretchSpeedFreq(StopFlag* stop, double speedFactor, const Wave* speedEnvelope,
                                        double startPos, double lengthFactor, double freqFactor,
                                        const Wave* frequencyEnvelope, int32_t blockValues, int32_t& begin,
                                        int32_t& end) const
{
    const Stretch st{speedFactor, speedEnvelope, startPos, lengthFactor, freqFactor, true, frequencyEnvelope,
                     blockValues};
    return StretchBlocks<true>(stop, *this, st, begin, end);
}

RefPtr<Wave> Wave::timeStretchSpeedFreqCrossfade(StopFlag* stop, double speedFactor, const Wave* speedEnvelope,
                                                 double startPos, double lengthFactor, double freqFactor,
                                                 const Wave* frequencyEnvelope, int32_t blockValues,
                                                 int32_t& begin, int32_t& end) const
{
    const Stretch st{speedFactor, speedEnvelope, startPos, lengthFactor, freqFactor, true, frequencyEnvelope,
                     blockValues};
    return StretchCrossfade<true>(stop, *this, st, begin, end);
}
