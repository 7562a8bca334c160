#include "wave/display/PixelCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

void TPixelCanvas::Resize(int32_t width, int32_t height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width && height == Height)
        return;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height), 0xFF000000u);
    int32_t keepW = std::min(width, Width), keepH = std::min(height, Height);
    for (int32_t y = 0; y < keepH; ++y)
        std::copy_n(Pixels.begin() + static_cast<std::ptrdiff_t>(y) * Width, keepW,
                    pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    Pixels.swap(pixels);
    Width = width;
    Height = height;
}

uint32_t TPixelCanvas::GetColor(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return 0;
    return FromPixel(Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)]);
}

void TPixelCanvas::SetColor(int32_t x, int32_t y, uint32_t color)
{
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return;
    Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)] = ToPixel(color);
}

void TPixelCanvas::FillRect(const TPaneRect& rect, uint32_t color)
{
    TPaneRect r = rect.Intersected(Bounds());
    if (r.IsEmpty())
        return;
    uint32_t pixel = ToPixel(color);
    for (int32_t y = r.top; y < r.bottom; ++y) {
        uint32_t* row = Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(Width);
        std::fill(row + r.left, row + r.right, pixel);
    }
}

void TPixelCanvas::VerticalLine(int32_t x, int32_t y0, int32_t y1, uint32_t color)
{
    if (y1 < y0)
        // Drawn upwards the end is still left out: the pixels y1 + 1 .. y0.
        FillRect({x, y1 + 1, x + 1, y0 + 1}, color);
    else
        FillRect({x, y0, x + 1, y1}, color);
}

void TPixelCanvas::HorizontalLine(int32_t x0, int32_t x1, int32_t y, uint32_t color)
{
    if (x1 < x0)
        FillRect({x1 + 1, y, x0 + 1, y + 1}, color);
    else
        FillRect({x0, y, x1, y + 1}, color);
}

void TPixelCanvas::Ellipse(const TPaneRect& box, uint32_t pen, uint32_t fill)
{
    if (box.IsEmpty())
        return;
    double cx = (box.left + box.right - 1) * 0.5, cy = (box.top + box.bottom - 1) * 0.5;
    double rx = (box.Width() - 1) * 0.5, ry = (box.Height() - 1) * 0.5;
    auto inside = [&](int32_t x, int32_t y) {
        if (rx <= 0 || ry <= 0)
            return true;
        double dx = (x - cx) / (rx + 0.5), dy = (y - cy) / (ry + 0.5);
        return dx * dx + dy * dy <= 1.0;
    };
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            if (!inside(x, y))
                continue;
            bool rim = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            SetColor(x, y, rim ? pen : fill);
        }
    }
}
