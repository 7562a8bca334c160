#pragma once
// The records of the stave layout: the x positions of one stave's symbols,
// its chord slots (the notes of one stem direction at one position and
// tuplet place) and its rest slots. They are filled as a paint hands the
// stave its notes and rests, and laid out, drawn and freed by a flush up to
// a cut position P (a bar line or a clef); what lies at or after P stays for
// a later flush.
//
// Lists keep their items in std::list so that the pointers between them stay
// valid while items are inserted and freed around them.
#include "music/symbols/DrawNote.h"
#include "music/symbols/NoteShiftKinds.h"
#include "music/symbols/Rest.h"

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

class TCanvas;
class TMuzNote;
class TNoteStave;

// The length of a chord or rest slot: a note value with dots, or, while a cut
// piece waits to be split into note values, a length in whole notes.
struct TDrawXLength {
    bool LengthIsBroken = false;
    uint8_t NoteLengthKind = 4;
    int32_t Points = 0;
    double BrokenLength = 0;

    double GetLength() const;
    void Set(int32_t points, uint8_t noteLengthKind);
    void SetBroken(double length);
    // The drawn value and dots: one member's in a tuplet, which stores its
    // whole length (and a duplet or quadruplet one dot more than it shows).
    int32_t GetFlagLength(uint8_t multiOol) const;
    int32_t GetFlagPoints(uint8_t multiOol) const;
    // The longest dotted note value within the length; gives what is left.
    double SplitLength(int32_t& points, uint8_t& noteLengthKind, double& length) const;
};

// One x position: the widths of its three columns (accidentals, heads,
// dots and flags) and its x, and the accidentals in force after it.
struct TDrawXPositionItem {
    TDrawXPositionItem(double position, int32_t posInOol, uint8_t multiOol)
        : Position(position), PosInOol(posInOol), MultiOol(multiOol)
    {
    }
    void ExtendWidthBefore(int32_t width);
    void ExtendWidthCore(int32_t width);
    void ExtendWidthAfter(int32_t width);

    NoteShiftKinds ShiftKinds{noteShiftNone};
    // The table of the position before this one (or of the list's head).
    const NoteShiftKinds* PrevShiftKinds = nullptr;
    int32_t WidthBefore = -1;
    int32_t WidthCore = -1;
    int32_t WidthAfter = -1;
    int32_t X = 0;
    double Position;
    int32_t PosInOol;
    uint8_t MultiOol;
};

// The x positions of a stave in position order. The head's table holds the
// accidentals at the start of the flush; Retained keeps the last position of
// the previous flush, whose table the next position still reads.
class TDrawXPositionList {
public:
    using Items = std::list<TDrawXPositionItem>;

    // The position of that music position and tuplet place, made when missing.
    TDrawXPositionItem& GetOrAdd(double position, int32_t posInOol, uint8_t multiOol);
    bool HasPositions() const { return !List.empty(); }
    void SetStartAccidentals(const NoteShiftKinds& barAccidentals) { Head.Assign(barAccidentals); }
    // Every unset entry takes the position before; gives the table after the last.
    NoteShiftKinds PropagateAccidentals();
    // x of every position before P from x on; gives the x after them.
    int32_t AssignX(double p, int32_t x);
    void DeleteDrawnPositions(double p);
    void Clear();
    Items& GetItems() { return List; }
    const NoteShiftKinds& GetHead() const { return Head; }

private:
    NoteShiftKinds Head{noteShiftNone};
    // The table before the retained position.
    NoteShiftKinds RetainedPrev{noteShiftNone};
    Items List;
    Items Retained;
};

// One note of a chord slot.
struct TDrawXNoteItem {
    TDrawXNoteItem(TMuzNote* muzNote, bool selected) : MuzNote(muzNote), Selected(selected) {}

    TMuzNote* MuzNote;
    bool Selected;
    bool HeadShifted = false;
    std::unique_ptr<TDrawNote> DrawNote;
};

// The notes of one list at one position and tuplet place.
struct TDrawXNotesItem {
    TDrawXNotesItem(double position, int32_t posInOol, uint8_t multiOol, TDrawXPositionItem* drawXPositionItem,
                    TNoteStave* noteStave, uint8_t drawStickKind)
        : Position(position), PosInOol(posInOol), MultiOol(multiOol), DrawXPositionItem(drawXPositionItem),
          NoteStave(noteStave), DrawStickKind(drawStickKind)
    {
    }

    double Position;
    int32_t PosInOol;
    uint8_t MultiOol;
    TDrawXPositionItem* DrawXPositionItem;
    TNoteStave* NoteStave;
    uint8_t DrawStickKind;
    uint8_t NoteArtKind = 0;
    TDrawXLength Length;
    int32_t BeamY = 0;
    int32_t StickEndY = 0;
    int32_t StickX = 0;
    bool JoinBreakBefore = false;
    bool JoinBreakAfter = false;
    bool GroupBreakBefore = false;
    bool GroupBreakAfter = false;
    bool SlurBegin = false;
    bool SlurEnd = false;
    std::vector<TDrawXNoteItem> Notes;
    // A retained slot outlives its x position: it keeps the head column's
    // x and widths for the tie the next flush may draw from it.
    int32_t KeptX = 0;
    int32_t KeptWidthBefore = 0;
    int32_t KeptWidthCore = 0;

    bool HasNotes() const { return !Notes.empty(); }
    bool IsTupletMember() const { return MultiOol > 1; }
    // The lowest and highest drawn height of the notes; 0 without notes.
    int32_t GetMinHeight() const;
    int32_t GetMaxHeight() const;
    // The head column, from the x position or what a retained slot kept.
    int32_t HeadLeft() const;
    int32_t HeadRight() const;
    // The same slot for the piece that starts at q; the notes without their drawing.
    TDrawXNotesItem CopyFor(TDrawXPositionItem& q) const;
};

// The chord slots of one drawn stem direction (up, down or automatic), in
// position order, with the last slot drawn by the previous flush.
class TDrawXNotesList {
public:
    using Items = std::list<TDrawXNotesItem>;

    TDrawXNotesList(uint8_t drawStickKind, TNoteStave* noteStave) : DrawStickKind(drawStickKind), NoteStave(noteStave) {}

    // The slot of that position and place, appended when missing; nullptr
    // when an existing one disagrees (reported).
    TDrawXNotesItem* AddChordSlot(double position, int32_t posInOol, uint8_t multiOol,
                                  TDrawXPositionItem& drawXPositionItem, uint8_t noteLengthKind);
    // The note joins the slot of its position and place; false when it does not fit there.
    bool AddNote(TMuzNote& note, bool selected);

    // Steps of a flush; each visits the slots before P unless said otherwise.
    void SplitAtBar(double p, TDrawXPositionList& positions);  // every slot
    void SplitBrokenLengths(double p, TDrawXPositionList& positions);
    void SetJoinBreaksAfter(double p, bool allowJoinFlags);
    void SetJoinBreaksBefore(double p);
    void RecordAccidentals(const class TClef* barClef);  // every slot
    void CreateDrawNotes(double p, const class TClef* barClef);
    void DecideAutoSticks(double p);
    void SetStickEnds(double p);
    void MarkSeconds(double p);
    void SetChordWidths(double p);
    void SetStickX(double p);
    void LayBeamLines(double p, TCanvas& canvas);
    void DrawChords(double p, TCanvas& canvas);
    void DrawTies(double p, TCanvas& canvas);
    void DeleteDrawnChords(double p);
    void Clear();

    Items& GetItems() { return List; }
    const TDrawXNotesItem* GetRetained() const { return Retained.empty() ? nullptr : &Retained.front(); }
    uint8_t GetDrawStickKind() const { return DrawStickKind; }

private:
    TDrawXNotesItem* Find(double position, int32_t posInOol);
    Items::iterator GroupEnd(Items::iterator first, double p);
    void GetBeamLine(Items::iterator s, double p, double line[4]);
    void SetStickEndsOnLine(Items::iterator s, double p, const double line[4]);
    void DrawTupletMark(Items::iterator s, double p, const double line[4], TCanvas& canvas);
    void DrawNoteHeads(TDrawXNotesItem& slot, TCanvas& canvas, int32_t x, int32_t headLeft, int32_t headRight,
                       int32_t end);
    void DrawBeamsToNext(const TDrawXNotesItem& s, const TDrawXNotesItem& next, int32_t v, TCanvas& canvas);
    void DrawBeamStubs(const TDrawXNotesItem& s, const TDrawXNotesItem& neighbour, bool toRight, int32_t from,
                       int32_t to, TCanvas& canvas);
    void DrawFlags(const TDrawXNotesItem& s, int32_t v, TCanvas& canvas);

    uint8_t DrawStickKind;
    TNoteStave* NoteStave;
    Items List;
    Items Retained;
};

// One rest.
struct TDrawXSilItem {
    TDrawXSilItem(double position, int32_t posInOol, uint8_t multiOol, TDrawXPositionItem* drawXPositionItem,
                  const TDrawXLength& length, TRest* silence, bool selected)
        : Position(position), PosInOol(posInOol), MultiOol(multiOol), DrawXPositionItem(drawXPositionItem),
          Length(length), Silence(silence), Selected(selected)
    {
    }

    double Position;
    int32_t PosInOol;
    uint8_t MultiOol;
    TDrawXPositionItem* DrawXPositionItem;
    TDrawXLength Length;
    TRest* Silence;
    bool Selected;
    std::unique_ptr<TRest> DrawSilence;
};

// The rest slots of a stave in position order.
class TDrawXSilList {
public:
    using Items = std::list<TDrawXSilItem>;

    explicit TDrawXSilList(TNoteStave* noteStave) : NoteStave(noteStave) {}

    void AddRest(TDrawXPositionItem& drawXPositionItem, TRest& rest, bool selected);
    void SplitAtBar(double p, TDrawXPositionList& positions);
    void SplitBrokenLengths(double p, TDrawXPositionList& positions);
    void CreateDrawSilences(double p);
    void SetRestWidths(double p);
    void DrawRests(double p, TCanvas& canvas);
    void DeleteDrawnRests(double p);
    void Clear() { List.clear(); }
    Items& GetItems() { return List; }

private:
    TNoteStave* NoteStave;
    Items List;
};

// The number of beams or flags of a drawn value: 8 has 1, 16 2, 32 3, 64 4.
int32_t FlagLevels(int32_t drawnValue);
