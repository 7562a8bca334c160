#include "wave/Wave.h"
#include "wave/WaveLoops.h"

#include <cstring>

namespace {

// Clamps a copy of source[from..end) to `to` so that it stays inside both Waves;
// gives the number of samples to copy.
int32_t ClampCopy(int32_t sourceValues, int32_t targetValues, int32_t& from, int32_t end, int32_t& to)
{
    from = std::clamp(from, 0, sourceValues);
    end = std::clamp(end, from, sourceValues);
    to = std::clamp(to, 0, targetValues);
    return std::min(end - from, targetValues - to);
}

} // namespace

void Wave::copyRange(StopFlag* stop, const Wave& source, int32_t from, int32_t end, int32_t to)
{
    const int32_t n = ClampCopy(source.values, values, from, end, to);
    const int16_t* src = source.data.get() + from;
    int16_t* dst = data.get() + to;
    ForEachChunk(stop, n, [&](int32_t a, int32_t b) { std::memmove(dst + a, src + a, size_t(b - a) * 2); });
}

void Wave::zeroRange(StopFlag* stop, int32_t begin, int32_t end)
{
    ClampRange(values, begin, end);
    int16_t* dst = data.get() + begin;
    ForEachChunk(stop, end - begin, [&](int32_t a, int32_t b) { std::memset(dst + a, 0, size_t(b - a) * 2); });
}

void Wave::addRange(StopFlag* stop, const Wave& source, int32_t from, int32_t end, int32_t to)
{
    const int32_t n = ClampCopy(source.values, values, from, end, to);
    const int16_t* src = source.data.get() + from;
    int16_t* dst = data.get() + to;
    // Integer sums of two samples are exact; the low 16 bits are the wrapped sample.
    ForEachChunk(stop, n, [&](int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k)
            dst[k] = static_cast<int16_t>(static_cast<uint16_t>(dst[k]) + static_cast<uint16_t>(src[k]));
    });
}

void Wave::mirrorInPlace(StopFlag* stop, RefPtr<Wave>& wave, int32_t begin, int32_t end)
{
    if (!wave)
        return;
    ClampRange(wave->values, begin, end);
    if (end - begin < 2 || !detach(stop, wave))
        return;
    int16_t* d = wave->data.get();
    const int32_t half = (begin + end) / 2 - begin;
    ForEachChunk(stop, half, [&](int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k)
            d[begin + k] = d[end - 1 - k];
    });
}

RefPtr<Wave> Wave::extractRange(StopFlag* stop, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    RefPtr<Wave> result = NewWave(stop, end - begin);
    if (result)
        result->copyRange(stop, *this, begin, end, 0);
    return result;
}

RefPtr<Wave> Wave::deleteRange(StopFlag* stop, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    return ReplaceRange(stop, *this, begin, end, 0, [](int16_t*, int32_t, int32_t) {});
}

RefPtr<Wave> Wave::replace(StopFlag* stop, const Wave* other, int32_t begin, int32_t end) const
{
    if (other == nullptr)
        return {};
    ClampRange(values, begin, end);
    const int16_t* src = other->data.get();
    return ReplaceRange(stop, *this, begin, end, other->values, [src](int16_t* out, int32_t a, int32_t b) {
        std::memcpy(out + a, src + a, size_t(b - a) * 2);
    });
}

RefPtr<Wave> Wave::concatenate(StopFlag* stop, const Wave* other) const
{
    return replace(stop, other, values, values);
}

RefPtr<Wave> Wave::rotate(StopFlag* stop, int32_t leftShift, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    const int32_t r = end - begin;
    // A shift beyond the range (or negative) turns as far as the whole turns allow.
    const int32_t shift = r == 0 ? 0 : static_cast<int32_t>(((int64_t(leftShift) % r) + r) % r);
    RefPtr<Wave> result = NewWave(stop, values);
    if (!result)
        return result;
    result->copyRange(stop, *this, 0, begin, 0);
    result->copyRange(stop, *this, begin + shift, end, begin);
    result->copyRange(stop, *this, begin, begin + shift, end - shift);
    result->copyRange(stop, *this, end, values, end);
    return result;
}

RefPtr<Wave> Wave::reverse(StopFlag* stop, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    RefPtr<Wave> result = NewWave(stop, values);
    if (!result)
        return result;
    result->copyRange(stop, *this, 0, begin, 0);
    const int16_t* in = data.get();
    int16_t* out = result->data.get();
    const int32_t last = end - 1;
    ForEachChunk(stop, end - begin, [&](int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k)
            out[begin + k] = in[last - k];
    });
    result->copyRange(stop, *this, end, values, end);
    return result;
}

int32_t Wave::getMaxAbs(StopFlag* stop, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    const int16_t* d = data.get() + begin;
    int32_t largest = 0;
    const bool done = ForEachChunk(stop, end - begin, [&](int32_t a, int32_t b) {
        int32_t m = largest;
        for (int32_t k = a; k < b; ++k) {
            const int32_t v = d[k] < 0 ? -int32_t(d[k]) : int32_t(d[k]);
            m = v > m ? v : m;
        }
        largest = m;
    });
    return done ? largest : 0;
}

void Wave::getMinMax(StopFlag* stop, int16_t& max, int16_t& minMagnitude, int32_t begin, int32_t end) const
{
    ClampRange(values, begin, end);
    const int16_t* d = data.get() + begin;
    int16_t hi = 0;
    int16_t lo = 0;
    max = 0;
    minMagnitude = 0;
    const bool done = ForEachChunk(stop, end - begin, [&](int32_t a, int32_t b) {
        int16_t h = hi;
        int16_t l = lo;
        for (int32_t k = a; k < b; ++k) {
            h = d[k] > h ? d[k] : h;
            l = d[k] < l ? d[k] : l;
        }
        hi = h;
        lo = l;
    });
    if (!done)
        return;
    max = hi;
    // -32768 has no positive counterpart: saturate, so a full-scale negative
    // peak reads as the largest magnitude rather than the smallest.
    minMagnitude = static_cast<int16_t>(lo == INT16_MIN ? INT16_MAX : -lo);
}
