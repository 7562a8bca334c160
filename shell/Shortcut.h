#pragma once
#include <string>
#include <string_view>

// A key with any of Ctrl, Shift and Alt. The key is named as in "Ctrl+Shift+I":
// a letter or digit in upper case, "." for the period, or a name such as
// "Del", "Ins", "Home", "F4".
struct TShortcut {
    enum Modifier : unsigned { ModShift = 1, ModCtrl = 2, ModAlt = 4 };

    unsigned modifiers = 0;
    std::string key; // empty: no shortcut

    bool IsEmpty() const { return key.empty(); }
    bool operator==(const TShortcut&) const = default;

    // Parses "Shift+Alt+Del", "Ctrl+2", "." and the empty text (no shortcut).
    // Modifiers may stand in any order; letters are taken in upper case.
    static TShortcut Parse(std::string_view text);
    // The text in the order Ctrl, Shift, Alt ("Ctrl+Shift+Del").
    std::string Text() const;
    // Keyboards report Shift with the symbol it makes (">" for Shift and the
    // period); the same key named by its unshifted symbol on a US layout, or
    // an empty shortcut when there is none.
    TShortcut UnshiftedAlternative() const;
};
