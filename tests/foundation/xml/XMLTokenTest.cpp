#include "foundation/xml/XMLToken.h"

#include "foundation/xml/XMLTestDocuments.h"
#include "platform/Assertions.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include <sys/stat.h>

namespace {

struct Tok {
    TXMLTokenKind kind;
    std::string nameOrText;
    int32_t line, column;

    bool operator==(const Tok&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Tok& t)
{
    return os << int(t.kind) << " '" << t.nameOrText << "' " << t.line << ":" << t.column;
}

std::vector<Tok> List(const TXMLToken& document)
{
    std::vector<Tok> list;
    for (const TXMLToken* t = document.GetNext(); t; t = t->GetNext()) {
        std::string value;
        if (t->GetTokenKind() == xmlTokenAttr)
            value = t->GetText();
        else if (t->GetTokenKind() != xmlTokenEndOfFile)
            value = t->GetName();
        list.push_back({t->GetTokenKind(), value, t->GetLine(), t->GetColumn()});
    }
    return list;
}

std::vector<Tok> Read(const std::string& bytes)
{
    std::string version;
    TXMLToken document(TXMLBytes{bytes}, version);
    EXPECT_EQ(document.GetTokenKind(), xmlTokenDocument);
    return List(document);
}

} // namespace

TEST(XMLToken, LexicalErrorsGiveLineAndColumn)
{
    struct Case {
        std::string body, message;
    } cases[] = {
        {"<Root>\n<Alpha beta>", "unexpected 'b' found in line 5, column 8."},
        {"<A>text", "unexpected end-of-file  found in line 4, column 6."},
        {"<A_b>", "unexpected '_' found in line 4, column 2."},
        {"<A>x>y", "unexpected '>' found in line 4, column 4."},
        {">", "unexpected '>' found in line 4, column 1."},
        {"<<", "unexpected '<' found in line 4, column 2."},
        {"</A/>", "unexpected '/' found in line 4, column 4."},
        {"<A/ x>", "unexpected 'x' found in line 4, column 5."},
        {"<A", "unexpected end-of-file  found in line 4, column 2."},
        {"< />", "unexpected '>' found in line 4, column 4."}, // "< /" starts an end tag
        {"<\xE9>", "unexpected '\xC3\xA9' found in line 4, column 1."},
        {"\n\n  <A x", "unexpected 'x' found in line 6, column 6."},
    };
    for (const Case& c : cases) {
        std::string version = "kept";
        TXMLToken document(TXMLBytes{XMLDocument(c.body)}, version);
        ASSERT_EQ(document.GetTokenKind(), xmlTokenError) << c.body;
        EXPECT_EQ(document.GetErrorText(), c.message) << c.body;
        EXPECT_EQ(document.GetNext(), nullptr);
        EXPECT_EQ(version, "kept");
    }
}

TEST(XMLToken, TagsWithBlanksAndTheirPositions)
{
    const std::string body = "<Root>\n"
                             "  <B >x   y </B >\n"
                             "  < C / >\n"
                             "  <D/>\n"
                             "</ Root >\n";
    const std::vector<Tok> expected = {
        {xmlTokenBegin, "Root", 4, 6},   {xmlTokenBegin, "B", 5, 6},       {xmlTokenAttr, "x   y", 5, 12},
        {xmlTokenEnd, "B", 5, 16},       {xmlTokenEmpty, "C", 6, 9},       {xmlTokenEmpty, "D", 7, 6},
        {xmlTokenEnd, "Root", 8, 9},     {xmlTokenEndOfFile, "", 9, 0},
    };
    EXPECT_EQ(Read(XMLDocument(body)), expected);
}

TEST(XMLToken, TextsAreTrimmedAndTakenLiterally)
{
    struct Case {
        std::string text, expected;
    } cases[] = {
        {"  a   b  ", "a   b"},
        {"a\nb", "a b"},
        {"a\tb", "a b"},
        {"&\"'", "&\"'"},
        {"caf\xE9 \xFF", "caf\xC3\xA9 \xC3\xBF"},
        {"\x01 x \x02", "x"},
        {"^S^E", "^S^E"}, // escapes are the grammar's business
    };
    for (const Case& c : cases) {
        const std::vector<Tok> list = Read(XMLDocument("<A>" + c.text + "</A>"));
        ASSERT_EQ(list.size(), 4u) << c.text;
        EXPECT_EQ(list[1].kind, xmlTokenAttr);
        EXPECT_EQ(list[1].nameOrText, c.expected) << c.text;
    }
}

// Control characters alone are no text, as blanks are not: an element that
// must hold a text cannot be given an empty one this way.
TEST(XMLToken, ControlCharactersAloneAreNoText)
{
    const std::vector<Tok> empty = Read(XMLDocument("<A></A>"));
    for (const std::string& text : {std::string("\t\x01\x02"), std::string(3, '\0')}) {
        const std::vector<Tok> list = Read(XMLDocument("<A>" + text + "</A>"));
        ASSERT_EQ(list.size(), 3u);
        EXPECT_EQ(list[0], empty[0]);
        EXPECT_EQ(list[1].kind, xmlTokenEnd);
        EXPECT_EQ(list[1].nameOrText, "A");
    }
}

TEST(XMLToken, HeaderLinesOnlyOrNothingGiveEndOfFile)
{
    for (const std::string& bytes : {XMLHeader(), std::string(), std::string("<?xml?>"), XMLHeader() + "\n \n"}) {
        const std::vector<Tok> list = Read(bytes);
        ASSERT_EQ(list.size(), 1u) << bytes;
        EXPECT_EQ(list[0].kind, xmlTokenEndOfFile);
    }
}

TEST(XMLToken, HeaderLinesAreSkippedWhateverTheirLength)
{
    const std::string longDoctype = "<!DOCTYPE " + std::string(300, 'X') + ">\n";
    const std::vector<Tok> list = Read("<?xml version=\"1.0\"?>\n" + longDoctype + "\n<A/>");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (Tok{xmlTokenEmpty, "A", 4, 4}));
}

TEST(XMLToken, CrLfAndLfReadAlike)
{
    const std::string body = "<Root>\n  <Version>9.1</Version>\n  <Text>a b</Text>\n  <E />\n</Root>\n";
    const std::vector<Tok> lf = Read(XMLDocument(body));
    EXPECT_EQ(lf.size(), 10u);
    EXPECT_EQ(Read(WithCrLf(XMLDocument(body))), lf);
}

TEST(XMLToken, VersionIsTheTextAfterAVersionBeginTag)
{
    struct Case {
        std::string body, version;
    } cases[] = {
        {"<Root><Version>9.1</Version></Root>", "9.1"},
        {"<Root><Version>7.0</Version><Version>7.1</Version></Root>", "7.1"},
        {"<Root><Version></Version></Root>", "untouched"},
        {"<Root><Version/>8.0</Root>", "untouched"},
        {"<Root><version>8.0</version></Root>", "untouched"},
        {"<Root>", "untouched"},
    };
    for (const Case& c : cases) {
        std::string version = "untouched";
        TXMLToken document(TXMLBytes{XMLDocument(c.body)}, version);
        EXPECT_EQ(document.GetTokenKind(), xmlTokenDocument);
        EXPECT_EQ(version, c.version) << c.body;
    }
}

TEST(XMLToken, ReadsFilesAndReportsOnesThatCannotBeOpened)
{
    TempFolder folder;
    WriteWholeFile(folder.File("a.xml"), WithCrLf(XMLDocument("<Root>\n  <Version>1.0</Version>\n</Root>\n")));
    std::string version;
    TXMLToken read(folder.File("a.xml"), version);
    EXPECT_EQ(read.GetTokenKind(), xmlTokenDocument);
    EXPECT_EQ(version, "1.0");
    EXPECT_EQ(List(read).size(), 6u);

    // A named pipe would wait for a writer for ever: only regular files are read.
    const std::string pipe = folder.File("pipe.xml");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {folder.File("missing.xml"), "cannot open file."},
        {folder.Path().string(), "cannot open file: it is not a regular file."},
        {pipe, "cannot open file: it is not a regular file."},
    };
    for (const auto& [name, text] : cases) {
        version = "kept";
        TXMLToken missing(name, version);
        ASSERT_EQ(missing.GetTokenKind(), xmlTokenError);
        EXPECT_EQ(missing.GetErrorText(), text);
        EXPECT_EQ(missing.GetNext(), nullptr);
        EXPECT_EQ(version, "kept");
    }
}

TEST(XMLToken, AccessorsOfAnotherKindAreProgrammingErrors)
{
    ThrowOnFatalAssertion throwing;
    std::string version;
    TXMLToken document(TXMLBytes{XMLDocument("<A>x</A>")}, version);
    const TXMLToken& begin = *document.GetNext();
    const TXMLToken& text = *begin.GetNext();
    EXPECT_THROW(begin.GetText(), FatalAssertion);
    EXPECT_THROW(text.GetName(), FatalAssertion);
    EXPECT_THROW(text.GetErrorText(), FatalAssertion);
}

TEST(XMLToken, LongListsAreReadAndFreedWithoutRecursion)
{
    std::string body;
    for (int i = 0; i < 200000; ++i)
        body += "<A>";
    std::string version;
    auto document = std::make_unique<TXMLToken>(TXMLBytes{XMLDocument(body)}, version);
    size_t count = 0;
    for (const TXMLToken* t = document->GetNext(); t; t = t->GetNext())
        ++count;
    EXPECT_EQ(count, 200001u);
    document.reset();
}
