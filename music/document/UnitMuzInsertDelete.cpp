// Clefs, notes and rests entering and leaving the music: by a click in mode
// new, by the two-key commands beside the selection, by a click in mode
// delete and by the Delete command.
#include "music/document/MusicEditFollowUp.h"
#include "music/document/MusicNavigation.h"
#include "music/document/MusicView.h"
#include "music/document/SymbolGroups.h"
#include "music/document/UnitMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/MessageService.h"

#include <algorithm>
#include <unordered_set>

namespace {

// A symbol added next to reference has no drawn place yet: the reference is shown.
void ShowReference(TUnitMuz& unit, const TStaveSymbol* reference)
{
    if (reference && reference->IsTouchValid())
        TMusicNavigation(unit).ScrollToSymbol(reference);
}

} // namespace

bool TUnitMuz::AddAtClick(TNoteStave* stave, TMuzNote* noteAtX, TRest* restAtX, TStaveSymbol* left,
                          TStaveSymbol* right, int32_t height, bool testOnly)
{
    if (!noteAtX && !left && !right) {
        if (!testOnly)
            ShowMessage("You cannot add Music Elements because there is no Music Part visible", "No Music",
                        MsgIcon::Information);
        return false;
    }
    TStaveSymbol* reference = left ? left : right;
    uint8_t side = left ? insertAfter : insertBefore;
    switch (InsertModeKind) {
    case insertModeClef:
        return InsertClefAt(stave, reference, GetAddClefKind(), side, testOnly);
    case insertModeNote: {
        if (restAtX || noteAtX) {
            reference = restAtX ? static_cast<TStaveSymbol*>(restAtX) : noteAtX;
            side = insertInChord;
        }
        if (!reference)
            return false;
        const TStaveSymbol* clefSymbol = reference->FindPrevClef(stave);
        if (!clefSymbol)
            return false;
        const TClef* clef = static_cast<const TClef*>(clefSymbol);
        if (!clef->IsPitchInRange(height))
            return false;
        return InsertNoteAt(stave, reference, clef->HeightToPitch(height), side, testOnly);
    }
    case insertModeRest:
        return InsertRestAt(stave, reference, side, testOnly);
    default:
        // An accidental click goes to ApplyNoteShiftToSymbol.
        return false;
    }
}

bool TUnitMuz::InsertRestAt(TNoteStave* stave, TStaveSymbol* reference, uint8_t side, bool testOnly)
{
    TRest* rest = nullptr;
    const bool done = MuzData.InsertRest(stave, reference, side, GetPointsFor(reference), GetLengthFor(reference),
                                         &rest, testOnly);
    if (rest) {
        // The new rest has no drawn place yet: its neighbour is shown.
        ShowReference(*this, reference);
        PartsChanged();
        SetSelMuzSymbol(rest);
    }
    return done;
}

bool TUnitMuz::InsertNoteAt(TNoteStave* stave, TStaveSymbol* reference, int32_t pitch, uint8_t side, bool testOnly)
{
    TMuzNote* note = nullptr;
    // A rest under the pointer gives way to the note: where it was drawn is kept first.
    const bool valid = reference && reference->IsTouchValid();
    const int32_t left = valid ? reference->GetTouchLeft() : 0;
    const int32_t right = valid ? reference->GetTouchRight() : 0;
    // The rest is freed: it must not stay the selection.
    if (!testOnly && side == insertInChord && reference && reference->IsRest() && SelectedSymbol == reference)
        SetSelMuzSymbol(nullptr);
    const bool done = MuzData.InsertNote(stave, reference, side, pitch, GetLengthFor(reference),
                                         GetPointsFor(reference), GetArticulationFor(reference),
                                         GetStickKindFor(reference), GetNoteGroupFor(stave, reference), &note,
                                         testOnly);
    if (note) {
        if (valid && View)
            View->ScrollIntoViewX(left, right);
        PartsChanged();
        SetSelMuzSymbol(note);
        note->AutoPlay(*this);
    }
    return done;
}

bool TUnitMuz::InsertClefAt(TNoteStave* stave, TStaveSymbol* reference, int8_t keyKind, uint8_t side,
                            bool testOnly)
{
    TClef* clef = nullptr;
    const bool done = MuzData.InsertClef(stave, reference, side, keyKind, &clef, testOnly);
    if (clef) {
        ShowReference(*this, reference);
        SetSelMuzSymbol(clef);
    }
    return done;
}

void TUnitMuz::KeySequenceNote(uint8_t side, int32_t step)
{
    KeySequenceInsert(side, keySequenceNote, step);
}

void TUnitMuz::KeySequenceRest(uint8_t side)
{
    KeySequenceInsert(side, keySequenceRest, 0);
}

void TUnitMuz::KeySequenceInsert(uint8_t side, uint8_t kind, int32_t step)
{
    TStaveSymbol* selected = GetSelectedStaveSymbol();
    if (!selected || !selected->GetNoteStave())
        return;
    // Nothing goes before the bar's opening clef: refused, and nothing is marked.
    if (side == insertBefore && selected->IsClef() && static_cast<TClef*>(selected)->IsBarStartClef())
        return;
    TNoteStave* stave = selected->GetNoteStave();
    if (kind == keySequenceRest) {
        InsertRestAt(stave, selected, side, false);
    } else {
        const TStaveSymbol* clefSymbol = selected->FindPrevClef(stave);
        if (!clefSymbol)
            return;
        const TClef* clef = static_cast<const TClef*>(clefSymbol);
        // The letter names the note in the octave of the clef's middle line.
        const int32_t pitch = step + 7 * (clef->GetKeyKind() / 6) + 7 * clef->GetOctavesUp();
        InsertNoteAt(stave, selected, pitch, side, false);
    }
    FollowEdit(TMusicEdit::KeySequence);
}

void TUnitMuz::KeySequenceClef(uint8_t side, int8_t keyKind)
{
    TStaveSymbol* selected = GetSelectedStaveSymbol();
    if (!selected || !selected->GetNoteStave())
        return;
    InsertClefAt(selected->GetNoteStave(), selected, keyKind, side, false);
    FollowEdit(TMusicEdit::KeySequence);
}

void TUnitMuz::ApplyNoteShiftToSymbol(TStaveSymbol* symbol, int32_t height)
{
    if (!symbol)
        return;
    if (symbol->IsNote()) {
        auto* note = static_cast<TMuzNote*>(symbol);
        note->SetNoteShift(InsertNoteShift);
        note->AutoPlay(*this);
    } else if (symbol->IsClef()) {
        // A key holds sharps, flats and naturals only.
        if (InsertNoteShift == noteShiftDoubleKruis || InsertNoteShift == noteShiftDoubleMol)
            return;
        static_cast<TClef*>(symbol)->SetKeyNoteShift(height, InsertNoteShift);
    }
}

bool TUnitMuz::CanDeleteSymbol(const TStaveSymbol* symbol) const
{
    if (!symbol)
        return false;
    if (symbol->IsClef())
        return symbol->GetPosition() != 0 || symbol->GetSinglePartMuz()->CountStartClefs(symbol->GetNoteStave()) > 1;
    if (symbol->IsRest())
        return static_cast<const TRest*>(symbol)->GetMultiOol() == sool;
    return true;
}

namespace {

// A note of a chord has a note of its stave at its place next to it in the list.
bool IsInChord(TMuzNote* note)
{
    const TNoteStave* stave = note->GetNoteStave();
    for (TStaveSymbol* neighbour : {TSinglePartMuz::PrevSymbolOfStave(stave, note->GetPrev()),
                                    TSinglePartMuz::NextSymbolOfStave(stave, note->GetNext())})
        if (neighbour && neighbour->IsNote() && neighbour->GetPosition() == note->GetPosition()
            && static_cast<TMuzNote*>(neighbour)->GetPosInOol() == note->GetPosInOol())
            return true;
    return false;
}

} // namespace

void TUnitMuz::DeleteSymbol(TStaveSymbol* symbol)
{
    if (!symbol || !CanDeleteSymbol(symbol))
        return;
    TNoteStave* stave = symbol->GetNoteStave();
    TSinglePartMuz* bar = symbol->GetSinglePartMuz();
    if (symbol->IsClef()) {
        RemoveSymbol(symbol);
    } else if (symbol->IsNote()) {
        auto* note = static_cast<TMuzNote*>(symbol);
        if (IsInChord(note)) {
            note->AutoPlay(*this);
            RemoveSymbol(note);
        } else if (note->GetMultiOol() == sool) {
            MuzData.ShiftPositions(note, -note->GetLength(), true, stave);
            note->AutoPlay(*this);
            RemoveSymbol(note);
        } else {
            // A tuplet keeps its places: a rest stands in for the note.
            note->AutoPlay(*this);
            const uint8_t length = note->GetNoteLengthKind();
            const int32_t points = note->GetPoints();
            const double position = note->GetPosition();
            const uint8_t multiOol = note->GetMultiOol();
            const int32_t posInOol = note->GetPosInOol();
            RemoveSymbol(note);
            auto* rest = static_cast<TRest*>(MuzData.InsertSymbol(
                std::make_unique<TRest>(length, points, position, stave, multiOol, posInOol, bar)));
            SetSelMuzSymbol(rest);
            RemoveEmptyTuplet(rest);
        }
        PartsChanged();
    } else {
        MuzData.ShiftPositions(symbol, -static_cast<TStaveTimeSymbol*>(symbol)->GetLength(), true, stave);
        RemoveSymbol(symbol);
        PartsChanged();
    }
    // Whatever went and moved, every position of the stave opens with clef 1 again.
    RenumberStaveClefs(*bar, stave);
}

void TUnitMuz::RemoveEmptyTuplet(TStaveTimeSymbol* symbol)
{
    if (!symbol || symbol->GetMultiOol() == sool)
        return;
    const std::vector<TStaveTimeSymbol*> members = GroupOf(symbol);
    if (std::any_of(members.begin(), members.end(), [](const TStaveTimeSymbol* s) { return s->IsNote(); }))
        return;
    // The whole tuplet's value, which every member carries.
    MuzData.ShiftPositions(members.back(), -symbol->GetLength(), true, symbol->GetNoteStave());
    for (TStaveTimeSymbol* member : members)
        RemoveSymbol(member);
    SetSelMuzSymbol(nullptr);
    PartsChanged();
}

void TUnitMuz::RemoveSymbol(TStaveSymbol* symbol)
{
    if (!symbol)
        return;
    if (SelectedSymbol == symbol)
        SetSelMuzSymbol(nullptr);
    MuzData.DeleteSymbol(symbol);
}

void TUnitMuz::DeleteExecute()
{
    TStaveSymbol* selected = GetSelectedStaveSymbol();
    if (!selected || !CanDeleteSymbol(selected))
        return;
    const TNoteStave* stave = selected->GetNoteStave();
    TSinglePartMuz* bar = selected->GetSinglePartMuz();
    // The neighbours are looked up among what is left afterwards: a tuplet
    // that empties takes its rests with it.
    const std::vector<TStaveSymbol*> before = StaveSymbolsOf(*bar, stave);
    const auto at = std::find(before.begin(), before.end(), selected) - before.begin();
    DeleteSymbol(selected);
    if (!SelectedSymbol) {
        const std::vector<TStaveSymbol*> after = StaveSymbolsOf(*bar, stave);
        const std::unordered_set<const TStaveSymbol*> left(after.begin(), after.end());
        TStaveSymbol* chosen = nullptr;
        for (auto i = at + 1; i < static_cast<std::ptrdiff_t>(before.size()) && !chosen; ++i)
            if (left.count(before[i]))
                chosen = before[i];
        for (auto i = at - 1; i >= 0 && !chosen; --i)
            if (left.count(before[i]))
                chosen = before[i];
        SetSelMuzSymbol(chosen);
    }
    FollowEdit(TMusicEdit::Delete);
}

bool TUnitMuz::CanDeleteExecute() const
{
    return UnitMuzMode != unitMuzDel && CanDeleteSymbol(GetSelectedStaveSymbol());
}
