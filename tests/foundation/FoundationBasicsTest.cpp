#include "foundation/Dicer.h"
#include "foundation/FileNames.h"
#include "foundation/GuiMessages.h"
#include "foundation/QuotedText.h"
#include "foundation/Ref.h"
#include "platform/Assertions.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

TEST(GuiMessages, TextsCaptionsAndIcons)
{
    RecordingMessageService recorder;
    struct Case {
        std::function<void()> show;
        std::string text, caption;
        MsgIcon icon;
    } cases[] = {
        {[] { TGuiMessages().ErrorNotEnoughMemory(); }, "There is not enough memmory for this operation.",
         "System Error", MsgIcon::Information},
        {[] { TGuiMessages().ErrorCreateSinus(); }, "Could not create sinus.", "System Error", MsgIcon::Stop},
        {[] { TGuiMessages().ErrorCreateDirectory("/tmp/x"); },
         "Could not create directory \"/tmp/x\". Play and Record disabled", "Error", MsgIcon::Exclamation},
        {[] { TGuiMessages().ErrorWindowNameExists("Wave 1"); }, "A window with name \"Wave 1\" already exists.",
         "Error", MsgIcon::Information},
        {[] { TGuiMessages().ErrorProjectWindowNameExists("Wave 1", "a.wav"); },
         "When opening file \"a.wav\" from project, a window with name \"Wave 1\" already exists", "Error",
         MsgIcon::Information},
        {[] { TGuiMessages().ShowFileError("bad"); }, "bad", "File Error", MsgIcon::Stop},
        {[] { TGuiMessages().ShowInputErrorIn("Length", "Invalid"); }, "In Length: Invalid", "Input Error",
         MsgIcon::Information},
        {[] { TGuiMessages().ShowInputError("x"); }, "x", "Input Error", MsgIcon::Information},
        {[] { TGuiMessages().ErrorFieldEmpty("Time"); }, "In Time: Field should not be empty.", "Input Error",
         MsgIcon::Information},
        {[] { TGuiMessages().ShowAssertionFailed("a < b", "unitwave.cpp", 17); },
         "In unitwave.cpp line 17: Condition \"a < b\"failed!", "Assertion failed", MsgIcon::Information},
    };
    for (const Case& c : cases) {
        c.show();
        EXPECT_EQ(recorder.Last().text, c.text);
        EXPECT_EQ(recorder.Last().caption, c.caption);
        EXPECT_EQ(recorder.Last().icon, c.icon);
        EXPECT_EQ(recorder.Last().buttons, MsgButtons::Ok);
    }
}

TEST(QuotedText, ALinesWorthAtMostThenDots)
{
    const std::string sixty(60, 'v');
    // "\xc3\xa9" is one character of two bytes: a cut never splits one.
    const std::string accented = std::string(59, 'v') + "\xc3\xa9" + "tail";
    const std::pair<std::string, std::string> cases[] = {
        {"8.0", "\"8.0\""},
        {"", "\"\""},
        {sixty, "\"" + sixty + "\""},
        {sixty + "w", "\"" + sixty + "...\""},
        {std::string(50000000, 'x'), "\"" + std::string(60, 'x') + "...\""},
        {"first\nsecond", "\"first...\""},
        {"first\r\nsecond", "\"first...\""},
        {accented, "\"" + std::string(59, 'v') + "\xc3\xa9...\""},
    };
    for (const auto& [text, quoted] : cases)
        EXPECT_EQ(QuotedText(text), quoted);
}

TEST(FileNames, PathOfPathFile)
{
    struct Case {
        std::string in;
        bool ok;
        std::string path, file;
    } cases[] = {
        {"c:\\music\\song.qbm", true, "c:\\music", "song.qbm"},
        {"/home/u/song.qbm", true, "/home/u", "song.qbm"},
        {"c:\\music\\", true, "c:\\music", ""},
        {"a\\b/c.wav", true, "a\\b", "c.wav"},
    };
    for (const Case& c : cases) {
        std::string path = "?", file = "?", error;
        EXPECT_EQ(PathOfPathFile(c.in, path, file, error), c.ok) << c.in;
        EXPECT_EQ(path, c.path);
        EXPECT_EQ(file, c.file);
    }
    std::string path = "keep", file = "keep", error;
    EXPECT_FALSE(PathOfPathFile("song.qbm", path, file, error));
    EXPECT_EQ(path, "keep");
    EXPECT_EQ(file, "keep");
    EXPECT_EQ(error, "Function PathOfPathFile: PathFile (\"song.qbm\") has no path\".");
}

TEST(FileNames, SplitFileExtension)
{
    struct Case {
        std::string in, name, extension;
    } cases[] = {
        {"song.qbm", "song", "qbm"},
        {"my.song.qbm", "my.song", "qbm"},
        {"readme", "readme", ""},
        {"/home/u.v/readme", "/home/u.v/readme", ""},
        {"/home/u.v/a.wav", "/home/u.v/a", "wav"},
        {"x.", "x", ""},
    };
    for (const Case& c : cases) {
        std::string name, extension;
        SplitFileExtension(c.in, name, extension);
        EXPECT_EQ(name, c.name) << c.in;
        EXPECT_EQ(extension, c.extension) << c.in;
    }
}

TEST(Dicer, SameSeedSameDiceWhateverElseDraws)
{
    Dicer a(7), b(7);
    EXPECT_EQ(a.GetValue(0, 1, -1), -1.0); // every die starts at 0
    Random15 other(7);
    for (int roll = 0; roll < 50; ++roll) {
        a.Roll();
        other.Next();
        b.Roll();
        for (int i = 0; i < Dicer::DICES; ++i) {
            double v = a.GetValue(i, 10.0, 0.0);
            EXPECT_EQ(v, b.GetValue(i, 10.0, 0.0));
            EXPECT_GE(v, 0.0);
            EXPECT_LE(v, 10.0 * 1073741823.0 / 1073676288.0);
        }
    }
}

TEST(Dicer, IndexOutsideTheDiceIsAnInternalFault)
{
    ThrowOnFatalAssertion trap;
    Dicer dicer(1);
    EXPECT_THROW(dicer.GetValue(-1, 1, 0), FatalAssertion);
    EXPECT_THROW(dicer.GetValue(6, 1, 0), FatalAssertion);
}

namespace {
struct Counted : TRef {
    explicit Counted(int& deletions, int& countAtDelete) : deletions(deletions), countAtDelete(countAtDelete) {}
    void DeleteThis() override
    {
        ++deletions;
        countAtDelete = GetCount();
        delete this;
    }
    int& deletions;
    int& countAtDelete;
};
} // namespace

TEST(Ref, LastReleaseDeletesExactlyOnce)
{
    int deletions = 0, countAtDelete = -1;
    auto* object = new Counted(deletions, countAtDelete);
    EXPECT_EQ(object->GetCount(), 0);
    object->AddRef();
    object->AddRef();
    object->Release();
    EXPECT_EQ(deletions, 0);
    EXPECT_EQ(object->GetCount(), 1);
    object->Release();
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(countAtDelete, 0);
}

TEST(Ref, RefPtrSharesAndReleases)
{
    int deletions = 0, countAtDelete = -1;
    {
        RefPtr<Counted> a(new Counted(deletions, countAtDelete));
        RefPtr<Counted> b = a;
        EXPECT_EQ(a->GetCount(), 2);
        RefPtr<Counted> c = std::move(b);
        EXPECT_FALSE(b);
        EXPECT_EQ(a->GetCount(), 2);
        a.reset();
        EXPECT_EQ(deletions, 0);
    }
    EXPECT_EQ(deletions, 1);
}
