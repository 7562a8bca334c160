#include "foundation/QuotedText.h"

std::string CutToALine(std::string_view text)
{
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n' || c == '\r')
            return std::string(text.substr(0, i)) + "...";
        // UTF-8: a character begins at every byte that does not continue one.
        if ((c & 0xC0) != 0x80 && characters++ == QuotedTextLength)
            return std::string(text.substr(0, i)) + "...";
    }
    return std::string(text);
}

std::string QuotedText(std::string_view text)
{
    return "\"" + CutToALine(text) + "\"";
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}
