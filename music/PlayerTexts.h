#pragma once
#include <string>

// The texts the players give when a note cannot be rendered.

// A set stop flag: the engine has shown why.
inline constexpr const char* StoppedText = "Stopped by user.";

inline std::string CannotFindFactory(const std::string& factory)
{
    return "Cannot Find Factory \"" + factory + "\".";
}
