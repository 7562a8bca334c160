#pragma once
#include <array>
#include <cstdint>

// The snapshot the action update reads: each document window fills in the part
// of its kind, the main window the rest. Plain data, so that windows of every
// kind and the rules that read it share it without knowing one another.

// What the enable and check rules read of the active wave document and window.
struct TWaveCommandState {
    int64_t values = 0;        // samples per channel
    bool drawing = false;      // hand drawing in progress
    int drawNodes = 0;         // hand-drawn points (read only while drawing)
    unsigned char drawKind = 0; // 0 linear, 1 smooth
    int channels = 2;
    int64_t selectBegin = 0;
    int64_t selectEnd = 0;
    bool isChanged = false;    // needs saving
    bool hasContent = false;   // values or a drawing
    bool hasFileName = false;
    bool canDrawLin = false;
    bool canDraw3G = false;
    unsigned char zoomMode = 0; // 0 none, 1 zoom in, 2 zoom out
    unsigned char showKind = 0; // 0 waveform, 1 volume diagram
};

// What they read of the active music document (its own queries).
struct TMusicCommandState {
    bool modifiedOrNew = false;
    bool hasFileName = false;
    bool modeAdd = false, modeEdit = false, modeDelete = false;
    bool canPlayNote = false;
    bool autoPlay = true;
    bool canNoteGroupPrev = false, canNoteGroupNext = false;
    bool canStickUp = false, canStickDown = false, stickUpChecked = false, stickDownChecked = false;
    // By length 1, 2, 4, 8, 16, 32, 64.
    std::array<bool, 7> canNote{}, noteChecked{}, canRest{}, restChecked{};
    // By articulation code 0 normal, 1 staccato, 2 staccatissimo, 3 portato, 4 legato.
    std::array<bool, 5> canArticulation{}, articulationChecked{};
    // By clef: 0 G, 1 C, 2 F.
    std::array<bool, 3> canClef{}, clefChecked{};
    // By accidental code 0 double sharp, 1 sharp, 2 natural, 3 flat, 4 double flat.
    std::array<bool, 5> canNoteShift{}, noteShiftChecked{};
    bool canPointAdd = false, canPointDelete = false, canDelete = false;
    bool canSelectUp = false, canSelectDown = false, canSelectPrev = false, canSelectNext = false;
    bool canMoveUp = false, canMoveDown = false, canMoveOctUp = false, canMoveOctDown = false;
    bool canMovePrev = false, canMoveNext = false;
    // By count 2, 3, 4, 5.
    std::array<bool, 4> canTuplet{};
};

struct TFactoryCommandState {
    bool modified = false;
    bool hasFileName = false;
    int factoryKind = 0;
    unsigned char mode = 0; // 0 drag, 1 connect
    bool showHints = false;
};

struct TPlayersCommandState {
    bool modifiedOrNew = false;
    bool hasFileName = false;
};

// A plain picture of everything the rules depend on, taken at one moment.
struct TCommandSnapshot {
    unsigned char kind = 0; // of the active window, 0 none
    TWaveCommandState wave;
    TMusicCommandState music;
    TFactoryCommandState factory;
    TPlayersCommandState players;

    bool playerUsable = false;  // play and record are possible
    bool pendingRecord = false; // a recording waits for the pause to end
    bool undoUsable = false;    // an undo snapshot whose document is not drawing
    bool clipboard = false;     // the clipboard holds a sound
    int documentWindows = 0;
    int namedFactories = 0;
    bool projectOpen = false;
    // Visible modeless dialogs: 0 Select and Zoom, 1 Music Staves, 2 Music Parts, 3 Edit Name.
    std::array<bool, 4> dialogVisible{};
};
