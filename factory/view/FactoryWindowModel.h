#pragma once
#include "factory/view/FactoryHit.h"
#include "foundation/draw/Canvas.h"

#include <cstdint>
#include <string>

class TCanvas;
class TSountoryTouchable;
class TUnitSountory;

// What the factory window's logic asks of its widget.
class TFactoryWindowHost {
public:
    virtual ~TFactoryWindowHost() = default;
    // The whole drawing is to be painted again.
    virtual void Invalidate() = 0;
    // The cursor over the window, by the standard numbers (0 default, -6 to
    // -9 the sizing cursors, -12 drag).
    virtual void SetWindowCursor(int cursor) = 0;
    // The cursor over the whole application while dragging; 0 gives it back.
    virtual void SetScreenCursor(int cursor) = 0;
    // The hint popup with the text near the window point; and hiding it.
    virtual void ShowHintWindow(const std::string& text, TCanvasPoint windowPoint) = 0;
    virtual void HideHintWindow() = 0;
    // The smallest top of the frame: below the description.
    virtual int GetMinFrameTop() const = 0;
};

// The scroll bars a frame asks for: the range is the whole drawing's size.
struct TFactoryScroll {
    int HorizontalRange = 0;
    int HorizontalPosition = 0;
    int VerticalRange = 0;
    int VerticalPosition = 0;
};

// The factory window without its widgets: the frame anchored to the scroll
// position, the hover highlight and hint, dragging the frame, nodes and pins
// and drawing connections with the mouse. Points are window pixels (the
// drawing's own coordinates). The factory carries the window's mode and hint
// switch; the model never owns it.
class TFactoryWindowModel {
public:
    enum class TButton { Left, Right, Middle };

    TFactoryWindowModel(TUnitSountory& factory, TFactoryWindowHost& host);

    // Another factory in the same window (revert): every drag, highlight
    // and hint of the old one is forgotten.
    void SetFactory(TUnitSountory& factory);
    TUnitSountory& Factory() const { return *Sountory; }

    // ---- mouse ----
    void MouseDown(TButton button, TCanvasPoint point);
    void MouseMove(bool leftHeld, bool rightHeld, TCanvasPoint point);
    void MouseUp(bool leftHeld);
    // Presses that start a drag or a connection, and their ends.
    void StartDrag();
    void StartConnect();
    void EndDrag();
    void EndConnect();
    void HideHint();
    // The whole drawing again, after an edit.
    void Repaint() { Host.Invalidate(); }

    // ---- frame and scroll bars ----
    // Moves the frame so that its left edge lies at 23 and its top at the
    // minimum top, less the scroll positions; a frame just read from a file
    // stays where the file put it.
    void AnchorFrame(int horizontalPosition, int verticalPosition);
    // The scroll bars for the frame as it stands; the frame is no longer
    // "just read" afterwards.
    TFactoryScroll ScrollForFrame();

    // The rubber band of a connection being drawn, last on the canvas.
    void DrawConnecting(TCanvas& canvas) const;

    // The sizing or drag cursor of a touched part; inside a rectangle the
    // drag cursor only when it is dragged.
    static int CursorForTouchPart(sntTouchPart part, bool insideDrags);

    bool IsDragging() const { return Dragging; }
    bool IsConnecting() const { return Connecting; }
    TCanvasPoint GetDragPoint() const { return DragPoint; }
    // The press that started the drag or the connection.
    const TFactoryHit& GetPressed() const { return Pressed; }
    TSountoryTouchable* GetTouchedItem() const { return TouchedItem; }
    TSountoryTouchable* GetHintItem() const { return HintItem; }

private:
    void Hover(TCanvasPoint point);
    TCanvasPoint Drag(int dx, int dy, TCanvasPoint point);
    void RateConnectTarget();
    void SetTouched(TSountoryTouchable* item, uint8_t state);
    void ClearTouched();
    void ShowHintFor(TSountoryTouchable* item, TCanvasPoint point);
    // The source and target when the pressed item and the hit one are the two
    // ends of a connection; false otherwise.
    bool PairWith(const TFactoryHit& hit, TSountoryInputSource*& source, TSountoryOutputTarget*& target) const;

    TUnitSountory* Sountory;
    TFactoryWindowHost& Host;
    bool Dragging = false;
    bool Connecting = false;
    TCanvasPoint DragPoint;
    TFactoryHit Pressed;
    TSountoryTouchable* TouchedItem = nullptr;
    TSountoryTouchable* HintItem = nullptr;
};
