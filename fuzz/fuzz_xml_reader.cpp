// Arbitrary bytes through the XML token reader and a grammar with every kind
// of content expression. A document that reads is written again and must read
// back to the same tree.
#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "foundation/xml/XMLEscape.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Root: Version, Item*, Note?, (A | B), C+ ; Item: Name, Value? ; A holds nothing.
const TDTDCompound& Grammar()
{
    static const auto root = [] {
        auto text = [](const char* name) { return std::make_shared<const TDTDContentText>(name); };
        auto item = std::make_shared<const TDTDCompound>(
            "Item", std::make_shared<const TDTDConcat>(text("Name"), std::make_shared<const TDTDOptional>(text("Value"))));
        auto choice = std::make_shared<const TDTDChoice>(
            std::make_shared<const TDTDCompound>("A", std::make_shared<const TDTDEmpty>()), text("B"));
        auto tail = std::make_shared<const TDTDConcat>(choice, std::make_shared<const TDTDRepeatMin1>(text("C")));
        auto middle = std::make_shared<const TDTDConcat>(std::make_shared<const TDTDOptional>(text("Note")), tail);
        auto body = std::make_shared<const TDTDConcat>(
            text("Version"), std::make_shared<const TDTDConcat>(std::make_shared<const TDTDRepeatMin0>(item), middle));
        return std::make_shared<const TDTDCompound>("Root", body);
    }();
    return *root;
}

std::unique_ptr<TXMLComplexElement> Read(const std::string& bytes)
{
    std::string version;
    TXMLToken document(TXMLBytes{bytes}, version);
    if (document.GetTokenKind() != xmlTokenDocument) {
        if (document.GetErrorText().empty())
            std::abort();
        return nullptr;
    }
    auto parent = std::make_unique<TXMLComplexElement>("");
    const TXMLToken* cursor = &document;
    std::string error;
    bool fatal = false;
    if (!Grammar().Match(*parent, cursor, error, fatal)) {
        if (error.empty())
            std::abort();
        return nullptr;
    }
    return parent;
}

// What a text becomes on its way through a file: escaped, trimmed by the reader, unescaped.
std::string ThroughFile(const std::string& text)
{
    std::string escaped = EscapeText(text);
    size_t begin = 0, end = escaped.size();
    while (begin < end && static_cast<unsigned char>(escaped[begin]) < 33)
        ++begin;
    while (end > begin && static_cast<unsigned char>(escaped[end - 1]) < 33)
        --end;
    return TextFromFile(escaped.substr(begin, end - begin));
}

bool AllTextsSurvive(const TXMLItem& item)
{
    if (item.GetKind() == xmlItemString)
        return !ThroughFile(item.GetValue()).empty();
    for (const TXMLItem* child = item.GetFirst(); child; child = child->GetNext())
        if (!AllTextsSurvive(*child))
            return false;
    return true;
}

bool SameTree(const TXMLItem& written, const TXMLItem& read)
{
    if (written.GetElement() != read.GetElement() || written.GetKind() != read.GetKind())
        return false;
    if (written.GetKind() == xmlItemString)
        return ThroughFile(written.GetValue()) == read.GetValue();
    const TXMLItem* a = written.GetFirst();
    const TXMLItem* b = read.GetFirst();
    for (; a && b; a = a->GetNext(), b = b->GetNext())
        if (!SameTree(*a, *b))
            return false;
    return a == nullptr && b == nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto first = Read(bytes);
    if (!first)
        return 0;
    const TXMLItem& document = *first->GetFirst();
    if (!AllTextsSurvive(document))
        return 0; // a text made only of blanks cannot be read back, by design
    const auto second = Read(DocumentBytes(document, "_v1_0"));
    if (!second || !SameTree(document, *second->GetFirst()))
        std::abort();
    return 0;
}
