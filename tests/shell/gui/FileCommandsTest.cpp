#include "ScriptedFileDialogs.h"
#include "support/TempFolder.h"

#include "factory/document/UnitSountory.h"
#include "music/UnitPlayers.h"
#include "music/document/UnitMuz.h"
#include "platform/RecordingMessageService.h"
#include "shell/FileDialogs.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFactories.h"
#include "shell/gui/MainFormFiles.h"
#include "shell/gui/MainFormMusic.h"
#include "shell/gui/MainFormPlayers.h"
#include "wave/StereoSound.h"
#include "wave/WaveFile.h"
#include "wave/document/UnitWave.h"
#include "wave/document/UnitWaveSideFile.h"
#include "wave/document/WaveFileProps.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWave.h"
#include "wave/gui/ViewWaveGroup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

using A = ActionId;

std::shared_ptr<Sound> Ramp(int32_t values, int16_t start = 0)
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, values);
    RefPtr<Wave> right = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i) {
        left->getData()[i] = static_cast<int16_t>(start + i);
        right->getData()[i] = static_cast<int16_t>(-start - i);
    }
    return std::make_shared<StereoSound>(left, right, 44100, 2);
}

std::vector<int16_t> LeftSamples(const Sound& sound)
{
    const Wave* wave = sound.GetLeftWave();
    return std::vector<int16_t>(wave->getData(), wave->getData() + wave->getValues());
}

std::vector<int16_t> FileSamples(const std::string& fileName)
{
    SoundPtr sound;
    std::string text;
    EXPECT_TRUE(ReadWaveFile(fileName, sound, text)) << text;
    return sound ? LeftSamples(*sound) : std::vector<int16_t>{};
}

struct FileCommands : ::testing::Test {
    FileCommands()
    {
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
    }

    TMDIChildWave* Open(const std::string& fileName, int32_t values, int16_t start = 0)
    {
        StopFlag stop = 0;
        EXPECT_TRUE(WriteWaveFile(&stop, fileName, *Ramp(values, start), 0, values));
        TUnitWave* unit = form.OpenWaveFile(false, fileName, "");
        return unit ? dynamic_cast<TMDIChildWave*>(unit->GetChildWave()) : nullptr;
    }

    void Run(ActionId id)
    {
        form.UpdateActions();
        form.Execute(id);
    }

    RecordingMessageService messages;
    TempFolder folder;
    TMainForm form;
    ScriptedFileDialogs dialogs;
    std::string& answer = dialogs.answer;
    std::vector<std::string>& asked = dialogs.asked;
};

} // namespace

TEST_F(FileCommands, CtrlSWritesAChangedWaveToItsFile)
{
    const std::string file = folder.File("take.wav");
    TMDIChildWave* window = Open(file, 500);
    ASSERT_NE(window, nullptr);
    TUnitWave* unit = window->GetUnitWave();
    unit->Reverse();
    unit->SetChanged();
    form.UpdateActions();
    ASSERT_TRUE(form.Action(A::FileSave)->isEnabled());

    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);

    EXPECT_EQ(FileSamples(file), LeftSamples(*unit->GetSound()));
    EXPECT_FALSE(unit->IsChanged());
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(messages.Count(), 0u);
    form.UpdateActions();
    EXPECT_FALSE(form.Action(A::FileSave)->isEnabled());
}

TEST_F(FileCommands, ANeverSavedWaveAsksForItsFile)
{
    TMDIChildWave* window = form.CreateWaveFromSound(Ramp(300), "Wave", "");
    TUnitWave* unit = window->GetUnitWave();

    // Cancelled: nothing written, nothing changed.
    Run(A::FileSave);
    EXPECT_EQ(asked, std::vector<std::string>{"Save Wave"});
    EXPECT_TRUE(unit->HasNoFileName());
    EXPECT_TRUE(unit->IsChanged());

    answer = folder.File("new.wav");
    Run(A::FileSave);
    EXPECT_EQ(unit->GetFileName(), answer);
    EXPECT_FALSE(unit->IsChanged());
    EXPECT_EQ(FileSamples(answer), LeftSamples(*unit->GetSound()));
    EXPECT_TRUE(fs::exists(SideFileName(answer)));
    EXPECT_EQ(window->windowTitle().toStdString(), "Wave 1 - " + answer);
}

TEST_F(FileCommands, SaveAsWritesEverythingUnderTheNewName)
{
    const std::string file = folder.File("take.wav");
    TMDIChildWave* window = Open(file, 400);
    TUnitWave* unit = window->GetUnitWave();
    answer = folder.File("other.wav");
    Run(A::FileSaveAs);
    EXPECT_EQ(asked, std::vector<std::string>{"Save Wave"});
    EXPECT_EQ(unit->GetFileName(), answer);
    EXPECT_EQ(FileSamples(answer), FileSamples(file));
    EXPECT_EQ(window->windowTitle().toStdString(), "Wave 1 - " + answer);
}

// The close question's Yes runs the save; when the writer fails, the window
// stays with its changes, its file name and its marks.
TEST_F(FileCommands, AFailedSaveKeepsTheWindowItsNameAndItsMarks)
{
    fs::create_directory(folder.File("locked"));
    const std::string file = folder.File("locked/take.wav");
    TMDIChildWave* window = Open(file, 600);
    TUnitWave* unit = window->GetUnitWave();
    unit->Reverse();
    unit->SetChanged();
    const std::vector<int16_t> changed = LeftSamples(*unit->GetSound());
    // Even a user whom the system lets write anywhere may not replace a read-only file.
    fs::permissions(file, fs::perms::owner_read);
    fs::permissions(folder.File("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    messages.Answer(MsgAnswer::Yes);

    EXPECT_FALSE(window->close());

    fs::permissions(folder.File("locked"), fs::perms::owner_all);
    fs::permissions(file, fs::perms::owner_all);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.All()[0].caption, "You have unsaved changes");
    EXPECT_EQ(messages.All()[1].caption, "FileError");
    EXPECT_FALSE(window->IsClosing());
    EXPECT_EQ(form.ActiveWaveWindow(), window);
    EXPECT_TRUE(unit->IsChanged());
    EXPECT_EQ(unit->GetFileName(), file);
    EXPECT_EQ(unit->GetName(), "Wave 1");
    EXPECT_EQ(LeftSamples(*unit->GetSound()), changed);
    EXPECT_NE(FileSamples(file), changed);

    // Save As to a folder that cannot take the file keeps the old name too.
    answer = folder.File("missing/other.wav");
    EXPECT_FALSE(form.Files().SaveAsUnit(*unit));
    EXPECT_EQ(unit->GetFileName(), file);
    EXPECT_TRUE(unit->IsChanged());
}

// A dotted name typed without its kind's extension gets it, so that the
// program opens what it saved; a name with one of the dialog's extensions is kept.
TEST_F(FileCommands, EverySaveAsWritesANameTheProgramOpens)
{
    struct Case {
        TFileUnit* unit;
        const char* typed;
        const char* saved;
    } cases[] = {
        {form.CreateWaveFromSound(Ramp(300), "Wave", "")->GetUnitWave(), "take.3", "take.3.wav"},
        {form.Music().NewMusic(), "song.v2", "song.v2.qbm"},
        {NewUnitSountory(form, 0, nullptr), "osc.v1", "osc.v1.qbf"},
        {form.Players().NewPlayersSet(), "band.2026", "band.2026.qby"},
        {form.Music().NewMusic(), "SONG.QBM", "SONG.QBM"},
        {form.Music().NewMusic(), "song.xml", "song.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        answer = folder.File(c.typed);
        ASSERT_TRUE(form.Files().SaveAsUnit(*c.unit));
        EXPECT_EQ(c.unit->GetFileName(), folder.File(c.saved));
        EXPECT_TRUE(fs::exists(folder.File(c.saved)));
        EXPECT_EQ(fs::exists(answer), std::string(c.typed) == c.saved);
    }
    EXPECT_TRUE(fs::exists(folder.File("take.3.qbw")));
    EXPECT_EQ(messages.Count(), 0u);

    const int windows = form.CountChildWindows();
    for (const char* saved : {"take.3.wav", "song.v2.qbm", "osc.v1.qbf", "band.2026.qby"})
        form.FormShow(folder.File(saved));
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    EXPECT_EQ(form.CountChildWindows(), windows + 4);
}

// The real dialog, typed into: the extension is added before the dialog checks
// the name, so the question about replacing a file names the file that is written.
TEST_F(FileCommands, TheSaveDialogAsksToReplaceTheFileItWillWrite)
{
    TUnitWave* unit = form.CreateWaveFromSound(Ramp(300), "Wave", "")->GetUnitWave();
    const std::string file = folder.File("take.3.wav");
    WriteWholeFile(file, "old");
    std::vector<std::string> questions;
    QMessageBox::StandardButton reply = QMessageBox::No;
    const TDialogScript previous = SetDialogScript([&](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        files.setDirectory(QString::fromStdString(folder.Path().string()));
        auto* name = files.findChild<QLineEdit*>("fileNameEdit");
        if (!name)
            return static_cast<int>(QDialog::Rejected);
        name->setFocus();
        name->setText("take.3");
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answerer.stop();
                questions.push_back(box->text().toStdString());
                box->button(reply)->click();
            }
        });
        answerer.start(0);
        QTest::keyClick(name, Qt::Key_Return);
        answerer.stop();
        return files.result();
    });

    // No: the dialog stays, nothing is written.
    EXPECT_FALSE(form.Files().SaveAsUnit(*unit));
    EXPECT_EQ(questions, std::vector<std::string>{"take.3.wav already exists.\nDo you want to replace it?"});
    EXPECT_EQ(ReadWholeFile(file), "old");
    EXPECT_TRUE(unit->HasNoFileName());

    reply = QMessageBox::Yes;
    EXPECT_TRUE(form.Files().SaveAsUnit(*unit));
    SetDialogScript(previous);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(unit->GetFileName(), file);
    EXPECT_EQ(FileSamples(file), LeftSamples(*unit->GetSound()));
    EXPECT_TRUE(fs::exists(folder.File("take.3.qbw")));
    EXPECT_FALSE(fs::exists(folder.File("take.3")));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(FileCommands, RevertReadsTheFileAgainIntoTheSameDocument)
{
    const std::string file = folder.File("take.wav");
    TMDIChildWave* window = Open(file, 700);
    TUnitWave* unit = window->GetUnitWave();
    const std::vector<int16_t> original = LeftSamples(*unit->GetSound());
    unit->Reverse();
    unit->SetChanged();
    form.UpdateActions();
    ASSERT_TRUE(form.Action(A::FileRevert)->isEnabled());

    Run(A::FileRevert);
    EXPECT_EQ(form.ActiveWaveWindow(), window);
    EXPECT_EQ(window->GetUnitWave(), unit);
    EXPECT_EQ(LeftSamples(*unit->GetSound()), original);
    EXPECT_FALSE(unit->IsChanged());
    EXPECT_EQ(messages.Count(), 0u);

    // A file gone meanwhile: the document stays as it is.
    unit->Reverse();
    unit->SetChanged();
    fs::remove(file);
    Run(A::FileRevert);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("Cannot revert the file: \"" + file + "\"", 0), 0u) << messages.Last().text;
    EXPECT_EQ(messages.Last().caption, "File Error");
    EXPECT_NE(LeftSamples(*unit->GetSound()), original);
    EXPECT_TRUE(unit->IsChanged());
}

// The panes follow the reverted sound's length and channels when they paint
// next; that is no change of the user's, so the wave stays saved.
TEST_F(FileCommands, ARevertedWaveStaysUnchangedAfterItsWindowHasPainted)
{
    const std::string file = folder.File("take.wav");
    TMDIChildWave* window = Open(file, 700);
    TUnitWave* unit = window->GetUnitWave();
    QApplication::processEvents();
    for (bool toMono : {false, true}) {
        SCOPED_TRACE(toMono ? "made mono" : "trimmed");
        if (toMono) {
            TWaveFileProps from{2, 44100, 2}, to{1, 44100, 2};
            unit->ChangeFileProps(from, to);
        } else {
            unit->SelectRange(100, 300);
            unit->EditTrim();
        }
        unit->SetChanged();
        window->SoundChanged();
        QApplication::processEvents();
        ASSERT_NE(unit->GetValues() == 700 && unit->GetMonoStereo() == 2, true);

        Run(A::FileRevert);
        QApplication::processEvents();
        EXPECT_EQ(unit->GetValues(), 700);
        EXPECT_FALSE(unit->IsChanged());
        form.UpdateActions();
        EXPECT_FALSE(form.Action(A::FileRevert)->isEnabled());
        EXPECT_FALSE(form.Action(A::FileSave)->isEnabled());
    }
}

TEST_F(FileCommands, DuplicateCopiesTheSelectionUnderTheNextCopyName)
{
    TMDIChildWave* source = nullptr;
    for (int i = 0; i < 3; ++i)
        source = form.CreateWaveFromSound(Ramp(1000), "Wave", "");
    ASSERT_EQ(source->GetUnitName(), "Wave 3");
    Run(A::DuplicateWave);
    TMDIChildWave* first = form.ActiveWaveWindow();
    ASSERT_NE(first, source);
    EXPECT_EQ(first->GetUnitName(), "Copy 1 of Wave 3");
    EXPECT_EQ(first->GetUnitWave()->GetValues(), 1000);

    form.MdiArea()->setActiveSubWindow(source);
    source->GetUnitWave()->SetSelection(100, 300);
    Run(A::DuplicateWave);
    TMDIChildWave* second = form.ActiveWaveWindow();
    ASSERT_NE(second, first);
    EXPECT_EQ(second->GetUnitName(), "Copy 2 of Wave 3");
    TUnitWave* copy = second->GetUnitWave();
    std::vector<int16_t> expected(200);
    for (int i = 0; i < 200; ++i)
        expected[i] = static_cast<int16_t>(100 + i);
    EXPECT_EQ(LeftSamples(*copy->GetSound()), expected);
    EXPECT_TRUE(copy->HasNoFileName());
    // Not marked changed, but never saved: closing it asks.
    EXPECT_TRUE(second->NeedsSaving());
}

TEST_F(FileCommands, ADuplicateKeepsTheSplitAndTheZoomOfEachPane)
{
    TMDIChildWave* source = form.CreateWaveFromSound(Ramp(20000), "Wave", "");
    QApplication::processEvents();
    TViewWaveGroup* group = source->GetViewWaveGroup();
    group->SetSplitPosition(0.3);
    group->GetPane(2)->ZoomToRange(4000, 9000, false);
    const double split = group->GetSplitPosition();
    const double first = group->GetPane(2)->FirstVisibleWavePos();
    const double last = group->GetPane(2)->LastVisibleWavePos();

    Run(A::DuplicateWave);
    TMDIChildWave* copy = form.ActiveWaveWindow();
    ASSERT_NE(copy, source);
    TViewWaveGroup* copyGroup = copy->GetViewWaveGroup();
    EXPECT_NEAR(copyGroup->GetSplitPosition(), split, 0.01);
    EXPECT_FALSE(copyGroup->GetPane(1)->IsZoomed());
    ASSERT_TRUE(copyGroup->GetPane(2)->IsZoomed());
    // A zoom lands on whole pixels: the same range within one pixel's samples.
    const double pixel = (last - first) / copyGroup->GetPane(2)->width();
    EXPECT_NEAR(copyGroup->GetPane(2)->FirstVisibleWavePos(), first, 1.5 * pixel);
    EXPECT_NEAR(copyGroup->GetPane(2)->LastVisibleWavePos(), last, 1.5 * pixel);
}
