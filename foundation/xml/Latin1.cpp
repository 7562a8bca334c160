#include "foundation/xml/Latin1.h"

std::string Latin1ToUtf8(const std::string& latin1)
{
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    const size_t size = utf8.size();
    auto continuation = [&](size_t i) { return i < size && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80; };
    for (size_t i = 0; i < size;) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += utf8[i++];
            continue;
        }
        size_t length = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (lead >= 0xF8)
            length = 1;
        size_t valid = 1;
        while (valid < length && continuation(i + valid))
            ++valid;
        if (length == 2 && valid == 2 && lead >= 0xC2 && lead <= 0xC3) {
            out += static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
        } else {
            out += '?';
        }
        // A broken sequence gives one "?" for the bytes it did have.
        i += valid;
    }
    return out;
}
