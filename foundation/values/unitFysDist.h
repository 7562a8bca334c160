#pragma once
#include "foundation/values/unit.h"

#include <string>

class unitFysDist;
bool ParseLengthText(unitFysDist& object, const std::string& text, std::string& error);

// A length in metres, typed in a length unit or as the time or frequency of a sound wave of that length.
class unitFysDist : public unit {
public:
    unitFysDist() : unitFysDist(0.0, EHM) {}
    unitFysDist(double value, UnitKind unitKind) : unit(unitKind, ValueDomain::AllValues), value(value) {}

    std::string GetText() const override;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    double GetValue() const { return value; }
    virtual void SetValue(double newValue) { value = newValue; }

protected:
    std::string GetXmlText() const override;
    unitFysDist(double value, UnitKind unitKind, ValueDomain domain) : unit(unitKind, domain), value(value) {}

    double value;

private:
    friend bool ParseLengthText(unitFysDist& object, const std::string& text, std::string& error);
};
