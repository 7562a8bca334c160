#include "foundation/xml/DTDElement.h"

#include "foundation/QuotedText.h"
#include "foundation/xml/XMLToken.h"
#include "platform/Assertions.h"

TDTDElement::TDTDElement(std::string name_) : name(std::move(name_)) {}

std::string TDTDElement::Position(int32_t line, int32_t column)
{
    return " at line " + std::to_string(line) + ", column " + std::to_string(column) + ".";
}

std::string TDTDElement::Position(const TXMLToken& token)
{
    return Position(token.GetLine(), token.GetColumn());
}

std::string TDTDElement::Unexpected(const TXMLToken& token)
{
    switch (token.GetTokenKind()) {
    case xmlTokenAttr: return "unexpected text " + QuotedText(token.GetText()) + ", ";
    case xmlTokenBegin: return "unexpected begin of element " + QuotedText(token.GetName()) + ", ";
    case xmlTokenEnd: return "unexpected end of element " + QuotedText(token.GetName()) + ", ";
    case xmlTokenEmpty: return "unexpected empty element " + QuotedText(token.GetName()) + ", ";
    case xmlTokenEndOfFile: return "unexpected end-of-file, ";
    default: break;
    }
    // Lists with an error token are never matched; a document token is
    // stepped over by the root element.
    QB_ASSERT(!"token kind never matched");
    return {};
}

bool TDTDElement::Refuse(const TXMLToken& token, const std::string& expect, std::string& error, bool& fatal)
{
    error = Unexpected(token) + expect + Position(token);
    fatal = token.GetTokenKind() == xmlTokenAttr || token.GetTokenKind() == xmlTokenEndOfFile;
    return false;
}

bool TDTDElement::ReadEndTag(const TXMLToken*& cursor, std::string& error, bool& fatal) const
{
    QB_ASSERT(cursor != nullptr);
    const TXMLToken& token = *cursor;
    fatal = true;
    if (token.GetTokenKind() == xmlTokenEnd) {
        if (token.GetName() == name) {
            cursor = token.GetNext();
            return true;
        }
        error = "end of element " + QuotedText(token.GetName()) + " does not match begin of element \"" + name + "\"," +
                Position(token);
        return false;
    }
    error = Unexpected(token) + "expect end of element \"" + name + "\"," + Position(token);
    return false;
}
