#pragma once
#include <vector>

class TNoteStave;
class TSinglePartMuz;
class TStaveSymbol;
class TStaveTimeSymbol;

// The sets of symbols the editing commands change together, each in list order.
// The group of a note or rest: every note and rest of its stave at its
// position in its bar (a chord, or a whole tuplet with all its chords).
std::vector<TStaveTimeSymbol*> GroupOf(TStaveSymbol* symbol);
// The chord of a note or rest: the members of its group with its own place in the tuplet.
std::vector<TStaveTimeSymbol*> ChordOf(TStaveSymbol* symbol);
// The symbols of one stave in a bar.
std::vector<TStaveSymbol*> StaveSymbolsOf(const TSinglePartMuz& bar, const TNoteStave* stave);
// Numbers the clefs of the stave at each position of the bar 1, 2, 3 in
// their order, so that every position opens with clef number 1.
void RenumberStaveClefs(TSinglePartMuz& bar, const TNoteStave* stave);
