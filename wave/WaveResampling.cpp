#include "wave/Wave.h"
#include "wave/WaveLoops.h"

#include <cmath>

RefPtr<Wave> Wave::resampleRange(StopFlag* stop, double factor, int32_t& begin, int32_t& end) const
{
    ClampRange(values, begin, end);
    // An empty range has nothing to stretch; the formula would make the whole
    // Wave vanish (or a negative length) instead.
    const int32_t n = begin == end ? 0 : ToInt32((end - begin - 1) * std::fabs(factor) + 1);
    if (n <= 0)
        return NewWaveCopy(stop, this);
    return resampleRangeToLength(stop, n, factor < 0, begin, end);
}

RefPtr<Wave> Wave::resample(StopFlag* stop, double factor) const
{
    int32_t begin = 0;
    int32_t end = values;
    return resampleRange(stop, factor, begin, end);
}

RefPtr<Wave> Wave::resampleRangeToLength(StopFlag* stop, int32_t length, bool reversed, int32_t& begin,
                                         int32_t& end) const
{
    ClampRange(values, begin, end);
    if (begin == end)
        return NewWaveCopy(stop, this);
    const int32_t n = std::max(length, 0);
    const int32_t r = end - begin;
    const double step = double(r) / double(n);
    // Reads just past the range interpolate towards the sample after it; at the
    // end of the Wave that is the last sample itself.
    const int16_t* src = data.get() + begin;
    const int32_t last = values - 1 - begin;
    // Reversed, the positions run down from R - step: the forward result read backwards.
    double pos = reversed ? r - step : 0;
    const double delta = reversed ? -step : step;
    RefPtr<Wave> result;
    WithReader(src, last, step, [&](auto read) {
        result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
            for (int32_t k = a; k < b; ++k) {
                out[k] = BoundedSample()(read(pos));
                pos += delta;
            }
        });
    });
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::resampleToLength(StopFlag* stop, int32_t length, bool reversed) const
{
    int32_t begin = 0;
    int32_t end = values;
    return resampleRangeToLength(stop, length, reversed, begin, end);
}

RefPtr<Wave> Wave::rollIn(StopFlag* stop, int32_t length, int32_t target, int32_t& begin, int32_t& end) const
{
    ClampRange(values, begin, end);
    // A window of no samples leaves nothing of the range.
    const int32_t n = std::max(length, 0);
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [](int16_t* out, int32_t a, int32_t b) {
        std::fill(out + a, out + b, int16_t(0));
    });
    // The laps of the range pile up on the window, each going on at its start.
    const int32_t r = end - begin;
    int32_t pos = n > 0 ? static_cast<int32_t>(((int64_t(target) % n) + n) % n) : 0;
    for (int32_t used = 0; result && n > 0 && used < r && !IsStopped(stop);) {
        const int32_t lap = std::min(n - pos, r - used);
        result->addRange(stop, *this, begin + used, begin + used + lap, begin + pos);
        used += lap;
        pos = 0;
    }
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::rollOut(StopFlag* stop, const Wave* form, double per, double count, double startAngle,
                           int32_t& begin, int32_t& end, int32_t beginf, int32_t endf) const
{
    ClampRange(values, begin, end);
    const int32_t n = std::max(ToInt32(std::fabs(per) * count), 0);
    // A missing or empty form reads as silence.
    static const int16_t silent = 0;
    const bool hasForm = form != nullptr && form->values > 0;
    const int16_t* src = hasForm ? form->data.get() : &silent;
    const int32_t last = hasForm ? form->values - 1 : 0;
    if (hasForm)
        ClampRange(form->values, beginf, endf);
    else
        beginf = endf = 0;
    const double span = double(endf - 1 - beginf);
    const double step = 1 / per;
    double p = startAngle;
    RefPtr<Wave> result;
    WithReader(src, last, span * step, [&](auto read) {
        result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
            for (int32_t k = a; k < b; ++k) {
                out[k] = BoundedSample()(read(beginf + span * p));
                p += step;
                if (p >= 1)
                    p -= std::trunc(p);
                else if (p < 0)
                    p += std::trunc(1 - p);
            }
        });
    });
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::rollOutEnvelope(StopFlag* stop, const Wave* speedEnvelope, double lengthFactor, double speed,
                                   double startPos, int32_t& begin, int32_t& end) const
{
    ClampRange(values, begin, end);
    const int32_t r = end - begin;
    const int32_t n = r == 0 ? 0 : std::max(ToInt32(r * lengthFactor), 0);
    // A missing or empty envelope reads as 0: the position holds.
    static const int16_t silent = 0;
    const bool hasEnvelope = speedEnvelope != nullptr && speedEnvelope->values > 0;
    const int16_t* env = hasEnvelope ? speedEnvelope->data.get() : &silent;
    const int32_t envLast = hasEnvelope ? speedEnvelope->values - 1 : 0;
    const double qStep = n > 0 ? (envLast / lengthFactor) / r : 0.0;
    const int16_t* d = data.get();
    double x = begin + r * startPos;
    double q = 0;
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k) {
            x = static_cast<double>(x + ReadInterpolated(env, envLast, q) * speed * WaveOneBy32767);
            x = WrapIntoWindow(x, begin, end);
            const int32_t i = std::clamp(ToInt32(x), begin, end - 1);
            const double f = x - i;
            // The loop closes: after its last sample comes its first.
            const int32_t j = i == end - 1 ? begin : i + 1;
            out[k] = BoundedSample()((1 - f) * d[i] + f * d[j]);
            q += qStep;
        }
    });
    end = begin + n;
    return result;
}
