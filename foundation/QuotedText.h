#pragma once
#include <string>
#include <string_view>

// A text from a file or the user, quoted in a message: in double quotes, and
// cut to a line's worth (at a line break, or after QuotedTextLength
// characters) followed by "...", so that a huge or many-lined text cannot make
// a huge message box.
constexpr size_t QuotedTextLength = 60;
std::string QuotedText(std::string_view text);
// The same without the quotes.
std::string CutToALine(std::string_view text);
// A name the program made or checked, whole, in double quotes.
std::string Quoted(std::string_view text);
