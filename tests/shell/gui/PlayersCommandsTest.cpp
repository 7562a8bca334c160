#include "support/TempFolder.h"

#include "foundation/gui/ExecDialog.h"
#include "foundation/gui/PanelStatusBar.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "music/NotePlayerAccess.h"
#include "music/UnitPlayers.h"
#include "music/gui/MDIChildDlgPlayers.h"
#include "music/gui/PlayersNavigator.h"
#include "platform/RecordingMessageService.h"
#include "shell/gui/DlgEditName.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFiles.h"
#include "shell/gui/MainFormPlayers.h"
#include "shell/gui/MainFormProjects.h"
#include "shell/gui/ModelessDialogsQt.h"
#include "wave/MainFormAccess.h"
#include "wave/document/WaveFileProps.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QToolBar>

#include <filesystem>
#include <map>

namespace {

using A = ActionId;

struct PlayersCommandsTest : ::testing::Test {
    PlayersCommandsTest()
    {
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        form.UpdateActions();
        // The user's part in the file dialogs: the files are typed into the
        // dialog's name field, quoted when there are several; none cancels.
        previousScript = SetDialogScript([this](QDialog& dialog) {
            dialogs.push_back(dialog.windowTitle().toStdString());
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            if (!files || answers.empty())
                return static_cast<int>(QDialog::Rejected);
            files->setDirectory(QString::fromStdString(folder.Path().string()));
            QString typed;
            for (const std::string& answer : answers)
                typed += (answers.size() > 1 ? "\"" + QString::fromStdString(answer) + "\" " : QString::fromStdString(answer));
            files->findChild<QLineEdit*>("fileNameEdit")->setText(typed.trimmed());
            return static_cast<int>(QDialog::Accepted);
        });
    }
    ~PlayersCommandsTest() override { SetDialogScript(previousScript); }

    std::vector<TMDIChildDlgPlayers*> Windows() const
    {
        std::vector<TMDIChildDlgPlayers*> result;
        for (QMdiSubWindow* window : form.MdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (auto* players = qobject_cast<TMDIChildDlgPlayers*>(window); players && !players->IsClosing())
                result.push_back(players);
        return result;
    }

    // A players file of one player of that name.
    std::string SavedSet(const std::string& fileName, const std::string& player)
    {
        TUnitPlayers set("x", "");
        set.InitNewSet();
        set.GetCurrentPlayer()->SetName(player);
        EXPECT_TRUE(set.SavePlayers(folder.File(fileName)));
        return folder.File(fileName);
    }

    void Run(ActionId id)
    {
        form.UpdateActions();
        form.Execute(id);
        QApplication::processEvents();
    }

    RecordingMessageService messages;
    TempFolder folder;
    TMainForm form;
    std::vector<std::string> dialogs;
    std::vector<std::string> answers;
    TDialogScript previousScript;
};

} // namespace

TEST_F(PlayersCommandsTest, NewPlayersMakesANumberedSetInItsWindow)
{
    Run(A::FileNewPlay);
    Run(A::FileNewPlay);
    const std::vector<TMDIChildDlgPlayers*> windows = Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[1]->GetUnitName(), "Players 2");
    EXPECT_EQ(windows[1]->GetUnitPlayers()->GetFirstPlayer()->GetName(), "Player 1");
    EXPECT_EQ(form.Players().ActivePlayersWindow(), windows[1]);
    // The kind's commands: Duplicate is offered, Save because it was never saved.
    EXPECT_TRUE(form.Action(A::DuplicatePlay)->isVisible());
    EXPECT_FALSE(form.Action(A::DuplicateWave)->isVisible());
    // The registry knows the sets and their players.
    std::vector<std::string> names;
    EXPECT_EQ(MainForm().AddPlayerSetNames(names), 2);
    EXPECT_EQ(MainForm().FindCompoundPlayer("Player 1", "Players 2"), windows[1]->GetUnitPlayers()->GetFirstPlayer());
    std::string given;
    TUnitPlayers* converted = MainForm().NewUnitPlayers("Players 1", given);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(given, "Players 1 1");
    EXPECT_EQ(converted->CountPlayers(), 0);
}

TEST_F(PlayersCommandsTest, OpenReadsEveryGoodFileAndReportsTheBadOne)
{
    const std::string good = SavedSet("good.qby", "Lead");
    const std::string bad = folder.File("bad.qby");
    WriteWholeFile(bad, "not a players file");
    answers = {"bad.qby", "good.qby"};
    Run(A::FileOpenPlay);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0], "Open Players");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "File Error");
    EXPECT_EQ(messages.Last().text.rfind("Cannot read file \"" + bad + "\": ", 0), 0u) << messages.Last().text;
    const std::vector<TMDIChildDlgPlayers*> windows = Windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->windowTitle().toStdString(), "Players 1 - " + good);
    EXPECT_EQ(windows[0]->GetUnitPlayers()->GetFirstPlayer()->GetName(), "Lead");
    EXPECT_FALSE(windows[0]->NeedsSaving());
    // The command line opens a set too.
    form.FormShow(good);
    EXPECT_EQ(Windows().size(), 2u);
}

TEST_F(PlayersCommandsTest, SaveAsWritesTheSetThatThenReopensEqual)
{
    TUnitPlayers* set = form.Players().NewPlayersSet();
    set->GetCurrentPlayer()->SetName("Strings");
    set->GetCurrentOnePlayer()->SetRollOutSamplerProps(TRollOutSamplerProps());
    set->SetModified();
    // Cancelled: nothing changes.
    Run(A::FileSave);
    EXPECT_TRUE(set->HasNoFileName());
    EXPECT_TRUE(set->IsModified());
    const std::string file = folder.File("strings.qby");
    answers = {"strings.qby"};
    Run(A::FileSave);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs.back(), "Save Players");
    EXPECT_EQ(set->GetFileName(), file);
    EXPECT_FALSE(set->IsModifiedOrNew());
    EXPECT_EQ(Windows()[0]->windowTitle().toStdString(), "Players 1 - " + file);

    TUnitPlayers* reopened = form.Players().OpenPlayersFile(file);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->GetName(), "Players 2");
    EXPECT_EQ(reopened->GetFirstPlayer()->GetName(), "Strings");
    EXPECT_EQ(reopened->GetCurrentOnePlayer()->GetNotePlayerKind(), notePlayerRollOutSampler);
}

TEST_F(PlayersCommandsTest, AFailedSaveKeepsTheFileNameTheMarkAndTheWindow)
{
    const std::string file = SavedSet("kept.qby", "Lead");
    TUnitPlayers* set = form.Players().OpenPlayersFile(file);
    ASSERT_NE(set, nullptr);
    set->GetCurrentPlayer()->SetName("Changed");
    set->SetModified();
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_FALSE(form.Files().SaveUnit(*set));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "FileError");
    EXPECT_TRUE(set->IsModified());
    EXPECT_EQ(set->GetFileName(), file);
    // Yes to the close question: the save fails and the window stays.
    messages.Answer(MsgAnswer::Yes);
    EXPECT_FALSE(Windows()[0]->close());
    EXPECT_EQ(Windows().size(), 1u);
    // Save As to a folder that does not exist: no new name either.
    answers = {folder.File("none/set.qby")};
    EXPECT_FALSE(form.Files().SaveAsUnit(*set));
    EXPECT_EQ(set->GetFileName(), file);
    EXPECT_TRUE(set->IsModified());
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

TEST_F(PlayersCommandsTest, RevertReadsTheFileAgainAndAFailureKeepsTheSet)
{
    const std::string file = SavedSet("revert.qby", "Lead");
    TUnitPlayers* set = form.Players().OpenPlayersFile(file);
    TMDIChildDlgPlayers* window = Windows()[0];
    set->GetCurrentPlayer()->SetName("Changed");
    set->SetModified();
    form.MdiArea()->setActiveSubWindow(window);
    Run(A::FileRevert);
    TUnitPlayers* reverted = window->GetUnitPlayers();
    EXPECT_NE(reverted, set);
    EXPECT_EQ(reverted->GetFirstPlayer()->GetName(), "Lead");
    EXPECT_EQ(reverted->GetName(), "Players 1");
    EXPECT_FALSE(reverted->IsModified());
    EXPECT_EQ(window->windowTitle().toStdString(), "Players 1 - " + file);

    reverted->GetCurrentPlayer()->SetName("Again");
    reverted->SetModified();
    WriteWholeFile(file, "broken");
    Run(A::FileRevert);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("Cannot read file: \"" + file + "\": ", 0), 0u);
    EXPECT_EQ(window->GetUnitPlayers(), reverted);
    EXPECT_EQ(reverted->GetFirstPlayer()->GetName(), "Again");
}

TEST_F(PlayersCommandsTest, DuplicateCopiesTheActiveSetIntoANewWindow)
{
    TUnitPlayers* set = form.Players().NewPlayersSet();
    set->InsertNewPlayer(set->GetCurrentPlayer()).SetName("Bass");
    QApplication::processEvents();
    Run(A::DuplicatePlay);
    Run(A::DuplicatePlay);
    const std::vector<TMDIChildDlgPlayers*> windows = Windows();
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(windows[1]->GetUnitName(), "Copy 1 of Players 1");
    // The second copy was made of the first copy, the active set then.
    EXPECT_EQ(windows[2]->GetUnitName(), "Copy 1 of Copy 1 of Players 1");
    TUnitPlayers* copy = windows[1]->GetUnitPlayers();
    ASSERT_EQ(copy->CountPlayers(), 2);
    EXPECT_EQ(copy->GetLastPlayer()->GetName(), "Bass");
    EXPECT_EQ(copy->GetCurrentPlayer(), copy->GetFirstPlayer());
    EXPECT_TRUE(copy->HasNoFileName());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(PlayersCommandsTest, APlayersWindowShowsItsKindAndOnlyEditNameFollowsIt)
{
    form.NewWave(TWaveFileProps(2, 44100, 2));
    QApplication::processEvents();
    Run(A::FileNewPlay);
    auto& dialogs = dynamic_cast<TModelessDialogsQt&>(form.ModelessDialogs());
    ASSERT_NE(dialogs.GetEditNameDialog(), nullptr);
    EXPECT_EQ(dialogs.GetEditNameDialog()->editName->text(), "Players 1");
    // No wave tools or keys while a players window is active.
    EXPECT_FALSE(form.ToolBar("ToolBarWave1")->isVisible());
    EXPECT_FALSE(form.StatusBarWave()->isVisible());
    EXPECT_FALSE(form.Action(A::EditCut)->isEnabled());
    EXPECT_TRUE(form.Action(A::FileNewPlay)->isEnabled());
    EXPECT_TRUE(form.Action(A::DuplicatePlay)->isEnabled());
    // The players set binds Ctrl+D to Duplicate.
    EXPECT_EQ(form.ShortCuts().Get(A::DuplicatePlay).Text(), "Ctrl+D");
}

TEST_F(PlayersCommandsTest, AProjectKeepsItsPlayerSetsAndTheirChanges)
{
    answers = {"Song.qbp"};
    Run(A::ProjectNew);
    ASSERT_EQ(form.GetProjectWriteFile(), folder.File("Song.qbp"));
    // One set saved and unchanged, one saved and changed, one never saved.
    const std::string savedFile = SavedSet("saved.qby", "Piano");
    const std::string changedFile = SavedSet("changed.qby", "Organ");
    TUnitPlayers* saved = form.Players().OpenPlayersFile(savedFile);
    saved->SetName("Keys");
    TUnitPlayers* changed = form.Players().OpenPlayersFile(changedFile);
    EXPECT_EQ(changed->GetName(), "Players 1");
    changed->GetCurrentPlayer()->SetName("Church Organ");
    changed->SetModified();
    TUnitPlayers* fresh = form.Players().NewPlayersSet();
    fresh->GetCurrentOnePlayer()->SetRepeatWaveFormProps(TRepeatWaveFormProps(unitUnitWave("cycle")));
    fresh->SetModified();
    QApplication::processEvents();

    answers.clear();
    Run(A::ProjectClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(Windows().empty());
    // The files of the sets are as they were: only copies were written.
    TUnitPlayers check("x", changedFile);
    std::string error;
    ASSERT_TRUE(check.LoadPlayers(error)) << error;
    EXPECT_EQ(check.GetFirstPlayer()->GetName(), "Organ");

    answers = {"Song.qbp"};
    Run(A::ProjectOpen);
    EXPECT_EQ(messages.Count(), 0u);
    const std::vector<TMDIChildDlgPlayers*> windows = Windows();
    ASSERT_EQ(windows.size(), 3u);
    std::map<std::string, TUnitPlayers*> sets;
    for (TMDIChildDlgPlayers* window : windows)
        sets[window->GetUnitName()] = window->GetUnitPlayers();
    ASSERT_EQ(sets.count("Keys"), 1u);
    EXPECT_EQ(sets["Keys"]->GetFileName(), savedFile);
    EXPECT_FALSE(sets["Keys"]->IsModifiedOrNew());
    // The changed set was opened as "Players 1" after the first one was renamed.
    ASSERT_EQ(sets.count("Players 1"), 1u);
    EXPECT_EQ(sets["Players 1"]->GetFileName(), changedFile);
    EXPECT_EQ(sets["Players 1"]->GetFirstPlayer()->GetName(), "Church Organ");
    EXPECT_TRUE(sets["Players 1"]->IsModified());
    ASSERT_EQ(sets.count("Players 2"), 1u);
    EXPECT_TRUE(sets["Players 2"]->HasNoFileName());
    EXPECT_EQ(sets["Players 2"]->GetCurrentOnePlayer()->GetNotePlayerKind(), notePlayerRepeatWaveForm);
    EXPECT_TRUE(sets["Players 2"]->IsModifiedOrNew());
}

TEST_F(PlayersCommandsTest, AnOldMusicFilesPlayersGetAWindowThatGoesQuietlyWhenTheMusicFails)
{
    // What an old note group holds: a player of one simple sampler.
    TXMLComplexElement player("CompoundPlayer");
    auto sampler = std::make_unique<TXMLComplexElement>("SimpleOneSampler");
    sampler->AddItem(std::make_unique<TXMLStringElement>("BasicFreq", "440 hz"));
    sampler->AddItem(std::make_unique<TXMLStringElement>("SampleWave", "piano"));
    sampler->AddItem(std::make_unique<TXMLStringElement>("VolumeFactor", "1"));
    player.AddItem(std::move(sampler));
    std::string name, error;
    int32_t line = 0, column = 0;

    TConvertedPlayerSet* kept = NotePlayers().NewConvertedPlayerSet("Players for converted Music 1");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->GetName(), "Players for converted Music 1");
    ASSERT_TRUE(kept->AddConvertedPlayer(player, name, error, line, column)) << error;
    EXPECT_EQ(name, "Player 1");
    NotePlayers().KeepConvertedPlayerSet(*kept);
    QApplication::processEvents();
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(Windows()[0]->PlayerNavigator()->CountEdit()->text(), "1");
    EXPECT_EQ(MainForm().FindCompoundPlayer("Player 1", "Players for converted Music 1")->GetName(), "Player 1");

    TConvertedPlayerSet* dropped = NotePlayers().NewConvertedPlayerSet("Players for converted Music 1");
    EXPECT_EQ(dropped->GetName(), "Players for converted Music 1 1");
    ASSERT_TRUE(dropped->AddConvertedPlayer(player, name, error, line, column));
    NotePlayers().CloseConvertedPlayerSet(*dropped);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Windows().size(), 1u);
    EXPECT_EQ(messages.Count(), 0u);
}
