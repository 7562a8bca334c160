#include "foundation/gui/CustomCursors.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>
#include <utility>
#include <optional>

namespace {

constexpr int CursorSize = 32;

struct TCursorShape {
    const char* name;
    int hotX;
    int hotY;
    void (*paint)(QPainter&);
};

void Outlined(QPainter& p, const QPainterPath& path, const QColor& fill)
{
    p.setPen(QPen(Qt::white, 3));
    p.drawPath(path);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(fill);
    p.drawPath(path);
}

void Magnifier(QPainter& p, bool plus)
{
    QPainterPath glass;
    glass.addEllipse(QRectF(3, 3, 17, 17));
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 18), QPointF(29, 29));
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 18), QPointF(29, 29));
    Outlined(p, glass, QColor(230, 240, 255));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(7, 11.5), QPointF(16, 11.5));
    if (plus)
        p.drawLine(QPointF(11.5, 7), QPointF(11.5, 16));
}

void PaintDraw(QPainter& p)
{
    QPainterPath pencil;
    pencil.moveTo(1, 31);
    pencil.lineTo(4, 22);
    pencil.lineTo(22, 4);
    pencil.lineTo(28, 10);
    pencil.lineTo(10, 28);
    pencil.closeSubpath();
    Outlined(p, pencil, QColor(250, 210, 90));
}

void PaintDelete(QPainter& p)
{
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(6, 6, 26, 26);
    p.drawLine(26, 6, 6, 26);
    p.setPen(QPen(QColor(200, 0, 0), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(6, 6, 26, 26);
    p.drawLine(26, 6, 6, 26);
}

void PaintSilence(QPainter& p)
{
    QPainterPath bar;
    bar.addRect(QRectF(6, 12, 20, 7));
    Outlined(p, bar, Qt::black);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(2, 12, 30, 12);
}

void PaintReject(QPainter& p)
{
    p.setPen(QPen(Qt::white, 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 5, 22, 22));
    p.drawLine(9, 23, 23, 9);
    p.setPen(QPen(QColor(200, 0, 0), 4));
    p.drawEllipse(QRectF(5, 5, 22, 22));
    p.drawLine(9, 23, 23, 9);
}

void PaintNote(QPainter& p)
{
    QPainterPath note;
    note.addEllipse(QRectF(4, 21, 11, 8));
    note.addRect(QRectF(13, 3, 2.5, 22));
    Outlined(p, note, Qt::black);
}

void PaintZoom(QPainter& p) { Magnifier(p, true); }
void PaintZoomOut(QPainter& p) { Magnifier(p, false); }

// Indexed by cursor number - 1.
constexpr TCursorShape Shapes[] = {
    {"DRAW", 1, 31, PaintDraw},   {"DELETE", 16, 16, PaintDelete}, {"SIL", 16, 16, PaintSilence},
    {"REJECT", 16, 16, PaintReject}, {"NOTE", 9, 25, PaintNote},  {"ZOOM", 11, 11, PaintZoom},
    {"ZOOMOUT", 11, 11, PaintZoomOut},
};

std::array<std::optional<QCursor>, 7>& Table()
{
    static std::array<std::optional<QCursor>, 7> table;
    return table;
}

QCursor MakeCursor(const TCursorShape& shape)
{
    QPixmap pixmap(CursorSize, CursorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    shape.paint(painter);
    painter.end();
    return QCursor(pixmap, shape.hotX, shape.hotY);
}

} // namespace

const char* CustomCursorName(int number)
{
    return number >= 1 && number <= 7 ? Shapes[number - 1].name : "";
}

void LoadCustomCursors()
{
    // The order in which they were always loaded.
    for (int number : {1, 4, 2, 3, 5, 6, 7})
        if (!Table()[number - 1])
            Table()[number - 1] = MakeCursor(Shapes[number - 1]);
}

QCursor ScreenCursor(int number)
{
    // The platform's standard cursors by their numbers.
    static constexpr std::pair<int, Qt::CursorShape> Standard[] = {
        {-6, Qt::SizeBDiagCursor}, {-7, Qt::SizeVerCursor}, {-8, Qt::SizeFDiagCursor},
        {-9, Qt::SizeHorCursor},   {-11, Qt::WaitCursor},   {-12, Qt::DragMoveCursor},
    };
    for (const auto& [standard, shape] : Standard)
        if (number == standard)
            return QCursor(shape);
    if (number >= 1 && number <= 7) {
        auto& slot = Table()[number - 1];
        if (!slot)
            slot = MakeCursor(Shapes[number - 1]);
        return *slot;
    }
    return QCursor(Qt::ArrowCursor);
}
