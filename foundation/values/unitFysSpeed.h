#pragma once
#include "foundation/values/unit.h"

#include <string>

class unitFysSpeed;
bool ParseSpeedText(unitFysSpeed& object, const std::string& text, std::string& error);

// A speed in metres per second, typed in a speed unit.
class unitFysSpeed : public unit {
public:
    unitFysSpeed() : unitFysSpeed(0.0, EHMpS) {}
    unitFysSpeed(double value, UnitKind unitKind) : unit(unitKind, ValueDomain::AllValues), value(value) {}

    std::string GetText() const override;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    double GetValue() const { return value; }
    virtual void SetValue(double newValue) { value = newValue; }

protected:
    unitFysSpeed(double value, UnitKind unitKind, ValueDomain domain) : unit(unitKind, domain), value(value) {}

    double value;

private:
    friend bool ParseSpeedText(unitFysSpeed& object, const std::string& text, std::string& error);
};
