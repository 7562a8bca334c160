#pragma once
#include <string>

// XML files hold ISO-8859-1 bytes (their declaration says so); texts in memory
// are UTF-8. These convert at the file boundary.

// Every byte is one Latin-1 character.
std::string Latin1ToUtf8(const std::string& latin1);

// Characters outside Latin-1, and bytes that are not valid UTF-8, become "?".
std::string Utf8ToLatin1(const std::string& utf8);
