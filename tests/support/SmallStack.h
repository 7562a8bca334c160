#pragma once
#include <functional>

// Runs fn on a thread with a stack of 256 KiB, so that a walk whose recursion
// grew with the data would overflow it with data of modest size.
void RunOnSmallStack(const std::function<void()>& fn);
