#pragma once
#include <array>
#include <cstdint>
#include <string>

// The names shared by dialogs, value objects and the factory files: value
// types, groups of types, value domains and unit kinds. Every enumerator is
// also the index into its name tables.

// Scoped, since names such as Wave, Time and Positive belong to other concepts too.
enum class ValueType : uint8_t {
    Factor = 0,
    BalanceAngle = 1,
    Integer = 2,
    FysicalLength = 3,
    FysicalSpeed = 4,
    Time = 5,
    Frequency = 6,
    WaveValue = 7,
    WaveCount = 8,
    Boolean = 9,
    WaveMonoStereo = 10,
    WaveBytesPerSample = 11,
    WaveSampleFrequency = 12,
    Wave = 13,
};
constexpr int ValueTypeCount = 14;

// A value kind is a single value type (same codes) or a group of types.
enum class ValueDomType : uint8_t {
    Factor = 0,
    BalanceAngle = 1,
    Integer = 2,
    FysicalLength = 3,
    FysicalSpeed = 4,
    Time = 5,
    Frequency = 6,
    WaveValue = 7,
    WaveCount = 8,
    Boolean = 9,
    WaveMonoStereo = 10,
    WaveBytesPerSample = 11,
    WaveSampleFrequency = 12,
    Wave = 13,
    AllComputable = 14,
    AllValue = 15,
    NoUnit = 16,
    WavePos = 17,
};
constexpr int ValueDomTypeCount = 18;

enum class ValueDomain : uint8_t {
    AllValues = 0,
    NotZero = 1,
    Negative = 2,
    Positive = 3,
    NegativeNotZero = 4,
    PositiveNotZero = 5,
    ZeroInclOneIncl = 6,
    ZeroExclOneExcl = 7,
    ZeroInclOneExcl = 8,
    OneMore = 9,
    NegOneInclPosOneIncl = 10,
    Mono = 11,
    Stereo = 12,
};
constexpr int ValueDomainCodeCount = 13;

enum UnitKind : uint8_t {
    EHNone = 0,
    EHPerc = 1,
    EHDB = 2,
    EHPitch = 3,
    EHOctave = 4,
    EHS = 5,
    EHMS = 6,
    EHHZ = 7,
    EHKHZ = 8,
    EHTime = 9,
    EHFreq = 10,
    EHValue = 11,
    EHAngle = 12,
    EHWavePos = 13,
    EHNote = 14,
    EHError = 15,
    EHM = 16,
    EHDM = 17,
    EHCM = 18,
    EHMM = 19,
    EHKM = 20,
    EHMile = 21,
    EHNautMile = 22,
    EHFeet = 23,
    EHInch = 24,
    EHMpS = 25,
    EHKMpH = 26,
    EHMpH = 27,
    EHMach = 28,
    EHKnots = 29,
};
constexpr int UnitKindCount = 30;

// Display names and XML names, indexed by code.
extern const char* const ValueTypeNames[ValueTypeCount];
extern const char* const ValueTypeXmlNames[ValueTypeCount];
extern const char* const ValueDomTypeNames[ValueDomTypeCount];
extern const char* const ValueDomTypeXmlNames[ValueDomTypeCount];
extern const char* const ValueDomainNames[ValueDomainCodeCount];
extern const char* const ValueDomainXmlNames[ValueDomainCodeCount];
extern const char* const UnitKindXmlNames[UnitKindCount];

// How many domains a value kind offers (0 for the kinds without one:
// Boolean and the three wave-format kinds), and which, in the order offered.
extern const int ValueDomainCount[ValueDomTypeCount];
extern const std::array<ValueDomain, 11> ValueDomainChoices[ValueDomTypeCount];

// Exact, case-sensitive look-ups; -1 when no name matches.
int FindUnitKindName(const std::string& text);
int FindValueTypeXmlName(const std::string& text);
int FindValueKindXmlName(const std::string& text);
int FindValueDomainXmlName(const std::string& text);

// Regions of the number line that the domain masks combine.
enum ValueRegion : uint32_t {
    RegionBetweenZeroAndOne = 0x001,
    RegionOne = 0x002,
    RegionAboveOne = 0x004,
    RegionZero = 0x008,
    RegionBetweenMinusOneAndZero = 0x040,
    RegionMinusOne = 0x080,
    RegionBelowMinusOne = 0x100,
};

// The regions a domain admits; 0 for a code that is no domain.
uint32_t GetValueDomainMask(ValueDomain domain);
// Whether the region of the number is among those of the domain.
bool IsInValueDomain(double number, ValueDomain domain);

// The type classes a value kind covers (bit 1 Integer, 2 Factor, 4 wave format,
// 16 Time, 32 WaveCount, 64 the other types); 0 for Wave and unknown codes.
uint32_t GetValueKindTypeSet(ValueDomType kind);
// Whether a value of type t may go where kind k is required.
bool IsValueTypeCompatible(ValueType t, ValueDomType k);
// Whether every value of kind a may go where kind b is required.
bool IsValueKindCompatible(ValueDomType a, ValueDomType b);

// Metres per unit for the lengths, metres per second per unit for the speeds,
// 0 for every other kind.
double GetMetricFactor(int unitKind);

// Speed of sound, turning times and frequencies into lengths.
constexpr double SoundSpeed = 343.0;
