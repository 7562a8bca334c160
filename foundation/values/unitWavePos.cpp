#include "foundation/values/unitWavePos.h"

#include "foundation/values/ValueFormat.h"

std::string unitWavePos::GetText() const
{
    // A position typed as a note is a time and shows in seconds.
    const UnitKind kind = unitKind == EHNote ? EHS : unitKind;
    if (kind == EHNone || kind == EHPerc || kind == EHAngle)
        return FormatValueInUnit(value, ValueType::Factor, kind, 7, true);
    if ((kind >= EHS && kind <= EHKHZ) || (kind >= EHM && kind <= EHInch))
        return FormatValueInUnit(value, ValueType::Time, kind, 7, true);
    if (kind == EHWavePos)
        return FormatValueInUnit(value, ValueType::WaveCount, kind, 7, true);
    return "";
}

std::string unitWavePos::GetXmlText() const
{
    // A time of 0 under a division is written in seconds.
    const std::string text = GetText();
    if (!IsReadable(text))
        return FormatValueInUnit(value, ValueType::Time, EHS, 7, true);
    // Seven digits can show a turn a hair short of a full one as "360 '",
    // which the parser refuses; the plain fraction has all the digits.
    unitWavePos check(*this);
    std::string error;
    if (unitKind == EHAngle && !check.SetFromText(text, "Position", error))
        return FormatValueInUnit(value, ValueType::Factor, EHNone, 99, true);
    return text;
}

bool unitWavePos::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseFactoryWavePosText(*this, text, reason) || Refuse(label, reason, error);
}
