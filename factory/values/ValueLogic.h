#pragma once
#include "factory/values/SountoryValue.h"

#include <cstdint>
#include <span>

// Logic, comparison and statistics over factory values. The function numbers
// are those of the built-in catalogue.

// 1 for a number equal to 0, else 0; the type stays.
void NotValue(TSountoryValue& v);
// A Boolean folded left to right: 45 And, 46 Or, 47 Nand, 48 Nor, 49 Xor,
// 50 Imp ((a implies b) implies c ...). No operand folds nothing: false, so
// Nand and Nor give true.
void BooleanValues(TSountoryValue& result, uint8_t function, std::span<const TSountoryValue> operands);
// A Boolean from neighbouring pairs: 62 Unequal, 63 Equal, 64 Greater,
// 65 Greater or Equal; the first pair that decides ends the chain. Types are
// not looked at.
void CompareValues(TSountoryValue& result, uint8_t function, std::span<const TSountoryValue> operands);
// 66 Minimum, 67 Maximum of the numbers, in the first operand's type.
// No operand gives Factor 0.
void MinMaxValues(TSountoryValue& result, uint8_t function, std::span<const TSountoryValue> operands);
// 70 arithmetic mean, 71 geometric mean, in the first operand's type.
// No operand gives Factor 0.
void MeanValues(TSountoryValue& result, uint8_t function, std::span<const TSountoryValue> operands);
