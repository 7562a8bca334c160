#pragma once
#include "foundation/values/unit.h"

#include <cstdint>
#include <string>

class unitWaveVal;
bool ParseWaveValueText(unitWaveVal& object, const std::string& text, std::string& error);

// A sample value, typed as a fraction of full scale, a percentage of it or
// the raw value with "$".
class unitWaveVal : public unit {
public:
    unitWaveVal() : unitWaveVal(0, EHNone) {}
    unitWaveVal(int16_t value, UnitKind unitKind) : unit(unitKind, ValueDomain::AllValues), value(value) {}

    std::string GetText() const override;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    int16_t GetValue() const { return value; }
    void SetValue(int16_t newValue) { value = newValue; }

protected:
    unitWaveVal(int16_t value, UnitKind unitKind, ValueDomain domain) : unit(unitKind, domain), value(value) {}

    int16_t value;

private:
    friend bool ParseWaveValueText(unitWaveVal& object, const std::string& text, std::string& error);
};

class unitWaveValPosMore : public unitWaveVal {
public:
    unitWaveValPosMore() : unitWaveValPosMore(0, EHNone) {}
    unitWaveValPosMore(int16_t value, UnitKind unitKind)
        : unitWaveVal(value, unitKind, ValueDomain::PositiveNotZero)
    {
    }
};
