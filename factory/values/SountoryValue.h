#pragma once
#include "foundation/values/ValueVocabulary.h"

// The typed value that flows along a factory's connections: a value type and a
// number in that type's unit (metres, seconds, hertz, samples ...). A Wave
// value carries no number of its own; its sound travels beside it.
struct TSountoryValue {
    ValueType Type = ValueType::Factor;
    double Value = 0.0;

    TSountoryValue() = default;
    TSountoryValue(double value, ValueType type) : Type(type), Value(value) {}

    // Whether a value of this type may go where the kind is required.
    bool IsTypeCompatible(ValueDomType kind) const { return IsValueTypeCompatible(Type, kind); }

    friend bool operator==(const TSountoryValue&, const TSountoryValue&) = default;
};

// The number times factor, in v's type.
TSountoryValue ScaleValue(const TSountoryValue& v, double factor);
// The type, but Factor for the unitless types Factor and Integer.
ValueType ValueUnitType(const TSountoryValue& v);
// Factor or Integer.
bool IsUnitless(ValueType type);
