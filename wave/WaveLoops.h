#pragma once
#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"
#include "platform/WorkProgress.h"
#include "wave/Wave.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>

// The loops every Wave operation shares: chunks with the stop flag, range
// bounds, interpolated reads and the head-new-tail result.

// Long loops give the caller a chance to stop this often.
constexpr int32_t WaveChunk = 1000;

// The sound engine writes pi this way; results depend on it.
constexpr double WavePi = QuarbelPi;
constexpr double WaveTwoPi = QuarbelTwoPi;

// The long double nearest to 1/65535 and to 1/32767: the generators and the
// roll-out scale by these, not by powers of two.
constexpr long double WaveOneBy65535 = 1.0L / 65535.0L;
constexpr long double WaveOneBy32767 = 1.0L / 32767.0L;

inline void SetStopped(StopFlag* stop)
{
    if (stop != nullptr)
        std::atomic_ref<StopFlag>(*stop).store(1, std::memory_order_relaxed);
}

// The flag is read and set atomically: the two channels of a stereo operation
// run on two threads, and a stop may be asked for from yet another one. A
// stop the user asks for in the progress window sets the flag of the run
// being tested, so the run ends as one stopped by a failed allocation does.
inline bool IsStopped(const StopFlag* stop)
{
    if (stop == nullptr)
        return false;
    if (WorkStopWanted())
        SetStopped(const_cast<StopFlag*>(stop));
    return std::atomic_ref<StopFlag>(*const_cast<StopFlag*>(stop)).load(std::memory_order_relaxed) != 0;
}

// Runs body(from, to) over 0..count-1 in chunks of at most WaveChunk, testing the
// flag before each chunk. False when the flag ended it.
template <class Body>
inline bool ForEachChunk(const StopFlag* stop, int32_t count, Body&& body)
{
    for (int32_t done = 0; done < count;) {
        if (IsStopped(stop))
            return false;
        const int32_t to = done + std::min(WaveChunk, count - done);
        body(done, to);
        done = to;
    }
    return true;
}

// A range of a Wave of `values` samples: end -1 means the end; bounds a caller
// got wrong are clamped into the Wave instead of reaching outside it.
inline void ClampRange(int32_t values, int32_t& begin, int32_t& end)
{
    if (end == -1 || end > values)
        end = values;
    begin = std::clamp(begin, 0, values);
    end = std::clamp(end, begin, values);
}

// x wrapped into [min, max) by whole multiples of max - min (min for a value
// that has no place there: an empty window or a value that is not finite).
inline double WrapIntoWindow(double x, double min, double max)
{
    if (x >= min && x < max)
        return x; // what the reduction gives, without its division
    if (!(max > min) || !std::isfinite(x))
        return min;
    return WrapIntoRange(x, min, max);
}

// Linear interpolation of samples[0..last] at pos (last >= 0): with i the
// position truncated toward zero and f = pos - i, (1 - f) times sample i plus
// f times sample i + 1, which is sample i alone when the fraction is 0.
// A position a hair below 0 (a falling running sum) has i 0 and a negative
// fraction, as that split gives. Where sample i + 1 would lie past the end the
// last sample is read in its place; positions a whole sample or more outside
// read the nearest end. So no read leaves the buffer, and the value stays
// within three times the samples' range.
inline double ReadInterpolatedAtEdge(const int16_t* samples, int32_t last, double pos)
{
    if (!(pos > -1))
        return samples[0];
    if (!(pos < last + 1.0))
        return samples[last];
    const int32_t i = static_cast<int32_t>(pos);
    const double f = pos - i;
    return (1 - f) * samples[i] + f * samples[std::min(i + 1, last)];
}

inline double ReadInterpolated(const int16_t* samples, int32_t last, double pos)
{
    if (!(pos > 0 && pos < last))
        return ReadInterpolatedAtEdge(samples, last, pos);
    const int32_t i = static_cast<int32_t>(pos);
    const double f = pos - i;
    return (1 - f) * samples[i] + f * samples[i + 1];
}

// The same reads for positions that move in steps below one sample: the pair
// of samples around the position is kept until the position leaves it, which
// saves the conversions of most reads.
class PairReader {
public:
    PairReader(const int16_t* samples, int32_t last) : samples(samples), last(last) {}
    double operator()(double pos)
    {
        if (pos >= low && pos < high) {
            const double f = pos - low;
            return (1 - f) * a + f * b;
        }
        return Enter(pos);
    }

private:
    double Enter(double pos)
    {
        if (!(pos > 0) || pos >= last)
            return ReadInterpolated(samples, last, pos);
        const int32_t i = static_cast<int32_t>(pos);
        low = i;
        high = i + 1.0;
        a = samples[i];
        b = samples[i + 1];
        const double f = pos - low;
        return (1 - f) * a + f * b;
    }

    const int16_t* samples;
    int32_t last;
    double low = 1;
    double high = 0;
    double a = 0;
    double b = 0;
};

struct DirectReader {
    const int16_t* samples;
    int32_t last;
    double operator()(double pos) const { return ReadInterpolated(samples, last, pos); }
};

// Runs body(read) with the reader that suits positions moving by `step`: the
// pair pays off when several reads fall between the same two samples.
template <class Body>
inline void WithReader(const int16_t* samples, int32_t last, double step, Body&& body)
{
    if (std::fabs(step) < 0.25)
        body(PairReader(samples, last));
    else
        body(DirectReader{samples, last});
}

// Conversions to a sample (platform/SampleConvert.h). ExactSample takes any
// value. BoundedSample gives the same sample for a value the operation knows to
// be a number inside the 32-bit range (an interpolated sample, a sum of scaled
// samples with small factors), in a form the compiler can vectorise.
struct ExactSample {
    int16_t operator()(double value) const { return ToSampleFast(value); }
};
struct BoundedSample {
    int16_t operator()(double value) const { return ToSampleInRange(value); }
};

// Runs body(convert) with BoundedSample when every value is known to be bounded.
template <class Body>
inline void WithSampleConversion(bool bounded, Body&& body)
{
    if (bounded)
        body(BoundedSample{});
    else
        body(ExactSample{});
}

// True when sums of samples times these factors stay far inside 32 bits.
inline bool FactorsKeepSamplesBounded(double factorSum)
{
    return std::isfinite(factorSum) && factorSum * 32768.0 < 1073741824.0;
}

// The common frame of the replacing operations: a new Wave of
// values - (end - begin) + n samples holding the source's samples before
// `begin`, the n samples fill(out, from, to) writes into out[from..to) chunk by
// chunk (out points at the new samples), then the source's samples from `end`
// on. begin and end must already be clamped. No Wave when the allocation fails;
// an unfinished one when the flag stops it.
template <class Fill>
RefPtr<Wave> ReplaceRange(StopFlag* stop, const Wave& source, int32_t begin, int32_t end, int32_t n, Fill&& fill)
{
    const int64_t total = int64_t(source.getValues()) - (end - begin) + n;
    if (total > INT32_MAX)
        return NewWave(stop, -1); // too long for a Wave: reported as such
    RefPtr<Wave> result = NewWave(stop, static_cast<int32_t>(total));
    if (!result)
        return result;
    result->copyRange(stop, source, 0, begin, 0);
    int16_t* out = result->getData() + begin;
    ForEachChunk(stop, n, [&](int32_t from, int32_t to) { fill(out, from, to); });
    result->copyRange(stop, source, end, source.getValues(), begin + n);
    return result;
}
