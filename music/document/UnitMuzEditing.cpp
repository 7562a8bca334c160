// The editing state of a music document: the three modes, the queries that
// several commands share, and the defaults of a symbol added next to another.
#include "music/document/UnitMuz.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzBar.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"

void TUnitMuz::ModeAddExecute()
{
    UnitMuzMode = unitMuzNew;
    // The selected symbol becomes what a click adds; a note's accidental stays behind.
    if (TClef* clef = GetSelectedClef()) {
        InsertModeKind = insertModeClef;
        InsertClef = clef->GetKeyKind();
    } else if (TMuzNote* note = GetSelectedNote()) {
        InsertModeKind = insertModeNote;
        InsertLength = note->GetNoteLengthKind();
        Points = note->GetPoints();
        InsertArticulation = note->GetNoteArtKind();
        InsertStickKind = note->GetDrawStickKind();
    } else if (TRest* rest = GetSelectedRest()) {
        InsertModeKind = insertModeRest;
        InsertLength = rest->GetNoteLengthKind();
        Points = rest->GetPoints();
    }
}

void TUnitMuz::ModeEditExecute()
{
    UnitMuzMode = unitMuzSel;
}

void TUnitMuz::ModeDeleteExecute()
{
    UnitMuzMode = unitMuzDel;
    SetSelMuzSymbol(nullptr);
}

TStaveSymbol* TUnitMuz::GetSelectedStaveSymbol() const
{
    return SelectedSymbol && SelectedSymbol->GetMuzSymbolKind() == muzSymbolStave
               ? static_cast<TStaveSymbol*>(SelectedSymbol)
               : nullptr;
}

TMuzNote* TUnitMuz::GetSelectedNote() const
{
    TStaveSymbol* symbol = GetSelectedStaveSymbol();
    return symbol && symbol->IsNote() ? static_cast<TMuzNote*>(symbol) : nullptr;
}

TRest* TUnitMuz::GetSelectedRest() const
{
    TStaveSymbol* symbol = GetSelectedStaveSymbol();
    return symbol && symbol->IsRest() ? static_cast<TRest*>(symbol) : nullptr;
}

TStaveTimeSymbol* TUnitMuz::GetSelectedTimeSymbol() const
{
    TStaveSymbol* symbol = GetSelectedStaveSymbol();
    return symbol && symbol->IsTimeSymbol() ? static_cast<TStaveTimeSymbol*>(symbol) : nullptr;
}

TClef* TUnitMuz::GetSelectedClef() const
{
    TStaveSymbol* symbol = GetSelectedStaveSymbol();
    return symbol && symbol->IsClef() ? static_cast<TClef*>(symbol) : nullptr;
}

TMuzBar* TUnitMuz::GetSelectedBar() const
{
    return SelectedSymbol && SelectedSymbol->GetMuzSymbolKind() == muzSymbolBar
               ? static_cast<TMuzBar*>(SelectedSymbol)
               : nullptr;
}

bool TUnitMuz::GetCurrentSymbolKind(uint8_t& kind) const
{
    switch (UnitMuzMode) {
    case unitMuzNew:
        if (InsertModeKind != insertModeNote && InsertModeKind != insertModeRest)
            return false;
        kind = InsertModeKind;
        return true;
    case unitMuzSel:
        if (GetSelectedNote()) {
            kind = insertModeNote;
            return true;
        }
        if (GetSelectedRest()) {
            kind = insertModeRest;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool TUnitMuz::GetCurrentLength(uint8_t& length) const
{
    switch (UnitMuzMode) {
    case unitMuzNew:
        length = InsertLength;
        return true;
    case unitMuzSel:
        if (const TMuzBar* bar = GetSelectedBar()) {
            length = bar->GetLength();
            return true;
        }
        // The value the user sees, so that a tuplet member changes by one step.
        if (const TStaveTimeSymbol* symbol = GetSelectedTimeSymbol()) {
            length = static_cast<uint8_t>(symbol->GetFlagLength());
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool TUnitMuz::GetCurrentArticulation(uint8_t& articulation) const
{
    if (UnitMuzMode == unitMuzNew) {
        articulation = InsertArticulation;
        return true;
    }
    if (const TMuzNote* note = UnitMuzMode == unitMuzSel ? GetSelectedNote() : nullptr) {
        articulation = note->GetNoteArtKind();
        return true;
    }
    return false;
}

namespace {

const TStaveTimeSymbol* AsTimeSymbol(const TStaveSymbol* symbol)
{
    return symbol && symbol->IsTimeSymbol() ? static_cast<const TStaveTimeSymbol*>(symbol) : nullptr;
}

const TMuzNote* AsNote(const TStaveSymbol* symbol)
{
    return symbol && symbol->IsNote() ? static_cast<const TMuzNote*>(symbol) : nullptr;
}

} // namespace

uint8_t TUnitMuz::GetLengthFor(const TStaveSymbol* reference) const
{
    if (UnitMuzMode == unitMuzNew)
        return InsertLength;
    const TStaveTimeSymbol* time = AsTimeSymbol(reference);
    return time ? time->GetNoteLengthKind() : 4;
}

int32_t TUnitMuz::GetPointsFor(const TStaveSymbol* reference) const
{
    if (UnitMuzMode == unitMuzNew)
        return Points;
    const TStaveTimeSymbol* time = AsTimeSymbol(reference);
    return time ? time->GetPoints() : 0;
}

uint8_t TUnitMuz::GetArticulationFor(const TStaveSymbol* reference) const
{
    if (UnitMuzMode == unitMuzNew)
        return InsertArticulation;
    const TMuzNote* note = AsNote(reference);
    return note ? note->GetNoteArtKind() : static_cast<uint8_t>(noteArtNormal);
}

uint8_t TUnitMuz::GetStickKindFor(const TStaveSymbol* reference) const
{
    if (UnitMuzMode == unitMuzNew)
        return InsertStickKind;
    const TMuzNote* note = AsNote(reference);
    return note ? note->GetDrawStickKind() : static_cast<uint8_t>(drawStickAuto);
}

TNoteGroup* TUnitMuz::GetNoteGroupFor(TNoteStave* stave, const TStaveSymbol* reference) const
{
    if (UnitMuzMode != unitMuzNew)
        if (const TMuzNote* note = AsNote(reference))
            return note->GetNoteGroup();
    return stave ? stave->GetSelectedNoteGroup() : nullptr;
}

int8_t TUnitMuz::GetAddClefKind() const
{
    return UnitMuzMode == unitMuzNew ? InsertClef : static_cast<int8_t>(clefKindG);
}

int32_t TUnitMuz::MaxPoints(uint8_t length)
{
    switch (length) {
    case 16: return 2;
    case 32: return 1;
    case 64: return 0;
    default: return 3;
    }
}
