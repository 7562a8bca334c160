#include "ScriptedFileDialogs.h"
#include "support/TempFolder.h"

#include "foundation/gui/PanelStatusBar.h"
#include "music/UnitPlayers.h"
#include "music/document/UnitMuz.h"
#include "music/gui/DlgMusTree.h"
#include "music/gui/DlgMusic.h"
#include "music/gui/MDIChildDlgPlayers.h"
#include "music/gui/MDIChildMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/RecordingMessageService.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFiles.h"
#include "shell/gui/MainFormMusic.h"
#include "shell/gui/MainFormPlayers.h"
#include "shell/gui/DlgWaveFileProp.h"
#include "shell/gui/MainFormProjects.h"
#include "shell/gui/ModelessDialogsQt.h"
#include "wave/MonoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveFileProps.h"
#include "wave/gui/MDIChildWave.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>

namespace {

using A = ActionId;

// Plays the user's part in the real "Wave Properties" dialog when a command
// opens it: notes the format it shows, clicks the chosen entries, then OK or
// Cancel. Other dialogs go to the script that was there before.
class FormatDialogUser {
public:
    FormatDialogUser()
    {
        previous = SetDialogScript([this](QDialog& dialog) {
            auto* format = dynamic_cast<TDlgWaveFileProp*>(&dialog);
            return format ? Play(*format) : previous(dialog);
        });
    }
    ~FormatDialogUser() { SetDialogScript(previous); }
    FormatDialogUser(const FormatDialogUser&) = delete;
    FormatDialogUser& operator=(const FormatDialogUser&) = delete;

    void Expect(const TWaveFileProps& format, bool ok)
    {
        choose = format;
        pressOk = ok;
    }

    int opened = 0;
    TWaveFileProps shown{0, 0, 0};

private:
    // The first radio button stands for 1, the second for 2.
    static QRadioButton* Radio(QGroupBox* group, unsigned value)
    {
        return group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)[value == 1 ? 0 : 1];
    }

    static void Click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    int Play(TDlgWaveFileProp& dialog)
    {
        ++opened;
        shown = Shown(dialog);
        Click(Radio(dialog.grpWaveValues, choose.BytesPSample));
        QListWidget* list = dialog.lbSampleFreq;
        const QRect entry = list->visualItemRect(list->item(TWaveFileProps::FrequencyIndex(choose.SampleFreq)));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
        Click(Radio(dialog.grpMonoStereo, choose.MonoStereo));
        Click(pressOk ? dialog.OKButton() : dialog.CancelButton());
        return dialog.result();
    }

    static TWaveFileProps Shown(TDlgWaveFileProp& dialog)
    {
        const int row = dialog.lbSampleFreq->currentRow();
        return TWaveFileProps(Radio(dialog.grpMonoStereo, 2)->isChecked() ? 2 : 1,
                              row < 0 ? 0 : TWaveFileProps::Frequencies[row],
                              Radio(dialog.grpWaveValues, 2)->isChecked() ? 2 : 1);
    }

    TDialogScript previous;
    TWaveFileProps choose{1, 22050, 2};
    bool pressOk = false;
};

void ExpectFormat(const TSoundUnit& unit, const TWaveFileProps& format)
{
    EXPECT_EQ(unit.GetSampleFreq(), format.SampleFreq);
    EXPECT_EQ(unit.GetMonoStereo(), format.MonoStereo);
    EXPECT_EQ(unit.GetBytesPSample(), format.BytesPSample);
}

struct MusicShell : ::testing::Test {
    MusicShell()
    {
        form.resize(900, 700);
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        form.UpdateActions();
    }

    void Run(ActionId id)
    {
        form.UpdateActions();
        form.Execute(id);
        QApplication::processEvents();
    }

    std::vector<TMDIChildMuz*> MusicWindows() const
    {
        std::vector<TMDIChildMuz*> result;
        for (QMdiSubWindow* window : form.MdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (auto* music = qobject_cast<TMDIChildMuz*>(window); music && !music->IsClosing())
                result.push_back(music);
        return result;
    }

    std::vector<std::string> WindowNames() const
    {
        std::vector<std::string> names;
        for (QMdiSubWindow* window : form.MdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (auto* child = qobject_cast<TMDIChildQuarbel*>(window); child && !child->IsClosing())
                names.push_back(child->GetUnitName());
        return names;
    }

    // A music of one quarter note, saved.
    std::string SavedMusic(const std::string& name)
    {
        TUnitMuz unit("x", "");
        unit.NewMusic();
        TSinglePartMuz* bar = unit.MuzData.GetFirstSinglePart();
        TNoteStave* stave = unit.MuzData.GetStartStave();
        unit.MuzData.CreateNote(stave, 0, 4, 0, 5, stave->GetSelectedNoteGroup(), 2, 1, 0, 0, bar, 2);
        const std::string file = folder.File(name);
        EXPECT_TRUE(unit.SaveMusic(file));
        return file;
    }

    // A wave window "sample" and a player set whose player samples it; the
    // music's note group plays through it.
    void Players(TUnitMuz& music)
    {
        StopFlag stop = 0;
        RefPtr<Wave> wave = NewWave(&stop, 4410);
        for (int32_t i = 0; i < 4410; ++i)
            wave->getData()[i] = static_cast<int16_t>(8000 * std::sin(i * 2 * M_PI * 1000 / 44100));
        TMDIChildWave* sample = form.CreateWaveFromSound(std::make_shared<MonoSound>(wave, 44100, 2), "Wave", "");
        sample->GetUnitWave()->SetName("sample");
        TUnitPlayers* set = form.Players().NewPlayersSet();
        TNoteGroup* group = music.MuzData.GetStartStave()->GetSelectedNoteGroup();
        group->SetPlayerSet(set->GetName());
        group->SetPlayer(set->GetFirstPlayer()->GetName());
    }

    TMDIChildWave* WaveNamed(const std::string& name) const
    {
        for (QMdiSubWindow* window : form.MdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (auto* wave = qobject_cast<TMDIChildWave*>(window); wave && wave->GetUnitName() == name)
                return wave;
        return nullptr;
    }

    RecordingMessageService messages;
    TempFolder folder;
    TMainForm form;
    ScriptedFileDialogs dialogs;
    FormatDialogUser formatDialog;
};

} // namespace

TEST_F(MusicShell, NewMusicIsNumberedAndShowsItsKind)
{
    Run(A::FileNewMuz);
    Run(A::FileNewMuz);
    const std::vector<TMDIChildMuz*> windows = MusicWindows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[1]->GetUnitName(), "Music 2");
    EXPECT_EQ(form.Music().ActiveMuzWindow(), windows[1]);
    EXPECT_TRUE(form.Action(A::DuplicateMuz)->isVisible());
    EXPECT_FALSE(form.Action(A::DuplicateWave)->isVisible());
    EXPECT_TRUE(form.StatusBarMuz()->isVisible());
    EXPECT_TRUE(form.Action(A::FileSave)->isEnabled()); // never saved
    EXPECT_FALSE(form.Action(A::FileRevert)->isEnabled());
    // The status bar tells the selected clef and that the music is new.
    EXPECT_EQ(form.StatusBarMuz()->PanelText(1), "Key");
    EXPECT_EQ(form.StatusBarMuz()->PanelText(7), "New");
}

// The music toolbars take room from the area once a new window is placed in
// it: what they push out of sight can still be scrolled to.
TEST_F(MusicShell, WindowsPushedOutOfTheAreaCanBeScrolledTo)
{
    form.NewWave(TWaveFileProps(2, 44100, 2));
    QApplication::processEvents();
    Run(A::FileNewPlay);
    Run(A::FileNewMuz);
    QApplication::processEvents();
    QMdiArea* area = form.MdiArea();
    ASSERT_NE(qobject_cast<TMDIChildMuz*>(area->activeSubWindow()), nullptr);
    const QRect shown = area->viewport()->rect();
    int pushedOut = 0;
    for (QMdiSubWindow* window : area->subWindowList()) {
        const QRect frame = window->geometry();
        const std::string title = window->windowTitle().toStdString();
        if (frame.bottom() > shown.bottom()) {
            ++pushedOut;
            EXPECT_TRUE(area->verticalScrollBar()->isVisible()) << title;
        }
        if (frame.right() > shown.right()) {
            ++pushedOut;
            EXPECT_TRUE(area->horizontalScrollBar()->isVisible()) << title;
        }
    }
    EXPECT_GT(pushedOut, 0) << "the case this shows: a window reaches past the area";
}

TEST_F(MusicShell, OpenReadsGoodFilesAndReportsABadOne)
{
    const std::string good = SavedMusic("good.qbm");
    const std::string bad = folder.File("bad.qbm");
    WriteWholeFile(bad, "no music");
    const std::string old = folder.File("old.qbm");
    WriteWholeFile(old, ReadWholeFile(std::string(QB_SOURCE_DIR) + "/fuzz/corpus/fuzz_music_file/version71.qbm"));
    form.Music().OpenMusicFiles({bad, good, old});
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "File Error");
    EXPECT_EQ(messages.Last().text.rfind("Cannot read file \"" + bad + "\": ", 0), 0u) << messages.Last().text;
    const std::vector<TMDIChildMuz*> windows = MusicWindows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]->windowTitle().toStdString(), "Music 1 - " + good);
    // An old file brings its players in a set of their own, which stays open.
    EXPECT_EQ(windows[1]->GetUnitName(), "Music 2");
    EXPECT_NE(form.Players().FindUnitPlayers("Players for converted Music 2"), nullptr);
    // Every music that was read counts as changed until it is saved.
    EXPECT_TRUE(windows[0]->NeedsSaving());
    // The command line opens music too.
    form.FormShow(good);
    EXPECT_EQ(MusicWindows().size(), 3u);
}

TEST_F(MusicShell, SaveSaveAsAndAFailedSave)
{
    TUnitMuz* unit = form.Music().NewMusic();
    dialogs.answer = folder.File("song.qbm");
    Run(A::FileSave);
    ASSERT_EQ(dialogs.asked, std::vector<std::string>{"Save Music"});
    EXPECT_EQ(unit->GetFileName(), folder.File("song.qbm"));
    EXPECT_FALSE(unit->IsModifiedOrNew());
    EXPECT_EQ(MusicWindows()[0]->windowTitle().toStdString(), "Music 1 - " + folder.File("song.qbm"));
    // Decision: a failed save keeps file name, mark and window.
    const std::string gone = folder.File("gone/song.qbm");
    unit->SetFileName(gone);
    unit->SetModified();
    EXPECT_FALSE(form.Files().SaveUnit(*unit));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "FileError");
    EXPECT_EQ(messages.Last().text.rfind("Cannot save Music: ", 0), 0u);
    EXPECT_TRUE(unit->IsModified());
    messages.Answer(MsgAnswer::Yes);
    EXPECT_FALSE(MusicWindows()[0]->close());
    dialogs.answer = folder.File("none/other.qbm");
    EXPECT_FALSE(form.Files().SaveAsUnit(*unit));
    EXPECT_EQ(unit->GetFileName(), gone);
    EXPECT_TRUE(unit->IsModified());
}

TEST_F(MusicShell, RevertKeepsNameAndCaption)
{
    const std::string file = SavedMusic("revert.qbm");
    TUnitMuz* unit = form.Music().OpenMusicFile(file);
    ASSERT_NE(unit, nullptr);
    TMDIChildMuz* window = MusicWindows()[0];
    unit->SetName("Theme");
    unit->MuzData.GetStartStave()->RoomUp.SetValue(200);
    Run(A::FileRevert);
    TUnitMuz* reverted = window->GetUnitMuz();
    EXPECT_NE(reverted, unit);
    EXPECT_EQ(reverted->GetName(), "Theme");
    EXPECT_EQ(window->windowTitle().toStdString(), "Theme - " + file);
    EXPECT_EQ(reverted->MuzData.GetStartStave()->RoomUp.GetValue(), 80);
    // A file that went bad: the music stays.
    WriteWholeFile(file, "broken");
    Run(A::FileRevert);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("Cannot read file: \"" + file + "\": ", 0), 0u);
    EXPECT_EQ(window->GetUnitMuz(), reverted);
}

TEST_F(MusicShell, DuplicateCopiesTheActiveMusic)
{
    TUnitMuz* unit = form.Music().NewMusic();
    unit->MuzData.Tempo.SetValue(3);
    MusicWindows()[0]->SetOrigin(-30, -10);
    Run(A::DuplicateMuz);
    const std::vector<TMDIChildMuz*> windows = MusicWindows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[1]->GetUnitName(), "Copy 1 of Music 1");
    TUnitMuz* copy = windows[1]->GetUnitMuz();
    EXPECT_EQ(copy->MuzData.Tempo.GetValue(), 3);
    EXPECT_TRUE(copy->HasNoFileName());
    EXPECT_EQ(copy->GetSelectedSymbol(), copy->MuzData.GetFirstSymbol());
    // The copy keeps the view.
    EXPECT_EQ(windows[1]->GetViewOrigin().Left, -30);
    EXPECT_EQ(windows[1]->GetViewOrigin().Top, -10);
}

TEST_F(MusicShell, GenerateTwiceGivesTwoNumberedWaves)
{
    TUnitMuz* unit = form.Music().NewMusic();
    unit->MuzData.GetStartStave();
    unit->KeySequenceNote(insertAfter, 0);
    Players(*unit);
    form.MdiArea()->setActiveSubWindow(MusicWindows()[0]);
    QApplication::processEvents();
    Run(A::MusicGenerate);
    // The new wave window is the active one: the music is made active again.
    form.MdiArea()->setActiveSubWindow(MusicWindows()[0]);
    QApplication::processEvents();
    Run(A::MusicGenerate);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    const std::vector<std::string> names = WindowNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "Wave 1 of Music 1"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Wave 2 of Music 1"), names.end());
    // Without the players nothing opens, and the user is told.
    form.MdiArea()->setActiveSubWindow(MusicWindows()[0]);
    unit->MuzData.GetStartStave()->GetSelectedNoteGroup()->SetPlayerSet("gone");
    Run(A::MusicGenerate);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("Cannot create music: ", 0), 0u);
    EXPECT_EQ(messages.Last().caption, "Error");
}

// File > Properties, Ctrl+P and the tool-bar button each open the format
// dialog on the music's format; OK gives the music the chosen one and marks
// it modified, Cancel leaves both as they were.
TEST_F(MusicShell, PropertiesSetsTheFormatOfTheMusic)
{
    TUnitMuz* unit = form.Music().NewMusic();
    QApplication::processEvents();
    form.UpdateActions();
    QAction* properties = form.Action(A::FileProperties);
    QWidget* button = form.ToolBar("ToolBarBasic")->widgetForAction(properties);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible());
    struct Case {
        const char* how;
        std::function<void()> press;
        TWaveFileProps choose;
        bool ok;
    } cases[] = {
        {"File > Properties", [&] { properties->trigger(); }, {2, 44100, 2}, true},
        {"Ctrl+P", [&] { QTest::keyClick(MusicWindows()[0], Qt::Key_P, Qt::ControlModifier); }, {1, 11025, 1}, true},
        {"the Hz button", [&] { QTest::mouseClick(button, Qt::LeftButton); }, {2, 88200, 1}, true},
        {"Cancel", [&] { properties->trigger(); }, {1, 5512, 2}, false},
    };
    TWaveFileProps format = TMuzData::DefaultFormat();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        unit->ClearModified();
        // The dialog before took the focus; a window manager gives it back.
        QApplication::setActiveWindow(&form);
        form.UpdateActions();
        ASSERT_TRUE(properties->isEnabled());
        const int before = formatDialog.opened;
        formatDialog.Expect(c.choose, c.ok);
        c.press();
        QApplication::processEvents();
        EXPECT_EQ(formatDialog.opened, before + 1);
        EXPECT_EQ(formatDialog.shown.SampleFreq, format.SampleFreq);
        EXPECT_EQ(formatDialog.shown.MonoStereo, format.MonoStereo);
        EXPECT_EQ(formatDialog.shown.BytesPSample, format.BytesPSample);
        if (c.ok)
            format = c.choose;
        ExpectFormat(*unit, format);
        EXPECT_EQ(unit->IsModified(), c.ok);
    }
    EXPECT_FALSE(form.UndoSlot().HasUndo());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MusicShell, GenerateAfterPropertiesMakesAWaveOfTheChosenFormat)
{
    TUnitMuz* unit = form.Music().NewMusic();
    unit->KeySequenceNote(insertAfter, 0);
    Players(*unit);
    auto generate = [&](const std::string& name) -> TUnitWave* {
        form.MdiArea()->setActiveSubWindow(MusicWindows()[0]);
        QApplication::processEvents();
        Run(A::MusicGenerate);
        TMDIChildWave* wave = WaveNamed(name);
        return wave ? wave->GetUnitWave() : nullptr;
    };
    TUnitWave* plain = generate("Wave 1 of Music 1");
    ASSERT_NE(plain, nullptr);
    ExpectFormat(*plain, TMuzData::DefaultFormat());

    form.MdiArea()->setActiveSubWindow(MusicWindows()[0]);
    QApplication::processEvents();
    const TWaveFileProps chosen(2, 44100, 1);
    formatDialog.Expect(chosen, true);
    Run(A::FileProperties);
    ASSERT_EQ(formatDialog.opened, 1);
    TUnitWave* wave = generate("Wave 2 of Music 1");
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    ExpectFormat(*wave, chosen);
    // The same music, twice the rate: about twice the values, the note on both sides.
    EXPECT_NEAR(wave->GetValues(), 2 * plain->GetValues(), 2);
    const SoundPtr sound = wave->GetSound();
    for (const Wave* side : {sound->GetLeftWave(), sound->GetRightWave()}) {
        ASSERT_NE(side, nullptr);
        const int16_t* data = side->getData();
        EXPECT_GT(*std::max_element(data, data + side->getValues()), 1000);
    }
}

TEST_F(MusicShell, AutoPlayIsEachMusicsOwn)
{
    TUnitMuz* first = form.Music().NewMusic();
    TUnitMuz* second = form.Music().NewMusic();
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::MusicAutoPlay)->isChecked());
    Run(A::MusicAutoPlay);
    EXPECT_FALSE(second->GetAutoPlay());
    EXPECT_TRUE(first->GetAutoPlay());
    form.UpdateActions();
    EXPECT_FALSE(form.Action(A::MusicAutoPlay)->isChecked());
    form.MdiArea()->setActiveSubWindow(MusicWindows()[0]);
    QApplication::processEvents();
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::MusicAutoPlay)->isChecked());
}

TEST_F(MusicShell, TheActionsForwardWithTheirCodesAndRelayAltKeys)
{
    TUnitMuz* unit = form.Music().NewMusic();
    // The clef of F travels as -6: the insert clef in mode new.
    Run(A::MusicClefF);
    EXPECT_EQ(unit->GetInsertClef(), -6);
    EXPECT_EQ(unit->GetInsertModeKind(), insertModeClef);
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::MusicClefF)->isChecked());
    // Alt+L reaches the window's key handler, not a menu.
    Run(A::MusicModeEdit);
    unit->KeySequenceNote(insertAfter, 0);
    ASSERT_NE(unit->GetSelectedNote(), nullptr);
    Run(A::AltKeyL);
    EXPECT_EQ(unit->GetSelectedNote()->GetNoteArtKind(), noteArtPortato);
    Run(A::AltShiftKeyL);
    EXPECT_EQ(unit->GetSelectedNote()->GetNoteArtKind(), noteArtNormal);
    Run(A::AltKeyS);
    EXPECT_NE(unit->GetSelectedRest(), nullptr);
    // Without a music window the music actions do nothing.
    form.MdiArea()->closeAllSubWindows();
    QApplication::processEvents();
    messages.Clear();
    form.Execute(A::MusicNote4);
    form.Execute(A::AltKeyL);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MusicShell, AProjectKeepsMusicAndBothDialogsInPlace)
{
    dialogs.answer = folder.File("Song.qbp");
    Run(A::ProjectNew);
    ASSERT_EQ(form.GetProjectWriteFile(), folder.File("Song.qbp"));
    const std::string savedFile = SavedMusic("saved.qbm");
    TUnitMuz* saved = form.Music().OpenMusicFile(savedFile);
    saved->ClearModified();
    TUnitMuz* fresh = form.Music().NewMusic();
    fresh->MuzData.Tempo.SetValue(2.5);
    fresh->ChangeFileProps(TMuzData::DefaultFormat(), TWaveFileProps(2, 44100, 2));
    fresh->SetModified();
    MusicWindows()[1]->SetOrigin(-40, -20);
    Run(A::MusicDialogStaves);
    Run(A::MusicDialogParts);
    auto& modeless = dynamic_cast<TModelessDialogsQt&>(form.ModelessDialogs());
    ASSERT_NE(modeless.GetMusicDialog(), nullptr);
    modeless.GetMusicDialog()->move(30, 40);
    modeless.GetMusTreeDialog()->setGeometry(60, 70, 500, 400);
    const QPoint stavesAt = modeless.GetMusicDialog()->pos();
    const QRect partsAt = modeless.GetMusTreeDialog()->geometry();

    dialogs.answer.clear();
    Run(A::ProjectClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(MusicWindows().empty());
    modeless.ShowDialog(modelessDialogMusStave, false);
    modeless.ShowDialog(modelessDialogMusTree, false);
    modeless.GetMusicDialog()->move(300, 300);

    dialogs.answer = folder.File("Song.qbp");
    Run(A::ProjectOpen);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    const std::vector<TMDIChildMuz*> windows = MusicWindows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]->GetUnitName(), "Music 1");
    EXPECT_EQ(windows[0]->GetUnitMuz()->GetFileName(), savedFile);
    // Only the changed music was copied; the saved one is read from its own file.
    int copies = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.File("SongTempSaveFiles")))
        copies += entry.path().extension() == ".qbm";
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(windows[1]->GetUnitName(), "Music 2");
    EXPECT_TRUE(windows[1]->GetUnitMuz()->HasNoFileName());
    EXPECT_EQ(windows[1]->GetUnitMuz()->MuzData.Tempo.GetValue(), 2.5);
    ExpectFormat(*windows[1]->GetUnitMuz(), TWaveFileProps(2, 44100, 2));
    EXPECT_EQ(windows[1]->GetViewOrigin().Left, -40);
    EXPECT_EQ(windows[1]->GetViewOrigin().Top, -20);
    // Both dialogs are back where they stood.
    EXPECT_TRUE(modeless.IsDialogVisible(modelessDialogMusStave));
    EXPECT_TRUE(modeless.IsDialogVisible(modelessDialogMusTree));
    EXPECT_EQ(modeless.GetMusicDialog()->pos(), stavesAt);
    EXPECT_EQ(modeless.GetMusTreeDialog()->geometry(), partsAt);
    // The project file names them.
    const std::string text = ReadWholeFile(folder.File("Song.qbp"));
    EXPECT_NE(text.find("<DlgMusStave>"), std::string::npos);
    EXPECT_NE(text.find("<DlgMusTree>"), std::string::npos);
    EXPECT_NE(text.find("<Music>"), std::string::npos);
}

