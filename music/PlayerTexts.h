#pragma once
#include <string>

// The texts the players give when a note cannot be rendered.

inline std::string CannotFindFactory(const std::string& factory)
{
    return "Cannot Find Factory \"" + factory + "\".";
}
