#include "tests/music/MusicEditingSupport.h"

namespace {

struct EditingState : MusicEditing {};

} // namespace

TEST_F(EditingState, AddModeTakesTheSelectionAsWhatAClickAdds)
{
    TMuzNote* note = m.Note(0, 5, 8, 1);
    note->SetNoteArtKind(noteArtStaccato);
    note->SetDrawStickKind(drawStickDown);
    note->SetNoteShift(noteShiftKruis);
    Select(note);
    unit.ModeAddExecute();
    EXPECT_TRUE(unit.IsModeAddChecked());
    EXPECT_EQ(unit.GetInsertModeKind(), insertModeNote);
    EXPECT_EQ(unit.GetInsertLength(), 8);
    EXPECT_EQ(unit.GetPoints(), 1);
    EXPECT_EQ(unit.GetInsertArticulation(), noteArtStaccato);
    EXPECT_EQ(unit.GetInsertStickKind(), drawStickDown);
    EXPECT_EQ(unit.GetInsertNoteShift(), noteShiftNormal); // the accidental stays behind
    EXPECT_EQ(unit.GetSelectedSymbol(), note);

    TRest* rest = m.Rest(0.1875, 16, 2);
    Select(rest);
    unit.ModeAddExecute();
    EXPECT_EQ(unit.GetInsertModeKind(), insertModeRest);
    EXPECT_EQ(unit.GetInsertLength(), 16);
    EXPECT_EQ(unit.GetPoints(), 2);

    TClef* clef = m.Clef(0.5, 1, clefKindF);
    Select(clef);
    unit.ModeAddExecute();
    EXPECT_EQ(unit.GetInsertModeKind(), insertModeClef);
    EXPECT_EQ(unit.GetInsertClef(), clefKindF);
    // Changing only the defaults neither repaints nor marks anything.
    EXPECT_TRUE(view.calls.empty());
    EXPECT_FALSE(unit.IsModified());
}

TEST_F(EditingState, DeleteModeDropsTheSelection)
{
    TMuzNote* note = m.Note(0, 5);
    Select(note);
    unit.ModeDeleteExecute();
    EXPECT_TRUE(unit.IsModeDeleteChecked());
    EXPECT_FALSE(unit.IsModeEditChecked());
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
    EXPECT_EQ(unit.GetSelectedInStave(), m.stave);
    unit.Redraw();
    for (int panel = 0; panel < 6; ++panel)
        EXPECT_EQ(view.texts[panel], "") << panel;
    unit.ModeEditExecute();
    EXPECT_TRUE(unit.IsModeEditChecked());
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
}

TEST_F(EditingState, CurrentKindLengthAndArticulationByMode)
{
    uint8_t value = 99;
    // Mode new: the insert defaults, but clefs and accidentals take no value command.
    unit.UnitMuzMode = unitMuzNew;
    for (uint8_t kind : {insertModeClef, insertModeAccidental}) {
        unit.SetInsertModeKind(kind);
        EXPECT_FALSE(unit.GetCurrentSymbolKind(value));
    }
    unit.SetInsertModeKind(insertModeRest);
    ASSERT_TRUE(unit.GetCurrentSymbolKind(value));
    EXPECT_EQ(value, insertModeRest);
    ASSERT_TRUE(unit.GetCurrentLength(value));
    EXPECT_EQ(value, 4);

    // Mode sel: the selection; a tuplet member answers its drawn value.
    TMuzNote* member = m.Note(0, 5, 4, 0, triool, 1);
    member->SetNoteArtKind(noteArtLegato);
    Select(member);
    ASSERT_TRUE(unit.GetCurrentSymbolKind(value));
    EXPECT_EQ(value, insertModeNote);
    ASSERT_TRUE(unit.GetCurrentLength(value));
    EXPECT_EQ(value, 8);
    ASSERT_TRUE(unit.GetCurrentArticulation(value));
    EXPECT_EQ(value, noteArtLegato);
    Select(Bar());
    ASSERT_TRUE(unit.GetCurrentLength(value));
    EXPECT_EQ(value, 4);
    EXPECT_FALSE(unit.GetCurrentSymbolKind(value));
    EXPECT_FALSE(unit.GetCurrentArticulation(value));
    Select(m.StartClef());
    EXPECT_FALSE(unit.GetCurrentLength(value));
    Select(nullptr);
    EXPECT_FALSE(unit.GetCurrentLength(value));
    Select(member, unitMuzDel);
    EXPECT_FALSE(unit.GetCurrentLength(value));
    EXPECT_FALSE(unit.GetCurrentSymbolKind(value));
    EXPECT_FALSE(unit.GetCurrentArticulation(value));
}

TEST_F(EditingState, DefaultsBesideAReference)
{
    TMuzNote* member = m.Note(0, 5, 4, 1, triool, 2);
    member->SetNoteArtKind(noteArtPortato);
    member->SetDrawStickKind(drawStickUp);
    TNoteGroup* second = new TNoteGroup(m.stave);
    m.stave->InsertNoteGroup(m.group, std::unique_ptr<TNoteGroup>(second));
    member->SetNoteGroup(second);
    TRest* rest = m.Rest(0.5, 8, 2);
    TClef* clef = m.StartClef();

    struct Row {
        const TStaveSymbol* reference;
        uint8_t length;
        int32_t points;
        uint8_t articulation;
        uint8_t stick;
        TNoteGroup* group;
    };
    // Outside mode new the reference is copied; a tuplet member gives its stored value.
    unit.UnitMuzMode = unitMuzSel;
    for (const Row& row : {Row{member, 4, 1, noteArtPortato, drawStickUp, second},
                           Row{rest, 8, 2, noteArtNormal, drawStickAuto, m.group},
                           Row{clef, 4, 0, noteArtNormal, drawStickAuto, m.group},
                           Row{nullptr, 4, 0, noteArtNormal, drawStickAuto, m.group}}) {
        EXPECT_EQ(unit.GetLengthFor(row.reference), row.length);
        EXPECT_EQ(unit.GetPointsFor(row.reference), row.points);
        EXPECT_EQ(unit.GetArticulationFor(row.reference), row.articulation);
        EXPECT_EQ(unit.GetStickKindFor(row.reference), row.stick);
        EXPECT_EQ(unit.GetNoteGroupFor(m.stave, row.reference), row.group);
    }
    EXPECT_EQ(unit.GetAddClefKind(), clefKindG);
    // In mode new the insert defaults, whatever the reference.
    unit.UnitMuzMode = unitMuzNew;
    unit.SetInsertLength(16);
    unit.Points = 2;
    unit.SetInsertArticulation(noteArtStaccato);
    unit.InsertStickKind = drawStickDown;
    unit.InsertClef = clefKindC;
    EXPECT_EQ(unit.GetLengthFor(member), 16);
    EXPECT_EQ(unit.GetPointsFor(member), 2);
    EXPECT_EQ(unit.GetArticulationFor(member), noteArtStaccato);
    EXPECT_EQ(unit.GetStickKindFor(member), drawStickDown);
    EXPECT_EQ(unit.GetNoteGroupFor(m.stave, member), m.group);
    EXPECT_EQ(unit.GetAddClefKind(), clefKindC);
}

TEST_F(EditingState, DotLimitByValue)
{
    const std::pair<uint8_t, int32_t> limits[] = {{1, 3}, {2, 3}, {4, 3}, {8, 3}, {16, 2}, {32, 1}, {64, 0}};
    for (auto [length, dots] : limits)
        EXPECT_EQ(TUnitMuz::MaxPoints(length), dots) << int(length);
}

TEST_F(EditingState, WhatFollowsEachKindOfEdit)
{
    struct Row {
        TMusicEdit edit;
        bool sound, redraw, modified, partsChanged;
    };
    const Row rows[] = {
        {TMusicEdit::NoteValue, true, true, true, true},     {TMusicEdit::RestValue, false, true, true, true},
        {TMusicEdit::BarValue, false, true, true, false},    {TMusicEdit::NoteDots, true, true, true, true},
        {TMusicEdit::RestDots, false, true, true, true},     {TMusicEdit::Tuplet, false, true, true, false},
        {TMusicEdit::NoteDetail, true, true, true, false},   {TMusicEdit::ClefDetail, false, true, true, false},
        {TMusicEdit::Delete, false, true, true, true},       {TMusicEdit::KeySequence, false, true, true, false},
        {TMusicEdit::Selection, true, true, false, false},
    };
    TMuzNote* note = m.Note(0, 5);
    for (const Row& row : rows) {
        Forget();
        unit.FollowEdit(row.edit, note);
        const int index = static_cast<int>(row.edit);
        EXPECT_EQ(sounds.sounded, row.sound ? 1 : 0) << index;
        EXPECT_EQ(Repainted(), row.redraw) << index;
        EXPECT_EQ(unit.IsModified(), row.modified) << index;
        EXPECT_EQ(PartsChanged(), row.partsChanged) << index;
    }
    // Auto play off: nothing sounds.
    unit.SetAutoPlay(false);
    Forget();
    unit.FollowEdit(TMusicEdit::NoteValue, note);
    EXPECT_EQ(sounds.sounded, 0);
}
