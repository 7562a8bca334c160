// The main window's wave commands: dialog, undo snapshot, last-used settings
// and change mark, with the user's part played by a script.
#include "StandInWindow.h"

#include "foundation/gui/ExecDialog.h"
#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"
#include "shell/UnhandledActions.h"
#include "shell/gui/DlgWaveFileProp.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormWaveCommands.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWaveGroup.h"
#include "wave/gui/dialogs/DlgBlockTriangleProps.h"
#include "wave/gui/dialogs/DlgHighLowProps.h"
#include "wave/gui/dialogs/DlgVolumeProps.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {

using A = ActionId;

std::shared_ptr<Sound> RampSound(int32_t values, int channels, uint32_t rate = 44100)
{
    StopFlag stop = 0;
    auto fill = [&] {
        RefPtr<Wave> wave = NewWave(&stop, values);
        for (int32_t i = 0; i < values; ++i)
            wave->getData()[i] = static_cast<int16_t>(i * 10 - 5000);
        return wave;
    };
    if (channels == 1)
        return std::make_shared<MonoSound>(fill(), rate, 2);
    return std::make_shared<StereoSound>(fill(), fill(), rate, 2);
}

// Plays the user's part in every dialog a command opens.
class ScriptedDialogs {
public:
    ScriptedDialogs()
    {
        previous = SetDialogScript([this](QDialog& dialog) {
            ++opened;
            return play ? play(dialog) : static_cast<int>(QDialog::Rejected);
        });
    }
    ~ScriptedDialogs() { SetDialogScript(previous); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    std::function<int(QDialog&)> play;
    int opened = 0;

private:
    TDialogScript previous;
};

int AcceptDialog(QDialog& dialog)
{
    dialog.accept();
    return dialog.result();
}

struct WaveCommandsTest : ::testing::Test {
    WaveCommandsTest()
    {
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
    }
    ~WaveCommandsTest() override
    {
        // The made waves are not kept.
        for (int i = 0; i < 8; ++i)
            messages.Answer(MsgAnswer::No);
    }

    TMDIChildWave* NewWindow(int32_t values = 1000, int channels = 1, uint32_t rate = 44100)
    {
        TMDIChildWave* window = form.CreateWaveFromSound(RampSound(values, channels, rate), "Wave", "");
        form.UpdateActions();
        return window;
    }
    // A wave as read from a file: saved, so a change shows.
    static void AsSaved(TUnitWave& unit)
    {
        unit.SetFileName("saved.wav");
        unit.ClearChanged();
    }
    void Activate(TMDIChildQuarbel* window)
    {
        form.MdiArea()->setActiveSubWindow(window);
        form.UpdateActions();
    }
    void Run(ActionId id)
    {
        form.UpdateActions();
        form.Execute(id);
    }

    RecordingMessageService messages;
    ScriptedDialogs dialogs;
    TMainForm form;
};

} // namespace

TEST_F(WaveCommandsTest, CancelLeavesTheDocumentTheSettingsAndTheUndo)
{
    TUnitWave* unit = NewWindow()->GetUnitWave();
    const SoundPtr original = unit->GetSound();
    Run(A::Reverse);
    ASSERT_NE(unit->GetSound(), original);
    TUndoUnit* snapshot = form.UndoSlot().GetUndo();

    dialogs.play = [](QDialog& dialog) {
        auto& volume = dynamic_cast<TDlgVolumeProps&>(dialog);
        volume.editVolume->setText("10 %");
        volume.reject();
        return volume.result();
    };
    Run(A::Volume);
    EXPECT_EQ(dialogs.opened, 1);
    EXPECT_EQ(form.UndoSlot().GetUndo(), snapshot);
    EXPECT_DOUBLE_EQ(unit->VolumeProps.Factor.GetValue(), 0.5);
    EXPECT_DOUBLE_EQ(form.EffectSettings().VolumeProps.Factor.GetValue(), 0.5);
    // Undo still reverts the reverse.
    Run(A::Undo);
    EXPECT_EQ(unit->GetSound(), original);
}

TEST_F(WaveCommandsTest, AnEffectOnAThenOnBUndoesOnlyB)
{
    TUnitWave* a = NewWindow()->GetUnitWave();
    Run(A::Reverse);
    const SoundPtr reversedA = a->GetSound();

    TMDIChildWave* windowB = NewWindow(500);
    TUnitWave* b = windowB->GetUnitWave();
    const SoundPtr originalB = b->GetSound();
    dialogs.play = AcceptDialog;
    Run(A::Volume);
    ASSERT_NE(b->GetSound(), originalB);
    const SoundPtr changedB = b->GetSound();
    EXPECT_TRUE(b->IsChanged());
    // The settings go to the document and become the main window's last used.
    EXPECT_EQ(form.UndoSlot().GetUndo()->GetUnitWave(), b);

    Run(A::Undo);
    EXPECT_EQ(b->GetSound(), originalB);
    EXPECT_EQ(a->GetSound(), reversedA);
    // A second Undo redoes.
    Run(A::Undo);
    EXPECT_EQ(b->GetSound(), changedB);
}

TEST_F(WaveCommandsTest, UndoFromAWindowOfAnotherKindStillRevertsTheWave)
{
    TUnitWave* unit = NewWindow()->GetUnitWave();
    const SoundPtr original = unit->GetSound();
    Run(A::Reverse);
    auto* music = new TStandInWindow(form, 2, "Music 1");
    form.AddChildWindow(music);
    Activate(music);
    ASSERT_EQ(form.ActiveWaveUnit(), nullptr);
    ASSERT_TRUE(form.Action(A::Undo)->isEnabled());
    Run(A::Undo);
    EXPECT_EQ(unit->GetSound(), original);
}

TEST_F(WaveCommandsTest, CopyMakesNoUndoAndNoChangeMark)
{
    TUnitWave* unit = NewWindow()->GetUnitWave();
    unit->SelectRange(100, 300);
    AsSaved(*unit);
    Run(A::EditCopy);
    ASSERT_NE(form.GetClipBoardSound(), nullptr);
    EXPECT_EQ(form.GetClipBoardSound()->GetValues(), 200);
    EXPECT_FALSE(form.UndoSlot().HasUndo());
    EXPECT_FALSE(unit->IsChanged());

    // Cut and Paste do change the wave, each with its own snapshot.
    Run(A::EditCut);
    EXPECT_EQ(unit->GetValues(), 800);
    EXPECT_TRUE(unit->IsChanged());
    Run(A::EditPaste);
    EXPECT_EQ(unit->GetValues(), 1000);
    Run(A::Undo);
    EXPECT_EQ(unit->GetValues(), 800);
}

TEST_F(WaveCommandsTest, MakeBlockAndMakeTriangleKeepSeparateRecords)
{
    TUnitWave* first = NewWindow()->GetUnitWave();
    dialogs.play = [](QDialog& dialog) {
        auto& block = dynamic_cast<TDlgBlockTriangleProps&>(dialog);
        EXPECT_EQ(block.windowTitle(), "Make Block");
        block.editHeight1->setText("10 %");
        return AcceptDialog(block);
    };
    Run(A::MakeBlock);
    const int16_t tenPercent = first->MakeBlockProps.Height1.GetValue();
    EXPECT_NE(tenPercent, TBlockTriangleProps().Height1.GetValue());
    EXPECT_EQ(form.EffectSettings().MakeBlockProps.Height1.GetValue(), tenPercent);

    QString shownHeight;
    dialogs.play = [&](QDialog& dialog) {
        auto& triangle = dynamic_cast<TDlgBlockTriangleProps&>(dialog);
        EXPECT_EQ(triangle.windowTitle(), "Make Triangle");
        shownHeight = triangle.editHeight1->text();
        triangle.reject();
        return triangle.result();
    };
    Run(A::MakeTriangle);
    EXPECT_EQ(shownHeight.toStdString(), TBlockTriangleProps().Height1.GetText());
    EXPECT_EQ(form.EffectSettings().MakeTriangleProps.Height1.GetValue(), TBlockTriangleProps().Height1.GetValue());

    // A new wave starts from the last used settings; an older one keeps its own.
    TUnitWave* second = NewWindow()->GetUnitWave();
    EXPECT_EQ(second->MakeBlockProps.Height1.GetValue(), tenPercent);
    dialogs.play = [](QDialog& dialog) {
        auto& block = dynamic_cast<TDlgBlockTriangleProps&>(dialog);
        block.editHeight1->setText("20 %");
        return AcceptDialog(block);
    };
    Run(A::MakeBlock);
    EXPECT_EQ(first->MakeBlockProps.Height1.GetValue(), tenPercent);
}

TEST_F(WaveCommandsTest, AnEffectStoppedForMemoryKeepsTheUndoAndTheMarkAndSaysSoOnce)
{
    TUnitWave* unit = NewWindow()->GetUnitWave();
    Run(A::Reverse);
    TUndoUnit* snapshot = form.UndoSlot().GetUndo();
    AsSaved(*unit);
    const SoundPtr before = unit->GetSound();

    AllocationHook::FailNext(1);
    Run(A::NormalizeVertically);
    AllocationHook::Reset();
    EXPECT_EQ(unit->GetSound(), before);
    EXPECT_FALSE(unit->IsChanged());
    EXPECT_EQ(form.UndoSlot().GetUndo(), snapshot);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "There is not enough memmory for this operation.");
    // The kept snapshot still undoes the reverse.
    Run(A::Undo);
    EXPECT_NE(unit->GetSound(), before);
}

TEST_F(WaveCommandsTest, WhileDrawingTheValueCommandsLeaveTheUndoAndVolumeTakesTheFactor)
{
    TUnitWave* other = NewWindow()->GetUnitWave();
    Run(A::Reverse);
    TUndoUnit* snapshot = form.UndoSlot().GetUndo();
    ASSERT_EQ(snapshot->GetUnitWave(), other);

    form.NewWave(TWaveFileProps(1, 44100, 2));
    TMDIChildWave* window = form.ActiveWaveWindow();
    TUnitWave* unit = window->GetUnitWave();
    Run(A::DrawWaveLin);
    ASSERT_TRUE(unit->IsUserDrawing());

    dialogs.play = AcceptDialog;
    Run(A::MoveV); // 0 + 50 %
    EXPECT_EQ(unit->GetDrawNodes()->Value, 16383);
    // An envelope left in the record from before drawing must not decide.
    unit->VolumeProps.VolumeKind = 1;
    Run(A::Volume);
    EXPECT_EQ(unit->GetDrawNodes()->Value, 8191);
    Run(A::MaxVolume);
    EXPECT_EQ(unit->GetDrawNodes()->Value, 32767);
    EXPECT_EQ(form.UndoSlot().GetUndo(), snapshot);
    EXPECT_TRUE(unit->IsChanged());
}

TEST_F(WaveCommandsTest, TheDrawCommandsStartSwitchAndEndTheDrawing)
{
    form.NewWave(TWaveFileProps(1, 44100, 2));
    TMDIChildWave* window = form.ActiveWaveWindow();
    TUnitWave* unit = window->GetUnitWave();
    Run(A::DrawWaveLin);
    EXPECT_TRUE(unit->IsUserDrawing());
    EXPECT_EQ(unit->GetDrawKind(), DrawLinear);
    EXPECT_EQ(window->CurrentCursor(), 1);
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::DrawWaveLin)->isChecked());

    // The other kind switches the curve without ending the drawing.
    Run(A::DrawWave3G);
    EXPECT_TRUE(unit->IsUserDrawing());
    EXPECT_EQ(unit->GetDrawKind(), DrawParabola);
    EXPECT_EQ(window->CurrentCursor(), 0);
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::DrawWave3G)->isChecked());
    EXPECT_FALSE(form.Action(A::DrawWaveLin)->isChecked());

    // The same kind again ends it; the drawn sound stays.
    Run(A::DrawWave3G);
    EXPECT_FALSE(unit->IsUserDrawing());
    EXPECT_GT(unit->GetValues(), 0);
    EXPECT_TRUE(unit->IsShadowChanged());
}

TEST_F(WaveCommandsTest, PropertiesOfAWaveAtARateNotOfferedKeepTheRate)
{
    TUnitWave* unit = NewWindow(480, 2, 48000)->GetUnitWave();
    const SoundPtr before = unit->GetSound();
    dialogs.play = [](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QListWidget*>("lbSampleFreq")->currentRow(), -1);
        return AcceptDialog(dialog);
    };
    Run(A::FileProperties);
    EXPECT_EQ(dialogs.opened, 1);
    EXPECT_EQ(unit->GetSampleFreq(), 48000u);
    EXPECT_EQ(unit->GetSound(), before);

    // A chosen format converts the wave, with an undo.
    dialogs.play = [](QDialog& dialog) {
        auto& format = dynamic_cast<TDlgWaveFileProp&>(dialog);
        format.lbSampleFreq->setCurrentRow(2);
        return AcceptDialog(format);
    };
    Run(A::FileProperties);
    EXPECT_EQ(unit->GetSampleFreq(), 22050u);
    EXPECT_NEAR(unit->GetValues(), 220, 1);
    ASSERT_TRUE(form.UndoSlot().HasUndo());
    EXPECT_EQ(form.UndoSlot().GetUndo()->GetSound(), before);
}

// Once a modal dialog is up, presses its OK.
void AcceptWhenModalOpens()
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->accept();
    });
}

TEST_F(WaveCommandsTest, ViewVolumeComputesTheDiagramOnlyWhenNeeded)
{
    TMDIChildWave* window = NewWindow();
    TViewWaveGroup* group = window->GetViewWaveGroup();
    AcceptWhenModalOpens();
    Run(A::ViewVold);
    EXPECT_EQ(window->GetShowKind(), 1);
    EXPECT_TRUE(group->HasVolumeWriter());
    group->StopVolumeWriter();
    // Nothing that changes the numbers: repainted, not computed again.
    AcceptWhenModalOpens();
    Run(A::ViewVold);
    EXPECT_FALSE(group->HasVolumeWriter());
    AcceptWhenModalOpens();
    Run(A::ViewWave);
    EXPECT_EQ(window->GetShowKind(), 0);
    // From the waveform the diagram is always computed.
    AcceptWhenModalOpens();
    Run(A::ViewVold);
    EXPECT_TRUE(group->HasVolumeWriter());
}

TEST(UnhandledActions, AnActionWithoutAHandlerIsDisabled)
{
    TCommandStates states;
    for (TActionState& state : states.actions)
        state.enabled = true;
    DisableUnhandledActions(states, [](ActionId id) { return id == A::Reverse || id == A::Undo; });
    for (int i = 0; i < ActionCount; ++i) {
        const auto id = static_cast<ActionId>(i);
        EXPECT_EQ(states[id].enabled, id == A::Reverse || id == A::Undo) << ActionInfo(id).name;
    }
}

TEST_F(WaveCommandsTest, NoActionIsEnabledWithoutAHandler)
{
    auto check = [this](const char* where) {
        form.UpdateActions();
        for (int i = 0; i < ActionCount; ++i) {
            const auto id = static_cast<ActionId>(i);
            if (form.Action(id)->isEnabled()) {
                EXPECT_TRUE(form.HasHandler(id)) << ActionInfo(id).name << " " << where;
            }
        }
    };
    check("without a window");
    TUnitWave* unit = NewWindow()->GetUnitWave();
    unit->SelectRange(10, 500);
    Run(A::EditCopy);
    Run(A::Reverse);
    check("with a wave, a selection, the clipboard and an undo");
    // Every edit command of the menu has its handler now.
    for (ActionId id : {A::EditDelete, A::EditTrim, A::EditCut, A::EditCopy, A::EditPaste, A::EditSwap,
                        A::EditExtract, A::EditMix, A::EditClearClipboard, A::Reverse, A::MaxVolume,
                        A::NormalizeVertically})
        EXPECT_TRUE(form.Action(id)->isEnabled()) << ActionInfo(id).name;
    // Without its handler an action is withdrawn, whatever the rules say.
    form.SetActionHandler(A::Reverse, nullptr);
    form.UpdateActions();
    EXPECT_FALSE(form.Action(A::Reverse)->isEnabled());
}

// A low filter of the largest count would run for hours: after half a second
// the progress window shows, and its Stop button (or Escape) ends the run with
// the old sound, the undo snapshot and the unchanged mark kept, and no message.
TEST_F(WaveCommandsTest, StopInTheProgressWindowEndsALongCommandKeepingTheOldSound)
{
    const std::function<void(QProgressDialog&)> stops[] = {
        [](QProgressDialog& progress) { progress.findChild<QPushButton*>()->click(); },
        [](QProgressDialog& progress) { QTest::keyClick(&progress, Qt::Key_Escape); },
    };
    for (const auto& stop : stops) {
        TUnitWave* unit = NewWindow()->GetUnitWave();
        Run(A::Reverse);
        TUndoUnit* snapshot = form.UndoSlot().GetUndo();
        AsSaved(*unit);
        const SoundPtr before = unit->GetSound();
        dialogs.play = [](QDialog& dialog) {
            auto& filter = dynamic_cast<TDlgHighLowProps&>(dialog);
            filter.editCount->setText("2147483647");
            return AcceptDialog(dialog);
        };
        // Looks for the progress window while the command runs, as the user would.
        bool shown = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (!progress || !progress->isVisible() || shown)
                return;
            shown = true;
            stop(*progress);
        });
        watch.start(20);
        Run(A::FilterLow);
        watch.stop();
        EXPECT_TRUE(shown);
        EXPECT_EQ(unit->GetSound(), before);
        EXPECT_FALSE(unit->IsChanged());
        EXPECT_EQ(form.UndoSlot().GetUndo(), snapshot);
        EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}
