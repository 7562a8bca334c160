#pragma once

class QMdiArea;

// Cascade as the Window menu means it: the windows overlap from the top left,
// each a title bar's height below and right of the one before, and each large
// enough to work in. (The library's own cascade shrinks every window to its
// size hint, which a wave view does not have.)
void CascadeWindows(QMdiArea& area);
