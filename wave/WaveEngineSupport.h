#pragma once
#include "wave/Wave.h"
#include "wave/WaveLoops.h"

#include <cstdint>

// Reads shared by the echoes, the tempo and pitch changes, the filters and the
// shaping: envelopes stretched over a run of samples, ranges read as silence
// outside their bounds, and results whose size a caller's numbers may overflow.

// The double nearest to the scale factors the engine writes as 1/32767,
// 1/65535 and 1/21845.
constexpr double EngineOneBy32767 = static_cast<double>(WaveOneBy32767);
constexpr double EngineOneBy65535 = static_cast<double>(WaveOneBy65535);
constexpr double EngineOneBy21845 = static_cast<double>(1.0L / 21845.0L);

// An envelope read with linear interpolation at a running position. The position
// is held to the envelope's samples, so a running sum that rounds past the last
// sample (or a caller's envelope shorter than expected) never reads outside it.
// A missing or empty envelope reads as 0 everywhere. EnvelopeReaderOf reads
// each sample through map(sample) (an envelope derived sample by sample from
// another, without a Wave of its own); EnvelopeReader reads them as they are.
struct SameSample {
    int16_t operator()(int16_t sample) const { return sample; }
};

template <class Map>
class EnvelopeReaderOf {
public:
    explicit EnvelopeReaderOf(const Wave* envelope, Map map = Map())
        : samples(envelope != nullptr ? envelope->getData() : nullptr),
          last(envelope != nullptr ? envelope->getValues() - 1 : -1), map(map)
    {
    }

    int32_t getValues() const { return last + 1; }

    double at(double q) const
    {
        if (last < 0)
            return 0;
        if (!(q > 0))
            return map(samples[0]);
        if (q >= last)
            return map(samples[last]);
        return Interpolate(q);
    }

    // The growth per sample that stretches the envelope over steps + 1 samples;
    // 0 when there is no step to divide by.
    double stepOver(double steps) const { return steps > 0 ? (getValues() - 1) / steps : 0.0; }

private:
    // 0 < q < last: both neighbours exist.
    double Interpolate(double q) const
    {
        const int32_t i = static_cast<int32_t>(q);
        const double f = q - i;
        if (f == 0)
            return map(samples[i]);
        return (1 - f) * map(samples[i]) + f * map(samples[i + 1]);
    }

    const int16_t* samples;
    int32_t last;
    Map map;
};

using EnvelopeReader = EnvelopeReaderOf<SameSample>;

// samples[begin..end) read at p with linear interpolation, 0 outside begin..end-1.
// Range bounds are never negative, so p truncates to its floor; a fraction
// above 0 means p < end - 1, so the right neighbour lies in the range too.
inline double ReadRangeAt(const int16_t* samples, int32_t begin, int32_t end, double p)
{
    if (!(p >= begin && p <= end - 1))
        return 0;
    const int32_t i = static_cast<int32_t>(p);
    const double f = p - i;
    if (f == 0)
        return samples[i];
    return (1 - f) * samples[i] + f * samples[i + 1];
}

// NewWave for a size computed in 64 bits: a size no Wave can hold is reported
// as a result longer than the longest wave.
inline RefPtr<Wave> NewWaveOfSize(StopFlag* stop, int64_t n)
{
    if (n < 0 || n > INT32_MAX)
        return NewWave(stop, -1);
    RefPtr<Wave> wave = NewWave(stop, static_cast<int32_t>(n));
    if (wave && wave->getValues() != n)
        return {};
    return wave;
}
