#include "music/document/MusicNavigation.h"

#include "music/data/MusicGeneration.h"
#include "music/document/MusicView.h"
#include "music/document/UnitMuz.h"
#include "music/parts/PartTreeViews.h"
#include "music/parts/SinglePartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "music/parts/TreeDataResult.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MuzNote.h"

#include <algorithm>

bool TMusicNavigation::InSelectMode() const
{
    return Unit.UnitMuzMode == unitMuzSel;
}

void TMusicNavigation::Redraw()
{
    if (Unit.GetMusicView())
        Unit.Redraw();
}

void TMusicNavigation::SelectSymbol(TXTouchMuzSymbol* symbol)
{
    Unit.SetSelMuzSymbol(symbol);
    if (!symbol)
        return;
    ScrollToSymbol(symbol);
    if (symbol->GetMuzSymbolKind() != muzSymbolStave)
        return;
    auto* staveSymbol = static_cast<TStaveSymbol*>(symbol);
    const int32_t middle = staveSymbol->GetNoteStave()->GetMiddleY();
    int32_t top = middle - 25;
    int32_t bottom = middle + 25;
    if (staveSymbol->IsNote()) {
        auto* note = static_cast<TMuzNote*>(staveSymbol);
        note->AutoPlay(Unit);
        const int32_t y = middle - 5 * note->GetDrawHeight();
        top = y - 10;
        bottom = y + 10;
    }
    if (MusicView* view = Unit.GetMusicView())
        view->ScrollIntoViewY(top, bottom);
}

void TMusicNavigation::ScrollToSymbol(const TXTouchMuzSymbol* symbol)
{
    if (symbol && Unit.GetMusicView())
        Unit.GetMusicView()->ScrollIntoViewX(symbol->GetTouchLeft(), symbol->GetTouchRight());
}

TNoteStave* TMusicNavigation::GetSelNoteStave() const
{
    const TXTouchMuzSymbol* symbol = Unit.GetSelectedSymbol();
    if (!symbol)
        return nullptr;
    if (symbol->GetMuzSymbolKind() == muzSymbolStave)
        return static_cast<const TStaveSymbol*>(symbol)->GetNoteStave();
    return Unit.GetSelectedInStave();
}

bool TMusicNavigation::FindSymbolLeft(TXTouchMuzSymbol*& symbol) const
{
    symbol = Unit.GetSelectedSymbol();
    const TNoteStave* stave = GetSelNoteStave();
    if (!InSelectMode() || !symbol || !stave || !symbol->GetPartMuz())
        return false;
    symbol = symbol->GetPartMuz()->GetPrevSymbolOfStave(stave, symbol);
    return symbol != nullptr;
}

bool TMusicNavigation::FindSymbolRight(TXTouchMuzSymbol*& symbol) const
{
    symbol = Unit.GetSelectedSymbol();
    const TNoteStave* stave = GetSelNoteStave();
    if (!InSelectMode() || !symbol || !stave || !symbol->GetPartMuz())
        return false;
    symbol = symbol->GetPartMuz()->GetNextSymbolOfStave(stave, symbol);
    return symbol != nullptr;
}

bool TMusicNavigation::CanSelectPrevExecute() const
{
    TXTouchMuzSymbol* symbol = nullptr;
    return FindSymbolLeft(symbol);
}

bool TMusicNavigation::CanSelectNextExecute() const
{
    TXTouchMuzSymbol* symbol = nullptr;
    return FindSymbolRight(symbol);
}

void TMusicNavigation::SelectPrevExecute()
{
    TXTouchMuzSymbol* symbol = nullptr;
    if (FindSymbolLeft(symbol)) {
        SelectSymbol(symbol);
        Redraw();
    }
}

void TMusicNavigation::SelectNextExecute()
{
    TXTouchMuzSymbol* symbol = nullptr;
    if (FindSymbolRight(symbol)) {
        SelectSymbol(symbol);
        Redraw();
    }
}

TStaveSymbol* TMusicNavigation::ChordNeighbour(bool up) const
{
    TXTouchMuzSymbol* selected = Unit.GetSelectedSymbol();
    if (!InSelectMode() || !selected || selected->GetMuzSymbolKind() != muzSymbolStave)
        return nullptr;
    auto* note = static_cast<TStaveSymbol*>(selected);
    if (!note->IsNote())
        return nullptr;
    TStaveSymbol* other = up ? note->GetPrev() : note->GetNext();
    while (other && other->GetNoteStave() != note->GetNoteStave())
        other = up ? other->GetPrev() : other->GetNext();
    if (!other || !other->IsNote() || other->GetPosition() != note->GetPosition() ||
        static_cast<TMuzNote*>(other)->GetPosInOol() != static_cast<TMuzNote*>(note)->GetPosInOol())
        return nullptr;
    return other;
}

bool TMusicNavigation::CanSelectUpExecute() const
{
    return ChordNeighbour(true) != nullptr;
}

bool TMusicNavigation::CanSelectDownExecute() const
{
    return ChordNeighbour(false) != nullptr;
}

void TMusicNavigation::SelectUpExecute()
{
    if (TStaveSymbol* note = ChordNeighbour(true)) {
        SelectSymbol(note);
        Redraw();
    }
}

void TMusicNavigation::SelectDownExecute()
{
    if (TStaveSymbol* note = ChordNeighbour(false)) {
        SelectSymbol(note);
        Redraw();
    }
}

void TMusicNavigation::SelectEndOfStave(bool first)
{
    const TNoteStave* stave = GetSelNoteStave();
    if (!InSelectMode() || !Unit.GetSelectedSymbol() || !stave)
        return;
    SelectSymbol(first ? Unit.MuzData.GetFirstTouchSymbol(stave) : Unit.MuzData.GetLastTouchSymbol(stave));
    Redraw();
}

void TMusicNavigation::SelectStave(TNoteStave* target)
{
    TXTouchMuzSymbol* selected = Unit.GetSelectedSymbol();
    if (!selected || selected->GetMuzSymbolKind() != muzSymbolStave)
        return;
    auto* symbol = static_cast<TStaveSymbol*>(selected);
    SelectInStaveAtPosition(target, symbol->GetPosition(), symbol->GetSinglePartMuz());
}

void TMusicNavigation::SelectStaveUpExecute()
{
    const TNoteStave* stave = GetSelNoteStave();
    if (stave && Unit.GetSelMuzSymbolKind() == muzSymbolStave)
        SelectStave(stave->GetPrev());
}

void TMusicNavigation::SelectStaveDownExecute()
{
    const TNoteStave* stave = GetSelNoteStave();
    if (stave && Unit.GetSelMuzSymbolKind() == muzSymbolStave)
        SelectStave(stave->GetNext());
}

void TMusicNavigation::SelectFirstStaveExecute()
{
    SelectStave(Unit.MuzData.GetStartStave());
}

void TMusicNavigation::SelectLastStaveExecute()
{
    TNoteStave* last = Unit.MuzData.GetStartStave();
    while (last && last->GetNext())
        last = last->GetNext();
    SelectStave(last);
}

void TMusicNavigation::SelectInStaveAtPosition(TNoteStave* stave, double position, TSinglePartMuz* bar)
{
    if (!stave || !bar)
        return;
    SelectSymbol(bar->FindNearestSymbolAt(stave, position));
    Redraw();
}

void TMusicNavigation::FillStructureTree(TMusicTreeSink& sink)
{
    sink.BeginUpdate();
    sink.Clear();
    AddTreeNode(*Unit.MuzData.GetStartPartMuz(), sink, TMusicTreeSink::TopNode, Unit.GetSelMusTreeItem());
    if (!Unit.GetSelMusTreeItem())
        sink.SetSelected(TMusicTreeSink::TopNode);
    sink.EndUpdate();
}

std::unique_ptr<TTreeDataResult> TMusicNavigation::FillResultTree(TMusicTreeSink& sink)
{
    sink.BeginUpdate();
    sink.Clear();
    auto root = std::make_unique<TTreeDataResult>(nullptr, nullptr, 0, 0);
    AddTreeDataNode(*Unit.MuzData.GetStartPartMuz(), sink, TMusicTreeSink::TopNode, 0, *root);
    sink.EndUpdate();
    return root;
}

void TMusicNavigation::UpdateResultTree(TTreeDataResult& root)
{
    double position = 0.0;
    double time = 0.0;
    root.UpdateTreeData(position, time, std::max(GetMusicLength(Unit.MuzData), 1.0), Unit.MuzData.Tempo.GetValue());
}
