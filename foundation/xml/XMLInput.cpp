#include "foundation/xml/XMLInput.h"

TXMLInput::TXMLInput(std::string_view fileBytes)
{
    size_t start = 0;
    for (int header = 0; header < 2 && start < fileBytes.size(); ++header) {
        const size_t lineEnd = fileBytes.find('\n', start);
        start = lineEnd == std::string_view::npos ? fileBytes.size() : lineEnd + 1;
    }
    content.reserve(fileBytes.size() - start);
    for (size_t i = start; i < fileBytes.size(); ++i)
        if (fileBytes[i] != '\r')
            content += fileBytes[i];
}

int TXMLInput::Get()
{
    if (position >= content.size()) {
        ++position; // so that a put-back after the end stays at the end
        return -1;
    }
    return static_cast<unsigned char>(content[position++]);
}

void TXMLInput::PutBack()
{
    if (position > 0)
        --position;
}
