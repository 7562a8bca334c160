#include "foundation/xml/Latin1.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLEscape.h"
#include "foundation/xml/XMLStringElement.h"
#include "platform/Assertions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> Names(const TXMLItem& parent)
{
    std::vector<std::string> names;
    for (const TXMLItem* child = parent.GetFirst(); child; child = child->GetNext())
        names.push_back(child->GetElement());
    return names;
}

std::unique_ptr<TXMLStringElement> Text(const std::string& name, const std::string& text = "t")
{
    return std::make_unique<TXMLStringElement>(name, text);
}

} // namespace

TEST(XMLTree, ChildrenKeepTheirOrderAndAreFoundByExactName)
{
    TXMLComplexElement parent("P");
    EXPECT_EQ(parent.GetFirst(), nullptr);
    EXPECT_EQ(parent.GetLastItem(), nullptr);
    EXPECT_EQ(parent.AddItem(Text("A", "1")), nullptr);
    TXMLItem* a = parent.GetLastItem();
    EXPECT_EQ(parent.AddItem(Text("B")), a);
    parent.AddItem(Text("A", "2"));
    parent.AddItem(std::make_unique<TXMLComplexElement>("C"));

    EXPECT_EQ(Names(parent), (std::vector<std::string>{"A", "B", "A", "C"}));
    EXPECT_EQ(parent.GetChild("A")->GetValue(), "1");
    EXPECT_EQ(parent.GetChild("a"), nullptr);
    EXPECT_EQ(parent.GetChild("C")->GetKind(), xmlItemComplex);
    EXPECT_EQ(parent.GetChild("B")->GetKind(), xmlItemString);
    EXPECT_EQ(parent.GetLastItem()->GetElement(), "C");
    EXPECT_EQ(parent.GetLine(), 0);
    EXPECT_EQ(parent.GetColumn(), 0);
}

TEST(XMLTree, DeleteItemsAfter)
{
    struct Case {
        int keep; // index of the child given, -1 for none
        std::vector<std::string> left;
    } cases[] = {
        {-1, {}},
        {0, {"A"}},
        {1, {"A", "B"}},
        {2, {"A", "B", "C"}},
    };
    for (const Case& c : cases) {
        TXMLComplexElement parent("P");
        std::vector<TXMLItem*> children;
        for (const char* name : {"A", "B", "C"}) {
            parent.AddItem(Text(name));
            children.push_back(parent.GetLastItem());
        }
        parent.DeleteItemsAfter(c.keep < 0 ? nullptr : children[c.keep]);
        EXPECT_EQ(Names(parent), c.left);
        EXPECT_EQ(parent.GetLastItem(), c.keep < 0 ? nullptr : children[c.keep]);
        parent.AddItem(Text("D"));
        EXPECT_EQ(Names(parent).back(), "D");
    }
    TXMLComplexElement empty("E");
    empty.DeleteItemsAfter(nullptr);
    EXPECT_EQ(empty.GetFirst(), nullptr);
}

TEST(XMLTree, OperationsOfTheOtherKindAreProgrammingErrors)
{
    ThrowOnFatalAssertion throwing;
    TXMLComplexElement complex("C");
    TXMLStringElement text("T", "x");
    EXPECT_THROW(complex.GetValue(), FatalAssertion);
    EXPECT_THROW(text.GetChild("x"), FatalAssertion);
    EXPECT_THROW(text.GetFirst(), FatalAssertion);
}

TEST(XMLTree, DeepAndLongTreesAreFreedWithoutRecursion)
{
    auto root = std::make_unique<TXMLComplexElement>("Root");
    TXMLComplexElement* deepest = root.get();
    for (int i = 0; i < 200000; ++i) {
        auto child = std::make_unique<TXMLComplexElement>("D");
        TXMLComplexElement* next = child.get();
        deepest->AddItem(std::move(child));
        deepest->AddItem(Text("S"));
        deepest = next;
    }
    root.reset();
}

TEST(XMLEscapes, TextsAndTheirCaretForms)
{
    struct Case {
        std::string plain, escaped;
    } cases[] = {
        {"a<b>c", "a^Sb^Gc"},
        {"x^y", "x^^y"},
        {"\ttab", "^Ttab"},
        {"one\r\ntwo", "one^Etwo"},
        {"100% \"q\" &", "100% \"q\" &"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeText(c.plain), c.escaped) << c.plain;
        EXPECT_EQ(UnescapeText(c.escaped), c.plain) << c.escaped;
    }
    EXPECT_EQ(EscapeText("bare\nfeed\rcr"), "bare^Efeedcr");
    EXPECT_EQ(UnescapeText("bare^Efeed"), "bare\r\nfeed");
    EXPECT_EQ(UnescapeText("^x^1^ "), "x1 ");
    EXPECT_EQ(UnescapeText("end^"), "end^");
}

// What the reader gives for a file's text (already trimmed of its bare blanks),
// and that it reads back the same once written again.
TEST(XMLEscapes, AReadTextIsWrittenAndReadBackTheSame)
{
    const std::string nul(1, '\0');
    struct Case {
        std::string file, read;
    } cases[] = {
        {"^ x^ ", "x"},
        {"^" + nul + nul + nul + "Vertical", "Vertical"},
        {"a" + nul + "b", "a" + nul + "b"},
        {"^Tx^E", "\tx\r\n"},
        {"^^ a", "^ a"},
        {"^ ", ""},
    };
    for (const Case& c : cases) {
        const std::string read = TextFromFile(c.file);
        EXPECT_EQ(read, c.read) << c.file;
        std::string written = EscapeText(read);
        const size_t begin = written.find_first_not_of(std::string(" \t") + nul);
        written = begin == std::string::npos ? "" : written.substr(begin);
        EXPECT_EQ(TextFromFile(written), read) << c.file;
    }
}

TEST(Latin1, ConvertsAtTheFileBoundary)
{
    EXPECT_EQ(Latin1ToUtf8("abc \xE9\xFF\x80"), "abc \xC3\xA9\xC3\xBF\xC2\x80");
    struct Case {
        std::string utf8, latin1;
    } cases[] = {
        {"plain", "plain"},
        {"caf\xC3\xA9 \xC3\xBF", "caf\xE9 \xFF"},
        {"\xE2\x82\xAC 5", "? 5"},         // euro sign: outside Latin-1
        {"\xF0\x9F\x8E\xB5!", "?!"},       // four-byte character
        {"\xC3", "?"},                     // cut-off sequence
        {"a\xA9z", "a?z"},                 // stray continuation byte
        {"\xC1\x81", "?"},                 // overlong form of "A"
        {"\xE2\x82z", "?z"},               // broken three-byte sequence
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8ToLatin1(c.utf8), c.latin1) << c.utf8;
}
