#pragma once
#include "foundation/values/unit.h"

#include <string>

class unitFactor;
bool ParseFactorText(unitFactor& object, const std::string& text, std::string& error);

// A plain factor, typed as a number, a percentage, decibels, semitones,
// octaves or degrees of a full turn.
class unitFactor : public unit {
public:
    unitFactor() : unitFactor(0.0, EHNone) {}
    unitFactor(double value, UnitKind unitKind) : unit(unitKind, ValueDomain::AllValues), value(value) {}
    ~unitFactor() override = default;
    unitFactor(const unitFactor&) = default;
    unitFactor& operator=(const unitFactor&) = default;

    std::string GetText() const override;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    virtual double GetValue() const { return value; }
    virtual void SetValue(double newValue) { value = newValue; }
    // The bare number, without unit.
    virtual std::string GetNumberText(int digitsBefore, int minAfter, int maxAfter) const;

protected:
    unitFactor(double value, UnitKind unitKind, ValueDomain domain) : unit(unitKind, domain), value(value) {}
    // A value of 0 or less has no logarithm, so it leaves the logarithmic kinds.
    void CheckUnitKind();

    double value;

private:
    friend bool ParseFactorText(unitFactor& object, const std::string& text, std::string& error);
};

// The factor classes that differ only in the range they allow.
template <ValueDomain D>
class unitFactorIn : public unitFactor {
public:
    unitFactorIn() : unitFactorIn(0.0, EHNone) {}
    unitFactorIn(double value, UnitKind unitKind) : unitFactor(value, unitKind, D) {}
    void SetValue(double newValue) override
    {
        unitFactor::SetValue(newValue);
        CheckUnitKind();
    }
};

class unitFactorPos : public unitFactorIn<ValueDomain::Positive> {
public:
    using unitFactorIn::unitFactorIn;
};
class unitFactorNotNul : public unitFactorIn<ValueDomain::NotZero> {
public:
    using unitFactorIn::unitFactorIn;
};
class unitFactorPosMore : public unitFactorIn<ValueDomain::PositiveNotZero> {
public:
    using unitFactorIn::unitFactorIn;
};
class unitFactorPosMoreLess1 : public unitFactorIn<ValueDomain::ZeroExclOneExcl> {
public:
    using unitFactorIn::unitFactorIn;
};
class unitFactorPosMax1 : public unitFactorIn<ValueDomain::ZeroInclOneIncl> {
public:
    using unitFactorIn::unitFactorIn;
};
class unitFactorMin1Pos1 : public unitFactorIn<ValueDomain::NegOneInclPosOneIncl> {
public:
    using unitFactorIn::unitFactorIn;
};
class unitFactorPosLess1 : public unitFactorIn<ValueDomain::ZeroInclOneExcl> {
public:
    using unitFactorIn::unitFactorIn;
};
