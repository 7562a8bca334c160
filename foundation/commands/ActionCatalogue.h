#pragma once
#include "foundation/commands/ActionId.h"

#include <array>
#include <string_view>

// One command as the main window carries it. Shortcuts are key texts such as
// "Ctrl+Shift+I", "Shift+Alt+Del" or "." (empty: none).
struct TActionInfo {
    ActionId id;
    const char* name;
    const char* category;
    const char* caption;
    const char* hint;          // short and long form separated by "|"
    int image;                 // image number in the toolbar image list, -1 for none
    const char* startShortcut; // the key the action holds when the program starts
};

// The state a command shows: whether it can run, is shown and carries a check mark.
struct TActionState {
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool operator==(const TActionState&) const = default;
};

const std::array<TActionInfo, ActionCount>& ActionCatalogue();
const TActionInfo& ActionInfo(ActionId id);

// The action of that name, or ActionId::Count when there is none.
ActionId FindActionByName(std::string_view name);

// The state of an action when the program starts.
TActionState StartActionState(ActionId id);

// The short form of the hint (before "|") and the long one (after it, or the whole hint).
std::string_view ShortHint(const TActionInfo& info);
std::string_view LongHint(const TActionInfo& info);
