#pragma once
#include "foundation/values/unit.h"

#include <string>

class unitWavePosition;
bool ParseWavePositionText(unitWavePosition& object, const std::string& text, std::string& error);

// A position inside a wave of known length, both in seconds. Typed as a
// fraction, a percentage, an angle or a time; a negative time counts from the
// end and shows that way again.
class unitWavePosition : public unit {
public:
    unitWavePosition(double position, UnitKind unitKind, double length = 0.0)
        : unit(unitKind, ValueDomain::AllValues), position(position), length(length)
    {
    }

    std::string GetText() const override;
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;

    double GetPosition() const { return position; }
    double GetLength() const { return length; }
    bool IsCountedFromEnd() const { return countedFromEnd; }
    // A new wave length; a position held as a fraction of the wave
    // (plain, percent, degrees) keeps its fraction, a time keeps its seconds.
    void SetLength(double newLength);

protected:
    std::string GetXmlText() const override;

private:
    friend bool ParseWavePositionText(unitWavePosition& object, const std::string& text, std::string& error);

    std::string TextIn(UnitKind kind) const;

    double position;
    double length;
    bool countedFromEnd = false;
};
