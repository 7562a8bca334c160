#include "foundation/values/ValueVocabulary.h"

#include "platform/Assertions.h"

#include <array>
#include <cmath>

const char* const ValueTypeNames[ValueTypeCount] = {
    "Factor",      "Balance Angle",    "Integer",          "Fysical Length", "Fysical Speed",
    "Time",        "Frequency",        "Wave Value",       "Wave Position Count", "Boolean",
    "Mono/Stereo", "Bytes per Sample", "Sample Frequency", "Wave",
};

const char* const ValueTypeXmlNames[ValueTypeCount] = {
    "Factor",         "BalanceAngle",       "Integer",             "FysicalLength", "FysicalSpeed",
    "Time",           "Frequency",          "WaveValue",           "WaveCount",     "Boolean",
    "WaveMonoStereo", "WaveBytesPerSample", "WaveSampleFrequency", "Wave",
};

const char* const ValueDomTypeNames[ValueDomTypeCount] = {
    "Factor",      "Balance Angle",    "Integer",          "Fysical Length", "Fysical Speed",
    "Time",        "Frequency",        "Wave Value",       "Wave Position Count", "Boolean",
    "Mono/Stereo", "Bytes per Sample", "Sample Frequency", "Wave",
    "All Computable Values", "All Values", "Value without Unit", "Wave Position",
};

const char* const ValueDomTypeXmlNames[ValueDomTypeCount] = {
    "Factor",         "BalanceAngle",       "Integer",             "FysicalLength", "FysicalSpeed",
    "Time",           "Frequency",          "WaveValue",           "WaveCount",     "Boolean",
    "WaveMonoStereo", "WaveBytesPerSample", "WaveSampleFrequency", "Wave",
    "AllComputable",  "AllValue",           "NoUnit",              "WavePos",
};

const char* const ValueDomainNames[ValueDomainCodeCount] = {
    "All Values", "Not Zero", "Negative", "Positive", "Negative Not Zero", "Positive Not Zero", "[0,1]",
    "<0,1>",      "[0,1>",    "Positive More Than 1", "[-1,1]", "Mono", "Stereo",
};

const char* const ValueDomainXmlNames[ValueDomainCodeCount] = {
    "AllValues",       "NotZero",         "Negative",        "Positive",        "NegativeNotZero",
    "PositiveNotZero", "ZeroInclOneIncl", "ZeroExclOneExcl", "ZeroInclOneExcl", "OneMore",
    "NegOneInclPosOneIncl", "Mono", "Stereo",
};

const char* const UnitKindXmlNames[UnitKindCount] = {
    "EHNone", "EHPerc", "EHDB",   "EHPitch", "EHOctave", "EHS",     "EHMS",       "EHHZ",
    "EHKHZ",  "EHTime", "EHFreq", "EHValue", "EHAngle",  "EHWavePos", "EHNote",   "EHError",
    "EHM",    "EHDM",   "EHCM",   "EHMM",    "EHKM",     "EHMile",  "EHNautMile", "EHFeet",
    "EHInch", "EHMpS",  "EHKMpH", "EHMpH",   "EHMach",   "EHKnots",
};

const int ValueDomainCount[ValueDomTypeCount] = {11, 1, 6, 6, 6, 6, 6, 6, 1, 0, 0, 0, 0, 3, 6, 6, 11, 6};

namespace {
using D = ValueDomain;
// The eleven number domains, of which most kinds offer a leading part.
constexpr std::array<D, 11> numberDomains = {D::AllValues,       D::NotZero,         D::Negative,
                                             D::Positive,        D::NegativeNotZero, D::PositiveNotZero,
                                             D::ZeroInclOneIncl, D::ZeroExclOneExcl, D::ZeroInclOneExcl,
                                             D::OneMore,         D::NegOneInclPosOneIncl};
} // namespace

const std::array<ValueDomain, 11> ValueDomainChoices[ValueDomTypeCount] = {
    numberDomains,                                   // Factor
    {D::NegOneInclPosOneIncl},                       // BalanceAngle
    numberDomains, numberDomains, numberDomains,     // Integer, FysicalLength, FysicalSpeed
    numberDomains, numberDomains, numberDomains,     // Time, Frequency, WaveValue
    {D::ZeroInclOneExcl},                            // WaveCount
    {}, {}, {}, {},                                  // Boolean and the three wave formats
    {D::AllValues, D::Mono, D::Stereo},              // Wave
    numberDomains, numberDomains, numberDomains, numberDomains, // the four groups
};

namespace {

int FindName(const char* const* names, int count, const std::string& text)
{
    for (int i = 0; i < count; ++i)
        if (text == names[i])
            return i;
    return -1;
}

constexpr uint32_t domainMasks[ValueDomainCodeCount] = {
    0x1CF, 0x1C7, 0x1C8, 0x00F, 0x1C0, 0x007, 0x00B, 0x001, 0x009, 0x004, 0x0CB, 0x001, 0x002,
};

// Type classes of the kinds: 1 Integer, 2 Factor, 4 wave format, 16 Time,
// 32 WaveCount, 64 the rest but Wave.
constexpr uint32_t kindTypeSets[ValueDomTypeCount] = {
    2, 64, 1, 64, 64, 16, 64, 64, 32, 64, 4, 4, 4, 0, 115, 119, 3, 50,
};

constexpr uint32_t TypeBit(ValueType t) { return 1u << static_cast<unsigned>(t); }

// The single types each group admits (bit n for type n).
constexpr uint32_t allTypes = (1u << ValueTypeCount) - 1;
constexpr uint32_t groupMembers[ValueDomTypeCount - ValueTypeCount] = {
    allTypes & ~(TypeBit(ValueType::Boolean) | TypeBit(ValueType::WaveMonoStereo) |
                 TypeBit(ValueType::WaveBytesPerSample) | TypeBit(ValueType::WaveSampleFrequency) |
                 TypeBit(ValueType::Wave)),
    allTypes & ~TypeBit(ValueType::Wave),
    TypeBit(ValueType::Factor) | TypeBit(ValueType::Integer),
    TypeBit(ValueType::Factor) | TypeBit(ValueType::Time) | TypeBit(ValueType::WaveCount),
};

struct MetricFactor {
    UnitKind kind;
    double factor;
};
// Kept as the files and users have always had them, mile, mph and knots included.
constexpr MetricFactor metricFactors[] = {
    {EHM, 1.0},        {EHDM, 0.1},        {EHCM, 0.01},     {EHMM, 0.001},   {EHKM, 1000.0},
    {EHMile, 1609.0},  {EHNautMile, 1852.0}, {EHFeet, 0.3048}, {EHInch, 0.0254}, {EHMpS, 1.0},
    {EHKMpH, 0.27778}, {EHMpH, 0.44694},   {EHMach, 343.0},  {EHKnots, 0.541},
};

uint32_t RegionOf(double x)
{
    if (x == 0)
        return RegionZero;
    if (x > 0) {
        if (x < 1)
            return RegionBetweenZeroAndOne;
        return x == 1 ? RegionOne : RegionAboveOne;
    }
    if (x > -1)
        return RegionBetweenMinusOneAndZero;
    return x == -1 ? RegionMinusOne : RegionBelowMinusOne;
}

} // namespace

int FindUnitKindName(const std::string& text) { return FindName(UnitKindXmlNames, UnitKindCount, text); }
int FindValueTypeXmlName(const std::string& text) { return FindName(ValueTypeXmlNames, ValueTypeCount, text); }
int FindValueKindXmlName(const std::string& text) { return FindName(ValueDomTypeXmlNames, ValueDomTypeCount, text); }
int FindValueDomainXmlName(const std::string& text) { return FindName(ValueDomainXmlNames, ValueDomainCodeCount, text); }

uint32_t GetValueDomainMask(ValueDomain domain)
{
    const auto index = static_cast<unsigned>(domain);
    return index < ValueDomainCodeCount ? domainMasks[index] : 0;
}

bool IsInValueDomain(double number, ValueDomain domain)
{
    // NaN lies in no region, hence in no domain.
    if (std::isnan(number))
        return false;
    return (RegionOf(number) & GetValueDomainMask(domain)) != 0;
}

uint32_t GetValueKindTypeSet(ValueDomType kind)
{
    const auto index = static_cast<unsigned>(kind);
    return index < ValueDomTypeCount ? kindTypeSets[index] : 0;
}

bool IsValueTypeCompatible(ValueType t, ValueDomType k)
{
    const auto type = static_cast<unsigned>(t);
    const auto kind = static_cast<unsigned>(k);
    QB_ASSERT(kind < ValueDomTypeCount);
    if (kind < ValueTypeCount) {
        if (type == kind)
            return true;
        const auto time = static_cast<unsigned>(ValueType::Time);
        const auto frequency = static_cast<unsigned>(ValueType::Frequency);
        return (type == time && kind == frequency) || (type == frequency && kind == time);
    }
    return type < ValueTypeCount && (groupMembers[kind - ValueTypeCount] & (1u << type)) != 0;
}

bool IsValueKindCompatible(ValueDomType a, ValueDomType b)
{
    if (static_cast<unsigned>(a) >= ValueTypeCount) {
        const uint32_t setA = GetValueKindTypeSet(a);
        return (setA & ~GetValueKindTypeSet(b)) == 0;
    }
    return IsValueTypeCompatible(static_cast<ValueType>(a), b);
}

double GetMetricFactor(int unitKind)
{
    for (const MetricFactor& m : metricFactors)
        if (m.kind == unitKind)
            return m.factor;
    return 0.0;
}
