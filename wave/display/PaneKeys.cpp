#include "wave/display/PaneKeys.h"

#include "platform/SampleConvert.h"
#include "wave/document/UnitWave.h"

#include <algorithm>
#include <cstdlib>

namespace {

using A = TPaneKeyAction;

// Rows: no modifier, Shift, Ctrl, Ctrl+Shift.
A ArrowAction(int row, int32_t dx)
{
    static const A table[4] = {
        {A::MoveCursorByPixels, 0, false, false, false},
        {A::MoveSelectionByPixels, 0, false, true, false},
        {A::MoveSelectionByPixels, 0, false, false, true},
        {A::MoveSelectionByPixels, 0, false, true, true},
    };
    A action = table[row];
    action.dx = dx;
    return action;
}

A EdgeAction(int row, bool toEnd)
{
    static const A table[4] = {
        {A::MoveCursorToEdge, 0, false, false, false},
        {A::MoveSelectionToEdge, 0, false, true, false},
        {A::MoveSelectionToEdge, 0, false, false, true},
        {A::MoveSelectionToEdge, 0, false, true, true},
    };
    A action = table[row];
    action.toEnd = toEnd;
    return action;
}

A PageAction(int row, bool forward)
{
    if (row != 2)
        return {};
    return {A::StepSelection, 0, forward, true, true};
}

int32_t MovedMark(const TPaneMap& map, int32_t mark, int32_t d)
{
    return ToInt32(map.PixelToWavePos(map.WavePosToPixel(mark) + d));
}

} // namespace

TPaneKeyAction LookupPaneKey(TPaneKey key, bool shift, bool ctrl)
{
    int row = (ctrl ? 2 : 0) + (shift ? 1 : 0);
    switch (key) {
    case TPaneKey::Left:
        return ArrowAction(row, -1);
    case TPaneKey::Right:
        return ArrowAction(row, 1);
    case TPaneKey::Up:
        return ArrowAction(row, -10);
    case TPaneKey::Down:
        return ArrowAction(row, 10);
    case TPaneKey::Home:
        return EdgeAction(row, false);
    case TPaneKey::End:
        return EdgeAction(row, true);
    case TPaneKey::PageUp:
        return PageAction(row, false);
    case TPaneKey::PageDown:
        return PageAction(row, true);
    }
    return {};
}

void MoveCursorToEdge(TUnitWave& unit, bool toEnd)
{
    unit.PlaceCursor(toEnd ? unit.GetValues() : 0);
}

void MoveCursorByPixels(TUnitWave& unit, const TPaneMap& map, int32_t dx)
{
    unit.PlaceCursor(MovedMark(map, unit.GetCursorPos(), dx));
}

void MoveSelectionByPixels(TUnitWave& unit, const TPaneMap& map, int32_t dx, bool moveCursor, bool moveAnchor)
{
    int32_t cursor = MovedMark(map, unit.GetCursorPos(), moveCursor ? dx : 0);
    int32_t anchor = MovedMark(map, unit.GetAnchorPos(), moveAnchor ? dx : 0);
    unit.SetSelectMarks(cursor, anchor);
}

void MoveSelectionToEdge(TUnitWave& unit, bool toEnd, bool moveCursor, bool moveAnchor)
{
    int32_t n = unit.GetValues();
    int32_t edge = toEnd ? n : 0;
    int32_t cursor = unit.GetCursorPos(), anchor = unit.GetAnchorPos();
    if (moveCursor && moveAnchor) {
        int32_t d = toEnd ? n - std::max(cursor, anchor) : -std::min(cursor, anchor);
        unit.SetSelectMarks(cursor + d, anchor + d);
    } else if (moveCursor) {
        unit.SetSelectMarks(edge, anchor);
    } else if (moveAnchor) {
        unit.SetSelectMarks(cursor, edge);
    }
}

void StepSelection(TUnitWave& unit, bool forward)
{
    int32_t cursor = unit.GetCursorPos(), anchor = unit.GetAnchorPos();
    int32_t d = std::max(cursor, anchor) - std::min(cursor, anchor);
    if (!forward)
        d = -d;
    unit.SetSelectMarks(cursor + d, anchor + d);
}

void RunPaneKeyAction(TUnitWave& unit, const TPaneMap& map, const TPaneKeyAction& action)
{
    switch (action.kind) {
    case A::MoveCursorByPixels:
        MoveCursorByPixels(unit, map, action.dx);
        break;
    case A::MoveSelectionByPixels:
        MoveSelectionByPixels(unit, map, action.dx, action.moveCursor, action.moveAnchor);
        break;
    case A::MoveCursorToEdge:
        MoveCursorToEdge(unit, action.toEnd);
        break;
    case A::MoveSelectionToEdge:
        MoveSelectionToEdge(unit, action.toEnd, action.moveCursor, action.moveAnchor);
        break;
    case A::StepSelection:
        StepSelection(unit, action.toEnd);
        break;
    case A::None:
        break;
    }
}

int32_t CtrlClickAnchor(int32_t cursor, int32_t anchor, int32_t q)
{
    int32_t lo = std::min(cursor, anchor), hi = std::max(cursor, anchor);
    return std::abs(static_cast<int64_t>(q) - lo) < std::abs(static_cast<int64_t>(q) - hi) ? lo : hi;
}
