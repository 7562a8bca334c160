#include "wave/display/PaneKeys.h"

#include "platform/SampleConvert.h"
#include "wave/document/UnitWave.h"

#include <algorithm>
#include <cstdlib>

namespace {

using KeyAction = TPaneKeyAction;

// Rows: no modifier, Shift, Ctrl, Ctrl+Shift.
KeyAction ArrowAction(int row, int32_t dx)
{
    static const KeyAction table[4] = {
        {KeyAction::MoveCursorByPixels, 0, false, false, false},
        {KeyAction::MoveSelectionByPixels, 0, false, true, false},
        {KeyAction::MoveSelectionByPixels, 0, false, false, true},
        {KeyAction::MoveSelectionByPixels, 0, false, true, true},
    };
    KeyAction action = table[row];
    action.dx = dx;
    return action;
}

KeyAction EdgeAction(int row, bool toEnd)
{
    static const KeyAction table[4] = {
        {KeyAction::MoveCursorToEdge, 0, false, false, false},
        {KeyAction::MoveSelectionToEdge, 0, false, true, false},
        {KeyAction::MoveSelectionToEdge, 0, false, false, true},
        {KeyAction::MoveSelectionToEdge, 0, false, true, true},
    };
    KeyAction action = table[row];
    action.toEnd = toEnd;
    return action;
}

KeyAction PageAction(int row, bool forward)
{
    if (row != 2)
        return {};
    return {KeyAction::StepSelection, 0, forward, true, true};
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
    case KeyAction::MoveCursorByPixels:
        MoveCursorByPixels(unit, map, action.dx);
        break;
    case KeyAction::MoveSelectionByPixels:
        MoveSelectionByPixels(unit, map, action.dx, action.moveCursor, action.moveAnchor);
        break;
    case KeyAction::MoveCursorToEdge:
        MoveCursorToEdge(unit, action.toEnd);
        break;
    case KeyAction::MoveSelectionToEdge:
        MoveSelectionToEdge(unit, action.toEnd, action.moveCursor, action.moveAnchor);
        break;
    case KeyAction::StepSelection:
        StepSelection(unit, action.toEnd);
        break;
    case KeyAction::None:
        break;
    }
}

int32_t CtrlClickAnchor(int32_t cursor, int32_t anchor, int32_t q)
{
    int32_t lo = std::min(cursor, anchor), hi = std::max(cursor, anchor);
    return std::abs(static_cast<int64_t>(q) - lo) < std::abs(static_cast<int64_t>(q) - hi) ? lo : hi;
}
