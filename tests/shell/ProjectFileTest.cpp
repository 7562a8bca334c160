#include "support/TempFolder.h"

#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "foundation/xml/XMLStringElement.h"
#include "platform/RecordingMessageService.h"
#include "shell/ProjectFile.h"
#include "shell/ProjectTempFiles.h"
#include "shell/RecordingProjectWorkspace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The text of a project file as the writer makes it, without the CRs.
std::string Text(TProjectWorkspace& workspace, bool exportProject = false)
{
    std::string bytes = DocumentBytes(*BuildProjectXml(workspace, exportProject), ProjectSuffix);
    std::erase(bytes, '\r');
    return bytes;
}

std::string Head(const char* version)
{
    return std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE Project_v9_1 SYSTEM "
                       "\"Project_v9_1.dtd\">\n\n<Project>\n  <Version>") +
           version + "</Version>\n";
}

const char* const Frame = "  <Frame>\n    <Left>10</Left>\n    <Top>20</Top>\n    <Width>800</Width>\n"
                          "    <Height>600</Height>\n    <Normal />\n  </Frame>\n";

std::string WaveWindow(const std::string& where, const std::string& name = "", const char* size = "300")
{
    return std::string("  <Window>\n    <Wave>\n") + where + "    </Wave>\n" +
           (name.empty() ? "" : "    <Name>" + name + "</Name>\n") +
           "    <Left>1</Left>\n    <Top>2</Top>\n    <Width>" + size + "</Width>\n    <Height>200</Height>\n"
           "    <Maximized />\n  </Window>\n";
}

struct ProjectFile : ::testing::Test {
    ProjectFile() { BuildProjectGrammar(); }

    TProjectReadResult Read(const std::string& text)
    {
        error.clear();
        return ReadProjectBytes(workspace, text, project, error);
    }

    RecordingMessageService messages;
    TempFolder folder;
    std::string project = folder.File("Song.qbp");
    TRecordingProjectWorkspace workspace;
    std::string error;
};

} // namespace

TEST_F(ProjectFile, TheTreeListsFrameDialogsAndWindowsInOrder)
{
    workspace.Frame = {-4, 0, 1024, 700, windowStateMaximized};
    TRecordedDocument& first = workspace.Add(UnitKindWave, "Wave 1", "/x/a.wav", "");
    first.Placement = {5, 6, 300, 200, windowStateNormal};
    first.SetTempFileNumber(0);
    TRecordedDocument& second = workspace.Add(UnitKindPlayers, "", "/x/p.qby", "");
    second.Placement = {7, 8, 310, 210, windowStateMinimized};
    workspace.Add(UnitKindWave, "Wave <2>", "", "").SetTempFileNumber(1);

    EXPECT_EQ(Text(workspace),
              Head("9.1") +
                  "  <Frame>\n    <Left>-4</Left>\n    <Top>0</Top>\n    <Width>1024</Width>\n"
                  "    <Height>700</Height>\n    <Maximized />\n  </Frame>\n"
                  "  <ModelessDialogs />\n"
                  "  <Window>\n    <Wave>\n      <File>/x/a.wav</File>\n      <TempFile>0</TempFile>\n"
                  "    </Wave>\n    <Name>Wave 1</Name>\n    <Left>5</Left>\n    <Top>6</Top>\n"
                  "    <Width>300</Width>\n    <Height>200</Height>\n    <Normal />\n  </Window>\n"
                  // No name, no Name element: an empty text cannot be read back.
                  "  <Window>\n    <PlayerSet>\n      <File>/x/p.qby</File>\n    </PlayerSet>\n"
                  "    <Left>7</Left>\n    <Top>8</Top>\n    <Width>310</Width>\n    <Height>210</Height>\n"
                  "    <Minimized />\n  </Window>\n"
                  "  <Window>\n    <Wave>\n      <TempFile>1</TempFile>\n    </Wave>\n"
                  "    <Name>Wave ^S2^G</Name>\n    <Left>0</Left>\n    <Top>0</Top>\n    <Width>0</Width>\n"
                  "    <Height>0</Height>\n    <Normal />\n  </Window>\n"
                  "</Project>\n");
}

TEST_F(ProjectFile, AnExportedProjectNamesNoFile)
{
    workspace.Add(UnitKindWave, "Wave 1", "/x/a.wav", "").SetTempFileNumber(0);
    workspace.Add(UnitKindWave, "Wave 2", "/x/b.wav", "").SetTempFileNumber(1);
    const std::string text = Text(workspace, true);
    EXPECT_EQ(text.find("<File>"), std::string::npos);
    EXPECT_NE(text.find("<TempFile>1</TempFile>"), std::string::npos);
}

TEST_F(ProjectFile, WhatIsWrittenReadsBackInTheSameOrder)
{
    workspace.Frame = {30, 40, 900, 650, windowStateNormal};
    TRecordedDocument& a = workspace.Add(UnitKindWave, "Drums", "/x/a.wav", "");
    a.Placement = {1, 2, 300, 200, windowStateNormal};
    TRecordedDocument& b = workspace.Add(UnitKindPlayers, "Band", "/x/p.qby", "");
    b.Placement = {-3, 4, 500, 100, windowStateMaximized};
    const std::string text = Text(workspace);

    TRecordingProjectWorkspace again;
    ASSERT_EQ(ReadProjectBytes(again, text, project, error), projectRead) << error;
    EXPECT_EQ(again.Frame, workspace.Frame);
    ASSERT_EQ(again.Documents.size(), 2u);
    EXPECT_EQ(again.Document(0)->GetName(), "Drums");
    EXPECT_EQ(again.Document(0)->GetFileName(), "/x/a.wav");
    EXPECT_EQ(again.Document(0)->Placement, a.Placement);
    EXPECT_EQ(again.Document(1)->GetKind(), UnitKindPlayers);
    EXPECT_EQ(again.Document(1)->Placement, b.Placement);
    // The Edit Name dialog hears the name of the last window.
    EXPECT_EQ(again.LastNameShown, "Band");
}

TEST_F(ProjectFile, AnEmptyProjectOpensNothingAndHidesEveryDialog)
{
    for (int kind = 0; kind < 4; ++kind)
        workspace.Dialogs.ToggleDialog(static_cast<TModelessDialogKind>(kind));
    ASSERT_EQ(Read(Head("9.1") + Frame + "  <ModelessDialogs />\n</Project>\n"), projectRead) << error;
    EXPECT_TRUE(workspace.Documents.empty());
    for (int kind = 0; kind < 4; ++kind)
        EXPECT_FALSE(workspace.Dialogs.IsDialogVisible(static_cast<TModelessDialogKind>(kind)));
    EXPECT_EQ(workspace.Frame, (TWindowPlacement{10, 20, 800, 600, windowStateNormal}));
    EXPECT_EQ(workspace.LastNameShown, "");
}

TEST_F(ProjectFile, ADialogElementShowsThatDialog)
{
    ASSERT_EQ(Read(Head("9.1") + Frame +
                   "  <ModelessDialogs>\n    <DlgMusTree>\n      <Left>1</Left>\n      <Top>2</Top>\n"
                   "      <Width>3</Width>\n      <Height>4</Height>\n    </DlgMusTree>\n  </ModelessDialogs>\n"
                   "</Project>\n"),
              projectRead)
        << error;
    EXPECT_TRUE(workspace.Dialogs.IsDialogVisible(modelessDialogMusTree));
    EXPECT_FALSE(workspace.Dialogs.IsDialogVisible(modelessDialogSelZoom));
}

TEST_F(ProjectFile, AShowingDialogKeepsItsElement)
{
    workspace.Dialogs.SetPlacement(modelessDialogSelZoom, {400, 30, 0, 0});
    workspace.Dialogs.ShowDialog(modelessDialogSelZoom, true);
    const std::string text = Text(workspace);
    EXPECT_NE(text.find("  <ModelessDialogs>\n    <DlgSelZoom>\n      <Left>400</Left>\n      <Top>30</Top>\n"
                        "    </DlgSelZoom>\n  </ModelessDialogs>\n"),
              std::string::npos)
        << text;

    TRecordingProjectWorkspace again;
    again.Dialogs.ShowDialog(modelessDialogEditName, true);
    ASSERT_EQ(ReadProjectBytes(again, text, project, error), projectRead) << error;
    EXPECT_TRUE(again.Dialogs.IsDialogVisible(modelessDialogSelZoom));
    EXPECT_EQ(again.Dialogs.GetPlacement(modelessDialogSelZoom).Left, 400);
    EXPECT_EQ(again.Dialogs.GetPlacement(modelessDialogSelZoom).Top, 30);
    EXPECT_FALSE(again.Dialogs.IsDialogVisible(modelessDialogEditName));
}

TEST_F(ProjectFile, EachVersionReadsByItsOwnGrammar)
{
    const std::string players = "  <Window>\n    <PlayerSet>\n      <File>/x/p.qby</File>\n    </PlayerSet>\n"
                                "    <Left>1</Left>\n    <Top>2</Top>\n    <Width>3</Width>\n    <Height>4</Height>\n"
                                "    <Normal />\n  </Window>\n";
    const std::string wave = WaveWindow("      <File>/x/a.wav</File>\n", "Wave 1");
    struct Case {
        const char* what;
        std::string text;
        bool read;
    } cases[] = {
        {"9.1 with a player set", Head("9.1") + Frame + "  <ModelessDialogs />\n" + players + "</Project>\n", true},
        {"9.1 without ModelessDialogs", Head("9.1") + Frame + wave + "</Project>\n", false},
        {"9.0 with a wave", Head("9.0") + Frame + wave + "</Project>\n", true},
        {"9.0 with a player set", Head("9.0") + Frame + players + "</Project>\n", false},
        {"9.0 with ModelessDialogs", Head("9.0") + Frame + "  <ModelessDialogs />\n</Project>\n", false},
        {"8.0 with its counter", Head("8.0") + "  <NoNameCounter>x</NoNameCounter>\n" + Frame + wave + "</Project>\n",
         true},
        {"8.0 without its counter", Head("8.0") + Frame + wave + "</Project>\n", false},
        {"a window after something else", Head("9.1") + Frame + "  <ModelessDialogs />\n" + wave +
                                              "  <Version>9.1</Version>\n</Project>\n",
         false},
    };
    for (const Case& c : cases) {
        workspace.Documents.clear();
        EXPECT_EQ(Read(c.text), c.read ? projectRead : projectNotRead) << c.what << ": " << error;
        EXPECT_EQ(workspace.Documents.size(), c.read ? 1u : 0u) << c.what;
        if (!c.read) {
            EXPECT_FALSE(error.empty()) << c.what;
        }
    }
}

TEST_F(ProjectFile, AnUnknownVersionIsNamed)
{
    EXPECT_EQ(Read(Head("9.2") + Frame + "  <ModelessDialogs />\n</Project>\n"), projectNotRead);
    EXPECT_EQ(error, "Unknown version \"9.2\" found in project file.");
    EXPECT_EQ(Read("<Project>\n  <Frame/>\n</Project>\n"), projectNotRead);
    EXPECT_EQ(error, "Unknown version \"\" found in project file.");
}

TEST_F(ProjectFile, AFileThatCannotBeReadGivesTheReadersReason)
{
    EXPECT_EQ(ReadProjectFile(workspace, folder.File("none.qbp"), error), projectNotRead);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Read("<Project><Version>9.1</Version> < >"), projectNotRead);
    EXPECT_FALSE(error.empty());
}

TEST_F(ProjectFile, ABadNumberInAWindowFailsWithItsPlaceAndOpensNothing)
{
    const std::string text = Head("9.1") + Frame + "  <ModelessDialogs />\n" +
                             WaveWindow("      <File>/x/a.wav</File>\n", "One") +
                             WaveWindow("      <File>/x/b.wav</File>\n", "Two", "wide") + "</Project>\n";
    EXPECT_EQ(Read(text), projectNotRead);
    // Line 32 holds the second window's Width; its text starts in column 12.
    EXPECT_EQ(error, "At line 32, column 12: In Width: Invalid value: \"wide\".");
    EXPECT_TRUE(workspace.Documents.empty());
    // Nothing was applied: the frame stays.
    EXPECT_EQ(workspace.Frame, TWindowPlacement{});
}

TEST_F(ProjectFile, ADocumentThatCannotBeOpenedClosesTheWindowsOpenedBefore)
{
    const std::string text = Head("9.1") + Frame + "  <ModelessDialogs />\n" +
                             WaveWindow("      <File>/x/a.wav</File>\n", "One") + "</Project>\n";
    workspace.Kind(UnitKindWave).FailOpen = "Cannot read file \"/x/a.wav\".";
    EXPECT_EQ(Read(text), projectNotRead);
    EXPECT_EQ(error, "At line 16, column 13: Cannot read file \"/x/a.wav\".");
    EXPECT_TRUE(workspace.Documents.empty());
}

TEST_F(ProjectFile, AWindowThatCannotBeRestoredIsRefused)
{
    workspace.SetKindBuilt(UnitKindPlayers, false);
    const std::string players = "  <Window>\n    <PlayerSet>\n      <File>/x/p.qby</File>\n    </PlayerSet>\n"
                                "    <Left>1</Left>\n    <Top>2</Top>\n    <Width>3</Width>\n    <Height>4</Height>\n"
                                "    <Normal />\n  </Window>\n";
    EXPECT_EQ(Read(Head("9.1") + Frame + "  <ModelessDialogs />\n" + players + "</Project>\n"), projectNotRead);
    EXPECT_NE(error.find("A Players window cannot be opened in this version."), std::string::npos) << error;

    EXPECT_EQ(Read(Head("9.1") + Frame + "  <ModelessDialogs />\n" + WaveWindow("", "Lost") + "</Project>\n"),
              projectNotRead);
    EXPECT_NE(error.find("names neither a File nor a TempFile"), std::string::npos) << error;
    EXPECT_EQ(Read(Head("9.1") + Frame + "  <ModelessDialogs />\n" +
                   WaveWindow("      <TempFile>\x10</TempFile>\n", "Blank") + "</Project>\n"),
              projectNotRead);
    // A control character alone is no text at all.
    EXPECT_NE(error.find("unexpected end of element \"TempFile\", expect text"), std::string::npos) << error;
    // Only the number a writer writes: no other file is reached through it.
    EXPECT_EQ(Read(Head("9.1") + Frame + "  <ModelessDialogs />\n" +
                   WaveWindow("      <TempFile>0/../../x</TempFile>\n", "Out") + "</Project>\n"),
              projectNotRead);
    EXPECT_NE(error.find("In TempFile: \"0/../../x\" is not the number of a copy."), std::string::npos) << error;
    EXPECT_TRUE(workspace.Documents.empty());
}

TEST_F(ProjectFile, ANameTakenAlreadyIsDroppedWithAMessage)
{
    const std::string text = Head("9.1") + Frame + "  <ModelessDialogs />\n" +
                             WaveWindow("      <File>/x/a.wav</File>\n", "Same") +
                             WaveWindow("      <File>/x/b.wav</File>\n", "Same") + "</Project>\n";
    ASSERT_EQ(Read(text), projectRead) << error;
    ASSERT_EQ(workspace.Documents.size(), 2u);
    EXPECT_EQ(workspace.Document(0)->GetName(), "Same");
    EXPECT_EQ(workspace.Document(1)->GetName(), "");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              "When opening file \"/x/b.wav\" from project, a window with name \"Same\" already exists");
    EXPECT_EQ(messages.Last().caption, "Error");
}

TEST_F(ProjectFile, ABadFrameNumberLeavesTheFrameAndReadsOn)
{
    std::string text = Head("9.1") + Frame + "  <ModelessDialogs />\n" +
                       WaveWindow("      <File>/x/a.wav</File>\n", "One") + "</Project>\n";
    text.replace(text.find("<Top>20</Top>"), 13, "<Top>high</Top>");
    ASSERT_EQ(Read(text), projectRead) << error;
    EXPECT_EQ(workspace.Frame, TWindowPlacement{});
    EXPECT_EQ(workspace.Documents.size(), 1u);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ProjectFile, ACopyIsOpenedFromTheProjectsFolder)
{
    const std::string text = Head("9.1") + Frame + "  <ModelessDialogs />\n" +
                             WaveWindow("      <File>/x/a.wav</File>\n      <TempFile>07</TempFile>\n", "One") +
                             "</Project>\n";
    ASSERT_EQ(Read(text), projectRead) << error;
    EXPECT_EQ(workspace.Document(0)->CopyBase, folder.File("SongTempSaveFiles/savedProjectWindowFile07"));
    EXPECT_EQ(workspace.Document(0)->GetFileName(), "/x/a.wav");

    // Without a folder in the project's name the copy cannot be found.
    workspace.Documents.clear();
    EXPECT_EQ(ReadProjectBytes(workspace, text, "Song.qbp", error), projectNotRead);
    EXPECT_NE(error.find("has no path"), std::string::npos) << error;
}

TEST(ProjectTempFiles, TheExtensionComesOffTheFileNameOnly)
{
    struct Case {
        const char* project;
        const char* folder;
    } cases[] = {
        {"/home/u/Song.qbp", "/home/u/SongTempSaveFiles"},
        {"/home/u/Song.v2.qbp", "/home/u/Song.v2TempSaveFiles"},
        {"/home/my.music/Song", "/home/my.music/SongTempSaveFiles"},
        {"C:\\x\\Song.qbp", "C:\\x\\SongTempSaveFiles"},
    };
    for (const Case& c : cases) {
        std::string folder;
        std::string error;
        ASSERT_TRUE(ProjectTempFolder(c.project, folder, error)) << c.project;
        EXPECT_EQ(folder, c.folder);
    }
    EXPECT_EQ(ProjectCopyFile("C:\\x\\SongTempSaveFiles", NewCopyPrefix, "3", "qbw"),
              "C:\\x\\SongTempSaveFiles\\newProjectWindowFile3.qbw");
    std::string folder;
    std::string error;
    EXPECT_FALSE(ProjectTempFolder("Song.qbp", folder, error));
}

// The seeds of the fuzz target are projects of every version, as the writer makes them.
TEST_F(ProjectFile, TheFuzzSeedsAreProjectsThatRead)
{
    int seeds = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(QB_SOURCE_DIR) + "/fuzz/corpus/fuzz_project_file")) {
        // Inputs the fuzzer found keep other names.
        if (entry.path().stem().string().find("_v") == std::string::npos)
            continue;
        TRecordingProjectWorkspace seed;
        EXPECT_EQ(ReadProjectFile(seed, entry.path().string(), error), projectRead) << entry.path() << ": " << error;
        EXPECT_FALSE(seed.Documents.empty() && entry.path().filename() != "empty_v9_1.qbp") << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}
