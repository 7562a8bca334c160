#pragma once
#include "foundation/values/NamedColors.h"
#include "wave/display/PaneRect.h"

#include <cstdint>
#include <vector>

// The picture of a pane: 32-bit pixels that the painters draw into and the
// window shows as it is. Colours come in as the settings hold them (red in
// bits 0-7, green 8-15, blue 16-23); a pixel is stored as 0xFFRRGGBB, the
// layout a display image takes without conversion. Everything drawn is cut
// to the picture.
class TPixelCanvas {
public:
    TPixelCanvas() = default;
    TPixelCanvas(int32_t width, int32_t height) { Resize(width, height); }

    // The pixels are kept where they still fit; new ones are black.
    void Resize(int32_t width, int32_t height);
    int32_t GetWidth() const { return Width; }
    int32_t GetHeight() const { return Height; }
    uint32_t* Bits() { return Pixels.data(); }
    const uint32_t* Bits() const { return Pixels.data(); }
    TPaneRect Bounds() const { return {0, 0, Width, Height}; }

    static uint32_t ToPixel(uint32_t color)
    {
        // A system colour (the grid may have one) is painted in its scheme colour.
        if (IsSystemColor(color))
            color = ResolveColor(color);
        return 0xFF000000u | ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
    }
    static uint32_t FromPixel(uint32_t pixel)
    {
        return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
    }

    // The colour at a pixel; 0 outside the picture.
    uint32_t GetColor(int32_t x, int32_t y) const;
    void SetColor(int32_t x, int32_t y, uint32_t color);
    void FillRect(const TPaneRect& rect, uint32_t color);
    // Pixels (x, y0) up to, not including, (x, y1), in either direction.
    void VerticalLine(int32_t x, int32_t y0, int32_t y1, uint32_t color);
    // Pixels (x0, y) up to, not including, (x1, y).
    void HorizontalLine(int32_t x0, int32_t x1, int32_t y, uint32_t color);
    // An ellipse inside [left, right) x [top, bottom): filled with fill, its rim in pen.
    void Ellipse(const TPaneRect& box, uint32_t pen, uint32_t fill);

private:
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;
};
