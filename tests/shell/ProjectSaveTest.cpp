#include "support/TempFolder.h"
#include "tests/shell/FaultyProjectDisk.h"

#include "platform/RecordingMessageService.h"
#include "shell/ProjectDisk.h"
#include "shell/ProjectFile.h"
#include "shell/ProjectSave.h"
#include "shell/ProjectTempFiles.h"
#include "shell/RecordingProjectWorkspace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every file under a folder with its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = ReadWholeFile(entry.path().string());
    return files;
}

struct ProjectSave : ::testing::Test {
    ProjectSave() { BuildProjectGrammar(); }

    std::string Copy(const char* name) const { return folder.File(std::string("SongTempSaveFiles/") + name); }
    std::vector<std::string> CopiesFolder() const
    {
        std::vector<std::string> names;
        if (fs::exists(folder.File("SongTempSaveFiles")))
            for (const auto& entry : fs::directory_iterator(folder.File("SongTempSaveFiles")))
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // What the project opens as: each window's name and content.
    std::vector<std::string> Reopen()
    {
        RecoverProjectSave(project, RealProjectDisk());
        TRecordingProjectWorkspace again;
        std::string error;
        if (ReadProjectFile(again, project, error) != projectRead)
            return {"not read: " + error};
        std::vector<std::string> windows;
        for (const auto& document : again.Documents)
            windows.push_back(document->GetName() + "=" + document->Content);
        return windows;
    }

    // Two documents, saved once as version 1, then changed to version 2.
    void SaveVersionOneThenChange()
    {
        workspace.Add(UnitKindWave, "One", "", "one-1");
        TRecordedDocument& two = workspace.Add(UnitKindWave, "Two", folder.File("two.wav"), "two-1");
        two.Changed = true;
        WriteWholeFile(folder.File("two.wav"), "two-0");
        ASSERT_TRUE(SaveProject(workspace, project, false));
        workspace.Document(0)->Content = "one-2";
        workspace.Document(1)->Content = "two-2";
    }

    RecordingMessageService messages;
    TempFolder folder;
    std::string project = folder.File("Song.qbp");
    TRecordingProjectWorkspace workspace;
    const std::vector<std::string> versionOne = {"One=one-1", "Two=two-1"};
    const std::vector<std::string> versionTwo = {"One=one-2", "Two=two-2"};
};

} // namespace

TEST_F(ProjectSave, ChangedAndUnsavedDocumentsAreCopiedInListOrder)
{
    WriteWholeFile(folder.File("a.wav"), "a");
    workspace.Add(UnitKindWave, "Saved", folder.File("a.wav"), "a");
    workspace.Add(UnitKindWave, "Changed", folder.File("b.wav"), "b-changed").Changed = true;
    workspace.Add(UnitKindPlayers, "New", "", "players");

    ASSERT_TRUE(SaveProject(workspace, project, false));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(CopiesFolder(), (std::vector<std::string>{"savedProjectWindowFile0.wav", "savedProjectWindowFile1.qby"}));
    EXPECT_EQ(workspace.Document(0)->GetTempFileNumber(), -1);
    EXPECT_EQ(workspace.Document(1)->GetTempFileNumber(), 0);
    EXPECT_EQ(workspace.Document(2)->GetTempFileNumber(), 1);
    EXPECT_FALSE(fs::exists(project + ".saving"));
    EXPECT_FALSE(fs::exists(folder.File("SongTempSaveFilesPrevious")));
    // A project save takes copies only: the documents keep their marks.
    EXPECT_TRUE(workspace.Document(1)->Changed);

    EXPECT_EQ(Reopen(), (std::vector<std::string>{"Saved=a", "Changed=b-changed", "New=players"}));
}

TEST_F(ProjectSave, OnlyTheLatestCopiesStay)
{
    for (const char* name : {"A", "B", "C"})
        workspace.Add(UnitKindWave, name, "", name);
    ASSERT_TRUE(SaveProject(workspace, project, false));
    ASSERT_EQ(CopiesFolder().size(), 3u);
    workspace.Documents.erase(workspace.Documents.begin(), workspace.Documents.begin() + 2);
    // What a save that stopped half-way left behind goes too.
    WriteWholeFile(Copy("newProjectWindowFile5.wav"), "stray");

    ASSERT_TRUE(SaveProject(workspace, project, false));
    EXPECT_EQ(CopiesFolder(), std::vector<std::string>{"savedProjectWindowFile0.wav"});
    EXPECT_EQ(ReadWholeFile(Copy("savedProjectWindowFile0.wav")), "C");
    EXPECT_EQ(Reopen(), std::vector<std::string>{"C=C"});
}

TEST_F(ProjectSave, NothingChangedMakesNoFolder)
{
    WriteWholeFile(folder.File("a.wav"), "a");
    workspace.Add(UnitKindWave, "A", folder.File("a.wav"), "a");
    ASSERT_TRUE(SaveProject(workspace, project, false));
    EXPECT_FALSE(fs::exists(folder.File("SongTempSaveFiles")));
    const std::string text = ReadWholeFile(project);
    EXPECT_NE(text.find("<File>"), std::string::npos);
    EXPECT_EQ(text.find("<TempFile>"), std::string::npos);

    // Copies of an earlier save go once nothing needs them.
    workspace.Document(0)->Changed = true;
    ASSERT_TRUE(SaveProject(workspace, project, false));
    ASSERT_TRUE(fs::exists(folder.File("SongTempSaveFiles")));
    workspace.Document(0)->Changed = false;
    ASSERT_TRUE(SaveProject(workspace, project, false));
    EXPECT_FALSE(fs::exists(folder.File("SongTempSaveFiles")));
}

TEST_F(ProjectSave, AnExportCopiesEverythingBesideItsOwnFile)
{
    WriteWholeFile(folder.File("a.wav"), "a");
    workspace.Add(UnitKindWave, "A", folder.File("a.wav"), "a");
    workspace.Add(UnitKindWave, "B", "", "b").Changed = true;
    ASSERT_TRUE(SaveProject(workspace, project, false));
    const auto before = Snapshot(folder.Path());

    fs::create_directory(folder.File("out"));
    const std::string exported = folder.File("out/Export.qbp");
    ASSERT_TRUE(SaveProject(workspace, exported, true));
    const std::string text = ReadWholeFile(exported);
    EXPECT_EQ(text.find("<File>"), std::string::npos);
    EXPECT_TRUE(fs::exists(folder.File("out/ExportTempSaveFiles/savedProjectWindowFile0.wav")));
    EXPECT_TRUE(fs::exists(folder.File("out/ExportTempSaveFiles/savedProjectWindowFile1.wav")));
    auto after = Snapshot(folder.Path());
    std::erase_if(after, [](const auto& file) { return file.first.rfind("out", 0) == 0; });
    EXPECT_EQ(after, before);
}

TEST_F(ProjectSave, AKindThatIsNotBuiltIsRefused)
{
    workspace.SetKindBuilt(UnitKindMusic, false);
    workspace.Add(UnitKindMusic, "Music 1", "", "");
    EXPECT_FALSE(SaveProject(workspace, project, false));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot close Project: A Music window cannot be saved in a project in this version.");
    EXPECT_EQ(messages.Last().caption, "Project Error");
    EXPECT_FALSE(fs::exists(project));
}

TEST_F(ProjectSave, AnEmptyFileNameSavesNothing)
{
    workspace.Add(UnitKindWave, "A", "", "a");
    EXPECT_TRUE(SaveProject(workspace, "", false));
    EXPECT_EQ(workspace.Document(0)->GetTempFileNumber(), -1);
}

TEST_F(ProjectSave, ACopyThatCannotBeWrittenKeepsThePreviousSet)
{
    SaveVersionOneThenChange();
    const auto before = Snapshot(folder.Path());
    workspace.Kind(UnitKindWave).FailCopyOf = "One";

    EXPECT_FALSE(SaveProject(workspace, project, false));
    ASSERT_EQ(messages.Count(), 1u);
    // The document's own reason is part of the save's one message.
    EXPECT_EQ(messages.Last().text, "Cannot close Project: The copy of \"One\" could not be written: Cannot write "
                                    "the copy: the disk is full.");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Stop);
    // The other document was still tried.
    EXPECT_EQ(workspace.Kind(UnitKindWave).copiesWritten.size(), 3u);
    EXPECT_EQ(Snapshot(folder.Path()), before);
    EXPECT_EQ(Reopen(), versionOne);
}

TEST_F(ProjectSave, AProjectFileThatCannotBeWrittenKeepsThePreviousSetWithOneMessage)
{
    SaveVersionOneThenChange();
    fs::permissions(project, fs::perms::owner_read);
    const auto before = Snapshot(folder.Path());

    EXPECT_FALSE(SaveProject(workspace, project, false));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot close Project: The project file \"" + project +
                                        "\" could not be written: Operating System cannot open file for writing, "
                                        "maybe the file is readonly.");
    EXPECT_EQ(messages.Last().caption, "Project Error");
    EXPECT_EQ(Snapshot(folder.Path()), before);
    fs::permissions(project, fs::perms::owner_all);
    EXPECT_EQ(Reopen(), versionOne);
}

TEST_F(ProjectSave, AFolderWhereTheProjectFileGoesIsOneMessage)
{
    fs::create_directory(project);
    workspace.Add(UnitKindWave, "One", "", "one");

    EXPECT_FALSE(SaveProject(workspace, project, false));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot close Project: The project file \"" + project +
                                        "\" could not be written: There is a folder of that name.");
    EXPECT_TRUE(fs::is_directory(project));
    EXPECT_FALSE(fs::exists(folder.File("SongTempSaveFiles")));
}

// A project file name of 255 bytes leaves no room for the names made from
// it (the copies' folder, the project file's temporary name); one whose
// copies' folder just fits leaves none for the folder the previous copies
// move to. Both save twice and reopen; a cut name keeps whole characters.
TEST_F(ProjectSave, ProjectsOfTheLongestNamesAreSavedAndReopened)
{
    std::string letters = "pp";
    while (letters.size() < 250)
        letters += "\xC3\xA9";
    letters += "p";
    for (const std::string& base : {letters, std::string(251, 's'), std::string(242, 'f')}) {
        workspace.Documents.clear();
        messages.Clear();
        project = folder.File(base + ".qbp");
        SaveVersionOneThenChange();
        ASSERT_TRUE(SaveProject(workspace, project, false)) << base.size();
        EXPECT_EQ(messages.Count(), 0u);
        EXPECT_EQ(Reopen(), versionTwo) << base.size();
        std::string copies;
        std::string error;
        ASSERT_TRUE(ProjectTempFolder(project, copies, error));
        const std::string name = fs::path(copies).filename().string();
        if (base.size() + 13 <= LongestFileName) {
            EXPECT_EQ(name, base + "TempSaveFiles");
        } else {
            EXPECT_LE(name.size(), LongestFileName);
            const size_t kept = name.find('~');
            ASSERT_NE(kept, std::string::npos);
            EXPECT_EQ(name.substr(0, kept), base.substr(0, kept));
            EXPECT_NE(static_cast<unsigned char>(base[kept]) & 0xC0, 0x80) << "a character was cut";
        }
        EXPECT_TRUE(fs::exists(FileInFolder(copies, "savedProjectWindowFile0.wav"))) << base.size();
    }
}

// Each changing file operation of a save fails once in turn: a save that
// reports failure leaves the previous project, one that reports success the new.
TEST_F(ProjectSave, AFailureAtAnyStepLeavesAProjectThatOpens)
{
    SaveVersionOneThenChange();
    const auto before = Snapshot(folder.Path());
    std::vector<std::string> reasons;
    for (int failAt = 0;; ++failAt) {
        FaultyProjectDisk disk(failAt, false);
        messages.Clear();
        const bool saved = SaveProject(workspace, project, false, disk);
        if (!disk.Failed()) {
            EXPECT_TRUE(saved);
            break;
        }
        if (saved) {
            EXPECT_EQ(Reopen(), versionTwo) << "failing operation " << failAt;
        } else {
            ASSERT_EQ(messages.Count(), 1u);
            reasons.push_back(messages.Last().text);
            EXPECT_EQ(Snapshot(folder.Path()), before) << "failing operation " << failAt;
            EXPECT_EQ(Reopen(), versionOne) << "failing operation " << failAt;
        }
    }
    const std::string copies = folder.File("SongTempSaveFiles");
    EXPECT_EQ(reasons, (std::vector<std::string>{
                           "Cannot close Project: Cannot rename folder \"" + copies + "\" to folder \"" + copies +
                               "Previous\".",
                           "Cannot close Project: Cannot create folder \"" + copies + "\".",
                           "Cannot close Project: Cannot rename file \"" + copies +
                               "Previous/newProjectWindowFile0.wav\" to file \"" + copies +
                               "/savedProjectWindowFile0.wav\".",
                           "Cannot close Project: Cannot rename file \"" + copies +
                               "Previous/newProjectWindowFile1.wav\" to file \"" + copies +
                               "/savedProjectWindowFile1.wav\".",
                           "Cannot close Project: Cannot rename file \"" + project + ".saving\" to file \"" +
                               project + "\".",
                       }));
}

// The program stops at each changing file operation of a save in turn: the
// next open finds the previous project or the new one, never a mix.
TEST_F(ProjectSave, ASaveCutOffAnywhereLeavesAProjectThatOpens)
{
    SaveVersionOneThenChange();
    for (int stopAt = 0;; ++stopAt) {
        TempFolder saved;
        fs::copy(folder.Path(), saved.Path(), fs::copy_options::recursive);
        FaultyProjectDisk disk(stopAt, true);
        SaveProject(workspace, project, false, disk);
        const std::vector<std::string> opened = Reopen();
        EXPECT_TRUE(opened == versionOne || opened == versionTwo)
            << "stopped at operation " << stopAt << ": " << ::testing::PrintToString(opened);
        if (!disk.Failed())
            break;
        // The next round starts from version one again.
        fs::remove_all(folder.Path());
        fs::copy(saved.Path(), folder.Path(), fs::copy_options::recursive);
    }
}
