// The transport actions of the main window on the test device.
#include "support/TempFolder.h"

#include "platform/FakeAudioDevice.h"
#include "platform/RecordingMessageService.h"
#include "shell/AudioPlayer.h"
#include "shell/gui/MainForm.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/WaveFile.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveFileProps.h"
#include "wave/gui/MDIChildWave.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>

#include <thread>

namespace {

using A = ActionId;

SoundPtr Ramp(int32_t values)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i)
        wave->getData()[i] = static_cast<int16_t>(100 * (i % 50) + 1);
    return std::make_shared<MonoSound>(wave, 11025, 2);
}

struct TransportActionsTest : ::testing::Test {
    TransportActionsTest() { Install(true); }

    void Install(bool available)
    {
        auto owned = std::make_unique<FakeAudioDevice>(available);
        device = owned.get();
        form.SetAudioPlayer(std::make_unique<TAudioPlayer>(std::move(owned), folder.Path().string()));
        form.UpdateActions();
    }

    bool Checked(ActionId id) const { return form.Action(id)->isChecked(); }
    bool Enabled(ActionId id)
    {
        form.UpdateActions();
        return form.Action(id)->isEnabled();
    }

    RecordingMessageService messages;
    TempFolder folder;
    TMainForm form;
    FakeAudioDevice* device = nullptr;
};

} // namespace

// The device ends a play on its own thread; the player hears of it only on
// the GUI thread, through the event loop.
TEST_F(TransportActionsTest, TheEndOfAPlayArrivesThroughTheEventLoop)
{
    form.CreateWaveFromSound(Ramp(1000), "Wave", "");
    form.UpdateActions();
    form.Execute(A::FilePlay);
    EXPECT_TRUE(Checked(A::FilePlay));
    EXPECT_TRUE(Enabled(A::FileStop));

    std::thread audioThread([this] { device->FinishPlay(); });
    audioThread.join();
    EXPECT_TRUE(Checked(A::FilePlay)); // not yet: the report waits in the queue
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(Checked(A::FilePlay));
    EXPECT_FALSE(Enabled(A::FileStop));
    EXPECT_EQ(device->Mode(), AudioMode::NotReady);
}

TEST_F(TransportActionsTest, PauseCarriesItsCheckMark)
{
    EXPECT_TRUE(form.Action(A::FilePause)->isCheckable());
    form.CreateWaveFromSound(Ramp(1000), "Wave", "");
    form.UpdateActions();
    form.Execute(A::FilePause);
    form.UpdateActions();
    EXPECT_TRUE(Checked(A::FilePause));
    form.Execute(A::FilePlayMax);
    EXPECT_TRUE(Checked(A::FilePlayMax));
    EXPECT_EQ(device->Mode(), AudioMode::Stopped); // waits for Pause
    form.Execute(A::FilePause);
    form.UpdateActions();
    EXPECT_FALSE(Checked(A::FilePause));
    EXPECT_EQ(device->Mode(), AudioMode::Playing);
}

TEST_F(TransportActionsTest, RecordIntoAnEmptyWaveWithPlayOffMeanwhile)
{
    TUnitWave* played = form.CreateWaveFromSound(Ramp(1000), "Wave", "")->GetUnitWave();
    TUnitWave* target = form.NewWave(TWaveFileProps(1, 11025, 2));
    EXPECT_TRUE(Enabled(A::FileRecord));
    form.Execute(A::FileRecord);
    EXPECT_TRUE(Checked(A::FileRecord));
    EXPECT_TRUE(Enabled(A::FileStop));
    EXPECT_FALSE(Enabled(A::FilePause));

    // While recording, no window plays.
    form.MdiArea()->setActiveSubWindow(form.MdiArea()->subWindowList().front());
    ASSERT_EQ(form.ActiveWaveUnit(), played);
    EXPECT_FALSE(Enabled(A::FilePlay));
    EXPECT_FALSE(Enabled(A::FilePlayMax));

    const std::string take = folder.File("take.wav");
    StopFlag stop = 0;
    const SoundPtr heard = Ramp(300);
    ASSERT_TRUE(WriteWaveFile(&stop, take, *heard, 0, 300));
    device->SetRecording(take);
    form.Execute(A::FileStop);
    EXPECT_FALSE(Checked(A::FileRecord));
    EXPECT_EQ(target->GetValues(), 300);
    EXPECT_TRUE(target->IsChanged());
    EXPECT_TRUE(Enabled(A::FilePlay));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(TransportActionsTest, ClosingTheRecordedWindowStopsTheDeviceAndDropsTheRecording)
{
    form.NewWave(TWaveFileProps(1, 11025, 2));
    form.UpdateActions();
    form.Execute(A::FileRecord);
    ASSERT_EQ(device->Mode(), AudioMode::Recording);

    form.ActiveChild()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(device->Mode(), AudioMode::NotReady);
    EXPECT_EQ(form.AudioPlayer().RecordTarget(), nullptr);
    form.UpdateActions();
    EXPECT_FALSE(Checked(A::FileRecord));
    EXPECT_FALSE(form.Action(A::FileStop)->isEnabled());
    form.Execute(A::FileStop);
    EXPECT_EQ(messages.Count(), 0u);
}

// A machine without a sound card: the program works, Play and Record are off,
// and a play asked for elsewhere gets one clear message.
TEST_F(TransportActionsTest, WithoutADevicePlayAndRecordAreOff)
{
    Install(false);
    form.CreateWaveFromSound(Ramp(1000), "Wave", "");
    EXPECT_FALSE(Enabled(A::FilePlay));
    EXPECT_FALSE(Enabled(A::FilePlayMax));
    form.NewWave(TWaveFileProps(1, 11025, 2));
    EXPECT_FALSE(Enabled(A::FileRecord));
    EXPECT_FALSE(Enabled(A::FilePause));
    EXPECT_TRUE(Enabled(A::MakeSinus));
    EXPECT_EQ(messages.Count(), 0u);

    MainForm().PlaySound(*Ramp(10), false);
    MainForm().PlaySound(*Ramp(10), true);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "There is no audio device: playing and recording are off.");
}
