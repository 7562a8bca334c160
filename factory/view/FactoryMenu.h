#pragma once
#include "factory/view/FactoryHit.h"

#include <array>
#include <span>
#include <string>

class TUnitSountory;

// The commands of the factory window's context menu, in menu order.
enum class TFactoryMenuItem : int {
    Properties,
    ConnMake,
    ConnDel,
    SetInputTypes,
    SetInputValues,
    SetOutputTypes,
    SetOutputValues,
    AddBuiltinNode,
    AddUserNode,
    AddSimpleLoopNode,
    AddMixLoopNode,
    AddFormulaWaveNode,
    AddInput,
    AddOutput,
    AddOutputInput,
    AddInputOperand,
    AddPairedOutput,
    SequenceInputs,
    SequenceOutputs,
    CreateFactoryForNode,
    Delete,
    HelpBuiltin,
    Count
};
inline constexpr int FactoryMenuItemCount = static_cast<int>(TFactoryMenuItem::Count);

// One line of the menu: a command with its object name and designed caption,
// or a separator (Count).
struct TFactoryMenuLine {
    TFactoryMenuItem Item;
    const char* Name;
    const char* Caption;
};
std::span<const TFactoryMenuLine> FactoryMenuLayout();

struct TFactoryMenuItemState {
    bool Visible = false;
    bool Enabled = false;
    friend bool operator==(const TFactoryMenuItemState&, const TFactoryMenuItemState&) = default;
};

// What the menu shows for the item under the click: every command's
// visibility and enabled state, and the captions of the connection commands.
struct TFactoryMenuState {
    std::array<TFactoryMenuItemState, FactoryMenuItemCount> Items{};
    std::string ConnMakeCaption = "Make &Connection";
    std::string ConnDelCaption = "De&lete Connection(s)";

    const TFactoryMenuItemState& operator[](TFactoryMenuItem item) const { return Items[static_cast<int>(item)]; }
    TFactoryMenuItemState& operator[](TFactoryMenuItem item) { return Items[static_cast<int>(item)]; }
    bool AnyVisible() const;
};

// The menu for the hit item; the point is the click, where a new node would go.
TFactoryMenuState FactoryMenuState(const TUnitSountory& factory, const TFactoryHit& hit, TCanvasPoint point);

// The starting rectangle of a new node at the click (frame-relative), moved to
// a free place near it; false when there is none.
bool PlaceNewNodeRect(const TUnitSountory& factory, TCanvasPoint point, TCanvasRect& rect);

// Grows a new node's rectangle from 40 by 30 towards the wanted size, 10
// pixels a step, within the room the frame and its neighbours leave; the
// last step asked for stops one step short of the wanted size.
void GrowNodeRect(const TUnitSountory& factory, int32_t wantedWidth, int32_t wantedHeight, TCanvasRect& rect);
