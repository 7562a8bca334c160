#include "foundation/draw/CullingCanvas.h"

#include <algorithm>

bool TCullingCanvas::Shows(TCanvasRect bounds)
{
    // The pen draws on both sides of a line; a pixel more for rounding.
    const int32_t margin = std::max(1, Pen().Width) + 1;
    const bool shows = bounds.Right + margin > Visible.Left && bounds.Left - margin < Visible.Right &&
                       bounds.Bottom + margin > Visible.Top && bounds.Top - margin < Visible.Bottom;
    if (!shows) {
        ++DroppedCount;
        return false;
    }
    ++PassedCount;
    Target.SetPen(Pen());
    Target.SetBrush(Brush());
    Target.SetFont(Font());
    return true;
}

bool TCullingCanvas::Shows(std::span<const TCanvasPoint> points)
{
    if (points.empty())
        return false;
    TCanvasRect bounds{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (const TCanvasPoint& p : points) {
        bounds.Left = std::min(bounds.Left, p.X);
        bounds.Top = std::min(bounds.Top, p.Y);
        bounds.Right = std::max(bounds.Right, p.X);
        bounds.Bottom = std::max(bounds.Bottom, p.Y);
    }
    return Shows(bounds);
}

void TCullingCanvas::FillRect(const TCanvasRect& rect)
{
    if (Shows(rect))
        Target.FillRect(rect);
}

void TCullingCanvas::FrameRect(const TCanvasRect& rect)
{
    if (Shows(rect))
        Target.FrameRect(rect);
}

void TCullingCanvas::Rectangle(const TCanvasRect& rect)
{
    if (Shows(rect))
        Target.Rectangle(rect);
}

void TCullingCanvas::Ellipse(const TCanvasRect& box)
{
    if (Shows(box))
        Target.Ellipse(box);
}

void TCullingCanvas::Polygon(std::span<const TCanvasPoint> points, TFillRule rule)
{
    if (Shows(points))
        Target.Polygon(points, rule);
}

void TCullingCanvas::Polyline(std::span<const TCanvasPoint> points)
{
    if (Shows(points))
        Target.Polyline(points);
}

void TCullingCanvas::Chord(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end)
{
    if (Shows(box))
        Target.Chord(box, start, end);
}

void TCullingCanvas::Arc(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end)
{
    if (Shows(box))
        Target.Arc(box, start, end);
}

void TCullingCanvas::TextOut(int32_t x, int32_t y, const std::string& text)
{
    // Measured in the font in force.
    Target.SetFont(Font());
    const TCanvasSize size = Target.TextExtent(text);
    if (Shows(TCanvasRect{x, y, x + size.Width, y + size.Height}))
        Target.TextOut(x, y, text);
}

void TCullingCanvas::TextRect(const TCanvasRect& clip, int32_t x, int32_t y, const std::string& text)
{
    if (Shows(clip))
        Target.TextRect(clip, x, y, text);
}

TCanvasSize TCullingCanvas::TextExtent(const std::string& text)
{
    Target.SetFont(Font());
    return Target.TextExtent(text);
}

void TCullingCanvas::SetClip(const TCanvasRect& rect)
{
    Target.SetClip(rect);
}

void TCullingCanvas::ClearClip()
{
    Target.ClearClip();
}

void TCullingCanvas::DrawPicture(int32_t number, int32_t x, int32_t y)
{
    const TCanvasSize size = Target.PictureSize(number);
    if (Shows(TCanvasRect{x, y, x + size.Width, y + size.Height}))
        Target.DrawPicture(number, x, y);
}

TCanvasSize TCullingCanvas::PictureSize(int32_t number)
{
    return Target.PictureSize(number);
}

void TCullingCanvas::Line(TCanvasPoint from, TCanvasPoint to)
{
    const TCanvasPoint ends[] = {from, to};
    if (!Shows(ends))
        return;
    Target.MoveTo(from.X, from.Y);
    Target.LineTo(to.X, to.Y);
}
