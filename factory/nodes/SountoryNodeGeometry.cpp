// Where a node may stand and how its body looks.
#include "factory/document/UnitSountory.h"
#include "factory/graph/TouchPartMoves.h"
#include "factory/nodes/SountoryNode.h"
#include "foundation/draw/CanvasHelpers.h"

#include <algorithm>

namespace {

// Margins inside the frame, gaps between nodes and the smallest node.
constexpr int32_t MarginLeft = 15;
constexpr int32_t MarginTop = 5;
constexpr int32_t MarginRight = 15;
constexpr int32_t MarginBottom = 5;
constexpr int32_t GapX = 10;
constexpr int32_t GapY = 3;
constexpr int32_t MinHeight = 23;
constexpr int32_t MinWidth = 35;

// The pictures of the nodes that use a factory, by node kind; built-in nodes
// show their function's.
constexpr int32_t KindPictures[] = {141, -1, 142, 184, 185};

} // namespace

bool TSountoryNode::Overlaps(const TCanvasRect& r) const
{
    return Rectangle.Right + GapX > r.Left && Rectangle.Left - GapX < r.Right && Rectangle.Bottom + GapY > r.Top &&
           Rectangle.Top - GapY < r.Bottom;
}

void TSountoryNode::ConstrainRectangle(sntTouchPart p, TCanvasRect& r, bool push)
{
    const TCanvasRect old = Rectangle.Get();
    const bool whole = p == sntTouchInside;
    const uint8_t combination = Owner->NodesCombination;

    if (r.Top < MarginTop) {
        if (MovesTop(p)) {
            r.Top = MarginTop;
        } else if (whole) {
            r.Bottom += MarginTop - r.Top;
            r.Top = MarginTop;
        }
    }
    if (r.Left < MarginLeft) {
        if (MovesLeft(p)) {
            r.Left = MarginLeft;
        } else if (whole) {
            r.Right += MarginLeft - r.Left;
            r.Left = MarginLeft;
        }
    }
    if (combination != NodesShift) {
        const int32_t maxRight = Owner->GetFrameWidth() - MarginRight;
        const int32_t maxBottom = Owner->GetFrameHeight() - MarginBottom;
        if (r.Right > maxRight) {
            if (MovesRight(p)) {
                r.Right = maxRight;
            } else if (whole) {
                r.Left += maxRight - r.Right;
                r.Right = maxRight;
            }
        }
        if (r.Bottom > maxBottom) {
            if (MovesBottom(p)) {
                r.Bottom = maxBottom;
            } else if (whole) {
                r.Top += maxBottom - r.Bottom;
                r.Bottom = maxBottom;
            }
        }
    }
    if (r.Top + MinHeight > r.Bottom) {
        if (MovesTop(p))
            r.Top = r.Bottom - MinHeight;
        else if (MovesBottom(p))
            r.Bottom = r.Top + MinHeight;
    }
    if (r.Left + MinWidth > r.Right) {
        if (MovesLeft(p))
            r.Left = r.Right - MinWidth;
        else if (MovesRight(p))
            r.Right = r.Left + MinWidth;
    }

    const int32_t dL = r.Left - old.Left;
    const int32_t dR = r.Right - old.Right;
    const int32_t dT = r.Top - old.Top;
    const int32_t dB = r.Bottom - old.Bottom;
    int32_t cx = 0;
    int32_t cy = 0;
    if (combination == NodesShift) {
        // The neighbours in the way move as far as they can; the frame grows.
        auto shiftX = [&](int32_t d) {
            cx = Rectangle.AllowedShiftX(d) - d;
            if (push)
                Rectangle.ShiftX(d + cx, false);
        };
        auto shiftY = [&](int32_t d) {
            cy = Rectangle.AllowedShiftY(d) - d;
            if (push)
                Rectangle.ShiftY(d + cy, false);
        };
        if (dR > 0)
            shiftX(dR);
        if (dL < 0)
            shiftX(dL);
        if (dB > 0)
            shiftY(dB);
        if (dT < 0)
            shiftY(dT);
    } else if (combination == NodesFixed) {
        // A moving edge stops at the gap before a node it was clear of.
        for (const auto& node : Owner->Nodes()) {
            if (node.get() == this || !node->Overlaps(r))
                continue;
            const TCanvasRect o = node->Rectangle.Get();
            if (dR > 0 && r.Right + GapX > o.Left && old.Right + GapX <= o.Left)
                cx = std::min(cx, o.Left - r.Right - GapX);
            if (dB > 0 && r.Bottom + GapY > o.Top && old.Bottom + GapY <= o.Top)
                cy = std::min(cy, o.Top - r.Bottom - GapY);
            if (dL < 0 && r.Left - GapX < o.Right && old.Left - GapX >= o.Right)
                cx = std::max(cx, o.Right - r.Left + GapX);
            if (dT < 0 && r.Top - GapY < o.Bottom && old.Top - GapY >= o.Bottom)
                cy = std::max(cy, o.Bottom - r.Top + GapY);
        }
    }
    r = MovedBy(r, p, cx, cy);

    // Without the push the neighbours in the way are still where they were.
    if (combination != NodesOverlap && (push || combination != NodesShift)) {
        for (const auto& node : Owner->Nodes()) {
            if (node.get() != this && node->Overlaps(r)) {
                r = old;
                return;
            }
        }
    }
}

TCanvasRect TSountoryNode::PlaceTypedRectangle(const TCanvasRect& typed)
{
    struct Side {
        sntTouchPart part;
        int32_t TCanvasRect::* edge;
    };
    static constexpr Side Left{sntTouchLeft, &TCanvasRect::Left};
    static constexpr Side Right{sntTouchRight, &TCanvasRect::Right};
    static constexpr Side Top{sntTouchTop, &TCanvasRect::Top};
    static constexpr Side Bottom{sntTouchBottom, &TCanvasRect::Bottom};
    // The edge that moves away from the node goes first, so that a rectangle
    // typed further right or down is not first squeezed to the minimum size.
    const TCanvasRect old = Rectangle.Get();
    const bool right = typed.Right > old.Right;
    const bool down = typed.Bottom > old.Bottom;
    const Side order[] = {right ? Right : Left, right ? Left : Right, down ? Bottom : Top, down ? Top : Bottom};
    for (const Side& side : order) {
        TCanvasRect r = Rectangle.Get();
        if (r.*side.edge == typed.*side.edge)
            continue;
        r.*side.edge = typed.*side.edge;
        ConstrainRectangle(side.part, r);
        Rectangle.Set(r);
    }
    return Rectangle.Get();
}

int32_t TSountoryNode::GetPictureNumber() const
{
    const auto kind = static_cast<size_t>(GetSntNodeKind());
    return kind < std::size(KindPictures) ? KindPictures[kind] : -1;
}

void TSountoryNode::DrawNodeBody(TCanvas& canvas, const TCanvasRect& R) const
{
    DrawBevelRect(canvas, R, NodeStateColor());
    TCanvasFont font{"Arial", 10, false, false, 0};
    canvas.SetFont(font);

    const int32_t nameWidth = canvas.TextWidth(Name);
    const TCanvasRect nameLine{R.Left + 2, R.Top + 2, R.Right - 2, std::min(R.Top + 20, R.Bottom - 2)};
    canvas.TextRect(nameLine, std::max(R.Left + 2, (R.Left + R.Right - nameWidth) / 2), R.Top + 2, Name);
    int32_t y = R.Top + 19;

    const std::string displayName = GetDisplayName();
    if (displayName != Name) {
        const int32_t width = canvas.TextWidth(displayName);
        font.Italic = true;
        canvas.SetFont(font);
        const TCanvasRect line{R.Left + 2, std::min(R.Top + 19, R.Bottom - 2), R.Right - 2,
                               std::min(R.Top + 38, R.Bottom - 2)};
        canvas.TextRect(line, std::max(R.Left + 2, (R.Left + R.Right - width) / 2), R.Top + 19, displayName);
        y = R.Top + 36;
    }

    const int32_t picture = GetPictureNumber();
    const TCanvasSize size = canvas.PictureSize(picture);
    if (size.Width > 0) {
        const int32_t x = (R.Left + R.Right - size.Width) / 2;
        const TCanvasRect frame{x - 1, y + 1, x + size.Width + 1, y + size.Height + 3};
        canvas.SetBrushColor(0xFFFFFF);
        canvas.FrameRect(frame);
        canvas.SetBrushColor(0x000000);
        canvas.FrameRect({frame.Left - 1, frame.Top - 1, frame.Right + 1, frame.Bottom + 1});
        canvas.DrawPicture(picture, x, y + 2);
    }
}
