#pragma once
#include <string>

inline constexpr const char* StoppedByUserText = "Stopped by user.";
inline constexpr const char* NotEnoughMemoryText = "There is not enough memmory for this operation.";

// Why a run that found its stop flag set ended: the user stopped it in the
// progress window, or a failed allocation set the flag (and has shown the
// memory message, or that the result would pass the longest wave).
std::string StoppedRunReason();
