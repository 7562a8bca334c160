#pragma once
#include "foundation/draw/Canvas.h"

// A canvas in front of another that passes on only what reaches the visible
// rectangle: a window that lays out far more than it shows draws what it
// shows. The pen, brush and font in force go along with each call passed on.
class TCullingCanvas : public TCanvas {
public:
    TCullingCanvas(TCanvas& target, const TCanvasRect& visible) : Target(target), Visible(visible) {}

    void FillRect(const TCanvasRect& rect) override;
    void FrameRect(const TCanvasRect& rect) override;
    void Rectangle(const TCanvasRect& rect) override;
    void Ellipse(const TCanvasRect& box) override;
    void Polygon(std::span<const TCanvasPoint> points, TFillRule rule = TFillRule::OddEven) override;
    void Polyline(std::span<const TCanvasPoint> points) override;
    void Chord(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end) override;
    void Arc(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end) override;
    void TextOut(int32_t x, int32_t y, const std::string& text) override;
    void TextRect(const TCanvasRect& clip, int32_t x, int32_t y, const std::string& text) override;
    TCanvasSize TextExtent(const std::string& text) override;
    void SetClip(const TCanvasRect& rect) override;
    void ClearClip() override;
    void DrawPicture(int32_t number, int32_t x, int32_t y) override;
    TCanvasSize PictureSize(int32_t number) override;

    // How many calls reached the target and how many were dropped.
    int64_t Passed() const { return PassedCount; }
    int64_t Dropped() const { return DroppedCount; }

protected:
    void Line(TCanvasPoint from, TCanvasPoint to) override;

private:
    // Whether a drawing within bounds (the pen's width around it) shows; the
    // state is handed on when it does.
    bool Shows(TCanvasRect bounds);
    bool Shows(std::span<const TCanvasPoint> points);

    TCanvas& Target;
    TCanvasRect Visible;
    int64_t PassedCount = 0;
    int64_t DroppedCount = 0;
};
