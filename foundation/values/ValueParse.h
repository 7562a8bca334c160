#pragma once
#include "foundation/values/ValueVocabulary.h"

#include <cstddef>
#include <cstdint>
#include <string>

class unit;

// A blank between the parts of a value: space or tab.
inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Reads a number at pos: an optional sign, then digits, a fraction "a/b" or a
// decimal (point or comma) with an optional exponent such as "e+3", whose sign
// is required. Moves pos past the number. Refuses text without a number and
// numbers too large for a double.
bool ParseNumber(const std::string& text, size_t& pos, double& number, std::string& error);

// The unit word at pos, compared without regard to case; moves pos past it.
// EHNone for an empty rest, EHError for a word that is no unit.
UnitKind ParseUnitWord(const std::string& text, size_t& pos);

// A number, blanks, then a unit word.
bool ParseValueAndUnit(const std::string& text, double& number, UnitKind& unitKind, std::string& error);

// A note name at pos ("A", "c#5", "G-1"; octave 4 when none is given) as its
// frequency in hertz; whatever follows it is ignored.
bool ParseNoteFrequency(const std::string& text, size_t& pos, double& frequency, std::string& error);

// Whether a text is taken as a note name: it begins with a letter A to G.
bool BeginsWithNote(const std::string& text);

// Whether the number lies in the object's domain; unitKind picks the wording
// of the message for the fraction domains.
bool CheckValueDomain(const unit& object, double number, std::string& error, UnitKind unitKind);

// Whether the number stands to the bound as the object's domain requires
// (unequal, at most, at least, below or above it).
bool CheckValueRange(const unit& object, double number, int32_t bound, std::string& error);
