#include "wave/gui/WaveWindowIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

constexpr int IconSize = 32;

QPixmap Blank()
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void Frame(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(0.5, 0.5, IconSize - 1, IconSize - 1));
}

// One sine trace around the middle line y, of the given height.
void Trace(QPainter& p, double y, double height, const QColor& color)
{
    QPainterPath path;
    for (int x = 3; x <= IconSize - 3; ++x) {
        const double v = y - height * std::sin((x - 3) * 0.55) * (0.4 + 0.6 * std::sin((x - 3) * 0.11));
        if (x == 3)
            path.moveTo(x, v);
        else
            path.lineTo(x, v);
    }
    p.setPen(QPen(color, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPixmap StereoIcon()
{
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    Frame(p);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.drawLine(QPointF(2, 16), QPointF(IconSize - 2, 16));
    Trace(p, 9, 5.5, QColor(0, 90, 200));
    Trace(p, 23, 5.5, QColor(200, 40, 40));
    return pixmap;
}

QPixmap MonoIcon()
{
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    Frame(p);
    Trace(p, 16, 11, QColor(0, 90, 200));
    return pixmap;
}

QPixmap VolumeIcon()
{
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    Frame(p);
    // Coloured bands: the diagram's cells from quiet (blue) to loud (red).
    for (int column = 0; column < 7; ++column) {
        for (int row = 0; row < 7; ++row) {
            const int level = (column * 3 + (6 - row) * 5 + column * row) % 10;
            p.fillRect(3 + column * 4, 3 + row * 4, 4, 4, QColor::fromHsv(240 - level * 24, 200, 230));
        }
    }
    return pixmap;
}

} // namespace

QIcon WaveWindowIcon(int number)
{
    switch (number) {
    case waveIconStereo: return QIcon(StereoIcon());
    case waveIconMono: return QIcon(MonoIcon());
    case waveIconVolume: return QIcon(VolumeIcon());
    default: return QIcon();
    }
}
