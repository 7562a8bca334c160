#pragma once
#include "foundation/commands/ActionId.h"
#include "shell/Shortcut.h"

#include <array>
#include <functional>

// The keys the actions hold right now. One key can mean one action per window
// kind: activating a window binds that kind's set and clears the others'.
// The main window dispatches keys from this table itself, so two actions that
// hold the same key never block each other.
class TShortcutTable {
public:
    // Until the first window is activated no kind set is bound (several start
    // keys collide); only the actions outside the sets and the four shared
    // ones hold their start keys.
    TShortcutTable();

    const TShortcut& Get(ActionId id) const { return keys[ActionIndex(id)]; }
    void Set(ActionId id, const TShortcut& key);
    void Clear(ActionId id) { Set(id, TShortcut{}); }

    void BindWaveSet();
    void BindMusicSet(); // SetMusicShortCuts
    void BindFactorySet();
    void BindPlayersSet();
    void ClearWaveSet();    // every action of the wave set but the shared ones
    void ClearMusicSet();   // ClearMusicShortCuts
    void ClearFactorySet();
    void ClearPlayersSet();

    // The two-key commands of a music window: while armed, every second key
    // reaches the window.
    void BeginMusicKeySequence();
    void EndMusicKeySequence();

    // The action that a key runs: among the actions that hold the key and are
    // enabled, the one of the active kind wins, else the first in catalogue
    // order. ActionId::Count when none.
    ActionId Find(const TShortcut& key, unsigned char activeKind,
                  const std::function<bool(ActionId)>& isEnabled) const;

    // Grows with every change, so that shown key texts can follow.
    unsigned Generation() const { return generation; }

private:
    std::array<TShortcut, ActionCount> keys;
    unsigned generation = 0;
};

// The window kind an action serves (0 for the general ones).
unsigned char ActionKind(ActionId id);

// The actions that every kind binds and no clearing clears.
bool IsSharedShortcutAction(ActionId id);
