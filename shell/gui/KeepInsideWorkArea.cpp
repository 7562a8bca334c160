#include "shell/gui/KeepInsideWorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void KeepInsideWorkArea(QWidget& window)
{
    const QRect frame = window.frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int x = std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    // A top-level window's position is that of its frame.
    if (x != frame.left() || y != frame.top())
        window.move(x, y);
}
