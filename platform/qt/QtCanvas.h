#pragma once
#include "foundation/draw/Canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPixmap>
#include <QStaticText>

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <tuple>

class QPainter;

// The shared canvas on a QPainter, counting pixels as the interface says:
// rectangles, frames and ellipses keep inside [left, right) x [top, bottom),
// a line leaves out its end point, text stands by its top-left corner. No
// antialiasing. Fonts are asked for by name and size in points (at 96 pixels
// to the inch, whatever the screen): a name the system lacks becomes the
// nearest serif or sans-serif family.
class TQtCanvas : public TCanvas {
public:
    // The painter's device is drawn on; the painter outlives the canvas.
    explicit TQtCanvas(QPainter& painter);
    ~TQtCanvas() override;

    // Where the numbered pictures come from; without a source there are none.
    using TPictureSource = std::function<QPixmap(int32_t number)>;
    void SetPictureSource(TPictureSource source);

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

protected:
    void Line(TCanvasPoint from, TCanvasPoint to) override;

private:
    // The painter's pen from the canvas pen (none for a clear one).
    void UsePen();
    void UseBrush();
    const QFont& CurrentQFont();
    const QPixmap* Picture(int32_t number);
    // The box of a chord or arc and the two angles (1/16 degree) of its radials.
    void ArcAngles(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end, int& from, int& span) const;

    QPainter& Painter;
    TPictureSource PictureSource;
    std::map<int32_t, QPixmap> Pictures;
    // A Qt font with the texts drawn in it, laid out once: drawings repeat
    // their labels paint after paint. Kept for every canvas of the program
    // (the user-interface thread's).
    struct TFontEntry {
        QFont Font;
        QFontMetrics Metrics;
        std::map<std::string, std::pair<QStaticText, int>> Texts;
    };
    // The laid-out text and its width in the current font.
    const std::pair<QStaticText, int>& Laid(const std::string& text);
    std::optional<TCanvasFont> FontFor;
    TFontEntry* Current = nullptr;
};

// 0x00BBGGRR as a Qt colour.
QColor CanvasQColor(TCanvasColor color);
// The Qt font of a canvas font: its family when the system has it, else the
// nearest of its kind; the size in points at 96 pixels to the inch.
QFont CanvasQFont(const TCanvasFont& font);
