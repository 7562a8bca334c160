#pragma once
#include <cstdint>

class TUnitMuz;

// What a key of the music window asks of the music document.
enum class TMusicKeyCommand : uint8_t {
    None,
    SelectPrev,
    SelectNext,
    SelectUp,
    SelectDown,
    SelectFirstInStave,
    SelectLastInStave,
    SelectStaveUp,
    SelectStaveDown,
    SelectFirstStave,
    SelectLastStave,
    Longer,
    Shorter,
    LengthKey,   // code: the note value
    NoteKey,
    RestKey,
    MoreLegato,
    MoreStaccato,
    MovePrev,
    MoveNext,
    MoveUpThenClefUp,
    MoveDownThenClefDown,
    MoveOctUp,
    MoveOctDown,
    SequenceRest, // side
    SequenceNote, // side, code: the step
    SequenceClef, // side, code: the clef kind
    Count
};

struct TMusicKeyAction {
    TMusicKeyCommand command = TMusicKeyCommand::None;
    int32_t code = 0;
    uint8_t side = 0;
    bool operator==(const TMusicKeyAction&) const = default;
};

// Runs the action on the document; the commands that have an enabling query
// ask it first. False for None.
bool RunMusicKeyAction(TUnitMuz& unit, const TMusicKeyAction& action);
