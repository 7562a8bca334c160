#include "factory/view/FactoryWindowModel.h"

#include "factory/document/UnitSountory.h"
#include "factory/graph/ConnectionArrow.h"
#include "factory/graph/TouchPartMoves.h"
#include "factory/graph/ConnectionRating.h"
#include "platform/MessageService.h"

namespace {

constexpr int MinFrameLeft = 23;
constexpr int CursorDefault = 0;
constexpr int CursorDrag = -12;

bool IsRectangleKind(sntSountoryObject kind)
{
    return kind == sntSountoryObjectSountory || kind == sntSountoryObjectNode;
}

// The mouse point corrected by what the constraint refused, so that the
// grabbed edge stays under the mouse.
TCanvasPoint Corrected(TCanvasPoint point, sntTouchPart part, const TCanvasRect& wanted, const TCanvasRect& got)
{
    const bool whole = part == sntTouchInside;
    if (MovesLeft(part) || whole)
        point.X += got.Left - wanted.Left;
    if (MovesTop(part) || whole)
        point.Y += got.Top - wanted.Top;
    if (MovesRight(part))
        point.X += got.Right - wanted.Right;
    if (MovesBottom(part))
        point.Y += got.Bottom - wanted.Bottom;
    return point;
}

} // namespace

TFactoryWindowModel::TFactoryWindowModel(TUnitSountory& factory, TFactoryWindowHost& host)
    : Sountory(&factory), Host(host)
{
}

void TFactoryWindowModel::SetFactory(TUnitSountory& factory)
{
    Sountory = &factory;
    Dragging = false;
    Connecting = false;
    Pressed = {};
    TouchedItem = nullptr;
    HintItem = nullptr;
    Host.HideHintWindow();
    Host.SetScreenCursor(CursorDefault);
}

int TFactoryWindowModel::CursorForTouchPart(sntTouchPart part, bool insideDrags)
{
    switch (part) {
    case sntTouchLeft:
    case sntTouchRight: return -9;
    case sntTouchTop:
    case sntTouchBottom: return -7;
    case sntTouchTopLeft:
    case sntTouchBottomRight: return -8;
    case sntTouchTopRight:
    case sntTouchBottomLeft: return -6;
    default: return insideDrags ? CursorDrag : CursorDefault;
    }
}

// ---------------------------------------------------------------- highlight and hint

void TFactoryWindowModel::SetTouched(TSountoryTouchable* item, uint8_t state)
{
    if (TouchedItem && TouchedItem != item) {
        TouchedItem->TouchState = 0;
        Host.Invalidate();
    }
    if (item && item != TouchedItem) {
        item->TouchState = state;
        Host.Invalidate();
    }
    TouchedItem = item;
}

void TFactoryWindowModel::ClearTouched()
{
    if (TouchedItem)
        TouchedItem->TouchState = 0;
    TouchedItem = nullptr;
    Host.Invalidate();
}

void TFactoryWindowModel::ShowHintFor(TSountoryTouchable* item, TCanvasPoint point)
{
    if (!Sountory->View.ShowHints)
        return;
    if (item && item != HintItem)
        Host.ShowHintWindow(item->GetHintText(), point);
    HintItem = item;
}

void TFactoryWindowModel::HideHint()
{
    HintItem = nullptr;
    Host.HideHintWindow();
}

// ---------------------------------------------------------------- mouse

void TFactoryWindowModel::MouseDown(TButton button, TCanvasPoint point)
{
    DragPoint = point;
    if (Connecting || button != TButton::Left)
        return;
    const TFactoryHit hit = HitFactory(*Sountory, DragPoint, false);
    if (!hit.Found())
        return;
    if (Sountory->View.Mode == ModeConnect && !IsRectangleKind(hit.Kind))
        StartConnect();
    else
        StartDrag();
    if (TSountoryNode* node = hit.Node())
        Sountory->BringNodeToFront(node);
}

void TFactoryWindowModel::StartDrag()
{
    const TFactoryHit hit = HitFactory(*Sountory, DragPoint, true);
    if (!hit.Found())
        return;
    Dragging = true;
    Pressed = hit;
    Host.SetScreenCursor(IsRectangleKind(hit.Kind) ? CursorForTouchPart(hit.Part, true) : CursorDefault);
}

void TFactoryWindowModel::StartConnect()
{
    const TFactoryHit hit = HitFactory(*Sountory, DragPoint, false);
    if (!hit.Found())
        return;
    Connecting = true;
    Pressed = hit;
}

void TFactoryWindowModel::EndDrag()
{
    Dragging = false;
    Host.SetScreenCursor(CursorDefault);
}

void TFactoryWindowModel::EndConnect()
{
    const bool was = Connecting;
    Connecting = false;
    ClearTouched();
    HideHint();
    if (was)
        Host.Invalidate();
}

void TFactoryWindowModel::MouseMove(bool leftHeld, bool rightHeld, TCanvasPoint point)
{
    TCanvasPoint next = point;
    if (!Dragging && !Connecting)
        Hover(point);
    if (Dragging && (leftHeld || rightHeld))
        next = Drag(point.X - DragPoint.X, point.Y - DragPoint.Y, point);
    if (Connecting) {
        RateConnectTarget();
        Host.SetWindowCursor(CursorDrag);
        Host.Invalidate();
    }
    DragPoint = next;
}

void TFactoryWindowModel::Hover(TCanvasPoint point)
{
    const TFactoryHit hit = HitFactory(*Sountory, point, true);
    if (!hit.Found()) {
        Host.SetWindowCursor(CursorDefault);
        ClearTouched();
        HideHint();
    } else if (IsRectangleKind(hit.Kind)) {
        ClearTouched();
        HideHint();
        Host.SetWindowCursor(CursorForTouchPart(hit.Part, false));
    } else {
        Host.SetWindowCursor(CursorDefault);
        SetTouched(hit.Item, 1);
        ShowHintFor(hit.Item, point);
    }
}

TCanvasPoint TFactoryWindowModel::Drag(int dx, int dy, TCanvasPoint point)
{
    const sntTouchPart part = Pressed.Part;
    if (TUnitSountory* frame = Pressed.Frame()) {
        const TCanvasRect wanted = MovedBy(frame->GetFrameRect(), part, dx, dy);
        TCanvasRect r = wanted;
        frame->ConstrainFrame(part, r);
        if (!(r == frame->GetFrameRect()))
            frame->SetModified();
        frame->SetFrameRect(r.Left, r.Top, r.Right, r.Bottom);
        point = Corrected(point, part, wanted, r);
    } else if (TSountoryNode* node = Pressed.Node()) {
        const TCanvasRect wanted = MovedBy(node->GetRectangle().Get(), part, dx, dy);
        TCanvasRect r = wanted;
        node->ConstrainRectangle(part, r);
        // The constraint may have pushed neighbours; the node itself is set here.
        if (!(r == node->GetRectangle().Get()))
            Sountory->SetModified();
        node->GetRectangle().Set(r);
        point = Corrected(point, part, wanted, r);
    } else {
        int y0 = 0;
        int y1 = 0;
        int wanted = 0;
        if (auto* item = dynamic_cast<TSountoryInputOutput*>(Pressed.Item)) {
            y0 = item->GetWindowPoint();
            wanted = y0 + dy;
            item->DragTo(wanted);
            y1 = item->GetWindowPoint();
        } else if (auto* pin = dynamic_cast<TSountoryNodeInputOutput*>(Pressed.Item)) {
            y0 = pin->GetWindowPoint();
            wanted = y0 + dy;
            pin->DragTo(wanted);
            y1 = pin->GetWindowPoint();
        }
        if (y1 != y0)
            Sountory->SetModified();
        point.Y += y1 - wanted;
    }
    Host.Invalidate();
    return point;
}

bool TFactoryWindowModel::PairWith(const TFactoryHit& hit, TSountoryInputSource*& source,
                                   TSountoryOutputTarget*& target) const
{
    source = Pressed.Source() ? Pressed.Source() : hit.Source();
    target = Pressed.Target() ? Pressed.Target() : hit.Target();
    // One end pressed, the other one hit.
    return source && target && ((Pressed.Source() && hit.Target()) || (Pressed.Target() && hit.Source()));
}

void TFactoryWindowModel::RateConnectTarget()
{
    // The item under the previous mouse point.
    const TFactoryHit hit = HitFactory(*Sountory, DragPoint, false);
    TSountoryInputSource* source = nullptr;
    TSountoryOutputTarget* target = nullptr;
    if (!hit.Found() || !PairWith(hit, source, target)) {
        ClearTouched();
        HideHint();
        return;
    }
    if (!target->CanConnect(*source)) {
        SetTouched(hit.Item, 5);
        return;
    }
    const TSountoryAlgInputOutput& from = source->SourcePin();
    const TSountoryAlgInputOutput& to = target->TargetPin();
    SetTouched(hit.Item,
               RatingToTouchState(RateTypeMatch(from.ValueDomain, from.ValueDomType, to.ValueDomain, to.ValueDomType)));
}

void TFactoryWindowModel::MouseUp(bool leftHeld)
{
    if (leftHeld)
        return;
    if (Connecting) {
        const TFactoryHit hit = HitFactory(*Sountory, DragPoint, false);
        TSountoryInputSource* source = nullptr;
        TSountoryOutputTarget* target = nullptr;
        if (hit.Found() && PairWith(hit, source, target) && target->CanConnect(*source)) {
            const TSountoryAlgInputOutput& from = source->SourcePin();
            const TSountoryAlgInputOutput& to = target->TargetPin();
            const uint8_t rating = RateTypeMatch(from.ValueDomain, from.ValueDomType, to.ValueDomain, to.ValueDomType);
            bool connect = true;
            if (rating == 0)
                connect = Messages().Show("Values out from the Source of this connection will never match the Target.",
                                          "Make Connection", MsgIcon::Exclamation, MsgButtons::OkCancel) ==
                          MsgAnswer::Ok;
            if (connect) {
                target->SetSountoryInputSource(source);
                Sountory->SetModified();
            }
        }
        EndConnect();
    }
    EndDrag();
}

// ---------------------------------------------------------------- frame and scroll bars

void TFactoryWindowModel::AnchorFrame(int horizontalPosition, int verticalPosition)
{
    if (Sountory->View.FrameJustRead)
        return;
    const TCanvasRect frame = Sountory->GetFrameRect();
    const int dx = horizontalPosition + frame.Left - MinFrameLeft;
    const int dy = verticalPosition + frame.Top - Host.GetMinFrameTop();
    Sountory->SetFrameRect(frame.Left - dx, frame.Top - dy, frame.Right - dx, frame.Bottom - dy);
}

TFactoryScroll TFactoryWindowModel::ScrollForFrame()
{
    const TCanvasRect frame = Sountory->GetFrameRect();
    const int minTop = Host.GetMinFrameTop();
    Sountory->View.FrameJustRead = 0;
    return {frame.Width() + MinFrameLeft + MinFrameLeft, MinFrameLeft - frame.Left, frame.Height() + minTop + 3,
            minTop - frame.Top};
}

// ---------------------------------------------------------------- rubber band

void TFactoryWindowModel::DrawConnecting(TCanvas& canvas) const
{
    if (!Connecting)
        return;
    const TSountoryAlgInputOutput* pin = Pressed.Pin();
    if (!pin)
        return;
    const int width = pin->IsWave() ? 2 : 1;
    const TCanvasColor color = pin->GetTypeColor();
    if (TSountoryInputSource* source = Pressed.Source())
        DrawConnectionArrow(canvas, source->GetConnectionPoint(), DragPoint, 0, width, color);
    else if (TSountoryOutputTarget* target = Pressed.Target())
        DrawConnectionArrow(canvas, DragPoint, target->GetConnectionPoint(),
                            Pressed.Kind == sntSountoryObjectOutput ? 10 : 6, width, color);
}
