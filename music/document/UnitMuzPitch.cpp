// Where a note sounds and how a stave is read: steps and octaves, accidentals,
// clefs with their octave, and key signatures grown and shrunk by one.
#include "music/document/MusicEditFollowUp.h"
#include "music/document/UnitMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "platform/MessageService.h"

#include <cstdlib>

namespace {

const char* const ChangeClefCaption = "Change Clef";

bool EditsSelection(uint8_t mode)
{
    return mode == unitMuzNew || mode == unitMuzSel;
}

// The notes of the clef's stave after it in its bar, up to the next clef.
template <class Visit>
void ForNotesAfterClef(const TClef& clef, Visit visit)
{
    for (TStaveSymbol* s = clef.GetNext(); s; s = s->GetNext()) {
        if (s->GetNoteStave() != clef.GetNoteStave())
            continue;
        if (s->IsClef())
            return;
        if (s->IsNote())
            visit(*static_cast<TMuzNote*>(s));
    }
}

} // namespace

void TUnitMuz::MoveNote(int32_t up)
{
    TMuzNote* note = EditsSelection(UnitMuzMode) ? GetSelectedNote() : nullptr;
    int32_t pitch = 0;
    if (!note || !(up > 0 ? MuzData.UpperPosition(note, pitch) : MuzData.LowerPosition(note, pitch)))
        return;
    // Within a chord the higher note comes first.
    note->SetPitch(pitch);
    MuzData.MoveSymbol(note);
    FollowEdit(TMusicEdit::NoteDetail, note);
}

bool TUnitMuz::CanMoveUpExecute() const
{
    const TMuzNote* note = EditsSelection(UnitMuzMode) ? GetSelectedNote() : nullptr;
    int32_t pitch = 0;
    return note && MuzData.UpperPosition(note, pitch);
}

bool TUnitMuz::CanMoveDownExecute() const
{
    const TMuzNote* note = EditsSelection(UnitMuzMode) ? GetSelectedNote() : nullptr;
    int32_t pitch = 0;
    return note && MuzData.LowerPosition(note, pitch);
}

void TUnitMuz::MoveOctave(int32_t up)
{
    if (!EditsSelection(UnitMuzMode))
        return;
    if (TMuzNote* note = GetSelectedNote()) {
        int32_t pitch = 0;
        if (!(up > 0 ? MuzData.UpperOctPosition(note, pitch) : MuzData.LowerOctPosition(note, pitch)))
            return;
        note->SetPitch(pitch);
        MuzData.MoveSymbol(note);
        FollowEdit(TMusicEdit::NoteDetail, note);
    } else if (TClef* clef = GetSelectedClef()) {
        const int32_t octaves = clef->GetOctavesUp() + (up > 0 ? 1 : -1);
        if (octaves < -2 || octaves > 2)
            return;
        if (ChangeClef(clef, clef->GetKeyKind(), octaves))
            FollowEdit(TMusicEdit::ClefDetail);
    }
}

bool TUnitMuz::CanMoveOctUpExecute() const
{
    if (!EditsSelection(UnitMuzMode))
        return false;
    int32_t pitch = 0;
    if (const TMuzNote* note = GetSelectedNote())
        return MuzData.UpperOctPosition(note, pitch);
    if (const TClef* clef = GetSelectedClef())
        return clef->GetOctavesUp() < 2;
    return false;
}

bool TUnitMuz::CanMoveOctDownExecute() const
{
    if (!EditsSelection(UnitMuzMode))
        return false;
    int32_t pitch = 0;
    if (const TMuzNote* note = GetSelectedNote())
        return MuzData.LowerOctPosition(note, pitch);
    if (const TClef* clef = GetSelectedClef())
        return clef->GetOctavesUp() > -2;
    return false;
}

void TUnitMuz::NoteShiftExecute(uint8_t noteShift)
{
    if (UnitMuzMode == unitMuzNew) {
        // The next clicks put it on notes or into key signatures.
        InsertNoteShift = noteShift;
        InsertModeKind = insertModeAccidental;
        return;
    }
    if (UnitMuzMode != unitMuzSel)
        return;
    if (TMuzNote* note = GetSelectedNote()) {
        note->SetNoteShift(noteShift);
        FollowEdit(TMusicEdit::NoteDetail, note);
        return;
    }
    TClef* clef = GetSelectedClef();
    int32_t count = 0;
    if (!clef || !CanNoteShiftExecute(noteShift) || !clef->ToonLadder(count))
        return;
    // One sharp more or one flat less for a sharp; the mirror for a flat.
    if (noteShift == noteShiftKruis) {
        if (count >= 0)
            clef->SetKeyNoteShift(clef->KeySignatureStep(noteShiftKruis, count), noteShiftKruis);
        else
            clef->SetKeyNoteShift(clef->KeySignatureStep(noteShiftMol, -1 - count), noteShiftNormal);
    } else {
        if (count > 0)
            clef->SetKeyNoteShift(clef->KeySignatureStep(noteShiftKruis, count - 1), noteShiftNormal);
        else
            clef->SetKeyNoteShift(clef->KeySignatureStep(noteShiftMol, -count), noteShiftMol);
    }
    FollowEdit(TMusicEdit::ClefDetail);
}

bool TUnitMuz::CanNoteShiftExecute(uint8_t noteShift) const
{
    switch (UnitMuzMode) {
    case unitMuzNew:
        return true;
    case unitMuzSel: {
        if (GetSelectedNote())
            return true;
        const TClef* clef = GetSelectedClef();
        int32_t count = 0;
        if (!clef || (noteShift != noteShiftKruis && noteShift != noteShiftMol) || !clef->ToonLadder(count))
            return false;
        return noteShift == noteShiftMol ? count > -7 : count < 7;
    }
    default:
        return false;
    }
}

bool TUnitMuz::IsNoteShiftChecked(uint8_t noteShift) const
{
    switch (UnitMuzMode) {
    case unitMuzNew:
        return InsertModeKind == insertModeAccidental && InsertNoteShift == noteShift;
    case unitMuzSel: {
        const TMuzNote* note = GetSelectedNote();
        return note && note->GetNoteShift() == noteShift;
    }
    default:
        return false;
    }
}

void TUnitMuz::ClefExecute(int8_t keyKind)
{
    if (UnitMuzMode == unitMuzNew) {
        InsertClef = keyKind;
        InsertModeKind = insertModeClef;
        return;
    }
    TClef* clef = UnitMuzMode == unitMuzSel ? GetSelectedClef() : nullptr;
    if (clef && ChangeClef(clef, keyKind, clef->GetOctavesUp()))
        FollowEdit(TMusicEdit::ClefDetail);
}

bool TUnitMuz::CanClefExecute() const
{
    return UnitMuzMode == unitMuzNew || (UnitMuzMode == unitMuzSel && GetSelectedClef());
}

bool TUnitMuz::IsClefChecked(int8_t keyKind) const
{
    switch (UnitMuzMode) {
    case unitMuzNew:
        return InsertModeKind == insertModeClef && InsertClef == keyKind;
    case unitMuzSel: {
        const TClef* clef = GetSelectedClef();
        return clef && clef->GetKeyKind() == keyKind;
    }
    default:
        return false;
    }
}

void TUnitMuz::ClefUpExecute()
{
    if (!CanClefExecute())
        return;
    if (IsClefChecked(clefKindF))
        ClefExecute(clefKindC);
    else if (IsClefChecked(clefKindC))
        ClefExecute(clefKindG);
}

void TUnitMuz::ClefDownExecute()
{
    if (!CanClefExecute())
        return;
    if (IsClefChecked(clefKindG))
        ClefExecute(clefKindC);
    else if (IsClefChecked(clefKindC))
        ClefExecute(clefKindF);
}

bool TUnitMuz::ChangeClef(TClef* clef, int8_t keyKind, int32_t octavesUp)
{
    if (!clef || (keyKind == clef->GetKeyKind() && octavesUp == clef->GetOctavesUp()))
        return false;
    if (MuzData.HasNotesAfterClef(clef)) {
        const MsgAnswer answer = Messages().Show("Change the vertical positions of the Notes, to sound as before?",
                                                 ChangeClefCaption, MsgIcon::Question, MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel)
            return false;
        if (answer == MsgAnswer::No) {
            // The notes keep their places on the stave and sound elsewhere.
            const int32_t delta =
                (keyKind + 7 * octavesUp) - (clef->GetKeyKind() + 7 * clef->GetOctavesUp());
            bool fits = true;
            ForNotesAfterClef(*clef, [&](const TMuzNote& note) {
                const int32_t pitch = note.GetPitch() + delta;
                fits = fits && pitch >= TMuzNote::GetMinPitch() && pitch <= TMuzNote::GetMaxPitch();
            });
            if (!fits) {
                ShowMessage("The Notes cannot keep their vertical positions: a Note would leave the range of "
                            "pitches. The Clef is not changed.",
                            ChangeClefCaption, MsgIcon::Information);
                return false;
            }
            MuzData.ShiftNotesAfterClef(clef, delta);
        }
    }
    clef->SetKeyKind(keyKind);
    clef->SetOctavesUp(octavesUp);
    return true;
}
