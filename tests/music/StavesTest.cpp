#include "music/CompoundPlayer.h"
#include "music/data/PartMuzStackItem.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/staves/StaveIterator.h"
#include "tests/music/MusicTestSupport.h"

#include <algorithm>

namespace {

// Players as the stand-in finds them, with a record of every look-up.
class LookupRecorder : public NotePlayerAccess {
public:
    std::vector<std::string> lookups;
    std::string known = "Flute";
    bool valid = true;
    TCompoundPlayer flute{"Flute"};

    TCompoundPlayer* FindCompoundPlayer(const std::string& player, const std::string& set) override
    {
        lookups.push_back(set + "/" + player);
        return player == known ? &flute : nullptr;
    }
    bool Validate(TCompoundPlayer&, std::string& message) override
    {
        if (!valid)
            message = "in Player \"Flute\": broken part";
        return valid;
    }
};

struct Staves : MusicTest {
    MusicModel m;

    TNoteGroup* AddGroup(TNoteStave* stave, TNoteGroup* after)
    {
        auto group = std::make_unique<TNoteGroup>(stave);
        TNoteGroup* raw = group.get();
        stave->InsertNoteGroup(after, std::move(group));
        return raw;
    }
    std::vector<TNoteGroup*> Groups(const TNoteStave* stave) const
    {
        std::vector<TNoteGroup*> groups;
        for (TNoteGroup* g = stave->GetStartNoteGroup(); g; g = g->GetNext())
            groups.push_back(g);
        return groups;
    }
    std::vector<TNoteStave*> StaveList() const
    {
        std::vector<TNoteStave*> staves;
        TNoteStave* prev = nullptr;
        for (TNoteStave* s = m.muz.GetStartStave(); s; s = s->GetNext()) {
            EXPECT_EQ(s->GetPrev(), prev);
            staves.push_back(s);
            prev = s;
        }
        return staves;
    }
};

} // namespace

TEST_F(Staves, NoteGroupList)
{
    TNoteGroup* first = m.group;
    TNoteGroup* head = AddGroup(m.stave, nullptr);
    EXPECT_EQ(Groups(m.stave), (std::vector<TNoteGroup*>{head, first}));
    TNoteGroup* last = AddGroup(m.stave, first);
    TNoteGroup* middle = AddGroup(m.stave, head);
    EXPECT_EQ(Groups(m.stave), (std::vector<TNoteGroup*>{head, middle, first, last}));
    EXPECT_EQ(m.stave->GetPrevNoteGroup(head), nullptr);
    EXPECT_EQ(m.stave->GetPrevNoteGroup(first), middle);

    std::unique_ptr<TNoteGroup> removed = m.stave->DeleteNoteGroup(head);
    EXPECT_EQ(removed.get(), head);
    EXPECT_EQ(Groups(m.stave), (std::vector<TNoteGroup*>{middle, first, last}));
    removed = m.stave->DeleteNoteGroup(first);
    EXPECT_EQ(Groups(m.stave), (std::vector<TNoteGroup*>{middle, last}));
    EXPECT_EQ(messages.Count(), 0u);

    // A group of another stave, and the only group of a stave, stay where they are.
    TNoteStave* other = m.muz.NewNoteStave(m.stave, nullptr);
    EXPECT_EQ(m.stave->DeleteNoteGroup(other->GetStartNoteGroup()), nullptr);
    EXPECT_EQ(other->DeleteNoteGroup(other->GetStartNoteGroup()), nullptr);
    EXPECT_EQ(other->CountNoteGroups(), 1);
    EXPECT_EQ(messages.Count(), 2u);
}

TEST_F(Staves, PlayersAreLookedUpByNameOnEveryStave)
{
    EXPECT_EQ(messages.Count(), 0u);
    std::string message;
    EXPECT_FALSE(m.group->FindPlayer(message));
    EXPECT_EQ(message, "Cannot find Player \"\" in Player Set \"\".");

    LookupRecorder players;
    NotePlayerAccess* previous = SetNotePlayerAccess(&players);
    m.group->SetPlayerSet("Set A");
    m.group->SetPlayer("Flute");
    TNoteStave* hidden = m.muz.NewNoteStave(m.stave, nullptr);
    hidden->EnablePlayAndDraw = false;
    hidden->GetStartNoteGroup()->SetPlayerSet("Set B");
    hidden->GetStartNoteGroup()->SetPlayer("Oboe");
    EXPECT_FALSE(m.stave->FindPlayers(message));
    EXPECT_EQ(players.lookups, (std::vector<std::string>{"Set A/Flute", "Set B/Oboe"}));
    EXPECT_EQ(message, "Cannot find Player \"Oboe\" in Player Set \"Set B\".");
    EXPECT_NE(m.group->GetFoundPlayer(), nullptr);

    players.valid = false;
    EXPECT_FALSE(m.group->FindPlayer(message));
    EXPECT_EQ(message, "in Player \"Flute\": broken part");
    SetNotePlayerAccess(previous);
}

TEST_F(Staves, StaveListInsertDeleteAndIterate)
{
    TNoteStave* first = m.stave;
    TNoteStave* second = m.muz.NewNoteStave(first, &m.unit);
    EXPECT_EQ(m.unit.GetSelNoteStave(), second);
    TNoteStave* head = m.muz.NewNoteStave(nullptr, &m.unit);
    EXPECT_EQ(StaveList(), (std::vector<TNoteStave*>{head, first, second}));

    FakeMusicView view;
    m.unit.SetWindow(&view);
    std::unique_ptr<TNoteStave> removed = m.muz.DeleteStave(head, &m.unit);
    EXPECT_EQ(removed.get(), head);
    EXPECT_EQ(StaveList(), (std::vector<TNoteStave*>{first, second}));
    EXPECT_EQ(first->GetPrev(), nullptr);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"PartsChanged"}));
    removed = m.muz.DeleteStave(second, &m.unit);
    removed = m.muz.DeleteStave(first, &m.unit);
    EXPECT_EQ(m.muz.GetStartStave(), nullptr);
    m.unit.SetWindow(nullptr);
}

TEST_F(Staves, TheIteratorGivesStavesShownAndStartsOver)
{
    TStaveIterator none(m.muz);
    m.stave->EnablePlayAndDraw = false;
    EXPECT_EQ(none.Next(), nullptr);
    TNoteStave* b = m.muz.NewNoteStave(m.stave, nullptr);
    TNoteStave* c = m.muz.NewNoteStave(b, nullptr);
    TNoteStave* d = m.muz.NewNoteStave(c, nullptr);
    c->EnablePlayAndDraw = false;
    TStaveIterator staves(m.muz);
    EXPECT_EQ(staves.Next(), b);
    EXPECT_EQ(staves.Next(), d);
    EXPECT_EQ(staves.Next(), nullptr);
    EXPECT_EQ(staves.Next(), b);
}

TEST_F(Staves, ANewStaveHasOneGroupAndAClefInEveryBar)
{
    // A second bar after the first, both below a sequence.
    TPartMuz* parent = nullptr;
    std::unique_ptr<TPartMuz>* link = nullptr;
    std::unique_ptr<TPartMuz> firstBar = m.bar->DetachFromParent(parent, link);
    auto secondBar = std::make_unique<TSinglePartMuz>(&m.muz, UnitTempoFactor(), UnitTempoFactor());
    TMuzBar::Attach(*secondBar, 4, 3, 0);
    secondBar->AddClefsForAllStaves();
    TSinglePartMuz* second = secondBar.get();
    *link = std::make_unique<TConcatPartMuz>(std::move(firstBar), std::move(secondBar), &m.muz);
    (*link)->SetParent(parent);

    TNoteStave* added = m.muz.NewNoteStave(m.stave, &m.unit);
    EXPECT_EQ(added->CountNoteGroups(), 1);
    EXPECT_EQ(added->GetSelectedNoteGroup(), added->GetStartNoteGroup());
    EXPECT_EQ(added->GetCurrentNoteGroup(), added->GetStartNoteGroup());
    EXPECT_EQ(m.unit.GetSelNoteStave(), added);
    for (TSinglePartMuz* bar : {m.bar, second}) {
        ASSERT_NE(bar->GetStartClef(added), nullptr);
        EXPECT_EQ(bar->GetStartClef(added)->GetKeyKind(), clefKindG);
        EXPECT_EQ(bar->CountStartClefs(added), 1);
    }
    EXPECT_EQ(added->ForegroundColor, 0u);
    EXPECT_EQ(added->BackgroundColor, 0xFFFFFFu);
    EXPECT_EQ(added->RoomUp.GetValue(), 80);
    EXPECT_EQ(added->RoomDown.GetMinimum(), 30);
    EXPECT_EQ(added->AllowJoinFlags, 1);
}

TEST_F(Staves, ANewBarGetsStartClefsOnStavesSwitchedOff)
{
    TNoteStave* hidden = m.muz.NewNoteStave(m.stave, nullptr);
    hidden->EnablePlayAndDraw = false;
    TSinglePartMuz bar(&m.muz, UnitTempoFactor(), UnitTempoFactor());
    TMuzBar::Attach(bar, 4, 4, 0);
    bar.AddClefsForAllStaves();
    EXPECT_NE(bar.GetStartClef(m.stave), nullptr);
    EXPECT_NE(bar.GetStartClef(hidden), nullptr);
}

TEST_F(Staves, TheFormatIsTheGeneratedWavesOnly)
{
    EXPECT_EQ(m.unit.GetSampleFreq(), 22050u);
    EXPECT_EQ(m.unit.GetMonoStereo(), 1);
    EXPECT_EQ(m.unit.GetBytesPSample(), 2);
    m.unit.ChangeFileProps(TWaveFileProps(1, 22050, 2), TWaveFileProps(2, 44100, 1));
    EXPECT_EQ(m.unit.GetSampleFreq(), 44100u);
    EXPECT_EQ(m.unit.GetMonoStereo(), 2);
    EXPECT_EQ(m.unit.GetBytesPSample(), 1);
    EXPECT_DOUBLE_EQ(m.muz.Tempo.GetValue(), 1.0);
}

TEST_F(Staves, DeletingAGroupsNotesDropsOnlyItsSelection)
{
    TNoteGroup* other = AddGroup(m.stave, m.group);
    TMuzNote* mine = m.Note(0, 3, 4, 0, sool, 0, nullptr, m.group);
    TMuzNote* theirs = m.Note(0.25, 3, 4, 0, sool, 0, nullptr, other);
    TRest* rest = m.Rest(0.5);

    m.unit.SetSelMuzSymbol(theirs);
    m.muz.DeleteNoteGroupNotes(m.group, &m.unit);
    EXPECT_EQ(m.unit.GetSelectedSymbol(), theirs);
    EXPECT_EQ(m.Listing(), "K0#1 N0.25:3 R0.5/4");

    m.unit.SetSelMuzSymbol(rest);
    m.muz.DeleteNoteGroupNotes(other, &m.unit);
    EXPECT_EQ(m.unit.GetSelectedSymbol(), rest);
    (void)mine;

    TMuzNote* again = m.Note(0, 3, 4, 0, sool, 0, nullptr, other);
    m.unit.SetSelMuzSymbol(again);
    m.muz.DeleteNoteGroupNotes(other, &m.unit);
    EXPECT_EQ(m.unit.GetSelectedSymbol(), nullptr);
    EXPECT_EQ(m.Listing(), "K0#1 R0.5/4");
}

TEST_F(Staves, DeletingAStavesSymbolsDropsItsSelection)
{
    TNoteStave* other = m.muz.NewNoteStave(m.stave, nullptr);
    TRest* rest = m.Rest(0.5, 4, 0, sool, 0, other);
    m.unit.SetSelMuzSymbol(rest);
    m.unit.SetSelMuzSymbol(m.bar->GetMuzBar());
    EXPECT_EQ(m.unit.GetSelectedInStave(), other);
    m.muz.DeleteStaveSymbols(other, &m.unit);
    EXPECT_EQ(m.unit.GetSelectedSymbol(), nullptr);
    EXPECT_EQ(m.unit.GetSelectedInStave(), nullptr);
    EXPECT_EQ(m.Listing(other), "");
    EXPECT_EQ(m.Listing(), "K0#1");
}

TEST_F(Staves, ThePartStack)
{
    TPartMuzStackItem head;
    EXPECT_EQ(head.Pop(), nullptr);
    head.Append(std::make_unique<TPartMuzStackItem>(
        std::make_unique<TSinglePartMuz>(&m.muz, UnitTempoFactor(), UnitTempoFactor())));
    EXPECT_EQ(head.Count(), 1);
    std::unique_ptr<TPartMuzStackItem> cell = head.Pop();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(head.Count(), 0);
    EXPECT_TRUE(head.IsLast());
    EXPECT_EQ(head.Pop(), nullptr);
    EXPECT_NE(cell->TakeContents(), nullptr);

    for (int i = 0; i < 3; ++i)
        head.Append(std::make_unique<TPartMuzStackItem>(
            std::make_unique<TSinglePartMuz>(&m.muz, UnitTempoFactor(), UnitTempoFactor())));
    EXPECT_EQ(head.Count(), 3);
    head.Clear();
    EXPECT_EQ(head.Count(), 0);
}
