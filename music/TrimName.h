#pragma once
#include <string>

// Leading and trailing characters below 33 removed, as names are stored.
std::string TrimName(const std::string& text);
