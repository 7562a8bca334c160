#pragma once
#include "foundation/draw/Canvas.h"

#include <span>
#include <string>

// A canvas that keeps nothing: a paint's cost without its record. Text is
// measured as 8 x 16 pixels a character.
class NullCanvas : public TCanvas {
public:
    void FillRect(const TCanvasRect&) override {}
    void FrameRect(const TCanvasRect&) override {}
    void Rectangle(const TCanvasRect&) override {}
    void Ellipse(const TCanvasRect&) override {}
    void Polygon(std::span<const TCanvasPoint>, TFillRule) override {}
    void Polyline(std::span<const TCanvasPoint>) override {}
    void Chord(const TCanvasRect&, TCanvasPoint, TCanvasPoint) override {}
    void Arc(const TCanvasRect&, TCanvasPoint, TCanvasPoint) override {}
    void TextOut(int32_t, int32_t, const std::string&) override {}
    void TextRect(const TCanvasRect&, int32_t, int32_t, const std::string&) override {}
    TCanvasSize TextExtent(const std::string& text) override { return {static_cast<int32_t>(8 * text.size()), 16}; }
    void SetClip(const TCanvasRect&) override {}
    void ClearClip() override {}
    void DrawPicture(int32_t, int32_t, int32_t) override {}

protected:
    void Line(TCanvasPoint, TCanvasPoint) override {}
};
