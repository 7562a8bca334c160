#pragma once
#include "music/window/MusicKeyCommand.h"

#include <cstdint>

// The keys of the music window: two-key commands first (A, I or Insert, then
// a letter, Space or Ctrl with G, F or C), then single keys. A modifier
// pressed alone is no key: a pending two-key command keeps waiting.
class TMusicKeyMachine {
public:
    // The pending first key: 0 none, 1 I (before), 2 A (after), 3 Insert (into the chord).
    uint8_t Pending() const { return KeySequence; }

    struct TResult {
        bool consumed = false;
        TMusicKeyAction action;      // None when the key asks the document nothing
        bool sequenceBegins = false; // the main window's two-key set goes on
        bool sequenceEnds = false;   // and off again
    };
    // key: a MusicKey code or an upper-case letter or digit; modifiers: TMusicKeyModifier bits.
    TResult KeyDown(int32_t key, uint8_t modifiers);
    // The window lost its two-key state (a document put into it anew).
    void Reset() { KeySequence = 0; }

private:
    TResult SecondKey(int32_t key, uint8_t modifiers);

    uint8_t KeySequence = 0;
};
