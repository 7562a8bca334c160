#include "foundation/xml/XMLEscape.h"

namespace {

struct CaretPair {
    char plain;
    char code;
};

// "^E" is written for a line feed but reads back as CR LF (see UnescapeText).
constexpr CaretPair caretPairs[] = {{'\n', 'E'}, {'\t', 'T'}, {'<', 'S'}, {'>', 'G'}, {'^', '^'}};

} // namespace

std::string EscapeText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            continue;
        bool escaped = false;
        for (const CaretPair& pair : caretPairs)
            if (pair.plain == c) {
                out += '^';
                out += pair.code;
                escaped = true;
                break;
            }
        if (!escaped)
            out += c;
    }
    return out;
}

std::string UnescapeText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '^' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char code = text[++i];
        if (code == 'E') {
            out += "\r\n";
            continue;
        }
        char plain = code;
        for (const CaretPair& pair : caretPairs)
            if (pair.code == code)
                plain = pair.plain;
        out += plain;
    }
    return out;
}

std::string TextFromFile(const std::string& trimmed)
{
    const std::string text = UnescapeText(trimmed);
    auto bare = [](char c) { return static_cast<unsigned char>(c) < 33 && c != '\t' && c != '\r' && c != '\n'; };
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && bare(text[begin]))
        ++begin;
    while (end > begin && bare(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}
