// The geometry the factory window asks of its factory: what lies under the
// mouse, where the frame may go and where a new node fits.
#include "factory/document/FactoryWindowAccess.h"
#include "factory/document/UnitSountory.h"
#include "factory/graph/TouchPartMoves.h"

#include <algorithm>

namespace {

constexpr double NoHit = 1000.0;
constexpr int32_t MinFrameLeft = 23;
constexpr int32_t MinFrameWidth = 70;
constexpr int32_t MinFrameHeight = 40;
constexpr int32_t MarginX = 15;
constexpr int32_t MarginY = 5;
constexpr int32_t GapX = 10;
constexpr int32_t GapY = 3;
// How near a new node must stay to where it was dropped.
constexpr int32_t DropReach = 10;
// Pushing aside turns at most this often: each turn moves past every node in
// the way, and the drop point must stay near, so a place is found early or not.
constexpr int MaxPushDepth = 6;

bool Opposite(int a, int b)
{
    using U = TUnitSountory;
    return (a == U::PushLeft && b == U::PushRight) || (a == U::PushRight && b == U::PushLeft) ||
           (a == U::PushUp && b == U::PushDown) || (a == U::PushDown && b == U::PushUp);
}

// Grows [start, end] to the wanted length within [lo, hi]: half on each side
// first, then the rest to the end, and what still lacks to the start.
void GrowSpan(int32_t wanted, int32_t lo, int32_t hi, int32_t& start, int32_t& end)
{
    int32_t d = wanted - (end - start);
    const int32_t half = d / 2;
    if (half > start - lo)
        start = lo;
    else
        start -= half;
    d = wanted - (end - start);
    if (d > hi - end)
        end = hi;
    else
        end += d;
    d = wanted - (end - start);
    if (d > start - lo)
        start = lo;
    else
        start -= d;
}

} // namespace

bool TUnitSountory::PointInObject(TCanvasPoint point, sntSountoryObject& kind, TSountoryTouchable*& item,
                                  sntTouchPart& part, bool forDragging)
{
    kind = static_cast<sntSountoryObject>(0);
    item = nullptr;
    part = sntTouchInside;
    double best = NoHit;
    auto consider = [&](TSountoryTouchable& candidate, sntSountoryObject candidateKind) {
        double distance = NoHit;
        sntTouchPart touched = sntTouchInside;
        if (candidate.PointInTouchable(point, distance, touched) && distance < best) {
            best = distance;
            kind = candidateKind;
            item = &candidate;
            part = touched;
        }
    };
    for (const auto& node : NodeItems) {
        for (const auto& pin : node->Inputs())
            consider(*pin, sntSountoryObjectNodeInput);
        for (const auto& pin : node->Outputs())
            consider(*pin, sntSountoryObjectNodeOutput);
        consider(*node, sntSountoryObjectNode);
    }
    for (const auto& input : InputItems)
        consider(static_cast<TSountoryInputOutput&>(*input), sntSountoryObjectInput);
    for (const auto& output : OutputItems)
        consider(static_cast<TSountoryInputOutput&>(*output), sntSountoryObjectOutput);
    consider(*this, sntSountoryObjectSountory);

    if (kind == sntSountoryObjectSountory && forDragging) {
        // Only the right and bottom edges of the frame can be dragged.
        switch (part) {
        case sntTouchLeft:
        case sntTouchTop:
        case sntTouchTopLeft:
        case sntTouchInside:
            kind = static_cast<sntSountoryObject>(0);
            item = nullptr;
            return false;
        case sntTouchTopRight: part = sntTouchRight; break;
        case sntTouchBottomLeft: part = sntTouchBottom; break;
        default: break;
        }
    }
    return best < NoHit;
}

void TUnitSountory::ConstrainFrame(sntTouchPart part, TCanvasRect& rect) const
{
    const bool whole = part == sntTouchInside;
    const int32_t minTop = FactoryWindow ? FactoryWindow->GetMinFrameTop() : 3;
    if (rect.Top < minTop) {
        if (MovesTop(part)) {
            rect.Top = minTop;
        } else if (whole) {
            rect.Bottom += minTop - rect.Top;
            rect.Top = minTop;
        }
    }
    if (rect.Left < MinFrameLeft) {
        if (MovesLeft(part)) {
            rect.Left = MinFrameLeft;
        } else if (whole) {
            rect.Right += MinFrameLeft - rect.Left;
            rect.Left = MinFrameLeft;
        }
    }
    int32_t h = MinFrameHeight;
    int32_t w = MinFrameWidth;
    for (const auto& node : NodeItems) {
        h = std::max(h, node->GetRectangle().Bottom + MarginY);
        w = std::max(w, node->GetRectangle().Right + MarginX);
    }
    if (rect.Top + h > rect.Bottom) {
        if (MovesTop(part))
            rect.Top = rect.Bottom - h;
        else if (MovesBottom(part))
            rect.Bottom = rect.Top + h;
    }
    if (rect.Left + w > rect.Right) {
        if (MovesLeft(part))
            rect.Left = rect.Right - w;
        else if (MovesRight(part))
            rect.Right = rect.Left + w;
    }
    // The size rule must not undo the minimum edges: the far edge gives way instead.
    if (MovesLeft(part) && rect.Left < MinFrameLeft) {
        rect.Left = MinFrameLeft;
        rect.Right = std::max(rect.Right, rect.Left + w);
    }
    if (MovesTop(part) && rect.Top < minTop) {
        rect.Top = minTop;
        rect.Bottom = std::max(rect.Bottom, rect.Top + h);
    }
}

void TUnitSountory::ResizeFrame(int32_t width, int32_t height)
{
    TCanvasRect r = GetFrameRect();
    r.Right = r.Left + width;
    ConstrainFrame(sntTouchRight, r);
    r.Bottom = r.Top + height;
    ConstrainFrame(sntTouchBottom, r);
    Frame.Set(r);
}

bool TUnitSountory::AnyNodesOverlap() const
{
    for (size_t i = 0; i < NodeItems.size(); ++i)
        for (size_t j = i + 1; j < NodeItems.size(); ++j)
            if (NodeItems[i]->OverlapsNode(*NodeItems[j]))
                return true;
    return false;
}

bool TUnitSountory::NodeOverlapsRect(const TCanvasRect& rect) const
{
    return std::any_of(NodeItems.begin(), NodeItems.end(),
                       [&rect](const auto& node) { return node->Overlaps(rect); });
}

bool TUnitSountory::RectFitsInFrame(const TCanvasRect& rect) const
{
    return rect.Top >= MarginY && rect.Left >= MarginX && rect.Bottom <= GetFrameHeight() - MarginY &&
           rect.Right <= GetFrameWidth() - MarginX;
}

bool TUnitSountory::PushRectAside(TCanvasRect& rect, int direction) const
{
    bool found = false;
    int32_t target = 0;
    auto contribute = [&](int32_t edge, bool smaller) {
        if (!found)
            target = edge;
        else
            target = smaller ? std::min(target, edge) : std::max(target, edge);
        found = true;
    };
    if (NodesCombination != NodesOverlap) {
        for (const auto& node : NodeItems) {
            if (!node->Overlaps(rect))
                continue;
            const TCanvasRect n = node->GetRectangle().Get();
            switch (direction) {
            case PushLeft: contribute(n.Left - GapX, true); break;
            case PushRight: contribute(n.Right + GapX, false); break;
            case PushUp: contribute(n.Top - GapY, true); break;
            case PushDown: contribute(n.Bottom + GapY, false); break;
            default: break;
            }
        }
    }
    const int32_t maxRight = GetFrameWidth() - MarginX;
    const int32_t maxBottom = GetFrameHeight() - MarginY;
    switch (direction) {
    case PushLeft:
        if (rect.Right > maxRight)
            contribute(maxRight, true);
        break;
    case PushRight:
        if (rect.Left < MarginX)
            contribute(MarginX, false);
        break;
    case PushUp:
        if (rect.Bottom > maxBottom)
            contribute(maxBottom, true);
        break;
    case PushDown:
        if (rect.Top < MarginY)
            contribute(MarginY, false);
        break;
    default: break;
    }
    if (!found)
        return false;
    int32_t dx = 0;
    int32_t dy = 0;
    switch (direction) {
    case PushLeft: dx = target - rect.Right; break;
    case PushRight: dx = target - rect.Left; break;
    case PushUp: dy = target - rect.Bottom; break;
    case PushDown: dy = target - rect.Top; break;
    default: break;
    }
    rect = {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
    return true;
}

bool TUnitSountory::FindFreePlace(TCanvasRect& rect, int first, int last, TCanvasPoint point) const
{
    return FindFreePlaceFrom(rect, first, last, point, 0);
}

bool TUnitSountory::FindFreePlaceFrom(TCanvasRect& rect, int first, int last, TCanvasPoint point, int depth) const
{
    if (point.X < rect.Left - DropReach || point.X > rect.Right + DropReach || point.Y < rect.Top - DropReach ||
        point.Y > rect.Bottom + DropReach)
        return false;
    if ((NodesCombination == NodesOverlap || !NodeOverlapsRect(rect)) && RectFitsInFrame(rect))
        return true;
    if (depth >= MaxPushDepth)
        return false;
    const TCanvasRect entry = rect;
    for (int direction : {PushLeft, PushRight, PushUp, PushDown}) {
        if (Opposite(direction, first) || Opposite(direction, last))
            continue;
        if (PushRectAside(rect, direction) && !(rect == entry) &&
            FindFreePlaceFrom(rect, first, direction, point, depth + 1))
            return true;
        rect = entry;
    }
    return false;
}

void TUnitSountory::WidenNewNodeRect(int32_t wantedWidth, TCanvasRect& rect) const
{
    int32_t lo = MarginX;
    int32_t hi = GetFrameWidth() - MarginX;
    if (NodesCombination != NodesOverlap) {
        for (const auto& node : NodeItems) {
            const TCanvasRect n = node->GetRectangle().Get();
            if (!(rect.Top - GapY < n.Bottom && rect.Bottom + GapY > n.Top))
                continue;
            if (n.Right + GapX <= rect.Left)
                lo = std::max(lo, n.Right + GapX);
            if (n.Left - GapX >= rect.Right)
                hi = std::min(hi, n.Left - GapX);
        }
    }
    GrowSpan(wantedWidth, lo, hi, rect.Left, rect.Right);
}

void TUnitSountory::HeightenNewNodeRect(int32_t wantedHeight, TCanvasRect& rect) const
{
    int32_t lo = MarginY;
    int32_t hi = GetFrameHeight() - MarginY;
    if (NodesCombination != NodesOverlap) {
        for (const auto& node : NodeItems) {
            const TCanvasRect n = node->GetRectangle().Get();
            if (!(rect.Left - GapX < n.Right && rect.Right + GapX > n.Left))
                continue;
            if (n.Bottom + GapY <= rect.Top)
                lo = std::max(lo, n.Bottom + GapY);
            if (n.Top - GapY >= rect.Bottom)
                hi = std::min(hi, n.Top - GapY);
        }
    }
    GrowSpan(wantedHeight, lo, hi, rect.Top, rect.Bottom);
}
