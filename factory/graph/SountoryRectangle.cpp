#include "factory/graph/SountoryRectangle.h"

#include "factory/graph/RectanglePool.h"

#include <algorithm>
#include <cstdlib>

TSountoryRectangle::TSountoryRectangle(const TCanvasRect& rect, TRectanglePool* pool)
    : Left(rect.Left), Top(rect.Top), Right(rect.Right), Bottom(rect.Bottom), Pool(pool)
{
    if (Pool)
        Pool->AddRectangle(this);
}

TSountoryRectangle::~TSountoryRectangle()
{
    if (Pool)
        Pool->RemoveRectangle(this);
}

void TSountoryRectangle::Set(const TCanvasRect& rect)
{
    Left = rect.Left;
    Top = rect.Top;
    Right = rect.Right;
    Bottom = rect.Bottom;
}

bool TSountoryRectangle::PointInRectangle(TCanvasPoint point, double& distance, sntTouchPart& part) const
{
    const int32_t x = point.X;
    const int32_t y = point.Y;
    if (!(Left - 6 <= x && x <= Right + 6 && Top - 6 <= y && y <= Bottom + 6))
        return false;
    const int32_t bandX = Right - Left < 18 ? (Right - Left) / 3 : 6;
    const int32_t bandY = Bottom - Top < 18 ? (Bottom - Top) / 3 : 6;
    const int32_t dx = std::min(std::abs(Left - x), std::abs(Right - x));
    const int32_t dy = std::min(std::abs(Top - y), std::abs(Bottom - y));
    distance = std::min(dx, dy);
    const bool nearLeft = Left + bandX > x;
    const bool nearRight = x > Right - bandX;
    const bool nearTop = Top + bandY > y;
    const bool nearBottom = y > Bottom - bandY;
    // Later rules win: bottom beats top and right beats left.
    part = sntTouchInside;
    if (nearLeft)
        part = sntTouchLeft;
    if (nearRight)
        part = sntTouchRight;
    if (nearTop)
        part = nearRight ? sntTouchTopRight : nearLeft ? sntTouchTopLeft : sntTouchTop;
    if (nearBottom)
        part = nearRight ? sntTouchBottomRight : nearLeft ? sntTouchBottomLeft : sntTouchBottom;
    return true;
}

namespace {

// The fields of one axis, so that the horizontal and the vertical moves are
// one algorithm.
struct Axis {
    int32_t TSountoryRectangle::* low;
    int32_t TSountoryRectangle::* high;
    int32_t TRectanglePool::* gap;
    int32_t TRectanglePool::* margin;
    uint8_t TRectanglePool::* freeFlag;
    int backward;
    int forward;
};

constexpr Axis AxisX{&TSountoryRectangle::Left,   &TSountoryRectangle::Right,       &TRectanglePool::GapX,
                     &TRectanglePool::MarginX,    &TRectanglePool::ShiftRightFree, TRectanglePool::Left,
                     TRectanglePool::Right};
constexpr Axis AxisY{&TSountoryRectangle::Top,    &TSountoryRectangle::Bottom,     &TRectanglePool::GapY,
                     &TRectanglePool::MarginY,    &TRectanglePool::ShiftDownFree,  TRectanglePool::Up,
                     TRectanglePool::Down};

int32_t Allowed(const TSountoryRectangle& r, int32_t d, const Axis& a)
{
    TRectanglePool* pool = r.GetPool();
    if (d == 0)
        return 0;
    if (d > 0 && pool && pool->*a.freeFlag)
        return d;
    int32_t allowed = d;
    if (!pool)
        return allowed;
    const int32_t gap = pool->*a.gap;
    const int direction = d > 0 ? a.forward : a.backward;
    for (const TSountoryRectangle* n = pool->FindNeighbour(r, direction, nullptr); n;
         n = pool->FindNeighbour(r, direction, n)) {
        if (d > 0) {
            const int32_t space = n->*a.low - r.*a.high - gap;
            int32_t need = d - space;
            if (need > 0)
                need = Allowed(*n, need, a);
            allowed = std::max(std::min(allowed, need + space), 0);
        } else {
            const int32_t space = r.*a.low - n->*a.high - gap;
            int32_t need = space + d;
            if (need < 0)
                need = Allowed(*n, need, a);
            allowed = std::min(std::max(allowed, need - space), 0);
        }
    }
    if (const TSountoryRectangle* frame = pool->Frame) {
        const int32_t margin = pool->*a.margin;
        if (d > 0)
            allowed = std::max(std::min(allowed, frame->*a.high - frame->*a.low - r.*a.high - margin), 0);
        else
            allowed = std::min(std::max(allowed, margin - r.*a.low), 0);
    }
    return allowed;
}

void Shift(TSountoryRectangle& r, int32_t d, bool moveSelf, const Axis& a)
{
    if (d == 0)
        return;
    TRectanglePool* pool = r.GetPool();
    if (pool) {
        const int32_t gap = pool->*a.gap;
        const int direction = d > 0 ? a.forward : a.backward;
        for (TSountoryRectangle* n = pool->FindNeighbour(r, direction, nullptr); n;
             n = pool->FindNeighbour(r, direction, n)) {
            if (d > 0) {
                const int32_t need = d - (n->*a.low - r.*a.high - gap);
                if (need > 0)
                    Shift(*n, need, true, a);
            } else {
                const int32_t need = (r.*a.low - n->*a.high - gap) + d;
                if (need < 0)
                    Shift(*n, need, true, a);
            }
        }
        // The frame grows whatever the flags say; only the allowed move reads them.
        if (TSountoryRectangle* frame = pool->Frame; frame && d > 0) {
            const int32_t margin = pool->*a.margin;
            if (r.*a.high + d + margin > frame->*a.high - frame->*a.low)
                frame->*a.high = frame->*a.low + r.*a.high + d + margin;
        }
    }
    if (moveSelf) {
        r.*a.low += d;
        r.*a.high += d;
    }
}

} // namespace

int32_t TSountoryRectangle::AllowedShiftX(int32_t dx) const
{
    return Allowed(*this, dx, AxisX);
}

int32_t TSountoryRectangle::AllowedShiftY(int32_t dy) const
{
    return Allowed(*this, dy, AxisY);
}

void TSountoryRectangle::ShiftX(int32_t dx, bool moveSelf)
{
    Shift(*this, dx, moveSelf, AxisX);
}

void TSountoryRectangle::ShiftY(int32_t dy, bool moveSelf)
{
    Shift(*this, dy, moveSelf, AxisY);
}
