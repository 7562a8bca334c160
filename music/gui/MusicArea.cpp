#include "music/gui/MusicArea.h"

#include "music/gui/MDIChildMuz.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

TMusicArea::TMusicArea(TMDIChildMuz& window) : QAbstractScrollArea(&window), Window(window)
{
    setObjectName("MusicArea");
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TMusicArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    Window.PaintMusic(painter, event->rect());
}

void TMusicArea::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    const QPoint at = event->position().toPoint();
    Window.AreaMousePress(at.x(), at.y(), event->buttons() & Qt::LeftButton, event->buttons() & Qt::RightButton);
}

void TMusicArea::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    Window.AreaMouseMove(at.x(), at.y(), event->buttons() & Qt::LeftButton, event->buttons() & Qt::RightButton);
}

void TMusicArea::mouseReleaseEvent(QMouseEvent* event)
{
    Window.AreaMouseRelease(event->buttons() & Qt::LeftButton, event->buttons() & Qt::RightButton);
}

void TMusicArea::keyPressEvent(QKeyEvent* event)
{
    if (Window.AreaKeyPress(*event))
        event->accept();
    else
        QAbstractScrollArea::keyPressEvent(event);
}

void TMusicArea::scrollContentsBy(int, int)
{
    Window.AreaScrolled();
}

void TMusicArea::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Window.UpdateScrollBars();
}
