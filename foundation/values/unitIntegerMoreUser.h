#pragma once
#include "foundation/values/unitInteger.h"

class unitIntegerMoreUser;
bool ParseIntegerMoreUserText(unitIntegerMoreUser& object, const std::string& text, std::string& error);

// A whole number above a minimum that its owner sets; typed as digits only.
class unitIntegerMoreUser : public unitInteger {
public:
    unitIntegerMoreUser() : unitIntegerMoreUser(0, EHNone) {}
    unitIntegerMoreUser(int32_t value, UnitKind unitKind)
        : unitInteger(value, unitKind, ValueDomain::PositiveNotZero)
    {
    }

    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    int32_t GetMinimum() const { return minimum; }
    void SetMinimum(int32_t newMinimum) { minimum = newMinimum; }

private:
    friend bool ParseIntegerMoreUserText(unitIntegerMoreUser& object, const std::string& text, std::string& error);

    int32_t minimum = 0;
};
