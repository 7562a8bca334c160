#pragma once
#include "foundation/values/ValueVocabulary.h"

#include <string>

// Writes number with at least digitsBefore integer digits and between
// minAfter and maxAfter fraction digits; digits beyond are cut, not rounded.
// Zeros beyond minAfter places are dropped. At most 15 significant digits are
// written; the integer places below them show as zeros.
std::string FormatNumber(double number, int digitsBefore, int minAfter, int maxAfter);

// About precision significant digits; dropTrailingZeros leaves out zeros at
// the end of the fraction.
std::string FormatSignificant(double number, int precision, bool dropTrailingZeros);

// The number, taken as a value of the type, converted to the unit kind and
// followed by its unit word.
std::string FormatValueInUnit(double number, ValueType type, int unitKind, int precision, bool dropTrailingZeros);
