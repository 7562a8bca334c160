#pragma once
#include <string>
#include <string_view>

// The characters of an XML document as the token reader sees them, with one
// character of put-back. The two header lines (declaration and DOCTYPE) are
// skipped whole, and carriage returns are dropped so that CR LF and LF files
// read alike.
class TXMLInput {
public:
    explicit TXMLInput(std::string_view fileBytes);
    // The next byte (0 to 255), or -1 at the end.
    int Get();
    // Returns the byte last read to the input.
    void PutBack();

private:
    std::string content;
    size_t position = 0;
};
