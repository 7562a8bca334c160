#include "wave/OnePoleFilter.h"
#include "wave/Wave.h"
#include "wave/WaveEngineSupport.h"
#include "wave/WaveFiltersFrequencyCode.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Damping and squared angle per sub-step of the resonator.
struct Oscillator {
    double d;
    double k;
};

Oscillator MakeOscillator(double per, double width, double angle)
{
    width = std::clamp(width, 0.0, 1.0);
    return {std::pow(1 - width, 1 / per), angle / (per * per)};
}

// A period no sub-step can follow is raised to one sample.
double PlayablePeriod(double per)
{
    return per >= 1 ? per : 1.0;
}

constexpr double AngleOf4SubSteps = 2.466;
constexpr double AngleOf20SubSteps = 0.09864;

// The damped oscillator run over the range, SubSteps per sample; oscillator(k)
// gives d and k for sample k. The notch outputs the input minus the resonance.
template <int SubSteps, bool Notch, class Parameters>
RefPtr<Wave> Resonate(StopFlag* stop, const Wave& source, int32_t begin, int32_t end, Parameters& oscillator)
{
    const int16_t* in = source.getData() + begin;
    double velocity = 0;
    double position = 0;
    return ReplaceRange(stop, source, begin, end, end - begin, [&](int16_t* out, int32_t from, int32_t to) {
        // The state lives in registers through the chunk.
        double v = velocity;
        double s = position;
        for (int32_t j = from; j < to; ++j) {
            const Oscillator o = oscillator(j);
            const double x = in[j];
            const double drive = (1 - o.d) * x;
            for (int32_t step = 0; step < SubSteps; ++step) {
                s = v * o.k + s;
                v = v - s;
                s = drive + o.d * s;
            }
            out[j] = ToSampleFast(Notch ? x - s : s);
        }
        velocity = v;
        position = s;
    });
}

struct ConstantOscillator {
    Oscillator o;
    Oscillator operator()(int32_t) const { return o; }
};

// Period and width per sample from their envelopes (or constants); d and k are
// recomputed only when a code changes.
class EnvelopeOscillator {
public:
    // A missing envelope of a kind the operation takes reads as 0.
    EnvelopeOscillator(bool hasFreq, const Wave* frequencyEnvelope, double per, bool hasWidth,
                       const Wave* widthEnvelope, double width, int32_t sampleFreq, int32_t rangeLength,
                       double angle, bool raisePeriod)
        : freqEnv(frequencyEnvelope), widthEnv(widthEnvelope), hasFreq(hasFreq), hasWidth(hasWidth), per(per), width(width), sampleFreq(sampleFreq), angle(angle),
          raisePeriod(raisePeriod), freqStep(freqEnv.stepOver(rangeLength - 1)),
          widthStep(widthEnv.stepOver(rangeLength - 1))
    {
    }

    Oscillator operator()(int32_t)
    {
        const int32_t freqCode = hasFreq ? ShiftedCodeOf(freqEnv.at(qFreq)) : 0;
        const int32_t widthCode = hasWidth ? ShiftedCodeOf(widthEnv.at(qWidth)) : 0;
        qFreq += freqStep;
        qWidth += widthStep;
        if (!known || freqCode != lastFreqCode || widthCode != lastWidthCode) {
            known = true;
            lastFreqCode = freqCode;
            lastWidthCode = widthCode;
            double p = hasFreq ? sampleFreq / FrequencyOfShiftedCode(freqCode) : per;
            if (raisePeriod || !(p > 0))
                p = PlayablePeriod(p);
            const double w = hasWidth ? widthCode * 1.5258789e-5 : width;
            current = MakeOscillator(p, w, angle);
        }
        return current;
    }

private:
    EnvelopeReader freqEnv;
    EnvelopeReader widthEnv;
    bool hasFreq;
    bool hasWidth;
    double per;
    double width;
    double sampleFreq;
    double angle;
    bool raisePeriod;
    double freqStep;
    double widthStep;
    double qFreq = 0;
    double qWidth = 0;
    bool known = false;
    int32_t lastFreqCode = 0;
    int32_t lastWidthCode = 0;
    Oscillator current{0, 0};
};

template <int SubSteps, bool Notch>
RefPtr<Wave> ResonateEnvelopes(StopFlag* stop, const Wave& source, bool hasFreq, const Wave* frequencyEnvelope,
                               double per, bool hasWidth, const Wave* widthEnvelope, double width,
                               int32_t sampleFreq, int32_t begin, int32_t end, double angle, bool raisePeriod)
{
    ClampRange(source.getValues(), begin, end);
    EnvelopeOscillator oscillator(hasFreq, frequencyEnvelope, per, hasWidth, widthEnvelope, width, sampleFreq,
                                  end - begin, angle, raisePeriod);
    return Resonate<SubSteps, Notch>(stop, source, begin, end, oscillator);
}

// samples[begin..end) at integer index i, 0 outside.
inline double RangeSample(const int16_t* samples, int32_t begin, int32_t end, int64_t i)
{
    return (i >= begin && i < end) ? samples[i] : 0.0;
}

} // namespace

RefPtr<Wave> Wave::lowPass(StopFlag* stop, double time, double factor, int32_t countBer, int32_t countCmd,
                           int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    ConstantFeedback feedback{OnePoleFeedback(GainPerPass(factor, countBer), time)};
    return OnePolePasses<false>(stop, *this, begin, end, countCmd, feedback);
}

RefPtr<Wave> Wave::highPass(StopFlag* stop, double time, double factor, int32_t countBer, int32_t countCmd,
                            int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    ConstantFeedback feedback{OnePoleFeedback(GainPerPass(factor, countBer), time)};
    return OnePolePasses<true>(stop, *this, begin, end, countCmd, feedback);
}

RefPtr<Wave> Wave::lowPassEnvelope(StopFlag* stop, const Wave* frequencyEnvelope, double factor,
                                   int32_t countBer, int32_t countCmd, int32_t sampleFreq, int32_t begin,
                                   int32_t end) const
{
    ClampRange(values, begin, end);
    EnvelopeFeedback feedback(frequencyEnvelope, GainPerPass(factor, countBer), end - begin, sampleFreq);
    return OnePolePasses<false>(stop, *this, begin, end, countCmd, feedback);
}

RefPtr<Wave> Wave::highPassEnvelope(StopFlag* stop, const Wave* frequencyEnvelope, double factor,
                                    int32_t countBer, int32_t countCmd, int32_t sampleFreq, int32_t begin,
                                    int32_t end) const
{
    ClampRange(values, begin, end);
    EnvelopeFeedback feedback(frequencyEnvelope, GainPerPass(factor, countBer), end - begin, sampleFreq);
    return OnePolePasses<true>(stop, *this, begin, end, countCmd, feedback);
}

RefPtr<Wave> Wave::resonance(StopFlag* stop, double per, double width, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    ConstantOscillator oscillator{MakeOscillator(PlayablePeriod(per), width, AngleOf4SubSteps)};
    return Resonate<4, false>(stop, *this, begin, end, oscillator);
}

RefPtr<Wave> Wave::notch(StopFlag* stop, double per, double width, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    ConstantOscillator oscillator{MakeOscillator(PlayablePeriod(per), width, AngleOf4SubSteps)};
    return Resonate<4, true>(stop, *this, begin, end, oscillator);
}

RefPtr<Wave> Wave::resonanceFreqEnvelope(StopFlag* stop, const Wave* frequencyEnvelope, double width,
                                         int32_t sampleFreq, int32_t begin, int32_t end) const
{
    // Twenty finer sub-steps keep high frequencies stable without raising the period.
    return ResonateEnvelopes<20, false>(stop, *this, true, frequencyEnvelope, 0, false, nullptr, width, sampleFreq,
                                        begin, end, AngleOf20SubSteps, false);
}

RefPtr<Wave> Wave::resonanceWidthEnvelope(StopFlag* stop, double per, const Wave* widthEnvelope, int32_t begin,
                                          int32_t end) const
{
    return ResonateEnvelopes<4, false>(stop, *this, false, nullptr, per, true, widthEnvelope, 0, 0, begin, end,
                                       AngleOf4SubSteps, true);
}

RefPtr<Wave> Wave::resonanceEnvelopes(StopFlag* stop, const Wave* frequencyEnvelope, const Wave* widthEnvelope,
                                      int32_t sampleFreq, int32_t begin, int32_t end) const
{
    return ResonateEnvelopes<4, false>(stop, *this, true, frequencyEnvelope, 0, true, widthEnvelope, 0,
                                       sampleFreq, begin, end, AngleOf4SubSteps, true);
}

RefPtr<Wave> Wave::notchFreqEnvelope(StopFlag* stop, const Wave* frequencyEnvelope, double width,
                                     int32_t sampleFreq, int32_t begin, int32_t end) const
{
    return ResonateEnvelopes<4, true>(stop, *this, true, frequencyEnvelope, 0, false, nullptr, width, sampleFreq,
                                      begin, end, AngleOf4SubSteps, true);
}

RefPtr<Wave> Wave::notchWidthEnvelope(StopFlag* stop, double per, const Wave* widthEnvelope, int32_t begin,
                                      int32_t end) const
{
    return ResonateEnvelopes<4, true>(stop, *this, false, nullptr, per, true, widthEnvelope, 0, 0, begin, end,
                                      AngleOf4SubSteps, true);
}

RefPtr<Wave> Wave::notchEnvelopes(StopFlag* stop, const Wave* frequencyEnvelope, const Wave* widthEnvelope,
                                  int32_t sampleFreq, int32_t begin, int32_t end) const
{
    return ResonateEnvelopes<4, true>(stop, *this, true, frequencyEnvelope, 0, true, widthEnvelope, 0,
                                      sampleFreq, begin, end, AngleOf4SubSteps, true);
}

RefPtr<Wave> Wave::blockFilter(StopFlag* stop, double block, int32_t& begin, int32_t& end) const
{
    ClampRange(values, begin, end);
    if (!(block == block))
        block = 0;
    const int64_t M = std::llabs(int64_t(ToInt32(block))) + 1;
    const int64_t n = int64_t(end - begin) + M;
    if (int64_t(values) + M > INT32_MAX)
        return NewWaveOfSize(stop, int64_t(values) + M);
    const int16_t* in = data.get();
    const int32_t rangeBegin = begin;
    const int32_t rangeEnd = end;
    // A block of 0 has no window to average: each sample stands for itself, as
    // the enveloped filter does for blocks of at most one sample.
    const bool single = block == 0;
    int64_t i = block > 0 ? rangeBegin - M : rangeBegin;
    double sum = 0;
    RefPtr<Wave> result = ReplaceRange(
        stop, *this, begin, end, static_cast<int32_t>(n), [&](int16_t* out, int32_t from, int32_t to) {
            for (int32_t j = from; j < to; ++j, ++i) {
                if (single) {
                    sum = RangeSample(in, rangeBegin, rangeEnd, i);
                } else {
                    sum = sum + ReadRangeAt(in, rangeBegin, rangeEnd, double(i) + block) / block;
                    sum = sum - RangeSample(in, rangeBegin, rangeEnd, i) / block;
                }
                out[j] = ToSampleFast(sum * 0.5);
            }
        });
    end = rangeEnd + static_cast<int32_t>(M);
    return result;
}

RefPtr<Wave> Wave::blockFilterEnvelope(StopFlag* stop, double maxBlock, const Wave* blockEnvelope, int32_t& begin,
                                       int32_t& end) const
{
    ClampRange(values, begin, end);
    if (!(maxBlock == maxBlock))
        maxBlock = 0;
    const int64_t K = std::clamp<int64_t>(ToInt32(std::fabs(maxBlock) + 1), 0, INT32_MAX);
    const int64_t n = int64_t(end - begin) + 2 * K;
    if (int64_t(values) + 2 * K > INT32_MAX)
        return NewWaveOfSize(stop, int64_t(values) + 2 * K);
    const int16_t* in = data.get();
    const int32_t rangeBegin = begin;
    const int32_t rangeEnd = end;
    const EnvelopeReader env(blockEnvelope);
    const double step = env.stepOver(rangeEnd - rangeBegin - 1);
    // The window starts K before the range, like the constant block filter's,
    // so that a block of one sample or less leaves the range where it was
    // delayed by K, with nothing lost at its end.
    int64_t i = rangeBegin - K;
    double q = 0;
    double sum = 0;
    RefPtr<Wave> result = ReplaceRange(
        stop, *this, begin, end, static_cast<int32_t>(n), [&](int16_t* out, int32_t from, int32_t to) {
            for (int32_t j = from; j < to; ++j, ++i) {
                const double B = env.at(q) * maxBlock * EngineOneBy32767;
                q += step;
                if (B >= -1 && B <= 1) {
                    sum = RangeSample(in, rangeBegin, rangeEnd, i);
                } else {
                    sum = sum + ReadRangeAt(in, rangeBegin, rangeEnd, double(i) + B) / B;
                    sum = sum - RangeSample(in, rangeBegin, rangeEnd, i) / B;
                }
                out[j] = ToSampleFast(sum * 0.5);
            }
        });
    end = rangeEnd + static_cast<int32_t>(2 * K);
    return result;
}
