#pragma once
#include <cstdint>

class TNoteStave;

// Dragging the lower border of a stave band: the left button moves the room
// below the middle line, the right button the room above it, both buttons
// share the move between them. No room falls below 30 pixels nor passes
// the stave's maximum.
class TStaveBorderDrag {
public:
    bool Active() const { return Stave != nullptr; }
    TNoteStave* GetStave() const { return Stave; }
    int32_t GetDragY() const { return DragY; }
    bool GetSplitToggle() const { return SplitToggle; }

    void Begin(TNoteStave* stave, int32_t y);
    // The pointer is at y with these buttons held: the rooms change; false
    // when nothing changed.
    bool Move(int32_t y, bool left, bool right);
    void End() { Stave = nullptr; }

    // The change of the rooms for a move of yDiff, without any state: up and
    // down are the stave's rooms now and become the new ones.
    static int32_t Apply(int32_t yDiff, bool left, bool right, bool& toggle, int32_t& up, int32_t& down);

private:
    TNoteStave* Stave = nullptr;
    int32_t DragY = 0;
    bool SplitToggle = true;
};
