#pragma once
#include <string>

// Splits a path at its last folder separator ("\" as old project files carry
// it, or "/"). Without a separator it fails, leaves path and file as they are
// and fills error.
bool PathOfPathFile(const std::string& pathFile, std::string& path, std::string& file, std::string& error);

// Splits the last path component at its last "."; a point in a folder name is
// not an extension. Always succeeds.
void SplitFileExtension(const std::string& fileName, std::string& name, std::string& extension);
