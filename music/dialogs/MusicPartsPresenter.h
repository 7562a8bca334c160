#pragma once
#include <cstdint>
#include <string>
#include <vector>

class TMusTreeItem;
class TPartMuz;
class TUnitMuz;

// The fields of the Music Parts dialog a value is typed into.
enum class TPartsField : uint8_t { Count, Pitch, TempoFactor, TempoStart, TempoEnd, BasicTempo };

// The property rows of the "Music Part" panel, each shown only for some nodes.
enum class TPartsRow : uint8_t {
    Count,
    Pitch,
    Octave,
    Tempo,
    TempoStart,
    TempoEnd,
    TimeStart,
    TimeEnd,
    TimeLength,
    PositionStart,
    PositionEnd,
    PositionLength,
    ResultPitch,
    ResultTempoStart,
    ResultTempoEnd,
    TurnItem,
};

struct TPartsRowView {
    TPartsRow row;
    std::string text;
    std::string extra; // the second field of the result tempo rows
};

// The three looks of "Enable Play and Draw Subtree".
enum class TPlayDrawState : uint8_t { Unchecked, Grayed, Checked };

// What the panel shows for a node: its rows top to bottom, the check box and
// the play and generate buttons.
struct TPartsNodeView {
    std::vector<TPartsRowView> rows;
    bool playDrawEnabled = false;
    TPlayDrawState playDraw = TPlayDrawState::Unchecked;
    bool playEnabled = false;
};
TPartsNodeView PartsNodeViewOf(const TMusTreeItem* item);

// A pitch in semitones as octaves: "1 1/6" for 14, "-1/6" for -2.
std::string OctaveText(int32_t pitch);
// The same for a typed pitch; empty while the text is no whole number.
std::string OctaveTextOf(const std::string& pitchText);

// A typed field applied to the node's item (the Basic Tempo to the music,
// with or without a node). Refused: the message was shown and the value kept
// its content; changed: the music was marked modified and repainted.
struct TPartsEditResult {
    bool refused = false;
    bool changed = false;
};
TPartsEditResult ApplyPartsEdit(TUnitMuz& unit, TMusTreeItem* item, TPartsField field, const std::string& text);

// The three-state box clicked into state: corrected to what the part will
// show, the part's own flag set, the music repainted and marked. Gives the state to show.
TPlayDrawState PlayDrawClicked(TUnitMuz& unit, TPartMuz& part, TPlayDrawState state);
// A node renamed in place; an empty label shows the default one.
void RenameTreeItem(TUnitMuz& unit, TMusTreeItem& item, const std::string& label);
// A node opened or closed: repeats and turns parts keep it in the file.
void StoreExpanded(TUnitMuz& unit, TMusTreeItem& item, bool expanded);
