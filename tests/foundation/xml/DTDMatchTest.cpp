#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLTestDocuments.h"
#include "support/SmallStack.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Matched {
    bool ok = false;
    bool fatal = false;
    std::string error;
    std::unique_ptr<TXMLComplexElement> parent = std::make_unique<TXMLComplexElement>("");

    const TXMLItem& Document() const { return *parent->GetFirst(); }
};

// Reads bytes as a file reader does: token list, then the root grammar from
// the document token on, into a parent without a name.
Matched Match(const TDTDItem& grammar, const std::string& bytes)
{
    std::string version;
    TXMLToken document(TXMLBytes{bytes}, version);
    Matched m;
    EXPECT_EQ(document.GetTokenKind(), xmlTokenDocument);
    if (document.GetTokenKind() != xmlTokenDocument)
        return m;
    const TXMLToken* cursor = &document;
    m.ok = grammar.Match(*m.parent, cursor, m.error, m.fatal);
    return m;
}

std::vector<std::string> ChildNames(const TXMLItem& parent)
{
    std::vector<std::string> names;
    for (const TXMLItem* child = parent.GetFirst(); child; child = child->GetNext())
        names.push_back(child->GetElement());
    return names;
}

template <class T, class... Args>
TDTDItemPtr Make(Args&&... args)
{
    return std::make_shared<const T>(std::forward<Args>(args)...);
}

// Root: Version, Item*, Note?, (A | B), C+ ; Item: Name, Value? ; A is empty.
class DTDMatch : public ::testing::Test {
protected:
    DTDMatch()
    {
        auto text = [](const char* name) { return Make<TDTDContentText>(name); };
        auto item = Make<TDTDCompound>(
            "Item", Make<TDTDConcat>(text("Name"), Make<TDTDOptional>(text("Value"))));
        auto choice = Make<TDTDChoice>(Make<TDTDCompound>("A", Make<TDTDEmpty>()), text("B"));
        root = std::make_shared<TDTDCompound>(
            "Root", Make<TDTDConcat>(text("Version"),
                                     Make<TDTDConcat>(Make<TDTDRepeatMin0>(item),
                                                      Make<TDTDConcat>(Make<TDTDOptional>(text("Note")),
                                                                       Make<TDTDConcat>(choice, Make<TDTDRepeatMin1>(
                                                                                                    text("C")))))));
    }

    Matched Read(const std::string& body) { return Match(*root, XMLDocument(body)); }

    std::shared_ptr<TDTDCompound> root;
};

const std::string goodBody = "<Root>\n"
                             "  <Version>9.1</Version>\n"
                             "  <Item>\n"
                             "    <Name>one</Name>\n"
                             "  </Item>\n"
                             "  <Item>\n"
                             "    <Name>two</Name>\n"
                             "    <Value>2</Value>\n"
                             "  </Item>\n"
                             "  <Note>a ^S b^E^Tc</Note>\n"
                             "  <A />\n"
                             "  <C>c1</C>\n"
                             "  <C>c2</C>\n"
                             "</Root>\n";

} // namespace

TEST_F(DTDMatch, BuildsTheTreeWithPositionsAndPlainTexts)
{
    const Matched m = Read(goodBody);
    ASSERT_TRUE(m.ok) << m.error;
    // The optionals, repetitions and choices gave up attempts: none is an error.
    EXPECT_EQ(m.error, "");
    EXPECT_EQ(ChildNames(*m.parent), std::vector<std::string>{"Root"});
    const TXMLItem& root = m.Document();
    EXPECT_EQ(root.GetLine(), 4);
    EXPECT_EQ(root.GetColumn(), 6);
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"Version", "Item", "Item", "Note", "A", "C", "C"}));
    EXPECT_EQ(root.GetChild("Version")->GetValue(), "9.1");
    EXPECT_EQ(root.GetChild("Note")->GetValue(), "a < b\r\n\tc");
    const TXMLItem& firstItem = *root.GetChild("Item");
    EXPECT_EQ(ChildNames(firstItem), std::vector<std::string>{"Name"});
    EXPECT_EQ(firstItem.GetChild("Name")->GetLine(), 7);
    EXPECT_EQ(firstItem.GetChild("Name")->GetColumn(), 10);
    const TXMLItem& secondItem = *firstItem.GetNext();
    EXPECT_EQ(secondItem.GetChild("Value")->GetValue(), "2");
    EXPECT_EQ(root.GetChild("A")->GetKind(), xmlItemComplex);
    EXPECT_EQ(root.GetChild("A")->GetFirst(), nullptr);
}

TEST_F(DTDMatch, EmptyContentAsEmptyTagOrBeginAndEndAndTrailingTokens)
{
    for (const std::string a : {"<A/>", "<A></A>", "< A >\n  </ A >"}) {
        const Matched m = Read("<Root><Version>1</Version>" + a + "<B>b</B><C>c</C></Root>");
        EXPECT_FALSE(m.ok) << a; // A or B, not both
        const Matched one = Read("<Root><Version>1</Version>" + a + "<C>c</C></Root> trailing <Junk>");
        ASSERT_TRUE(one.ok) << a << one.error;
        EXPECT_EQ(one.Document().GetChild("A")->GetFirst(), nullptr);
    }
}

TEST_F(DTDMatch, StructuralErrors)
{
    const std::string v = "<Root>\n  <Version>1</Version>\n";
    struct Case {
        std::string body, error;
    } cases[] = {
        // At the root a wrong tag fails without fault; the read fails all the same.
        {"<Rot>\n", "unexpected begin of element \"Rot\", expect begin of element \"Root\", at line 4, column 5."},
        {"</Root>", "unexpected end of element \"Root\", expect begin of element \"Root\", at line 4, column 7."},
        {"", "unexpected end-of-file, expect begin of element \"Root\", at line 4, column 0."},
        {"<Root>\n  <Item>\n",
         "unexpected begin of element \"Item\", expect begin of element \"Version\". at line 5, column 8."},
        {"<Root>\n  <Version></Version>\n",
         "unexpected end of element \"Version\", expect text, at line 5, column 11."},
        {"<Root>\n  <Version><A/></Version>\n",
         "unexpected empty element \"A\", expect text, at line 5, column 11."},
        {"<Root>\n  <Version>",
         "unexpected end-of-file, expect text, at line 5, column 11."},
        {"<Root>\n  <Version/>\n",
         "unexpected empty element \"Version\", expect begin of element \"Version\". at line 5, column 12."},
        {v + "  <Item/>\n", "element \"Item\" should not be empty, at line 6, column 9."},
        {"<Root>\n  <Version>1</Versio>\n",
         "end of element \"Versio\" does not match begin of element \"Version\", at line 5, column 20."},
        {"<Root>\n  <Version>1<Note>\n",
         "unexpected begin of element \"Note\", expect end of element \"Version\", at line 5, column 17."},
        {v, "unexpected end-of-file, expect begin of element \"Item\", at line 6, column 0."},
        {v + "  stray\n</Root>", "unexpected text \"stray\", expect begin of element \"Item\", at line 7, column 1."},
        {v + "  <A/>\n</Root>\n",
         "unexpected end of element \"Root\", expect begin of element \"C\". at line 7, column 7."},
        {v + "  <A/>\n  <C>c</C>\n  <C></C>\n", "unexpected end of element \"C\", expect text, at line 8, column 5."},
        {v + "  <A/>\n  <C>c</C>\n  <Extra/>\n",
         "unexpected empty element \"Extra\", expect end of element \"Root\", at line 8, column 10."},
        {v + "  <Item>\n    <Value>2</Value>\n",
         "unexpected begin of element \"Value\", expect begin of element \"Name\". at line 7, column 11."},
        // An optional text element given as an empty tag is skipped; the choice then fails on it.
        {v + "  <Note/>\n",
         "Try choices( first choice: unexpected empty element \"Note\", expect begin of element \"A\", at line 6, "
         "column 9., Second choice: unexpected empty element \"Note\", expect begin of element \"B\". at line 6, "
         "column 9.)"},
        // A fatal first choice leaves the second untried.
        {v + "  <A>x</A>\n",
         "Try choices( first choice: unexpected text \"x\", expect end of element \"A\", at line 6, column 6., "
         "Second choice: "},
        // Wrong order: the item after the note fails where it stands.
        {v + "  <Note>n</Note>\n  <Item>\n",
         "Try choices( first choice: unexpected begin of element \"Item\", expect begin of element \"A\", at line 7, "
         "column 8., Second choice: unexpected begin of element \"Item\", expect begin of element \"B\". at line 7, "
         "column 8.)"},
    };
    for (const Case& c : cases) {
        const Matched m = Read(c.body);
        EXPECT_FALSE(m.ok) << c.body;
        if (c.body.rfind("<Root>", 0) == 0) { // failures inside an element are fatal
            EXPECT_TRUE(m.fatal) << c.body;
        }
        EXPECT_EQ(m.error, c.error) << c.body;
    }
}

TEST(DTDGrammar, CanBeEmpty)
{
    auto text = Make<TDTDContentText>("T");
    auto empty = Make<TDTDEmpty>();
    struct Case {
        TDTDItemPtr item;
        bool canBeEmpty;
    } cases[] = {
        {text, false},
        {empty, true},
        {Make<TDTDCompound>("E", empty), false},
        {Make<TDTDConcat>(empty, empty), true},
        {Make<TDTDConcat>(empty, text), false},
        {Make<TDTDChoice>(text, empty), true},
        {Make<TDTDChoice>(text, text), false},
        {Make<TDTDOptional>(text), true},
        {Make<TDTDRepeatMin0>(text), true},
        {Make<TDTDRepeatMin1>(text), false},
        {Make<TDTDRepeatMin1>(empty), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.item->CanBeEmpty(), c.canBeEmpty);
}

TEST(DTDGrammar, AFailedAlternativeLeavesNothingBehind)
{
    // (P, Q) | (P, R): the first alternative reads P, then fails on R without
    // fault; the P it added must go before the second alternative reads P again.
    auto p = Make<TDTDContentText>("P");
    auto root = Make<TDTDCompound>(
        "Root", Make<TDTDChoice>(Make<TDTDConcat>(p, Make<TDTDContentText>("Q")),
                                 Make<TDTDConcat>(p, Make<TDTDContentText>("R"))));
    const Matched m = Match(*root, XMLDocument("<Root><P>p</P><R>r</R></Root>"));
    ASSERT_TRUE(m.ok) << m.error;
    EXPECT_EQ(ChildNames(m.Document()), (std::vector<std::string>{"P", "R"}));

    // The same for an optional and a repetition that give up half-way.
    auto optional = Make<TDTDCompound>(
        "Root", Make<TDTDConcat>(Make<TDTDOptional>(Make<TDTDConcat>(p, Make<TDTDContentText>("Q"))),
                                 Make<TDTDConcat>(p, Make<TDTDContentText>("R"))));
    const Matched o = Match(*optional, XMLDocument("<Root><P>p</P><R>r</R></Root>"));
    ASSERT_TRUE(o.ok) << o.error;
    EXPECT_EQ(ChildNames(o.Document()), (std::vector<std::string>{"P", "R"}));

    auto repeated = Make<TDTDCompound>(
        "Root", Make<TDTDConcat>(Make<TDTDRepeatMin1>(Make<TDTDConcat>(p, Make<TDTDContentText>("Q"))),
                                 Make<TDTDConcat>(p, Make<TDTDContentText>("R"))));
    const Matched r = Match(*repeated, XMLDocument("<Root><P>1</P><Q>q</Q><P>2</P><Q>q</Q><P>3</P><R>r</R></Root>"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(ChildNames(r.Document()), (std::vector<std::string>{"P", "Q", "P", "Q", "P", "R"}));
}

TEST(DTDGrammar, NestedChoicesNestTheirMessages)
{
    auto root = Make<TDTDCompound>(
        "Root", Make<TDTDChoice>(Make<TDTDContentText>("A"),
                                 Make<TDTDChoice>(Make<TDTDContentText>("B"), Make<TDTDContentText>("C"))));
    const Matched m = Match(*root, XMLDocument("<Root><D/></Root>"));
    EXPECT_FALSE(m.ok);
    const std::string at = " at line 4, column 9.";
    EXPECT_EQ(m.error, "Try choices( first choice: unexpected empty element \"D\", expect begin of element \"A\"." + at +
                           ", Second choice: Try choices( first choice: unexpected empty element \"D\", expect begin "
                           "of element \"B\"." + at +
                           ", Second choice: unexpected empty element \"D\", expect begin of element \"C\"." + at +
                           "))");
}

TEST(DTDGrammar, ManyRepeatedElementsNeedNoDeepStack)
{
    // On a small stack, so that matching or freeing that recursed per element
    // would overflow it.
    auto item = Make<TDTDContentText>("I");
    for (const TDTDItemPtr& repetition : {Make<TDTDRepeatMin0>(item), Make<TDTDRepeatMin1>(item)}) {
        auto root = Make<TDTDCompound>("Root", repetition);
        std::string body = "<Root>\n";
        for (int i = 0; i < 20000; ++i)
            body += "  <I>" + std::to_string(i) + "</I>\n";
        body += "</Root>\n";
        RunOnSmallStack([&] {
            const Matched m = Match(*root, XMLDocument(body));
            ASSERT_TRUE(m.ok) << m.error;
            size_t count = 0;
            for (const TXMLItem* child = m.Document().GetFirst(); child; child = child->GetNext())
                ++count;
            EXPECT_EQ(count, 20000u);
            EXPECT_EQ(m.Document().GetFirst()->GetNext()->GetValue(), "1");
        });
    }
}

TEST(DTDGrammar, DeeplyNestedInputFailsCleanly)
{
    auto root = Make<TDTDCompound>("Root", Make<TDTDRepeatMin0>(Make<TDTDCompound>("Root", Make<TDTDEmpty>())));
    std::string body;
    for (int i = 0; i < 100000; ++i)
        body += "<Root>";
    const Matched m = Match(*root, XMLDocument(body));
    EXPECT_FALSE(m.ok);
    EXPECT_EQ(m.error, "unexpected begin of element \"Root\", expect end of element \"Root\", at line 4, column 16.");
}
