#pragma once
#include "foundation/values/unit.h"

#include <string>

class unitWavePos;
bool ParseFactoryWavePosText(unitWavePos& object, const std::string& text, std::string& error);

// A wave position in a factory, whose meaning follows its unit kind: a
// fraction of the wave (plain, percent, degrees), seconds (time units) or a
// number of waves ("&").
class unitWavePos : public unit {
public:
    unitWavePos() : unitWavePos(0.0, EHNone) {}
    unitWavePos(double value, UnitKind unitKind) : unit(unitKind, ValueDomain::AllValues), value(value) {}

    std::string GetText() const override;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    double GetValue() const { return value; }
    void SetValue(double newValue) { value = newValue; }

protected:
    std::string GetXmlText() const override;

private:
    friend bool ParseFactoryWavePosText(unitWavePos& object, const std::string& text, std::string& error);

    double value;
};
