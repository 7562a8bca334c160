#pragma once
#include "platform/SampleConvert.h"
#include "wave/Wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// The loops every Wave operation shares: chunks with the stop flag, range
// bounds, interpolated reads and the head-new-tail result.

// Long loops give the caller a chance to stop this often.
constexpr int32_t WaveChunk = 1000;

// The sound engine writes pi this way; results depend on it.
constexpr double WavePi = 3.1415293;
constexpr double WaveTwoPi = 6.2830586;

// The long double nearest to 1/65535 and to 1/32767: the generators and the
// roll-out scale by these, not by powers of two.
constexpr long double WaveOneBy65535 = 1.0L / 65535.0L;
constexpr long double WaveOneBy32767 = 1.0L / 32767.0L;

inline bool IsStopped(const StopFlag* stop)
{
    return stop != nullptr && *stop != 0;
}

inline void SetStopped(StopFlag* stop)
{
    if (stop != nullptr)
        *stop = 1;
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
    const double w = max - min;
    if (!(w > 0) || !std::isfinite(x))
        return min;
    if (x < min)
        x += w * std::trunc((min - x) / w + 1);
    x -= w * std::trunc((x - min) / w);
    return (x >= min && x < max) ? x : min;
}

// Linear interpolation at pos: only sample i when the fraction is 0. Indices are
// clamped to 0..last (last >= 0), so a read at the very end stays inside.
inline double ReadInterpolated(const int16_t* samples, int32_t last, double pos)
{
    const int32_t i = std::clamp(ToInt32(pos), 0, last);
    const double f = pos - i;
    if (f == 0)
        return samples[i];
    const int32_t j = i < last ? i + 1 : last;
    return (1 - f) * samples[i] + f * samples[j];
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
        return NewWave(stop, -1); // too long for a Wave: reported as lack of memory
    RefPtr<Wave> result = NewWave(stop, static_cast<int32_t>(total));
    if (!result)
        return result;
    result->copyRange(stop, source, 0, begin, 0);
    int16_t* out = result->getData() + begin;
    ForEachChunk(stop, n, [&](int32_t from, int32_t to) { fill(out, from, to); });
    result->copyRange(stop, source, end, source.getValues(), begin + n);
    return result;
}
