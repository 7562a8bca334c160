#include "tests/music/MusicTestSupport.h"

namespace {

struct BarList : MusicTest {
    MusicModel m;
};

} // namespace

TEST_F(BarList, EqualSymbolsGoInFrontWhenEditedBehindWhenRead)
{
    TMuzNote* old = m.Note(0.25, 3);
    TMuzNote* edited = m.Note(0.25, 3);
    EXPECT_EQ(old->GetPrev(), edited);
    TMuzNote* read = m.muz.CreateNote(m.stave, 0.25, 8, 0, 3, m.group, noteShiftNormal, sool, 0, 0, m.bar,
                                      drawStickAuto);
    EXPECT_EQ(old->GetNext(), read);
    // The order decides before ties do, either way.
    TMuzNote* higher = m.muz.CreateNote(m.stave, 0.25, 4, 0, 5, m.group, noteShiftNormal, sool, 0, 0, m.bar,
                                        drawStickAuto);
    EXPECT_EQ(higher->GetNext(), edited);
    EXPECT_EQ(m.Listing(), "K0#1 N0.25:5 N0.25:3 N0.25:3 N0.25:3");
}

TEST_F(BarList, MovingASymbolKeepsTheOrder)
{
    TMuzNote* a = m.Note(0.25, 0);
    TMuzNote* b = m.Note(0.5, 0);
    m.Note(0.75, 0);
    m.bar->MoveSymbol(b);
    EXPECT_EQ(m.Listing(), "K0#1 N0.25:0 N0.5:0 N0.75:0");
    a->SetPosition(0.9);
    m.bar->MoveSymbol(a);
    EXPECT_EQ(m.Listing(), "K0#1 N0.5:0 N0.75:0 N0.9:0");
    EXPECT_EQ(a->GetNext(), nullptr);
    // Moved to the front of everything: the head of the list.
    TClef* clef = m.StartClef();
    clef->SetClefNumber(2);
    TClef* second = m.Clef(0, 1, clefKindF);
    EXPECT_EQ(m.bar->GetSymbols(), second);
    second->SetClefNumber(3);
    m.bar->MoveSymbol(second);
    EXPECT_EQ(m.bar->GetSymbols(), clef);
    EXPECT_EQ(clef->GetNext(), second);
    EXPECT_EQ(second->GetPrev(), clef);
}

TEST_F(BarList, GapsFillWithTheLongestRestsThatFit)
{
    struct Case {
        std::vector<std::pair<double, uint8_t>> notes; // position, length kind
        const char* filled;
    } cases[] = {
        {{{0, 4}, {0.75, 4}}, "K0#1 N0:0 R0.25/2 N0.75:0"},
        // Across the bar line at 1: up to it first, then on from it.
        {{{0, 4}, {1.5, 4}}, "K0#1 N0:0 R0.25/2 R0.75/4 R1/2 N1.5:0"},
        // A gap of 1/64 stays; the fill goes on after it.
        {{{0, 4}, {0.265625, 64}, {0.5, 4}}, "K0#1 N0:0 N0.265625:0 R0.28125/8 R0.40625/16 R0.46875/32 N0.5:0"},
        // Nothing after the last symbol, nothing before the first note but its gap.
        {{{0.125, 8}}, "K0#1 R0/8 N0.125:0"},
    };
    for (const Case& c : cases) {
        MusicModel model;
        for (const auto& [position, length] : c.notes)
            model.Note(position, 0, length);
        model.muz.FillWithRests(model.stave);
        EXPECT_EQ(model.Listing(), c.filled);
    }
    // A stave with only its start clef stays as it is.
    m.muz.FillWithRests(m.stave);
    EXPECT_EQ(m.Listing(), "K0#1");
}

TEST_F(BarList, AccidentalsInForce)
{
    TClef* clef = m.StartClef();
    clef->SetKeyNoteShift(4, noteShiftKruis); // F sharp; F4 is pitch 3
    TMuzNote* natural = m.Note(0.25, 3);
    natural->SetNoteShift(noteShiftNormal);
    EXPECT_EQ(m.bar->GetNoteShiftAt(m.stave, 0.25, 3), noteShiftKruis); // a note at the place does not count
    EXPECT_EQ(m.bar->GetNoteShiftAt(m.stave, 0.1, 10), noteShiftKruis); // F5 from the key
    EXPECT_EQ(m.bar->GetNoteShiftAt(m.stave, 0.5, 3), noteShiftNormal); // after the natural F
    EXPECT_EQ(m.bar->GetNoteShiftAt(m.stave, 0.5, 10), noteShiftNormal); // the same step an octave up
    EXPECT_EQ(m.bar->GetNoteShiftAt(m.stave, 1.25, 3), noteShiftKruis); // the next measure
    EXPECT_EQ(m.bar->GetNoteShiftAt(m.stave, 0.5, 4), noteShiftNormal);
    TMuzNote* sharp = m.Note(1.25, 4);
    sharp->SetNoteShift(noteShiftKruis);
    EXPECT_EQ(m.bar->GetNoteShiftAt(m.stave, 1.5, 4), noteShiftKruis);
    EXPECT_EQ(m.bar->GetNoteShiftAt(m.stave, 2.5, 4), noteShiftNormal);
}

TEST_F(BarList, StartClefsAndTheClefInForce)
{
    TClef* later = m.Clef(0.5, 1, clefKindF);
    m.Clef(0, 2, clefKindC);
    EXPECT_EQ(m.bar->CountStartClefs(m.stave), 2);
    EXPECT_EQ(m.bar->GetLastClefAt(0.25, m.stave)->GetKeyKind(), clefKindC);
    EXPECT_EQ(m.bar->GetLastClefAt(0.5, m.stave), later);
    EXPECT_EQ(m.bar->GetStartClef(m.stave), m.StartClef());
}

TEST_F(BarList, DeletingSymbolsOfAStave)
{
    TNoteStave* other = m.muz.NewNoteStave(m.stave, nullptr);
    m.Rest(0.25, 4, 0, sool, 0, other);
    m.Note(0.25, 0);
    m.bar->DeleteStaveSymbols(m.stave);
    EXPECT_EQ(m.Listing(), "");
    EXPECT_EQ(m.bar->GetSymbols()->GetNoteStave(), other); // the head lay on another stave
    m.bar->DeleteStaveSymbols(other);
    EXPECT_EQ(m.bar->GetSymbols(), nullptr);
}
