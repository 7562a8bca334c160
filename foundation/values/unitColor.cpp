#include "foundation/values/unitColor.h"

#include "foundation/QuotedText.h"
#include "foundation/xml/XMLItem.h"
#include "platform/Assertions.h"

#include <cstdio>

std::string unitColor::GetText() const
{
    // At least six digits; system colours use the top byte and give eight.
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(static_cast<uint32_t>(value)));
    return text;
}

bool unitColor::SetFromText(const std::string&, const std::string&, std::string&)
{
    QB_ASSERT(!"colours are only read from XML");
    return false;
}

bool unitColor::ReadXml(const TXMLItem& element, std::string& error, int32_t& line, int32_t& column)
{
    line = element.GetLine();
    column = element.GetColumn();
    const std::string text = element.GetKind() == xmlItemString ? element.GetValue() : std::string();
    // One to eight hexadecimal digits: anything else is no 32-bit colour.
    bool valid = !text.empty() && text.size() <= 8;
    uint32_t number = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else {
            valid = false;
            break;
        }
        number = number * 16 + static_cast<uint32_t>(digit);
    }
    if (!valid) {
        error = "In " + element.GetElement() + ": Invalid Hexdecimal value: " + QuotedText(text) + ".";
        return false;
    }
    value = static_cast<int32_t>(number);
    return true;
}
