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
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTreeWidget>

#include <cmath>
#include <filesystem>

namespace {

using A = ActionId;

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

    RecordingMessageService messages;
    TempFolder folder;
    TMainForm form;
    ScriptedFileDialogs dialogs;
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

