#include "music/window/StaveBorderDrag.h"

#include "music/staves/NoteStave.h"

#include <algorithm>

namespace {

constexpr int32_t Least = TNoteStave::RoomMinimum;
constexpr int32_t Most = TNoteStave::RoomMaximum;

} // namespace

void TStaveBorderDrag::Begin(TNoteStave* stave, int32_t y)
{
    Stave = stave;
    DragY = y;
    SplitToggle = true;
}

int32_t TStaveBorderDrag::Apply(int32_t yDiff, bool left, bool right, bool& toggle, int32_t& up, int32_t& down)
{
    if (left && !right) {
        const int32_t d = std::max(yDiff, Least - down);
        down += d;
        return d;
    }
    if (right && !left) {
        const int32_t d = std::max(yDiff, Least - up);
        up += d;
        return d;
    }
    int32_t upPart = yDiff / 2;
    int32_t downPart = yDiff / 2;
    const int32_t odd = yDiff - upPart - downPart;
    if (odd != 0) {
        // The odd pixel goes to the rooms in turn.
        const bool toDown = yDiff > 0 ? !toggle : toggle;
        (toDown ? downPart : upPart) += odd;
        toggle = !toggle;
    }
    if (up + upPart < Least) {
        const int32_t shortfall = Least - (up + upPart);
        upPart += shortfall;
        downPart -= shortfall;
    }
    if (down + downPart < Least) {
        const int32_t shortfall = Least - (down + downPart);
        downPart += shortfall;
        upPart -= shortfall;
    }
    if (up + upPart < Least)
        upPart = Least - up;
    up += upPart;
    down += downPart;
    return upPart + downPart;
}

bool TStaveBorderDrag::Move(int32_t y, bool left, bool right)
{
    if (!Stave || (!left && !right))
        return false;
    int32_t up = Stave->RoomUp.GetValue();
    int32_t down = Stave->RoomDown.GetValue();
    int32_t d = Apply(y - DragY, left, right, SplitToggle, up, down);
    // A room stops at its maximum; the pointer's move beyond it is not applied.
    for (int32_t* room : {&up, &down}) {
        d -= std::max(0, *room - Most);
        *room = std::min(*room, Most);
    }
    DragY += d;
    if (up == Stave->RoomUp.GetValue() && down == Stave->RoomDown.GetValue())
        return false;
    Stave->RoomUp.SetValue(up);
    Stave->RoomDown.SetValue(down);
    return true;
}
