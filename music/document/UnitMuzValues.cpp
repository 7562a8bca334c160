// How long a note or rest lasts: its note value, its dots, note or rest, and
// tuplets; on a selected bar symbol the same commands change the time signature.
#include "music/document/MusicEditFollowUp.h"
#include "music/document/SymbolGroups.h"
#include "music/document/UnitMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzBar.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/Assertions.h"

#include <algorithm>
#include <cmath>

namespace {

// Every member of the symbol's group changes together; the stave's symbols
// after the group move by the change of its length.
template <class Change>
void ChangeGroup(TMuzData& muzData, TStaveTimeSymbol* symbol, Change change)
{
    const double oldLength = symbol->GetLength();
    const std::vector<TStaveTimeSymbol*> members = GroupOf(symbol);
    for (TStaveTimeSymbol* member : members)
        change(*member);
    muzData.ShiftPositions(members.back(), symbol->GetLength() - oldLength, true, symbol->GetNoteStave());
}

void ChangeGroupLength(TMuzData& muzData, TStaveTimeSymbol* symbol, uint8_t storedLength)
{
    ChangeGroup(muzData, symbol, [storedLength](TStaveTimeSymbol& member) { member.SetNoteLengthKind(storedLength); });
}

void ChangeGroupPoints(TMuzData& muzData, TStaveTimeSymbol* symbol, int32_t points)
{
    ChangeGroup(muzData, symbol, [points](TStaveTimeSymbol& member) { member.SetPoints(points); });
}

TMusicEdit ValueEditOf(const TStaveTimeSymbol* symbol)
{
    return symbol->IsNote() ? TMusicEdit::NoteValue : TMusicEdit::RestValue;
}

TMuzNote* AsNote(TStaveSymbol* symbol)
{
    return symbol && symbol->IsNote() ? static_cast<TMuzNote*>(symbol) : nullptr;
}

} // namespace

void TUnitMuz::NoteExecute(uint8_t length)
{
    if (UnitMuzMode == unitMuzNew) {
        InsertLength = length;
        InsertModeKind = insertModeNote;
        Points = 0;
        return;
    }
    if (UnitMuzMode != unitMuzSel)
        return;
    if (GetSelectedBar()) {
        SetBarLength(length);
        return;
    }
    TStaveTimeSymbol* symbol = GetSelectedTimeSymbol();
    if (!symbol)
        return;
    uint8_t stored = 0;
    TNoteStave* stave = symbol->GetNoteStave();
    if (!QB_CHECK(symbol->FlagLength2TotalLength(length, stored)) || !QB_CHECK(stave->GetSelectedNoteGroup()))
        return;
    ChangeGroupLength(MuzData, symbol, stored);
    if (symbol->IsRest()) {
        // A note on the middle line takes the rest's place; its tuplet's other rests stay.
        TStaveSymbol* clefSymbol = symbol->FindPrevClef(stave);
        if (!QB_CHECK(clefSymbol != nullptr))
            return;
        const int32_t pitch = static_cast<TClef*>(clefSymbol)->HeightToPitch(0);
        auto note = std::make_unique<TMuzNote>(&MuzData, stave->GetSelectedNoteGroup(), stored, symbol->GetPoints(),
                                               symbol->GetPosition(), pitch, stave, noteShiftNormal,
                                               symbol->GetMultiOol(), symbol->GetPosInOol(), noteArtNormal,
                                               symbol->GetSinglePartMuz(), InsertStickKind);
        TMuzNote* made = note.get();
        RemoveSymbol(symbol);
        SetSelMuzSymbol(made);
        MuzData.InsertSymbol(std::move(note));
    }
    FollowEdit(TMusicEdit::NoteValue, GetSelectedNote());
}

void TUnitMuz::RestExecute(uint8_t length)
{
    if (UnitMuzMode == unitMuzNew) {
        InsertLength = length;
        InsertModeKind = insertModeRest;
        return;
    }
    if (UnitMuzMode != unitMuzSel)
        return;
    TStaveTimeSymbol* symbol = GetSelectedTimeSymbol();
    if (!symbol)
        return;
    uint8_t stored = 0;
    if (!QB_CHECK(symbol->FlagLength2TotalLength(length, stored)))
        return;
    ChangeGroupLength(MuzData, symbol, stored);
    if (symbol->IsNote()) {
        // The notes of the chord give way to one rest.
        TNoteStave* stave = symbol->GetNoteStave();
        auto rest = std::make_unique<TRest>(stored, symbol->GetPoints(), symbol->GetPosition(), stave,
                                            symbol->GetMultiOol(), symbol->GetPosInOol(), symbol->GetSinglePartMuz());
        TRest* made = rest.get();
        for (TStaveTimeSymbol* member : ChordOf(symbol))
            if (member->IsNote())
                RemoveSymbol(member);
        SetSelMuzSymbol(made);
        MuzData.InsertSymbol(std::move(rest));
        RemoveEmptyTuplet(made);
    }
    FollowEdit(TMusicEdit::RestValue);
}

bool TUnitMuz::CanNoteExecute(uint8_t length) const
{
    switch (UnitMuzMode) {
    case unitMuzNew:
        return Points <= MaxPoints(length);
    case unitMuzSel: {
        if (GetSelectedBar())
            return true;
        const TStaveTimeSymbol* symbol = GetSelectedTimeSymbol();
        uint8_t stored = 0;
        return symbol && symbol->GetPoints() <= MaxPoints(length) && symbol->FlagLength2TotalLength(length, stored);
    }
    default:
        return false;
    }
}

bool TUnitMuz::CanRestExecute(uint8_t length) const
{
    if (UnitMuzMode == unitMuzSel && GetSelectedBar())
        return false;
    return CanNoteExecute(length);
}

bool TUnitMuz::IsNoteChecked(uint8_t length) const
{
    switch (UnitMuzMode) {
    case unitMuzNew:
        return InsertModeKind == insertModeNote && InsertLength == length;
    case unitMuzSel:
        if (const TMuzBar* bar = GetSelectedBar())
            return bar->GetLength() == length;
        if (const TMuzNote* note = GetSelectedNote())
            return note->GetFlagLength() == length;
        return false;
    default:
        return false;
    }
}

bool TUnitMuz::IsRestChecked(uint8_t length) const
{
    const bool asInserting = InsertModeKind == insertModeRest && InsertLength == length;
    switch (UnitMuzMode) {
    case unitMuzNew:
        return asInserting;
    case unitMuzSel:
        if (GetSelectedBar())
            return true;
        if (GetSelectedNote() || GetSelectedClef())
            return false;
        if (const TRest* rest = GetSelectedRest())
            return rest->GetFlagLength() == length;
        return asInserting;
    default:
        return false;
    }
}

void TUnitMuz::SetBarLength(uint8_t length)
{
    TMuzBar* bar = GetSelectedBar();
    if (!bar || !IsNoteLengthKind(length))
        return;
    // The measure keeps its length as near as whole beats allow, and so does the upbeat.
    const double scale = static_cast<double>(length) / bar->GetLength();
    const int32_t count = std::clamp(static_cast<int32_t>(std::trunc(bar->GetCount() * scale + 0.5)), 1, 99);
    const int32_t upbeat = static_cast<int32_t>(std::trunc(bar->GetCountFirstBar() * scale + 0.5)) % count;
    bar->SetCountAndLength(count, length);
    bar->SetCountFirstBar(upbeat);
    FollowEdit(TMusicEdit::BarValue);
}

void TUnitMuz::LengthKeyExecute(uint8_t length)
{
    if (UnitMuzMode == unitMuzNew) {
        InsertLength = length;
        Points = 0;
        return;
    }
    if (UnitMuzMode != unitMuzSel)
        return;
    if (GetSelectedBar()) {
        SetBarLength(length);
        return;
    }
    TStaveTimeSymbol* symbol = GetSelectedTimeSymbol();
    uint8_t stored = 0;
    if (!symbol || !symbol->GetNoteStave() || !symbol->FlagLength2TotalLength(length, stored))
        return;
    // The keys leave the dots alone, even beyond what the value allows.
    ChangeGroupLength(MuzData, symbol, stored);
    FollowEdit(ValueEditOf(symbol), AsNote(symbol));
}

namespace {

bool Converts(const TStaveTimeSymbol* symbol, uint8_t length)
{
    uint8_t stored = 0;
    return !symbol || symbol->FlagLength2TotalLength(length, stored);
}

} // namespace

void TUnitMuz::NoteKeyExecute()
{
    uint8_t length = 0;
    if (GetCurrentLength(length) && Converts(UnitMuzMode == unitMuzSel ? GetSelectedTimeSymbol() : nullptr, length))
        NoteExecute(length);
}

void TUnitMuz::RestKeyExecute()
{
    uint8_t length = 0;
    if (GetCurrentLength(length) && Converts(UnitMuzMode == unitMuzSel ? GetSelectedTimeSymbol() : nullptr, length))
        RestExecute(length);
}

namespace {

// L halves the code (a longer value), Shift+L doubles it.
void StepLength(TUnitMuz& unit, bool longer)
{
    uint8_t length = 0;
    if (!unit.GetCurrentLength(length))
        return;
    if (longer ? length <= 1 : length >= 64)
        return;
    const uint8_t next = static_cast<uint8_t>(longer ? length / 2 : length * 2);
    uint8_t kind = 0;
    if (unit.GetCurrentSymbolKind(kind)) {
        if (kind == insertModeNote && unit.CanNoteExecute(next))
            unit.NoteExecute(next);
        else if (kind == insertModeRest && unit.CanRestExecute(next))
            unit.RestExecute(next);
    }
    // A new beat value with the same measure length.
    if (unit.GetUnitMuzMode() == unitMuzSel && unit.GetSelectedBar() && unit.CanNoteExecute(next))
        unit.NoteExecute(next);
}

} // namespace

void TUnitMuz::LongerExecute()
{
    StepLength(*this, true);
}

void TUnitMuz::ShorterExecute()
{
    StepLength(*this, false);
}

void TUnitMuz::PointAddExecute()
{
    if (UnitMuzMode == unitMuzNew) {
        if (Points < ::MaxPoints)
            ++Points;
        return;
    }
    if (UnitMuzMode != unitMuzSel)
        return;
    if (TMuzBar* bar = GetSelectedBar()) {
        if (bar->SetCountAndLength(bar->GetCount() + 1, bar->GetLength()))
            FollowEdit(TMusicEdit::BarValue);
        return;
    }
    TStaveTimeSymbol* symbol = GetSelectedTimeSymbol();
    if (!symbol || !symbol->MayTotalPoints(symbol->GetPoints() + 1))
        return;
    ChangeGroupPoints(MuzData, symbol, symbol->GetPoints() + 1);
    FollowEdit(symbol->IsNote() ? TMusicEdit::NoteDots : TMusicEdit::RestDots, AsNote(symbol));
}

void TUnitMuz::PointDeleteExecute()
{
    if (UnitMuzMode == unitMuzNew) {
        if (Points > 0)
            --Points;
        return;
    }
    if (UnitMuzMode != unitMuzSel)
        return;
    if (TMuzBar* bar = GetSelectedBar()) {
        // The upbeat stays below the count.
        if (bar->SetCountAndLength(bar->GetCount() - 1, bar->GetLength()))
            FollowEdit(TMusicEdit::BarValue);
        return;
    }
    TStaveTimeSymbol* symbol = GetSelectedTimeSymbol();
    if (!symbol || !symbol->MayTotalPoints(symbol->GetPoints() - 1))
        return;
    ChangeGroupPoints(MuzData, symbol, symbol->GetPoints() - 1);
    FollowEdit(symbol->IsNote() ? TMusicEdit::NoteDots : TMusicEdit::RestDots, AsNote(symbol));
}

bool TUnitMuz::CanPointAddExecute() const
{
    switch (UnitMuzMode) {
    case unitMuzNew:
        return Points < MaxPoints(InsertLength);
    case unitMuzSel:
        if (const TMuzBar* bar = GetSelectedBar())
            return bar->GetCount() < 99;
        if (const TStaveTimeSymbol* symbol = GetSelectedTimeSymbol())
            return symbol->MayTotalPoints(symbol->GetPoints() + 1);
        return false;
    default:
        return false;
    }
}

bool TUnitMuz::CanPointDeleteExecute() const
{
    switch (UnitMuzMode) {
    case unitMuzNew:
        return Points > 0;
    case unitMuzSel:
        if (const TMuzBar* bar = GetSelectedBar())
            return bar->GetCount() > 1;
        if (const TStaveTimeSymbol* symbol = GetSelectedTimeSymbol())
            return symbol->MayTotalPoints(symbol->GetPoints() - 1);
        return false;
    default:
        return false;
    }
}

void TUnitMuz::TupletExecute(uint8_t kind)
{
    if (!CanTupletExecute(kind))
        return;
    TMuzNote* selected = GetSelectedNote();
    // Each note of the chord becomes the first of its tuplet; the tuplet
    // lasts what the note did, so nothing after it moves.
    for (TStaveTimeSymbol* member : ChordOf(selected)) {
        if (!member->IsNote())
            continue;
        auto* note = static_cast<TMuzNote*>(member);
        note->SetMultiOol(kind, 0);
        for (int32_t place = 1; place < kind; ++place)
            MuzData.InsertSymbol(std::make_unique<TMuzNote>(
                &MuzData, note->GetNoteGroup(), note->GetNoteLengthKind(), selected->GetPoints(),
                selected->GetPosition(), note->GetPitch(), note->GetNoteStave(), note->GetNoteShift(), kind, place,
                note->GetNoteArtKind(), selected->GetSinglePartMuz(), note->GetDrawStickKind()));
    }
    FollowEdit(TMusicEdit::Tuplet);
}

bool TUnitMuz::CanTupletExecute(uint8_t kind) const
{
    const TMuzNote* note = UnitMuzMode == unitMuzSel ? GetSelectedNote() : nullptr;
    if (!note || note->GetMultiOol() != sool || kind < duool || kind > kwintool)
        return false;
    if ((kind == duool || kind == kwartool) && (note->GetPoints() < 1 || note->GetPoints() > 3))
        return false;
    return note->GetNoteLengthKind() <= (kind == kwintool ? 16 : 32);
}
