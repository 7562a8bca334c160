#include "support/TempFolder.h"
#include "wave/document/DocumentFakes.h"

#include "platform/AllocationHook.h"
#include "platform/FakeAudioDevice.h"
#include "shell/AudioPlayer.h"
#include "wave/WaveFile.h"
#include "wave/document/WaveFileProps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <utility>

namespace {

struct AudioPlayerTest : ::testing::Test {
    AudioPlayerTest()
    {
        auto owned = std::make_unique<FakeAudioDevice>();
        device = owned.get();
        device->SetPlayEndHandler([this](uint64_t id) { reports.push_back(id); });
        player = std::make_unique<TAudioPlayer>(std::move(owned), folder.Path().string());
    }

    // The end reports reach the player later and in order, as the main
    // window's queued calls bring them.
    void DeliverReports()
    {
        for (uint64_t id : std::exchange(reports, {}))
            player->PlayerNotify(id);
    }

    std::string Marks() const
    {
        const TTransportMarks& m = player->Marks();
        std::string text;
        for (auto [on, name] : {std::pair{m.play, "Play"}, {m.playMax, "PlayMax"}, {m.pause, "Pause"},
                                {m.record, "Record"}})
            if (on)
                text += text.empty() ? name : std::string(" ") + name;
        return text;
    }

    static SoundPtr ReadWave(const std::string& fileName)
    {
        SoundPtr sound;
        std::string text;
        EXPECT_TRUE(ReadWaveFile(fileName, sound, text)) << text;
        return sound;
    }

    std::unique_ptr<TUnitWave> Unit(SoundPtr sound)
    {
        auto unit = std::make_unique<TUnitWave>(std::move(sound), "Wave 1", "");
        unit->SetChildWave(&window);
        return unit;
    }
    std::unique_ptr<TUnitWave> EmptyUnit(const TWaveFileProps& props)
    {
        auto unit = std::make_unique<TUnitWave>(props, "Wave 2", "");
        unit->SetChildWave(&window);
        return unit;
    }

    // What the device will have recorded when it saves.
    void DeviceHears(const Sound& sound)
    {
        const std::string take = folder.File("take.wav");
        StopFlag stop = 0;
        ASSERT_TRUE(WriteWaveFile(&stop, take, sound, 0, sound.GetValues()));
        device->SetRecording(take);
    }

    bool DeviceWasOpened() const
    {
        return std::count(device->Log().begin(), device->Log().end(), "Open") > 0;
    }

    RecordingMessageService messages;
    FakeHost host;
    FakeWaveWindow window;
    TempFolder folder;
    FakeAudioDevice* device = nullptr;
    std::vector<uint64_t> reports;
    std::unique_ptr<TAudioPlayer> player;
};

std::vector<int16_t> Samples(const Wave* wave, int32_t begin, int32_t end)
{
    return std::vector<int16_t>(wave->getData() + begin, wave->getData() + end);
}

} // namespace

TEST_F(AudioPlayerTest, TheTemporaryFilesHaveTheirNamesInTheFolder)
{
    EXPECT_EQ(player->GetPlayFileName(), folder.File("qbtempplaywave.wav"));
    EXPECT_EQ(player->GetRecordFileName(), folder.File("qbtemprecwave.wav"));
    EXPECT_TRUE(player->PlayRecordEnabled());
}

TEST_F(AudioPlayerTest, AnEmptySelectionPlaysTheWholeWaveASelectionOnlyItself)
{
    auto unit = Unit(RampSound(1000));
    player->FilePlay(false, unit.get());
    SoundPtr played = ReadWave(player->GetPlayFileName());
    ASSERT_TRUE(played);
    EXPECT_EQ(Samples(played->GetLeftWave(), 0, played->GetValues()), Samples(unit->GetSound()->GetLeftWave(), 0, 1000));
    EXPECT_EQ(device->OpenedFile(), player->GetPlayFileName());
    EXPECT_EQ(device->Mode(), AudioMode::Playing);
    EXPECT_EQ(Marks(), "Play");

    unit->SetSelection(100, 300);
    player->FilePlay(false, unit.get());
    played = ReadWave(player->GetPlayFileName());
    ASSERT_TRUE(played);
    EXPECT_EQ(Samples(played->GetLeftWave(), 0, played->GetValues()),
              Samples(unit->GetSound()->GetLeftWave(), 100, 300));
}

TEST_F(AudioPlayerTest, NothingToPlayInAnEmptyWaveOrWithoutAWave)
{
    auto empty = EmptyUnit(TWaveFileProps(1, 22050, 2));
    player->FilePlay(false, empty.get());
    player->FilePlay(true, nullptr);
    EXPECT_FALSE(DeviceWasOpened());
    EXPECT_EQ(Marks(), "");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(AudioPlayerTest, APlayFileThatCannotBeWrittenPlaysNothing)
{
    std::filesystem::create_directories(player->GetPlayFileName()); // a folder in its place
    auto unit = Unit(RampSound(100));
    player->FilePlay(false, unit.get());
    EXPECT_FALSE(DeviceWasOpened());
    EXPECT_EQ(Marks(), "");
    ASSERT_EQ(messages.Count(), 1u); // the writer's own
    EXPECT_EQ(messages.Last().caption, "FileError");
}

// A second play cuts the first: the first one's end report comes after the
// second began and must not end it.
TEST_F(AudioPlayerTest, AStaleEndReportDoesNotStopTheNewerPlay)
{
    auto unit = Unit(RampSound(1000));
    player->FilePlay(false, unit.get());
    player->FilePlay(true, unit.get());
    ASSERT_EQ(reports.size(), 1u); // the end of the first play
    DeliverReports();
    EXPECT_EQ(Marks(), "PlayMax");
    EXPECT_EQ(device->Mode(), AudioMode::Playing);

    // The same after a pause and a stop.
    player->PausePlayer();
    player->StopPlayer();
    player->PausePlayer(); // disarm
    player->FilePlay(false, unit.get());
    DeliverReports();
    EXPECT_EQ(Marks(), "Play");

    device->FinishPlay();
    DeliverReports();
    EXPECT_EQ(Marks(), "");
    EXPECT_EQ(device->Mode(), AudioMode::NotReady);
    // A report that arrives twice, or for nothing, changes nothing.
    player->PlayerNotify(device->RunningPlay());
    player->PlayerNotify(12345);
    EXPECT_EQ(Marks(), "");
}

TEST_F(AudioPlayerTest, PlayMaximalPlaysALouderCopyAndLeavesTheWaveAlone)
{
    StopFlag stop = 0;
    RefPtr<Wave> quiet = NewWave(&stop, 2000);
    for (int32_t i = 0; i < 2000; ++i)
        quiet->getData()[i] = static_cast<int16_t>(i % 200 - 100);
    auto unit = Unit(std::make_shared<MonoSound>(quiet, 22050, 2));
    const Sound* sound = unit->GetSound().get();
    const bool changed = unit->IsWaveChanged();

    player->FilePlay(true, unit.get());
    const SoundPtr played = ReadWave(player->GetPlayFileName());
    ASSERT_TRUE(played);
    ASSERT_EQ(played->GetValues(), 2000);
    const int16_t* data = played->GetLeftWave()->getData();
    const int peak = std::abs(*std::max_element(data, data + 2000, [](int a, int b) { return std::abs(a) < std::abs(b); }));
    EXPECT_GE(peak, 32000);
    EXPECT_EQ(Marks(), "PlayMax");
    EXPECT_EQ(unit->GetSound().get(), sound);
    EXPECT_EQ(Samples(sound->GetLeftWave(), 0, 3), (std::vector<int16_t>{-100, -99, -98}));
    EXPECT_EQ(unit->IsWaveChanged(), changed);
}

TEST_F(AudioPlayerTest, PlayMaximalWithoutMemoryPlaysNothingAndGoesOn)
{
    auto unit = Unit(RampSound(1000));
    AllocationHook::FailNext(1);
    player->FilePlay(true, unit.get());
    AllocationHook::Reset();
    EXPECT_FALSE(DeviceWasOpened());
    EXPECT_EQ(Marks(), "");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "System Error");

    player->FilePlay(true, unit.get());
    EXPECT_EQ(Marks(), "PlayMax");
}

TEST_F(AudioPlayerTest, PauseArmsHoldsResumesAndSurvivesAStop)
{
    auto unit = Unit(RampSound(1000));
    // Pressed while nothing plays, Pause is armed: the next play only opens.
    player->PausePlayer();
    EXPECT_EQ(Marks(), "Pause");
    player->FilePlay(false, unit.get());
    EXPECT_EQ(Marks(), "Play Pause");
    EXPECT_TRUE(player->PendingPlay());
    EXPECT_EQ(device->Mode(), AudioMode::Stopped);
    // The next Pause starts it and is unchecked.
    player->PausePlayer();
    EXPECT_EQ(Marks(), "Play");
    EXPECT_EQ(device->Mode(), AudioMode::Playing);
    EXPECT_FALSE(player->IsPaused());

    // Pause holds a play; the held play's end report is stale.
    player->PausePlayer();
    EXPECT_EQ(Marks(), "Play Pause");
    EXPECT_EQ(device->Mode(), AudioMode::Paused);
    DeliverReports();
    EXPECT_EQ(Marks(), "Play Pause");
    // Pause again goes on from there.
    player->PausePlayer();
    EXPECT_EQ(Marks(), "Play");
    EXPECT_EQ(device->Mode(), AudioMode::Playing);

    // Stopping a held play leaves the pause armed.
    player->PausePlayer();
    player->StopPlayer();
    EXPECT_EQ(Marks(), "Pause");
    EXPECT_TRUE(player->IsPaused());
    EXPECT_EQ(device->Mode(), AudioMode::NotReady);
    // Pressed again while nothing plays, it is disarmed.
    player->PausePlayer();
    EXPECT_EQ(Marks(), "");
    EXPECT_FALSE(player->IsPaused());
}

TEST_F(AudioPlayerTest, RecordingGoesOnlyIntoAnEmptyWaveInItsFormat)
{
    auto full = Unit(RampSound(10));
    player->RecordIntoWave(full.get());
    player->RecordIntoWave(nullptr);
    EXPECT_FALSE(DeviceWasOpened());
    EXPECT_EQ(Marks(), "");

    auto empty = EmptyUnit(TWaveFileProps(2, 22050, 1));
    player->RecordIntoWave(empty.get());
    EXPECT_EQ(Marks(), "Record");
    EXPECT_EQ(device->Mode(), AudioMode::Recording);
    EXPECT_EQ(player->RecordTarget(), empty.get());
    // The device was opened on an empty file of the wave's format.
    EXPECT_EQ(device->OpenedFile(), player->GetRecordFileName());
    const SoundPtr format = ReadWave(player->GetRecordFileName());
    ASSERT_TRUE(format);
    EXPECT_EQ(format->GetValues(), 0);
    EXPECT_EQ(format->channels, 2);
    EXPECT_EQ(format->sampleFreq, 22050);
    EXPECT_EQ(format->bytesPerSample, 1);

    // Record pressed again stops and puts the recording into the wave.
    const SoundPtr take = RampSound(500, 22050, 2);
    take->bytesPerSample = 1;
    DeviceHears(*take);
    player->RecordIntoWave(empty.get());
    EXPECT_EQ(Marks(), "");
    EXPECT_EQ(player->RecordTarget(), nullptr);
    EXPECT_EQ(device->Mode(), AudioMode::NotReady);
    ASSERT_EQ(empty->GetValues(), 500);
    EXPECT_EQ(empty->GetMonoStereo(), 2);
    const SoundPtr expected = ReadWave(folder.File("take.wav"));
    EXPECT_EQ(Samples(empty->GetSound()->GetRightWave(), 0, 500), Samples(expected->GetRightWave(), 0, 500));
    EXPECT_TRUE(empty->IsChanged());
    EXPECT_EQ(window.soundChanged, 1);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(AudioPlayerTest, ARecordingInAnotherFormatIsConvertedToTheWaves)
{
    auto empty = EmptyUnit(TWaveFileProps(2, 22050, 2));
    player->RecordIntoWave(empty.get());
    DeviceHears(*RampSound(300, 11025, 1));
    player->StopPlayer();
    EXPECT_EQ(empty->GetMonoStereo(), 2);
    EXPECT_EQ(empty->GetSampleFreq(), 22050u);
    EXPECT_EQ(empty->GetBytesPSample(), 2);
    EXPECT_NEAR(empty->GetValues(), 600, 2);
    EXPECT_TRUE(empty->IsChanged());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(AudioPlayerTest, AFailedRecordingUnchecksRecordAndLeavesTheWaveEmpty)
{
    struct Case {
        const char* name;
        std::function<void(AudioPlayerTest&)> arrange;
        std::string message;
        std::string caption;
    };
    const std::string recordFile = player->GetRecordFileName();
    const std::vector<Case> cases = {
        {"read back fails",
         [](AudioPlayerTest& t) {
             WriteWholeFile(t.folder.File("take.wav"), "not a wave");
             t.device->SetRecording(t.folder.File("take.wav"));
         },
         "Cannot read the file: \"" + recordFile + "\", \"RIFF\" not found.", "File Error"},
        {"save fails", [](AudioPlayerTest& t) { t.device->SetSaveFails(true); },
         "Cannot save the recording: The device could not save.", "Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();
        auto empty = EmptyUnit(TWaveFileProps(1, 11025, 2));
        player->RecordIntoWave(empty.get());
        c.arrange(*this);
        player->StopPlayer();
        EXPECT_EQ(Marks(), "");
        EXPECT_EQ(player->RecordTarget(), nullptr);
        EXPECT_EQ(empty->GetValues(), 0);
        EXPECT_FALSE(empty->IsChanged());
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, c.message);
        EXPECT_EQ(messages.Last().caption, c.caption);
        device->SetSaveFails(false);
    }
}

TEST_F(AudioPlayerTest, TheRecordedWaveClosingStopsTheDeviceAndDropsTheRecording)
{
    auto empty = EmptyUnit(TWaveFileProps(1, 11025, 2));
    player->RecordIntoWave(empty.get());
    DeviceHears(*RampSound(100, 11025, 1));
    player->UnitClosing(nullptr);
    player->UnitClosing(Unit(RampSound(3)).get()); // another document: nothing
    EXPECT_EQ(device->Mode(), AudioMode::Recording);

    player->UnitClosing(empty.get());
    empty.reset();
    EXPECT_EQ(device->Mode(), AudioMode::NotReady);
    EXPECT_EQ(Marks(), "");
    EXPECT_EQ(player->RecordTarget(), nullptr);
    player->StopPlayer();
    player->RecordIntoWave(nullptr);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(AudioPlayerTest, APlayDuringARecordingKeepsTheRecordingFirst)
{
    auto empty = EmptyUnit(TWaveFileProps(1, 11025, 2));
    auto other = Unit(RampSound(50, 11025, 1));
    player->RecordIntoWave(empty.get());
    DeviceHears(*RampSound(100, 11025, 1));
    player->FilePlay(false, other.get());
    EXPECT_EQ(empty->GetValues(), 100);
    EXPECT_EQ(Marks(), "Play");
    EXPECT_EQ(device->OpenedFile(), player->GetPlayFileName());

    // And a recording started during a play ends that play.
    auto second = EmptyUnit(TWaveFileProps(1, 11025, 2));
    player->RecordIntoWave(second.get());
    DeliverReports();
    EXPECT_EQ(Marks(), "Record");
}

TEST_F(AudioPlayerTest, AnArmedPauseHoldsARecordingUntilPauseAndStopDropsIt)
{
    auto empty = EmptyUnit(TWaveFileProps(1, 11025, 2));
    player->PausePlayer();
    player->RecordIntoWave(empty.get());
    EXPECT_TRUE(player->PendingRecord());
    EXPECT_EQ(Marks(), "Pause Record");
    EXPECT_EQ(device->Mode(), AudioMode::Stopped);
    player->PausePlayer();
    EXPECT_FALSE(player->PendingRecord());
    EXPECT_EQ(Marks(), "Record");
    EXPECT_EQ(device->Mode(), AudioMode::Recording);
    // Pause does not hold a running recording (its action is off then).
    player->PausePlayer();
    EXPECT_EQ(device->Mode(), AudioMode::Recording);
    player->StopPlayer();

    // A recording that waits and is stopped never started: nothing is kept.
    auto second = EmptyUnit(TWaveFileProps(1, 11025, 2));
    player->PausePlayer();
    player->RecordIntoWave(second.get());
    player->StopPlayer();
    EXPECT_EQ(Marks(), "Pause");
    EXPECT_EQ(player->RecordTarget(), nullptr);
    EXPECT_EQ(second->GetValues(), 0);
}

TEST_F(AudioPlayerTest, ADeviceThatRefusesToStartGivesItsReason)
{
    auto unit = Unit(RampSound(100));
    auto empty = EmptyUnit(TWaveFileProps(1, 11025, 2));
    device->SetStartFails(true);
    player->FilePlay(false, unit.get());
    player->RecordIntoWave(empty.get());
    EXPECT_EQ(Marks(), "");
    EXPECT_EQ(device->Mode(), AudioMode::NotReady);
    EXPECT_EQ(player->RecordTarget(), nullptr);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.All()[0].text, "Cannot play the sound: The device refused to start.");
    EXPECT_EQ(messages.All()[1].text, "Cannot record: The device refused to start.");
}

TEST(AudioPlayerWithoutDevice, PlayAndRecordAreOffWithOneMessageWhenTried)
{
    RecordingMessageService messages;
    TempFolder folder;
    FakeHost host;
    auto owned = std::make_unique<FakeAudioDevice>(false);
    FakeAudioDevice* device = owned.get();
    TAudioPlayer player(std::move(owned), folder.Path().string());
    EXPECT_FALSE(player.PlayRecordEnabled());
    EXPECT_EQ(messages.Count(), 0u); // nothing at start

    TUnitWave unit(RampSound(100), "Wave 1", "");
    TUnitWave empty(TWaveFileProps(1, 11025, 2), "Wave 2", "");
    player.FilePlay(false, &unit);
    player.PlaySound(*unit.GetSound(), true);
    player.RecordIntoWave(&empty);
    player.PausePlayer();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "There is no audio device: playing and recording are off.");
    EXPECT_TRUE(device->Log().empty());
    EXPECT_EQ(player.Marks(), TTransportMarks{});

    // The same without any device at all.
    TAudioPlayer none(nullptr, folder.Path().string());
    EXPECT_FALSE(none.PlayRecordEnabled());
}

TEST(AudioPlayerWithoutDevice, AFolderThatCannotBeMadeTurnsPlayAndRecordOff)
{
    RecordingMessageService messages;
    TempFolder folder;
    WriteWholeFile(folder.File("file"), "x");
    const std::string unusable = folder.File("file") + "/temp";
    TAudioPlayer player(std::make_unique<FakeAudioDevice>(), unusable);
    EXPECT_FALSE(player.PlayRecordEnabled());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Could not create directory \"" + unusable + "\". Play and Record disabled");
    player.PlaySound(*RampSound(10), false);
    EXPECT_EQ(messages.Count(), 1u);
}
