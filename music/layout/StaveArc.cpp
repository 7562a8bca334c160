#include "music/layout/StaveArc.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

int32_t TruncToInt(double value)
{
    if (!(value == value))
        return 0;
    if (value >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    if (value <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    return static_cast<int32_t>(std::trunc(value));
}

namespace {

// y(t) = y1 + b t + c t^2 through y1 and y1 + d, its extreme a above y1.
struct TArc {
    double b = 0;
    double c = 0;

    TArc(double a, double d, double dir)
    {
        if (a == 0.0) {
            b = d;
            return;
        }
        b = 2 * dir * std::sqrt(std::max(0.0, a * a + a * d)) - 2 * a;
        c = b * b / (4 * a);
    }
    double At(double y1, double t) const { return y1 + b * t + c * t * t; }
};

} // namespace

void DrawArc(TCanvas& canvas, TCanvasColor color, TCanvasPoint p1, TCanvasPoint p2, int32_t height)
{
    canvas.SetPenColor(color);
    canvas.SetBrushColor(color);
    double x1 = p1.X;
    double x2 = p2.X;
    if (x1 < x2) {
        x1 += 1;
        x2 -= 1;
    } else {
        x1 -= 1;
        x2 += 1;
    }
    const double y1 = p1.Y;
    const double dir = height < 0 ? 1.0 : -1.0;
    const double d = static_cast<double>(p2.Y) - p1.Y;
    const TArc outer(height, d, dir);
    const TArc inner(height + 4 * dir, d, dir);
    std::array<TCanvasPoint, 48> outline;
    auto point = [&](const TArc& arc, double t) {
        return TCanvasPoint{TruncToInt(x1 + t * (x2 - x1)), TruncToInt(arc.At(y1, t))};
    };
    for (int k = 0; k <= 24; ++k)
        outline[static_cast<size_t>(k)] = point(outer, k * 0.04);
    for (int k = 0; k <= 22; ++k)
        outline[static_cast<size_t>(25 + k)] = point(inner, 1.0 - k * 0.04);
    canvas.Polygon(outline);
}
