#pragma once
#include "foundation/draw/Canvas.h"
#include "music/layout/StaveLayoutItems.h"
#include "music/symbols/NoteShiftKinds.h"

#include <cstdint>

class TClef;
class TMuzNote;
class TNoteStave;
class TRest;

// What one stave contributes to a paint of the music: its band and lines,
// bar lines, the notes and rests handed to it laid out and drawn measure by
// measure, and the accidentals in force while a bar is laid out. Made for one
// paint pass; the stave itself keeps only the y of its middle line, which its
// symbols draw and are hit by.
class TStaveDrawing {
public:
    explicit TStaveDrawing(TNoteStave& stave);

    TNoteStave& GetStave() const { return Stave; }

    // Starts a pass: the middle line at middleY, the next symbol at startX.
    void StartDraw(int32_t middleY, int32_t startX);
    // DrawX grows to x.
    void ExtendRight(int32_t x);
    // The band from RoomUp above to RoomDown below the middle line, within clip.
    void DrawBackground(TCanvas& canvas, const TCanvasRect& clip) const;
    // The five lines, and with ExtraLines the further lines in a paler colour.
    void DrawLines(TCanvas& canvas, const TCanvasRect& clip) const;
    void DrawBarLine(TCanvas& canvas, int32_t x) const;
    // The closing double bar: 1 pixel, a gap of 2, 4 pixels.
    void DrawEndBar(TCanvas& canvas, int32_t x) const;

    // Hands a note or rest over to be laid out; selected draws it highlighted.
    void AddNote(TMuzNote& note, bool selected);
    void AddRest(TRest& rest, bool selected);
    bool HasPositions() const { return XPositions.HasPositions(); }
    // Lays out and draws what was handed over before the position from
    // startX; endX is where the stave goes on (startX when nothing was drawn).
    // It is the three steps below in order.
    void DrawBarSymbols(double barPosition, TCanvas& canvas, int32_t startX, int32_t& endX);
    // Cuts, splits, joins, accidentals, stem directions, widths, x values and
    // stem x of what lies before the position; gives the x after it.
    int32_t LayOutBarSymbols(double barPosition, int32_t startX);
    // Beam lines with tuplet marks, chords, rests and ties.
    void DrawLaidOut(double barPosition, TCanvas& canvas);
    // Frees what was drawn, keeping what the next flush refers to.
    void ReleaseDrawn(double barPosition);
    // A tie or legato mark in the stave's colour.
    void DrawArc(TCanvas& canvas, TCanvasPoint p1, TCanvasPoint p2, int32_t height) const;
    // The clef rules the bar from here: its key becomes the accidentals in force.
    void SetClef(TClef* clef);
    // After a bar line the key's accidentals are in force again.
    void ResetBarAccidentals();

    int32_t GetMiddleY() const { return MiddleY; }
    // The layout records, for tests that look between the steps.
    TDrawXPositionList& GetPositions() { return XPositions; }
    TDrawXNotesList& GetNotes(uint8_t drawStickKind) { return NotesOf(drawStickKind); }
    TDrawXSilList& GetRests() { return Rests; }
    const NoteShiftKinds& GetBarAccidentals() const { return BarAccidentals; }
    TClef* GetBarClef() const { return BarClef; }

    // Where the stave's next symbol is drawn, and the position of the last
    // symbol handed to it in this pass.
    int32_t DrawX = 0;
    double LastSymbolPosition = 0;

private:
    TDrawXNotesList& NotesOf(uint8_t drawStickKind);

    TNoteStave& Stave;
    int32_t MiddleY = 0;
    TDrawXPositionList XPositions;
    TDrawXNotesList NotesUp;
    TDrawXNotesList NotesDown;
    TDrawXNotesList NotesAuto;
    TDrawXSilList Rests;
    TClef* BarClef = nullptr;
    NoteShiftKinds BarAccidentals;
    NoteShiftKinds KeyAccidentals;
};
