#pragma once
#include "factory/graph/SountoryKinds.h"
#include "foundation/draw/Canvas.h"

#include <cstdint>

class TRectanglePool;

// A rectangle with the hit test the factory window uses for frame and nodes,
// and, when registered in a pool, the pushing of neighbours that keeps nodes
// apart. The frame is in window pixels; node rectangles are relative to the
// frame's top-left corner.
class TSountoryRectangle {
public:
    // Registers itself at the end of the pool's list when a pool is given.
    TSountoryRectangle(const TCanvasRect& rect, TRectanglePool* pool);
    ~TSountoryRectangle();
    TSountoryRectangle(const TSountoryRectangle&) = delete;
    TSountoryRectangle& operator=(const TSountoryRectangle&) = delete;

    // Whether the point lies within 6 pixels of the rectangle; the edge band
    // or corner touched (8 inside) and the distance to the nearer edge.
    bool PointInRectangle(TCanvasPoint point, double& distance, sntTouchPart& part) const;

    // How much of a move the neighbours in the way, the margins and the frame
    // allow; same sign as the move, never larger. Changes nothing.
    int32_t AllowedShiftX(int32_t dx) const;
    int32_t AllowedShiftY(int32_t dy) const;
    // Pushes the neighbours in the way (recursively) and grows the frame to
    // the right (downwards) as far as needed; moves this one when asked.
    void ShiftX(int32_t dx, bool moveSelf);
    void ShiftY(int32_t dy, bool moveSelf);

    TCanvasRect Get() const { return {Left, Top, Right, Bottom}; }
    void Set(const TCanvasRect& rect);
    TRectanglePool* GetPool() const { return Pool; }

    int32_t Left;
    int32_t Top;
    int32_t Right;
    int32_t Bottom;

private:
    TRectanglePool* Pool;
};
