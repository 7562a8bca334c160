#include "foundation/values/unitFysDist.h"

namespace {
// Every kind the parser accepts shows again: feet and inches, and the time and
// frequency units a length may be typed in.
constexpr uint32_t fysDistKinds = (1u << EHS) | (1u << EHMS) | (1u << EHHZ) | (1u << EHKHZ) | (0x1FFu << EHM);
} // namespace

std::string unitFysDist::GetText() const
{
    return TextIfShown(value, ValueType::FysicalLength, unitKind, fysDistKinds, 99);
}

std::string unitFysDist::GetXmlText() const
{
    const std::string text = GetText();
    return IsReadable(text) ? text : TextIfShown(value, ValueType::FysicalLength, EHM, fysDistKinds, 99);
}

bool unitFysDist::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseLengthText(*this, text, reason) || Refuse(label, reason, error);
}
