#include "factory/graph/ConnectionRating.h"

namespace {

bool IsGroup(ValueDomType kind)
{
    return static_cast<int>(kind) >= ValueTypeCount;
}

ValueType AsType(ValueDomType kind)
{
    return static_cast<ValueType>(kind);
}

} // namespace

uint8_t RateKindMatch(ValueDomType s, ValueDomType t)
{
    if (!IsGroup(s) && !IsGroup(t)) {
        if (s == t)
            return 2;
        const bool timeFrequency = (s == ValueDomType::Time && t == ValueDomType::Frequency)
                                || (s == ValueDomType::Frequency && t == ValueDomType::Time);
        return timeFrequency ? 1 : 0;
    }
    if (!IsGroup(s))
        return IsValueTypeCompatible(AsType(s), t) ? 2 : 0;
    if (!IsGroup(t))
        return IsValueTypeCompatible(AsType(t), s) ? 1 : 0;
    return IsValueKindCompatible(s, t) ? 2 : 1;
}

uint8_t RateDomainMatch(ValueDomain sourceDomain, ValueDomain targetDomain)
{
    const uint32_t a = GetValueDomainMask(sourceDomain);
    const uint32_t b = GetValueDomainMask(targetDomain);
    if ((a & b) == 0)
        return 0;
    return (a & ~b) == 0 ? 2 : 1;
}

uint8_t RateTypeMatch(ValueDomain sourceDomain, ValueDomType sourceKind, ValueDomain targetDomain,
                      ValueDomType targetKind)
{
    const uint8_t kind = RateKindMatch(sourceKind, targetKind);
    const uint8_t domain = RateDomainMatch(sourceDomain, targetDomain);
    return domain <= kind ? domain : kind;
}

uint8_t RatingToTouchState(uint8_t rating)
{
    switch (rating) {
    case 0: return 4;
    case 1: return 3;
    case 2: return 2;
    default: return 5;
    }
}

uint8_t WaveDomainWindowFilter(ValueDomain domain)
{
    switch (domain) {
    case ValueDomain::Mono: return 2;
    case ValueDomain::Stereo: return 3;
    default: return 0;
    }
}
