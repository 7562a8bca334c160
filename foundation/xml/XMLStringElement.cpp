#include "foundation/xml/XMLStringElement.h"

#include "foundation/xml/XMLEscape.h"

TXMLStringElement::TXMLStringElement(std::string name, std::string text_)
    : TXMLItem(std::move(name), xmlItemString), text(std::move(text_))
{
}

void TXMLStringElement::WriteItem(std::string& out, int level) const
{
    // One line whatever the text holds: escaping removes every line break.
    out += std::string(2 * static_cast<size_t>(level), ' ') + "<" + GetElement() + ">" + EscapeText(text) + "</" +
           GetElement() + ">\n";
}
