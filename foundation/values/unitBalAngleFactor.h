#pragma once
#include "foundation/values/unitFactor.h"

class unitBalAngleFactor;
bool ParseBalanceText(unitBalAngleFactor& object, const std::string& text, std::string& error);

// A balance from -1 (left) to 1 (right), typed as a number, a percentage or
// an angle of -90 to 90 degrees.
class unitBalAngleFactor : public unitFactor {
public:
    unitBalAngleFactor() : unitBalAngleFactor(0.0, EHNone) {}
    unitBalAngleFactor(double value, UnitKind unitKind)
        : unitFactor(value, unitKind, ValueDomain::NegOneInclPosOneIncl)
    {
    }

    std::string GetText() const override;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;
    void SetValue(double newValue) override
    {
        unitFactor::SetValue(newValue);
        CheckUnitKind();
    }

private:
    friend bool ParseBalanceText(unitBalAngleFactor& object, const std::string& text, std::string& error);
};
