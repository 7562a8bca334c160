#include "platform/qt/QtCanvas.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

namespace {

QRect QRectOf(const TCanvasRect& rect)
{
    return {rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top};
}

// The rectangle whose outline a one-pixel pen draws on its last row and column
// inside the canvas rectangle: Qt's outlines include the right and bottom edge.
QRect OutlineRect(const TCanvasRect& rect)
{
    return {rect.Left, rect.Top, rect.Right - rect.Left - 1, rect.Bottom - rect.Top - 1};
}

std::string Lower(const std::string& text)
{
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

// Fonts that stand on serifs under the names the files and drawings use.
bool IsSerifName(const std::string& name)
{
    const std::string lower = Lower(name);
    if (lower.find("sans") != std::string::npos)
        return false;
    for (const char* word : {"serif", "times", "roman", "georgia", "garamond", "book", "century", "palatino",
                             "bodoni", "baskerville", "cambria"})
        if (lower.find(word) != std::string::npos)
            return true;
    return false;
}

// The family the system has for a wished one; found once per name.
QString ResolveFamily(const std::string& name)
{
    static std::map<std::string, QString> resolved;
    if (auto it = resolved.find(name); it != resolved.end())
        return it->second;
    const QStringList families = QFontDatabase::families();
    const QString wished = QString::fromStdString(name);
    QString family;
    for (const QString& each : families) {
        if (each.compare(wished, Qt::CaseInsensitive) == 0) {
            family = each;
            break;
        }
    }
    if (family.isEmpty()) {
        // The metric-compatible stand-ins of the two families the drawings
        // name come first, so text keeps its width.
        const QStringList fallbacks = IsSerifName(name)
                                          ? QStringList{"Liberation Serif", "DejaVu Serif", "FreeSerif", "Noto Serif"}
                                          : QStringList{"Liberation Sans", "DejaVu Sans", "FreeSans", "Noto Sans"};
        for (const QString& each : fallbacks) {
            if (families.contains(each)) {
                family = each;
                break;
            }
        }
    }
    if (family.isEmpty())
        family = wished;
    resolved[name] = family;
    return family;
}

// The fonts made so far, by what makes a font (not its colour).
using TFontKey = std::tuple<std::string, int32_t, bool, bool>;
template <class Entry>
std::map<TFontKey, Entry>& FontCache()
{
    static std::map<TFontKey, Entry> cache;
    // Fonts go while the application that made them still stands.
    static const bool cleared = (qAddPostRoutine([] { FontCache<Entry>().clear(); }), true);
    (void)cleared;
    return cache;
}

// Enough for every label of a large factory; beyond it the cache starts afresh.
constexpr size_t MaxLaidTexts = 8192;

double RadialAngle(double cx, double cy, TCanvasPoint point)
{
    // Counter-clockwise from three o'clock, the screen's y pointing down.
    return std::atan2(-(point.Y - cy), point.X - cx) * 180.0 / std::numbers::pi;
}

} // namespace

QColor CanvasQColor(TCanvasColor color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QFont CanvasQFont(const TCanvasFont& font)
{
    QFont result(ResolveFamily(font.Name));
    result.setStyleHint(IsSerifName(font.Name) ? QFont::Serif : QFont::SansSerif);
    // Points at 96 pixels to the inch, rounded as the platform's fonts are.
    result.setPixelSize(std::max(1, (std::abs(font.Size) * 96 + 36) / 72));
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setKerning(false);
    return result;
}

TQtCanvas::TQtCanvas(QPainter& painter) : Painter(painter)
{
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setRenderHint(QPainter::TextAntialiasing, false);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

TQtCanvas::~TQtCanvas()
{
    Painter.restore();
}

void TQtCanvas::SetPictureSource(TPictureSource source)
{
    PictureSource = std::move(source);
    Pictures.clear();
}

void TQtCanvas::UsePen()
{
    const TCanvasPen& pen = Pen();
    if (pen.Style == TPenStyle::Clear) {
        Painter.setPen(Qt::NoPen);
        return;
    }
    QPen qpen(CanvasQColor(pen.Color));
    // Width 1 is the cosmetic pen, whose pixels are exact.
    qpen.setWidth(pen.Width <= 1 ? 0 : pen.Width);
    qpen.setCapStyle(pen.Width <= 1 ? Qt::SquareCap : Qt::RoundCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    qpen.setStyle(pen.Style == TPenStyle::Dash ? Qt::DashLine : pen.Style == TPenStyle::Dot ? Qt::DotLine
                                                                                               : Qt::SolidLine);
    Painter.setPen(qpen);
}

void TQtCanvas::UseBrush()
{
    const TCanvasBrush& brush = Brush();
    if (brush.Style == TBrushStyle::Clear)
        Painter.setBrush(Qt::NoBrush);
    else
        Painter.setBrush(CanvasQColor(brush.Color));
}

void TQtCanvas::FillRect(const TCanvasRect& rect)
{
    if (Brush().Style == TBrushStyle::Clear || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    Painter.fillRect(QRectOf(rect), CanvasQColor(Brush().Color));
}

void TQtCanvas::FrameRect(const TCanvasRect& rect)
{
    if (Brush().Style == TBrushStyle::Clear || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const QColor color = CanvasQColor(Brush().Color);
    const int w = rect.Width();
    const int h = rect.Height();
    Painter.fillRect(QRect(rect.Left, rect.Top, w, 1), color);
    Painter.fillRect(QRect(rect.Left, rect.Bottom - 1, w, 1), color);
    Painter.fillRect(QRect(rect.Left, rect.Top, 1, h), color);
    Painter.fillRect(QRect(rect.Right - 1, rect.Top, 1, h), color);
}

void TQtCanvas::Rectangle(const TCanvasRect& rect)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    FillRect(rect);
    if (Pen().Style == TPenStyle::Clear)
        return;
    UsePen();
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(OutlineRect(rect));
}

void TQtCanvas::Ellipse(const TCanvasRect& box)
{
    if (box.Width() <= 0 || box.Height() <= 0)
        return;
    UsePen();
    UseBrush();
    Painter.drawEllipse(OutlineRect(box));
}

void TQtCanvas::Polygon(std::span<const TCanvasPoint> points, TFillRule rule)
{
    if (points.empty())
        return;
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const TCanvasPoint& point : points)
        polygon << QPoint(point.X, point.Y);
    UsePen();
    UseBrush();
    Painter.drawPolygon(polygon, rule == TFillRule::OddEven ? Qt::OddEvenFill : Qt::WindingFill);
}

void TQtCanvas::Polyline(std::span<const TCanvasPoint> points)
{
    for (size_t i = 1; i < points.size(); ++i)
        Line(points[i - 1], points[i]);
}

void TQtCanvas::Line(TCanvasPoint from, TCanvasPoint to)
{
    if (from == to || Pen().Style == TPenStyle::Clear)
        return;
    const int dx = to.X - from.X;
    const int dy = to.Y - from.Y;
    UsePen();
    if (Pen().Width > 1) {
        // A wide pen ends round at the end point, as the platform's does.
        Painter.drawLine(QPoint(from.X, from.Y), QPoint(to.X, to.Y));
        return;
    }
    // The pixel before the end point along the longer axis: Qt draws both ends.
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const auto along = [steps](int d) {
        const double t = static_cast<double>(d) * (steps - 1) / steps;
        return static_cast<int>(std::lround(t));
    };
    const QPoint last(from.X + along(dx), from.Y + along(dy));
    if (last == QPoint(from.X, from.Y))
        Painter.drawPoint(last);
    else
        Painter.drawLine(QPoint(from.X, from.Y), last);
}

void TQtCanvas::ArcAngles(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end, int& from, int& span) const
{
    const double cx = (box.Left + box.Right) / 2.0;
    const double cy = (box.Top + box.Bottom) / 2.0;
    const double a = RadialAngle(cx, cy, start);
    double b = RadialAngle(cx, cy, end);
    while (b <= a)
        b += 360.0;
    from = static_cast<int>(std::lround(a * 16));
    span = static_cast<int>(std::lround((b - a) * 16));
}

void TQtCanvas::Chord(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end)
{
    if (box.Width() <= 0 || box.Height() <= 0)
        return;
    int from = 0;
    int span = 0;
    ArcAngles(box, start, end, from, span);
    UsePen();
    UseBrush();
    Painter.drawChord(OutlineRect(box), from, span);
}

void TQtCanvas::Arc(const TCanvasRect& box, TCanvasPoint start, TCanvasPoint end)
{
    if (box.Width() <= 0 || box.Height() <= 0 || Pen().Style == TPenStyle::Clear)
        return;
    int from = 0;
    int span = 0;
    ArcAngles(box, start, end, from, span);
    UsePen();
    Painter.setBrush(Qt::NoBrush);
    Painter.drawArc(OutlineRect(box), from, span);
}

const QFont& TQtCanvas::CurrentQFont()
{
    const TCanvasFont& font = Font();
    if (!Current || !FontFor || FontFor->Size != font.Size || FontFor->Bold != font.Bold ||
        FontFor->Italic != font.Italic || FontFor->Name != font.Name) {
        FontFor = font;
        auto& fonts = FontCache<TFontEntry>();
        const TFontKey key{font.Name, font.Size, font.Bold, font.Italic};
        auto it = fonts.find(key);
        if (it == fonts.end()) {
            const QFont made = CanvasQFont(font);
            it = fonts.emplace(key, TFontEntry{made, QFontMetrics(made), {}}).first;
        }
        Current = &it->second;
    }
    return Current->Font;
}

const std::pair<QStaticText, int>& TQtCanvas::Laid(const std::string& text)
{
    CurrentQFont();
    auto& texts = Current->Texts;
    auto it = texts.find(text);
    if (it == texts.end()) {
        if (texts.size() >= MaxLaidTexts)
            texts.clear();
        const QString qtext = QString::fromStdString(text);
        QStaticText laid(qtext);
        laid.setTextFormat(Qt::PlainText);
        laid.setPerformanceHint(QStaticText::AggressiveCaching);
        laid.prepare(QTransform(), Current->Font);
        it = texts.emplace(text, std::make_pair(laid, Current->Metrics.horizontalAdvance(qtext))).first;
    }
    return it->second;
}

TCanvasSize TQtCanvas::TextExtent(const std::string& text)
{
    return {Laid(text).second, Current->Metrics.height()};
}

void TQtCanvas::TextOut(int32_t x, int32_t y, const std::string& text)
{
    if (text.empty())
        return;
    const auto& [laid, width] = Laid(text);
    if (Painter.font() != Current->Font)
        Painter.setFont(Current->Font);
    if (Brush().Style == TBrushStyle::Solid)
        Painter.fillRect(QRect(x, y, width, Current->Metrics.height()), CanvasQColor(Brush().Color));
    Painter.setPen(CanvasQColor(Font().Color));
    // A laid-out text stands by its top-left corner.
    Painter.drawStaticText(QPoint(x, y), laid);
}

void TQtCanvas::TextRect(const TCanvasRect& clip, int32_t x, int32_t y, const std::string& text)
{
    if (clip.Width() <= 0 || clip.Height() <= 0)
        return;
    Painter.save();
    Painter.setClipRect(QRectOf(clip), Painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    TextOut(x, y, text);
    Painter.restore();
}

void TQtCanvas::SetClip(const TCanvasRect& rect)
{
    Painter.setClipRect(QRectOf(rect));
}

void TQtCanvas::ClearClip()
{
    Painter.setClipping(false);
}

const QPixmap* TQtCanvas::Picture(int32_t number)
{
    if (!PictureSource || number < 0)
        return nullptr;
    auto it = Pictures.find(number);
    if (it == Pictures.end())
        it = Pictures.emplace(number, PictureSource(number)).first;
    return it->second.isNull() ? nullptr : &it->second;
}

void TQtCanvas::DrawPicture(int32_t number, int32_t x, int32_t y)
{
    if (const QPixmap* picture = Picture(number))
        Painter.drawPixmap(x, y, *picture);
}

TCanvasSize TQtCanvas::PictureSize(int32_t number)
{
    const QPixmap* picture = Picture(number);
    return picture ? TCanvasSize{picture->width(), picture->height()} : TCanvasSize{};
}
