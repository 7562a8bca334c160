#include "music/document/SymbolGroups.h"

#include "music/parts/SinglePartMuz.h"
#include "music/symbols/Clef.h"
#include "music/symbols/StaveTimeSymbol.h"

std::vector<TStaveTimeSymbol*> GroupOf(TStaveSymbol* symbol)
{
    std::vector<TStaveTimeSymbol*> members;
    if (!symbol || !symbol->IsTimeSymbol())
        return members;
    for (TStaveSymbol* each = symbol->GetFirstChordSymbol(); each; each = each->GetNextChordSymbol())
        members.push_back(static_cast<TStaveTimeSymbol*>(each));
    return members;
}

std::vector<TStaveTimeSymbol*> ChordOf(TStaveSymbol* symbol)
{
    std::vector<TStaveTimeSymbol*> members;
    if (!symbol || !symbol->IsTimeSymbol())
        return members;
    auto* time = static_cast<TStaveTimeSymbol*>(symbol);
    for (TStaveTimeSymbol* each = time->GetFirstChordSymbolInOol(); each; each = each->GetNextChordSymbolInOol())
        members.push_back(each);
    return members;
}

std::vector<TStaveSymbol*> StaveSymbolsOf(const TSinglePartMuz& bar, const TNoteStave* stave)
{
    std::vector<TStaveSymbol*> symbols;
    for (TStaveSymbol* each = bar.GetSymbols(); each; each = each->GetNext())
        if (each->GetNoteStave() == stave)
            symbols.push_back(each);
    return symbols;
}

void RenumberStaveClefs(TSinglePartMuz& bar, const TNoteStave* stave)
{
    double position = -1;
    int32_t number = 0;
    for (TStaveSymbol* each = bar.GetSymbols(); each; each = each->GetNext()) {
        if (!each->IsClef() || each->GetNoteStave() != stave)
            continue;
        if (each->GetPosition() != position) {
            position = each->GetPosition();
            number = 0;
        }
        // Clefs at one position stand in number order, so new numbers in list
        // order keep the list sorted.
        static_cast<TClef*>(each)->SetClefNumber(++number);
    }
}
