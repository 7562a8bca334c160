#include "foundation/values/unitFactor.h"

#include "foundation/values/ValueFormat.h"

namespace {
constexpr uint32_t factorKinds =
    (1u << EHNone) | (1u << EHPerc) | (1u << EHDB) | (1u << EHPitch) | (1u << EHOctave) | (1u << EHAngle);
}

std::string unitFactor::GetText() const
{
    return TextIfShown(value, ValueType::Factor, unitKind, factorKinds, 99);
}

bool unitFactor::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseFactorText(*this, text, reason) || Refuse(label, reason, error);
}

std::string unitFactor::GetNumberText(int digitsBefore, int minAfter, int maxAfter) const
{
    return FormatNumber(value, digitsBefore, minAfter, maxAfter);
}

void unitFactor::CheckUnitKind()
{
    if ((unitKind == EHDB || unitKind == EHPitch || unitKind == EHOctave) && !(value > 0))
        unitKind = EHNone;
}
