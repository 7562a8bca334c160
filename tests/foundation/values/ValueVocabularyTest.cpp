#include "foundation/values/NumericHelpers.h"
#include "foundation/values/ValueVocabulary.h"
#include "platform/Assertions.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ValueVocabulary, NameLookupsAreExactAndCaseSensitive)
{
    struct Case {
        int (*find)(const std::string&);
        const char* text;
        int index;
    } cases[] = {
        {FindValueKindXmlName, "WavePos", 17},
        {FindValueKindXmlName, "wavepos", -1},
        {FindValueKindXmlName, "AllComputable", 14},
        {FindValueKindXmlName, "Wave", 13},
        {FindValueTypeXmlName, "WaveCount", 8},
        {FindValueTypeXmlName, "AllValue", -1},
        {FindValueTypeXmlName, "WaveSampleFrequency", 12},
        {FindValueDomainXmlName, "NegOneInclPosOneIncl", 10},
        {FindValueDomainXmlName, "[-1,1]", -1},
        {FindValueDomainXmlName, "Stereo", 12},
        {FindUnitKindName, "EHNone", 0},
        {FindUnitKindName, "EHKnots", 29},
        {FindUnitKindName, "EHNautMile", 22},
        {FindUnitKindName, "ehm", -1},
        {FindUnitKindName, "", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.find(c.text), c.index) << c.text;
    // The factory files write a unit kind by this table.
    EXPECT_STREQ(UnitKindXmlNames[EHWavePos], "EHWavePos");
}

TEST(ValueVocabulary, DisplayNamesKeepTheirSpelling)
{
    EXPECT_STREQ(ValueTypeNames[static_cast<int>(ValueType::FysicalLength)], "Fysical Length");
    EXPECT_STREQ(ValueTypeNames[static_cast<int>(ValueType::WaveCount)], "Wave Position Count");
    EXPECT_STREQ(ValueDomTypeNames[static_cast<int>(ValueDomType::NoUnit)], "Value without Unit");
    EXPECT_STREQ(ValueDomainNames[static_cast<int>(ValueDomain::ZeroExclOneExcl)], "<0,1>");
    EXPECT_STREQ(ValueDomainNames[static_cast<int>(ValueDomain::OneMore)], "Positive More Than 1");
}

TEST(ValueVocabulary, DomainMembership)
{
    struct Case {
        double x;
        ValueDomain domain;
        bool in;
    } cases[] = {
        {1, ValueDomain::ZeroInclOneExcl, false}, {0, ValueDomain::Positive, true},
        {0, ValueDomain::Negative, true},         {0.5, ValueDomain::Mono, true},
        {1, ValueDomain::Stereo, true},           {0.5, ValueDomain::Stereo, false},
        {-1, ValueDomain::NegOneInclPosOneIncl, true}, {-1.01, ValueDomain::NegOneInclPosOneIncl, false},
        {0, ValueDomain::NotZero, false},         {-7, ValueDomain::NotZero, true},
        {1, ValueDomain::OneMore, false},         {1.5, ValueDomain::OneMore, true},
        {0, ValueDomain::ZeroExclOneExcl, false}, {1e300, ValueDomain::AllValues, true},
        {-0.5, ValueDomain::PositiveNotZero, false}, {NAN, ValueDomain::AllValues, false},
        {0.5, static_cast<ValueDomain>(40), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsInValueDomain(c.x, c.domain), c.in) << c.x << " in " << static_cast<int>(c.domain);
    EXPECT_EQ(GetValueDomainMask(ValueDomain::AllValues), 0x1CFu);
    EXPECT_EQ(GetValueDomainMask(ValueDomain::NegOneInclPosOneIncl), 203u);
}

TEST(ValueVocabulary, TypeCompatibility)
{
    using T = ValueType;
    using K = ValueDomType;
    struct Case {
        T type;
        K kind;
        bool compatible;
    } cases[] = {
        {T::Time, K::Frequency, true},     {T::Frequency, K::Time, true},   {T::Factor, K::Integer, false},
        {T::Boolean, K::AllComputable, false}, {T::Boolean, K::AllValue, true}, {T::Wave, K::AllValue, false},
        {T::WaveValue, K::AllComputable, true}, {T::Integer, K::NoUnit, true}, {T::Time, K::NoUnit, false},
        {T::WaveCount, K::WavePos, true},  {T::Frequency, K::WavePos, false}, {T::Wave, K::Wave, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValueTypeCompatible(c.type, c.kind), c.compatible)
            << static_cast<int>(c.type) << " " << static_cast<int>(c.kind);

    // Groups against groups: the seven pairs that are not contained.
    const K groups[] = {K::AllComputable, K::AllValue, K::NoUnit, K::WavePos};
    int contained = 0;
    for (K a : groups)
        for (K b : groups)
            contained += IsValueKindCompatible(a, b) ? 1 : 0;
    EXPECT_EQ(contained, 9);
    EXPECT_FALSE(IsValueKindCompatible(K::AllValue, K::AllComputable));
    EXPECT_TRUE(IsValueKindCompatible(K::WavePos, K::AllComputable));
    EXPECT_TRUE(IsValueKindCompatible(K::Time, K::Frequency));

    ThrowOnFatalAssertion throwing;
    EXPECT_THROW(IsValueTypeCompatible(T::Factor, static_cast<K>(18)), FatalAssertion);
}

TEST(ValueVocabulary, MetricFactorsAsUsersHaveThem)
{
    EXPECT_EQ(GetMetricFactor(EHMile), 1609.0);
    EXPECT_EQ(GetMetricFactor(EHMpH), 0.44694);
    EXPECT_EQ(GetMetricFactor(EHKnots), 0.541);
    EXPECT_EQ(GetMetricFactor(EHInch), 0.0254);
    EXPECT_EQ(GetMetricFactor(EHMach), 343.0);
    EXPECT_EQ(GetMetricFactor(EHS), 0.0);
    EXPECT_EQ(GetMetricFactor(99), 0.0);
}

TEST(NumericHelpers, WrapIntoRange)
{
    struct Case {
        double x, min, max, wrapped;
    } cases[] = {
        {-0.5, 0, 1, 0.5}, {1, 0, 1, 0}, {2.25, 0, 1, 0.25}, {-1, 0, 1, 0}, {-3.5, -1, 1, 0.5}, {370, 0, 360, 10},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(WrapIntoRange(c.x, c.min, c.max), c.wrapped) << c.x;
    ThrowOnFatalAssertion throwing;
    EXPECT_THROW(WrapIntoRange(0.5, 1, 1), FatalAssertion);
}

TEST(NumericHelpers, NiceGridStep)
{
    struct Case {
        double span, step;
    } cases[] = {
        {0.07, 0.1}, {250, 200}, {4, 5}, {1, 2}, {0.3, 0.5}, {1000, 2000}, {6, 10}, {99, 100},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(NiceGridStep(c.span), c.step) << c.span;
    // An empty span still gives a usable step.
    EXPECT_GT(NiceGridStep(0), 0);
}

TEST(NumericHelpers, SplitBinaryFraction)
{
    struct Case {
        double x;
        int32_t whole, numerator, denominator;
    } cases[] = {
        {2.375, 2, 3, 8}, {1.0 / 3, 0, 42, 128}, {5, 5, 0, 1}, {0.5, 0, 1, 2}, {1.0 / 64, 0, 1, 64},
    };
    for (const Case& c : cases) {
        int32_t whole = -1, numerator = -1, denominator = -1;
        SplitBinaryFraction(c.x, whole, numerator, denominator);
        EXPECT_EQ(whole, c.whole) << c.x;
        EXPECT_EQ(numerator, c.numerator) << c.x;
        EXPECT_EQ(denominator, c.denominator) << c.x;
    }
}

TEST(NumericHelpers, RangesAndSteps)
{
    EXPECT_DOUBLE_EQ(LinearMap(5, 0, 10, 100, 200), 150);
    EXPECT_EQ(Clamp(-1, 0, 1), 0);
    EXPECT_EQ(Clamp(2, 0, 1), 1);
    EXPECT_EQ(Clamp(0.5, 0, 1), 0.5);
    EXPECT_DOUBLE_EQ(RoundUpToStep(7, 5), 10);
    EXPECT_DOUBLE_EQ(RoundUpToStep(10, 5), 15);

    int32_t begin = 77, end = 88;
    EXPECT_FALSE(IntersectRange(5, 1, 0, 10, begin, end));
    EXPECT_EQ(begin, 77);
    EXPECT_EQ(end, 88);
    EXPECT_TRUE(IntersectRange(1.7, 9.9, 3.2, 20, begin, end));
    EXPECT_EQ(begin, 3);
    EXPECT_EQ(end, 9);
    // Apart, but still true: begin lies after end.
    EXPECT_TRUE(IntersectRange(0, 2, 5, 8, begin, end));
    EXPECT_EQ(begin, 5);
    EXPECT_EQ(end, 2);
}

TEST(NumericHelpers, MixColorsPerChannel)
{
    EXPECT_EQ(MixColors(0x0000FF, 0xFF0000, 0.5), 0x7F007F);
    EXPECT_EQ(MixColors(0x204060, 0, 0.25), 0x183048);
    // Bits above the blue channel never appear.
    EXPECT_EQ(MixColors(static_cast<int32_t>(0x80FFFFFF), static_cast<int32_t>(0x80FFFFFF), 0), 0xFFFFFF);
}

TEST(NumericHelpers, AngleBetweenPoints)
{
    EXPECT_DOUBLE_EQ(AngleBetweenPoints({0, 0}, {10, 0}), 0);
    EXPECT_DOUBLE_EQ(AngleBetweenPoints({0, 0}, {-10, 0}), 3.1415293);
    EXPECT_DOUBLE_EQ(AngleBetweenPoints({0, 0}, {0, -5}), 4.71229395);
    EXPECT_DOUBLE_EQ(AngleBetweenPoints({0, 0}, {0, 5}), 1.57076465);
    EXPECT_DOUBLE_EQ(AngleBetweenPoints({0, 0}, {5, 5}), std::atan(1.0));
    ThrowOnFatalAssertion throwing;
    EXPECT_THROW(AngleBetweenPoints({3, 3}, {3, 3}), FatalAssertion);
}

TEST(NumericHelpers, CountLines)
{
    EXPECT_EQ(CountLines(""), 1);
    EXPECT_EQ(CountLines("one"), 1);
    EXPECT_EQ(CountLines("one\n"), 1);
    EXPECT_EQ(CountLines("one\ntwo"), 2);
    EXPECT_EQ(CountLines("\n\nthree\n"), 3);
}

TEST(ValueVocabulary, DomainsOfferedPerKind)
{
    // The kinds without a domain are exactly those whose pins write none.
    for (int kind = 0; kind < ValueDomTypeCount; ++kind) {
        const bool none = kind >= 9 && kind <= 12;
        EXPECT_EQ(ValueDomainCount[kind] == 0, none) << kind;
        for (int i = 0; i < ValueDomainCount[kind]; ++i)
            EXPECT_LT(static_cast<int>(ValueDomainChoices[kind][static_cast<size_t>(i)]), ValueDomainCodeCount);
    }
    EXPECT_EQ(ValueDomainChoices[static_cast<int>(ValueDomType::BalanceAngle)][0], ValueDomain::NegOneInclPosOneIncl);
    EXPECT_EQ(ValueDomainChoices[static_cast<int>(ValueDomType::WaveCount)][0], ValueDomain::ZeroInclOneExcl);
    EXPECT_EQ(ValueDomainChoices[static_cast<int>(ValueDomType::Wave)][2], ValueDomain::Stereo);
    EXPECT_EQ(ValueDomainChoices[static_cast<int>(ValueDomType::NoUnit)][10], ValueDomain::NegOneInclPosOneIncl);
}
