#pragma once
#include <cstdint>
#include <span>
#include <string>

// The drawing surface that factories and music paint on. The rules are those
// every caller counts with, said once here so each implementation keeps them:
// - colours are 0x00BBGGRR (red in the low byte);
// - a rectangle is left, top, right, bottom with the right and bottom edges
//   excluded; an ellipse fills its bounding rectangle likewise;
// - a line from (x0, y0) to (x1, y1) omits its end point;
// - polygons fill odd-even unless asked otherwise, outlined with the pen;
// - text is placed by its top-left corner; with a solid brush its box is filled
//   with the brush colour first (opaque), with a clear brush it is not;
// - no antialiasing; coordinates are whole pixels.
// Pen, brush and font are state, as they are on the platform's canvas: set them,
// then draw.
using TCanvasColor = uint32_t;

struct TCanvasPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TCanvasPoint&, const TCanvasPoint&) = default;
};

struct TCanvasRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    friend bool operator==(const TCanvasRect&, const TCanvasRect&) = default;
};

struct TCanvasSize {
    int32_t Width = 0;
    int32_t Height = 0;
    friend bool operator==(const TCanvasSize&, const TCanvasSize&) = default;
};

enum class TPenStyle : unsigned char { Solid, Dash, Dot, Clear };
enum class TBrushStyle : unsigned char { Solid, Clear };
enum class TFillRule : unsigned char { OddEven, Winding };

struct TCanvasPen {
    TCanvasColor Color = 0;
    int32_t Width = 1;
    TPenStyle Style = TPenStyle::Solid;
    friend bool operator==(const TCanvasPen&, const TCanvasPen&) = default;
};

struct TCanvasBrush {
    TCanvasColor Color = 0xFFFFFF;
    TBrushStyle Style = TBrushStyle::Solid;
    friend bool operator==(const TCanvasBrush&, const TCanvasBrush&) = default;
};

// Size in points, as the platform's fonts are given. The name is a wish: an
// implementation without it takes the nearest of the same family (serif or sans).
struct TCanvasFont {
    std::string Name = "Arial";
    int32_t Size = 8;
    bool Bold = false;
    bool Italic = false;
    TCanvasColor Color = 0;
    friend bool operator==(const TCanvasFont&, const TCanvasFont&) = default;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    void SetPen(const TCanvasPen& pen) { CurrentPen = pen; }
    void SetPenColor(TCanvasColor color) { CurrentPen.Color = color; }
    void SetPenWidth(int32_t width) { CurrentPen.Width = width; }
    void SetBrush(const TCanvasBrush& brush) { CurrentBrush = brush; }
    void SetBrushColor(TCanvasColor color) { CurrentBrush = {color, TBrushStyle::Solid}; }
    void SetBrushClear() { CurrentBrush.Style = TBrushStyle::Clear; }
    void SetFont(const TCanvasFont& font) { CurrentFont = font; }
    const TCanvasPen& Pen() const { return CurrentPen; }
    const TCanvasBrush& Brush() const { return CurrentBrush; }
    const TCanvasFont& Font() const { return CurrentFont; }
    TCanvasPoint PenPos() const { return Position; }

    // The brush fills the rectangle; no outline.
    virtual void FillRect(const TCanvasRect& rect) = 0;
    // A one-pixel frame just inside the rectangle in the brush colour.
    virtual void FrameRect(const TCanvasRect& rect) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Rectangle(const TCanvasRect& rect) = 0;
    virtual void Ellipse(const TCanvasRect& box) = 0;
    virtual void Polygon(std::span<const TCanvasPoint> points, TFillRule rule = TFillRule::OddEven) = 0;
    // Connected lines with the pen; the last point is omitted.
    virtual void Polyline(std::span<const TCanvasPoint> points) = 0;
    // The part of the ellipse in the box cut off by the chord from the start
    // radial to the end radial, counter-clockwise: filled and outlined.
    virtual void Chord(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end) = 0;
    // The rim of that part only.
    virtual void Arc(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end) = 0;
    virtual void TextOut(int32_t x, int32_t y, const std::string& text) = 0;
    // Text cut to the rectangle, placed at (x, y).
    virtual void TextRect(const TCanvasRect& clip, int32_t x, int32_t y, const std::string& text) = 0;
    virtual TCanvasSize TextExtent(const std::string& text) = 0;
    // Drawing outside the rectangle is suppressed until the clip is cleared.
    virtual void SetClip(const TCanvasRect& rect) = 0;
    virtual void ClearClip() = 0;
    // One of the program's numbered pictures with its top-left corner at (x, y).
    virtual void DrawPicture(int32_t number, int32_t x, int32_t y) = 0;
    // The size of a numbered picture; 0 by 0 when the canvas has none of that number.
    virtual TCanvasSize PictureSize(int32_t /*number*/) { return {}; }

    void MoveTo(int32_t x, int32_t y) { Position = {x, y}; }
    // A line from the pen position; the end point is omitted and becomes the pen position.
    void LineTo(int32_t x, int32_t y)
    {
        const TCanvasPoint from = Position;
        Position = {x, y};
        Line(from, Position);
    }
    int32_t TextWidth(const std::string& text) { return TextExtent(text).Width; }
    int32_t TextHeight(const std::string& text) { return TextExtent(text).Height; }

protected:
    virtual void Line(TCanvasPoint from, TCanvasPoint to) = 0;

private:
    TCanvasPen CurrentPen;
    TCanvasBrush CurrentBrush;
    TCanvasFont CurrentFont;
    TCanvasPoint Position;
};

// 0x00BBGGRR from its three channels.
constexpr TCanvasColor CanvasRgb(uint32_t red, uint32_t green, uint32_t blue)
{
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
