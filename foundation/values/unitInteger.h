#pragma once
#include "foundation/values/unit.h"

#include <cstdint>
#include <string>

class unitInteger;
bool ParseIntegerText(unitInteger& object, const std::string& text, std::string& error);

// A signed 32-bit whole number, typed without unit.
class unitInteger : public unit {
public:
    unitInteger() : unitInteger(0, EHNone) {}
    unitInteger(int32_t value, UnitKind unitKind) : unit(unitKind, ValueDomain::AllValues), value(value) {}

    std::string GetText() const override;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    int32_t GetValue() const { return value; }
    virtual void SetValue(int32_t newValue) { value = newValue; }

protected:
    unitInteger(int32_t value, UnitKind unitKind, ValueDomain domain) : unit(unitKind, domain), value(value) {}

    int32_t value;

private:
    friend bool ParseIntegerText(unitInteger& object, const std::string& text, std::string& error);
};

class unitIntegerPos : public unitInteger {
public:
    unitIntegerPos() : unitIntegerPos(0, EHNone) {}
    unitIntegerPos(int32_t value, UnitKind unitKind) : unitInteger(value, unitKind, ValueDomain::Positive) {}
};

class unitIntegerPosMore : public unitInteger {
public:
    unitIntegerPosMore() : unitIntegerPosMore(0, EHNone) {}
    unitIntegerPosMore(int32_t value, UnitKind unitKind)
        : unitInteger(value, unitKind, ValueDomain::PositiveNotZero)
    {
    }
};
