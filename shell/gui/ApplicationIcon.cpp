#include "shell/gui/ApplicationIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QImage ApplicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32-pixel grid.
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(20, 50, 120), 1));
    p.setBrush(QColor(40, 90, 200));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    QPainterPath sine;
    sine.moveTo(4, 16);
    sine.cubicTo(9, 0, 12, 0, 16, 16);
    sine.cubicTo(20, 32, 23, 32, 28, 16);
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sine);
    return image;
}

QIcon ApplicationIcon()
{
    return QIcon(QPixmap::fromImage(ApplicationIconImage(32)));
}
