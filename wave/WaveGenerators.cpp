#include "foundation/GuiMessages.h"
#include "platform/Random15.h"
#include "wave/SinusTable.h"
#include "wave/Wave.h"
#include "wave/WaveLoops.h"

#include <cmath>
#include <new>
#include <vector>

namespace {

// A generated length the caller got wrong (negative) makes nothing.
int32_t GeneratedLength(int32_t length)
{
    return length < 0 ? 0 : length;
}

// Lines always have a first and a last point.
int32_t LineLength(int32_t length)
{
    return length == 1 ? 2 : GeneratedLength(length);
}

// One sample of a block or triangle at phase p.
inline double BlockTriangleValue(bool triangle, double p, double middle, double height1, double height2,
                                 double rising, double falling)
{
    if (!triangle)
        return p < middle ? height1 : height2;
    return p < middle ? height1 + rising * p : height1 + falling * (p - 1);
}

// The sine table, or, when it could not be made at start-up, one made for this
// call (none when that fails too: the flag is then set).
RefPtr<Wave> SineWaveForm(StopFlag* stop)
{
    if (SinusTable)
        return SinusTable;
    RefPtr<Wave> table = NewWave(stop, SinusTableLength);
    if (table)
        FillSinusTable(*table);
    return table;
}

} // namespace

RefPtr<Wave> Wave::insertSilence(StopFlag* stop, int32_t length, int32_t& begin, int32_t& end) const
{
    ClampRange(values, begin, end);
    const int32_t n = GeneratedLength(length);
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [](int16_t* out, int32_t a, int32_t b) {
        std::fill(out + a, out + b, int16_t(0));
    });
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::makeLine(StopFlag* stop, int16_t from, int16_t to, int32_t length, int32_t& begin,
                            int32_t& end) const
{
    ClampRange(values, begin, end);
    const int32_t n = LineLength(length);
    const double step = double(int32_t(to) - int32_t(from)) / double(n - 1);
    double running = from;
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k) {
            out[k] = ToSampleFast(running);
            running += step;
        }
    });
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::makeExponentialLine(StopFlag* stop, int16_t from, int16_t to, int32_t length, int32_t& begin,
                                       int32_t& end) const
{
    ClampRange(values, begin, end);
    const int32_t n = LineLength(length);
    // The ratio reaches `to` one step after the last sample.
    const double ratio = std::pow(double(to) / double(from), 1.0 / n);
    double running = from;
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k) {
            out[k] = ToSampleFast(running);
            running *= ratio;
        }
    });
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::makeNoise(StopFlag* stop, int16_t volume, int32_t length, int32_t& begin, int32_t& end) const
{
    ClampRange(values, begin, end);
    const int32_t n = GeneratedLength(length);
    const double scale = volume * 6.1035156e-5;
    Random15& random = SharedRandom();
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k)
            out[k] = ToSampleFast((random.Next() - 16384) * scale);
    });
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::makeBlockTriangle(StopFlag* stop, int16_t height1, int16_t height2, double period,
                                     double middle, int32_t length, double start, bool triangle, int32_t& begin,
                                     int32_t& end) const
{
    ClampRange(values, begin, end);
    const int32_t n = GeneratedLength(length);
    const double h1 = height1;
    const double h2 = height2;
    const double rising = middle != 0 ? (h2 - h1) / middle : 0;
    const double falling = middle != 1 ? (h1 - h2) / (1 - middle) : 0;
    const double step = 1 / period;
    double p = start;
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k) {
            out[k] = ToSampleFast(BlockTriangleValue(triangle, p, middle, h1, h2, rising, falling));
            p = WrapIntoWindow(p + step, 0, 1);
        }
    });
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::makeBlockTriangleEnvelope(StopFlag* stop, int16_t height1, int16_t height2, double period,
                                             const Wave* middleEnvelope, int32_t length, double start,
                                             bool triangle, int32_t& begin, int32_t& end) const
{
    ClampRange(values, begin, end);
    const int32_t n = GeneratedLength(length);
    const double h1 = height1;
    const double h2 = height2;
    const double step = 1 / period;
    // A missing or empty envelope reads as 0, that is a middle of one half.
    static const int16_t silent = 0;
    const bool hasEnvelope = middleEnvelope != nullptr && middleEnvelope->values > 0;
    const int16_t* env = hasEnvelope ? middleEnvelope->data.get() : &silent;
    const int32_t envLast = hasEnvelope ? middleEnvelope->values - 1 : 0;
    // One output sample (or a one-sample envelope) never moves along the envelope.
    const double qStep = n > 1 ? double(envLast) / double(n - 1) : 0.0;
    double q = 0;
    double p = start;
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k) {
            const double e = ReadInterpolated(env, envLast, q);
            const double middle = static_cast<double>(e * WaveOneBy65535 + 0.5);
            const double rising = (h2 - h1) / middle;
            const double falling = (h1 - h2) / (1 - middle);
            out[k] = ToSampleFast(BlockTriangleValue(triangle, p, middle, h1, h2, rising, falling));
            p = WrapIntoWindow(p + step, 0, 1);
            q += qStep;
        }
    });
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::makeSinus(StopFlag* stop, int16_t high, int16_t low, double period, double periods,
                             double startAngle, int32_t& begin, int32_t& end) const
{
    ClampRange(values, begin, end);
    RefPtr<Wave> table = SineWaveForm(stop);
    if (!table)
        return table;
    int32_t n = ToInt32(periods * period);
    if (n <= 0)
        n = 1;
    const int16_t* sine = table->data.get();
    const int32_t last = table->values - 1;
    const double scale = static_cast<double>((int32_t(high) - int32_t(low)) * WaveOneBy65535);
    const double centre = ToSampleFast((int32_t(high) + int32_t(low)) * 0.5);
    const double step = 1 / period;
    double p = startAngle;
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k) {
            out[k] = BoundedSample()(ReadInterpolated(sine, last, last * p) * scale + centre);
            p += step;
            if (p >= 1)
                p -= std::trunc(p);
            else if (p < 0)
                p = WrapIntoWindow(p, 0, 1); // only a period below 0 gets here
        }
    });
    end = begin + n;
    return result;
}

RefPtr<Wave> Wave::multiFrequency(StopFlag* stop, int32_t length, int32_t count, const double* startVolumes,
                                  const double* periods, const double* startAngles, const double* volumeFactors,
                                  int32_t& begin, int32_t& end) const
{
    RefPtr<Wave> table = SineWaveForm(stop);
    if (!table)
        return table;
    return multiFrequencyWaveForm(stop, length, table.get(), count, startVolumes, periods, startAngles,
                                  volumeFactors, begin, end);
}

RefPtr<Wave> Wave::multiFrequencyWaveForm(StopFlag* stop, int32_t length, const Wave* waveForm, int32_t count,
                                          const double* startVolumes, const double* periods,
                                          const double* startAngles, const double* volumeFactors, int32_t& begin,
                                          int32_t& end) const
{
    ClampRange(values, begin, end);
    const int32_t n = GeneratedLength(length);
    // Without components or a wave form to read, every sample is 0.
    if (startVolumes == nullptr || periods == nullptr || startAngles == nullptr || volumeFactors == nullptr ||
        waveForm == nullptr || waveForm->values == 0 || count < 0)
        count = 0;
    const int16_t* form = count > 0 ? waveForm->data.get() : nullptr;
    const int32_t formLast = count > 0 ? waveForm->values - 1 : 0;
    const double l = count > 0 ? waveForm->values : 0;
    std::vector<double> volume;
    std::vector<double> position;
    std::vector<double> step;
    try {
        volume.resize(size_t(count));
        position.resize(size_t(count));
        step.resize(size_t(count));
    } catch (const std::bad_alloc&) {
        // No room for the components: reported as lack of memory.
        TGuiMessages().ErrorNotEnoughMemory();
        SetStopped(stop);
        return {};
    }
    for (int32_t c = 0; c < count; ++c) {
        volume[c] = startVolumes[c];
        position[c] = l * startAngles[c];
        step[c] = l / periods[c];
    }
    RefPtr<Wave> result = ReplaceRange(stop, *this, begin, end, n, [&](int16_t* out, int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k) {
            int16_t sample = 0;
            for (int32_t c = 0; c < count; ++c) {
                const double pos = position[c];
                const double value = (pos < 0 || pos > formLast) ? 0.0 : ReadInterpolated(form, formLast, pos);
                sample = ToSampleFast(value * volume[c] + sample);
                volume[c] *= volumeFactors[c];
                position[c] = WrapIntoWindow(pos + step[c], 0, formLast);
            }
            out[k] = sample;
        }
    });
    end = begin + n;
    return result;
}

void Wave::drawSegment(StopFlag* stop, RefPtr<Wave>& wave, int32_t begin, int16_t value0, int32_t end,
                       int16_t value1)
{
    if (!wave || end <= begin)
        return;
    // Only the part of the segment inside the Wave is written.
    const int32_t values = wave->values;
    const int32_t first = std::max(begin, 0);
    const int32_t stopAt = std::min(end, values);
    if (first >= stopAt || !detach(stop, wave))
        return;
    int16_t* d = wave->data.get();
    if (end == begin + 1) {
        if (!IsStopped(stop))
            d[begin] = ToSampleFast((int32_t(value0) + int32_t(value1)) * 0.5);
        return;
    }
    // Each value from the segment's start, the product before the quotient: a
    // value the line passes exactly (the last one, value1, above all) is met
    // exactly, where a running sum of the step can fall just short of it.
    const double rise = double(int32_t(value1) - int32_t(value0));
    const double run = double(int64_t(end) - begin - 1);
    const int32_t offset = first - begin;
    ForEachChunk(stop, stopAt - first, [&](int32_t a, int32_t b) {
        for (int32_t k = a; k < b; ++k)
            d[first + k] = ToSampleFast(value0 + double(offset + k) * rise / run);
    });
}
