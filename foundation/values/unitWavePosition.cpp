#include "foundation/values/unitWavePosition.h"

#include "foundation/values/ValueFormat.h"
#include "platform/Assertions.h"

namespace {

bool IsFractionKind(UnitKind kind)
{
    return kind == EHNone || kind == EHPerc || kind == EHAngle;
}

// Seconds, and the units a time may be typed in.
bool IsTimeKind(UnitKind kind)
{
    return (kind >= EHS && kind <= EHKHZ) || (kind >= EHM && kind <= EHInch);
}

} // namespace

std::string unitWavePosition::TextIn(UnitKind kind) const
{
    if (IsFractionKind(kind)) {
        // An empty wave has no fractions; its only position is its start.
        const double fraction = length != 0 ? position / length : 0.0;
        return FormatValueInUnit(fraction, ValueType::Factor, kind, 7, true);
    }
    if (IsTimeKind(kind))
        return FormatValueInUnit(countedFromEnd ? position - length : position, ValueType::Time, kind, 7, true);
    return "";
}

std::string unitWavePosition::GetText() const
{
    // A position typed as a note shows in seconds; a note name cannot be written back.
    return TextIn(unitKind == EHNote ? EHS : unitKind);
}

std::string unitWavePosition::GetXmlText() const
{
    const std::string text = GetText();
    return IsReadable(text) ? text : TextIn(EHS);
}

bool unitWavePosition::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseWavePositionText(*this, text, reason) || Refuse(label, reason, error);
}

void unitWavePosition::SetLength(double newLength)
{
    // An empty wave (a roll-out over an empty wave, say) has only its start.
    if (!(newLength > 0)) {
        length = 0.0;
        position = 0.0;
        return;
    }
    if (IsFractionKind(unitKind) && length != 0)
        position *= newLength / length;
    length = newLength;
}
