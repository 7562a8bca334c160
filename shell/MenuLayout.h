#pragma once
#include "foundation/commands/ActionId.h"
#include "shell/CommandStates.h"

#include <vector>

// One line of a menu: an action's item, a separator, or the begin or end of a submenu.
struct TMenuEntry {
    enum Kind { Item, Separator, SubmenuBegin, SubmenuEnd };
    Kind kind = Item;
    ActionId action = ActionId::Count;
    const char* caption = nullptr; // item caption when it differs from the action's; submenu caption
    const char* name = nullptr;    // item name where other parts refer to it
    MenuPart part = MenuPart::Count; // the visibility it follows, if any
};

struct TMenuInfo {
    const char* name;
    const char* caption;
    MenuPart part; // MenuPart::Count: always shown
    std::vector<TMenuEntry> entries;
};

// A toolbar's buttons; ActionId::Count stands for a separator.
struct TToolBarInfo {
    const char* name;
    const char* caption;
    bool top; // docked at the top edge and always shown; the others at the bottom
    MenuPart part;
    std::vector<ActionId> buttons;
};

const std::vector<TMenuInfo>& MainMenuLayout();
const std::vector<TToolBarInfo>& ToolBarLayout();
