#include "foundation/xml/XMLInput.h"

TXMLInput::TXMLInput(std::string_view fileBytes)
{
    size_t start = 0;
    for (int header = 0; header < 2 && start < fileBytes.size(); ++header) {
        const size_t lineEnd = fileBytes.find('\n', start);
        start = lineEnd == std::string_view::npos ? fileBytes.size() : lineEnd + 1;
    }
    content = fileBytes.substr(start);
}

int TXMLInput::Get()
{
    while (position < content.size() && content[position] == '\r')
        ++position;
    last = position;
    if (position >= content.size())
        return -1; // a put-back after the end stays at the end
    return static_cast<unsigned char>(content[position++]);
}

void TXMLInput::PutBack()
{
    position = last;
}
