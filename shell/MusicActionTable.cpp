#include "shell/MusicActionTable.h"

#include "music/document/MusicNavigation.h"
#include "music/document/MusicPlaying.h"
#include "music/document/UnitMuz.h"

namespace {

using A = ActionId;
using U = TUnitMuz;

// The selection's moves and playing read the document only.
TMusicNavigation Navigation(const U& u)
{
    return TMusicNavigation(const_cast<U&>(u));
}

TMusicPlaying Playing(const U& u)
{
    return TMusicPlaying(const_cast<U&>(u));
}

// Codes: note values 1..64, clefs 6 G, 0 C, -6 F, accidentals 0 double sharp
// to 4 double flat, articulations 0 normal, 1 staccato, 2 staccatissimo,
// 3 portato, 4 legato, tuplets 2..5.
constexpr TMusicActionRow Rows[] = {
    {A::MusicModeAdd, [](U& u) { u.ModeAddExecute(); }, nullptr, [](const U& u) { return u.IsModeAddChecked(); }},
    {A::MusicModeEdit, [](U& u) { u.ModeEditExecute(); }, nullptr, [](const U& u) { return u.IsModeEditChecked(); }},
    {A::MusicModeDelete, [](U& u) { u.ModeDeleteExecute(); }, nullptr,
     [](const U& u) { return u.IsModeDeleteChecked(); }},

    {A::MusicNote1, [](U& u) { u.NoteExecute(1); }, [](const U& u) { return u.CanNoteExecute(1); },
     [](const U& u) { return u.IsNoteChecked(1); }},
    {A::MusicNote2, [](U& u) { u.NoteExecute(2); }, [](const U& u) { return u.CanNoteExecute(2); },
     [](const U& u) { return u.IsNoteChecked(2); }},
    {A::MusicNote4, [](U& u) { u.NoteExecute(4); }, [](const U& u) { return u.CanNoteExecute(4); },
     [](const U& u) { return u.IsNoteChecked(4); }},
    {A::MusicNote8, [](U& u) { u.NoteExecute(8); }, [](const U& u) { return u.CanNoteExecute(8); },
     [](const U& u) { return u.IsNoteChecked(8); }},
    {A::MusicNote16, [](U& u) { u.NoteExecute(16); }, [](const U& u) { return u.CanNoteExecute(16); },
     [](const U& u) { return u.IsNoteChecked(16); }},
    {A::MusicNote32, [](U& u) { u.NoteExecute(32); }, [](const U& u) { return u.CanNoteExecute(32); },
     [](const U& u) { return u.IsNoteChecked(32); }},
    {A::MusicNote64, [](U& u) { u.NoteExecute(64); }, [](const U& u) { return u.CanNoteExecute(64); },
     [](const U& u) { return u.IsNoteChecked(64); }},

    {A::MusicRest1, [](U& u) { u.RestExecute(1); }, [](const U& u) { return u.CanRestExecute(1); },
     [](const U& u) { return u.IsRestChecked(1); }},
    {A::MusicRest2, [](U& u) { u.RestExecute(2); }, [](const U& u) { return u.CanRestExecute(2); },
     [](const U& u) { return u.IsRestChecked(2); }},
    {A::MusicRest4, [](U& u) { u.RestExecute(4); }, [](const U& u) { return u.CanRestExecute(4); },
     [](const U& u) { return u.IsRestChecked(4); }},
    {A::MusicRest8, [](U& u) { u.RestExecute(8); }, [](const U& u) { return u.CanRestExecute(8); },
     [](const U& u) { return u.IsRestChecked(8); }},
    {A::MusicRest16, [](U& u) { u.RestExecute(16); }, [](const U& u) { return u.CanRestExecute(16); },
     [](const U& u) { return u.IsRestChecked(16); }},
    {A::MusicRest32, [](U& u) { u.RestExecute(32); }, [](const U& u) { return u.CanRestExecute(32); },
     [](const U& u) { return u.IsRestChecked(32); }},
    {A::MusicRest64, [](U& u) { u.RestExecute(64); }, [](const U& u) { return u.CanRestExecute(64); },
     [](const U& u) { return u.IsRestChecked(64); }},

    {A::MusicPointAdd, [](U& u) { u.PointAddExecute(); }, [](const U& u) { return u.CanPointAddExecute(); }, nullptr},
    {A::MusicPointDelete, [](U& u) { u.PointDeleteExecute(); }, [](const U& u) { return u.CanPointDeleteExecute(); },
     nullptr},

    {A::MusicTwin, [](U& u) { u.TupletExecute(2); }, [](const U& u) { return u.CanTupletExecute(2); }, nullptr},
    {A::MusicTriplet, [](U& u) { u.TupletExecute(3); }, [](const U& u) { return u.CanTupletExecute(3); }, nullptr},
    {A::MusicQuadruplet, [](U& u) { u.TupletExecute(4); }, [](const U& u) { return u.CanTupletExecute(4); },
     nullptr},
    {A::MusicQuintuplet, [](U& u) { u.TupletExecute(5); }, [](const U& u) { return u.CanTupletExecute(5); },
     nullptr},

    {A::MusicClefG, [](U& u) { u.ClefExecute(6); }, [](const U& u) { return u.CanClefExecute(); },
     [](const U& u) { return u.IsClefChecked(6); }},
    {A::MusicClefC, [](U& u) { u.ClefExecute(0); }, [](const U& u) { return u.CanClefExecute(); },
     [](const U& u) { return u.IsClefChecked(0); }},
    {A::MusicClefF, [](U& u) { u.ClefExecute(-6); }, [](const U& u) { return u.CanClefExecute(); },
     [](const U& u) { return u.IsClefChecked(-6); }},

    {A::MusicNSDCross, [](U& u) { u.NoteShiftExecute(0); }, [](const U& u) { return u.CanNoteShiftExecute(0); },
     [](const U& u) { return u.IsNoteShiftChecked(0); }},
    {A::MusicNSCross, [](U& u) { u.NoteShiftExecute(1); }, [](const U& u) { return u.CanNoteShiftExecute(1); },
     [](const U& u) { return u.IsNoteShiftChecked(1); }},
    {A::MusicNSNormal, [](U& u) { u.NoteShiftExecute(2); }, [](const U& u) { return u.CanNoteShiftExecute(2); },
     [](const U& u) { return u.IsNoteShiftChecked(2); }},
    {A::MusicNSMol, [](U& u) { u.NoteShiftExecute(3); }, [](const U& u) { return u.CanNoteShiftExecute(3); },
     [](const U& u) { return u.IsNoteShiftChecked(3); }},
    {A::MusicNSDMol, [](U& u) { u.NoteShiftExecute(4); }, [](const U& u) { return u.CanNoteShiftExecute(4); },
     [](const U& u) { return u.IsNoteShiftChecked(4); }},

    {A::MusicMoveUp, [](U& u) { u.MoveUpExecute(); }, [](const U& u) { return u.CanMoveUpExecute(); }, nullptr},
    {A::MusicMoveDown, [](U& u) { u.MoveDownExecute(); }, [](const U& u) { return u.CanMoveDownExecute(); }, nullptr},
    {A::MusicMoveOctUp, [](U& u) { u.MoveOctUpExecute(); }, [](const U& u) { return u.CanMoveOctUpExecute(); },
     nullptr},
    {A::MusicMoveOctDown, [](U& u) { u.MoveOctDownExecute(); }, [](const U& u) { return u.CanMoveOctDownExecute(); },
     nullptr},

    {A::MusicStaccatissimo, [](U& u) { u.ArticulationExecute(2); },
     [](const U& u) { return u.CanArticulationExecute(); }, [](const U& u) { return u.IsArticulationChecked(2); }},
    {A::MusicStaccato, [](U& u) { u.ArticulationExecute(1); }, [](const U& u) { return u.CanArticulationExecute(); },
     [](const U& u) { return u.IsArticulationChecked(1); }},
    {A::MusicArtNormal, [](U& u) { u.ArticulationExecute(0); }, [](const U& u) { return u.CanArticulationExecute(); },
     [](const U& u) { return u.IsArticulationChecked(0); }},
    {A::MusicPortato, [](U& u) { u.ArticulationExecute(3); }, [](const U& u) { return u.CanArticulationExecute(); },
     [](const U& u) { return u.IsArticulationChecked(3); }},
    {A::MusicLegato, [](U& u) { u.ArticulationExecute(4); }, [](const U& u) { return u.CanArticulationExecute(); },
     [](const U& u) { return u.IsArticulationChecked(4); }},

    {A::MusicNoteStickUp, [](U& u) { u.NoteStickUpExecute(); }, [](const U& u) { return u.CanNoteStickUpExecute(); },
     [](const U& u) { return u.IsNoteStickUpChecked(); }},
    {A::MusicNoteStickDown, [](U& u) { u.NoteStickDownExecute(); },
     [](const U& u) { return u.CanNoteStickDownExecute(); }, [](const U& u) { return u.IsNoteStickDownChecked(); }},
    {A::MusicNoteGroupPrev, [](U& u) { u.NoteGroupPrevExecute(); },
     [](const U& u) { return u.CanNoteGroupPrevExecute(); }, nullptr},
    {A::MusicNoteGroupNext, [](U& u) { u.NoteGroupNextExecute(); },
     [](const U& u) { return u.CanNoteGroupNextExecute(); }, nullptr},
    {A::MusicMovePrev, [](U& u) { u.MovePrevExecute(); }, [](const U& u) { return u.CanMovePrevExecute(); }, nullptr},
    {A::MusicMoveNext, [](U& u) { u.MoveNextExecute(); }, [](const U& u) { return u.CanMoveNextExecute(); }, nullptr},

    {A::MusicSelectNext, [](U& u) { Navigation(u).SelectNextExecute(); },
     [](const U& u) { return Navigation(u).CanSelectNextExecute(); }, nullptr},
    {A::MusicSelectPrev, [](U& u) { Navigation(u).SelectPrevExecute(); },
     [](const U& u) { return Navigation(u).CanSelectPrevExecute(); }, nullptr},
    {A::MusicSelectUp, [](U& u) { Navigation(u).SelectUpExecute(); },
     [](const U& u) { return Navigation(u).CanSelectUpExecute(); }, nullptr},
    {A::MusicSelectDown, [](U& u) { Navigation(u).SelectDownExecute(); },
     [](const U& u) { return Navigation(u).CanSelectDownExecute(); }, nullptr},

    {A::MusicDelete, [](U& u) { u.DeleteExecute(); }, [](const U& u) { return u.CanDeleteExecute(); }, nullptr},
    {A::MusicPlayNote, [](U& u) { Playing(u).PlayNoteExecute(); },
     [](const U& u) { return Playing(u).CanPlayNoteExecute(); }, nullptr},
    {A::MusicAutoPlay, [](U& u) { u.SetAutoPlay(!u.GetAutoPlay()); }, nullptr,
     [](const U& u) { return u.GetAutoPlay(); }},
};

} // namespace

std::span<const TMusicActionRow> MusicActionTable()
{
    return Rows;
}

const TMusicActionRow* FindMusicAction(ActionId id)
{
    for (const TMusicActionRow& row : Rows)
        if (row.id == id)
            return &row;
    return nullptr;
}
