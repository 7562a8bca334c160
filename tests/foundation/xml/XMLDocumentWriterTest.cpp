#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "foundation/xml/XMLStringElement.h"
#include "foundation/xml/XMLTestDocuments.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

const std::string cannotWrite = "Operating System cannot open file for writing, maybe the file is readonly.";

void AddText(TXMLComplexElement& parent, const std::string& name, const std::string& text)
{
    parent.AddItem(std::make_unique<TXMLStringElement>(name, text));
}

TXMLComplexElement& AddComplex(TXMLComplexElement& parent, const std::string& name)
{
    auto element = std::make_unique<TXMLComplexElement>(name);
    TXMLComplexElement& added = *element;
    parent.AddItem(std::move(element));
    return added;
}

// Root, Item and Sub make three levels; texts hold everything that needs care.
std::unique_ptr<TXMLComplexElement> ThreeLevelTree()
{
    auto root = std::make_unique<TXMLComplexElement>("Root");
    AddText(*root, "Version", "9.1");
    TXMLComplexElement& item = AddComplex(*root, "Item");
    AddText(item, "Name", "a<b>^c\td^x\r\ny 100%s");
    TXMLComplexElement& sub = AddComplex(item, "Sub");
    AddText(sub, "Leaf", "caf\xC3\xA9 inner   blanks");
    AddComplex(item, "Empty");
    AddText(*root, "Money", "5 \xE2\x82\xAC");
    return root;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// While alive, files written by this process may not grow beyond the limit:
// writes past it fail instead of raising the signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
    }

private:
    rlimit old{};
    void (*previous)(int) = nullptr;
};

} // namespace

TEST(XMLDocumentWriter, WritesTheExactBytes)
{
    auto root = ThreeLevelTree();
    AddText(*root, "Blank", "");
    const std::string expected = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                                 "<!DOCTYPE Root_v8_0 SYSTEM \"Root_v8_0.dtd\">\r\n"
                                 "\r\n"
                                 "<Root>\r\n"
                                 "  <Version>9.1</Version>\r\n"
                                 "  <Item>\r\n"
                                 "    <Name>a^Sb^G^^c^Td^^x^Ey 100%s</Name>\r\n"
                                 "    <Sub>\r\n"
                                 "      <Leaf>caf\xE9 inner   blanks</Leaf>\r\n"
                                 "    </Sub>\r\n"
                                 "    <Empty />\r\n"
                                 "  </Item>\r\n"
                                 "  <Money>5 ?</Money>\r\n"
                                 "  <Blank></Blank>\r\n"
                                 "</Root>\r\n";
    EXPECT_EQ(DocumentBytes(*root, "_v8_0"), expected);

    TempFolder folder;
    std::string error = "untouched";
    ASSERT_TRUE(WriteDocument(*root, folder.File("out.qbw"), error, "_v8_0"));
    EXPECT_EQ(error, "untouched");
    EXPECT_EQ(ReadWholeFile(folder.File("out.qbw")), expected);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"out.qbw"});
}

TEST(XMLDocumentWriter, WrittenTreeReadsBackTheSame)
{
    auto text = [](const char* name) { return std::make_shared<const TDTDContentText>(name); };
    auto sub = std::make_shared<const TDTDCompound>("Sub", text("Leaf"));
    auto item = std::make_shared<const TDTDCompound>(
        "Item", std::make_shared<const TDTDConcat>(
                    text("Name"), std::make_shared<const TDTDConcat>(
                                      sub, std::make_shared<const TDTDCompound>(
                                               "Empty", std::make_shared<const TDTDEmpty>()))));
    const TDTDCompound grammar(
        "Root", std::make_shared<const TDTDConcat>(
                    text("Version"), std::make_shared<const TDTDConcat>(item, text("Money"))));

    TempFolder folder;
    const std::string file = folder.File("tree.qbm");
    std::string error;
    ASSERT_TRUE(WriteDocument(*ThreeLevelTree(), file, error, "_v9_1"));

    std::string version;
    TXMLToken document(file, version);
    ASSERT_EQ(document.GetTokenKind(), xmlTokenDocument);
    EXPECT_EQ(version, "9.1");
    TXMLComplexElement parent("");
    const TXMLToken* cursor = &document;
    bool fatal = false;
    ASSERT_TRUE(grammar.Match(parent, cursor, error, fatal)) << error;

    const TXMLItem& root = *parent.GetFirst();
    const TXMLItem& readItem = *root.GetChild("Item");
    // CR LF and bare LF both come back as CR LF; outside Latin-1 was written as "?".
    EXPECT_EQ(readItem.GetChild("Name")->GetValue(), "a<b>^c\td^x\r\ny 100%s");
    EXPECT_EQ(readItem.GetChild("Sub")->GetChild("Leaf")->GetValue(), "caf\xC3\xA9 inner   blanks");
    EXPECT_EQ(readItem.GetChild("Sub")->GetChild("Leaf")->GetLine(), 9);
    EXPECT_EQ(readItem.GetChild("Empty")->GetFirst(), nullptr);
    EXPECT_EQ(root.GetChild("Money")->GetValue(), "5 ?");
}

TEST(XMLDocumentWriter, ReplacesAnExistingFile)
{
    TempFolder folder;
    const std::string file = folder.File("a.qbp");
    WriteWholeFile(file, "old contents that are longer than the new document will be, by quite a few bytes......");
    TXMLComplexElement root("Project");
    std::string error;
    ASSERT_TRUE(WriteDocument(root, file, error, "_v9_1"));
    EXPECT_EQ(ReadWholeFile(file), DocumentBytes(root, "_v9_1"));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"a.qbp"});
}

TEST(XMLDocumentWriter, AFailedSaveKeepsTheOldFileAndSaysSo)
{
    TempFolder folder;
    WriteWholeFile(folder.File("plain"), "not a folder");
    for (const std::string& target : {folder.File("missing/a.qbm"), folder.File("plain/a.qbm")}) {
        std::string error;
        EXPECT_FALSE(WriteDocument(*ThreeLevelTree(), target, error, "_v9_1")) << target;
        EXPECT_EQ(error, "Operating System cannot open file for writing: the folder does not exist.");
    }

    const std::string old = "previous document";
    const std::string readOnly = folder.File("readonly.qbm");
    WriteWholeFile(readOnly, old);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    std::string error;
    EXPECT_FALSE(WriteDocument(*ThreeLevelTree(), readOnly, error, "_v9_1"));
    EXPECT_EQ(error, cannotWrite);
    EXPECT_EQ(ReadWholeFile(readOnly), old);

    // A disk that fills up half-way: the write fails, the old file stays whole.
    const std::string full = folder.File("full.qbm");
    WriteWholeFile(full, old);
    auto big = ThreeLevelTree();
    for (int i = 0; i < 200; ++i)
        AddText(*big, "Line", std::string(500, 'x'));
    error.clear();
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(WriteDocument(*big, full, error, "_v9_1"));
    }
    EXPECT_EQ(error, "Operating System cannot write the file, maybe the disk is full.");
    EXPECT_EQ(ReadWholeFile(full), old);
    EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"full.qbm", "plain", "readonly.qbm"}));
}
