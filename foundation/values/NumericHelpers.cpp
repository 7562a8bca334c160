#include "foundation/values/NumericHelpers.h"

#include "platform/Assertions.h"
#include "platform/SampleConvert.h"

#include <cmath>

double LinearMap(double x, double x0, double x1, double y0, double y1)
{
    return (x - x0) / (x1 - x0) * (y1 - y0) + y0;
}

double Clamp(double x, double low, double high)
{
    if (x < low)
        return low;
    if (x > high)
        return high;
    return x;
}

double WrapIntoRange(double x, double min, double max)
{
    QB_ASSERT(max > min);
    const double w = max - min;
    if (x < min)
        x += w * std::trunc((min - x) / w + 1);
    x -= w * std::trunc((x - min) / w);
    // Rounding can leave a value a hair outside; the range is half-open.
    if (x >= max || x < min)
        x = min;
    return x;
}

bool IntersectRange(double begin1, double end1, double begin2, double end2, int32_t& begin, int32_t& end)
{
    if (end1 < begin1 || end2 < begin2)
        return false;
    begin = ToInt32(std::fmax(begin1, begin2));
    end = ToInt32(std::fmin(end1, end2));
    return true;
}

double NiceGridStep(double span)
{
    // Callers derive the span from a zoom; an empty one still needs a usable step.
    if (!(span > 0) || !std::isfinite(span))
        return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(span)));
    // The small allowance keeps 0.3 / 0.1 = 2.9999... from reading as a leading 2.
    const double leading = std::trunc(span / power * (1 + 1e-12));
    if (leading < 3)
        return 2 * power;
    if (leading < 6)
        return 5 * power;
    return 10 * power;
}

double RoundUpToStep(double x, double step)
{
    return (std::trunc(x / step) + 1) * step;
}

void SplitBinaryFraction(double x, int32_t& whole, int32_t& numerator, int32_t& denominator)
{
    int32_t d = 1;
    while (d <= 64 && d * x != std::trunc(d * x))
        d *= 2;
    denominator = d;
    whole = ToInt32(x);
    numerator = ToInt32((x - whole) * d);
}

int32_t MixColors(int32_t a, int32_t b, double f)
{
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double ca = (static_cast<uint32_t>(a) >> shift) & 0xFF;
        const double cb = (static_cast<uint32_t>(b) >> shift) & 0xFF;
        // A factor outside [0, 1] must not spill into the next channel.
        const int32_t c = ToInt32(Clamp(ca * (1 - f) + cb * f, 0, 255));
        result |= static_cast<uint32_t>(c) << shift;
    }
    return static_cast<int32_t>(result);
}

double AngleBetweenPoints(TIntPoint source, TIntPoint target)
{
    QB_ASSERT(source.x != target.x || source.y != target.y);
    if (target.x != source.x) {
        const double angle = std::atan((static_cast<double>(target.y) - source.y) / (static_cast<double>(target.x) - source.x));
        return target.x < source.x ? angle + QuarbelPi : angle;
    }
    return target.y <= source.y ? 1.5 * QuarbelPi : 0.5 * QuarbelPi;
}

int32_t CountLines(const std::string& text)
{
    int32_t lines = 1;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\n')
            ++lines;
    return lines;
}
