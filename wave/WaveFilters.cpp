#include "wave/Wave.h"
#include "wave/WaveEngineSupport.h"
#include "wave/WaveFiltersFrequencyCode.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Feedback of one pole for the gain p per pass at a cutoff of `time` samples.
// Held to 0..1 so that no setting can make the filter diverge; a cutoff too high
// for the formula (a below 0) passes the input through.
double OnePoleFeedback(double p, double time)
{
    const double a = 1 - WaveTwoPi * p / (std::sqrt(1 - p * p) * time);
    if (!(a >= 0))
        return 0;
    return std::min(a, 1.0);
}

double GainPerPass(double factor, int32_t countBer)
{
    return std::pow(factor, 1.0 / std::max(countBer, 1));
}

// Runs G passes of a one-pole low pass (or its high-pass complement) over
// input[from..to) into out, interleaved: sample k goes through pass 1, its
// sample through pass 2, and so on, so the G feedback chains are independent
// work for the processor instead of one chain after the other. Each pass keeps
// its state y[g] from chunk to chunk; feedback(k) gives a for sample k, the
// same for every pass. A pass of a 16-bit input stays inside the samples'
// range (x - y for the high pass inside twice that), so each pass's output
// is converted without the general path.
template <int G, bool High, class Feedback>
void OnePoleGroup(const int16_t* input, int16_t* out, int32_t from, int32_t to, Feedback& feedback, double* y)
{
    double state[G];
    for (int g = 0; g < G; ++g)
        state[g] = y[g];
    for (int32_t k = from; k < to; ++k) {
        const double a = feedback(k);
        const double b = 1 - a;
        double x = input[k];
        int16_t sample = 0;
        for (int g = 0; g < G; ++g) {
            state[g] = b * x + a * state[g];
            sample = ToSampleInRange(High ? x - state[g] : state[g]);
            x = sample;
        }
        out[k] = sample;
    }
    for (int g = 0; g < G; ++g)
        y[g] = state[g];
}

// Passes run at most this many at a time.
constexpr int32_t PassGroup = 4;

template <bool High, class Feedback>
void OnePoleGroupOf(int32_t passes, const int16_t* input, int16_t* out, int32_t from, int32_t to, Feedback& feedback,
                    double* y)
{
    switch (passes) {
    case 1:
        OnePoleGroup<1, High>(input, out, from, to, feedback, y);
        break;
    case 2:
        OnePoleGroup<2, High>(input, out, from, to, feedback, y);
        break;
    case 3:
        OnePoleGroup<3, High>(input, out, from, to, feedback, y);
        break;
    default:
        OnePoleGroup<PassGroup, High>(input, out, from, to, feedback, y);
        break;
    }
}

// countCmd passes of a one-pole low pass (or its high-pass complement) over
// the range; the first reads this Wave, the others the previous pass. Every
// pass starts from a state of 0 and restarts feedback, which gives a for
// sample k of the range. The passes run in groups of up to PassGroup, each
// group over the whole range, chunk by chunk.
template <bool High, class Feedback>
RefPtr<Wave> OnePolePasses(StopFlag* stop, const Wave& source, int32_t begin, int32_t end, int32_t countCmd,
                           Feedback& feedback)
{
    const int32_t n = end - begin;
    const int16_t* firstInput = source.getData() + begin;
    if (countCmd < 1) {
        // No pass asked for: the range stays as it is.
        return ReplaceRange(stop, source, begin, end, n, [&](int16_t* out, int32_t from, int32_t to) {
            std::copy(firstInput + from, firstInput + to, out + from);
        });
    }
    int32_t passes = std::min(countCmd, PassGroup);
    double y[PassGroup] = {};
    feedback.restart();
    RefPtr<Wave> result = ReplaceRange(stop, source, begin, end, n, [&](int16_t* out, int32_t from, int32_t to) {
        OnePoleGroupOf<High>(passes, firstInput, out, from, to, feedback, y);
    });
    if (!result)
        return result;
    int16_t* out = result->getData() + begin;
    for (int32_t done = passes; done < countCmd; done += passes) {
        passes = std::min(countCmd - done, PassGroup);
        std::fill(y, y + PassGroup, 0.0);
        feedback.restart();
        if (!ForEachChunk(stop, n, [&](int32_t from, int32_t to) {
                OnePoleGroupOf<High>(passes, out, out, from, to, feedback, y);
            }))
            break;
    }
    return result;
}

struct ConstantFeedback {
    double a;
    void restart() {}
    double operator()(int32_t) const { return a; }
};

// a from a frequency envelope, sample by sample; the code only changes now and
// then, so the last one is remembered.
class EnvelopeFeedback {
public:
    EnvelopeFeedback(const Wave* envelope, double p, int32_t rangeLength, int32_t sampleFreq)
        : env(envelope), step(env.stepOver(rangeLength - 1)), p(p), sampleFreq(sampleFreq)
    {
    }
    void restart() { q = 0; }
    double operator()(int32_t)
    {
        const int32_t code = ShiftedCodeOf(env.at(q));
        q += step;
        if (code != lastCode) {
            lastCode = code;
            a = OnePoleFeedback(p, sampleFreq / FrequencyOfShiftedCode(code));
        }
        return a;
    }

private:
    EnvelopeReader env;
    double step;
    double p;
    double sampleFreq;
    double q = 0;
    int32_t lastCode = -1;
    double a = 0;
};

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
