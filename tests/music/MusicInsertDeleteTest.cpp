#include "tests/music/MusicEditingSupport.h"

namespace {

struct InsertDelete : MusicEditing {
    // A triplet of quarters at position at: each member a note (pitch) or a rest (-99).
    std::vector<TStaveTimeSymbol*> Triplet(double at, std::initializer_list<int32_t> pitches)
    {
        std::vector<TStaveTimeSymbol*> members;
        int32_t place = 0;
        for (int32_t pitch : pitches) {
            if (pitch == -99)
                members.push_back(m.Rest(at, 4, 0, triool, place++));
            else
                members.push_back(m.Note(at, pitch, 4, 0, triool, place++));
        }
        return members;
    }
};

} // namespace

TEST_F(InsertDelete, DeletingCloseOrKeepTheGap)
{
    // A lone quarter closes its gap.
    m.Note(0, 2);
    TMuzNote* lone = m.Note(0.25, 4);
    TRest* rest = m.Rest(0.5);
    Select(lone);
    unit.DeleteExecute();
    EXPECT_EQ(m.Listing(), "K0#1 N0:2 R0.25/4");
    EXPECT_EQ(rest->GetPosition(), 0.25);
    EXPECT_EQ(unit.GetSelectedSymbol(), rest);
    EXPECT_EQ(sounds.sounded, 1); // the note sounded before it went
    EXPECT_TRUE(unit.IsModified());
    EXPECT_TRUE(Repainted());
    EXPECT_TRUE(PartsChanged());

    // One note of a chord: nothing moves.
    TMuzNote* upper = m.Note(0.5, 9);
    TMuzNote* lower = m.Note(0.5, 7);
    m.Rest(0.75);
    Select(lower);
    unit.DeleteExecute();
    EXPECT_EQ(m.Listing(), "K0#1 N0:2 R0.25/4 N0.5:9 R0.75/4");
    EXPECT_EQ(unit.GetSelectedSymbol(), m.bar->GetSymbols()->GetNext()->GetNext()->GetNext()->GetNext());
    (void)upper;

    // A rest outside a tuplet closes its gap too.
    Select(rest);
    unit.DeleteExecute();
    EXPECT_EQ(m.Listing(), "K0#1 N0:2 N0.25:9 R0.5/4");
    EXPECT_EQ(sounds.sounded, 0);
}

TEST_F(InsertDelete, ATupletWhoseOnlyNoteGoesClosesUp)
{
    const auto members = Triplet(0, {-99, 5, -99});
    TRest* after = m.Rest(0.25);
    Select(members[1]);
    unit.DeleteExecute();
    EXPECT_EQ(m.Listing(), "K0#1 R0/4");
    EXPECT_EQ(after->GetPosition(), 0);
    // Decision: the neighbours are looked up among what is left.
    EXPECT_EQ(unit.GetSelectedSymbol(), after);
}

TEST_F(InsertDelete, ATupletWithOtherNotesGetsARest)
{
    const auto members = Triplet(0, {2, 5, 7});
    m.Rest(0.25);
    Select(members[1]);
    unit.DeleteExecute();
    EXPECT_EQ(Values(), "N4x3@0 R4x3@1 N4x3@2 R4");
    // The rest in its place is the selection now, and it cannot be deleted.
    TRest* standIn = unit.GetSelectedRest();
    ASSERT_NE(standIn, nullptr);
    EXPECT_EQ(standIn->GetPosInOol(), 1);
    EXPECT_FALSE(unit.CanDeleteExecute());
    EXPECT_FALSE(unit.CanDeleteSymbol(standIn));
}

TEST_F(InsertDelete, ALastTupletWithoutFollowersSelectsWhatWasBefore)
{
    TMuzNote* first = m.Note(0, 0);
    const auto members = Triplet(0.25, {-99, -99, 5});
    Select(members[2]);
    unit.DeleteExecute();
    EXPECT_EQ(m.Listing(), "K0#1 N0:0");
    EXPECT_EQ(unit.GetSelectedSymbol(), first);
}

TEST_F(InsertDelete, OpeningClefs)
{
    TClef* opening = m.StartClef();
    EXPECT_FALSE(unit.CanDeleteSymbol(opening));
    Select(opening);
    EXPECT_FALSE(unit.CanDeleteExecute());
    unit.DeleteSymbol(opening);
    EXPECT_EQ(m.Listing(), "K0#1");

    // With a second clef at 0 either may go; the one left opens the bar.
    TClef* second = m.Clef(0, 2, clefKindF);
    EXPECT_TRUE(unit.CanDeleteSymbol(opening));
    EXPECT_TRUE(unit.CanDeleteSymbol(second));
    Select(opening);
    unit.DeleteExecute();
    EXPECT_EQ(m.Listing(), "K0#1");
    EXPECT_EQ(m.StartClef(), second);
    EXPECT_TRUE(second->IsBarStartClef());
    EXPECT_FALSE(unit.CanDeleteSymbol(second));
    EXPECT_EQ(unit.GetSelectedSymbol(), second);
    // A clef further on may always go, in any mode but delete.
    TClef* later = m.Clef(0.5, 1);
    Select(later, unitMuzNew);
    EXPECT_TRUE(unit.CanDeleteExecute());
    Select(later, unitMuzDel);
    EXPECT_FALSE(unit.CanDeleteExecute());
}

TEST_F(InsertDelete, AClickWhereNoPartIsVisible)
{
    unit.UnitMuzMode = unitMuzNew;
    EXPECT_FALSE(unit.AddAtClick(m.stave, nullptr, nullptr, nullptr, nullptr, 0, true));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_FALSE(unit.AddAtClick(m.stave, nullptr, nullptr, nullptr, nullptr, 0, false));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "You cannot add Music Elements because there is no Music Part visible");
    EXPECT_EQ(messages.Last().caption, "No Music");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
}

TEST_F(InsertDelete, ClicksOfModeNew)
{
    unit.UnitMuzMode = unitMuzNew;
    TMuzNote* note = m.Note(0, 0);
    // A rest right of the last symbol goes after it, at its end.
    unit.SetInsertModeKind(insertModeRest);
    ASSERT_TRUE(unit.AddAtClick(m.stave, nullptr, nullptr, note, nullptr, 0, false));
    EXPECT_EQ(m.Listing(), "K0#1 N0:0 R0.25/4");
    TRest* rest = unit.GetSelectedRest();
    ASSERT_NE(rest, nullptr);
    EXPECT_TRUE(PartsChanged());
    ASSERT_EQ(view.scrolledX.size(), 0u); // the reference was never drawn
    // A note clicked onto a rest takes its place, at the clicked height under the G clef.
    unit.SetInsertModeKind(insertModeNote);
    EXPECT_TRUE(unit.AddAtClick(m.stave, nullptr, rest, note, nullptr, 3, true));
    EXPECT_EQ(m.Listing(), "K0#1 N0:0 R0.25/4");
    Forget();
    ASSERT_TRUE(unit.AddAtClick(m.stave, nullptr, rest, note, nullptr, 3, false));
    EXPECT_EQ(m.Listing(), "K0#1 N0:0 N0.25:9");
    EXPECT_EQ(sounds.sounded, 1);
    // Into the chord of the note under the pointer; a pitch it holds is refused.
    EXPECT_FALSE(unit.AddAtClick(m.stave, note, nullptr, note, nullptr, -6, false));
    ASSERT_TRUE(unit.AddAtClick(m.stave, note, nullptr, note, nullptr, -4, false));
    EXPECT_EQ(m.Listing(), "K0#1 N0:2 N0:0 N0.25:9");
    // A height whose pitch lies outside the range adds nothing.
    EXPECT_FALSE(unit.AddAtClick(m.stave, note, nullptr, note, nullptr, 40, false));
    // A clef after the note, of the insert clef's kind.
    unit.SetInsertModeKind(insertModeClef);
    unit.InsertClef = clefKindF;
    ASSERT_TRUE(unit.AddAtClick(m.stave, nullptr, nullptr, nullptr, note, 0, false));
    // Behind the opening clef, right before the note.
    EXPECT_EQ(m.Listing(), "K0#1 K0#2 N0:2 N0:0 N0.25:9");
    EXPECT_EQ(m.StartClef()->GetKeyKind(), clefKindG);
    EXPECT_EQ(unit.GetSelectedClef()->GetKeyKind(), clefKindF);
    // An accidental click adds nothing here.
    unit.SetInsertModeKind(insertModeAccidental);
    EXPECT_FALSE(unit.AddAtClick(m.stave, note, nullptr, note, nullptr, 0, false));
}

TEST_F(InsertDelete, TwoKeyPitchesPerClefAndOctave)
{
    struct Row {
        int8_t kind;
        int32_t octaves;
        int32_t step;
        int32_t pitch;
    };
    // The letter C (step 0), E (2), with Shift (+7) or Alt (-7) given by the window.
    const Row rows[] = {{clefKindG, 0, 0, 7},  {clefKindC, 0, 0, 0},  {clefKindF, 0, 0, -7},
                        {clefKindG, 0, 9, 16}, {clefKindG, 1, 0, 14}, {clefKindF, -2, -7, -28},
                        {clefKindC, 2, 2, 16}};
    for (const Row& row : rows) {
        MusicModel fresh;
        ScrollingMusicView window;
        fresh.unit.SetWindow(&window);
        TClef* clef = fresh.StartClef();
        clef->SetKeyKind(row.kind);
        clef->SetOctavesUp(row.octaves);
        fresh.unit.SetSelMuzSymbol(clef);
        fresh.unit.KeySequenceNote(insertAfter, row.step);
        TMuzNote* added = fresh.unit.GetSelectedNote();
        ASSERT_NE(added, nullptr) << int(row.kind) << " " << row.step;
        EXPECT_EQ(added->GetPitch(), row.pitch) << int(row.kind) << " " << row.octaves << " " << row.step;
        EXPECT_TRUE(fresh.unit.IsModified());
        fresh.unit.SetWindow(nullptr);
    }
}

TEST_F(InsertDelete, TwoKeyCommandsBesideTheSelection)
{
    Select(m.StartClef(), unitMuzNew);
    // Decision: refused before the opening clef, nothing is marked.
    unit.KeySequenceNote(insertBefore, 0);
    unit.KeySequenceRest(insertBefore);
    EXPECT_EQ(m.Listing(), "K0#1");
    EXPECT_FALSE(unit.IsModified());
    EXPECT_TRUE(view.calls.empty());
    // A then C: C5 after the clef, selected and sounding.
    unit.KeySequenceNote(insertAfter, 0);
    EXPECT_EQ(m.Listing(), "K0#1 N0:7");
    TMuzNote* c5 = unit.GetSelectedNote();
    ASSERT_NE(c5, nullptr);
    EXPECT_EQ(sounds.sounded, 1);
    EXPECT_TRUE(unit.IsModified());
    EXPECT_TRUE(PartsChanged());
    // I then Space: a rest before it.
    unit.KeySequenceRest(insertBefore);
    EXPECT_EQ(m.Listing(), "K0#1 R0/4 N0.25:7");
    // Insert then E into the chord of the note; a refused pitch still marks the music.
    Select(c5);
    unit.KeySequenceNote(insertInChord, 2);
    EXPECT_EQ(m.Listing(), "K0#1 R0/4 N0.25:9 N0.25:7");
    Forget();
    unit.KeySequenceNote(insertInChord, 2);
    EXPECT_EQ(m.Listing(), "K0#1 R0/4 N0.25:9 N0.25:7");
    EXPECT_TRUE(unit.IsModified());
    EXPECT_TRUE(Repainted());
    EXPECT_FALSE(PartsChanged());
    // A rest cannot go into a chord.
    unit.KeySequenceRest(insertInChord);
    EXPECT_EQ(m.Listing(), "K0#1 R0/4 N0.25:9 N0.25:7");
    // Ctrl+F after the note: an F clef at its end.
    unit.KeySequenceClef(insertAfter, clefKindF);
    EXPECT_EQ(m.Listing(), "K0#1 R0/4 N0.25:9 N0.25:7 K0.5#1");
    // Nothing selected: nothing at all.
    Select(nullptr);
    unit.KeySequenceNote(insertAfter, 0);
    unit.KeySequenceClef(insertAfter, clefKindC);
    EXPECT_FALSE(unit.IsModified());
}

TEST_F(InsertDelete, AccidentalClicks)
{
    TMuzNote* note = m.Note(0, 5);
    TRest* rest = m.Rest(0.25);
    TClef* clef = m.StartClef();
    unit.InsertNoteShift = noteShiftDoubleMol;
    unit.ApplyNoteShiftToSymbol(clef, 4);
    EXPECT_EQ(clef->GetKeyNoteShifts(), NoteShiftKinds());
    unit.ApplyNoteShiftToSymbol(note, 0);
    EXPECT_EQ(note->GetNoteShift(), noteShiftDoubleMol);
    EXPECT_EQ(sounds.sounded, 1);
    unit.ApplyNoteShiftToSymbol(rest, 0);
    unit.ApplyNoteShiftToSymbol(nullptr, 0);
    // A sharp clicked on the top line of a G clef (F5, height 4) is the key of one sharp.
    unit.InsertNoteShift = noteShiftKruis;
    unit.ApplyNoteShiftToSymbol(clef, 4);
    int32_t count = 0;
    ASSERT_TRUE(clef->ToonLadder(count));
    EXPECT_EQ(count, 1);
    // Clicked an octave lower it is the same step.
    unit.ApplyNoteShiftToSymbol(clef, -3);
    ASSERT_TRUE(clef->ToonLadder(count));
    EXPECT_EQ(count, 1);
}
