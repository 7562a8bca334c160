#pragma once
#include <memory>

class TMusicTreeSink;
class TNoteStave;
class TSinglePartMuz;
class TStaveSymbol;
class TTreeDataResult;
class TUnitMuz;
class TXTouchMuzSymbol;

// How the music document's selected symbol is chosen and shown: selecting
// (with the scrolling and the note's sound that go with it), moving to the
// neighbouring symbol, within a chord, to the ends of a stave and to the
// staves above and below; and the part tree's two views for the Music Parts
// dialog. The moves between symbols act in the selecting mode only.
class TMusicNavigation {
public:
    explicit TMusicNavigation(TUnitMuz& unit) : Unit(unit) {}

    // Selects the symbol (nullptr drops the selection) and shows it: the view
    // scrolls to it, and a note sounds when auto-play is on.
    void SelectSymbol(TXTouchMuzSymbol* symbol);
    // Scrolls across to the symbol.
    void ScrollToSymbol(const TXTouchMuzSymbol* symbol);
    // The stave of the selection: the bar's or repeat's remembered stave, else
    // the stave symbol's own; nullptr without a selection.
    TNoteStave* GetSelNoteStave() const;

    // The drawn symbol of the selection's stave before (after) it, into the
    // neighbouring bars; false when there is none.
    bool FindSymbolLeft(TXTouchMuzSymbol*& symbol) const;
    bool FindSymbolRight(TXTouchMuzSymbol*& symbol) const;
    bool CanSelectPrevExecute() const;
    bool CanSelectNextExecute() const;
    void SelectPrevExecute();
    void SelectNextExecute();

    // Up and down within the selected note's chord (the higher note comes first).
    bool CanSelectUpExecute() const;
    bool CanSelectDownExecute() const;
    void SelectUpExecute();
    void SelectDownExecute();

    // The first and last drawn symbol of the selection's stave in the whole music.
    void SelectFirstInStaveExecute() { SelectEndOfStave(true); }
    void SelectLastInStaveExecute() { SelectEndOfStave(false); }
    // The symbol nearest to the selected one's position in its bar on the stave
    // above, below, first or last.
    void SelectStaveUpExecute();
    void SelectStaveDownExecute();
    void SelectFirstStaveExecute();
    void SelectLastStaveExecute();
    void SelectInStaveAtPosition(TNoteStave* stave, double position, TSinglePartMuz* bar);

    // The "Music Structure" view, with the document's part-tree selection marked.
    void FillStructureTree(TMusicTreeSink& sink);
    // The "Music Result" view and its nodes; the caller owns the top node.
    std::unique_ptr<TTreeDataResult> FillResultTree(TMusicTreeSink& sink);
    // The times, positions and tempi the "Music Result" view shows.
    void UpdateResultTree(TTreeDataResult& root);

private:
    bool InSelectMode() const;
    // The next note of the chord from the selected one (upwards: back in the list).
    TStaveSymbol* ChordNeighbour(bool up) const;
    // The first (last) symbol of the selected stave, selected.
    void SelectEndOfStave(bool first);
    void SelectStave(TNoteStave* target);
    void Redraw();

    TUnitMuz& Unit;
};
