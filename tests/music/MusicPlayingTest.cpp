#include "music/document/MusicPlaying.h"

#include "music/data/MusicGeneration.h"
#include "wave/MainFormAccess.h"
#include "tests/music/MusicTreeSupport.h"

namespace {

// The main window as the music's commands see it.
class RecordingHost : public MusicCommandHost {
public:
    RecordingHost() { previous = SetMusicCommandHost(this); }
    ~RecordingHost() override { SetMusicCommandHost(previous); }
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    void BeginBusy() override { ++depth, ++busyCalls; }
    void EndBusy() override { --depth; }
    void PlaySound(const Sound& sound) override { played.push_back(sound.GetValues()); }
    void OpenWave(SoundPtr sound, const std::string& prefix, const std::string& suffix) override
    {
        opened.push_back(prefix + "|" + suffix + "|" + std::to_string(sound->GetValues()));
    }

    int depth = 0;
    int busyCalls = 0;
    std::vector<int32_t> played;
    std::vector<std::string> opened;

private:
    MusicCommandHost* previous;
};

// The main window's player as a note's play reaches it.
class PlayingMainForm : public MainFormAccess {
public:
    PlayingMainForm() { previous = SetMainFormAccess(this); }
    ~PlayingMainForm() override { SetMainFormAccess(previous); }
    PlayingMainForm(const PlayingMainForm&) = delete;
    PlayingMainForm& operator=(const PlayingMainForm&) = delete;
    void PlaySound(const Sound& sound, bool) override { played.push_back(sound.GetValues()); }
    std::vector<int32_t> played;

private:
    MainFormAccess* previous;
};

struct MusicPlaying : MusicTree {
    RecordingHost host;
    PlayingMainForm form;
    TMusicPlaying playing{unit};

    MusicPlaying()
    {
        SetTempo(1.0);
        players.soundLength = 0.1;
    }
    TMuzNote* FirstNote(TSinglePartMuz* bar) { return static_cast<TMuzNote*>(bar->GetSymbols()->GetNext()); }
};

} // namespace

TEST_F(MusicPlaying, PlayNoteIsForASelectedNoteAndShowsWhyItCannotSound)
{
    TSinglePartMuz* bar = nullptr;
    SetRoot(BarWithNotes({0.0}, &bar));
    Rest(bar, 0.25);
    EXPECT_FALSE(playing.CanPlayNoteExecute());
    unit.SetSelMuzSymbol(bar->GetMuzBar());
    EXPECT_FALSE(playing.CanPlayNoteExecute());
    unit.SetSelMuzSymbol(bar->GetSymbols());
    EXPECT_FALSE(playing.CanPlayNoteExecute());
    TMuzNote* note = FirstNote(bar);
    unit.SetSelMuzSymbol(note);
    ASSERT_TRUE(playing.CanPlayNoteExecute());

    playing.PlayNoteExecute();
    EXPECT_EQ(form.played.size(), 1u);
    EXPECT_EQ(messages.Count(), 0u);

    note->GetNoteGroup()->SetPlayer("missing");
    playing.PlayNoteExecute();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Error");
    EXPECT_NE(messages.Last().text.find("missing"), std::string::npos);
    // Auto-play stays silent.
    unit.SetAutoPlay(true);
    note->AutoPlay(unit);
    EXPECT_EQ(messages.Count(), 1u);

    note->GetNoteGroup()->SetPlayer("P");
    players.failAtPosition = 0.0;
    playing.PlayNoteExecute();
    EXPECT_EQ(messages.Last().text, "in Player \"P\": broken");
    EXPECT_EQ(form.played.size(), 1u);
    EXPECT_EQ(host.depth, 0);
}

TEST_F(MusicPlaying, GeneratingFindsTheNeededPlayersFirst)
{
    TNoteStave* other = AddStave();
    TSinglePartMuz* bar = nullptr;
    SetRoot(Bar(&bar));
    Note(bar, 0.0, 0);
    Note(bar, 0.0, 0, 4, other);
    other->GetStartNoteGroup()->SetPlayer("missing");
    other->GetStartNoteGroup()->SetPlayerSet("Players 1");
    EXPECT_EQ(playing.GenerateWaveFromMusic(), nullptr);
    EXPECT_EQ(messages.Last().text,
              "Cannot create music: Cannot find Player \"missing\" in Player Set \"Players 1\".");
    EXPECT_EQ(messages.Last().caption, "Error");
    // One stave finds only its own players.
    EXPECT_TRUE(playing.GenerateStaveWave(*stave, true));
    EXPECT_TRUE(playing.GenerateNoteGroupWave(*stave->GetStartNoteGroup(), true));
    EXPECT_EQ(playing.GenerateNoteGroupWave(*other->GetStartNoteGroup(), true), nullptr);
    EXPECT_EQ(host.depth, 0);
    EXPECT_GE(host.busyCalls, 4);
}

TEST_F(MusicPlaying, APartRenderedTwiceSoundsTheSameAndIsNoRootAfter)
{
    TSinglePartMuz* plain = nullptr;
    auto select = Select(BarWithNotes({0.0}));
    AddTurn(*select, 2, 12, 2.0);
    SetRoot(Loop(2, Concat(BarWithNotes({0.0, 0.25}, &plain), std::move(select))));
    auto* loop = static_cast<TLoopPartMuz*>(muz.GetRootChild());
    SoundPtr first = playing.GeneratePartWave(*loop);
    SoundPtr second = playing.GeneratePartWave(*loop);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetValues(), second->GetValues());
    EXPECT_EQ(players.rendered.size(), 2u * 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_DOUBLE_EQ(players.rendered[i].time, players.rendered[i + 5].time);
    EXPECT_FALSE(loop->IsRoot());
    EXPECT_EQ(loop->CurrentCount, 1);
    // A failure puts the marks back as well.
    players.failAtPosition = 0.0;
    EXPECT_EQ(playing.GeneratePartWave(*loop), nullptr);
    EXPECT_FALSE(loop->IsRoot());
    EXPECT_EQ(host.depth, 0);
}

TEST_F(MusicPlaying, GenerateOpensOnlyASoundWithSamples)
{
    SetRoot(BarWithNotes({0.0}));
    playing.MusicGenerate();
    ASSERT_EQ(host.opened.size(), 1u);
    EXPECT_EQ(host.opened[0].substr(0, 15), "Wave|of Music 1");
    // Nothing playable: an empty sound, not opened, no message.
    stave->EnablePlayAndDraw = false;
    playing.MusicGenerate();
    EXPECT_EQ(host.opened.size(), 1u);
    EXPECT_EQ(messages.Count(), 0u);
}
