#pragma once
#include "wave/MainFormAccess.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

class QWidget;

// The modeless dialogs are placed by the top left corner of their frame, the
// title bar and borders included, on the screen's available area (the screen
// without the desktop's panels). A window manager frames a window only after
// it is shown: until then the frame is guessed from the owner's, and the
// dialog is placed again once it is framed.

// ---------------------------------------------------------------- the arithmetic

// The size of the dialog with its frame. A dialog not framed yet (its frame
// still equals its client size) is taken to be framed as its owner is.
QSize DialogFrameSize(const QSize& client, const QSize& frame, const QMargins& ownerFrame);

// Where the corner of a frame of the size goes at the main window's right and
// bottom edges: Left = min(area right - frame width, main right), Top likewise
// from the bottoms, but never left of or above the area.
QPoint FrameCornerAtMainFormEdges(const QRect& area, const MainFormRect& main, const QSize& frame);

// The corner moved as little as the frame must to lie inside the area; a frame
// larger than the area keeps its top left corner inside.
QPoint FrameCornerInsideArea(const QRect& area, const QPoint& corner, const QSize& frame);

// A screen: all of it, and its available area.
struct ScreenArea {
    QRect geometry;
    QRect available;
};

// The available area of the screen the frame falls on (the one it covers
// most); the fallback's when it falls on none.
QRect AreaUnderFrame(const std::vector<ScreenArea>& screens, const QRect& frame, const QRect& fallback);

// A modeless dialog of the given client size and frame (the client size while
// not framed) at the main window's edges, its frame guessed from the owner's.
QPoint DialogCornerAtMainFormEdges(const QRect& area, const MainFormRect& main, const QSize& client,
                                   const QSize& frame, const QMargins& ownerFrame);

// ---------------------------------------------------------------- the dialogs

// Where the frame's corner goes, from the available area and the frame's size.
using DialogCornerRule = std::function<QPoint(const QRect& area, const QSize& frame)>;

// Places a shown dialog by the rule: at once by its frame or a guess of it,
// and again by the same rule once the window manager has framed it. A later
// placing replaces one still waiting for the frame.
void PlaceDialogFrame(QWidget& dialog, DialogCornerRule rule);

// At the main window's right and bottom edges, inside the available area.
void PlaceDialogAtMainFormEdges(QWidget& dialog);

// The frame's corner at the point, as a project keeps it, moved as little as
// needed to lie inside the available area of the screen it falls on (the
// owner's screen when it falls on none). A place that fits stays to the pixel.
void PlaceDialogFrameAt(QWidget& dialog, const QPoint& corner);

// The corner kept inside that area, for a frame of the size.
QPoint DialogFrameCornerOnScreen(const QWidget& dialog, const QPoint& corner, const QSize& frame);

// A top-level window's client area put at the rectangle, its frame kept
// inside the available area as a dialog's: by the frame it has, or once the
// window manager has framed it.
void PlaceWindowOnScreen(QWidget& window, const QRect& client);

// A tool box that a window manager maximises or makes full screen all the
// same (some offer Maximise to any window that can be resized) goes back to
// its place and size.
void KeepDialogNormal(QWidget& dialog);

// Where the frame's corner is, or is about to be while the dialog waits for its frame.
QPoint DialogFrameCorner(const QWidget& dialog);
