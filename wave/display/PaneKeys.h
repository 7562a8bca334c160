#pragma once
#include "wave/display/PaneMap.h"

#include <cstdint>

class TUnitWave;

// The keys a wave window hands to one of its panes.
enum class TPaneKey : uint8_t { Left, Right, Up, Down, Home, End, PageUp, PageDown };

// What a key does to the cursor and the selection.
struct TPaneKeyAction {
    enum Kind : uint8_t {
        None,
        MoveCursorByPixels,
        MoveSelectionByPixels,
        MoveCursorToEdge,
        MoveSelectionToEdge,
        StepSelection
    };
    Kind kind = None;
    int32_t dx = 0;          // pixels, for the by-pixels kinds
    bool toEnd = false;      // edges: the end, else the start; steps: forward
    bool moveCursor = false; // which marks a selection move takes along
    bool moveAnchor = false;
};

TPaneKeyAction LookupPaneKey(TPaneKey key, bool shift, bool ctrl);

// The keyboard operations of a pane on its document.
void MoveCursorToEdge(TUnitWave& unit, bool toEnd);
void MoveCursorByPixels(TUnitWave& unit, const TPaneMap& map, int32_t dx);
void MoveSelectionByPixels(TUnitWave& unit, const TPaneMap& map, int32_t dx, bool moveCursor, bool moveAnchor);
void MoveSelectionToEdge(TUnitWave& unit, bool toEnd, bool moveCursor, bool moveAnchor);
void StepSelection(TUnitWave& unit, bool forward);
void RunPaneKeyAction(TUnitWave& unit, const TPaneMap& map, const TPaneKeyAction& action);

// The anchor of a Ctrl-click at value q: the nearer end of the selection
// between the two marks, the upper end on a tie.
int32_t CtrlClickAnchor(int32_t cursor, int32_t anchor, int32_t q);
