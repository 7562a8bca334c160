#include "foundation/values/unitInteger.h"

std::string unitInteger::GetText() const
{
    return TextIfShown(value, ValueType::Integer, unitKind, KindBit(EHNone), 7);
}

bool unitInteger::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseIntegerText(*this, text, reason) || Refuse(label, reason, error);
}
