#pragma once
#include <QCursor>

// The program's own mouse cursors by number, as document windows ask for them:
// 0 the default arrow, 1 "DRAW", 2 "DELETE", 3 "SIL", 4 "REJECT", 5 "NOTE",
// 6 "ZOOM", 7 "ZOOMOUT"; the standard ones -6 to -9 sizing (north-east to
// south-west, north-south, north-west to south-east, west-east), -11 the
// hourglass, -12 drag. Any other number gives the arrow.
QCursor ScreenCursor(int number);

// Draws the seven custom cursors (32 by 32) once; later calls do nothing.
void LoadCustomCursors();

// The resource name of a custom cursor (1 to 7), or empty.
const char* CustomCursorName(int number);
