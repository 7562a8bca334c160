#pragma once
#include "wave/WaveEngineSupport.h"
#include "wave/WaveFiltersFrequencyCode.h"
#include "wave/Wave.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// The one-pole low pass (and its high-pass complement) of the filters and the
// balance: y = (1 - a) x + a y per sample, a from a cutoff or a frequency envelope.

// Feedback of one pole for the gain p per pass at a cutoff of `time` samples.
// Held to 0..1 so that no setting can make the filter diverge; a cutoff too high
// for the formula (a below 0) passes the input through.
inline double OnePoleFeedback(double p, double time)
{
    const double a = 1 - WaveTwoPi * p / (std::sqrt(1 - p * p) * time);
    if (!(a >= 0))
        return 0;
    return std::min(a, 1.0);
}

inline double GainPerPass(double factor, int32_t countBer)
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
inline void OnePoleGroupOf(int32_t passes, const int16_t* input, int16_t* out, int32_t from, int32_t to,
                           Feedback& feedback, double* y)
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
    if (countCmd < 1 || n < 1) {
        // No pass asked for, or nothing to pass over: the range stays as it is.
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
        ReportWork(done, countCmd);
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
template <class Reader>
class EnvelopeFeedbackOf {
public:
    EnvelopeFeedbackOf(const Reader& env, double p, int32_t rangeLength, int32_t sampleFreq)
        : env(env), step(env.stepOver(rangeLength - 1)), p(p), sampleFreq(sampleFreq)
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
    Reader env;
    double step;
    double p;
    double sampleFreq;
    double q = 0;
    int32_t lastCode = -1;
    double a = 0;
};

class EnvelopeFeedback : public EnvelopeFeedbackOf<EnvelopeReader> {
public:
    EnvelopeFeedback(const Wave* envelope, double p, int32_t rangeLength, int32_t sampleFreq)
        : EnvelopeFeedbackOf<EnvelopeReader>(EnvelopeReader(envelope), p, rangeLength, sampleFreq)
    {
    }
};
