#include "wave/display/PaneZoom.h"

#include "platform/Random15.h"
#include "platform/SampleConvert.h"

#include <algorithm>
#include <cmath>

TRandomSource SharedRandomSource()
{
    return [] { return SharedRandom().Next(); };
}

double TPaneZoom::FirstVisibleWavePos(int32_t values) const
{
    if (!Zoomed || Range == 0)
        return 0.0;
    return values * (static_cast<double>(Position) / Range);
}

double TPaneZoom::LastVisibleWavePos(int32_t values, int32_t width) const
{
    if (!Zoomed || Range == 0)
        return static_cast<double>(values);
    return values * ((static_cast<double>(width) + Position) / Range);
}

void TPaneZoom::ZoomToRange(int32_t from, int32_t to, int32_t values, int32_t width, const TRandomSource& random)
{
    Zoomed = true;
    double span = static_cast<double>(to) - static_cast<double>(from);
    if (span == 0)
        span = 1;
    double range = static_cast<double>(width) * (values / span);
    Range = ToInt32(std::min(range, static_cast<double>(MaxRange)));
    if (Range < 0)
        Range = 0;
    int32_t p = values > 0 ? ToInt32(static_cast<double>(from) / values * Range) : 0;
    if (random && random() > 16383)
        ++p;
    Increment = width / 10;
    Position = std::clamp(p, 0, MaxRange);
}

int32_t TPaneZoom::ScrollMaximum(int32_t width) const
{
    return std::max({0, Range - width, Position});
}

bool DragZoomRange(double first, double last, int32_t centre, int32_t d, int32_t values, int32_t& newFirst,
                   int32_t& newLast)
{
    double k = std::pow(1.02, d * std::sqrt(std::abs(static_cast<double>(d))));
    double top = values - 1;
    double f = std::clamp(centre + (first - centre) * k, 0.0, top);
    double l = std::clamp(centre + (last - centre) * k, 0.0, top);
    if (l < f + 2)
        l = f + 2;
    newFirst = ToInt32(f);
    newLast = ToInt32(l);
    return !(f == 0 && l == top);
}
