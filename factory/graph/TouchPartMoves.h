#pragma once
#include "factory/graph/SountoryKinds.h"
#include "foundation/draw/Canvas.h"

// Which edges dragging a touched part moves: an edge its own, a corner two,
// the inside all four.
inline bool MovesLeft(sntTouchPart p) { return p == sntTouchLeft || p == sntTouchTopLeft || p == sntTouchBottomLeft; }
inline bool MovesRight(sntTouchPart p)
{
    return p == sntTouchRight || p == sntTouchTopRight || p == sntTouchBottomRight;
}
inline bool MovesTop(sntTouchPart p) { return p == sntTouchTop || p == sntTouchTopLeft || p == sntTouchTopRight; }
inline bool MovesBottom(sntTouchPart p)
{
    return p == sntTouchBottom || p == sntTouchBottomRight || p == sntTouchBottomLeft;
}

// The rectangle with the edges of the touched part moved; inside moves it all.
inline TCanvasRect MovedBy(TCanvasRect r, sntTouchPart part, int32_t dx, int32_t dy)
{
    const bool whole = part == sntTouchInside;
    if (MovesLeft(part) || whole)
        r.Left += dx;
    if (MovesTop(part) || whole)
        r.Top += dy;
    if (MovesRight(part) || whole)
        r.Right += dx;
    if (MovesBottom(part) || whole)
        r.Bottom += dy;
    return r;
}
