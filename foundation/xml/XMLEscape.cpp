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
