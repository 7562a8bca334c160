#include "music/PlayersTestSupport.h"

#include "foundation/xml/XMLDocumentWriter.h"
#include "music/PlayersPresenter.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

namespace {

using F = TPlayersField;
using R = TPlayersRefresh;

struct PlayersPresenterTest : ::testing::Test {
    PlayersPresenterTest() { set.InitNewSet(); }

    // The set holds players named after the letters, each with one default part.
    void Players(const std::string& names)
    {
        for (char name : names)
            set.InsertNewPlayer(set.GetLastPlayer()).SetName(std::string(1, name));
        set.DeletePlayer(set.GetFirstPlayer());
        set.SetCurrentPlayer(set.GetFirstPlayer());
    }
    std::string Names() const
    {
        std::string names;
        for (const auto& player : set.Players())
            names += player->GetName();
        return names;
    }
    // Typing the text into the field, then leaving it.
    bool Type(F field, const std::string& text)
    {
        presenter.FieldEdited(field);
        return presenter.FieldExit(field, text);
    }
    TOnePlayerProps& Props() { return set.GetCurrentOnePlayer()->OnePlayerProps; }

    FakePlayersForm form;
    RecordingMessageService messages;
    TUnitPlayers set{"Players 1", "/tmp/players.qby"};
    TPlayersPresenter presenter{&set};
};

void ExpectNavigator(const TNavigatorView& view, const std::string& count, const std::string& cursor, bool back,
                     bool forward, bool remove)
{
    EXPECT_EQ(view.Count, count);
    EXPECT_EQ(view.Cursor, cursor);
    EXPECT_EQ(view.First, back);
    EXPECT_EQ(view.Previous, back);
    EXPECT_EQ(view.MovePrev, back);
    EXPECT_EQ(view.Next, forward);
    EXPECT_EQ(view.Last, forward);
    EXPECT_EQ(view.MoveNext, forward);
    EXPECT_EQ(view.Delete, remove);
}

} // namespace

TEST_F(PlayersPresenterTest, OnePlayerWithOnePartOffersOnlyInsertAndAppend)
{
    const TPlayersView view = presenter.View();
    for (const TNavigatorView* navigator : {&view.Players, &view.Parts}) {
        ExpectNavigator(*navigator, "1", "1", false, false, false);
        EXPECT_TRUE(navigator->Insert);
        EXPECT_TRUE(navigator->Append);
    }
    EXPECT_TRUE(view.NameEnabled);
    EXPECT_EQ(view.Text(F::NamePlayer), "Player 1");
    EXPECT_TRUE(view.PartEnabled);
    EXPECT_EQ(view.Page, notePlayerSimpleSampler);
    EXPECT_EQ(view.Text(F::SOSSampleWave), "sample");
    EXPECT_EQ(view.Text(F::SOSBasicFreq), "1 khz");
    EXPECT_EQ(view.Text(F::VolumeFactor), "50 %");
    // Only the page in force is filled; the balance is off.
    EXPECT_EQ(view.Text(F::Factory), "");
    EXPECT_FALSE(view.BalanceChecked);
    EXPECT_EQ(view.Text(F::Balance), "");
    EXPECT_EQ(view.VolDiff, -1);
    // Looking changes nothing.
    EXPECT_FALSE(set.IsModified());
}

TEST_F(PlayersPresenterTest, WithoutAPlayerOnlyThePlayerNavigatorStaysUsable)
{
    TUnitPlayers empty("Players for converted Music 1", "");
    presenter.SetUnitPlayers(&empty);
    TPlayersView view = presenter.View();
    ExpectNavigator(view.Players, "0", "0", false, false, false);
    EXPECT_TRUE(view.Players.Insert);
    EXPECT_EQ(view.Parts.Count, "");
    EXPECT_FALSE(view.Parts.Enabled);
    EXPECT_FALSE(view.Parts.Insert || view.Parts.Append || view.Parts.First);
    EXPECT_FALSE(view.NameEnabled);
    EXPECT_FALSE(view.PartEnabled);
    EXPECT_EQ(view.Page, -1);
    EXPECT_EQ(presenter.BalanceClicked(true), R::Nothing);
    EXPECT_EQ(presenter.AppendPlayer(), R::PlayerControls);
    EXPECT_EQ(empty.CountPlayers(), 1);
    EXPECT_TRUE(presenter.View().PartEnabled);
}

TEST_F(PlayersPresenterTest, DeletingAndMovingPlayersKeepTheCursorRules)
{
    Players("ABC");
    set.SetCurrentPlayer(set.GetLastPlayer());
    ExpectNavigator(presenter.View().Players, "3", "3", true, false, true);
    // The last goes: the cursor moves back.
    EXPECT_EQ(presenter.DeletePlayer(), R::PlayerControls);
    EXPECT_EQ(Names(), "AB");
    EXPECT_EQ(set.GetCurrentPlayer()->GetName(), "B");
    EXPECT_TRUE(set.IsModified());
    // The first goes: the cursor is on the new first.
    set.InsertNewPlayer(set.GetLastPlayer()).SetName("C");
    presenter.MovePlayerCursor(TPlayersPresenter::TMove::First);
    presenter.DeletePlayer();
    EXPECT_EQ(Names(), "BC");
    EXPECT_EQ(set.GetCurrentPlayer()->GetName(), "B");

    // The second of three up: first, and still current; the last cannot go down.
    set.InsertNewPlayer(set.GetLastPlayer()).SetName("D");
    presenter.MovePlayerCursor(TPlayersPresenter::TMove::First);
    presenter.MovePlayerCursor(TPlayersPresenter::TMove::Next);
    EXPECT_EQ(presenter.MovePlayerPrev(), R::PlayerControls);
    EXPECT_EQ(Names(), "CBD");
    EXPECT_EQ(set.GetCurrentPlayer()->GetName(), "C");
    presenter.MovePlayerNext();
    EXPECT_EQ(Names(), "BCD");
    presenter.MovePlayerCursor(TPlayersPresenter::TMove::Last);
    EXPECT_FALSE(presenter.View().Players.MoveNext);
    EXPECT_EQ(presenter.MovePlayerNext(), R::Nothing);

    // Insert goes in front of the current player, Append behind it.
    presenter.InsertPlayer();
    EXPECT_EQ(set.PositionOf(set.GetCurrentPlayer()), 3);
    presenter.AppendPlayer();
    EXPECT_EQ(set.PositionOf(set.GetCurrentPlayer()), 4);
    EXPECT_EQ(Names(), "BCPlayer 1Player 2D");
}

TEST_F(PlayersPresenterTest, DeletingAndMovingPartsKeepTheCursorRules)
{
    TCompoundPlayer* player = set.GetCurrentPlayer();
    TOnePlayer* a = player->GetFirstOnePlayer();
    presenter.AppendPart();
    TOnePlayer* b = set.GetCurrentOnePlayer();
    presenter.AppendPart();
    TOnePlayer* c = set.GetCurrentOnePlayer();
    ExpectNavigator(presenter.View().Parts, "3", "3", true, false, true);
    // Insert in front of the current part.
    presenter.InsertPart();
    TOnePlayer* d = set.GetCurrentOnePlayer();
    EXPECT_EQ(player->PositionOf(d), 3);
    // Up: behind the predecessor's predecessor, and to the front from second place.
    presenter.MovePartPrev();
    EXPECT_EQ(player->PositionOf(d), 2);
    presenter.MovePartPrev();
    EXPECT_EQ(player->GetFirstOnePlayer(), d);
    EXPECT_EQ(set.GetCurrentOnePlayer(), d);
    presenter.MovePartNext();
    EXPECT_EQ(player->PositionOf(d), 2);
    EXPECT_EQ(player->PositionOf(a), 1);
    // Deleting the last moves back; deleting another moves on.
    presenter.MovePartCursor(TPlayersPresenter::TMove::Last);
    EXPECT_EQ(set.GetCurrentOnePlayer(), c);
    presenter.DeletePart();
    EXPECT_EQ(set.GetCurrentOnePlayer(), b);
    presenter.MovePartCursor(TPlayersPresenter::TMove::First);
    presenter.DeletePart();
    EXPECT_EQ(set.GetCurrentOnePlayer(), d);
    EXPECT_EQ(player->CountParts(), 2);
    // Navigation marks nothing.
    set.ClearModified();
    presenter.MovePartCursor(TPlayersPresenter::TMove::Next);
    EXPECT_FALSE(set.IsModified());
}

TEST_F(PlayersPresenterTest, AKindSwitchAndBackKeepsTheSettingsAndTheFileHoldsOnlyTheKindInForce)
{
    ASSERT_TRUE(Type(F::SOSSampleWave, "piano"));
    ASSERT_TRUE(Type(F::SOSBasicFreq, "220 hz"));
    EXPECT_EQ(presenter.ChangeKind(notePlayerFactory), R::PartFields);
    TPlayersView view = presenter.View();
    EXPECT_EQ(view.Page, notePlayerFactory);
    EXPECT_EQ(view.Text(F::Factory), "Factory 1");
    const std::string bytes = DocumentBytes(*set.BuildPlayersXml(), "_v9_1");
    EXPECT_NE(bytes.find("<FactoryPlayer>"), std::string::npos);
    EXPECT_EQ(bytes.find("piano"), std::string::npos);
    presenter.ChangeKind(notePlayerSimpleSampler);
    view = presenter.View();
    EXPECT_EQ(view.Text(F::SOSSampleWave), "piano");
    EXPECT_EQ(view.Text(F::SOSBasicFreq), "220 hz");
}

TEST_F(PlayersPresenterTest, LeavingATypedFieldCommitsIt)
{
    // Leaving without typing changes nothing.
    EXPECT_TRUE(presenter.FieldExit(F::FreqFactor, "300 %"));
    EXPECT_EQ(Props().FreqFactor.GetText(), "100 %");
    EXPECT_FALSE(set.IsModified());

    EXPECT_TRUE(Type(F::FreqFactor, "200 %"));
    EXPECT_EQ(Props().FreqFactor.GetValue(), 2.0);
    EXPECT_TRUE(set.IsModified());
    EXPECT_FALSE(presenter.HasPendingEdit());

    // A refused value: its message, the old value, modified all the same.
    set.ClearModified();
    EXPECT_FALSE(Type(F::VolumeFactor, "loud"));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Input Error");
    EXPECT_EQ(messages.Last().text.rfind("In Volume Factor: ", 0), 0u);
    EXPECT_EQ(Props().VolumeFactor.GetText(), "50 %");
    EXPECT_TRUE(set.IsModified());
    EXPECT_FALSE(presenter.HasPendingEdit());

    struct Case {
        F field;
        const char* text;
        const char* message;
    } refusals[] = {
        {F::SOSSampleWave, "  ", "In Sample Wave: Field should not be empty."},
        {F::SOSBasicFreq, "0 hz", "In Basic Frequency: You cannot use 0 with 'Hz'."},
        {F::FreqUp, "1 %", "In Freq Up: "},
    };
    for (const Case& c : refusals) {
        messages.Clear();
        EXPECT_FALSE(Type(c.field, c.text)) << c.message;
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text.rfind(c.message, 0), 0u) << messages.Last().text;
    }
    EXPECT_EQ(Props().SimpleSamplerProps.SampleWave.GetName(), "sample");

    // While the window fills its fields nothing happens.
    presenter.BeginUpdate();
    presenter.FieldEdited(F::FreqFactor);
    EXPECT_TRUE(presenter.FieldExit(F::FreqFactor, "1"));
    EXPECT_EQ(presenter.ChangeKind(0), R::Nothing);
    presenter.EndUpdate();
    EXPECT_EQ(Props().FreqFactor.GetValue(), 2.0);
    EXPECT_EQ(Props().NotePlayerKind, notePlayerSimpleSampler);
}

TEST_F(PlayersPresenterTest, NamesAreRefusedWhenTakenOrEmpty)
{
    Players("AB");
    EXPECT_FALSE(Type(F::NamePlayer, "B"));
    EXPECT_EQ(messages.Last().text, "In Name Player: Name already exists in the set of Players.");
    EXPECT_EQ(messages.Last().caption, "Input Error");
    EXPECT_EQ(set.GetCurrentPlayer()->GetName(), "A");
    EXPECT_TRUE(Type(F::NamePlayer, "A"));
    EXPECT_FALSE(Type(F::NamePlayer, " "));
    EXPECT_EQ(messages.Last().text, "In Name Player: Field should not be empty.");
    // Blanks around a name are not kept: the file would not give them back.
    EXPECT_TRUE(Type(F::NamePlayer, " Lead "));
    EXPECT_EQ(set.GetCurrentPlayer()->GetName(), "Lead");

    presenter.ChangeKind(notePlayerFactory);
    EXPECT_FALSE(Type(F::Factory, ""));
    EXPECT_EQ(messages.Last().text, "In Name Factory: Field should not be empty.");
    EXPECT_TRUE(Type(F::Factory, "Strings"));
    EXPECT_EQ(Props().FactoryPlayerProps.Factory, "Strings");
}

TEST_F(PlayersPresenterTest, TheBalanceSwitchesStartFromZeroDegreesAndVolume)
{
    // Filter with balance off: on, at 0 degrees, without time difference.
    Props().BalanceFactor = unitBalAngleFactor(0.7, EHNone);
    Props().TimeDiff = true;
    EXPECT_EQ(presenter.VolDiffClicked(2), R::BalanceGroup);
    TPlayersView view = presenter.View();
    EXPECT_TRUE(view.BalanceChecked);
    EXPECT_EQ(view.Text(F::Balance), "0 '");
    EXPECT_EQ(view.VolDiff, 2);
    EXPECT_FALSE(view.TimeDiffChecked);
    EXPECT_TRUE(set.IsModified());

    // Off empties the group; on again starts from "0 '" and Volume.
    presenter.TimeDiffClicked(true);
    Props().BalanceFactor = unitBalAngleFactor(-0.5, EHNone);
    presenter.BalanceClicked(false);
    view = presenter.View();
    EXPECT_FALSE(view.BalanceChecked);
    EXPECT_EQ(view.Text(F::Balance), "");
    EXPECT_EQ(view.VolDiff, -1);
    EXPECT_FALSE(view.TimeDiffChecked);
    // The part keeps them, without effect.
    EXPECT_EQ(Props().BalanceFactor.GetValue(), -0.5);
    presenter.BalanceClicked(true);
    view = presenter.View();
    EXPECT_EQ(view.Text(F::Balance), "0 '");
    EXPECT_EQ(view.VolDiff, 1);
    EXPECT_FALSE(view.TimeDiffChecked);

    // Time difference with balance off switches it on first.
    presenter.BalanceClicked(false);
    presenter.TimeDiffClicked(true);
    EXPECT_TRUE(Props().Balance);
    EXPECT_TRUE(Props().TimeDiff);
    EXPECT_EQ(Props().VolDiff, 1);
}

TEST_F(PlayersPresenterTest, TypingABalanceWithBalanceOffStartsFromZeroDegrees)
{
    // A part read without balance carries the factor 1.0, hard to one side.
    Props().Balance = false;
    Props().BalanceFactor = unitBalAngleFactor(1.0, EHNone);
    Props().VolDiff = 0;
    EXPECT_EQ(presenter.FieldEdited(F::Balance), R::BalanceSwitches);
    EXPECT_TRUE(Props().Balance);
    EXPECT_EQ(Props().BalanceFactor.GetValue(), 0.0);
    EXPECT_EQ(Props().VolDiff, 1);
    // A refused text keeps the start, not the old factor.
    EXPECT_FALSE(presenter.FieldExit(F::Balance, "far left"));
    EXPECT_EQ(Props().BalanceFactor.GetValue(), 0.0);
    EXPECT_TRUE(Type(F::Balance, "-30'"));
    EXPECT_EQ(presenter.View().Text(F::Balance), "-30 '");
}
