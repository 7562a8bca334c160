#include "support/TempFolder.h"

#include "platform/FakeAudioDevice.h"
#include "shell/AudioPlayer.h"
#include "tests/music/MusicTreeSupport.h"
#include "wave/WaveFile.h"

#include <algorithm>

namespace {

// Play on a music window renders the music and plays the sound.
struct MusicPlay : MusicTree {
    MusicPlay()
    {
        auto owned = std::make_unique<FakeAudioDevice>();
        device = owned.get();
        player = std::make_unique<TAudioPlayer>(std::move(owned), folder.Path().string());
        players.soundLength = 0.5;
    }
    bool DeviceWasOpened() const
    {
        return std::count(device->Log().begin(), device->Log().end(), "Open") > 0;
    }
    TempFolder folder;
    FakeAudioDevice* device = nullptr;
    std::unique_ptr<TAudioPlayer> player;
};

} // namespace

TEST_F(MusicPlay, PlayOnAMusicWindowPlaysItsRendering)
{
    SetRoot(BarWithNotes({0.0}));
    player->FilePlay(false, &unit);
    ASSERT_TRUE(DeviceWasOpened());
    SoundPtr played;
    std::string text;
    ASSERT_TRUE(ReadWaveFile(player->GetPlayFileName(), played, text)) << text;
    EXPECT_EQ(played->GetValues(), static_cast<int32_t>(0.5 * 22050 + 1));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MusicPlay, MusicThatSoundsNothingOrFailsPlaysNothing)
{
    SetRoot(BarWithNotes({0.0}));
    stave->EnablePlayAndDraw = false;
    player->FilePlay(false, &unit);
    EXPECT_FALSE(DeviceWasOpened());
    EXPECT_EQ(messages.Count(), 0u);
    stave->EnablePlayAndDraw = true;
    stave->GetStartNoteGroup()->SetPlayer("missing");
    player->FilePlay(true, &unit);
    EXPECT_FALSE(DeviceWasOpened());
    EXPECT_EQ(messages.Count(), 1u);
}
