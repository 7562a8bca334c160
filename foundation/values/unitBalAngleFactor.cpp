#include "foundation/values/unitBalAngleFactor.h"

namespace {
constexpr uint32_t balAngleFactorKinds =
    (1u << EHNone) | (1u << EHPerc) | (1u << EHDB) | (1u << EHPitch) | (1u << EHOctave) | (1u << EHAngle);
}

std::string unitBalAngleFactor::GetText() const
{
    return TextIfShown(value, ValueType::BalanceAngle, unitKind, balAngleFactorKinds, 99);
}

bool unitBalAngleFactor::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseBalanceText(*this, text, reason) || Refuse(label, reason, error);
}
