#pragma once
#include "foundation/values/unitInteger.h"

#include <limits>

class unitIntegerMoreUser;
bool ParseIntegerMoreUserText(unitIntegerMoreUser& object, const std::string& text, std::string& error);

// A whole number above a minimum that its owner sets, and at most a maximum
// when the owner sets one; typed as digits only.
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
    int32_t GetMaximum() const { return maximum; }
    void SetMaximum(int32_t newMaximum) { maximum = newMaximum; }

private:
    friend bool ParseIntegerMoreUserText(unitIntegerMoreUser& object, const std::string& text, std::string& error);

    int32_t minimum = 0;
    int32_t maximum = std::numeric_limits<int32_t>::max();
};
