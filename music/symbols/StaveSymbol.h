#pragma once
#include "music/symbols/XTouchMuzSymbol.h"

#include <memory>

class TMuzNote;
class TNoteGroup;
class TNoteStave;
class TSinglePartMuz;

// A clef, note or rest: a symbol on one stave inside one bar. The symbols of
// a bar, of all its staves, form one doubly linked list kept in IsPrevOf
// order; each symbol owns the one after it, and the bar owns the first.
class TStaveSymbol : public TXTouchMuzSymbol {
public:
    TStaveSymbol(TSinglePartMuz* singlePartMuz, double position, TNoteStave* noteStave);
    // Frees the symbols linked after this one as well, without recursion.
    ~TStaveSymbol() override;

    TMuzSymbolKind GetMuzSymbolKind() const override { return muzSymbolStave; }
    TPartMuz* GetPartMuz() const override;
    virtual TStaveSymbolKind GetStaveSymbolKind() const = 0;
    // Vertical pixel distance from y to the drawn symbol, 0 when on it.
    virtual int32_t GetTouchDistanceY(int32_t y) const = 0;

    TStaveSymbol* GetNext() const { return Next.get(); }
    TStaveSymbol* GetPrev() const { return Prev; }
    TNoteStave* GetNoteStave() const { return NoteStave; }
    double GetPosition() const { return Position; }
    double GetSymbolPosition() const { return Position; }
    // The bar keeps its order: after a change of position call its MoveSymbol.
    void SetPosition(double position) { Position = position; }
    TSinglePartMuz* GetSinglePartMuz() const { return SinglePartMuz; }
    bool IsClef() const { return GetStaveSymbolKind() == staveSymbolClef; }
    bool IsNote() const { return GetStaveSymbolKind() == staveSymbolNote; }
    bool IsRest() const { return GetStaveSymbolKind() == staveSymbolRest; }
    bool IsTimeSymbol() const { return !IsClef(); }

    // Whether this symbol stands strictly before other in a bar's list: earlier
    // position; at one position clefs first by clef number, then notes and
    // rests by their place in the tuplet, and of two notes the higher first.
    bool IsPrevOf(const TStaveSymbol& other) const;

    // From this symbol backwards, the first clef on the stave; nullptr when none.
    TStaveSymbol* FindPrevClef(const TNoteStave* stave);
    // From this symbol forwards, the first note.
    TMuzNote* GetFirstNote();

    // The notes and rests of this symbol's stave at its position: the earliest
    // (this one when none comes before), the next after this one (nullptr at
    // the end) and the last (this one when none follows).
    TStaveSymbol* GetFirstChordSymbol();
    TStaveSymbol* GetNextChordSymbol();
    TStaveSymbol* GetLastChordSymbol();

    // Unlinks every symbol of the stave (or every note of the group) from the
    // list headed by head and frees it; head becomes the first symbol kept.
    static void DeleteSymbolsOfStave(std::unique_ptr<TStaveSymbol>& head, const TNoteStave* stave);
    static void DeleteNotesOfNoteGroup(std::unique_ptr<TStaveSymbol>& head, const TNoteGroup* group);

    // List cells. LinkAfter puts symbol after after, or first when after is
    // nullptr; Unlink takes a symbol of the list out and hands it back.
    static void LinkAfter(std::unique_ptr<TStaveSymbol>& head, TStaveSymbol* after,
                          std::unique_ptr<TStaveSymbol> symbol);
    static std::unique_ptr<TStaveSymbol> Unlink(std::unique_ptr<TStaveSymbol>& head, TStaveSymbol* symbol);

    virtual void Trace() const {}

protected:
    // At one position: clefs 1, notes and rests 6.
    int32_t GetOrderRank() const { return IsClef() ? 1 : 6; }
    // The key after the rank: twice a clef's number, a time symbol's PosInOol.
    virtual int32_t GetSecondaryKey() const = 0;

    TNoteStave* NoteStave;
    double Position;
    TSinglePartMuz* SinglePartMuz;

private:
    std::unique_ptr<TStaveSymbol> Next;
    TStaveSymbol* Prev = nullptr;
};
