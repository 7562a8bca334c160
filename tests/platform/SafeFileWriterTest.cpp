#include "platform/SafeFileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {
namespace fs = std::filesystem;

std::vector<std::string> NamesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string& name)
{
    struct stat st {};
    ::stat(name.c_str(), &st);
    return st.st_mode & 07777;
}

size_t FilesIn(const std::filesystem::path& folder)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}
} // namespace

TEST(SafeFileWriter, ReplacesOnlyOnCommitAndKeepsPermissions)
{
    TempFolder folder;
    const std::string target = folder.File("a.txt");
    WriteWholeFile(target, "old");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read);
    {
        SafeFileWriter writer(target);
        ASSERT_TRUE(writer.Open());
        ASSERT_TRUE(writer.Write("new"));
        EXPECT_EQ(ReadWholeFile(target), "old"); // untouched until commit
    } // dropped without commit
    EXPECT_EQ(ReadWholeFile(target), "old");
    EXPECT_EQ(FilesIn(folder.Path()), 1u);

    ASSERT_TRUE(SafeFileWriter::WriteWhole(target, "new"));
    EXPECT_EQ(ReadWholeFile(target), "new");
    EXPECT_EQ(std::filesystem::status(target).permissions() & std::filesystem::perms::group_read,
              std::filesystem::perms::group_read);
    EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

TEST(SafeFileWriter, RefusesWhatCannotBeReplaced)
{
    TempFolder folder;
    const std::string readOnly = folder.File("ro.txt");
    WriteWholeFile(readOnly, "keep");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    WriteWholeFile(folder.File("plain"), "x");
    const std::string cases[] = {readOnly, folder.File("missing/a.txt"), folder.File("plain/a.txt"),
                                 folder.Path().string(), ""};
    for (const std::string& target : cases)
        EXPECT_FALSE(SafeFileWriter::WriteWhole(target, "new")) << target;
    EXPECT_EQ(ReadWholeFile(readOnly), "keep");
    EXPECT_EQ(FilesIn(folder.Path()), 2u);
}

TEST(SafeFileWriter, AReplacedFileKeepsItsExactPermissions)
{
    TempFolder folder;
    // Modes the usual umask never gives, so that a default cannot pass for kept.
    for (mode_t mode : {0600, 0640, 0604, 0660}) {
        const std::string target = folder.File("private.txt");
        WriteWholeFile(target, "old");
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        ASSERT_TRUE(SafeFileWriter::WriteWhole(target, "new"));
        EXPECT_EQ(ReadWholeFile(target), "new");
        EXPECT_EQ(ModeOf(target), mode) << std::oct << mode;
    }
}

TEST(SafeFileWriter, TheNextSaveRemovesWhatAKilledSaveOfTheSameTargetLeft)
{
    TempFolder folder;
    const std::string target = folder.File("take.wav");
    WriteWholeFile(target, "old");
    // Left by killed saves: the short name of this target, and the long name of earlier versions.
    WriteWholeFile(SafeFileWriter::TemporaryName(target, 4711).string(), std::string(100000, 'x'));
    WriteWholeFile(folder.File("take.wav.~12.tmp"), "half");
    // Not ours, or another target's: kept.
    const std::string others[] = {SafeFileWriter::TemporaryName(folder.File("other.wav"), 3).filename().string(),
                                  "other.wav.~3.tmp", "take.wav.~x.tmp", "take.wav.tmp"};
    for (const std::string& name : others)
        WriteWholeFile(folder.File(name), "keep");

    ASSERT_TRUE(SafeFileWriter::WriteWhole(target, "new"));
    std::vector<std::string> expected(std::begin(others), std::end(others));
    expected.push_back("take.wav");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(NamesIn(folder.Path()), expected);
    EXPECT_EQ(ReadWholeFile(target), "new");
}

TEST(SafeFileWriter, ASaveStillWritingIsNoLeftover)
{
    TempFolder folder;
    const std::string target = folder.File("take.wav");
    SafeFileWriter first(target);
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(first.Write("first"));
    ASSERT_TRUE(SafeFileWriter::WriteWhole(target, "second"));
    ASSERT_TRUE(first.Commit());
    EXPECT_EQ(ReadWholeFile(target), "first");
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"take.wav"});
}

TEST(SafeFileWriter, ASymbolicLinkIsWrittenThroughAndStays)
{
    TempFolder folder;
    fs::create_directory(folder.Path() / "real");
    const std::string real = folder.File("real/take.wav");
    WriteWholeFile(real, "old");
    ::chmod(real.c_str(), 0640);
    const std::string link = folder.File("take.wav");
    fs::create_symlink("real/take.wav", link);
    // A link to a link, and a link whose file is not there yet.
    fs::create_symlink("take.wav", folder.File("again.wav"));
    fs::create_symlink("real/new.wav", folder.File("dangling.wav"));

    ASSERT_TRUE(SafeFileWriter::WriteWhole(link, "new"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(ReadWholeFile(real), "new");
    EXPECT_EQ(ModeOf(real), 0640u);
    ASSERT_TRUE(SafeFileWriter::WriteWhole(folder.File("again.wav"), "again"));
    EXPECT_EQ(ReadWholeFile(real), "again");
    ASSERT_TRUE(SafeFileWriter::WriteWhole(folder.File("dangling.wav"), "made"));
    EXPECT_EQ(ReadWholeFile(folder.File("real/new.wav")), "made");
    EXPECT_EQ(NamesIn(folder.Path()), (std::vector<std::string>{"again.wav", "dangling.wav", "real", "take.wav"}));
    EXPECT_EQ(NamesIn(folder.Path() / "real"), (std::vector<std::string>{"new.wav", "take.wav"}));

    // Links that go round are refused with the system's reason.
    fs::create_symlink("loop2", folder.File("loop1"));
    fs::create_symlink("loop1", folder.File("loop2"));
    std::string error;
    EXPECT_FALSE(SafeFileWriter::WriteWhole(folder.File("loop1"), "x", &error));
    EXPECT_EQ(error, "Operating System cannot open file for writing: Too many levels of symbolic links.");
}

TEST(SafeFileWriter, TheTemporaryNameIsShortAndTheMessageSaysWhatFailed)
{
    TempFolder folder;
    const std::string longest = folder.File(std::string(255, 'n'));
    EXPECT_LT(SafeFileWriter::TemporaryName(longest, 4000000000u).filename().string().size(), 40u);
    ASSERT_TRUE(SafeFileWriter::WriteWhole(longest, "saved"));
    EXPECT_EQ(ReadWholeFile(longest), "saved");

    struct Case {
        std::string target;
        std::string error;
    };
    WriteWholeFile(folder.File("plain"), "x");
    const Case cases[] = {
        {folder.File(std::string(256, 'n')), "Operating System cannot open file for writing: the file name is too long."},
        {folder.File("missing/a.txt"), "Operating System cannot open file for writing: the folder does not exist."},
        {folder.File("plain/a.txt"), "Operating System cannot open file for writing: the folder does not exist."},
        {folder.Path().string(), "Operating System cannot open file for writing, maybe the file is readonly."},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(SafeFileWriter::WriteWhole(c.target, "x", &error));
        EXPECT_EQ(error, c.error) << c.target;
    }
    EXPECT_EQ(FilesIn(folder.Path()), 2u);
}
