#pragma once
#include "foundation/draw/Canvas.h"

#include <functional>
#include <string>
#include <vector>

// A canvas that draws nothing and keeps every call with the pen, brush and font
// in force, so tests read the geometry a painter produced. Text is measured by
// a fixed rule (every character the same width) unless a test sets its own.
class TRecordingCanvas : public TCanvas {
public:
    enum class TOp : unsigned char {
        FillRect, FrameRect, Rectangle, Ellipse, Polygon, Polyline, Chord, Arc, TextOut, TextRect,
        SetClip, ClearClip, Picture, Line
    };

    struct TCall {
        TOp Op;
        TCanvasRect Rect;                 // rectangles, boxes and clips
        std::vector<TCanvasPoint> Points; // lines, polygons, chord and arc radials, text position
        std::string Text;
        int32_t Number = 0;               // picture number
        TFillRule Rule = TFillRule::OddEven;
        TCanvasPen Pen;
        TCanvasBrush Brush;
        TCanvasFont Font;
    };

    // Width of one character and height of a line for a font; the default is
    // (size * 2 + 2) / 3 wide and size * 2 high.
    using TMetric = std::function<TCanvasSize(const TCanvasFont& font, const std::string& text)>;
    void SetMetric(TMetric metric) { Metric = std::move(metric); }

    const std::vector<TCall>& Calls() const { return Log; }
    void Clear() { Log.clear(); }
    // The calls of one kind, in order.
    std::vector<TCall> CallsOf(TOp op) const;

    void FillRect(const TCanvasRect& rect) override { Add(TOp::FillRect, rect); }
    void FrameRect(const TCanvasRect& rect) override { Add(TOp::FrameRect, rect); }
    void Rectangle(const TCanvasRect& rect) override { Add(TOp::Rectangle, rect); }
    void Ellipse(const TCanvasRect& box) override { Add(TOp::Ellipse, box); }
    void Polygon(std::span<const TCanvasPoint> points, TFillRule rule) override;
    void Polyline(std::span<const TCanvasPoint> points) override;
    void Chord(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end) override;
    void Arc(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end) override;
    void TextOut(int32_t x, int32_t y, const std::string& text) override;
    void TextRect(const TCanvasRect& clip, int32_t x, int32_t y, const std::string& text) override;
    TCanvasSize TextExtent(const std::string& text) override;
    void SetClip(const TCanvasRect& rect) override { Add(TOp::SetClip, rect); }
    void ClearClip() override { Add(TOp::ClearClip, {}); }
    void DrawPicture(int32_t number, int32_t x, int32_t y) override;
    // Every picture of a number from 0 on is 24 by 24 unless a test says otherwise.
    TCanvasSize PictureSize(int32_t number) override;
    void SetPictureSize(TCanvasSize size) { PictureExtent = size; }

protected:
    void Line(TCanvasPoint from, TCanvasPoint to) override;

private:
    TCall& Add(TOp op, const TCanvasRect& rect);

    std::vector<TCall> Log;
    TMetric Metric;
    TCanvasSize PictureExtent{24, 24};
};
