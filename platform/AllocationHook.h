#pragma once

// Lets tests make sample-buffer allocations fail on purpose: FailNext(n) makes
// the next n allocations that ask ShouldFail() fail; FailAfter(k, n) lets k of
// them succeed first, so that a later step of a command fails after an
// earlier one has succeeded. FailNextHere(n) fails the next n allocations of
// the calling thread alone, whatever other threads allocate meanwhile.
namespace AllocationHook {

void FailNext(int count = 1);
void FailAfter(int succeeding, int count = 1);
void FailNextHere(int count = 1);
void Reset();
// Consumes one armed failure; true when this allocation must fail.
bool ShouldFail();

} // namespace AllocationHook
