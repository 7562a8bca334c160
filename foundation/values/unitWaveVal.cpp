#include "foundation/values/unitWaveVal.h"

std::string unitWaveVal::GetText() const
{
    return TextIfShown(value, ValueType::WaveValue, unitKind, KindBit(EHNone) | KindBit(EHPerc) | KindBit(EHValue), 0);
}

bool unitWaveVal::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseWaveValueText(*this, text, reason) || Refuse(label, reason, error);
}
