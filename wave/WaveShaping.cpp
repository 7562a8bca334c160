#include "wave/Wave.h"
#include "wave/WaveEngineSupport.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <cmath>

namespace {

// A whole-length copy whose range fill(out, from, to) rewrites chunk by chunk
// (out points at the range). No Wave when the allocation fails; the unfinished
// Wave when the flag stops it, unless noneWhenStopped.
template <class Fill>
RefPtr<Wave> RewriteRange(StopFlag* stop, const Wave& source, int32_t begin, int32_t end, bool noneWhenStopped,
                          Fill&& fill)
{
    RefPtr<Wave> result = ReplaceRange(stop, source, begin, end, end - begin, fill);
    if (noneWhenStopped && IsStopped(stop))
        return {};
    return result;
}

// Ceiling for values >= 0, floor for negative ones: a shift taken away from zero.
int64_t AwayFromZero(double shift)
{
    if (!(shift == shift))
        return 0;
    const double whole = shift >= 0 ? std::ceil(shift) : std::floor(shift);
    return static_cast<int64_t>(std::clamp(whole, -2147483648.0, 2147483647.0));
}

int32_t ToMargin(int64_t grow)
{
    return static_cast<int32_t>(std::clamp<int64_t>(grow, 0, INT32_MAX));
}

// out[k] = ToSample(in[k] * factor) for k < n <= WaveChunk. A factor below 32768
// keeps every product inside the 32-bit range, and the loop is vectorised;
// other factors (NaN among them) convert the chunk's products as a block.
void Scale(const int16_t* in, int16_t* out, int32_t n, double factor)
{
    if (FactorsKeepSamplesBounded(std::fabs(factor))) {
        for (int32_t k = 0; k < n; ++k)
            out[k] = ToSampleInRange(in[k] * factor);
        return;
    }
    double products[WaveChunk];
    for (int32_t k = 0; k < n; ++k)
        products[k] = in[k] * factor;
    ToSamples(products, out, static_cast<size_t>(n));
}

// The same in place: one pointer, so the compiler needs no overlap test.
void ScaleInPlace(int16_t* d, int32_t n, double factor)
{
    if (FactorsKeepSamplesBounded(std::fabs(factor))) {
        for (int32_t k = 0; k < n; ++k)
            d[k] = ToSampleInRange(d[k] * factor);
        return;
    }
    double products[WaveChunk];
    for (int32_t k = 0; k < n; ++k)
        products[k] = d[k] * factor;
    ToSamples(products, d, static_cast<size_t>(n));
}

} // namespace

RefPtr<Wave> Wave::addValue(StopFlag* stop, int16_t value, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    const int16_t* in = data.get() + begin;
    return RewriteRange(stop, *this, begin, end, true, [&](int16_t* out, int32_t from, int32_t to) {
        // The low 16 bits of the integer sum: loud samples wrap around.
        for (int32_t k = from; k < to; ++k)
            out[k] = static_cast<int16_t>(static_cast<uint16_t>(in[k]) + static_cast<uint16_t>(value));
    });
}

RefPtr<Wave> Wave::centre(StopFlag* stop, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    const int16_t* in = data.get() + begin;
    // Whole-number sums are exact in 64 bits, as they are in a double.
    int64_t sum = 0;
    if (!ForEachChunk(stop, end - begin, [&](int32_t from, int32_t to) {
            for (int32_t k = from; k < to; ++k)
                sum += in[k];
        }))
        return {};
    // An empty range has no mean to remove.
    const double mean = end > begin ? static_cast<double>(sum) / (end - begin) : 0.0;
    return addValue(stop, ToSampleFast(-static_cast<double>(ToInt32(mean))), begin, end);
}

RefPtr<Wave> Wave::multiplyVolume(StopFlag* stop, double factor, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    const int16_t* in = data.get() + begin;
    return RewriteRange(stop, *this, begin, end, false, [&](int16_t* out, int32_t from, int32_t to) {
        Scale(in + from, out + from, to - from, factor);
    });
}

void Wave::multiplyVolumeInPlace(StopFlag* stop, RefPtr<Wave>& wave, double factor, int32_t begin, int32_t end)
{
    if (!wave)
        return;
    ClampRange(wave->values, begin, end);
    if (begin == end || !detach(stop, wave))
        return;
    int16_t* d = wave->data.get() + begin;
    ForEachChunk(stop, end - begin, [&](int32_t from, int32_t to) { ScaleInPlace(d + from, to - from, factor); });
}

RefPtr<Wave> Wave::applyEnvelope(StopFlag* stop, const Wave* envelope, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    const EnvelopeReader env(envelope);
    const double step = env.stepOver(end - begin - 1);
    const int16_t* in = data.get() + begin;
    double q = 0;
    return RewriteRange(stop, *this, begin, end, false, [&](int16_t* out, int32_t from, int32_t to) {
        for (int32_t k = from; k < to; ++k) {
            out[k] = ToSampleFast(env.at(q) * in[k] * EngineOneBy32767);
            q += step;
        }
    });
}

RefPtr<Wave> Wave::distort(StopFlag* stop, const Wave* curve, int32_t begin, int32_t end) const
{
    if (curve == nullptr)
        return {};
    ClampRange(values, begin, end);
    const int16_t* c = curve->getData();
    const int32_t last = curve->getValues() - 1;
    const int16_t* in = data.get() + begin;
    return RewriteRange(stop, *this, begin, end, true, [&](int16_t* out, int32_t from, int32_t to) {
        for (int32_t k = from; k < to; ++k) {
            if (last < 0) {
                out[k] = 0;
                continue;
            }
            const double u = in[k] * EngineOneBy65535 + 0.5;
            // -32768 lands a hair below the first sample; the interpolation
            // extends the first segment there, as the split of the position says.
            out[k] = ToSampleFast(ReadInterpolated(c, last, u * last));
        }
    });
}

RefPtr<Wave> Wave::blockHold(StopFlag* stop, double step, int32_t levels, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    if (!(step >= 1))
        step = 1;
    const int16_t* in = data.get();
    auto fill = [&](int16_t* out, int32_t from, int32_t to) {
        for (int32_t k = from; k < to; ++k)
            out[k] = 0;
    };
    if (levels == 1)
        return RewriteRange(stop, *this, begin, end, true, fill);

    RefPtr<Wave> result = NewWave(stop, values);
    if (!result)
        return result;
    result->copyRange(stop, *this, 0, begin, 0);
    result->copyRange(stop, *this, end, values, end);
    int16_t* out = result->data.get();
    const double levelScale = levels * 1.5258789e-5;
    double b = begin;
    int32_t read = begin;
    while (read < end) {
        b = b + step;
        if (b > end)
            b = end;
        const int32_t blockEnd = std::max(ToInt32(b), read + 1);
        const int32_t n = blockEnd - read;
        int64_t sum = 0;
        if (!ForEachChunk(stop, n, [&](int32_t from, int32_t to) {
                for (int32_t k = from; k < to; ++k)
                    sum += in[read + k];
            }))
            return {};
        int16_t held = ToSampleFast(static_cast<double>(sum) / n);
        if (levels != 0) {
            const int32_t k = ToInt32((held + 32768) * levelScale);
            held = ToSampleFast(65535.0 / (levels - 1) * k - 32768);
        }
        if (!ForEachChunk(stop, n, [&](int32_t from, int32_t to) {
                std::fill(out + read + from, out + read + to, held);
            }))
            return {};
        read = blockEnd;
    }
    return result;
}

void Wave::moveMargins(StopFlag*, double shiftA, double shiftB, int32_t begin, int32_t end, int32_t& growLeft,
                       int32_t& growRight) const
{
    int32_t b = begin;
    int32_t e = end;
    ClampRange(values, b, e);
    const int64_t a = AwayFromZero(shiftA);
    const int64_t c = AwayFromZero(shiftB);
    growRight = ToMargin(int64_t(e) + std::max(a, c) - values);
    growLeft = ToMargin(-std::min(a, c) - b);
}

RefPtr<Wave> Wave::moveHorizontally(StopFlag* stop, double shift, int32_t growLeft, int32_t growRight,
                                    int32_t& begin, int32_t& end) const
{
    ClampRange(values, begin, end);
    growLeft = std::max(growLeft, 0);
    growRight = std::max(growRight, 0);
    RefPtr<Wave> result = NewWaveOfSize(stop, int64_t(values) + growLeft + growRight);
    if (!result)
        return result;
    const int16_t* in = data.get();
    int16_t* out = result->data.get();
    const int32_t rangeBegin = begin;
    const int32_t rangeEnd = end;
    double p = -double(growLeft) - shift;
    ForEachChunk(stop, result->values, [&](int32_t from, int32_t to) {
        for (int32_t j = from; j < to; ++j) {
            const int64_t s = int64_t(j) - growLeft;
            const double moved = ReadRangeAt(in, rangeBegin, rangeEnd, p);
            const bool keeps = (s >= 0 && s < rangeBegin) || (s >= rangeEnd && s < values);
            out[j] = ToSampleFast(keeps ? moved + in[s] : moved);
            p += 1;
        }
    });
    begin = std::clamp(ToInt32(growLeft + shift + rangeBegin), 0, result->values);
    end = std::clamp(ToInt32(growLeft + shift + rangeEnd), begin, result->values);
    return result;
}

RefPtr<Wave> Wave::moveHorizontallyEnvelope(StopFlag* stop, double maxShift, const Wave* envelope,
                                            int32_t growLeft, int32_t growRight, int32_t& begin,
                                            int32_t& end) const
{
    ClampRange(values, begin, end);
    growLeft = std::max(growLeft, 0);
    growRight = std::max(growRight, 0);
    RefPtr<Wave> result = NewWaveOfSize(stop, int64_t(values) + growLeft + growRight);
    if (!result)
        return result;
    result->zeroRange(stop, 0, result->values);
    result->copyRange(stop, *this, 0, begin, growLeft);
    result->copyRange(stop, *this, end, values, growLeft + end);

    if (!(maxShift == maxShift))
        maxShift = 0;
    const double shiftSize = std::fabs(maxShift);
    const int64_t M = std::clamp<double>(std::ceil(shiftSize), 0, INT32_MAX);
    const EnvelopeReader env(envelope);
    const double step = env.stepOver(double(end - begin) + 2.0 * M + 1);
    const int16_t* in = data.get();
    int16_t* out = result->data.get();
    const int32_t rangeBegin = begin;
    const int32_t rangeEnd = end;
    // The window may reach past the result when the caller's margins are short:
    // those samples are skipped, never written.
    const int64_t windowStart = int64_t(growLeft) + begin - M;
    const int64_t windowLength = int64_t(end - begin) + 2 * M;
    const int32_t length = static_cast<int32_t>(std::min<int64_t>(windowLength, INT32_MAX));
    double q = 0;
    ForEachChunk(stop, length, [&](int32_t from, int32_t to) {
        for (int32_t t = from; t < to; ++t) {
            const double d = env.at(q) * maxShift * 3.0517578e-5;
            const double s = double(int64_t(rangeBegin) - M + t);
            const int64_t j = windowStart + t;
            if (j >= 0 && j < result->values)
                out[j] = ToSampleFast(ReadRangeAt(in, rangeBegin, rangeEnd, s - d));
            q += step;
        }
    });
    begin = std::clamp(ToInt32(growLeft + rangeBegin - shiftSize), 0, result->values);
    end = std::clamp(ToInt32(shiftSize + growLeft + rangeEnd), begin, result->values);
    return result;
}
