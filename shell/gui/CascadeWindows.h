#pragma once

class QMdiArea;
class QMdiSubWindow;
class QRect;
class QSize;

// Cascade as the Window menu means it: the windows overlap from the top left,
// each a title bar's height below and right of the one before, and each large
// enough to work in. (The library's own cascade shrinks every window to its
// size hint, which a wave view does not have.)
void CascadeWindows(QMdiArea& area);

// The size a new document window opens at in a visible area of that size:
// three quarters of it, never smaller than a window to work in.
QSize NewWindowSize(const QSize& visible);

// The first place of the index-th new window in the visible area: the same
// cascade, starting again at the top left when the next step would push the
// window out, and never past the area's edges, where a scroll bar would
// cover it; a window larger than the area is cut to it, down to minimum.
QRect NewWindowPlace(const QRect& visible, const QSize& size, const QSize& minimum, int step, int index);

// Puts a window just added to the area in its first place, as large as
// NewWindowSize of the area's visible part allows.
void PlaceNewWindow(QMdiArea& area, QMdiSubWindow& window);
