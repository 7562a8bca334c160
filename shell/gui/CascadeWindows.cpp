#include "shell/gui/CascadeWindows.h"

#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

void CascadeWindows(QMdiArea& area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::StackingOrder))
        if (!window->isMinimized() && !window->isHidden())
            windows.append(window);
    if (windows.isEmpty())
        return;
    const QRect client = area.viewport()->rect();
    const int step = std::max(area.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &area), 8) + 4;
    // Every window is as large as the last one's place allows, but never
    // smaller than half the area; the offsets start again at the top left
    // when they would push a window out.
    const int count = static_cast<int>(windows.size());
    const int width = std::max(client.width() - (count - 1) * step, client.width() / 2);
    const int height = std::max(client.height() - (count - 1) * step, client.height() / 2);
    const int places = std::max(std::min((client.width() - width) / step, (client.height() - height) / step) + 1, 1);
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        const int offset = (i % places) * step;
        window->setGeometry(client.left() + offset, client.top() + offset, width, height);
        window->raise();
    }
    area.setActiveSubWindow(windows.last());
}
