#include "foundation/draw/CanvasHelpers.h"

#include "foundation/values/NumericHelpers.h"

void DrawBevelRect(TCanvas& canvas, const TCanvasRect& rect, TCanvasColor color)
{
    const auto c = static_cast<int32_t>(color & 0xFFFFFF);
    canvas.SetBrushColor(static_cast<TCanvasColor>(MixColors(0, c, 0.75)));
    canvas.FillRect(rect);
    canvas.SetPen({static_cast<TCanvasColor>(c), 1, TPenStyle::Solid});
    canvas.MoveTo(rect.Left, rect.Bottom);
    canvas.LineTo(rect.Left, rect.Top);
    canvas.LineTo(rect.Right, rect.Top);
    canvas.SetPen({static_cast<TCanvasColor>(MixColors(0, c, 0.5)), 1, TPenStyle::Solid});
    canvas.LineTo(rect.Right, rect.Bottom);
    canvas.LineTo(rect.Left, rect.Bottom);
}
