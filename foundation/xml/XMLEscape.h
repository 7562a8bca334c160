#pragma once
#include <string>

// Texts in files cannot hold markup, tabs or line breaks; the writer replaces
// them by caret pairs: "^E" line break, "^T" tab, "^S" "<", "^G" ">", "^^" "^".
// Carriage returns are dropped, so CR LF and LF both become "^E".
std::string EscapeText(const std::string& text);

// Undoes EscapeText; "^E" gives CR LF. A caret before any other character
// gives that character; a lone caret at the very end is kept.
std::string UnescapeText(const std::string& text);

// A text as the reader gives it: unescaped, then without the blanks and control
// characters at either end that only a caret before them kept from the reader's
// trimming (tabs and line breaks stay). The writer could not write them back:
// they would be trimmed on the next read, so a file written and read again
// would hold another text.
std::string TextFromFile(const std::string& trimmed);
