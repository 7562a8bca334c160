// The channel, echo, pitch-tempo and filter commands of the main window, run
// through their dialogs as a user would.
#include "wave/SoundTestSupport.h"

#include "foundation/gui/ExecDialog.h"
#include "platform/RecordingMessageService.h"
#include "shell/gui/MainForm.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/dialogs/DlgBalanceProps.h"
#include "wave/gui/dialogs/DlgBlockFilterProps.h"
#include "wave/gui/dialogs/DlgHighLowProps.h"
#include "wave/gui/dialogs/DlgLeftRightProps.h"
#include "wave/gui/dialogs/DlgPerEchoProps.h"
#include "wave/gui/dialogs/DlgRandomEchoProps.h"
#include "wave/gui/dialogs/DlgResNotchProps.h"
#include "wave/gui/dialogs/DlgTempoPitchProps.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include <functional>
#include <string>

namespace {

using A = ActionId;

struct ChannelCommandsTest : ::testing::Test {
    ChannelCommandsTest()
    {
        form.show();
        QApplication::setActiveWindow(&form);
    }
    ~ChannelCommandsTest() override { SetDialogScript(previous); }

    TUnitWave* Open(SoundPtr sound)
    {
        TMDIChildWave* window = form.CreateWaveFromSound(std::move(sound), "Wave", "");
        form.UpdateActions();
        return window->GetUnitWave();
    }

    // Runs the action with the user's part played by fill on the dialog; OK is
    // then pressed when press is true, else the dialog is cancelled.
    template <class Dialog>
    void Run(ActionId action, std::function<void(Dialog&)> fill, bool press = true)
    {
        int shown = 0;
        SetDialogScript([&](QDialog& dialog) {
            ++shown;
            auto* typed = dynamic_cast<Dialog*>(&dialog);
            EXPECT_NE(typed, nullptr);
            if (!typed)
                return int(QDialog::Rejected);
            fill(*typed);
            if (!press)
                return int(QDialog::Rejected);
            dialog.setResult(QDialog::Rejected);
            dialog.findChild<QPushButton*>("OKBtn")->click();
            return dialog.result();
        });
        form.UpdateActions();
        ASSERT_TRUE(form.Action(action)->isEnabled());
        form.Execute(action);
        EXPECT_EQ(shown, 1);
    }

    // The script shows the dialog without making it the active window, so
    // keys would go to the main window's shortcuts: the texts are set.
    static void Type(QLineEdit* edit, const QString& text) { edit->setText(text); }

    RecordingMessageService messages;
    TMainForm form;
    TDialogScript previous = SetDialogScript({});
};

} // namespace

TEST_F(ChannelCommandsTest, MixLeftRightSwappedExampleThenUndo)
{
    const Samples left = Ramp(200, 1), right = Ramp(200, 2);
    TUnitWave* unit = Open(Stereo(left, right));
    unit->ClearChanged();
    Run<TDlgLeftRightProps>(A::MixLeftRight, [](TDlgLeftRightProps& dialog) {
        dialog.cboExample->setCurrentIndex(1);
        emit dialog.cboExample->activated(1);
    });
    EXPECT_EQ(LeftOf(*unit->GetSound()), right);
    EXPECT_EQ(RightOf(*unit->GetSound()), left);
    EXPECT_TRUE(unit->IsWaveChanged());
    // The settings are the document's and the main window's last-used ones now.
    EXPECT_DOUBLE_EQ(unit->LeftRightProps.LeftToRight.GetValue(), 1.0);
    EXPECT_DOUBLE_EQ(form.EffectSettings().LeftRightProps.LeftToRight.GetValue(), 1.0);

    form.UpdateActions();
    form.Execute(A::Undo);
    EXPECT_EQ(LeftOf(*unit->GetSound()), left);
}

TEST_F(ChannelCommandsTest, BalancePlacesAMonoWaveInStereo)
{
    TUnitWave* unit = Open(Mono(Ramp(300, 1)));
    Run<TDlgBalanceProps>(A::Balance, [](TDlgBalanceProps& dialog) { Type(dialog.editDirConstant, "-1"); });
    EXPECT_EQ(unit->GetMonoStereo(), 2);
    EXPECT_DOUBLE_EQ(unit->BalanceProps.Direction.GetValue(), -1.0);
}

TEST_F(ChannelCommandsTest, EachFilterOpensWithItsOwnCaptionAndRecord)
{
    TUnitWave* unit = Open(Mono(Ramp(2000, 1), 44100));
    struct Row {
        ActionId action;
        const char* caption;
    };
    const Row rows[] = {{A::FilterHigh, "High Filter"},
                        {A::FilterLow, "Low Filter"},
                        {A::FilterRes, "Resonant Filter"},
                        {A::FilterNotch, "Notch Filter"},
                        {A::FilterBlock, "Block Filter"}};
    for (const Row& row : rows) {
        std::string caption;
        Run<QDialog>(
            row.action, [&](QDialog& dialog) { caption = dialog.windowTitle().toStdString(); }, false);
        EXPECT_EQ(caption, row.caption);
    }
    // Settings given to the notch filter stay the notch filter's.
    Run<TDlgResNotchProps>(A::FilterNotch, [](TDlgResNotchProps& dialog) { Type(dialog.editFreqConstant, "2 kHz"); });
    EXPECT_DOUBLE_EQ(unit->NotchProps.Frequency.GetValue(), 0.0005);
    EXPECT_DOUBLE_EQ(unit->ResProps.Frequency.GetValue(), 0.001);
    Run<TDlgResNotchProps>(
        A::FilterRes, [](TDlgResNotchProps& dialog) { EXPECT_EQ(dialog.editFreqConstant->text(), "1 khz"); }, false);
    Run<TDlgResNotchProps>(
        A::FilterNotch, [](TDlgResNotchProps& dialog) { EXPECT_EQ(dialog.editFreqConstant->text(), "2 khz"); },
        false);
}

TEST_F(ChannelCommandsTest, AResonantFrequencyAboveTheWavesRateNeverReachesTheWave)
{
    const Samples samples = Ramp(2000, 1);
    TUnitWave* unit = Open(Mono(samples, 22050));
    int refused = 0;
    Run<TDlgResNotchProps>(
        A::FilterRes,
        [&](TDlgResNotchProps& dialog) {
            Type(dialog.editFreqConstant, "30 kHz");
            dialog.OKButton()->click();
            refused = dialog.isVisible() ? 1 : 0;
        },
        false);
    EXPECT_EQ(refused, 1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Input Error");
    EXPECT_EQ(LeftOf(*unit->GetSound()), samples);
    EXPECT_FALSE(form.UndoSlot().HasUndo());
}

TEST_F(ChannelCommandsTest, PitchTempoMeasuresTheStartPositionAgainstTheSelection)
{
    TUnitWave* unit = Open(Mono(Ramp(44100, 1), 44100));
    unit->SetSelection(0, 22050);
    Run<TDlgTempoPitchProps>(
        A::TempoPitch,
        [](TDlgTempoPitchProps& dialog) {
            EXPECT_DOUBLE_EQ(dialog.GetProps().OperationTime, 0.5);
            Type(dialog.editStartPosition, "50 %");
            dialog.OKButton()->click();
            EXPECT_DOUBLE_EQ(dialog.GetProps().StartPosition.GetPosition(), 0.25);
        },
        false);
    // Cancelled: the document keeps its settings.
    EXPECT_DOUBLE_EQ(unit->TempoPitchProps.StartPosition.GetPosition(), 0.0);
}

TEST_F(ChannelCommandsTest, PeriodEchoOnASelectionThenUndoAndRedo)
{
    const Samples samples = Ramp(4410, 1);
    TUnitWave* unit = Open(Mono(samples, 44100));
    unit->SetSelection(1000, 2000);
    Run<TDlgPerEchoProps>(A::PerEcho, [](TDlgPerEchoProps& dialog) {
        Type(dialog.editTime, "5 ms");
        Type(dialog.editVolumeConstant, "50 %");
        Type(dialog.editCount, "2");
    });
    const Samples echoed = LeftOf(*unit->GetSound());
    EXPECT_NE(echoed, samples);
    EXPECT_EQ(unit->PerEchoProps.Count.GetValue(), 2);

    form.UpdateActions();
    form.Execute(A::Undo);
    EXPECT_EQ(LeftOf(*unit->GetSound()), samples);
    EXPECT_EQ(unit->GetSelectBegin(), 1000);
    form.UpdateActions();
    form.Execute(A::Undo);
    EXPECT_EQ(LeftOf(*unit->GetSound()), echoed);
}

TEST_F(ChannelCommandsTest, RandomEchoOpensOnTheDocumentsLastPage)
{
    TUnitWave* unit = Open(Mono(Ramp(2000, 1), 8000));
    Run<TDlgRandomEchoProps>(A::RndEcho, [](TDlgRandomEchoProps& dialog) {
        Type(dialog.editCount, "2");
        Type(dialog.editTimeDiff, "10 ms");
        dialog.pgcEchoManip->setCurrentWidget(dialog.tsPitch);
    });
    EXPECT_EQ(unit->RandomEchoProps.Page, 4);
    EXPECT_EQ(messages.Count(), 0u);
    // A cancelled dialog changes nothing, the undo of the echo included.
    Run<TDlgRandomEchoProps>(
        A::RndEcho, [](TDlgRandomEchoProps& dialog) { EXPECT_EQ(dialog.pgcEchoManip->currentIndex(), 4); }, false);
    EXPECT_TRUE(form.UndoSlot().HasUndo());
}
