#include "wave/display/VolumeBands.h"

#include "wave/view/VoldViewProps.h"

#include <algorithm>
#include <cmath>

namespace {

double AtLeastMinPeriod(double period)
{
    // A non-finite period (settings from a damaged file) is as short as allowed.
    if (!std::isfinite(period) || period < TVolumeBandCoefficients::MinPeriodSamples)
        return TVolumeBandCoefficients::MinPeriodSamples;
    return period;
}

} // namespace

TVolumeBandCoefficients InitVolumeBands(const TVoldViewProps& props, double sampleFreq)
{
    int32_t count = std::max(props.YResolution.GetValue(), 1);
    double f = sampleFreq > 0 ? sampleFreq : 1.0;
    double minTime = TVolumeBandCoefficients::MinPeriodSamples / f;
    double timeTop = std::max(props.TimeTop.GetValue(), minTime);
    double timeBottom = std::max(props.TimeBottom.GetValue(), minTime);
    double yWidth = props.YWidth.GetValue();

    double period = AtLeastMinPeriod(f * timeTop);
    double r = std::pow(timeBottom / timeTop, 1.0 / count);
    double dT = (timeBottom - timeTop) * f / count;
    double freq = 1.0 / timeTop;
    double dF = (1.0 / timeTop - 1.0 / timeBottom) / count;

    TVolumeBandCoefficients result;
    result.Tr.resize(static_cast<size_t>(count));
    result.Free.resize(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        result.Tr[static_cast<size_t>(i)] = static_cast<float>(2.466 / period / period);
        double weight = 1.0;
        switch (props.FreqAxisKind) {
        case YLog:
            period = r * period;
            break;
        case YLinTime:
            period = period + dT;
            weight = 1.0 / (3.0 * (i + 1) / count);
            break;
        default:
            freq = freq - dF;
            period = f / freq;
            weight = 1.0 / (3.0 * (count - i + 1) / count);
            break;
        }
        period = AtLeastMinPeriod(period);
        double base = r > 1 ? r : 1 / r;
        double q = std::pow(base, yWidth * weight);
        float d = static_cast<float>(1.0 - 1.0 / q);
        float free = static_cast<float>(std::pow(1.0 - d, 1.0 / period));
        result.Free[static_cast<size_t>(i)] = std::isfinite(free) ? free : 1.0f;
    }
    return result;
}

TVolumeBands::TVolumeBands(const TVolumeBandCoefficients& coefficients)
    : Tr(coefficients.Tr), Free(coefficients.Free), Rest(Free.size()), Value(Free.size()), Speed(Free.size()),
      Volume(Free.size())
{
    for (size_t i = 0; i < Free.size(); ++i)
        Rest[i] = 1.0f - Free[i];
}

void TVolumeBands::Reset()
{
    std::fill(Value.begin(), Value.end(), 0.0f);
    std::fill(Speed.begin(), Speed.end(), 0.0f);
    std::fill(Volume.begin(), Volume.end(), 0.0f);
}

namespace {

// One sample through every band. The bands are independent, so the loop runs
// several of them at once; the four resonator steps of a sample are written out.
void ResonateBands(size_t count, const float* __restrict tr, const float* __restrict free,
                   const float* __restrict rest, float* __restrict value, float* __restrict speed,
                   float* __restrict volume, float sample)
{
    for (size_t i = 0; i < count; ++i) {
        float v = value[i];
        float s = speed[i];
        const float t = tr[i], f = free[i], input = rest[i] * sample;
        v = s * t + v;
        s = s - v;
        v = f * v + input;
        v = s * t + v;
        s = s - v;
        v = f * v + input;
        v = s * t + v;
        s = s - v;
        v = f * v + input;
        v = s * t + v;
        s = s - v;
        v = f * v + input;
        value[i] = v;
        speed[i] = s;
        // The peak is kept untruncated; truncating it when it is taken gives
        // the same as keeping the largest truncated value.
        float a = std::fabs(v);
        volume[i] = volume[i] < a ? a : volume[i];
    }
}

} // namespace

void TVolumeBands::ProcessSample(float sample)
{
    ResonateBands(Tr.size(), Tr.data(), Free.data(), Rest.data(), Value.data(), Speed.data(), Volume.data(), sample);
}

float TVolumeBands::TakeVolume(int32_t band)
{
    float peak = std::trunc(Volume[static_cast<size_t>(band)]);
    Volume[static_cast<size_t>(band)] = 0.0f;
    float result = peak * (1.0f / 32768.0f);
    return std::isfinite(result) && result >= 0 ? result : 0.0f;
}
