#pragma once
#include <cstdint>

class TCanvas;
class TNoteGroup;
class TNoteStave;

// A note head as the stave layout draws it, with its accidental and dots;
// made for one layout pass.
class TDrawNote {
public:
    TDrawNote(TNoteGroup* noteGroup, uint8_t flagLength, int32_t flagPoints, int32_t drawHeight,
              TNoteStave* noteStave, uint8_t noteShiftKind);
    virtual ~TDrawNote() = default;
    virtual void Trace() const {}

    // Room for the accidental, the head and the dots.
    void GetWidths(int32_t& before, int32_t& core, int32_t& after) const;
    // Draws the head in the column x..x2 the layout gives it; left and right
    // take in the accidental and the dots.
    void Draw(TCanvas& canvas, int32_t x, int32_t x2, int32_t& left, int32_t& right, bool selected) const;

    TNoteGroup* NoteGroup;
    TNoteStave* NoteStave;
    uint8_t FlagLength;
    int32_t FlagPoints;
    int32_t DrawHeight;
    uint8_t NoteShiftKind;
};
