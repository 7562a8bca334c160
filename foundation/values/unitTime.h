#pragma once
#include "foundation/values/unit.h"

#include <string>

class unitTime;
bool ParseTimeText(unitTime& object, const std::string& text, std::string& error);

// A time in seconds, typed as a time, a frequency (its period), a length (the time sound takes) or a note name (its period).
class unitTime : public unit {
public:
    unitTime() : unitTime(0.0, EHS) {}
    unitTime(double value, UnitKind unitKind) : unit(unitKind, ValueDomain::AllValues), value(value) {}

    std::string GetText() const override;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    double GetValue() const { return value; }
    virtual void SetValue(double newValue) { value = newValue; }

protected:
    std::string GetXmlText() const override;
    unitTime(double value, UnitKind unitKind, ValueDomain domain) : unit(unitKind, domain), value(value) {}

    double value;

private:
    friend bool ParseTimeText(unitTime& object, const std::string& text, std::string& error);
};

class unitTimePos : public unitTime {
public:
    unitTimePos() : unitTimePos(0.0, EHS) {}
    unitTimePos(double value, UnitKind unitKind) : unitTime(value, unitKind, ValueDomain::Positive) {}
};

class unitTimePosMore : public unitTime {
public:
    unitTimePosMore() : unitTimePosMore(0.0, EHS) {}
    unitTimePosMore(double value, UnitKind unitKind) : unitTime(value, unitKind, ValueDomain::PositiveNotZero) {}
};
