#include "tests/music/StaveLayoutSupport.h"

TEST(DrawXLength, SplitLengthGivesTheLongestDottedValueAndTheRest)
{
    struct Case {
        double length;
        uint8_t value;
        int32_t points;
        double rest;
    };
    const Case cases[] = {
        {3.0 / 8, 4, 1, 0.0},      // a dotted quarter
        {5.0 / 16, 4, 0, 1.0 / 16}, // a quarter and a sixteenth
        {7.0 / 8, 2, 2, 0.0},      // a half with two dots
        {7.0 / 16, 4, 2, 0.0},     // a quarter with two dots
        {1.875, 1, 2, 0.125},      // two dots at most, then a tied eighth
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        TDrawXLength length;
        length.SetBroken(c.length);
        int32_t points = -1;
        uint8_t value = 0;
        double used = 0;
        EXPECT_DOUBLE_EQ(length.SplitLength(points, value, used), c.rest);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(points, c.points);
        EXPECT_DOUBLE_EQ(used + c.rest, c.length);
    }
    EXPECT_EQ(FlagLevels(4), 0);
    EXPECT_EQ(FlagLevels(8), 1);
    EXPECT_EQ(FlagLevels(64), 4);
}

TEST_F(StaveLayout, ACrossingNoteBecomesTiedPiecesOfNoteValues)
{
    // A half note at 0.75 cut by the bar line at 1.0.
    Add(0.75, 0, 2);
    EXPECT_EQ(drawing.LayOutBarSymbols(1.0, 100), 100 + 18);
    auto slots = Slots();
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_EQ(slots[0]->Length.NoteLengthKind, 4);
    EXPECT_FALSE(slots[0]->Length.LengthIsBroken);
    EXPECT_TRUE(slots[0]->SlurBegin);
    EXPECT_TRUE(slots[1]->SlurEnd);
    EXPECT_DOUBLE_EQ(slots[1]->Position, 1.0);
    EXPECT_TRUE(slots[1]->Length.LengthIsBroken);
    EXPECT_NE(slots[1]->DrawXPositionItem, slots[0]->DrawXPositionItem);
    drawing.DrawLaidOut(1.0, canvas);
    drawing.ReleaseDrawn(1.0);
    // The piece is drawn by the flush after the bar line, as a quarter.
    canvas.Clear();
    drawing.LayOutBarSymbols(2.0, 200);
    slots = Slots();
    ASSERT_EQ(slots.size(), 1u);
    EXPECT_EQ(slots[0]->Length.NoteLengthKind, 4);
    drawing.DrawLaidOut(2.0, canvas);
    // Its tie: a filled crescent.
    ASSERT_EQ(canvas.CallsOf(Op::Polygon).size(), 1u);
    EXPECT_EQ(canvas.CallsOf(Op::Polygon)[0].Points.size(), 48u);
}

TEST_F(StaveLayout, OddPiecesAreSplitLongestFirstAndAPieceBelowA64thEnds)
{
    // 5/16 before the bar line: a quarter tied to a sixteenth.
    Add(11.0 / 16, 0, 2);
    drawing.LayOutBarSymbols(1.0, 100);
    auto slots = Slots();
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[0]->Length.NoteLengthKind, 4);
    EXPECT_EQ(slots[1]->Length.NoteLengthKind, 16);
    EXPECT_DOUBLE_EQ(slots[1]->Position, 15.0 / 16);
    EXPECT_TRUE(slots[0]->SlurBegin && slots[1]->SlurEnd && slots[1]->SlurBegin && slots[2]->SlurEnd);
    // A piece below a 64th is drawn as a 64th, and the split stops there.
    TDrawXNotesList& notes = drawing.GetNotes(drawStickUp);
    notes.GetItems().back().Length.SetBroken(1.0 / 200);
    notes.GetItems().back().Position = 1.5;
    notes.SplitBrokenLengths(2.0, drawing.GetPositions());
    EXPECT_EQ(notes.GetItems().size(), 3u);
    EXPECT_EQ(notes.GetItems().back().Length.NoteLengthKind, 64);
    EXPECT_EQ(notes.GetItems().back().Length.Points, 0);
}

TEST_F(StaveLayout, ACutRestBecomesTwoRestsWithoutATie)
{
    AddRest(0.75, 2);
    Flush(1.0);
    EXPECT_EQ(drawing.GetRests().GetItems().size(), 1u);
    canvas.Clear();
    Flush(2.0);
    EXPECT_TRUE(drawing.GetRests().GetItems().empty());
    // A quarter rest is a polygon of its own; there is no crescent.
    for (const auto& call : canvas.CallsOf(Op::Polygon))
        EXPECT_NE(call.Points.size(), 48u);
}

TEST_F(StaveLayout, PositionsTakeTheWidthsOfTheirWidestSymbolsAndStandSideBySide)
{
    // A quarter chord at 0 (widths 0, 10, 8) and a quarter rest (18) at 0.25.
    Add(0.0, 2);
    Add(0.0, -2);
    AddRest(0.25);
    EXPECT_EQ(drawing.LayOutBarSymbols(1.0, 100), 136);
    const auto positions = Positions();
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(positions[0]->X, 100);
    EXPECT_EQ(positions[1]->X, 118);
    // Nothing before the cut position: nothing drawn, the start x back.
    TRecordingCanvas other;
    TStaveDrawing empty(*stave);
    empty.StartDraw(Middle, 0);
    int32_t end = 0;
    empty.DrawBarSymbols(1.0, other, 321, end);
    EXPECT_EQ(end, 321);
    EXPECT_TRUE(other.Calls().empty());
}

TEST_F(StaveLayout, TwoHeadsAStepApartPutTheLowerOnTheOtherSideOfTheStem)
{
    Add(0.0, 3);
    Add(0.0, 2);
    drawing.LayOutBarSymbols(1.0, 100);
    const auto slots = Slots();
    ASSERT_EQ(slots.size(), 1u);
    EXPECT_FALSE(slots[0]->Notes[0].HeadShifted);
    EXPECT_TRUE(slots[0]->Notes[1].HeadShifted);
    EXPECT_EQ(slots[0]->DrawXPositionItem->WidthCore, 10);
    EXPECT_EQ(slots[0]->DrawXPositionItem->WidthAfter, 8 + 10);
}

TEST_F(StaveLayout, ALoneEighthWithItsStemUpLeavesRoomForItsFlag)
{
    Add(0.0, 0, 8);
    drawing.LayOutBarSymbols(1.0, 100);
    EXPECT_GE(Positions()[0]->WidthAfter, 13);
    StaveLayoutAlone down;
    down.Stems(drawStickDown);
    down.Add(0.0, 0, 8);
    down.drawing.LayOutBarSymbols(1.0, 100);
    EXPECT_EQ(down.Positions()[0]->WidthAfter, 8);
}

TEST_F(StaveLayout, ATripletKeepsARoomForEveryMember)
{
    // Member 1 of a triplet of quarters alone: three positions and three slots.
    Add(0.0, 0, 2, 0, noteShiftNormal, triool, 1);
    EXPECT_EQ(Positions().size(), 3u);
    EXPECT_EQ(Slots().size(), 3u);
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(Positions()[static_cast<size_t>(i)]->PosInOol, i);
    // A rest of the triplet adds no new position; a plain note at the
    // tuplet's position shares member 0's.
    AddRest(0.0, 2, 0, triool, 2);
    Stems(drawStickDown);
    Add(0.0, -4);
    EXPECT_EQ(Positions().size(), 3u);
    EXPECT_EQ(Slots(drawStickDown)[0]->DrawXPositionItem, Positions()[0]);
}

TEST_F(StaveLayout, JoinsAndGroupsFollowTheValuesGapsAndTuplets)
{
    struct Case {
        const char* what;
        std::function<void(StaveLayout&)> build;
        // Per slot: B join break before, A after, b group break before, a after.
        std::vector<std::string> flags;
        bool allowJoins = true;
    };
    auto flags = [](const TDrawXNotesItem& s) {
        std::string text;
        text += s.JoinBreakBefore ? "B" : "-";
        text += s.JoinBreakAfter ? "A" : "-";
        text += s.GroupBreakBefore ? "b" : "-";
        text += s.GroupBreakAfter ? "a" : "-";
        return text;
    };
    const Case cases[] = {
        {"eighths, then a quarter",
         [](StaveLayout& l) {
             l.Add(0.0, 0, 8);
             l.Add(0.125, 0, 8);
             l.Add(0.25, 0, 4);
         },
         {"B-b-", "-A-a", "BAba"}},
        {"eighths around an eighth rest",
         [](StaveLayout& l) {
             l.Add(0.0, 0, 8);
             l.AddRest(0.125, 8);
             l.Add(0.25, 0, 8);
         },
         {"BAba", "BAba"}},
        {"a triplet of eighths",
         [](StaveLayout& l) {
             for (int32_t i = 0; i < 3; ++i)
                 l.Add(0.0, 0, 4, 0, noteShiftNormal, triool, i);
         },
         {"B-b-", "--", "-A-a"}},
        {"a triplet of quarters",
         [](StaveLayout& l) {
             for (int32_t i = 0; i < 3; ++i)
                 l.Add(0.0, 0, 2, 0, noteShiftNormal, triool, i);
         },
         {"BAb-", "BA--", "BA-a"}},
        // Flags may not join, but a gap still ends the group: the rules add up.
        {"no joins, eighths around a rest",
         [](StaveLayout& l) {
             l.Add(0.0, 0, 8);
             l.Add(0.125, 0, 8);
             l.AddRest(0.25, 8);
             l.Add(0.375, 0, 8);
         },
         {"BAb-", "BA-a", "BAba"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StaveLayoutAlone layout;
        layout.stave->AllowJoinFlags = c.allowJoins ? 1 : 0;
        c.build(layout);
        layout.drawing.LayOutBarSymbols(1.0, 100);
        const auto slots = layout.Slots();
        ASSERT_EQ(slots.size(), c.flags.size());
        for (size_t i = 0; i < slots.size(); ++i) {
            std::string expected = c.flags[i];
            if (expected == "--")
                expected = "----";
            EXPECT_EQ(flags(*slots[i]), expected) << i;
        }
    }
}

TEST_F(StaveLayout, AutomaticStemsFollowTheGroupsMiddle)
{
    Stems(drawStickAuto);
    Add(0.0, -3, 8);
    Add(0.125, 3, 8);
    Add(0.5, -4, 4);
    drawing.LayOutBarSymbols(1.0, 100);
    const auto slots = Slots(drawStickAuto);
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[0]->DrawStickKind, drawStickDown);
    EXPECT_EQ(slots[1]->DrawStickKind, drawStickDown);
    EXPECT_EQ(slots[2]->DrawStickKind, drawStickUp);
}

TEST_F(StaveLayout, AnAccidentalHoldsForTheRestOfTheBarOnItsStep)
{
    // F is height -1 under the G clef (and 6 an octave up).
    auto drawn = [](TDrawXNotesItem* slot, size_t note = 0) { return slot->Notes[note].DrawNote->NoteShiftKind; };
    Add(0.0, -1, 4, 0, noteShiftKruis);
    Add(0.25, 6, 4, 0, noteShiftKruis);
    Add(0.5, -1, 4, 0, noteShiftNormal);
    drawing.LayOutBarSymbols(1.0, 100);
    auto slots = Slots();
    EXPECT_EQ(drawn(slots[0]), noteShiftKruis);
    EXPECT_EQ(drawn(slots[1]), noteShiftNone);
    EXPECT_EQ(drawn(slots[2]), noteShiftNormal);
    // The key's own accidental draws nothing, its natural the natural sign.
    StaveLayoutAlone keyed;
    TClef* clef = keyed.bar->GetStartClef(keyed.stave);
    clef->SetKeyNoteShift(-1, noteShiftKruis);
    keyed.drawing.SetClef(clef);
    keyed.Add(0.0, -1, 4, 0, noteShiftKruis);
    keyed.Add(0.25, -1, 4, 0, noteShiftNormal);
    keyed.drawing.LayOutBarSymbols(1.0, 100);
    slots = keyed.Slots();
    EXPECT_EQ(drawn(slots[0]), noteShiftNone);
    EXPECT_EQ(drawn(slots[1]), noteShiftNormal);
}

TEST_F(StaveLayout, TwoAccidentalsOnOneStepMakeTheNextNoteShowItsOwn)
{
    auto drawn = [](TDrawXNotesItem* slot, size_t note = 0) { return slot->Notes[note].DrawNote->NoteShiftKind; };
    // A sharp and a natural F at one position (stems up and down), then F sharp.
    Add(0.0, -1, 4, 0, noteShiftKruis);
    Stems(drawStickDown);
    Add(0.0, -1, 4, 0, noteShiftNormal);
    Stems(drawStickUp);
    Add(0.25, -1, 4, 0, noteShiftKruis);
    drawing.LayOutBarSymbols(1.0, 100);
    EXPECT_EQ(Positions()[0]->ShiftKinds.GetAt(-1), noteShiftConflict);
    EXPECT_EQ(drawn(Slots()[1]), noteShiftKruis);
    // After the bar line the key holds again.
    drawing.DrawLaidOut(1.0, canvas);
    drawing.ReleaseDrawn(1.0);
    drawing.ResetBarAccidentals();
    EXPECT_EQ(drawing.GetBarAccidentals(), NoteShiftKinds(noteShiftNormal));
}

TEST_F(StaveLayout, TheRetainedChordKeepsItsColumnWhenItsPositionGoes)
{
    // The last position before the bar line is a rest's: the chord that
    // crosses the line is retained without its position, and its tie still
    // starts at its head.
    Add(0.75, 0, 2);
    AddRest(0.875, 8);
    Flush(1.0);
    const TDrawXNotesItem* retained = drawing.GetNotes(drawStickUp).GetRetained();
    ASSERT_NE(retained, nullptr);
    EXPECT_EQ(retained->DrawXPositionItem, nullptr);
    EXPECT_EQ(retained->HeadLeft(), 100);
    canvas.Clear();
    Flush(2.0, 300);
    const auto ties = canvas.CallsOf(Op::Polygon);
    ASSERT_EQ(ties.size(), 1u);
    // From the old head's middle (105) towards the new one's (305), 1 px in.
    EXPECT_EQ(ties[0].Points.front().X, 106);
}

TEST_F(StaveLayout, BrokenInvariantsAreReportedOnceAndTheSymbolLeftOut)
{
    // Two notes of one chord with different values.
    Add(0.0, 0, 4);
    TMuzNote* odd = Add(0.0, 2, 8);
    EXPECT_EQ(Slots()[0]->Notes.size(), 1u);
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Assertion failed");
    // Overlapping symbols of one stave: the crossing one is left whole.
    Add(0.5, 4, 1);
    Add(0.75, 4, 4);
    Flush(1.0);
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_TRUE(Slots().empty());
    // Neither is reported again at the next paint.
    TStaveDrawing again(*stave);
    again.StartDraw(Middle, 100);
    again.SetClef(bar->GetStartClef(stave));
    again.AddNote(*static_cast<TMuzNote*>(bar->GetSymbols()->GetNext()), false);
    again.AddNote(*odd, false);
    EXPECT_EQ(messages.Count(), 2u);
    // The note left out cannot be hit: it was never drawn.
    EXPECT_FALSE(odd->IsTouchValid());
}
