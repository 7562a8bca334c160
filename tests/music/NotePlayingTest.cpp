#include "music/CompoundPlayer.h"
#include "tests/music/MusicTestSupport.h"
#include "wave/MainFormAccess.h"
#include "wave/StereoSound.h"

#include <cmath>

namespace {

// Players as the players' half will give them: one player, Flute in Winds.
class FakePlayers : public NotePlayerAccess {
public:
    struct Call {
        std::string what;
        TPlayedNote note;
        double musicPosition = 0;
        double timePosition = 0;
        double musicLength = 0;
        int32_t sampleFreq = 0;
        int16_t monoStereo = 0;
        const Sound* target = nullptr;
    };
    std::vector<Call> calls;
    bool fail = false;
    TCompoundPlayer flute{"Flute"};

    TCompoundPlayer* FindCompoundPlayer(const std::string& player, const std::string& set) override
    {
        return player == "Flute" && set == "Winds" ? &flute : nullptr;
    }
    bool Validate(TCompoundPlayer&, std::string&) override { return true; }
    double GetLeadTime(TCompoundPlayer&, const TPlayedNote& note, bool& ok, std::string&) override
    {
        calls.push_back({"lead", note});
        ok = true;
        return 0.125;
    }
    double GetSoundLength(TCompoundPlayer&, const TPlayedNote& note, bool& ok, std::string&) override
    {
        calls.push_back({"length", note});
        ok = true;
        return 2.5;
    }
    SoundPtr PlayNote(TCompoundPlayer&, StopFlag*, int32_t sampleFreq, int16_t, const TPlayedNote& note,
                      const TNotePlace& place, bool& ok, std::string& message) override
    {
        calls.push_back(
            {"play", note, place.MusicPosition, place.Time, place.MusicLength, sampleFreq, place.MonoStereo});
        ok = !fail;
        if (fail) {
            message = "in Player \"Flute\": no wave";
            return nullptr;
        }
        return std::make_shared<StereoSound>(sampleFreq, 2);
    }
    std::unique_ptr<TNoteInFlight> StartNoteInto(TCompoundPlayer&, StopFlag*, Sound& target, const TNotePlace& place,
                                                 const TPlayedNote& note, std::string& message) override
    {
        calls.push_back(
            {"into", note, place.MusicPosition, place.Time, place.MusicLength, 0, place.MonoStereo, &target});
        if (fail) {
            message = "in Player \"Flute\": no wave";
            return nullptr;
        }
        return std::make_unique<Started>();
    }

private:
    // Nothing to make or mix: the call is what the tests read.
    struct Started : TNoteInFlight {
        bool HasWork() const override { return false; }
        void Make(StopFlag*) override {}
        bool Mix(StopFlag*, std::string&) override { return true; }
    };
};

class FakeMainForm : public MainFormAccess {
public:
    FakeMainForm() { previous = SetMainFormAccess(this); }
    ~FakeMainForm() override { SetMainFormAccess(previous); }
    void PlaySound(const Sound& sound, bool maxVolume) override
    {
        played.push_back(&sound);
        loudest = maxVolume;
    }
    std::vector<const Sound*> played;
    bool loudest = true;

private:
    MainFormAccess* previous;
};

struct NotePlaying : MusicTest {
    NotePlaying() { previous = SetNotePlayerAccess(&fake); }
    ~NotePlaying() override { SetNotePlayerAccess(previous); }
    FakePlayers fake;
    FakeMainForm mainForm;
    MusicModel m;
    NotePlayerAccess* previous;
};

} // namespace

TEST_F(NotePlaying, PlayingANoteTellsWhyItCannot)
{
    TMuzNote* note = m.Note(0.5, 5, 4, 1);
    std::string message;
    EXPECT_FALSE(note->PlayNote(message));
    EXPECT_EQ(message, "Cannot find Player \"\" in Player Set \"\".");
    EXPECT_TRUE(mainForm.played.empty());

    m.group->SetPlayerSet("Winds");
    m.group->SetPlayer("Flute");
    fake.fail = true;
    EXPECT_FALSE(note->PlayNote(message));
    EXPECT_EQ(message, "in Player \"Flute\": no wave");
    EXPECT_TRUE(mainForm.played.empty());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(NotePlaying, APlayedNoteIsRenderedAloneAndPlayedAsItIs)
{
    m.group->SetPlayerSet("Winds");
    m.group->SetPlayer("Flute");
    m.group->FreqFactor = unitFactor(1.5, EHNone);
    m.group->VolumeFactor = unitFactor(0.5, EHNone);
    m.muz.Tempo = unitTimePosMore(2.0, EHS);
    m.unit.ChangeFileProps(TWaveFileProps(1, 22050, 2), TWaveFileProps(2, 44100, 2));
    TMuzNote* note = m.Note(0.5, 5, 4, 1);
    note->SetNoteArtKind(noteArtStaccato);
    std::string message;
    ASSERT_TRUE(note->PlayNote(message)) << message;
    ASSERT_EQ(mainForm.played.size(), 1u);
    EXPECT_FALSE(mainForm.loudest);
    ASSERT_EQ(fake.calls.size(), 1u);
    const FakePlayers::Call& call = fake.calls[0];
    EXPECT_NEAR(call.note.Period, 1.0 / 440, 1e-12);
    EXPECT_DOUBLE_EQ(call.note.FreqFactor, 1.5);
    EXPECT_DOUBLE_EQ(call.note.VolumeFactor, 0.5);
    EXPECT_DOUBLE_EQ(call.note.PlayLength, 0.1875);
    EXPECT_DOUBLE_EQ(call.note.Tempo, 2.0);
    EXPECT_EQ(call.musicPosition, 0.0);
    EXPECT_EQ(call.timePosition, 0.0);
    EXPECT_EQ(call.musicLength, 1.0);
    EXPECT_EQ(call.sampleFreq, 44100);
    EXPECT_EQ(call.monoStereo, 2);
}

TEST_F(NotePlaying, AutoPlayFollowsTheDocumentAndStaysSilent)
{
    TMuzNote* note = m.Note(0, 0);
    m.unit.SetAutoPlay(false);
    EXPECT_TRUE(note->AutoPlay(m.unit));
    m.unit.SetAutoPlay(true);
    EXPECT_FALSE(note->AutoPlay(m.unit)); // no player: nothing sounds, nothing is said
    m.group->SetPlayerSet("Winds");
    m.group->SetPlayer("Flute");
    EXPECT_TRUE(note->AutoPlay(m.unit));
    EXPECT_EQ(mainForm.played.size(), 1u);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(NotePlaying, RenderingIntoTheMusicAndMeasuring)
{
    m.group->SetPlayerSet("Winds");
    m.group->SetPlayer("Flute");
    std::string message;
    ASSERT_TRUE(m.group->FindPlayer(message));
    TMuzNote* member = m.Note(0.25, 5, 2, 0, triool, 2);
    std::string why;
    EXPECT_FALSE(RenderWhole(*member, TNotePlace{3.0, 6.0, 8.0, 1}, 0, 2.0, why));
    EXPECT_EQ(why, "There is no sound to render the note into.");

    m.stave->RenderSound = std::make_shared<StereoSound>(22050, 2);
    ASSERT_TRUE(RenderWhole(*member, TNotePlace{3.0, 6.0, 8.0, 1}, 12, 2.0, why));
    const FakePlayers::Call& into = fake.calls.back();
    EXPECT_EQ(into.target, m.stave->RenderSound.get());
    EXPECT_DOUBLE_EQ(into.musicPosition, 3.0 + 0.25 + 1.0 / 3);
    EXPECT_DOUBLE_EQ(into.timePosition, 6.0 + (0.25 + 1.0 / 3) * 2.0);
    EXPECT_DOUBLE_EQ(into.musicLength, 8.0);
    EXPECT_NEAR(into.note.Period, 1.0 / 880, 1e-12); // an octave up
    EXPECT_DOUBLE_EQ(into.note.PlayLength, 1.0 / 6);
    m.group->RenderSound = std::make_shared<StereoSound>(22050, 2);
    ASSERT_TRUE(RenderWhole(*member, TNotePlace{0, 0, 8.0, 2}, 0, 1.0, why));
    EXPECT_EQ(fake.calls.back().target, m.group->RenderSound.get());

    bool ok = false;
    EXPECT_DOUBLE_EQ(member->GetLeadTime(-12, 1.0, ok, message), 0.125);
    EXPECT_TRUE(ok);
    EXPECT_NEAR(fake.calls.back().note.Period, 2.0 / 440, 1e-12);
    EXPECT_DOUBLE_EQ(member->GetSoundLength(0, 1.0, ok, message), 2.5);

    fake.fail = true;
    EXPECT_FALSE(RenderWhole(*member, TNotePlace{0, 0, 8.0, 2}, 0, 1.0, why));
    EXPECT_EQ(why, "in Player \"Flute\": no wave");
    // Without its player found, a note renders nothing.
    TMuzNote* other = m.Note(0, 0, 4, 0, sool, 0, nullptr, nullptr);
    m.group->SetPlayer("Oboe");
    m.group->FindPlayer(message);
    EXPECT_FALSE(other->GetLeadTime(0, 1.0, ok, message) != 0 || ok);
}
