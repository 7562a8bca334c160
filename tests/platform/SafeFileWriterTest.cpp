#include "platform/SafeFileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
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
