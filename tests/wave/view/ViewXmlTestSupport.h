#pragma once
#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLComplexElement.h"

#include <memory>
#include <string>

// Matches body (the elements of a file, without its two header lines) against
// grammar; gives the holder whose first child is the element read, or null
// with the grammar's message in error.
inline std::unique_ptr<TXMLComplexElement> MatchBody(const TDTDItem& grammar, const std::string& body,
                                                     std::string& error)
{
    std::string bytes = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE Test>\n\n" + body;
    std::string version;
    TXMLToken document(TXMLBytes{bytes}, version);
    if (document.GetTokenKind() == xmlTokenError) {
        error = document.GetErrorText();
        return nullptr;
    }
    auto holder = std::make_unique<TXMLComplexElement>("");
    const TXMLToken* cursor = &document;
    bool fatal = false;
    if (!grammar.Match(*holder, cursor, error, fatal))
        return nullptr;
    return holder;
}

// The element as the writer writes it, lines ending in "\n".
inline std::string ElementText(const TXMLItem& element)
{
    std::string out;
    element.WriteItem(out, 0);
    return out;
}
