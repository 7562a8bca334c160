#include "foundation/values/unitTime.h"

std::string unitTime::GetText() const
{
    // A time typed as a note shows as seconds; a note name cannot be written back.
    const UnitKind shown = unitKind == EHNote ? EHS : unitKind;
    return TextIfShown(value, ValueType::Time, shown, KindRange(EHS, EHTime), 7);
}

std::string unitTime::GetXmlText() const
{
    // Hours and minutes are for showing; the parser reads seconds.
    if (unitKind == EHTime)
        return TextIfShown(value, ValueType::Time, EHS, KindBit(EHS), 7);
    return GetText();
}

bool unitTime::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseTimeText(*this, text, reason) || Refuse(label, reason, error);
}
