#pragma once
#include "factory/values/SountoryValue.h"

#include <span>
#include <string>

// Unit-aware arithmetic on factory values. Operations that can fail return
// false with the message in error and leave error alone on success; an in/out
// operand may hold a partial result after a failure.

// The product of the operands; its type follows the length and time exponents
// of the factors (Speed x Time is a Length, Time x Frequency a Factor ...).
// No operand gives Integer 1.
bool MultiplyValues(TSountoryValue& result, std::span<const TSountoryValue> operands, std::string& error);
// a := a x b by the same rules.
bool MultiplyTwoValues(TSountoryValue& a, const TSountoryValue& b, std::string& error);
// a := a / b; a unitless value over a Time is a Frequency and so on.
bool DivideValues(TSountoryValue& a, const TSountoryValue& b, std::string& error);
// The sum in the first operand's type, or Factor once the types differ.
// No operand gives Factor 0.
void AddValues(TSountoryValue& result, std::span<const TSountoryValue> operands);
// a := a - b in a's type, or Factor for two different unitless types.
void SubtractValues(TSountoryValue& a, const TSountoryValue& b);
