#include "wave/Wave.h"
#include "wave/WaveLoops.h"

#include <cmath>

namespace {

// Other's sample k lands on this Wave's sample offset + k, wherever both exist;
// combine(sample, otherSample) gives the new sample.
template <class Combine>
void MixAtOffset(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int64_t offset, Combine combine)
{
    if (!wave || other == nullptr)
        return;
    const int64_t thisStart = std::max<int64_t>(offset, 0);
    const int64_t otherStart = std::max<int64_t>(-offset, 0);
    const int64_t n = std::min(wave->getValues() - thisStart, other->getValues() - otherStart);
    if (n <= 0 || !Wave::detach(stop, wave))
        return;
    int16_t* dst = wave->getData() + thisStart;
    const int16_t* src = other->getData() + otherStart;
    ForEachChunk(stop, static_cast<int32_t>(n), [&](int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k)
            dst[k] = combine(dst[k], src[k]);
    });
}

// The sum of two samples is exact in integers; its low 16 bits are the wrapped sample.
constexpr auto AddWrapped = [](int16_t a, int16_t b) {
    return static_cast<int16_t>(static_cast<uint16_t>(a) + static_cast<uint16_t>(b));
};

// sample + other sample times factor, over the pairs of an offset mix.
void MixFactorAtOffset(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int64_t offset, double factor)
{
    WithSampleConversion(FactorsKeepSamplesBounded(1 + std::fabs(factor)), [&](auto convert) {
        MixAtOffset(stop, wave, other, offset,
                    [factor, convert](int16_t a, int16_t b) { return convert(a + b * factor); });
    });
}

// How many of other's samples a positioned mix uses, and the first of them.
void UsedPart(const Wave& other, int32_t length, bool takeEnd, int32_t& n, int32_t& first)
{
    n = length == -1 ? other.getValues() : std::clamp(length, 0, other.getValues());
    first = (takeEnd && length != -1) ? other.getValues() - n : 0;
}

int32_t SaturateInt32(int64_t x)
{
    return static_cast<int32_t>(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX));
}

} // namespace

void Wave::mixAdd(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t offset)
{
    MixAtOffset(stop, wave, other, offset, AddWrapped);
}

void Wave::mixAddFactor(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t offset, double factor)
{
    MixFactorAtOffset(stop, wave, other, offset, factor);
}

void Wave::mixAddAligned(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t posThis,
                         int32_t posOther)
{
    MixAtOffset(stop, wave, other, int64_t(posThis) - posOther, AddWrapped);
}

void Wave::mixAddAlignedFactor(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t posThis,
                               int32_t posOther, double factor)
{
    MixFactorAtOffset(stop, wave, other, int64_t(posThis) - posOther, factor);
}

void Wave::mixCycleAfterThis(StopFlag* stop, RefPtr<Wave>& wave, const Wave* other, int32_t after)
{
    if (!wave || other == nullptr || wave->values == 0 || other->values == 0 || !detach(stop, wave))
        return;
    const int32_t values = wave->values;
    // A start outside the Wave is taken round the cycle into it.
    int32_t pos = static_cast<int32_t>(((int64_t(after) % values) + values) % values);
    for (int32_t used = 0; used < other->values && !IsStopped(stop);) {
        const int32_t n = std::min(values - pos, other->values - used);
        wave->addRange(stop, *other, used, used + n, pos);
        used += n;
        pos = 0;
    }
}

RefPtr<Wave> Wave::mixAt(StopFlag* stop, const Wave* other, int32_t pos, int32_t length, bool takeEnd) const
{
    if (other == nullptr)
        return {};
    int32_t n = 0;
    int32_t first = 0;
    UsedPart(*other, length, takeEnd, n, first);
    const int64_t growLeft = pos < 0 ? -int64_t(pos) : 0;
    const int64_t growRight = std::max<int64_t>(int64_t(pos) + n - values, 0);
    const int64_t total = growLeft + values + growRight;
    if (total > INT32_MAX)
        return NewWave(stop, -1); // too long for a Wave: reported as such
    RefPtr<Wave> result = NewWave(stop, static_cast<int32_t>(total));
    if (!result)
        return result;
    const int32_t left = static_cast<int32_t>(growLeft);
    result->zeroRange(stop, 0, left);
    result->copyRange(stop, *this, 0, values, left);
    result->zeroRange(stop, left + values, static_cast<int32_t>(total));
    result->addRange(stop, *other, first, first + n, static_cast<int32_t>(pos + growLeft));
    return result;
}

RefPtr<Wave> Wave::mixAlignEnd(StopFlag* stop, const Wave* other, int32_t endPos, int32_t length,
                               bool takeEnd) const
{
    if (other == nullptr)
        return {};
    int32_t n = 0;
    int32_t first = 0;
    UsedPart(*other, length, takeEnd, n, first);
    return mixAt(stop, other, SaturateInt32(int64_t(endPos) - n), length, takeEnd);
}

RefPtr<Wave> Wave::mixStretch(StopFlag* stop, const Wave* other, int32_t begin, int32_t end) const
{
    if (other == nullptr)
        return {};
    ClampRange(values, begin, end);
    if (other->values == 0 || begin == end)
        return NewWaveCopy(stop, this); // nothing to stretch: an unchanged copy
    const int16_t* src = other->data.get();
    const int32_t last = other->values - 1;
    const int16_t* in = data.get() + begin;
    // Other's last sample is approached but never quite reached.
    const double step = double(last) / double(int64_t(end) - begin + 1);
    double q = 0;
    RefPtr<Wave> result;
    WithReader(src, last, step, [&](auto read) {
        result = ReplaceRange(stop, *this, begin, end, end - begin, [&](int16_t* out, int32_t a, int32_t b) {
            for (int32_t k = a; k < b; ++k) {
                out[k] = BoundedSample()(read(q) + in[k]);
                q += step;
            }
        });
    });
    return result;
}

RefPtr<Wave> Wave::mixLeftRight(StopFlag* stop, double factorThis, const Wave* other, double factorOther,
                                int32_t begin, int32_t end) const
{
    if (other == nullptr)
        return {};
    ClampRange(values, begin, end);
    RefPtr<Wave> result = NewWave(stop, values);
    if (!result)
        return result;
    result->copyRange(stop, *this, 0, begin, 0);
    // Where other is shorter, its missing samples count as 0.
    const int32_t both = std::clamp(other->values, begin, end);
    const int16_t* a = data.get();
    const int16_t* b = other->data.get();
    int16_t* out = result->data.get();
    const bool bounded = FactorsKeepSamplesBounded(std::fabs(factorThis) + std::fabs(factorOther));
    WithSampleConversion(bounded, [&](auto convert) {
        ForEachChunk(stop, both - begin, [&](int32_t from, int32_t to) {
            for (int32_t i = begin + from; i < begin + to; ++i)
                out[i] = convert(a[i] * factorThis + b[i] * factorOther);
        });
        ForEachChunk(stop, end - both, [&](int32_t from, int32_t to) {
            for (int32_t i = both + from; i < both + to; ++i)
                out[i] = convert(a[i] * factorThis);
        });
    });
    result->copyRange(stop, *this, end, values, end);
    return result;
}

RefPtr<Wave> Wave::mixDown(StopFlag* stop, const Wave* other) const
{
    return mixLeftRight(stop, 0.5, other, 0.5, 0, values);
}
