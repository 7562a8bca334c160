#include "tests/music/MusicEditingSupport.h"

namespace {

struct Pitches : MusicEditing {
    int32_t Key(const TClef* clef) const
    {
        int32_t count = 99;
        return clef->ToonLadder(count) ? count : 99;
    }
};

} // namespace

TEST_F(Pitches, StepsSkipTheChordsOwnPitches)
{
    TMuzNote* e4 = m.Note(0, 2);
    m.Note(0, 3);
    Select(e4);
    ASSERT_TRUE(unit.CanMoveUpExecute());
    unit.MoveUpExecute();
    EXPECT_EQ(e4->GetPitch(), 4);
    EXPECT_EQ(m.Listing(), "K0#1 N0:4 N0:3"); // the higher note first
    EXPECT_EQ(sounds.sounded, 1);
    EXPECT_FALSE(PartsChanged());
    TMuzNote* top = m.Note(0.25, 43);
    Select(top);
    EXPECT_FALSE(unit.CanMoveUpExecute());
    EXPECT_TRUE(unit.CanMoveDownExecute());
    unit.MoveUpExecute();
    EXPECT_EQ(top->GetPitch(), 43);
    EXPECT_FALSE(unit.IsModified());
    // Octaves: 40 cannot rise, -40 cannot fall.
    top->SetPitch(40);
    EXPECT_FALSE(unit.CanMoveOctUpExecute());
    EXPECT_TRUE(unit.CanMoveOctDownExecute());
    unit.MoveOctDownExecute();
    EXPECT_EQ(top->GetPitch(), 33);
    // Mode new moves the selection too; mode delete does not.
    Select(top, unitMuzNew);
    EXPECT_TRUE(unit.CanMoveDownExecute());
    Select(top, unitMuzDel);
    EXPECT_FALSE(unit.CanMoveDownExecute() || unit.CanMoveOctDownExecute());
}

TEST_F(Pitches, ClefOctaves)
{
    TClef* clef = m.StartClef();
    Select(clef);
    EXPECT_TRUE(unit.CanMoveOctUpExecute());
    EXPECT_FALSE(unit.CanMoveUpExecute());
    clef->SetOctavesUp(2);
    EXPECT_FALSE(unit.CanMoveOctUpExecute());
    clef->SetOctavesUp(-2);
    EXPECT_FALSE(unit.CanMoveOctDownExecute());
    // Octave Up with notes after it, answered No: they rise with it.
    clef->SetOctavesUp(0);
    TMuzNote* note = m.Note(0, 5);
    messages.Answer(MsgAnswer::No);
    unit.MoveOctUpExecute();
    EXPECT_EQ(clef->GetOctavesUp(), 1);
    EXPECT_EQ(note->GetPitch(), 12);
    EXPECT_TRUE(unit.IsModified());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Change the vertical positions of the Notes, to sound as before?");
    EXPECT_EQ(messages.Last().caption, "Change Clef");
    EXPECT_EQ(messages.Last().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(messages.Last().icon, MsgIcon::Question);
    // To either end of the range, the notes following along.
    struct Row {
        int32_t from;
        bool up;
        int32_t to, pitch;
    };
    for (const Row& row : {Row{1, true, 2, 19}, Row{-1, false, -2, 5}}) {
        SCOPED_TRACE(row.from);
        clef->SetOctavesUp(row.from);
        note->SetPitch(12);
        messages.Answer(MsgAnswer::No);
        EXPECT_TRUE(row.up ? unit.CanMoveOctUpExecute() : unit.CanMoveOctDownExecute());
        if (row.up)
            unit.MoveOctUpExecute();
        else
            unit.MoveOctDownExecute();
        EXPECT_EQ(clef->GetOctavesUp(), row.to);
        EXPECT_EQ(note->GetPitch(), row.pitch);
    }
}

TEST_F(Pitches, TheClefQuestion)
{
    struct Row {
        MsgAnswer answer;
        int8_t kind;
        int32_t firstPitch, secondPitch;
        bool modified;
    };
    // A G clef becomes an F clef with two notes after it, before the next clef.
    const Row rows[] = {{MsgAnswer::Yes, clefKindF, 5, 9, true},
                        {MsgAnswer::No, clefKindF, -7, -3, true},
                        {MsgAnswer::Cancel, clefKindG, 5, 9, false}};
    for (const Row& row : rows) {
        MusicModel fresh;
        ScrollingMusicView window;
        fresh.unit.SetWindow(&window);
        TMuzNote* first = fresh.Note(0, 5);
        TMuzNote* second = fresh.Note(0.25, 9);
        fresh.Clef(0.5, 1);
        TMuzNote* beyond = fresh.Note(0.5, 2);
        fresh.unit.UnitMuzMode = unitMuzSel;
        fresh.unit.SetSelMuzSymbol(fresh.StartClef());
        messages.Answer(row.answer);
        fresh.unit.ClefExecute(clefKindF);
        EXPECT_EQ(fresh.StartClef()->GetKeyKind(), row.kind);
        EXPECT_EQ(first->GetPitch(), row.firstPitch);
        EXPECT_EQ(second->GetPitch(), row.secondPitch);
        EXPECT_EQ(beyond->GetPitch(), 2);
        EXPECT_EQ(fresh.unit.IsModified(), row.modified);
        fresh.unit.SetWindow(nullptr);
    }
    // Without notes after it no question is asked.
    messages.Clear();
    Select(m.StartClef());
    unit.ClefExecute(clefKindC);
    EXPECT_EQ(m.StartClef()->GetKeyKind(), clefKindC);
    EXPECT_EQ(messages.Count(), 0u);
    // The same kind again changes nothing.
    Forget();
    unit.ClefExecute(clefKindC);
    EXPECT_FALSE(unit.IsModified());
}

TEST_F(Pitches, AnsweredNoButANoteWouldLeaveTheRange)
{
    // Decision: nothing changes, and the user is told why.
    TClef* clef = m.StartClef();
    TMuzNote* low = m.Note(0, -40);
    Select(clef);
    messages.Answer(MsgAnswer::No);
    unit.ClefExecute(clefKindF);
    EXPECT_EQ(clef->GetKeyKind(), clefKindG);
    EXPECT_EQ(low->GetPitch(), -40);
    EXPECT_FALSE(unit.IsModified());
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().caption, "Change Clef");
    EXPECT_NE(messages.Last().text.find("range"), std::string::npos);
}

TEST_F(Pitches, ClefStepsWithCtrlUpAndDown)
{
    TClef* clef = m.StartClef();
    Select(clef);
    unit.ClefDownExecute();
    EXPECT_EQ(clef->GetKeyKind(), clefKindC);
    unit.ClefDownExecute();
    EXPECT_EQ(clef->GetKeyKind(), clefKindF);
    unit.ClefDownExecute();
    EXPECT_EQ(clef->GetKeyKind(), clefKindF);
    unit.ClefUpExecute();
    unit.ClefUpExecute();
    unit.ClefUpExecute();
    EXPECT_EQ(clef->GetKeyKind(), clefKindG);
    // Mode new: the insert clef, only while clefs are inserted.
    unit.UnitMuzMode = unitMuzNew;
    unit.SetInsertModeKind(insertModeNote);
    unit.ClefDownExecute();
    EXPECT_EQ(unit.GetInsertClef(), clefKindG);
    unit.ClefExecute(clefKindG);
    EXPECT_EQ(unit.GetInsertModeKind(), insertModeClef);
    EXPECT_TRUE(unit.IsClefChecked(clefKindG));
    unit.ClefDownExecute();
    EXPECT_EQ(unit.GetInsertClef(), clefKindC);
    EXPECT_TRUE(unit.IsClefChecked(clefKindC));
    // A note selected in mode sel: no clef command.
    Select(m.Note(0, 5));
    EXPECT_FALSE(unit.CanClefExecute());
    EXPECT_FALSE(unit.IsClefChecked(clefKindG));
}

TEST_F(Pitches, KeySignaturesGrowAndShrink)
{
    TClef* clef = m.StartClef();
    Select(clef);
    // Sharp, then flat removes it, flat again gives one flat.
    unit.NoteShiftExecute(noteShiftKruis);
    EXPECT_EQ(Key(clef), 1);
    unit.NoteShiftExecute(noteShiftMol);
    EXPECT_EQ(Key(clef), 0);
    unit.NoteShiftExecute(noteShiftMol);
    EXPECT_EQ(Key(clef), -1);
    // Up to seven flats, then Flat is off; Sharp takes them back one by one.
    for (int i = 0; i < 6; ++i)
        unit.NoteShiftExecute(noteShiftMol);
    EXPECT_EQ(Key(clef), -7);
    EXPECT_FALSE(unit.CanNoteShiftExecute(noteShiftMol));
    EXPECT_TRUE(unit.CanNoteShiftExecute(noteShiftKruis));
    for (int i = 0; i < 4; ++i)
        unit.NoteShiftExecute(noteShiftKruis);
    EXPECT_EQ(Key(clef), -3);
    unit.NoteShiftExecute(noteShiftKruis);
    EXPECT_EQ(Key(clef), -2);
    // Seven sharps: Sharp is off.
    for (int i = 0; i < 9; ++i)
        unit.NoteShiftExecute(noteShiftKruis);
    EXPECT_EQ(Key(clef), 7);
    EXPECT_FALSE(unit.CanNoteShiftExecute(noteShiftKruis));
    unit.NoteShiftExecute(noteShiftMol);
    unit.NoteShiftExecute(noteShiftMol);
    EXPECT_EQ(Key(clef), 5);
    // Double sharp, natural and double flat never apply to a clef.
    for (uint8_t shift : {noteShiftDoubleKruis, noteShiftNormal, noteShiftDoubleMol})
        EXPECT_FALSE(unit.CanNoteShiftExecute(shift)) << int(shift);
    EXPECT_FALSE(unit.IsNoteShiftChecked(noteShiftKruis));
    // A key that is no regular run disables Sharp and Flat on the clef.
    clef->SetKeyNoteShift(0, noteShiftMol);
    EXPECT_FALSE(unit.CanNoteShiftExecute(noteShiftKruis));
    EXPECT_FALSE(unit.CanNoteShiftExecute(noteShiftMol));
}

TEST_F(Pitches, KeysOfOtherClefsUseTheSameSteps)
{
    // Decision: the key index is the stave height modulo 7 for clicks and commands alike.
    for (int8_t kind : {clefKindC, clefKindF}) {
        MusicModel fresh;
        ScrollingMusicView window;
        fresh.unit.SetWindow(&window);
        TClef* clef = fresh.StartClef();
        clef->SetKeyKind(kind);
        fresh.unit.UnitMuzMode = unitMuzSel;
        fresh.unit.SetSelMuzSymbol(clef);
        fresh.unit.NoteShiftExecute(noteShiftKruis);
        const int32_t step = clef->KeySignatureStep(noteShiftKruis, 0);
        EXPECT_EQ(clef->GetKeyNoteShift(step), noteShiftKruis);
        // The sharp sits on F: height plus kind is F's pitch modulo 7.
        EXPECT_EQ(NoteShiftKinds::HeightOffset(clef->HeightToPitch(step)), 3) << int(kind);
        fresh.unit.SetWindow(nullptr);
    }
}

TEST_F(Pitches, AccidentalsOfNotesAndTheInsertAccidental)
{
    TMuzNote* note = m.Note(0, 5);
    Select(note);
    for (uint8_t shift = 0; shift < 5; ++shift)
        EXPECT_TRUE(unit.CanNoteShiftExecute(shift));
    unit.NoteShiftExecute(noteShiftDoubleMol);
    EXPECT_EQ(note->GetNoteShift(), noteShiftDoubleMol);
    EXPECT_TRUE(unit.IsNoteShiftChecked(noteShiftDoubleMol));
    EXPECT_FALSE(unit.IsNoteShiftChecked(noteShiftMol));
    EXPECT_EQ(sounds.sounded, 1);
    // Mode new: the next clicks put it on.
    unit.UnitMuzMode = unitMuzNew;
    EXPECT_FALSE(unit.IsNoteShiftChecked(noteShiftNormal));
    unit.NoteShiftExecute(noteShiftKruis);
    EXPECT_EQ(unit.GetInsertModeKind(), insertModeAccidental);
    EXPECT_TRUE(unit.IsNoteShiftChecked(noteShiftKruis));
    Select(note, unitMuzDel);
    EXPECT_FALSE(unit.CanNoteShiftExecute(noteShiftKruis));
}
