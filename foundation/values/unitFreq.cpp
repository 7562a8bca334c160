#include "foundation/values/unitFreq.h"

namespace {
// The frequency and time units, and the wave lengths a frequency may be typed as.
constexpr uint32_t freqKinds =
    (1u << EHS) | (1u << EHMS) | (1u << EHHZ) | (1u << EHKHZ) | (1u << EHFreq) | (0x1FFu << EHM);
}

std::string unitFreq::GetText() const
{
    return GetTextPrecision(7);
}

std::string unitFreq::GetTextPrecision(int precision) const
{
    // A frequency typed as a note shows in hertz; a note name cannot be written back.
    const UnitKind shown = unitKind == EHNote ? EHHZ : unitKind;
    return TextIfShown(value, ValueType::Frequency, shown, freqKinds, precision);
}

std::string unitFreq::GetXmlText() const
{
    const std::string text = GetText();
    return IsReadable(text) ? text : TextIfShown(value, ValueType::Frequency, EHHZ, freqKinds, 7);
}

bool unitFreq::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseFrequencyText(*this, text, reason) || Refuse(label, reason, error);
}
