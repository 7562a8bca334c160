#include "tests/music/MusicEditingSupport.h"

namespace {

struct NoteDetails : MusicEditing {};

} // namespace

TEST_F(NoteDetails, ArticulationReachesTheChordNotTheTuplet)
{
    TMuzNote* a = m.Note(0, 9, 4, 0, triool, 0);
    TMuzNote* b = m.Note(0, 5, 4, 0, triool, 0);
    TMuzNote* c = m.Note(0, 9, 4, 0, triool, 1);
    Select(b);
    unit.ArticulationExecute(noteArtStaccato);
    EXPECT_EQ(a->GetNoteArtKind(), noteArtStaccato);
    EXPECT_EQ(b->GetNoteArtKind(), noteArtStaccato);
    EXPECT_EQ(c->GetNoteArtKind(), noteArtNormal);
    EXPECT_TRUE(unit.IsArticulationChecked(noteArtStaccato));
    EXPECT_EQ(sounds.sounded, 1);
}

TEST_F(NoteDetails, ArticulationSteps)
{
    TMuzNote* note = m.Note(0, 5);
    note->SetNoteArtKind(noteArtStaccatissimo);
    Select(note);
    std::string walk;
    for (int i = 0; i < 5; ++i) {
        unit.MoreLegatoExecute();
        walk += std::to_string(note->GetNoteArtKind());
    }
    EXPECT_EQ(walk, "10344");
    walk.clear();
    for (int i = 0; i < 5; ++i) {
        unit.MoreStaccatoExecute();
        walk += std::to_string(note->GetNoteArtKind());
    }
    EXPECT_EQ(walk, "30122");
    // Mode new: the insert articulation, marked only while notes are inserted.
    unit.UnitMuzMode = unitMuzNew;
    unit.MoreLegatoExecute();
    EXPECT_EQ(unit.GetInsertArticulation(), noteArtPortato);
    EXPECT_TRUE(unit.IsArticulationChecked(noteArtPortato));
    unit.SetInsertModeKind(insertModeRest);
    EXPECT_FALSE(unit.IsArticulationChecked(noteArtPortato));
    EXPECT_TRUE(unit.CanArticulationExecute());
    // A rest selected in mode sel: none.
    Select(m.Rest(0.25));
    EXPECT_FALSE(unit.CanArticulationExecute());
}

TEST_F(NoteDetails, StemsToggle)
{
    TMuzNote* note = m.Note(0, 5);
    Select(note);
    auto marks = [this] {
        return std::string(unit.IsNoteStickUpChecked() ? "U" : "-") + (unit.IsNoteStickDownChecked() ? "D" : "-");
    };
    EXPECT_EQ(marks(), "--");
    unit.NoteStickUpExecute();
    EXPECT_EQ(note->GetDrawStickKind(), drawStickUp);
    EXPECT_EQ(marks(), "U-");
    unit.NoteStickUpExecute();
    EXPECT_EQ(note->GetDrawStickKind(), drawStickAuto);
    unit.NoteStickUpExecute();
    unit.NoteStickDownExecute();
    EXPECT_EQ(note->GetDrawStickKind(), drawStickDown);
    EXPECT_EQ(marks(), "-D");
    // Mode new with a rest as what is inserted: both off.
    unit.UnitMuzMode = unitMuzNew;
    unit.SetInsertModeKind(insertModeRest);
    EXPECT_FALSE(unit.CanNoteStickUpExecute() || unit.CanNoteStickDownExecute());
    unit.SetInsertModeKind(insertModeNote);
    EXPECT_TRUE(unit.CanNoteStickUpExecute() && unit.CanNoteStickDownExecute());
    unit.NoteStickDownExecute();
    EXPECT_EQ(unit.GetInsertStickKind(), drawStickDown);
    unit.NoteStickDownExecute();
    EXPECT_EQ(unit.GetInsertStickKind(), drawStickAuto);
}

TEST_F(NoteDetails, NoteGroups)
{
    auto* second = new TNoteGroup(m.stave);
    m.stave->InsertNoteGroup(m.group, std::unique_ptr<TNoteGroup>(second));
    TMuzNote* note = m.Note(0, 5);
    TMuzNote* chordMate = m.Note(0, 2);
    Select(note);
    EXPECT_FALSE(unit.CanNoteGroupPrevExecute());
    ASSERT_TRUE(unit.CanNoteGroupNextExecute());
    unit.NoteGroupNextExecute();
    EXPECT_EQ(note->GetNoteGroup(), second);
    EXPECT_EQ(chordMate->GetNoteGroup(), m.group);
    EXPECT_EQ(m.stave->GetSelectedNoteGroup(), second);
    EXPECT_FALSE(unit.CanNoteGroupNextExecute());
    EXPECT_TRUE(unit.IsModified());
    // New notes of the stave go into the group the note moved to.
    unit.KeySequenceNote(insertAfter, 0);
    EXPECT_EQ(unit.GetSelectedNote()->GetNoteGroup(), second);
    Select(note);
    unit.NoteGroupPrevExecute();
    EXPECT_EQ(note->GetNoteGroup(), m.group);
    EXPECT_EQ(m.stave->GetSelectedNoteGroup(), m.group);
    Select(note, unitMuzNew);
    EXPECT_FALSE(unit.CanNoteGroupNextExecute());
}

TEST_F(NoteDetails, MovingAChordBackPastANote)
{
    m.Note(0, 9, 2);
    m.Note(0, 5, 2);
    TMuzNote* quarter = m.Note(0.5, 0);
    Select(quarter);
    ASSERT_TRUE(unit.CanMovePrevExecute());
    unit.MovePrevExecute();
    EXPECT_EQ(m.Listing(), "K0#1 N0:0 N0.25:9 N0.25:5");
    EXPECT_EQ(unit.GetSelectedSymbol(), quarter);
    EXPECT_FALSE(unit.CanMovePrevExecute()); // the opening clef is in the way
    EXPECT_TRUE(unit.IsModified());
    EXPECT_EQ(sounds.sounded, 0);
    unit.MoveNextExecute();
    EXPECT_EQ(m.Listing(), "K0#1 N0:9 N0:5 N0.5:0");
    EXPECT_FALSE(unit.CanMoveNextExecute()); // the bar's last symbol
}

TEST_F(NoteDetails, MovingAClefPastAChord)
{
    TMuzNote* upper = m.Note(0, 9);
    m.Note(0, 5);
    TClef* clef = m.Clef(0.25, 1, clefKindF);
    m.Note(0.25, 0);
    Select(clef);
    ASSERT_TRUE(unit.CanMovePrevExecute());
    unit.MovePrevExecute();
    EXPECT_EQ(m.Listing(), "K0#1 K0#2 N0:9 N0:5 N0.25:0");
    EXPECT_EQ(upper->GetPosition(), 0);
    // Bar symbols, no selection and the other modes cannot move.
    Select(Bar());
    EXPECT_FALSE(unit.CanMovePrevExecute() || unit.CanMoveNextExecute());
    Select(nullptr);
    EXPECT_FALSE(unit.CanMovePrevExecute());
    Select(upper, unitMuzNew);
    EXPECT_FALSE(unit.CanMoveNextExecute());
}

TEST_F(NoteDetails, MovingWithinATupletMovesTheWholeTuplet)
{
    TMuzNote* first = m.Note(0, 2, 4, 0, triool, 0);
    m.Note(0, 4, 4, 0, triool, 1);
    m.Note(0, 5, 4, 0, triool, 2);
    TRest* rest = m.Rest(0.25, 8);
    Select(first);
    unit.MoveNextExecute();
    EXPECT_EQ(m.Listing(), "K0#1 R0/8 N0.125:2 N0.125:4 N0.125:5");
    EXPECT_EQ(rest->GetPosition(), 0);
}
