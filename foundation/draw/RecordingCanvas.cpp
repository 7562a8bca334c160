#include "foundation/draw/RecordingCanvas.h"

std::vector<TRecordingCanvas::TCall> TRecordingCanvas::CallsOf(TOp op) const
{
    std::vector<TCall> result;
    for (const TCall& call : Log)
        if (call.Op == op)
            result.push_back(call);
    return result;
}

TRecordingCanvas::TCall& TRecordingCanvas::Add(TOp op, const TCanvasRect& rect)
{
    TCall& call = Log.emplace_back();
    call.Op = op;
    call.Rect = rect;
    call.Pen = Pen();
    call.Brush = Brush();
    call.Font = Font();
    return call;
}

void TRecordingCanvas::Polygon(std::span<const TCanvasPoint> points, TFillRule rule)
{
    TCall& call = Add(TOp::Polygon, {});
    call.Points.assign(points.begin(), points.end());
    call.Rule = rule;
}

void TRecordingCanvas::Polyline(std::span<const TCanvasPoint> points)
{
    Add(TOp::Polyline, {}).Points.assign(points.begin(), points.end());
}

void TRecordingCanvas::Chord(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end)
{
    Add(TOp::Chord, box).Points = {start, end};
}

void TRecordingCanvas::Arc(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end)
{
    Add(TOp::Arc, box).Points = {start, end};
}

void TRecordingCanvas::TextOut(int32_t x, int32_t y, const std::string& text)
{
    TCall& call = Add(TOp::TextOut, {});
    call.Points = {{x, y}};
    call.Text = text;
}

void TRecordingCanvas::TextRect(const TCanvasRect& clip, int32_t x, int32_t y, const std::string& text)
{
    TCall& call = Add(TOp::TextRect, clip);
    call.Points = {{x, y}};
    call.Text = text;
}

TCanvasSize TRecordingCanvas::TextExtent(const std::string& text)
{
    if (Metric)
        return Metric(Font(), text);
    const int32_t size = Font().Size > 0 ? Font().Size : 1;
    return {static_cast<int32_t>(text.size()) * ((size * 2 + 2) / 3), size * 2};
}

void TRecordingCanvas::DrawPicture(int32_t number, int32_t x, int32_t y)
{
    TCall& call = Add(TOp::Picture, {});
    call.Number = number;
    call.Points = {{x, y}};
}

TCanvasSize TRecordingCanvas::PictureSize(int32_t number)
{
    return number >= 0 ? PictureExtent : TCanvasSize{};
}

void TRecordingCanvas::Line(TCanvasPoint from, TCanvasPoint to)
{
    Add(TOp::Line, {}).Points = {from, to};
}
