#pragma once
#include <cstdint>

class TCanvas;
class TNoteStave;

// One accidental sign beside a note head or in a key signature, made for
// one measurement or drawing.
class TNoteShift {
public:
    TNoteShift(TNoteStave* noteStave, uint8_t noteShiftKind, int32_t pitch)
        : NoteShiftKind(noteShiftKind), Pitch(pitch), NoteStave(noteStave)
    {
    }
    virtual ~TNoteShift() = default;

    virtual int32_t GetTouchDistanceY(int32_t y) const;
    virtual void Trace() const {}

    TNoteStave* GetNoteStave() const { return NoteStave; }
    // The sign's width; 0 for a value that draws nothing.
    void GetWidth(int32_t& width) const;
    // Draws the sign with its left edge at x, at the stave height Pitch, and
    // gives its right edge.
    void Draw(TCanvas& canvas, int32_t x, int32_t& right, bool selected) const;

private:
    uint8_t NoteShiftKind;
    int32_t Pitch; // stave height of the sign
    TNoteStave* NoteStave;
};
