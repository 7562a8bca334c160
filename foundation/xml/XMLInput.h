#pragma once
#include <string_view>

// The characters of an XML document as the token reader sees them, with one
// character of put-back. The two header lines (declaration and DOCTYPE) are
// skipped whole, and carriage returns are passed over so that CR LF and LF
// files read alike. The bytes are read where they lie, not copied.
class TXMLInput {
public:
    explicit TXMLInput(std::string_view fileBytes);
    // The next byte (0 to 255), or -1 at the end.
    int Get();
    // Returns the byte last read to the input.
    void PutBack();

private:
    std::string_view content;
    size_t position = 0;
    size_t last = 0; // where the byte last read lay
};
