#pragma once
#include "factory/values/SountoryValue.h"

#include <memory>

class unit;

// The value object that types and shows a factory value of a number type
// (Factor to WaveCount) in its unit, with the domain it must lie in; null for
// the other types.
std::unique_ptr<unit> MakeValueObject(ValueType type, double value, UnitKind unitKind, ValueDomain domain);
// The number the object holds (whole for Integer and WaveValue).
double ValueObjectNumber(const unit& object, ValueType type);
// Whether the type is typed as a number with a unit.
bool IsNumberType(ValueType type);
