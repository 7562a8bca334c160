#pragma once

// Lets tests make sample-buffer allocations fail on purpose: FailNext(n) makes
// the next n allocations that ask ShouldFail() fail.
namespace AllocationHook {

void FailNext(int count = 1);
void Reset();
// Consumes one armed failure; true when this allocation must fail.
bool ShouldFail();

} // namespace AllocationHook
