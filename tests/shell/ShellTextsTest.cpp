#include "foundation/BusyCursor.h"
#include "platform/RecordingMessageService.h"
#include "shell/CommandLine.h"
#include "wave/window/ChildTexts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

TEST(ChildTexts, CaptionFromNameAndFile)
{
    EXPECT_EQ(ChildCaption("Wave 1", "/home/a.wav"), "Wave 1 - /home/a.wav");
    EXPECT_EQ(ChildCaption("", "/home/a.wav"), "/home/a.wav");
    EXPECT_EQ(ChildCaption("Wave 1", ""), "Wave 1");
    EXPECT_EQ(ChildCaption("", ""), "");
}

TEST(ChildTexts, SaveQuestion)
{
    EXPECT_EQ(SaveQuestion(1, "Wave 1", ""), "Do you want to save the Wave with name \"Wave 1\" to a new file?");
    EXPECT_EQ(SaveQuestion(4, "", "/x/p.qby"),
              "Do you want to save the Player Set without name to current file \"/x/p.qby\"?");
    EXPECT_EQ(SaveQuestion(2, "", ""), "Do you want to save the Music without name to a new file?");
    EXPECT_EQ(SaveQuestion(3, "F", ""), "Do you want to save the Factory with name \"F\" to a new file?");
    EXPECT_EQ(SaveQuestion(9, "", ""), "Do you want to save the Unknown Object without name to a new file?");
    EXPECT_EQ(SaveQuestion(0, "", ""), "Do you want to save the Unknown Object without name to a new file?");
    EXPECT_STREQ(SaveQuestionCaption, "You have unsaved changes");
}

TEST(CommandLine, ExtensionChoosesTheKind)
{
    struct Case {
        const char* file;
        CommandLineKind kind;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"", CommandLineKind::None, {}},
        {"x.QBF", CommandLineKind::Factory, {}},
        {"x.wav", CommandLineKind::Wave, {}},
        {"SONG.QBM", CommandLineKind::Music, {}},
        {"p.qbp", CommandLineKind::Project, {}},
        {"s.Qby", CommandLineKind::Players, {}},
        {"/tmp/a.b/x.wav", CommandLineKind::Wave, {}},
        {"x.txt", CommandLineKind::Invalid, {"Invalid extension \"txt\" used."}},
        // Several dots: the extension is what follows the last one.
        {"take.2.wav", CommandLineKind::Wave, {}},
        {"interview.final.WAV", CommandLineKind::Wave, {}},
        {"my.song.qbm", CommandLineKind::Music, {}},
        {"/home/a.b/mix.v1.2.Qbp", CommandLineKind::Project, {}},
        {"take.wav.txt", CommandLineKind::Invalid, {"Invalid extension \"txt\" used."}},
        {"readme", CommandLineKind::Invalid,
         {"Cannot read the file: \"readme\" File has no extension", "Invalid extension \"readme\" used."}},
        {"/tmp/a.b/README", CommandLineKind::Invalid,
         {"Cannot read the file: \"/tmp/a.b/README\" File has no extension", "Invalid extension \"readme\" used."}},
        {"/home/a.b/take", CommandLineKind::Invalid,
         {"Cannot read the file: \"/home/a.b/take\" File has no extension", "Invalid extension \"take\" used."}},
        {"wav", CommandLineKind::Invalid,
         {"Cannot read the file: \"wav\" File has no extension", "Invalid extension \"wav\" used."}},
    };
    for (const Case& c : cases) {
        RecordingMessageService messages;
        EXPECT_EQ(ChooseCommandLineKind(c.file), c.kind) << c.file;
        std::vector<std::string> texts;
        for (const auto& shown : messages.All()) {
            texts.push_back(shown.text);
            EXPECT_EQ(shown.caption, "File Error");
            EXPECT_EQ(shown.icon, MsgIcon::Information);
        }
        EXPECT_EQ(texts, c.messages) << c.file;
    }
}

namespace {

struct CountingHost : TBusyCursorHost {
    void ShowBusy() override { ++busy; }
    void ShowNormal() override { ++normal; }
    int busy = 0;
    int normal = 0;
};

} // namespace

TEST(BusyCursor, NestsAndEndsWithTheNormalCursor)
{
    CountingHost host;
    TBusyCursor cursor(&host);
    {
        TBusyGuard outer(cursor);
        {
            TBusyGuard inner(cursor);
            EXPECT_EQ(cursor.Depth(), 2);
        }
        EXPECT_TRUE(cursor.IsBusy());
        EXPECT_EQ(host.normal, 0);
    }
    EXPECT_FALSE(cursor.IsBusy());
    EXPECT_EQ(host.busy, 1);
    EXPECT_EQ(host.normal, 1);
    cursor.EndBusy(); // unmatched: nothing happens
    EXPECT_EQ(host.normal, 1);
    EXPECT_EQ(cursor.Depth(), 0);
}

TEST(CommandLine, TheFileIsTakenByItsPlainPath)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/x/a.b/./take.2.wav", "/x/a.b/take.2.wav"},
        {"/x/y/../a.b/x.wav", "/x/a.b/x.wav"},
        {"/x//a.b/./../a.b/song.qbm", "/x/a.b/song.qbm"},
        {"/x/a.b/p.qbp", "/x/a.b/p.qbp"},
        {"", ""},
    };
    for (const auto& [given, taken] : cases)
        EXPECT_EQ(CommandLineFilePath(given), taken) << given;
    EXPECT_EQ(CommandLineFilePath("a.b/./take.2.wav"), (std::filesystem::current_path() / "a.b/take.2.wav").string());
}
