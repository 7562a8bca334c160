#include "music/PlayersTestSupport.h"

#include "music/PlayersWindowAccess.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const TUnitPlayers& set)
{
    std::vector<std::string> names;
    set.AddPlayerNames(names);
    return names;
}

// A set whose players have the given names, each with one default part.
std::unique_ptr<TUnitPlayers> SetOf(std::initializer_list<const char*> names)
{
    auto set = std::make_unique<TUnitPlayers>("Players 1", "");
    for (const char* name : names) {
        TCompoundPlayer& player = set->InsertNewPlayer(set->GetLastPlayer());
        player.SetName(name);
    }
    return set;
}

struct CountingWindow : TPlayersWindowAccess {
    void UpdateControls() override { ++updates; }
    void CloseWithoutQuestion() override { ++closes; }
    int updates = 0;
    int closes = 0;
};

} // namespace

TEST(UnitPlayersTest, ANewSetHoldsOneDefaultPlayer)
{
    TUnitPlayers set("Players 1", "");
    set.InitNewSet();
    EXPECT_EQ(set.GetKind(), 4);
    ASSERT_EQ(set.CountPlayers(), 1);
    TCompoundPlayer* player = set.GetCurrentPlayer();
    ASSERT_EQ(player, set.GetFirstPlayer());
    EXPECT_EQ(player->GetName(), "Player 1");
    ASSERT_EQ(player->CountParts(), 1);
    EXPECT_EQ(player->GetCurrentOnePlayer(), player->GetFirstOnePlayer());
    EXPECT_EQ(set.GetCurrentOnePlayer(), player->GetFirstOnePlayer());
    const TOnePlayerProps& props = set.GetCurrentOnePlayer()->OnePlayerProps;
    EXPECT_EQ(props.NotePlayerKind, notePlayerSimpleSampler);
    EXPECT_EQ(props.SimpleSamplerProps.SampleWave.GetName(), "sample");
    EXPECT_EQ(props.SimpleSamplerProps.BasicFreq.GetText(), "1 khz");
    EXPECT_EQ(props.VolumeFactor.GetText(), "50 %");
    EXPECT_EQ(props.FreqFactor.GetText(), "100 %");
    EXPECT_EQ(props.FreqUp.GetText(), "0 khz");
    EXPECT_FALSE(props.Balance);
    EXPECT_EQ(props.BalanceFactor.GetValue(), 0.0);
    EXPECT_EQ(props.BalanceFactor.GetUnitKind(), EHAngle);
    EXPECT_EQ(props.VolDiff, 1);
    EXPECT_FALSE(props.TimeDiff);
    // The other kinds keep their own defaults until the user switches to them.
    EXPECT_EQ(props.FactoryPlayerProps.Factory, "Factory 1");
    EXPECT_EQ(props.RollOutSamplerProps.BasicFreq.GetText(), "440 hz");
    EXPECT_EQ(props.ResonantSamplerProps.ResFactor.GetText(), "5 %");
    EXPECT_EQ(props.RepeatWaveFormProps.SampleWave.GetName(), "sample");
    // Never saved: it needs saving although nothing changed.
    EXPECT_FALSE(set.IsModified());
    EXPECT_TRUE(set.IsModifiedOrNew());
    set.SetFileName("/tmp/p.qby");
    EXPECT_FALSE(set.IsModifiedOrNew());
    set.SetModified();
    EXPECT_TRUE(set.IsModifiedOrNew());
}

TEST(UnitPlayersTest, NewNamesTakeTheFirstFreeNumberAndNamesCompareExactly)
{
    EXPECT_EQ(SetOf({"Player 2"})->NewPlayerName(), "Player 1");
    EXPECT_EQ(SetOf({"Player 1", "Player 2"})->NewPlayerName(), "Player 3");
    EXPECT_EQ(SetOf({"Player 1", "Player 3"})->NewPlayerName(), "Player 2");

    auto set = SetOf({"A", "B"});
    TCompoundPlayer* a = set->GetFirstPlayer();
    TCompoundPlayer* b = set->GetLastPlayer();
    EXPECT_TRUE(set->PlayerNameExists("A", b));
    EXPECT_FALSE(set->PlayerNameExists("A", a));
    EXPECT_TRUE(set->PlayerNameExists("A", nullptr));
    EXPECT_FALSE(set->PlayerNameExists("a", nullptr));

    // A file may hold a name twice: the first is found.
    b->SetName("A");
    EXPECT_EQ(set->FindCompoundPlayer("A"), a);
    EXPECT_EQ(set->FindCompoundPlayer("B"), nullptr);
    EXPECT_EQ(Names(*set), (std::vector<std::string>{"A", "A"}));
}

TEST(UnitPlayersTest, InsertingAndDeletingKeepTheListAndCursorRules)
{
    auto set = SetOf({"A", "B"});
    TCompoundPlayer* a = set->GetFirstPlayer();
    // In front with no player to follow.
    set->InsertPlayerAfter(nullptr, std::make_unique<TCompoundPlayer>("Front"));
    EXPECT_EQ(Names(*set), (std::vector<std::string>{"Front", "A", "B"}));
    // Behind the last: appended, and the cursor moves to it.
    TCompoundPlayer& added = set->InsertNewPlayer(set->GetLastPlayer());
    EXPECT_EQ(set->GetLastPlayer(), &added);
    EXPECT_EQ(set->GetCurrentPlayer(), &added);
    EXPECT_EQ(added.GetName(), "Player 1");
    EXPECT_EQ(set->GetPlayerBefore(a)->GetName(), "Front");
    EXPECT_EQ(set->GetPlayerBefore(set->GetFirstPlayer()), nullptr);
    EXPECT_EQ(set->PositionOf(a), 2);

    // The first goes: its successor is first; the cursor is the caller's.
    std::unique_ptr<TCompoundPlayer> front = set->DeletePlayer(set->GetFirstPlayer());
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(set->GetFirstPlayer(), a);
    EXPECT_EQ(set->GetCurrentPlayer(), &added);
    // The only player of a set stays.
    auto lone = SetOf({"Only"});
    RecordingMessageService messages;
    EXPECT_EQ(lone->DeletePlayer(lone->GetFirstPlayer()), nullptr);
    EXPECT_EQ(lone->CountPlayers(), 1);

    // Parts go into the current player: in front, and behind a given part.
    set->SetCurrentPlayer(a);
    TOnePlayer* first = a->GetFirstOnePlayer();
    TOnePlayer* inFront = set->InsertNewOnePlayer(nullptr);
    EXPECT_EQ(a->GetFirstOnePlayer(), inFront);
    EXPECT_EQ(a->GetCurrentOnePlayer(), inFront);
    TOnePlayer* behind = set->InsertNewOnePlayer(inFront);
    EXPECT_EQ(a->PositionOf(behind), 2);
    EXPECT_EQ(a->PositionOf(first), 3);
    EXPECT_EQ(a->GetPrevOnePlayer(behind), inFront);
    // A one-part player keeps its part.
    EXPECT_EQ(lone->GetFirstPlayer()->DeleteOnePlayer(lone->GetFirstPlayer()->GetFirstOnePlayer()), nullptr);
}

TEST(UnitPlayersTest, ADuplicateCopiesEveryPlayerInOrder)
{
    auto source = SetOf({"A", "B"});
    TCompoundPlayer* b = source->GetLastPlayer();
    source->SetCurrentPlayer(b);
    TOnePlayer* part = source->InsertNewOnePlayer(b->GetFirstOnePlayer());
    part->SetRollOutWaveFormProps(TRollOutWaveFormProps(unitUnitWave("drum")));
    part->OnePlayerProps.VolumeFactor = unitFactor(-6, EHDB);
    part->SetBalanceOn();
    part->SetVolDiff(2);

    TUnitPlayers copy("Copy 1 of Players 1", "");
    std::string error;
    ASSERT_TRUE(copy.DuplicatePlayers(*source, error)) << error;
    EXPECT_EQ(Names(copy), Names(*source));
    EXPECT_EQ(copy.GetCurrentPlayer(), copy.GetFirstPlayer());
    const TCompoundPlayer* copied = copy.GetLastPlayer();
    ASSERT_EQ(copied->CountParts(), 2);
    EXPECT_EQ(copied->GetCurrentOnePlayer(), copied->GetFirstOnePlayer());
    const TOnePlayerProps& props = copied->GetLastOnePlayer()->OnePlayerProps;
    EXPECT_EQ(props.NotePlayerKind, notePlayerRollOutWaveForm);
    EXPECT_EQ(props.RollOutWaveFormProps.SampleWave.GetName(), "drum");
    EXPECT_EQ(props.VolumeFactor.GetText(), part->OnePlayerProps.VolumeFactor.GetText());
    EXPECT_TRUE(props.Balance);
    EXPECT_EQ(props.VolDiff, 2);
    EXPECT_FALSE(copy.IsModified());
}

TEST(UnitPlayersTest, TheSetRefillsItsWindowAndTheMainWindowFindsItsPlayers)
{
    FakePlayersForm form;
    auto set = SetOf({"A", "B"});
    CountingWindow window;
    set->SetWindow(&window);
    set->UpdateWindow();
    EXPECT_EQ(window.updates, 1);
    form.sets["Players 1"] = set.get();
    EXPECT_EQ(MainForm().FindCompoundPlayer("B", "Players 1"), set->GetLastPlayer());
    EXPECT_EQ(MainForm().FindCompoundPlayer("B", "Players 2"), nullptr);
    std::vector<std::string> names;
    EXPECT_EQ(MainForm().AddPlayerNames(names, ""), 0);
    EXPECT_EQ(MainForm().AddPlayerNames(names, "Players 1"), 2);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B"}));
}
