#include "foundation/values/unitFysSpeed.h"

std::string unitFysSpeed::GetText() const
{
    return TextIfShown(value, ValueType::FysicalSpeed, unitKind, KindRange(EHMpS, EHKnots), 99);
}

bool unitFysSpeed::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseSpeedText(*this, text, reason) || Refuse(label, reason, error);
}
