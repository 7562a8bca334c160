#include "tests/music/MusicTestSupport.h"

namespace {

struct MusicEdits : MusicTest {
    MusicModel m;

    TMuzNote* Insert(TStaveSymbol* at, uint8_t side, int32_t pitch, uint8_t length = 4, bool testOnly = false)
    {
        TMuzNote* note = nullptr;
        const bool ok = m.muz.InsertNote(m.stave, at, side, pitch, length, 0, noteArtNormal, drawStickAuto, m.group,
                                         &note, testOnly);
        return ok ? (testOnly ? reinterpret_cast<TMuzNote*>(1) : note) : nullptr;
    }
};

} // namespace

TEST_F(MusicEdits, InsertingANoteMakesRoomOnItsStaveOnly)
{
    TNoteStave* other = m.muz.NewNoteStave(m.stave, nullptr);
    TMuzNote* half = m.Note(0, 0, 2);
    m.Rest(0.5);
    m.Rest(0.5, 4, 0, sool, 0, other);
    TMuzNote* added = Insert(half, insertAfter, 4);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(m.Listing(), "K0#1 N0:0 N0.5:4 R0.75/4");
    EXPECT_EQ(m.Listing(other), "K0#1 R0.5/4");
    EXPECT_EQ(added->GetNoteShift(), noteShiftNormal);
    EXPECT_EQ(added->GetMultiOol(), sool);
    EXPECT_EQ(added->GetNoteGroup(), m.group);
}

TEST_F(MusicEdits, NothingGoesBeforeABarsOpeningClef)
{
    m.Note(0, 7);
    EXPECT_EQ(Insert(m.StartClef(), insertBefore, 4), nullptr);
    ASSERT_NE(Insert(m.StartClef(), insertAfter, 4), nullptr);
    EXPECT_EQ(m.Listing(), "K0#1 N0:4 N0.25:7");
}

TEST_F(MusicEdits, TupletsTakeNotesOnlyBeforeTheFirstAndAfterTheLast)
{
    TMuzNote* first = m.Note(0, 0, 4, 0, triool, 0);
    TMuzNote* second = m.Note(0, 0, 4, 0, triool, 1);
    TMuzNote* third = m.Note(0, 0, 4, 0, triool, 2);
    EXPECT_EQ(Insert(second, insertBefore, 2, 4, true), nullptr);
    EXPECT_EQ(Insert(first, insertAfter, 2, 4, true), nullptr);
    EXPECT_NE(Insert(first, insertBefore, 2, 4, true), nullptr);
    EXPECT_NE(Insert(third, insertAfter, 2, 4, true), nullptr);
    EXPECT_EQ(m.Listing(), "K0#1 N0:0 N0:0 N0:0"); // the test-only form changes nothing
    ASSERT_NE(Insert(third, insertAfter, 2), nullptr);
    EXPECT_EQ(m.Listing(), "K0#1 N0:0 N0:0 N0:0 N0.25:2");
}

TEST_F(MusicEdits, IntoAChord)
{
    TMuzNote* low = m.Note(0.5, 0, 8, 1, triool, 1);
    m.Note(0.5, 2, 8, 1, triool, 1);
    m.Note(0.75, 9);
    EXPECT_EQ(Insert(low, insertInChord, 2), nullptr);
    TMuzNote* added = Insert(low, insertInChord, 1);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetNoteLengthKind(), 8);
    EXPECT_EQ(added->GetPoints(), 1);
    EXPECT_EQ(added->GetMultiOol(), triool);
    EXPECT_EQ(added->GetPosInOol(), 1);
    EXPECT_EQ(m.Listing(), "K0#1 N0.5:2 N0.5:1 N0.5:0 N0.75:9");
    // Into a clef: no.
    EXPECT_EQ(Insert(m.StartClef(), insertInChord, 1), nullptr);
}

TEST_F(MusicEdits, ANoteIntoARestTakesItsPlace)
{
    TRest* rest = m.Rest(0.25, 8, 1, triool, 2);
    m.unit.SetSelMuzSymbol(nullptr);
    TMuzNote* note = nullptr;
    ASSERT_TRUE(m.muz.InsertNote(m.stave, rest, insertInChord, 5, 4, 0, noteArtStaccato, drawStickUp, m.group, &note,
                                 false));
    EXPECT_EQ(m.Listing(), "K0#1 N0.25:5");
    EXPECT_EQ(note->GetNoteLengthKind(), 8);
    EXPECT_EQ(note->GetPoints(), 1);
    EXPECT_EQ(note->GetPosInOol(), 2);
    EXPECT_EQ(note->GetMultiOol(), triool);
    EXPECT_EQ(note->GetNoteArtKind(), noteArtNormal);
    EXPECT_EQ(note->GetDrawStickKind(), drawStickUp);
}

TEST_F(MusicEdits, RestsAndClefsBesideSymbols)
{
    TMuzNote* note = m.Note(0, 0, 2);
    TRest* rest = nullptr;
    EXPECT_FALSE(m.muz.InsertRest(m.stave, note, insertInChord, 0, 4, &rest, false));
    EXPECT_FALSE(m.muz.InsertRest(m.stave, nullptr, insertAfter, 0, 4, &rest, false));
    ASSERT_TRUE(m.muz.InsertRest(m.stave, note, insertBefore, 1, 8, &rest, false));
    EXPECT_EQ(m.Listing(), "K0#1 R0/8 N0.1875:0");

    TClef* clef = nullptr;
    EXPECT_FALSE(m.muz.InsertClef(m.stave, nullptr, insertAfter, clefKindF, &clef, false));
    EXPECT_EQ(messages.Count(), 0u);
    // Before clef number 1 at a position: the new one is 1, the old one 2.
    TClef* old = m.Clef(0.75, 1);
    ASSERT_TRUE(m.muz.InsertClef(m.stave, old, insertBefore, clefKindF, &clef, false));
    EXPECT_EQ(clef->GetClefNumber(), 1);
    EXPECT_EQ(old->GetClefNumber(), 2);
    EXPECT_EQ(old->GetPrev(), clef);
    // After a note: at the note's end, before a clef that stood there.
    TClef* third = nullptr;
    ASSERT_TRUE(m.muz.InsertClef(m.stave, note, insertAfter, clefKindC, &third, false));
    EXPECT_EQ(third->GetPosition(), 0.6875);
    ASSERT_TRUE(m.muz.InsertClef(m.stave, third, insertAfter, clefKindG, &clef, false));
    EXPECT_EQ(third->GetClefNumber(), 1);
    EXPECT_EQ(clef->GetClefNumber(), 2);
    EXPECT_EQ(m.Listing(), "K0#1 R0/8 N0.1875:0 K0.6875#1 K0.6875#2 K0.75#1 K0.75#2");
}

TEST_F(MusicEdits, BesideAChordMeansBesideAllOfIt)
{
    TMuzNote* upper = m.Note(0, 9, 2);
    TMuzNote* lower = m.Note(0, 2, 2);
    m.Note(0.5, 4);
    ASSERT_NE(Insert(upper, insertAfter, 7), nullptr);
    EXPECT_EQ(m.Listing(), "K0#1 N0:9 N0:2 N0.5:7 N0.75:4");
    ASSERT_NE(Insert(lower, insertBefore, 0), nullptr);
    EXPECT_EQ(m.Listing(), "K0#1 N0:0 N0.25:9 N0.25:2 N0.75:7 N1:4");
}

TEST_F(MusicEdits, FreePitchesNextToAChord)
{
    TMuzNote* top = m.Note(0, 43);
    int32_t pitch = 0;
    EXPECT_FALSE(m.muz.UpperPosition(top, pitch));
    EXPECT_FALSE(m.muz.UpperOctPosition(top, pitch));
    TMuzNote* note = m.Note(0.25, 41);
    m.Note(0.25, 42);
    m.Note(0.25, 30, 4, 0, sool, 0); // same chord
    EXPECT_TRUE(m.muz.UpperPosition(note, pitch));
    EXPECT_EQ(pitch, 43);
    EXPECT_TRUE(m.muz.LowerPosition(note, pitch));
    EXPECT_EQ(pitch, 40);
    EXPECT_TRUE(m.muz.LowerOctPosition(note, pitch));
    EXPECT_EQ(pitch, 34);
    TMuzNote* bottom = m.Note(0.5, -40);
    EXPECT_FALSE(m.muz.LowerOctPosition(bottom, pitch));
    EXPECT_TRUE(m.muz.IsPitchInChord(30, note));
    EXPECT_FALSE(m.muz.IsPitchInChord(43, note));
    // Another place in the tuplet is another chord.
    TMuzNote* member = m.Note(0.75, 10, 4, 0, triool, 0);
    m.Note(0.75, 11, 4, 0, triool, 1);
    EXPECT_FALSE(m.muz.IsPitchInChord(11, member));
}

TEST_F(MusicEdits, SwappingAChordWithARest)
{
    m.Note(0, 7, 2);
    TMuzNote* last = m.Note(0, 3, 2);
    TRest* rest = m.Rest(0.5);
    TMuzNote* first = static_cast<TMuzNote*>(last->GetFirstChordSymbol());
    ASSERT_TRUE(m.muz.SwitchSymbols(first, last, rest, rest));
    EXPECT_EQ(m.Listing(), "K0#1 R0/4 N0.25:7 N0.25:3");
    EXPECT_EQ(first->GetMark(), 0);
}

TEST_F(MusicEdits, SwappingClefs)
{
    TClef* a = m.Clef(0.5, 1, clefKindF);
    TClef* b = m.Clef(0.5, 2, clefKindC);
    ASSERT_TRUE(m.muz.SwitchSymbols(a, a, b, b));
    EXPECT_EQ(b->GetClefNumber(), 1);
    EXPECT_EQ(a->GetClefNumber(), 2);
    EXPECT_EQ(b->GetNext(), a);
    // A note and the clef behind it: the clef goes to the note's place.
    TMuzNote* note = m.Note(0.25, 0);
    ASSERT_TRUE(m.muz.SwitchSymbols(note, note, b, b));
    EXPECT_EQ(m.Listing(), "K0#1 K0.25#1 N0.25:0 K0.5#2");
    EXPECT_EQ(messages.Count(), 0u);
    // Runs on two staves are refused and change nothing.
    TNoteStave* other = m.muz.NewNoteStave(m.stave, nullptr);
    TRest* rest = m.Rest(0.75, 4, 0, sool, 0, other);
    EXPECT_FALSE(m.muz.SwitchSymbols(note, note, rest, rest));
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(m.Listing(), "K0#1 K0.25#1 N0.25:0 K0.5#2");
}

TEST_F(MusicEdits, NotesAfterAClef)
{
    m.Clef(0.5, 1);
    TClef* c = m.Clef(0.5, 2);

    TNoteStave* other = m.muz.NewNoteStave(m.stave, nullptr);
    m.Note(0.25, 5, 4, 0, sool, 0, other);
    m.Note(0.25, 0);
    m.Note(0.25, 40);
    m.Rest(0.375, 8);
    EXPECT_TRUE(m.muz.HasNotesAfterClef(m.StartClef()));
    EXPECT_FALSE(m.muz.HasNotesAfterClef(c));
    m.muz.ShiftNotesAfterClef(m.StartClef(), 6);
    EXPECT_EQ(m.Listing(), "K0#1 N0.25:43 N0.25:6 R0.375/8 K0.5#1 K0.5#2");
    // The shifted note now stands before the other stave's lower note.
    TStaveSymbol* six = m.StartClef()->GetNext();
    while (!(six->IsNote() && static_cast<TMuzNote*>(six)->GetPitch() == 6))
        six = six->GetNext();
    EXPECT_EQ(six->GetNext()->GetNoteStave(), other);
}

TEST_F(MusicEdits, ShiftingPositions)
{
    TMuzNote* a = m.Note(0.25, 0);
    m.Note(0.5, 0);
    m.muz.ShiftPositions(a, 0.125, true);
    EXPECT_EQ(m.Listing(), "K0#1 N0.25:0 N0.625:0");
    m.muz.ShiftPositions(a, -0.125, false);
    EXPECT_EQ(m.Listing(), "K0#1 N0.125:0 N0.5:0");
    m.muz.ShiftPositions(a, 0, false);
    EXPECT_EQ(m.Listing(), "K0#1 N0.125:0 N0.5:0");
    double position = 0.5;
    m.muz.AdjustPositionForSide(position, a, insertAfter);
    EXPECT_EQ(position, 0.75);
    m.muz.AdjustPositionForSide(position, m.StartClef(), insertAfter);
    EXPECT_EQ(position, 0.75);
}
