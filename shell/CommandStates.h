#pragma once
#include "foundation/commands/ActionCatalogue.h"
#include "foundation/commands/CommandSnapshot.h"

#include <array>
#include <cstdint>

// The menus, menu items and toolbars that follow the kind of the active window.
enum class MenuPart : int {
    MenuEdit, MenuMake, MenuEffects, MenuView,
    MenuItemViewWave, MenuItemViewVold, MenuItemZoomIn, MenuItemNoZoom, MenuItemDialSelect,
    MenuItemDialMusic, MenuMusic, MenuFactory, MenuWindow,
    ToolBarWave1, ToolBarWave2, ToolBarWave3, ToolBarMusic1, ToolBarMusic2, ToolBarMusic3, ToolBarFact1,
    Count
};
inline constexpr int MenuPartCount = static_cast<int>(MenuPart::Count);

// Everything the update decides; it keeps what no rule touches.
struct TCommandStates {
    TCommandStates();

    std::array<TActionState, ActionCount> actions;
    std::array<bool, MenuPartCount> shown;
    std::array<int, MenuPartCount> toolbarTop{}; // stacking order of the bottom toolbars
    unsigned char lastKind = 5;                   // matches no kind: the first update rebuilds
    int menuRebuilds = 0;                         // how often menus and toolbars were rebuilt

    TActionState& operator[](ActionId id) { return actions[ActionIndex(id)]; }
    const TActionState& operator[](ActionId id) const { return actions[ActionIndex(id)]; }
    bool& Shown(MenuPart part) { return shown[static_cast<int>(part)]; }
    bool Shown(MenuPart part) const { return shown[static_cast<int>(part)]; }
};

// The action update: from the snapshot of the active document to the states of
// the actions, menus and toolbars. Menus and toolbars are rebuilt only when the
// kind changed since the last update.
void UpdateCommandStates(TCommandStates& states, const TCommandSnapshot& snapshot);

// The actions that ever carry a check mark.
bool IsCheckableAction(ActionId id);
