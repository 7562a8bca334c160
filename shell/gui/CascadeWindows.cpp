#include "shell/gui/CascadeWindows.h"

#include <QCoreApplication>
#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

namespace {

// A title bar's height and a little more: each cascaded window shows the
// title of the one under it.
int CascadeStep(const QMdiArea& area)
{
    return std::max(area.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &area), 8) + 4;
}

} // namespace

void CascadeWindows(QMdiArea& area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::StackingOrder))
        if (!window->isMinimized() && !window->isHidden())
            windows.append(window);
    if (windows.isEmpty())
        return;
    const QRect client = area.viewport()->rect();
    const int step = CascadeStep(area);
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

QSize NewWindowSize(const QSize& visible)
{
    return QSize(std::max(320, visible.width() * 3 / 4), std::max(200, visible.height() * 3 / 4));
}

QRect NewWindowPlace(const QRect& visible, const QSize& size, const QSize& minimum, int step, int index)
{
    const int width = std::max(std::min(size.width(), visible.width()), minimum.width());
    const int height = std::max(std::min(size.height(), visible.height()), minimum.height());
    step = std::max(step, 1);
    const int places = std::max(std::min((visible.width() - width) / step, (visible.height() - height) / step) + 1, 1);
    const int offset = (std::max(index, 0) % places) * step;
    return QRect(visible.left() + offset, visible.top() + offset, width, height);
}

void PlaceNewWindow(QMdiArea& area, QMdiSubWindow& window)
{
    if (window.isMaximized() || window.isMinimized())
        return;
    const int others = static_cast<int>(area.subWindowList().size()) - 1;
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    // Scroll bars that the window's first guess called up go once it is in
    // place, and leave more room: placed again in that.
    for (int tries = 0; tries < 3; ++tries) {
        const QRect visible = area.viewport()->rect();
        window.setGeometry(NewWindowPlace(visible, NewWindowSize(visible.size()), minimum, CascadeStep(area), others));
        QCoreApplication::sendPostedEvents(&area, QEvent::LayoutRequest);
        if (area.viewport()->rect() == visible)
            break;
    }
}
