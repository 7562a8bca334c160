#include "foundation/values/unitFysDist.h"

std::string unitFysDist::GetText() const
{
    // Feet and inches show too, so that a length typed in them can be shown and stored.
    return TextIfShown(value, ValueType::FysicalLength, unitKind, KindRange(EHM, EHInch), 99);
}

bool unitFysDist::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseLengthText(*this, text, reason) || Refuse(label, reason, error);
}
