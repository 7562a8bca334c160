#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "music/UnitPlayers.h"
#include "music/gui/MDIChildDlgPlayers.h"
#include "music/gui/PlayersNavigator.h"
#include "platform/RecordingMessageService.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormPlayers.h"
#include "support/RecordingHelpService.h"
#include "wave/document/WaveFileProps.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

namespace {

using F = TPlayersField;
using Nav = TPlayersNavigator;

struct PlayersWindowTest : ::testing::Test {
    PlayersWindowTest()
    {
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        set = form.Players().NewPlayersSet();
        window = form.Players().ActivePlayersWindow();
        QApplication::processEvents();
    }

    QLineEdit* Edit(F field) const { return window->FieldEdit(field); }
    QString Text(F field) const { return Edit(field)->text(); }
    void Click(TPlayersNavigator* navigator, Nav::Button button)
    {
        QTest::mouseClick(navigator->ButtonOf(button), Qt::LeftButton);
    }
    // Types the text over the field's and leaves it with Tab.
    void Type(F field, const QString& text)
    {
        QLineEdit* edit = Edit(field);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        QApplication::processEvents();
    }
    TOnePlayerProps& Props() const { return set->GetCurrentOnePlayer()->OnePlayerProps; }
    void ExpectNavigator(TPlayersNavigator* navigator, const QString& count, const QString& cursor, bool back,
                         bool forward, bool remove)
    {
        EXPECT_EQ(navigator->CountEdit()->text(), count);
        EXPECT_EQ(navigator->CursorEdit()->text(), cursor);
        for (Nav::Button button : {Nav::First, Nav::Previous, Nav::MovePrev})
            EXPECT_EQ(navigator->ButtonOf(button)->isEnabled(), back) << button;
        for (Nav::Button button : {Nav::Next, Nav::Last, Nav::MoveNext})
            EXPECT_EQ(navigator->ButtonOf(button)->isEnabled(), forward) << button;
        EXPECT_EQ(navigator->ButtonOf(Nav::Delete)->isEnabled(), remove);
        EXPECT_TRUE(navigator->ButtonOf(Nav::Insert)->isEnabled());
        EXPECT_TRUE(navigator->ButtonOf(Nav::Append)->isEnabled());
    }

    RecordingMessageService messages;
    TMainForm form;
    TUnitPlayers* set = nullptr;
    TMDIChildDlgPlayers* window = nullptr;
};

} // namespace

TEST_F(PlayersWindowTest, ANewSetShowsOnePlayerWithOnePart)
{
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Players 1");
    EXPECT_EQ(window->size(), QSize(635, 545));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    ExpectNavigator(window->PlayerNavigator(), "1", "1", false, false, false);
    ExpectNavigator(window->PartNavigator(), "1", "1", false, false, false);
    EXPECT_EQ(Text(F::NamePlayer), "Player 1");
    EXPECT_EQ(window->Pages()->currentIndex(), notePlayerSimpleSampler);
    EXPECT_TRUE(window->PageButtons()->button(notePlayerSimpleSampler)->isChecked());
    EXPECT_EQ(Text(F::SOSSampleWave), "sample");
    EXPECT_EQ(Text(F::SOSBasicFreq), "1 khz");
    EXPECT_EQ(Text(F::VolumeFactor), "50 %");
    EXPECT_EQ(Text(F::FreqFactor), "100 %");
    EXPECT_EQ(Text(F::FreqUp), "0 khz");
    EXPECT_FALSE(window->BalanceBox()->isChecked());
    EXPECT_EQ(window->VolDiffButtons()->checkedId(), -1);
    EXPECT_TRUE(window->PartGroup()->isEnabled());
    EXPECT_FALSE(set->IsModified());
}

TEST_F(PlayersWindowTest, TheNavigatorButtonsEditTheLists)
{
    Click(window->PlayerNavigator(), Nav::Append);
    Click(window->PlayerNavigator(), Nav::Append);
    ExpectNavigator(window->PlayerNavigator(), "3", "3", true, false, true);
    EXPECT_EQ(Text(F::NamePlayer), "Player 3");
    EXPECT_TRUE(set->IsModified());
    // The last goes: the second is shown.
    Click(window->PlayerNavigator(), Nav::Delete);
    EXPECT_EQ(Text(F::NamePlayer), "Player 2");
    ExpectNavigator(window->PlayerNavigator(), "2", "2", true, false, true);
    // The second moves up: first, still shown.
    Click(window->PlayerNavigator(), Nav::MovePrev);
    ExpectNavigator(window->PlayerNavigator(), "2", "1", false, true, true);
    EXPECT_EQ(set->GetFirstPlayer()->GetName(), "Player 2");
    Click(window->PlayerNavigator(), Nav::Next);
    EXPECT_EQ(Text(F::NamePlayer), "Player 1");
    // The parts of the shown player.
    Click(window->PartNavigator(), Nav::Insert);
    ExpectNavigator(window->PartNavigator(), "2", "1", false, true, true);
    Click(window->PartNavigator(), Nav::Last);
    Click(window->PartNavigator(), Nav::Delete);
    ExpectNavigator(window->PartNavigator(), "1", "1", false, false, false);
}

TEST_F(PlayersWindowTest, AKindSwitchAndBackKeepsTheSettings)
{
    Type(F::SOSSampleWave, "piano");
    Type(F::SOSBasicFreq, "220 hz");
    QTest::mouseClick(window->PageButtons()->button(notePlayerFactory), Qt::LeftButton);
    EXPECT_EQ(window->Pages()->currentIndex(), notePlayerFactory);
    EXPECT_EQ(Edit(F::Factory)->text(), "Factory 1");
    EXPECT_EQ(Props().NotePlayerKind, notePlayerFactory);
    const std::string bytes = DocumentBytes(*set->BuildPlayersXml(), "_v9_1");
    EXPECT_EQ(bytes.find("piano"), std::string::npos);
    EXPECT_NE(bytes.find("<Factory>Factory 1</Factory>"), std::string::npos);
    QTest::mouseClick(window->PageButtons()->button(notePlayerSimpleSampler), Qt::LeftButton);
    EXPECT_EQ(Text(F::SOSSampleWave), "piano");
    EXPECT_EQ(Text(F::SOSBasicFreq), "220 hz");
}

TEST_F(PlayersWindowTest, LeavingAnEditedFieldCommitsIt)
{
    // Leaving without typing changes nothing.
    Edit(F::FreqFactor)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Edit(F::FreqFactor), Qt::Key_Tab);
    EXPECT_FALSE(set->IsModified());

    Type(F::FreqFactor, "200 %");
    EXPECT_EQ(Props().FreqFactor.GetValue(), 2.0);
    EXPECT_TRUE(set->IsModified());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(PlayersWindowTest, ARefusedValueKeepsTheOldOneAndTakesTheFocusBack)
{
    Type(F::VolumeFactor, "loud");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Input Error");
    EXPECT_EQ(messages.Last().text.rfind("In Volume Factor: ", 0), 0u) << messages.Last().text;
    EXPECT_EQ(Props().VolumeFactor.GetText(), "50 %");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), Edit(F::VolumeFactor));
}

TEST_F(PlayersWindowTest, FilterWithBalanceOffSwitchesTheBalanceOn)
{
    // On the button itself, not beside its short caption.
    QAbstractButton* filter = window->VolDiffButtons()->button(2);
    QTest::mouseClick(filter, Qt::LeftButton, {}, QPoint(6, filter->height() / 2));
    EXPECT_TRUE(window->BalanceBox()->isChecked());
    EXPECT_EQ(Text(F::Balance), "0 '");
    EXPECT_EQ(window->VolDiffButtons()->checkedId(), 2);
    EXPECT_FALSE(window->TimeDiffBox()->isChecked());
    EXPECT_TRUE(Props().Balance);
    EXPECT_EQ(Props().VolDiff, 2);
    // Off empties the group; the part keeps its settings without effect.
    QTest::mouseClick(window->BalanceBox(), Qt::LeftButton);
    EXPECT_EQ(Text(F::Balance), "");
    EXPECT_EQ(window->VolDiffButtons()->checkedId(), -1);
    EXPECT_FALSE(Props().Balance);
    EXPECT_EQ(Props().VolDiff, 2);
    // Typing a balance switches it on from 0 degrees and Volume.
    Type(F::Balance, "-30'");
    EXPECT_TRUE(window->BalanceBox()->isChecked());
    EXPECT_EQ(window->VolDiffButtons()->checkedId(), 1);
    EXPECT_EQ(Props().BalanceFactor.GetText(), "-30 '");
}

TEST_F(PlayersWindowTest, ANameAnotherPlayerHasOrAnEmptyNameIsRefused)
{
    Click(window->PlayerNavigator(), Nav::Append);
    Type(F::NamePlayer, "Player 1");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Name Player: Name already exists in the set of Players.");
    EXPECT_EQ(set->GetCurrentPlayer()->GetName(), "Player 2");
    Type(F::NamePlayer, "Lead");
    EXPECT_EQ(set->GetCurrentPlayer()->GetName(), "Lead");
    EXPECT_EQ(messages.Count(), 1u);
    // An emptied name is refused as it is left, not when the set is saved.
    QLineEdit* edit = Edit(F::NamePlayer);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    Click(window->PlayerNavigator(), Nav::First);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().text, "In Name Player: Field should not be empty.");
    EXPECT_EQ(set->GetPlayerAfter(set->GetFirstPlayer())->GetName(), "Lead");
    EXPECT_EQ(set->FindUnsavableItem(), "");
}

TEST_F(PlayersWindowTest, TheNameListsOfferOpenWavesAndKeepTheTypedName)
{
    form.NewWave(TWaveFileProps(1, 44100, 2));
    Type(F::SOSSampleWave, "drum");
    // Activating the players window again lists the wave opened meanwhile.
    form.MdiArea()->setActiveSubWindow(window);
    QApplication::processEvents();
    auto* combo = qobject_cast<QComboBox*>(window->FieldWidget(F::SOSSampleWave));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->itemText(0), "Wave 1");
    EXPECT_EQ(combo->currentText(), "drum");
}

TEST_F(PlayersWindowTest, ClosingAsksOnlyForAnUnsavedSet)
{
    // A new set always asks; Cancel keeps it open.
    messages.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Do you want to save the Player Set with name \"Players 1\" to a new file?");
    EXPECT_EQ(messages.Last().caption, "You have unsaved changes");
    // A value still being typed counts: the question is asked for it too.
    set->SetFileName("/tmp/never.qby");
    QLineEdit* edit = Edit(F::FreqUp);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, "5 hz");
    messages.Answer(MsgAnswer::No);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(messages.Count(), 2u);
}


TEST_F(PlayersWindowTest, AConvertedSetClosesWithoutAQuestionAndHelpShowsItsTopic)
{
    {
        RecordingHelpService help;
        QTest::mouseClick(window->findChild<QPushButton*>("HelpBtn"), Qt::LeftButton);
        EXPECT_EQ(help.contexts, std::vector<int>{66});
    }

    set->SetModified();
    window->CloseWithoutQuestion();
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(window->IsClosing());
}
