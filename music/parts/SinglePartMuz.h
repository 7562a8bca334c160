#pragma once
#include "music/parts/PartMuz.h"
#include "music/symbols/MuzBar.h"
#include "music/symbols/StaveSymbol.h"

#include <memory>

class TClef;
class TMuzNote;

// A bar: a stretch of music with its own time signature (its bar symbol),
// which may span any number of measures, and every clef, note and rest that
// lies in it on any stave, in one list ordered by TStaveSymbol::IsPrevOf.
// Every bar opens each stave with a start clef: clef number 1 at position 0.
class TSinglePartMuz : public TPartMuz {
public:
    TSinglePartMuz(TMuzData* muzData, const unitFactorPosMore& tempoStart, const unitFactorPosMore& tempoEnd);
    ~TSinglePartMuz() override;

    TPartMuzKind GetPartMuzKind() const override { return partMuzSingle; }
    std::string GetDefaultTreeLabel() const override { return "part"; }
    TXTouchMuzSymbol* GetNextSymbolOfStave(const TNoteStave* stave, const TXTouchMuzSymbol* symbol) const override;
    TXTouchMuzSymbol* GetPrevSymbolOfStave(const TNoteStave* stave, const TXTouchMuzSymbol* symbol) const override;

    // Takes the bar symbol made for this part; a part keeps its first one.
    void SetMuzBar(std::unique_ptr<TMuzBar> muzBar);
    TMuzBar* GetMuzBar() const { return MuzBar.get(); }
    TStaveSymbol* GetSymbols() const { return Symbols.get(); }

    // Inserts a symbol of this bar at its place in the order and gives it: in
    // front of the symbols it ties with, or behind them (as a file is read,
    // so that symbols equal in every key keep the file's order).
    TStaveSymbol* InsertSymbol(std::unique_ptr<TStaveSymbol> symbol, bool behindEqual = false);
    // Unlinks a symbol of this bar and frees it.
    void DeleteSymbol(TStaveSymbol* symbol);
    // Puts a symbol of this bar back in order after a change of one of its keys.
    void MoveSymbol(TStaveSymbol* symbol);
    void DeleteStaveSymbols(const TNoteStave* stave);
    void DeleteNoteGroupNotes(const TNoteGroup* group);
    // Fills the gaps of the stave between its symbols with the longest rests
    // that fit, never across a bar line.
    void FillWithRests(TNoteStave* stave);
    // A start clef (G) for a stave.
    void AddStaveClef(TNoteStave* newStave);
    // Start clefs for every stave of the music, played or not.
    void AddClefsForAllStaves();

    // From symbol forwards (backwards), the first symbol on the stave.
    static TStaveSymbol* NextSymbolOfStave(const TNoteStave* stave, TStaveSymbol* symbol);
    static TStaveSymbol* PrevSymbolOfStave(const TNoteStave* stave, TStaveSymbol* symbol);
    int32_t CountStartClefs(const TNoteStave* stave) const;
    TClef* GetStartClef(const TNoteStave* stave) const;
    // The last clef of the stave at or before the position.
    TClef* GetLastClefAt(double position, const TNoteStave* stave) const;
    // The accidental in force for a note of that pitch at the position: the
    // key's, changed by earlier notes of the step in the same measure.
    uint8_t GetNoteShiftAt(const TNoteStave* stave, double position, int32_t pitch) const;
    // The symbol of the stave nearest to the position; nullptr when the bar
    // is switched off or the stave has none.
    TStaveSymbol* FindNearestSymbolAt(const TNoteStave* stave, double position) const;

    // The first and last symbol a user can select on the stave in this bar.
    TXTouchMuzSymbol* GetFirstTouchSymbolOfStave(const TNoteStave* stave) const;
    TXTouchMuzSymbol* GetLastTouchSymbolOfStave(const TNoteStave* stave) const;
    // The note of a chord that stands for it: the middle one on the stave.
    TMuzNote* GetChordTouchNote(const TNoteStave* stave, TMuzNote* note) const;

    // The "KeyPart" of a stave and the "NotePart" of a note group in this bar.
    std::unique_ptr<TXMLComplexElement> WriteKeyPartXml(const TNoteStave* stave,
                                                        const TXTouchMuzSymbol* selectedSymbol) const;
    std::unique_ptr<TXMLComplexElement> WriteNotePartXml(const TNoteGroup* group,
                                                         const TXTouchMuzSymbol* selectedSymbol) const;

protected:
    void WriteOwnXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                     const TXTouchMuzSymbol* selectedSymbol) const override;

private:
    bool IsStartClefOf(const TStaveSymbol* symbol, const TNoteStave* stave) const;
    TXTouchMuzSymbol* AskParentNext(const TNoteStave* stave) const;
    TXTouchMuzSymbol* AskParentPrev(const TNoteStave* stave) const;
    TXTouchMuzSymbol* AsTouchSymbol(TStaveSymbol* symbol, const TNoteStave* stave) const;

    std::unique_ptr<TMuzBar> MuzBar;
    std::unique_ptr<TStaveSymbol> Symbols;
    // The symbol inserted last: files insert in order, so the next place is near.
    TStaveSymbol* InsertHint = nullptr;
};
