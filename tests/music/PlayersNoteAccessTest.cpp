// The music reaches the players through the note-player access: a note
// group finds its player in an open set and renders its notes with it, and
// an old music file hands its note groups' players to a set of their own.
#include "music/PlayersTestSupport.h"
#include "tests/music/MusicTestSupport.h"

#include "music/PlayersNoteAccess.h"
#include "music/PlayersWindowAccess.h"
#include "music/symbols/MuzNote.h"

namespace {

// The main window as far as the players reach it, with windows for new sets.
class ConvertingForm : public FakePlayersForm {
public:
    TUnitPlayers* NewUnitPlayers(const std::string& wishedName, std::string& givenName) override
    {
        givenName = sets.count(wishedName) ? wishedName + " 1" : wishedName;
        made.push_back(std::make_unique<TUnitPlayers>(givenName, ""));
        made.back()->SetWindow(&window);
        sets[givenName] = made.back().get();
        return made.back().get();
    }

    struct Window : TPlayersWindowAccess {
        void UpdateControls() override { ++updates; }
        void CloseWithoutQuestion() override { ++closes; }
        int updates = 0;
        int closes = 0;
    } window;
    std::vector<std::unique_ptr<TUnitPlayers>> made;
};

struct PlayersNoteAccessTest : ::testing::Test {
    PlayersNoteAccessTest()
    {
        TUnitMuz::BuildMusicGrammars();
        TUnitPlayers::BuildPlayersGrammar();
        previous = SetNotePlayerAccess(&access);
    }
    ~PlayersNoteAccessTest() override { SetNotePlayerAccess(previous); }

    ConvertingForm form;
    RecordingMessageService messages;
    TPlayersNoteAccess access;
    NotePlayerAccess* previous;
};

const std::string OldMusic = MusicHeader + R"(<UnitMuz>
<Version>7.0</Version>
<Tempo>0.5 s</Tempo>
<Bar><Count>4</Count><Length>4</Length></Bar>
<Stave>
  <RoomUp>70</RoomUp><RoomDown>75</RoomDown>
  <ForegroundColor>0</ForegroundColor><BackgroundColor>FFFFFF</BackgroundColor>
  <Key><Position>0</Position><KeyKind>G</KeyKind></Key>
  <NoteGroup><NoteColor>FF</NoteColor><NoteShapeNormal/>
    <CompoundPlayer><SimpleOneSampler><BasicFreq>440 Hz</BasicFreq><SampleWave>sample</SampleWave><VolumeFactor>1</VolumeFactor></SimpleOneSampler>
      <RepeatWaveForm><SampleWave>cycle</SampleWave><FreqUp>2 Hz</FreqUp><VolumeFactor>0.5</VolumeFactor></RepeatWaveForm></CompoundPlayer>
    <Note><Position>0</Position><Length>4</Length><Height>0</Height></Note>
  </NoteGroup>
  <NoteGroup><NoteColor>0</NoteColor><NoteShapeNormal/>
    <CompoundPlayer>{SECOND}</CompoundPlayer>
  </NoteGroup>
</Stave>
</UnitMuz>
)";

std::string OldMusicWith(const std::string& second)
{
    std::string text = OldMusic;
    text.replace(text.find("{SECOND}"), 8, second);
    return text;
}

} // namespace

TEST_F(PlayersNoteAccessTest, ANoteGroupRendersItsNotesThroughItsPlayer)
{
    form.AddWave("sample", ConstantMono(2000, 22050, 3000));
    TUnitPlayers set("Winds", "");
    set.InitNewSet();
    set.GetCurrentPlayer()->SetName("Flute");
    set.GetCurrentOnePlayer()->SetSimpleSamplerProps(
        TSimpleSamplerProps(unitUnitWave("sample"), unitTimePosMore(1.0 / 440, EHHZ)));
    form.sets["Winds"] = &set;

    MusicModel m;
    m.group->SetPlayerSet("Winds");
    m.group->SetPlayer("Flute");
    std::string message;
    ASSERT_TRUE(m.group->FindPlayer(message)) << message;
    TMuzNote* note = m.Note(0, 5); // A4, a quarter
    bool ok = false;
    EXPECT_EQ(note->GetLeadTime(0, 1.0, ok, message), 0.0);
    EXPECT_TRUE(ok);
    EXPECT_NEAR(note->GetSoundLength(0, 1.0, ok, message), 2000.0 / 22050, 1e-6);
    m.stave->RenderSound = std::make_shared<StereoSound>(22050, 2);
    int32_t b = 0, e = 0;
    m.stave->RenderSound = m.stave->RenderSound->InsertSilence(nullptr, 0.5, b, e);
    ASSERT_TRUE(RenderWhole(*note, TNotePlace{0, 0.1, 1.0, 2}, 0, 1.0, message)) << message;
    const std::vector<int16_t> left = Samples(*m.stave->RenderSound);
    // At the set's volume of 50 %, from 0.1 s on.
    EXPECT_EQ(left[2204], 0);
    EXPECT_EQ(left[2205], 1500);

    // A player that is not there is reported by the note group.
    m.group->SetPlayer("Oboe");
    EXPECT_FALSE(m.group->FindPlayer(message));
    // A player whose factory is not open fails its validation.
    m.group->SetPlayer("Flute");
    set.GetCurrentOnePlayer()->SetFactoryPlayerProps(TFactoryPlayerProps("Maker"));
    EXPECT_FALSE(m.group->FindPlayer(message));
    EXPECT_NE(message.find("Player \"Flute\": Cannot Find Factory \"Maker\"."), std::string::npos) << message;
}

TEST_F(PlayersNoteAccessTest, AnOldMusicFileHandsItsPlayersToASetOfTheirOwn)
{
    TUnitMuz unit("Music 1", "");
    std::unique_ptr<TMDIChildMuzInitProps> view;
    std::string message;
    const std::string second =
        "<RollOutWaveForm><SampleWave>kick</SampleWave><VolumeFactor>1</VolumeFactor></RollOutWaveForm>";
    ASSERT_TRUE(unit.LoadMusicBytes(OldMusicWith(second), message, view)) << message;
    ASSERT_EQ(form.made.size(), 1u);
    TUnitPlayers& set = *form.made[0];
    EXPECT_EQ(set.GetName(), "Players for converted Music 1");
    ASSERT_EQ(set.CountPlayers(), 2);
    EXPECT_EQ(set.GetFirstPlayer()->GetName(), "Player 1");
    ASSERT_EQ(set.GetFirstPlayer()->CountParts(), 2);
    EXPECT_EQ(set.GetFirstPlayer()->Parts()[1]->OnePlayerProps.NotePlayerKind, notePlayerRepeatWaveForm);
    EXPECT_EQ(set.GetLastPlayer()->GetName(), "Player 2");
    EXPECT_EQ(form.window.updates, 1);
    EXPECT_EQ(form.window.closes, 0);
    // The note groups name the set and their players.
    TNoteGroup* group = unit.MuzData.GetStartStave()->GetStartNoteGroup();
    EXPECT_EQ(group->GetPlayerSet(), "Players for converted Music 1");
    EXPECT_EQ(group->GetPlayer(), "Player 1");

    // A music file that fails closes its set without a question.
    TUnitMuz broken("Music 2", "");
    const std::string bad =
        "<RollOutWaveForm><SampleWave>kick</SampleWave><VolumeFactor>loud</VolumeFactor></RollOutWaveForm>";
    EXPECT_FALSE(broken.LoadMusicBytes(OldMusicWith(bad), message, view));
    EXPECT_NE(message.find("In VolumeFactor: "), std::string::npos) << message;
    EXPECT_EQ(form.window.closes, 1);
}
