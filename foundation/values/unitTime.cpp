#include "foundation/values/unitTime.h"

namespace {
// The time units, and the lengths a time may be typed as.
constexpr uint32_t timeKinds = (0x1Fu << EHS) | (0x1FFu << EHM);
} // namespace

std::string unitTime::GetText() const
{
    // A time typed as a note shows as seconds; a note name cannot be written back.
    const UnitKind shown = unitKind == EHNote ? EHS : unitKind;
    return TextIfShown(value, ValueType::Time, shown, timeKinds, 7);
}

std::string unitTime::GetXmlText() const
{
    // Hours and minutes are for showing; the parser reads seconds.
    const std::string text = GetText();
    if (unitKind == EHTime || !IsReadable(text))
        return TextIfShown(value, ValueType::Time, EHS, timeKinds, 7);
    return text;
}

bool unitTime::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseTimeText(*this, text, reason) || Refuse(label, reason, error);
}
