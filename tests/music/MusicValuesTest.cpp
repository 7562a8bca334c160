#include "tests/music/MusicEditingSupport.h"

namespace {

struct NoteValues : MusicEditing {
    // The seven codes in action order.
    static constexpr uint8_t Codes[] = {1, 2, 4, 8, 16, 32, 64};
    // "1111100" for the codes whose query answers true.
    template <class Query>
    std::string Row(Query query) const
    {
        std::string text;
        for (uint8_t code : Codes)
            text += query(code) ? '1' : '0';
        return text;
    }
    std::string CanNote() const { return Row([this](uint8_t c) { return unit.CanNoteExecute(c); }); }
    std::string CanRest() const { return Row([this](uint8_t c) { return unit.CanRestExecute(c); }); }
    std::string NoteMarks() const { return Row([this](uint8_t c) { return unit.IsNoteChecked(c); }); }
    std::string RestMarks() const { return Row([this](uint8_t c) { return unit.IsRestChecked(c); }); }
};

} // namespace

TEST_F(NoteValues, ARestBecomesANoteOnTheMiddleLine)
{
    TRest* rest = m.Rest(0);
    TMuzNote* next = m.Note(0.25, 2);
    Select(rest);
    unit.NoteExecute(8);
    TMuzNote* made = unit.GetSelectedNote();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetPitch(), 6); // B4 under the G clef
    EXPECT_EQ(made->GetNoteLengthKind(), 8);
    EXPECT_EQ(made->GetNoteGroup(), m.group);
    EXPECT_EQ(made->GetDrawStickKind(), unit.GetInsertStickKind());
    EXPECT_EQ(next->GetPosition(), 0.125);
    EXPECT_EQ(sounds.sounded, 1);
    EXPECT_TRUE(unit.IsModified());
    EXPECT_TRUE(PartsChanged());
}

TEST_F(NoteValues, AChordBecomesOneRest)
{
    for (int32_t pitch : {9, 5, 2})
        m.Note(0, pitch);
    TMuzNote* later = m.Note(0.25, 0);
    Select(m.bar->GetStartClef(m.stave)->GetNext()->GetNext());
    unit.RestExecute(2);
    EXPECT_EQ(m.Listing(), "K0#1 R0/2 N0.5:0");
    EXPECT_EQ(unit.GetSelectedSymbol(), m.bar->GetStartClef(m.stave)->GetNext());
    EXPECT_EQ(later->GetPosition(), 0.5);
    EXPECT_EQ(sounds.sounded, 0);
    EXPECT_TRUE(PartsChanged());
}

TEST_F(NoteValues, ATupletNoteBecomingARestLeavesTheOthers)
{
    TMuzNote* first = m.Note(0, 2, 4, 0, triool, 0);
    m.Note(0, 4, 4, 0, triool, 1);
    m.Rest(0, 4, 0, triool, 2);
    Select(first);
    unit.RestExecute(8);
    EXPECT_EQ(Values(), "R4x3@0 N4x3@1 R4x3@2");
    // The last note of it going as well empties the tuplet: it goes.
    m.Rest(0.25);
    Select(m.bar->GetStartClef(m.stave)->GetNext()->GetNext());
    ASSERT_NE(unit.GetSelectedNote(), nullptr);
    unit.RestExecute(8);
    EXPECT_EQ(m.Listing(), "K0#1 R0/4");
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
}

TEST_F(NoteValues, EnabledAndMarkedTables)
{
    // Mode new: the dots limit the values; only the insert kind is marked.
    unit.UnitMuzMode = unitMuzNew;
    EXPECT_EQ(CanNote(), "1111111");
    EXPECT_EQ(NoteMarks(), "0010000");
    EXPECT_EQ(RestMarks(), "0000000");
    unit.PointAddExecute();
    EXPECT_EQ(unit.GetPoints(), 1);
    EXPECT_EQ(CanNote(), "1111110");
    EXPECT_EQ(CanRest(), "1111110");
    // A rest keeps the dot, a note drops it.
    unit.RestExecute(4);
    EXPECT_EQ(unit.GetPoints(), 1);
    EXPECT_EQ(RestMarks(), "0010000");
    EXPECT_EQ(NoteMarks(), "0000000");
    unit.NoteExecute(4);
    EXPECT_EQ(unit.GetPoints(), 0);

    // An eighth with three dots: no sixteenth by action.
    TMuzNote* note = m.Note(0, 5, 8, 3);
    Select(note);
    EXPECT_EQ(CanNote(), "1111000");
    EXPECT_EQ(CanRest(), "1111000");
    EXPECT_EQ(NoteMarks(), "0001000");
    EXPECT_EQ(RestMarks(), "0000000");
    // A triplet member of stored value 4 shows 8 and cannot become a whole.
    TMuzNote* member = m.Note(1, 5, 4, 0, triool, 1);
    Select(member);
    EXPECT_EQ(CanNote(), "0111111");
    EXPECT_EQ(NoteMarks(), "0001000");
    TRest* rest = m.Rest(2, 16);
    Select(rest);
    EXPECT_EQ(RestMarks(), "0000100");
    EXPECT_EQ(NoteMarks(), "0000000");
    // A bar symbol: every note action enabled, every rest action marked and disabled.
    Select(Bar());
    EXPECT_EQ(CanNote(), "1111111");
    EXPECT_EQ(CanRest(), "0000000");
    EXPECT_EQ(NoteMarks(), "0010000");
    EXPECT_EQ(RestMarks(), "1111111");
    // A clef: nothing; no selection: marks as in mode new.
    Select(m.StartClef());
    EXPECT_EQ(CanNote(), "0000000");
    EXPECT_EQ(RestMarks(), "0000000");
    unit.SetInsertModeKind(insertModeRest);
    Select(nullptr);
    EXPECT_EQ(RestMarks(), "0010000");
    EXPECT_EQ(CanRest(), "0000000");
    // Mode delete: nothing at all.
    Select(note, unitMuzDel);
    EXPECT_EQ(CanNote() + CanRest() + NoteMarks() + RestMarks(), std::string(28, '0'));
}

TEST_F(NoteValues, DigitKeysIgnoreTheDotLimit)
{
    TMuzNote* note = m.Note(0, 5, 8, 3);
    TMuzNote* next = m.Note(0.234375, 7);
    Select(note);
    unit.LengthKeyExecute(16);
    EXPECT_EQ(Values(), "N16... N4");
    EXPECT_DOUBLE_EQ(next->GetPosition(), 0.1171875);
    EXPECT_EQ(sounds.sounded, 1);
    // In mode new the digits set the length and drop the dots, the kind stays.
    unit.UnitMuzMode = unitMuzNew;
    unit.SetInsertModeKind(insertModeRest);
    unit.Points = 2;
    unit.LengthKeyExecute(32);
    EXPECT_EQ(unit.GetInsertLength(), 32);
    EXPECT_EQ(unit.GetPoints(), 0);
    EXPECT_EQ(unit.GetInsertModeKind(), insertModeRest);
    // A value the tuplet cannot draw: nothing.
    TMuzNote* member = m.Note(1, 5, 1, 0, triool, 0);
    Select(member);
    unit.LengthKeyExecute(1);
    EXPECT_EQ(member->GetNoteLengthKind(), 1);
    EXPECT_FALSE(unit.IsModified());
    // Alt+N keeps a triplet of halves as it is: its drawn value converts back.
    unit.NoteKeyExecute();
    EXPECT_EQ(member->GetNoteLengthKind(), 1);
}

TEST_F(NoteValues, LongerAndShorterStepTheDrawnValue)
{
    // Decision: L on a note of a triplet of eighths gives a triplet of quarters.
    TMuzNote* first = m.Note(0, 5, 4, 0, triool, 0);
    m.Note(0, 5, 4, 0, triool, 1);
    m.Note(0, 5, 4, 0, triool, 2);
    TMuzNote* after = m.Note(0.25, 0);
    Select(first);
    unit.LongerExecute();
    EXPECT_EQ(Values(), "N2x3@0 N2x3@1 N2x3@2 N4");
    EXPECT_EQ(first->GetFlagLength(), 4);
    EXPECT_EQ(after->GetPosition(), 0.5);
    unit.ShorterExecute();
    EXPECT_EQ(Values(), "N4x3@0 N4x3@1 N4x3@2 N4");
    // Alt+S and Alt+N keep the value and change the kind.
    Select(after);
    unit.RestKeyExecute();
    EXPECT_EQ(Values(), "N4x3@0 N4x3@1 N4x3@2 R4");
    unit.NoteKeyExecute();
    EXPECT_EQ(Values(), "N4x3@0 N4x3@1 N4x3@2 N4");
    // A whole note cannot get longer, a sixty-fourth not shorter.
    TMuzNote* whole = m.Note(1, 5, 1);
    Select(whole);
    unit.LongerExecute();
    EXPECT_EQ(whole->GetNoteLengthKind(), 1);
    // In mode new L changes the insert length of the insert kind.
    unit.UnitMuzMode = unitMuzNew;
    unit.SetInsertLength(64);
    unit.ShorterExecute();
    EXPECT_EQ(unit.GetInsertLength(), 64);
    unit.LongerExecute();
    EXPECT_EQ(unit.GetInsertLength(), 32);
}

TEST_F(NoteValues, TimeSignatures)
{
    TMuzBar* bar = Bar();
    ASSERT_TRUE(bar->SetCountAndLength(3, 4));
    Select(bar);
    unit.NoteExecute(8);
    EXPECT_EQ(bar->GetCount(), 6);
    EXPECT_EQ(bar->GetLength(), 8);
    EXPECT_FALSE(PartsChanged());
    EXPECT_TRUE(unit.IsModified());
    ASSERT_TRUE(bar->SetCountAndLength(3, 8));
    unit.SetBarLength(4);
    EXPECT_EQ(bar->GetCount(), 2); // 1.5 and a half, truncated
    ASSERT_TRUE(bar->SetCountAndLength(3, 4));
    unit.PointAddExecute();
    EXPECT_EQ(bar->GetCount(), 4);
    ASSERT_TRUE(bar->SetCountAndLength(1, 4));
    EXPECT_FALSE(unit.CanPointDeleteExecute());
    EXPECT_TRUE(unit.CanPointAddExecute());
    ASSERT_TRUE(bar->SetCountAndLength(99, 4));
    EXPECT_FALSE(unit.CanPointAddExecute());
    // Shorter on a bar: a new beat value for the same measure.
    ASSERT_TRUE(bar->SetCountAndLength(3, 4));
    unit.ShorterExecute();
    EXPECT_EQ(bar->GetCount(), 6);
    EXPECT_EQ(bar->GetLength(), 8);
    // The count stays within 1..99.
    ASSERT_TRUE(bar->SetCountAndLength(90, 4));
    unit.SetBarLength(8);
    EXPECT_EQ(bar->GetCount(), 99);
}

TEST_F(NoteValues, TimeSignatureEditsKeepTheUpbeatReadable)
{
    // Decision: the upbeat scales with the beat and stays below the count.
    TMuzBar* bar = Bar();
    ASSERT_TRUE(bar->SetCountAndLength(3, 4));
    ASSERT_TRUE(bar->SetCountFirstBar(2));
    Select(bar);
    unit.SetBarLength(8);
    EXPECT_EQ(bar->GetCount(), 6);
    EXPECT_EQ(bar->GetCountFirstBar(), 4);
    unit.SetBarLength(1); // 6/8 becomes 1 beat of a whole: the upbeat 0.5 rounds to 1, modulo 1
    EXPECT_EQ(bar->GetCount(), 1);
    EXPECT_EQ(bar->GetCountFirstBar(), 0);
    ASSERT_TRUE(bar->SetCountAndLength(4, 4));
    ASSERT_TRUE(bar->SetCountFirstBar(3));
    unit.PointDeleteExecute();
    EXPECT_EQ(bar->GetCount(), 3);
    EXPECT_EQ(bar->GetCountFirstBar(), 0);
    // Whatever the edits, the saved file reads back.
    std::string message;
    EXPECT_TRUE(Load(SavedBytes(unit), message)) << message;
}

TEST_F(NoteValues, Dots)
{
    // A dotted quarter made a duplet: two dotted eighths; a duplet needs its dot.
    TMuzNote* note = m.Note(0, 5, 4, 1);
    TMuzNote* later = m.Note(0.375, 0);
    Select(note);
    unit.TupletExecute(duool);
    EXPECT_EQ(Values(), "N4.x2@0 N4.x2@1 N4");
    EXPECT_EQ(note->GetFlagLength(), 8);
    EXPECT_FALSE(unit.CanPointDeleteExecute());
    EXPECT_TRUE(unit.CanPointAddExecute());
    unit.PointAddExecute();
    EXPECT_EQ(Values(), "N4..x2@0 N4..x2@1 N4");
    EXPECT_DOUBLE_EQ(later->GetPosition(), 0.4375);
    EXPECT_TRUE(PartsChanged());
    EXPECT_EQ(sounds.sounded, 1);
    // A rest's dots: no sound.
    TRest* rest = m.Rest(1, 4, 3);
    Select(rest);
    EXPECT_FALSE(unit.CanPointAddExecute());
    unit.PointDeleteExecute();
    EXPECT_EQ(rest->GetPoints(), 2);
    EXPECT_EQ(sounds.sounded, 0);
    // Mode new: the insert dots within the value's limit.
    unit.UnitMuzMode = unitMuzNew;
    unit.SetInsertLength(32);
    unit.Points = 0;
    EXPECT_TRUE(unit.CanPointAddExecute());
    unit.PointAddExecute();
    EXPECT_FALSE(unit.CanPointAddExecute());
    EXPECT_TRUE(unit.CanPointDeleteExecute());
    // Other selections and mode delete: no dots.
    Select(m.StartClef());
    EXPECT_FALSE(unit.CanPointAddExecute() || unit.CanPointDeleteExecute());
    Select(rest, unitMuzDel);
    EXPECT_FALSE(unit.CanPointAddExecute() || unit.CanPointDeleteExecute());
}

TEST_F(NoteValues, Tuplets)
{
    struct Row {
        uint8_t length;
        int32_t points;
        uint8_t kind;
        bool enabled;
    };
    const Row rows[] = {{4, 0, triool, true},    {4, 0, duool, false},    {4, 1, duool, true},
                        {4, 1, kwartool, true},  {4, 0, kwartool, false}, {32, 0, triool, true},
                        {64, 0, triool, false},  {16, 0, kwintool, true}, {32, 0, kwintool, false},
                        {4, 0, 1, false},        {4, 0, 6, false}};
    for (const Row& row : rows) {
        MusicModel fresh;
        TMuzNote* note = fresh.Note(0, 5, row.length, row.points);
        fresh.unit.UnitMuzMode = unitMuzSel;
        fresh.unit.SetSelMuzSymbol(note);
        EXPECT_EQ(fresh.unit.CanTupletExecute(row.kind), row.enabled)
            << int(row.length) << " " << row.points << " " << int(row.kind);
    }
    // A chord of two quarters made a triplet: both notes get their members, nothing moves.
    TMuzNote* upper = m.Note(0, 9);
    TMuzNote* lower = m.Note(0, 5);
    upper->SetNoteShift(noteShiftMol);
    TMuzNote* later = m.Note(0.25, 0);
    Select(lower);
    unit.TupletExecute(triool);
    EXPECT_EQ(m.Listing(), "K0#1 N0:9 N0:5 N0:9 N0:5 N0:9 N0:5 N0.25:0");
    EXPECT_EQ(Values(), "N4x3@0 N4x3@0 N4x3@1 N4x3@1 N4x3@2 N4x3@2 N4");
    EXPECT_EQ(later->GetPosition(), 0.25);
    EXPECT_EQ(static_cast<TMuzNote*>(upper->GetNext()->GetNext())->GetNoteShift(), noteShiftMol);
    EXPECT_FALSE(PartsChanged());
    EXPECT_TRUE(unit.IsModified());
    EXPECT_FALSE(unit.CanTupletExecute(triool)); // already one
    // Only in mode sel.
    Select(later, unitMuzNew);
    EXPECT_FALSE(unit.CanTupletExecute(triool));
}
