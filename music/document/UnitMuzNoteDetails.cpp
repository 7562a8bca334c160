// Articulation, stems and note groups of notes, and swapping a symbol with
// its neighbour on the stave.
#include "music/document/MusicEditFollowUp.h"
#include "music/document/SymbolGroups.h"
#include "music/document/UnitMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"

#include <algorithm>
#include <array>

namespace {

// From the shortest sounding to the longest.
constexpr std::array<uint8_t, 5> ArticulationOrder = {noteArtStaccatissimo, noteArtStaccato, noteArtNormal,
                                                      noteArtPortato, noteArtLegato};

int32_t ArticulationRank(uint8_t articulation)
{
    const auto at = std::find(ArticulationOrder.begin(), ArticulationOrder.end(), articulation);
    return at == ArticulationOrder.end() ? -1 : static_cast<int32_t>(at - ArticulationOrder.begin());
}

} // namespace

void TUnitMuz::ArticulationExecute(uint8_t articulation)
{
    if (UnitMuzMode == unitMuzNew) {
        InsertArticulation = articulation;
        return;
    }
    TMuzNote* note = UnitMuzMode == unitMuzSel ? GetSelectedNote() : nullptr;
    if (!note)
        return;
    for (TStaveTimeSymbol* member : ChordOf(note))
        if (member->IsNote())
            static_cast<TMuzNote*>(member)->SetNoteArtKind(articulation);
    FollowEdit(TMusicEdit::NoteDetail, note);
}

bool TUnitMuz::CanArticulationExecute() const
{
    return UnitMuzMode == unitMuzNew || (UnitMuzMode == unitMuzSel && GetSelectedNote());
}

bool TUnitMuz::IsArticulationChecked(uint8_t articulation) const
{
    if (UnitMuzMode == unitMuzNew)
        return InsertModeKind == insertModeNote && InsertArticulation == articulation;
    const TMuzNote* note = UnitMuzMode == unitMuzSel ? GetSelectedNote() : nullptr;
    return note && note->GetNoteArtKind() == articulation;
}

void TUnitMuz::MoreLegatoExecute()
{
    uint8_t articulation = 0;
    if (!GetCurrentArticulation(articulation))
        return;
    const int32_t rank = ArticulationRank(articulation);
    if (rank >= 0 && rank + 1 < static_cast<int32_t>(ArticulationOrder.size()) && CanArticulationExecute())
        ArticulationExecute(ArticulationOrder[rank + 1]);
}

void TUnitMuz::MoreStaccatoExecute()
{
    uint8_t articulation = 0;
    if (!GetCurrentArticulation(articulation))
        return;
    const int32_t rank = ArticulationRank(articulation);
    if (rank > 0 && CanArticulationExecute())
        ArticulationExecute(ArticulationOrder[rank - 1]);
}

bool TUnitMuz::GetCurrentStickKind(uint8_t& kind) const
{
    if (UnitMuzMode == unitMuzNew) {
        if (InsertModeKind != insertModeNote)
            return false;
        kind = InsertStickKind;
        return true;
    }
    if (const TMuzNote* note = UnitMuzMode == unitMuzSel ? GetSelectedNote() : nullptr) {
        kind = note->GetDrawStickKind();
        return true;
    }
    return false;
}

void TUnitMuz::SetStickKind(uint8_t kind)
{
    // The two stem actions toggle: the chosen direction again means automatic.
    if (UnitMuzMode == unitMuzNew) {
        if (InsertModeKind == insertModeNote)
            InsertStickKind = InsertStickKind == kind ? static_cast<uint8_t>(drawStickAuto) : kind;
        return;
    }
    TMuzNote* note = UnitMuzMode == unitMuzSel ? GetSelectedNote() : nullptr;
    if (!note)
        return;
    note->SetDrawStickKind(note->GetDrawStickKind() == kind ? static_cast<uint8_t>(drawStickAuto) : kind);
    FollowEdit(TMusicEdit::NoteDetail, note);
}

bool TUnitMuz::CanNoteStickUpExecute() const
{
    uint8_t kind = 0;
    return GetCurrentStickKind(kind);
}

bool TUnitMuz::CanNoteStickDownExecute() const
{
    uint8_t kind = 0;
    return GetCurrentStickKind(kind);
}

bool TUnitMuz::IsNoteStickUpChecked() const
{
    uint8_t kind = 0;
    return GetCurrentStickKind(kind) && kind == drawStickUp;
}

bool TUnitMuz::IsNoteStickDownChecked() const
{
    uint8_t kind = 0;
    return GetCurrentStickKind(kind) && kind == drawStickDown;
}

namespace {

TNoteGroup* NeighbourGroup(const TMuzNote& note, bool previous)
{
    TNoteGroup* group = note.GetNoteGroup();
    if (!group || !note.GetNoteStave())
        return nullptr;
    return previous ? note.GetNoteStave()->GetPrevNoteGroup(group) : group->GetNext();
}

} // namespace

void TUnitMuz::MoveNoteToGroup(bool previous)
{
    TMuzNote* note = UnitMuzMode == unitMuzSel ? GetSelectedNote() : nullptr;
    TNoteGroup* group = note ? NeighbourGroup(*note, previous) : nullptr;
    if (!group)
        return;
    // New notes of the stave follow the note into its new group, which the
    // Music Staves dialog shows.
    note->GetNoteStave()->SetSelectedNoteGroup(group);
    note->GetNoteStave()->SetCurrentNoteGroup(group);
    note->SetNoteGroup(group);
    FollowEdit(TMusicEdit::NoteDetail, note);
}

bool TUnitMuz::CanMoveNoteToGroup(bool previous) const
{
    const TMuzNote* note = UnitMuzMode == unitMuzSel ? GetSelectedNote() : nullptr;
    return note && NeighbourGroup(*note, previous);
}

namespace {

bool IsOpeningClef(const TStaveSymbol* symbol)
{
    return symbol && symbol->IsClef() && static_cast<const TClef*>(symbol)->IsBarStartClef();
}

TStaveSymbol* NeighbourOnStave(TStaveSymbol* symbol, uint8_t side)
{
    const TNoteStave* stave = symbol->GetNoteStave();
    return side == side2Left ? TSinglePartMuz::PrevSymbolOfStave(stave, symbol->GetPrev())
                             : TSinglePartMuz::NextSymbolOfStave(stave, symbol->GetNext());
}

// A clef alone, else the whole group of the note or rest.
void RunOf(TStaveSymbol* symbol, TStaveSymbol*& first, TStaveSymbol*& last)
{
    if (symbol->IsClef()) {
        first = last = symbol;
        return;
    }
    first = symbol->GetFirstChordSymbol();
    last = symbol->GetLastChordSymbol();
}

} // namespace

bool TUnitMuz::SearchForSwitch(TStaveSymbol* symbol, uint8_t side, TStaveSymbol*& firstStart,
                               TStaveSymbol*& lastStart, TStaveSymbol*& firstFound, TStaveSymbol*& lastFound) const
{
    if (!symbol)
        return false;
    for (TStaveSymbol* candidate = NeighbourOnStave(symbol, side);; candidate = NeighbourOnStave(candidate, side)) {
        if (!candidate)
            return false;
        // Nothing passes the bar's opening clef.
        if (side == side2Left && IsOpeningClef(candidate) && symbol->IsTimeSymbol())
            return false;
        if (side == side2Right && IsOpeningClef(symbol) && candidate->IsTimeSymbol())
            return false;
        const bool beyond = side == side2Left ? candidate->GetPosition() < symbol->GetPosition()
                                              : candidate->GetPosition() > symbol->GetPosition();
        if (candidate->IsClef() || symbol->IsClef() || beyond) {
            RunOf(symbol, firstStart, lastStart);
            RunOf(candidate, firstFound, lastFound);
            return true;
        }
        // A member of the symbol's own group: look past it.
    }
}

void TUnitMuz::MovePrevExecute()
{
    TStaveSymbol* symbol = UnitMuzMode == unitMuzSel ? GetSelectedStaveSymbol() : nullptr;
    TStaveSymbol *firstStart, *lastStart, *firstFound, *lastFound;
    if (!symbol || !SearchForSwitch(symbol, side2Left, firstStart, lastStart, firstFound, lastFound))
        return;
    MuzData.SwitchSymbols(firstFound, lastFound, firstStart, lastStart);
    FollowEdit(TMusicEdit::ClefDetail);
}

void TUnitMuz::MoveNextExecute()
{
    TStaveSymbol* symbol = UnitMuzMode == unitMuzSel ? GetSelectedStaveSymbol() : nullptr;
    TStaveSymbol *firstStart, *lastStart, *firstFound, *lastFound;
    if (!symbol || !SearchForSwitch(symbol, side2Right, firstStart, lastStart, firstFound, lastFound))
        return;
    MuzData.SwitchSymbols(firstStart, lastStart, firstFound, lastFound);
    FollowEdit(TMusicEdit::ClefDetail);
}

bool TUnitMuz::CanMovePrevExecute() const
{
    TStaveSymbol* symbol = UnitMuzMode == unitMuzSel ? GetSelectedStaveSymbol() : nullptr;
    TStaveSymbol *firstStart, *lastStart, *firstFound, *lastFound;
    return symbol && SearchForSwitch(symbol, side2Left, firstStart, lastStart, firstFound, lastFound);
}

bool TUnitMuz::CanMoveNextExecute() const
{
    TStaveSymbol* symbol = UnitMuzMode == unitMuzSel ? GetSelectedStaveSymbol() : nullptr;
    TStaveSymbol *firstStart, *lastStart, *firstFound, *lastFound;
    return symbol && SearchForSwitch(symbol, side2Right, firstStart, lastStart, firstFound, lastFound);
}
