#include "factory/graph/ConnectionArrow.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"

#include <array>
#include <cmath>

void DrawConnectionArrow(TCanvas& canvas, TCanvasPoint from, TCanvasPoint to, int32_t tipDistance, int32_t penWidth,
                         TCanvasColor color)
{
    constexpr double barbAngle = 0.251322344;
    constexpr double barbLength = 14;
    const double a = from == to ? 0.0 : AngleBetweenPoints({from.X, from.Y}, {to.X, to.Y});
    const TCanvasPoint tip{ToInt32(to.X - tipDistance * std::cos(a)), ToInt32(to.Y - tipDistance * std::sin(a))};
    const TCanvasPoint barb1{ToInt32(tip.X - barbLength * std::cos(a - barbAngle)),
                             ToInt32(tip.Y - barbLength * std::sin(a - barbAngle))};
    const TCanvasPoint barb2{ToInt32(tip.X - barbLength * std::cos(a + barbAngle)),
                             ToInt32(tip.Y - barbLength * std::sin(a + barbAngle))};
    canvas.SetPen({color, penWidth, TPenStyle::Solid});
    canvas.SetBrushColor(color);
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
    const std::array<TCanvasPoint, 3> head = {tip, barb1, barb2};
    canvas.Polygon(head);
}
