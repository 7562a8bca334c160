#include "music/dialogs/MusicStavesPresenter.h"
#include "tests/music/MusicEditingSupport.h"

namespace {

struct StavesPresenter : MusicEditing {
    TMusicStavesPresenter presenter;
    StavesPresenter() { presenter.SetUnitMuz(&unit); }

    static std::string Buttons(const TNavigatorView& view)
    {
        std::string text;
        for (bool on : {view.First, view.Previous, view.Next, view.Last, view.MovePrev, view.MoveNext, view.Insert,
                        view.Append, view.Delete})
            text += on ? '1' : '0';
        return text;
    }
};

} // namespace

TEST_F(StavesPresenter, WithoutMusicEverythingIsOff)
{
    TMusicStavesPresenter empty;
    const TMusicStavesView view = empty.View();
    EXPECT_FALSE(view.ApplyEnabled);
    EXPECT_FALSE(view.Staves.Enabled);
    EXPECT_EQ(view.Staves.Count, "");
    EXPECT_FALSE(view.StaveEnabled);
    EXPECT_FALSE(view.GroupEnabled);
    EXPECT_TRUE(view.EnablePlayAndDraw);
    EXPECT_EQ(view.Shape, -1);
    empty.InsertStave();
    EXPECT_FALSE(empty.FieldExit(TMusicStavesField::RoomUp, "10") && false);
}

TEST_F(StavesPresenter, OneStaffOneGroup)
{
    const TMusicStavesView view = presenter.View();
    EXPECT_TRUE(view.ApplyEnabled);
    EXPECT_EQ(view.Staves.Count, "1");
    EXPECT_EQ(view.Staves.Cursor, "1");
    EXPECT_EQ(Buttons(view.Staves), "000000110");
    EXPECT_EQ(Buttons(view.Groups), "000000110");
    EXPECT_EQ(view.RoomUp, "80");
    EXPECT_TRUE(view.EnablePlayAndDraw);
    EXPECT_EQ(view.Foreground, 0u);
    EXPECT_EQ(view.Background, 0xFFFFFFu);
    EXPECT_TRUE(view.StemUp);
    EXPECT_FALSE(view.StemDown);
    EXPECT_EQ(view.Shape, 0);
    EXPECT_FALSE(view.GoToPlayer);
    // Deleting the only staff or group is refused.
    presenter.DeleteStave();
    presenter.DeleteGroup();
    EXPECT_EQ(presenter.View().Staves.Count, "1");
    EXPECT_FALSE(unit.IsModified());
}

TEST_F(StavesPresenter, StaffListEdits)
{
    TNoteStave* first = m.stave;
    presenter.AppendStave();
    TNoteStave* second = presenter.GetNoteStave();
    EXPECT_EQ(first->GetNext(), second);
    EXPECT_TRUE(unit.IsModified());
    EXPECT_TRUE(Repainted());
    // A new staff gets a start clef in every bar.
    EXPECT_EQ(m.bar->CountStartClefs(second), 1);
    presenter.InsertStave();
    TNoteStave* middle = presenter.GetNoteStave();
    EXPECT_EQ(first->GetNext(), middle);
    EXPECT_EQ(Buttons(presenter.View().Staves), "111111111");
    EXPECT_EQ(presenter.View().Staves.Cursor, "2");
    // Moving keeps it current; navigating marks nothing.
    presenter.MoveStavePrev();
    EXPECT_EQ(m.muz.GetStartStave(), middle);
    presenter.MoveStaveNext();
    presenter.MoveStaveNext();
    EXPECT_EQ(second->GetNext(), middle);
    Forget();
    presenter.MoveStaveCursor(TMusicStavesPresenter::TMove::First);
    EXPECT_EQ(presenter.GetNoteStave(), first);
    presenter.MoveStaveCursor(TMusicStavesPresenter::TMove::Last);
    EXPECT_EQ(presenter.GetNoteStave(), middle);
    EXPECT_FALSE(unit.IsModified());
    // Deleting the last staff makes the one before it current, its symbols
    // leave every bar, and a selection on it is dropped.
    TMuzNote* note = m.Note(0, 5, 4, 0, sool, 0, middle);
    Select(note);
    presenter.DeleteStave();
    EXPECT_EQ(presenter.GetNoteStave(), second);
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
    EXPECT_EQ(m.Listing(middle), "");
    EXPECT_TRUE(PartsChanged());
    EXPECT_EQ(presenter.View().Staves.Count, "2");
}

TEST_F(StavesPresenter, DeletingTheLastOfThreeGroups)
{
    presenter.AppendGroup();
    presenter.AppendGroup();
    TNoteGroup* third = presenter.GetNoteGroup();
    TNoteGroup* second = m.stave->GetPrevNoteGroup(third);
    EXPECT_EQ(presenter.View().Groups.Cursor, "3");
    m.Note(0, 5, 2, 0, sool, 0, nullptr, m.group);
    m.Note(0.5, 2, 4, 0, sool, 0, nullptr, third);
    m.Note(0.75, 4, 4, 0, sool, 0, nullptr, third);
    m.Note(1, 0, 4, 0, sool, 0, nullptr, m.group);
    Forget();
    presenter.DeleteGroup();
    EXPECT_EQ(presenter.GetNoteGroup(), second);
    EXPECT_EQ(m.stave->GetSelectedNoteGroup(), second);
    EXPECT_EQ(m.stave->GetCurrentNoteGroup(), second);
    EXPECT_EQ(m.stave->CountNoteGroups(), 2);
    EXPECT_EQ(m.Listing(), "K0#1 N0:5 R0.5/2 N1:0");
    EXPECT_TRUE(unit.IsModified());
    // Moving a group down marks the music as moving it up does.
    presenter.MoveGroupCursor(TMusicStavesPresenter::TMove::First);
    Forget();
    presenter.MoveGroupNext();
    EXPECT_EQ(m.stave->GetStartNoteGroup(), second);
    EXPECT_TRUE(unit.IsModified());
    Forget();
    presenter.MoveGroupPrev();
    EXPECT_EQ(m.stave->GetStartNoteGroup(), m.group);
    EXPECT_TRUE(unit.IsModified());
}

TEST_F(StavesPresenter, RoomUpBelowTheMinimumIsRefused)
{
    presenter.FieldEdited();
    EXPECT_FALSE(presenter.FieldExit(TMusicStavesField::RoomUp, "10"));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Input Error");
    EXPECT_EQ(messages.Last().text.rfind("In Room Up: ", 0), 0u);
    EXPECT_EQ(m.stave->RoomUp.GetValue(), 80);
    EXPECT_FALSE(unit.IsModified());
    // Leaving the field again without typing applies nothing.
    EXPECT_TRUE(presenter.FieldExit(TMusicStavesField::RoomUp, "10"));
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(m.stave->RoomUp.GetValue(), 80);
    // Nor above the maximum, which a music file could not give back.
    presenter.FieldEdited();
    EXPECT_FALSE(presenter.FieldExit(TMusicStavesField::RoomDown, "10001"));
    EXPECT_EQ(messages.Last().text, "In Room Down: Value must be less or equal of 10000.");
    EXPECT_EQ(m.stave->RoomDown.GetValue(), 80);
    presenter.FieldEdited();
    EXPECT_TRUE(presenter.FieldExit(TMusicStavesField::RoomDown, "45"));
    EXPECT_EQ(m.stave->RoomDown.GetValue(), 45);
    EXPECT_TRUE(Repainted());
    EXPECT_TRUE(unit.IsModified());
    // A factor is applied without a repaint.
    Forget();
    presenter.FieldEdited();
    EXPECT_TRUE(presenter.FieldExit(TMusicStavesField::VolumeFactor, "50 %"));
    EXPECT_DOUBLE_EQ(m.group->VolumeFactor.GetValue(), 0.5);
    EXPECT_FALSE(Repainted());
    EXPECT_TRUE(unit.IsModified());
}

TEST_F(StavesPresenter, StemsFactoriesAndNames)
{
    // Down checked while Up was: down; Down unchecked: automatic.
    presenter.StemClicked(false, true);
    EXPECT_EQ(m.group->GetDrawStickKind(), 1);
    EXPECT_FALSE(presenter.View().StemUp);
    EXPECT_TRUE(presenter.View().StemDown);
    presenter.StemClicked(false, false);
    EXPECT_EQ(m.group->GetDrawStickKind(), 2);
    EXPECT_FALSE(presenter.View().StemUp || presenter.View().StemDown);
    // A factory name typed with blanks around it is stored trimmed and used.
    EXPECT_TRUE(presenter.StaveFactoryTyped("  Echo 1 \t"));
    EXPECT_EQ(m.stave->GetSoundFactory(), "Echo 1");
    EXPECT_TRUE(presenter.View().StaveFactoryUsed);
    EXPECT_EQ(presenter.View().StaveFactory, "Echo 1");
    EXPECT_FALSE(presenter.StaveFactoryTyped(""));
    EXPECT_FALSE(m.stave->GetUseFactory());
    EXPECT_FALSE(presenter.StaveFactoryClicked(true)); // checking alone changes nothing
    EXPECT_FALSE(m.stave->GetUseFactory());
    EXPECT_TRUE(presenter.GroupFactoryTyped("Reverb"));
    EXPECT_TRUE(presenter.GroupFactoryClicked(false));
    EXPECT_FALSE(m.group->GetUseFactory());
    EXPECT_EQ(presenter.View().GroupFactory, "");
    // The player names; Go To needs both.
    presenter.PlayerSetTyped(" Players 1 ");
    EXPECT_FALSE(presenter.View().GoToPlayer);
    presenter.PlayerTyped("Piano");
    EXPECT_EQ(m.group->GetPlayerSet(), "Players 1");
    EXPECT_TRUE(presenter.View().GoToPlayer);
    // While the dialog fills its controls nothing is written.
    presenter.BeginUpdate();
    presenter.PlayerTyped("");
    presenter.ShapeClicked(2);
    presenter.EndUpdate();
    EXPECT_EQ(m.group->GetPlayer(), "Piano");
    EXPECT_EQ(m.group->NoteShape, 0);
}

TEST_F(StavesPresenter, HidingAStaffDropsItsSelection)
{
    TMuzNote* note = m.Note(0, 5);
    Select(note);
    presenter.EnablePlayAndDrawClicked(false);
    EXPECT_FALSE(m.stave->EnablePlayAndDraw);
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
    EXPECT_TRUE(Repainted());
}
