#pragma once
#include "foundation/values/unit.h"

#include <string>

class unitFreq;
bool ParseFrequencyText(unitFreq& object, const std::string& text, std::string& error);

// A frequency in hertz, typed as a frequency, a period, a wave length or a note name.
class unitFreq : public unit {
public:
    unitFreq() : unitFreq(0.0, EHHZ) {}
    unitFreq(double value, UnitKind unitKind) : unit(unitKind, ValueDomain::AllValues), value(value) {}

    std::string GetText() const override;
    // GetText with another precision.
    std::string GetTextPrecision(int precision) const;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    double GetValue() const { return value; }
    void SetValue(double newValue) { value = newValue; }

protected:
    std::string GetXmlText() const override;
    unitFreq(double value, UnitKind unitKind, ValueDomain domain) : unit(unitKind, domain), value(value) {}

    double value;

private:
    friend bool ParseFrequencyText(unitFreq& object, const std::string& text, std::string& error);
};
