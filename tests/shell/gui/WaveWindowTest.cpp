#include "support/TempFolder.h"
#include "support/gui/ModalDialog.h"

#include "foundation/gui/PanelStatusBar.h"
#include "platform/RecordingMessageService.h"
#include "shell/AudioPlayer.h"
#include "shell/gui/DlgWaveFileProp.h"
#include "shell/gui/MainForm.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/WaveFile.h"
#include "wave/document/UnitWave.h"
#include "wave/document/UnitWaveSideFile.h"
#include "wave/document/WaveFileProps.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWave.h"
#include "wave/gui/ViewWaveGroup.h"
#include "wave/gui/WaveWindowIcons.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPointer>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <cmath>
#include <map>

namespace {

using A = ActionId;

std::shared_ptr<Sound> SineSound(int32_t values, int channels)
{
    StopFlag stop = 0;
    auto fill = [&](int sign) {
        RefPtr<Wave> wave = NewWave(&stop, values);
        for (int32_t i = 0; i < values; ++i)
            wave->getData()[i] = static_cast<int16_t>(sign * 12000 * std::sin(i * 0.05));
        return wave;
    };
    if (channels == 1)
        return std::make_shared<MonoSound>(fill(1), 44100, 2);
    return std::make_shared<StereoSound>(fill(1), fill(-1), 44100, 2);
}

void WriteWav(const std::string& fileName, int32_t values, int channels = 2)
{
    StopFlag stop = 0;
    std::shared_ptr<Sound> sound = SineSound(values, channels);
    ASSERT_TRUE(WriteWaveFile(&stop, fileName, *sound, 0, values));
}

// The pixels a widget shows (a child and a window grab to different formats).
QImage ShownImage(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What a plain label of the panel's size, font and frame shows for text.
QImage PlainLabelImage(const QLabel* panel, const QString& text)
{
    QLabel label(text);
    label.setFont(panel->font());
    label.setPalette(panel->palette());
    label.setFrameStyle(panel->frameStyle());
    label.setTextFormat(Qt::PlainText);
    label.setFixedSize(panel->size());
    return ShownImage(&label);
}

struct WaveWindowTest : ::testing::Test {
    WaveWindowTest()
    {
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        form.UpdateActions();
    }

    std::vector<TMDIChildWave*> Windows() const
    {
        std::vector<TMDIChildWave*> result;
        for (QMdiSubWindow* window : form.MdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (auto* wave = qobject_cast<TMDIChildWave*>(window); wave && !wave->IsClosing())
                result.push_back(wave);
        return result;
    }

    void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    RecordingMessageService messages;
    TempFolder folder;
    TMainForm form;
};

} // namespace

TEST_F(WaveWindowTest, OneUnreadableFileAmongThreeGivesOneMessage)
{
    const std::string a = folder.File("a.wav"), b = folder.File("b.wav"), c = folder.File("c.wav");
    WriteWav(a, 1000);
    WriteWholeFile(b, "not a wave at all");
    WriteWav(c, 2000, 1);

    form.OpenWaveFiles({a, b, c});

    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot read the file: \"" + b + "\"\"RIFF\" not found.");
    EXPECT_EQ(messages.Last().caption, "File Error");
    const std::vector<TMDIChildWave*> windows = Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]->GetUnitWave()->GetFileName(), a);
    EXPECT_EQ(windows[1]->GetUnitWave()->GetFileName(), c);
    EXPECT_EQ(windows[0]->windowTitle().toStdString(), "Wave 1 - " + a);
    EXPECT_EQ(windows[1]->windowTitle().toStdString(), "Wave 2 - " + c);
    EXPECT_EQ(windows[1]->GetUnitWave()->GetValues(), 2000);
    EXPECT_EQ(windows[1]->GetIconNumber(), waveIconMono);
    // An opened file is not changed: it closes without a question.
    EXPECT_FALSE(windows[0]->NeedsSaving());
    EXPECT_EQ(form.ActiveWaveWindow(), windows[1]);
}

TEST_F(WaveWindowTest, TheSameFileOpenedTwiceGetsTwoNames)
{
    const std::string a = folder.File("a.wav");
    WriteWav(a, 500);
    ASSERT_NE(form.OpenWaveFile(false, a, ""), nullptr);
    ASSERT_NE(form.OpenWaveFile(false, a, ""), nullptr);
    const std::vector<TMDIChildWave*> windows = Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]->GetUnitName(), "Wave 1");
    EXPECT_EQ(windows[1]->GetUnitName(), "Wave 2");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WaveWindowTest, TheCommandLineOpensAWave)
{
    const std::string a = folder.File("take.wav");
    WriteWav(a, 300);
    form.FormShow(a);
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(Windows()[0]->GetUnitWave()->GetValues(), 300);
    form.FormShow(folder.File("gone.wav"));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot read the file: \"" + folder.File("gone.wav") + "\"Cannot open File.");
    EXPECT_EQ(Windows().size(), 1u);
}

TEST_F(WaveWindowTest, ADottedNameOpensFromTheCommandLineWithItsSideFile)
{
    // Dots in the folder and in the name, as a file manager passes them.
    std::filesystem::create_directory(folder.Path() / "a.b");
    const std::string file = folder.File("a.b/take.2.wav");
    WriteWav(file, 900);
    {
        TUnitWave saved(SineSound(900, 2), "Wave 9", file);
        saved.SetCursor(321);
        ASSERT_TRUE(saved.SaveShadowFile(file));
    }
    ASSERT_TRUE(std::filesystem::exists(folder.File("a.b/take.2.qbw")));
    form.FormShow(file);
    EXPECT_EQ(messages.Count(), 0u);
    ASSERT_EQ(Windows().size(), 1u);
    TUnitWave* unit = Windows()[0]->GetUnitWave();
    EXPECT_EQ(unit->GetFileName(), file);
    EXPECT_EQ(Windows()[0]->windowTitle().toStdString(), "Wave 1 - " + file);
    EXPECT_EQ(unit->GetValues(), 900);
    EXPECT_EQ(unit->GetCursorPos(), 321);
}

TEST_F(WaveWindowTest, AHintLongerThanItsPanelIsCutWithAnEllipsisInsideIt)
{
    form.CreateWaveFromSound(SineSound(1000, 2), "Wave", "");
    form.UpdateActions();
    TPanelStatusBar* bar = form.StatusBarWave();
    ASSERT_TRUE(bar->isVisible());
    // A large font makes the hint longer than its panel in any face.
    QFont large = form.statusBar()->font();
    large.setPixelSize(24);
    form.statusBar()->setFont(large);
    bar->SetPanelText(1, "(4:23.34841, 97.44 %)");
    QLabel* hintPanel = bar->Panel(0);
    // The bar grows to the font through a chain of layout requests.
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->height() >= bar->sizeHint().height(); }));
    QAction* undo = form.Action(A::Undo);
    const QString hint = undo->statusTip();
    ASSERT_EQ(hint, "Undo the last change of a wave; again to redo");
    ASSERT_GT(hintPanel->fontMetrics().horizontalAdvance(hint), hintPanel->contentsRect().width());
    QWidget* button = nullptr;
    for (QToolBar* toolBar : form.findChildren<QToolBar*>())
        if (QWidget* each = toolBar->widgetForAction(undo); each && each->isVisible())
            button = each;
    ASSERT_NE(button, nullptr);
    const QImage before = ShownImage(bar);

    // Hovered as a user does; the toolbars settle to the wave's window kind
    // meanwhile, so the pointer follows the button until the panel holds the
    // whole hint. The status tip it came from keeps it too.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        QTest::mouseMove(button);
        return bar->PanelText(0) == hint;
    }));
    EXPECT_EQ(undo->statusTip(), hint);
    const QImage after = ShownImage(bar);
    ASSERT_EQ(after.size(), before.size());
    // Nothing of it is drawn on the panel's frame or beside the panel.
    const QRect inside = hintPanel->contentsRect().translated(hintPanel->pos());
    int changedOutside = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (!inside.contains(x, y) && after.pixel(x, y) != before.pixel(x, y))
                ++changedOutside;
    EXPECT_EQ(changedOutside, 0);
    // The panel shows the start of the hint and an ellipsis, all of it inside
    // the panel, as a label would.
    const QImage shown = ShownImage(hintPanel);
    int kept = 0;
    for (int n = static_cast<int>(hint.size()) - 1; n > 0 && kept == 0; --n)
        for (const QString& ellipsis : {QString(QChar(0x2026)), QString("...")}) {
            const QString cut = hint.left(n) + ellipsis;
            if (hintPanel->fontMetrics().horizontalAdvance(cut) <= hintPanel->contentsRect().width() &&
                shown == PlainLabelImage(hintPanel, cut))
                kept = n;
        }
    EXPECT_GT(kept, 0);

    // A hint that fits is shown whole, as a label shows it.
    bar->SetPanelText(0, "Undo");
    EXPECT_TRUE(ShownImage(hintPanel) == PlainLabelImage(hintPanel, "Undo"));
}

TEST_F(WaveWindowTest, AnEmptyWaveReopensFromItsSideFile)
{
    // An empty wave has no .wav file; its side file keeps the format.
    const std::string file = folder.File("empty.wav");
    {
        TUnitWave saved(TWaveFileProps(1, 22050, 1), "Wave 9", file);
        ASSERT_TRUE(saved.SaveShadowFile(file));
    }
    ASSERT_FALSE(std::filesystem::exists(file));
    TUnitWave* unit = form.OpenWaveFile(false, file, "");
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(unit->GetValues(), 0);
    EXPECT_EQ(unit->GetMonoStereo(), 1);
    EXPECT_EQ(unit->GetSampleFreq(), 22050u);
    EXPECT_EQ(unit->GetBytesPSample(), 1);
    EXPECT_EQ(unit->GetName(), "Wave 1");
}

TEST_F(WaveWindowTest, ABrokenSideFileIsReportedAndTheWaveStays)
{
    const std::string file = folder.File("take.wav");
    WriteWav(file, 800);
    WriteWholeFile(SideFileName(file), "<UnitWave>broken");
    TUnitWave* unit = form.OpenWaveFile(false, file, "");
    ASSERT_NE(unit, nullptr);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("Cannot read the file: \"" + SideFileName(file) + "\": ", 0), 0u)
        << messages.Last().text;
    EXPECT_EQ(messages.Last().caption, "File Error");
    EXPECT_EQ(unit->GetValues(), 800);
    EXPECT_TRUE(unit->GetTrackChanges());
}

TEST_F(WaveWindowTest, AProjectCopyWinsAndMarksTheWaveChanged)
{
    const std::string file = folder.File("take.wav"), copy = folder.File("copy.wav");
    WriteWav(file, 100);
    WriteWav(copy, 700);
    TUnitWave* unit = form.OpenWaveFile(false, file, copy);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->GetValues(), 700);
    EXPECT_EQ(unit->GetFileName(), file);
    EXPECT_TRUE(unit->IsChanged());

    // Neither copy nor file: the wave was empty when the project was saved.
    TUnitWave* empty = form.OpenWaveFile(true, folder.File("none.wav"), folder.File("nocopy.wav"));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->GetValues(), 0);
    EXPECT_EQ(empty->GetMonoStereo(), 2);
    EXPECT_EQ(empty->GetSampleFreq(), 44100u);
    // The project reader switches tracking on when it is done.
    EXPECT_FALSE(empty->GetTrackChanges());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WaveWindowTest, ANewWaveWindowShowsTheSecondPane)
{
    form.EffectSettings().VolumeProps.VolumeKind = 1;
    TUnitWave* unit = form.NewWave(TWaveFileProps(2, 44100, 2));
    ASSERT_NE(unit, nullptr);
    TMDIChildWave* window = form.ActiveWaveWindow();
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    TViewWaveGroup* group = window->GetViewWaveGroup();
    EXPECT_EQ(group->GetPane(1)->width(), 1);
    EXPECT_EQ(group->GetSplitter()->handleWidth(), 3);
    EXPECT_GT(group->GetPane(2)->width(), 100);
    EXPECT_EQ(window->GetIconNumber(), waveIconStereo);
    EXPECT_EQ(unit->GetName(), "Wave 1");
    EXPECT_EQ(window->windowTitle(), "Wave 1");
    // The last-used settings come with the new document; an empty wave asks nothing.
    EXPECT_EQ(unit->VolumeProps.VolumeKind, 1);
    EXPECT_FALSE(window->NeedsSaving());
    EXPECT_TRUE(form.Action(A::ViewWave)->isChecked());
    EXPECT_FALSE(form.Action(A::ViewVold)->isChecked());

    form.NewWave(TWaveFileProps(1, 22050, 1));
    EXPECT_EQ(form.ActiveWaveWindow()->GetIconNumber(), waveIconMono);
    EXPECT_EQ(form.ActiveWaveUnit()->GetName(), "Wave 2");
    // The volume diagram has its own icon, and back.
    form.ActiveWaveWindow()->SetShowKind(1);
    EXPECT_EQ(form.ActiveWaveWindow()->GetIconNumber(), waveIconVolume);
    form.ActiveWaveWindow()->SetShowKind(0);
    EXPECT_EQ(form.ActiveWaveWindow()->GetIconNumber(), waveIconMono);
}

TEST_F(WaveWindowTest, ZoomModeSetsTheCursorOnlyForItsThreeValues)
{
    TMDIChildWave* window = form.CreateWaveFromSound(SineSound(1000, 2), "Wave", "");
    window->SetZoomMode(1);
    EXPECT_EQ(window->CurrentCursor(), 6);
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::ZoomIn)->isChecked());
    window->SetZoomMode(7);
    EXPECT_EQ(window->GetZoomMode(), 7);
    EXPECT_EQ(window->CurrentCursor(), 6);
    window->SetZoomMode(2);
    EXPECT_EQ(window->CurrentCursor(), 7);
    window->SetZoomMode(0);
    EXPECT_EQ(window->CurrentCursor(), 0);
    form.UpdateActions();
    EXPECT_FALSE(form.Action(A::ZoomIn)->isChecked());
    // The zoom commands switch between their mode and none.
    form.Execute(A::ZoomIn);
    EXPECT_EQ(window->GetZoomMode(), 1);
    form.UpdateActions();
    form.Execute(A::ZoomIn);
    EXPECT_EQ(window->GetZoomMode(), 0);
    form.UpdateActions();
    form.Execute(A::NoZoom);
    EXPECT_EQ(window->GetZoomMode(), 2);
}

TEST_F(WaveWindowTest, EnableRulesFollowTheRealWave)
{
    // The test device is usable.
    // Only the rules are looked at here: every action checked has a handler.
    form.SetActionHandler(A::SplitH, [] {});
    form.NewWave(TWaveFileProps(2, 44100, 2));
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::FileRecord)->isEnabled());
    EXPECT_FALSE(form.Action(A::FilePlay)->isEnabled());
    EXPECT_FALSE(form.Action(A::Volume)->isEnabled());

    form.CreateWaveFromSound(SineSound(1000, 2), "Wave", "");
    form.UpdateActions();
    EXPECT_FALSE(form.Action(A::FileRecord)->isEnabled());
    EXPECT_TRUE(form.Action(A::FilePlay)->isEnabled());
    EXPECT_TRUE(form.Action(A::Volume)->isEnabled());
    // Trim needs a selection.
    EXPECT_FALSE(form.Action(A::EditTrim)->isEnabled());
    form.ActiveWaveUnit()->SelectRange(0, 1000);
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::EditTrim)->isEnabled());
    // A selection that reaches an end leaves nothing to split off there.
    EXPECT_FALSE(form.Action(A::SplitH)->isEnabled());
    form.ActiveWaveUnit()->SelectRange(10, 1000);
    form.UpdateActions();
    EXPECT_FALSE(form.Action(A::SplitH)->isEnabled());
    form.ActiveWaveUnit()->SelectRange(10, 990);
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::SplitH)->isEnabled());
}

TEST_F(WaveWindowTest, VIsVolumeInAWaveWindow)
{
    int volumes = 0;
    form.SetActionHandler(A::Volume, [&] { ++volumes; });
    TMDIChildWave* window = form.CreateWaveFromSound(SineSound(1000, 1), "Wave", "of Music 2");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetUnitName(), "Wave 1 of Music 2");
    // A sound made elsewhere exists nowhere else yet.
    EXPECT_TRUE(window->NeedsSaving());
    form.UpdateActions();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    Press(target, Qt::Key_V);
    EXPECT_EQ(volumes, 1);
}

TEST_F(WaveWindowTest, KeysMoveTheCursorInTheChosenPane)
{
    TMDIChildWave* window = form.CreateWaveFromSound(SineSound(5000, 2), "Wave", "");
    QApplication::processEvents();
    TUnitWave* unit = window->GetUnitWave();
    Press(window, Qt::Key_End);
    EXPECT_EQ(unit->GetCursorPos(), 5000);
    Press(window, Qt::Key_Home, Qt::AltModifier);
    EXPECT_EQ(unit->GetCursorPos(), 0);
    Press(window, Qt::Key_End, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(unit->GetSelectEnd(), 5000);
}

TEST_F(WaveWindowTest, ClosingDuringAVolumeDiagramReturnsPromptly)
{
    TMDIChildWave* window = form.CreateWaveFromSound(SineSound(4000000, 2), "Wave", "");
    QApplication::processEvents();
    window->SetVoldViewProps(TVoldViewProps());
    window->StartVolumeDiagram();
    TViewWaveGroup* group = window->GetViewWaveGroup();
    ASSERT_TRUE(group->HasVolumeWriter());
    EXPECT_FALSE(group->IsVolumeWriterFinished());
    QPointer<TMDIChildWave> watched(window);

    messages.Answer(MsgAnswer::No); // the made sound is not kept
    EXPECT_TRUE(window->close());
    // The window was freed with its writer interrupted and joined.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(form.ActiveChild(), nullptr);
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(WaveWindowTest, ARunningDiagramGoesWithTheMainWindow)
{
    // The form of this fixture is destroyed with the writer still running;
    // the sanitizers see a thread that outlives its window.
    TMDIChildWave* window = form.CreateWaveFromSound(SineSound(2000000, 2), "Wave", "");
    window->SetVoldViewProps(TVoldViewProps());
    window->StartVolumeDiagram();
    EXPECT_TRUE(window->GetViewWaveGroup()->HasVolumeWriter());
}

TEST_F(WaveWindowTest, EnvelopeUsersRepaintUnderTheOldAndTheNewName)
{
    TMDIChildWave* source = form.CreateWaveFromSound(SineSound(1000, 1), "Wave", "");
    TMDIChildWave* user = form.CreateWaveFromSound(SineSound(1000, 1), "Wave", "");
    TWaveViewProps props = user->GetWaveViewProps();
    props.DrawEnvelope = true;
    props.Envelope = unitUnitWave("Wave 1");
    user->SetWaveViewProps(props);
    EXPECT_TRUE(user->DrawsEnvelopeOf("Wave 1"));
    EXPECT_FALSE(source->DrawsEnvelopeOf("Wave 1"));
    // Shown as volume diagram it draws no envelope.
    user->SetShowKind(1);
    EXPECT_FALSE(user->DrawsEnvelopeOf("Wave 1"));
    user->SetShowKind(0);
    // The rename retitles the window and repaints the user, which names the old name.
    TViewWave* pane = user->GetViewWaveGroup()->GetPane(2);
    pane->PaintPendingNow();
    ASSERT_FALSE(pane->IsRepaintPending());
    source->GetUnitWave()->SetName("Lead");
    EXPECT_EQ(source->windowTitle(), "Lead");
    EXPECT_TRUE(pane->IsRepaintPending());
    // Closing the source repaints the user once more, now without it.
    pane->PaintPendingNow();
    props.Envelope = unitUnitWave("Lead");
    user->SetWaveViewProps(props);
    pane->PaintPendingNow();
    messages.Answer(MsgAnswer::No);
    EXPECT_TRUE(source->close());
    EXPECT_TRUE(pane->IsRepaintPending());
}

TEST_F(WaveWindowTest, TheCoreFindsTheActiveWaveWindow)
{
    EXPECT_EQ(MainForm().ActiveWaveWindow(), nullptr);
    TMDIChildWave* window = form.CreateWaveFromSound(SineSound(100, 1), "Wave", "");
    EXPECT_EQ(MainForm().ActiveWaveWindow(), window);
    EXPECT_EQ(MainForm().FindUnitWave("Wave 1"), window->GetUnitWave());
    // A broadcast without a group reports and returns.
    form.UpdateEnvelopeViews(nullptr, 0, 1, 1, 0, 1, 1, 1, 2, false);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Assertion failed");
}

TEST(WaveFormatDialog, ShowsAndReadsBackTheFormat)
{
    TDlgWaveFileProp dialog(nullptr, TWaveFileProps(1, 11025, 1));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Wave Properties");
    EXPECT_EQ(dialog.GetHelpContext(), 2);
    EXPECT_TRUE(HasDialogWindowFlags(dialog.windowFlags())) << dialog.windowFlags().toInt();
    auto* list = dialog.findChild<QListWidget*>("lbSampleFreq");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentRow(), 1);
    auto radios = dialog.findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 4);
    EXPECT_TRUE(radios[0]->isChecked()); // 8 Bits
    EXPECT_TRUE(radios[2]->isChecked()); // Mono
    list->setCurrentRow(5);
    radios[3]->setChecked(true);
    dialog.accept();
    const TWaveFileProps props = dialog.GetProps();
    EXPECT_EQ(props.SampleFreq, 176128u);
    EXPECT_EQ(props.MonoStereo, 2);
    EXPECT_EQ(props.BytesPSample, 1);
}

TEST(WaveFormatDialog, ARateNotOfferedIsShownAsNoneAndKept)
{
    // OK without touching anything must never resample a 48 kHz wave.
    for (uint32_t rate : {48000u, 8000u, 176400u}) {
        TDlgWaveFileProp dialog(nullptr, TWaveFileProps(2, rate, 2));
        dialog.show();
        EXPECT_EQ(dialog.lbSampleFreq->currentRow(), -1);
        dialog.accept();
        EXPECT_EQ(dialog.GetProps().SampleFreq, rate);
        EXPECT_EQ(dialog.GetProps().BytesPSample, 2);
        EXPECT_EQ(dialog.GetProps().MonoStereo, 2);
    }
    // Picking an entry still takes it.
    TDlgWaveFileProp dialog(nullptr, TWaveFileProps(1, 48000, 2));
    dialog.show();
    dialog.lbSampleFreq->setCurrentRow(0);
    dialog.accept();
    EXPECT_EQ(dialog.GetProps().SampleFreq, 5512u);
}
