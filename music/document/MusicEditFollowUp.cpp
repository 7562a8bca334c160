#include "music/document/MusicEditFollowUp.h"

#include "music/document/UnitMuz.h"
#include "music/symbols/MuzNote.h"

namespace {

using E = TMusicEdit;

// sound, redraw, modified, parts changed
constexpr TMusicEditFollowUp FollowUps[] = {
    {E::NoteValue, true, true, true, true},
    {E::RestValue, false, true, true, true},
    {E::BarValue, false, true, true, false},
    {E::NoteDots, true, true, true, true},
    {E::RestDots, false, true, true, true},
    {E::Tuplet, false, true, true, false},
    {E::NoteDetail, true, true, true, false},
    {E::ClefDetail, false, true, true, false},
    {E::Delete, false, true, true, true},
    {E::KeySequence, false, true, true, false},
    {E::Selection, true, true, false, false},
};

} // namespace

const TMusicEditFollowUp& MusicEditFollowUp(TMusicEdit edit)
{
    for (const TMusicEditFollowUp& row : FollowUps)
        if (row.edit == edit)
            return row;
    return FollowUps[0];
}

void TUnitMuz::FollowEdit(TMusicEdit edit, TMuzNote* note)
{
    const TMusicEditFollowUp& steps = MusicEditFollowUp(edit);
    if (steps.sound && note)
        note->AutoPlay(*this);
    // Marked first, so that the status texts the redraw shows say so.
    if (steps.modified)
        SetModified();
    if (steps.redraw)
        Redraw();
    if (steps.partsChanged)
        PartsChanged();
}
