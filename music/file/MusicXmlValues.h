#pragma once
#include "foundation/values/unitFactor.h"

#include <string>

class TXMLComplexElement;

// Values as the music file holds them. A value is kept in the form its own
// text reads back to, so that what a file says is what the next save
// writes: numbers beyond the digits a text shows would otherwise reorder
// symbols or drop a written element on the second save.
void CanonicalizeValue(unit& value);

// Whether a value's text is a plain number of at most 15 significant digits,
// whose value its own text already reads back to.
bool IsPlainShortNumber(const std::string& text);

// Whether the value's file text reads back as exactly 1.
bool WritesAsOne(const unitFactor& value);

// Appends the value's element unless its text reads back as exactly 1.
void WriteFactorUnlessOne(const unitFactor& value, const char* name, TXMLComplexElement& parent);
