#pragma once
#include <cstdio>
#include <string>

// Opens a file for reading only when it is a regular file: a named pipe, a
// device or a folder would block the reader or feed it endless bytes. Null when
// the file cannot be opened; regular then tells whether it was there but no
// regular file.
std::FILE* OpenRegularFile(const std::string& fileName, bool& regular);

// Whether a regular file of that name is there; false for an empty name.
bool IsRegularFile(const std::string& fileName);
