#include "music/UnitPlayers.h"
#include "music/document/MusicPartsCommands.h"
#include "music/document/UnitMuz.h"
#include "music/gui/DlgMusTree.h"
#include "music/gui/DlgMusic.h"
#include "music/gui/MDIChildMuz.h"
#include "music/gui/MusicTreeWidgetSink.h"
#include "music/gui/PlayersNavigator.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MuzNote.h"
#include "platform/FakeAudioDevice.h"
#include "platform/RecordingMessageService.h"
#include "shell/AudioPlayer.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormMusic.h"
#include "shell/gui/MainFormPlayers.h"
#include "shell/gui/ModelessDialogsQt.h"
#include "support/TempFolder.h"
#include "wave/document/WaveFileProps.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

using A = ActionId;

struct MusicDialogs : ::testing::Test {
    MusicDialogs()
    {
        form.resize(900, 700);
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        unit = form.Music().NewMusic();
        QApplication::processEvents();
    }

    void Run(ActionId id)
    {
        form.UpdateActions();
        form.Execute(id);
        QApplication::processEvents();
    }

    TModelessDialogsQt& Dialogs() { return dynamic_cast<TModelessDialogsQt&>(form.ModelessDialogs()); }
    TDlgMusic& Staves()
    {
        Run(A::MusicDialogStaves);
        return *Dialogs().GetMusicDialog();
    }
    TDlgMusTree& Parts()
    {
        Run(A::MusicDialogParts);
        return *Dialogs().GetMusTreeDialog();
    }

    // Types into a field and leaves it, as a user does.
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void Leave(QWidget* to)
    {
        to->setFocus();
        QApplication::processEvents();
    }

    QTreeWidgetItem* NodeOf(QTreeWidget* tree, const TMusTreeItem* item)
    {
        for (QTreeWidgetItemIterator each(tree); *each; ++each)
            if (TMusicTreeWidgetSink::ItemOf(*each) == item)
                return *each;
        return nullptr;
    }

    RecordingMessageService messages;
    TMainForm form;
    TUnitMuz* unit = nullptr;
};

} // namespace

TEST_F(MusicDialogs, BothAreDialogsOfTheMainWindowNotAboveAll)
{
    // Above the main window yet below the message boxes they raise.
    for (QDialog* dialog : {static_cast<QDialog*>(&Staves()), static_cast<QDialog*>(&Parts())}) {
        EXPECT_EQ(dialog->parentWidget(), &form);
        EXPECT_EQ(dialog->windowType(), Qt::Dialog);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    }
}

TEST_F(MusicDialogs, MusicStavesWithOneStaff)
{
    TDlgMusic& dialog = Staves();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Music Staves");
    EXPECT_TRUE(form.Action(A::MusicDialogStaves)->isChecked());
    EXPECT_EQ(dialog.navStave->CountEdit()->text(), "1");
    EXPECT_EQ(dialog.navStave->CursorEdit()->text(), "1");
    for (auto button : {TPlayersNavigator::Delete, TPlayersNavigator::First, TPlayersNavigator::Previous,
                        TPlayersNavigator::Next, TPlayersNavigator::Last, TPlayersNavigator::MovePrev,
                        TPlayersNavigator::MoveNext})
        EXPECT_FALSE(dialog.navStave->ButtonOf(button)->isEnabled()) << button;
    EXPECT_TRUE(dialog.navStave->ButtonOf(TPlayersNavigator::Append)->isEnabled());
    EXPECT_EQ(dialog.editStaveRoomUp->text(), "80");
    // Append: a second staff, the current one now.
    QTest::mouseClick(dialog.navStave->ButtonOf(TPlayersNavigator::Append), Qt::LeftButton);
    EXPECT_EQ(dialog.navStave->CountEdit()->text(), "2");
    EXPECT_EQ(dialog.navStave->CursorEdit()->text(), "2");
    EXPECT_TRUE(dialog.navStave->ButtonOf(TPlayersNavigator::Delete)->isEnabled());
    EXPECT_TRUE(unit->IsModified());
    // Close hides it and unchecks the action.
    QTest::mouseClick(dialog.btnClose, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(form.Action(A::MusicDialogStaves)->isChecked());
}

TEST_F(MusicDialogs, DeletingTheLastOfThreeGroups)
{
    TDlgMusic& dialog = Staves();
    QTest::mouseClick(dialog.navGroup->ButtonOf(TPlayersNavigator::Append), Qt::LeftButton);
    QTest::mouseClick(dialog.navGroup->ButtonOf(TPlayersNavigator::Append), Qt::LeftButton);
    EXPECT_EQ(dialog.navGroup->CursorEdit()->text(), "3");
    QTest::mouseClick(dialog.navGroup->ButtonOf(TPlayersNavigator::Delete), Qt::LeftButton);
    EXPECT_EQ(dialog.navGroup->CountEdit()->text(), "2");
    EXPECT_EQ(dialog.navGroup->CursorEdit()->text(), "2");
}

TEST_F(MusicDialogs, RoomUpBelowItsMinimumIsRefusedAndKeepsTheFocus)
{
    TDlgMusic& dialog = Staves();
    dialog.activateWindow();
    Type(dialog.editStaveRoomUp, "10");
    Leave(dialog.editStaveRoomDown);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Input Error");
    EXPECT_EQ(unit->MuzData.GetStartStave()->RoomUp.GetValue(), 80);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.editStaveRoomUp->hasFocus());
    // Leaving again without typing applies nothing and says nothing.
    Leave(dialog.editStaveRoomDown);
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(dialog.editStaveRoomUp->text(), "10");
    EXPECT_EQ(unit->MuzData.GetStartStave()->RoomUp.GetValue(), 80);
    // A good value, applied by Apply with the focus staying.
    Type(dialog.editStaveRoomUp, "120");
    QTest::mouseClick(dialog.btnApply, Qt::LeftButton);
    EXPECT_EQ(unit->MuzData.GetStartStave()->RoomUp.GetValue(), 120);
}

TEST_F(MusicDialogs, StemBoxesExcludeEachOther)
{
    TDlgMusic& dialog = Staves();
    TNoteGroup* group = unit->MuzData.GetStartStave()->GetSelectedNoteGroup();
    EXPECT_TRUE(dialog.chkGroupDrawSticksUp->isChecked());
    QTest::mouseClick(dialog.chkGroupDrawSticksDown, Qt::LeftButton);
    EXPECT_FALSE(dialog.chkGroupDrawSticksUp->isChecked());
    EXPECT_TRUE(dialog.chkGroupDrawSticksDown->isChecked());
    EXPECT_EQ(group->GetDrawStickKind(), 1);
    QTest::mouseClick(dialog.chkGroupDrawSticksDown, Qt::LeftButton);
    EXPECT_EQ(group->GetDrawStickKind(), 2);
    EXPECT_FALSE(dialog.chkGroupDrawSticksUp->isChecked() || dialog.chkGroupDrawSticksDown->isChecked());
}

TEST_F(MusicDialogs, GoToPlayerNamesWhatIsMissing)
{
    TDlgMusic& dialog = Staves();
    dialog.cboPlayerSet->setEditText("Nowhere");
    dialog.cboPlayer->setEditText("Piano");
    ASSERT_TRUE(dialog.btnGoToPlayer->isEnabled());
    QTest::mouseClick(dialog.btnGoToPlayer, Qt::LeftButton);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot find Player Set \"Nowhere\".");
    EXPECT_EQ(messages.Last().caption, "Error");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Stop);
    TUnitPlayers* set = form.Players().NewPlayersSet();
    form.MdiArea()->setActiveSubWindow(form.Music().WindowOf(*unit));
    QApplication::processEvents();
    dialog.cboPlayerSet->setEditText(QString::fromStdString(set->GetName()));
    dialog.cboPlayer->setEditText("Piano");
    QTest::mouseClick(dialog.btnGoToPlayer, Qt::LeftButton);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().text, "Cannot find Player \"Piano\" in Player Set \"Players 1\".");
    // The names typed are the group's.
    EXPECT_EQ(unit->MuzData.GetStartStave()->GetSelectedNoteGroup()->GetPlayerSet(), "Players 1");
    // A player that is there: its window comes to the front.
    dialog.cboPlayer->setEditText(QString::fromStdString(set->GetFirstPlayer()->GetName()));
    QTest::mouseClick(dialog.btnGoToPlayer, Qt::LeftButton);
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_EQ(form.Players().ActivePlayersUnit(), set);
}

TEST_F(MusicDialogs, MusicPartsVetoesAWrongFieldOnSelectionAndTab)
{
    TMusicPartsCommands commands(*unit);
    TSinglePartMuz* bar = unit->MuzData.GetFirstSinglePart();
    auto* loop = static_cast<TLoopPartMuz*>(commands.AddLoopOrSelect(*bar, true));
    commands.AddSinglePart(*loop, false);
    TDlgMusTree& dialog = Parts();
    dialog.activateWindow();
    QTreeWidgetItem* loopNode = NodeOf(dialog.tvMusParts, loop);
    ASSERT_NE(loopNode, nullptr);
    dialog.tvMusParts->setCurrentItem(loopNode);
    QLineEdit* count = dialog.RowEdit(TPartsRow::Count);
    ASSERT_TRUE(count->isVisibleTo(&dialog));
    EXPECT_EQ(count->text(), "2");
    // Letters typed into the loop's Count, then another node clicked.
    Type(count, "abc");
    QTreeWidgetItem* barNode = NodeOf(dialog.tvMusParts, bar);
    ASSERT_NE(barNode, nullptr);
    dialog.tvMusParts->setFocus();
    dialog.tvMusParts->setCurrentItem(barNode);
    QApplication::processEvents();
    ASSERT_GE(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("In Count: ", 0), 0u);
    EXPECT_EQ(dialog.tvMusParts->currentItem(), loopNode);
    EXPECT_EQ(loop->GetCount().GetValue(), 2);
    // The result tab is refused as long as the text is wrong.
    dialog.tcMusic->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_EQ(dialog.tcMusic->currentIndex(), 0);
    EXPECT_EQ(dialog.GetTreeResult(), nullptr);
    // Mended, the count applies and the tab may change.
    Type(count, "3");
    Leave(dialog.tvMusParts);
    EXPECT_EQ(loop->GetCount().GetValue(), 3);
    dialog.tcMusic->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_EQ(dialog.tcMusic->currentIndex(), 1);
    EXPECT_NE(dialog.GetTreeResult(), nullptr);
}

TEST_F(MusicDialogs, EnterInAMusicPartsFieldAppliesItAndPlaysNothing)
{
    TMusicPartsCommands commands(*unit);
    auto* loop = static_cast<TLoopPartMuz*>(commands.AddLoopOrSelect(*unit->MuzData.GetFirstSinglePart(), true));
    TDlgMusTree& dialog = Parts();
    dialog.activateWindow();
    QTreeWidgetItem* loopNode = NodeOf(dialog.tvMusParts, loop);
    ASSERT_NE(loopNode, nullptr);
    dialog.tvMusParts->setCurrentItem(loopNode);
    QLineEdit* count = dialog.RowEdit(TPartsRow::Count);
    Type(count, "3");
    QTest::keyClick(count, Qt::Key_Return);
    QApplication::processEvents();
    // Enter is Apply: the field applies where it stands, and the sub tree is not played.
    EXPECT_EQ(loop->GetCount().GetValue(), 3);
    EXPECT_EQ(loopNode->text(0), "repeat 3");
    EXPECT_FALSE(form.Action(A::FilePlay)->isChecked());
    EXPECT_TRUE(dialog.btnApply->isDefault());
    EXPECT_FALSE(dialog.btnPlay->isDefault());
    EXPECT_EQ(messages.Count(), 0u);
}

// The main window deletes its document windows before its dialogs: a field
// still typed into when it goes must not be applied to the music gone.
TEST_F(MusicDialogs, AFieldPendingWhenTheMainWindowGoesReachesNoMusic)
{
    TMusicPartsCommands commands(*unit);
    auto* loop = static_cast<TLoopPartMuz*>(commands.AddLoopOrSelect(*unit->MuzData.GetFirstSinglePart(), true));
    TDlgMusTree& dialog = Parts();
    dialog.tvMusParts->setCurrentItem(NodeOf(dialog.tvMusParts, loop));
    Type(dialog.RowEdit(TPartsRow::Count), "5");
    EXPECT_EQ(loop->GetCount().GetValue(), 2);
    // The fixture's end deletes the main window with the field pending.
}

// A machine without a sound card: the dialogs' Play buttons would do nothing,
// so they are off; Generate still makes its wave.
TEST_F(MusicDialogs, WithoutADeviceTheirPlayButtonsAreOff)
{
    TempFolder folder;
    form.SetAudioPlayer(std::make_unique<TAudioPlayer>(std::make_unique<FakeAudioDevice>(false), folder.Path().string()));
    TDlgMusic& staves = Staves();
    for (QPushButton* play : {staves.btnStavePlayBeforeFact, staves.btnStavePlayAfterFact,
                              staves.btnGroupPlayBeforeFact, staves.btnGroupPlayAfterFact})
        EXPECT_FALSE(play->isEnabled()) << play->objectName().toStdString();
    for (QPushButton* generate : {staves.btnStaveGenBeforeFact, staves.btnStaveGenAfterFact,
                                  staves.btnGroupGenBeforeFact, staves.btnGroupGenAfterFact})
        EXPECT_TRUE(generate->isEnabled()) << generate->objectName().toStdString();
    TDlgMusTree& parts = Parts();
    parts.tvMusParts->setCurrentItem(parts.tvMusParts->topLevelItem(0));
    EXPECT_FALSE(parts.btnPlay->isEnabled());
    EXPECT_TRUE(parts.btnGen->isEnabled());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MusicDialogs, MusicPartsShowsBothTabCaptionsWholeOnEitherTab)
{
    TMusicPartsCommands commands(*unit);
    commands.AddLoopOrSelect(*unit->MuzData.GetFirstSinglePart(), true);
    TDlgMusTree& dialog = Parts();
    for (int tab : {0, 1}) {
        dialog.tcMusic->setCurrentIndex(tab);
        // As narrow as the user can make it (the result rows are the widest panel).
        dialog.resize(200, dialog.height());
        QApplication::processEvents();
        for (QTreeWidgetItemIterator each(dialog.tvMusParts); *each; ++each)
            dialog.tvMusParts->setCurrentItem(*each);
        QApplication::processEvents();
        for (int each : {0, 1})
            EXPECT_TRUE(dialog.tcMusic->rect().contains(dialog.tcMusic->tabRect(each)))
                << "tab " << each << " on tab " << tab;
    }
}

TEST_F(MusicDialogs, MusicPartsRefusesATurnCountTwice)
{
    TMusicPartsCommands commands(*unit);
    auto* select = static_cast<TSelectPartMuz*>(commands.AddLoopOrSelect(*unit->MuzData.GetFirstSinglePart(), false));
    TDlgMusTree& dialog = Parts();
    dialog.activateWindow();
    QTest::mouseClick(dialog.ToolBar1->widgetForAction(dialog.Command(TPartsCommand::AddTurn)), Qt::LeftButton);
    TSelectPartItem* first = select->GetSelectPartItems()->GetNextTurn();
    ASSERT_NE(first->GetNextTurn(), nullptr);
    dialog.tvMusParts->setCurrentItem(NodeOf(dialog.tvMusParts, first));
    QLineEdit* count = dialog.RowEdit(TPartsRow::Count);
    Type(count, "2");
    Leave(dialog.tvMusParts);
    ASSERT_GE(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Count: 2 already exist");
    EXPECT_EQ(static_cast<TCountSelectPartItem*>(first)->GetCount().GetValue(), 1);
    EXPECT_TRUE(dialog.HasEditError());
}

TEST_F(MusicDialogs, MusicPartsThreeStateBox)
{
    TMusicPartsCommands commands(*unit);
    TSinglePartMuz* bar = unit->MuzData.GetFirstSinglePart();
    auto* loop = static_cast<TLoopPartMuz*>(commands.AddLoopOrSelect(*bar, true));
    loop->SetEnablePlayAndDraw(false, unit);
    TDlgMusTree& dialog = Parts();
    dialog.tvMusParts->setCurrentItem(NodeOf(dialog.tvMusParts, bar));
    EXPECT_EQ(dialog.chkPlayDraw->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(dialog.chkPlayDraw, Qt::LeftButton);
    EXPECT_EQ(dialog.chkPlayDraw->checkState(), Qt::Unchecked);
    EXPECT_FALSE(bar->GetEnablePlayAndDraw());
    QTest::mouseClick(dialog.chkPlayDraw, Qt::LeftButton);
    EXPECT_EQ(dialog.chkPlayDraw->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(bar->GetEnablePlayAndDraw());
}

TEST_F(MusicDialogs, MusicPartsRefillsOnlyForAnotherMusic)
{
    TDlgMusTree& dialog = Parts();
    QTreeWidgetItem* before = dialog.tvMusParts->topLevelItem(0);
    ASSERT_NE(before, nullptr);
    // The same music activated again: the very same nodes.
    TMDIChildMuz* window = form.Music().WindowOf(*unit);
    form.MusicWindowActivated(window);
    EXPECT_EQ(dialog.tvMusParts->topLevelItem(0), before);
    // A wave window empties it; the music again fills it.
    form.NewWave(TWaveFileProps(2, 44100, 2));
    QApplication::processEvents();
    EXPECT_EQ(dialog.tvMusParts->topLevelItemCount(), 0);
    EXPECT_FALSE(dialog.Command(TPartsCommand::InsertSingle)->isEnabled());
    form.MdiArea()->setActiveSubWindow(window);
    QApplication::processEvents();
    EXPECT_EQ(dialog.tvMusParts->topLevelItemCount(), 1);
}

TEST_F(MusicDialogs, HiddenDialogsHearActivationButNoChanges)
{
    TDlgMusic& staves = Staves();
    TDlgMusTree& parts = Parts();
    Run(A::MusicDialogStaves);
    Run(A::MusicDialogParts);
    ASSERT_FALSE(staves.isVisible());
    ASSERT_FALSE(parts.isVisible());
    // A stave's rooms dragged while the dialog is hidden: it keeps what it showed.
    TNoteStave* stave = unit->MuzData.GetStartStave();
    stave->RoomUp.SetValue(140);
    form.MusicStaveChanged(stave);
    EXPECT_EQ(staves.editStaveRoomUp->text(), "80");
    // Activation reaches them hidden: a second music is shown when they open.
    TUnitMuz* second = form.Music().NewMusic();
    second->MuzData.GetStartStave()->RoomUp.SetValue(95);
    form.MusicWindowActivated(form.Music().WindowOf(*second));
    EXPECT_EQ(staves.Presenter().GetUnitMuz(), second);
    EXPECT_EQ(staves.editStaveRoomUp->text(), "95");
    // Shown, the change notice arrives.
    Run(A::MusicDialogStaves);
    second->MuzData.GetStartStave()->RoomUp.SetValue(101);
    form.MusicStaveChanged(second->MuzData.GetStartStave());
    EXPECT_EQ(staves.editStaveRoomUp->text(), "101");
}
