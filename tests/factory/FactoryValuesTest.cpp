#include "factory/values/ValueArithmetic.h"
#include "factory/values/ValueFunctions.h"
#include "factory/values/ValueLogic.h"
#include "factory/values/ValueRandom.h"
#include "factory/values/ValueTexts.h"
#include "wave/document/WaveFileProps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using T = ValueType;

TSountoryValue V(double value, T type)
{
    return {value, type};
}

} // namespace

TEST(FactoryValues, MultiplyFollowsLengthAndTimeExponents)
{
    struct Case {
        std::vector<TSountoryValue> operands;
        TSountoryValue result;
    } cases[] = {
        {{}, V(1, T::Integer)},
        {{V(3, T::Integer), V(4, T::Integer)}, V(12, T::Integer)},
        {{V(3, T::Integer), V(0.5, T::Factor)}, V(1.5, T::Factor)},
        {{V(2, T::FysicalSpeed), V(3, T::Time)}, V(6, T::FysicalLength)},
        {{V(10, T::FysicalLength), V(2, T::Frequency)}, V(20, T::FysicalSpeed)},
        {{V(2, T::Time), V(4, T::Frequency)}, V(8, T::Factor)},
        {{V(2, T::WaveValue), V(3, T::Factor)}, V(6, T::WaveValue)},
        {{V(2, T::WaveValue), V(3, T::Time), V(2, T::Frequency)}, V(12, T::WaveValue)},
    };
    for (const Case& c : cases) {
        TSountoryValue result;
        std::string error;
        ASSERT_TRUE(MultiplyValues(result, c.operands, error)) << error;
        EXPECT_EQ(result, c.result);
    }
}

TEST(FactoryValues, MultiplyRefusesWithTheStoredTexts)
{
    struct Case {
        std::vector<TSountoryValue> operands;
        const char* error;
    } cases[] = {
        {{V(2, T::Time), V(3, T::Time)}, "Wrong combination of types Time, Frequency are used when multiplying."},
        {{V(2, T::FysicalLength), V(3, T::Time)},
         "Wrong combination of types Time, Frequency and Fysical Speed are used when multiplying."},
        {{V(2, T::FysicalLength), V(3, T::FysicalSpeed)},
         "At most one Type of Fysical Distance or Fysical Speed is allowed for multiplying."},
        {{V(1, T::WaveValue), V(1, T::Boolean)},
         "Cannot multiply Types of Wave Value (Input \"Operator 1\") and Boolean (Input \"Operator 2\")"},
        {{V(1, T::Factor), V(1, T::WaveValue), V(1, T::Time)},
         "Cannot multiply Types of Wave Value (Input \"Operator 2\") and Frequency or Time."},
        {{V(1, T::WaveValue), V(1, T::FysicalLength)},
         "Cannot multiply Types of Wave Value (Input \"Operator 1\") and Fysical Distance or Fysical Speed."},
    };
    for (const Case& c : cases) {
        TSountoryValue result;
        std::string error;
        EXPECT_FALSE(MultiplyValues(result, c.operands, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(FactoryValues, DivideSumAndDifference)
{
    struct Case {
        TSountoryValue a, b, result;
    } cases[] = {
        {V(10, T::FysicalLength), V(2, T::Frequency), V(20, T::FysicalSpeed)},
        {V(1, T::Factor), V(0.5, T::Time), V(2, T::Frequency)},
        {V(1, T::Factor), V(4, T::Frequency), V(0.25, T::Time)},
        {V(7, T::Integer), V(2, T::Integer), V(3.5, T::Factor)},
        {V(7, T::Integer), V(2, T::Factor), V(3.5, T::Integer)},
        {V(6, T::Time), V(2, T::Time), V(3, T::Factor)},
        {V(10, T::FysicalLength), V(5, T::FysicalSpeed), V(2, T::Time)},
    };
    for (const Case& c : cases) {
        TSountoryValue a = c.a;
        std::string error;
        ASSERT_TRUE(DivideValues(a, c.b, error)) << error;
        EXPECT_EQ(a, c.result);
    }
    std::string error;
    TSountoryValue a = V(1, T::Time);
    EXPECT_FALSE(DivideValues(a, V(-0.0, T::Factor), error));
    EXPECT_EQ(error, "Cannot divide by zero.");
    EXPECT_FALSE(DivideValues(a, V(2, T::Frequency), error));
    EXPECT_EQ(error, "Second operator must be a type which can be used as a Factor.");

    TSountoryValue sum;
    const std::vector<TSountoryValue> times = {V(1, T::Time), V(2, T::Time)};
    AddValues(sum, times);
    EXPECT_EQ(sum, V(3, T::Time));
    const std::vector<TSountoryValue> mixed = {V(1, T::Time), V(2, T::Factor), V(3, T::Time)};
    AddValues(sum, mixed);
    EXPECT_EQ(sum, V(6, T::Factor));

    TSountoryValue d = V(5, T::Integer);
    SubtractValues(d, V(2, T::Factor));
    EXPECT_EQ(d, V(3, T::Factor));
    d = V(5, T::Time);
    SubtractValues(d, V(2, T::Factor));
    EXPECT_EQ(d, V(3, T::Time));
}

TEST(FactoryValues, LogicAndComparisonChains)
{
    auto chain = [](std::initializer_list<double> numbers) {
        std::vector<TSountoryValue> values;
        for (double n : numbers)
            values.push_back(V(n, T::Factor));
        return values;
    };
    struct Case {
        uint8_t function;
        std::vector<TSountoryValue> operands;
        double result;
    } cases[] = {
        {49, chain({1, 1, 1}), 1}, {50, chain({0, 0}), 1},    {50, chain({1, 0}), 0}, {47, chain({1, 1}), 0},
        {48, chain({0, 0}), 1},    {45, chain({1, 2, 0}), 0}, {46, chain({0, 0, 3}), 1},
    };
    for (const Case& c : cases) {
        TSountoryValue result;
        BooleanValues(result, c.function, c.operands);
        EXPECT_EQ(result, V(c.result, T::Boolean)) << int(c.function);
    }
    // Kept as stored factories compute: Greater admits equal neighbours, Greater or Equal does not.
    const Case comparisons[] = {
        {64, chain({3, 3, 1}), 1}, {65, chain({3, 3, 1}), 0}, {63, chain({5}), 1},
        {62, chain({2, 2, 5}), 1}, {62, chain({2, 2}), 0},    {63, chain({1, 2}), 0},
    };
    for (const Case& c : comparisons) {
        TSountoryValue result;
        CompareValues(result, c.function, c.operands);
        EXPECT_EQ(result, V(c.result, T::Boolean)) << int(c.function);
    }
    TSountoryValue v = V(0, T::Boolean);
    NotValue(v);
    EXPECT_EQ(v, V(1, T::Boolean));

    const std::vector<TSountoryValue> mixed = {V(4, T::Time), V(2, T::Factor), V(9, T::Boolean)};
    TSountoryValue result;
    MinMaxValues(result, 66, mixed);
    EXPECT_EQ(result, V(2, T::Time));
    MinMaxValues(result, 67, mixed);
    EXPECT_EQ(result, V(9, T::Time));
    MeanValues(result, 70, mixed);
    EXPECT_EQ(result, V(5, T::Time));
    const std::vector<TSountoryValue> geometric = {V(2, T::Factor), V(8, T::Factor)};
    MeanValues(result, 71, geometric);
    EXPECT_DOUBLE_EQ(result.Value, 4);
}

TEST(FactoryValues, TrigonometryInTurnsWithTheStoredPi)
{
    std::string error;
    TSountoryValue a = V(0.25, T::Factor);
    ASSERT_TRUE(SineValue(a, {}, error));
    EXPECT_NEAR(a.Value, 0.9999999995, 1e-10);
    a = V(0.25, T::Factor);
    ASSERT_TRUE(CosineValue(a, {}, error));
    EXPECT_NEAR(a.Value, 0.0000316768, 1e-10);
    a = V(0, T::Integer);
    EXPECT_FALSE(SineValue(a, {}, error));
    EXPECT_EQ(error, "Type of Angle must be a Factor.");
    a = V(0.25, T::Factor);
    ASSERT_TRUE(SineValue(a, V(2, T::Time), error));
    EXPECT_EQ(a.Type, T::Time);

    for (double pole : {0.25, 0.75, -0.25}) {
        a = V(pole, T::Factor);
        ASSERT_TRUE(TangentValue(a, V(3, T::Factor), {}, {}, error));
        EXPECT_EQ(a.Value, 0) << pole;
    }
    a = V(0.1, T::Factor);
    ASSERT_TRUE(TangentValue(a, V(0, T::Time), V(1, T::Time), {}, error));
    EXPECT_EQ(a, V(0, T::Time));
    a = V(0.1, T::Factor);
    ASSERT_TRUE(TangentValue(a, {}, V(2, T::Factor), V(1, T::Factor), error));
    EXPECT_EQ(a.Value, 2);
    a = V(0.1, T::Factor);
    EXPECT_FALSE(TangentValue(a, {}, V(2, T::Time), {}, error));
    EXPECT_EQ(error, "Type of Min must be type Factor, if Input Factor is not used.");
    EXPECT_FALSE(TangentValue(a, V(1, T::Factor), {}, V(2, T::Time), error));
    EXPECT_EQ(error, "Inputs Factor and Max must be of the same type.");

    a = V(1, T::Factor);
    ASSERT_TRUE(ArcSineValue(a, {}, error));
    EXPECT_NEAR(a.Value, 0.2500050416, 1e-10);
    a = V(1.0000001, T::Factor);
    EXPECT_FALSE(ArcSineValue(a, {}, error));
    EXPECT_EQ(error, "Cannot take an Arc Sine of a value greater than 1.");
    a = V(-2, T::Factor);
    EXPECT_FALSE(ArcCosineValue(a, {}, error));
    EXPECT_EQ(error, "Cannot take an Arc Cosine of a value less than -1.");
    a = V(1, T::Factor);
    ASSERT_TRUE(ArcTangentValue(a, {}, error));
    EXPECT_NEAR(a.Value, 0.1250025208, 1e-10);
    a = V(2, T::Time);
    ASSERT_TRUE(ArcTangentValue(a, V(2, T::Time), error));
    EXPECT_NEAR(a.Value, 0.1250025208, 1e-10);
    a = V(2, T::Time);
    EXPECT_FALSE(ArcTangentValue(a, {}, error));
    EXPECT_EQ(error, "Type of Expression must be a Factor, if Factor Repricoke is not used.");
    EXPECT_FALSE(ArcTangentValue(a, V(2, T::Factor), error));
    EXPECT_EQ(error, "Expression and Factor Repricoke must be of the same type.");
}

TEST(FactoryValues, PowerRootAndLog)
{
    std::string error;
    TSountoryValue b = V(-2, T::Factor);
    ASSERT_TRUE(PowerValue(b, V(3, T::Integer), {}, error));
    EXPECT_EQ(b, V(-8, T::Factor));
    b = V(-2, T::Factor);
    EXPECT_FALSE(PowerValue(b, V(3, T::Factor), {}, error));
    EXPECT_EQ(error, "Value of Input Base must be greater than 0, when Input Exponent is not an Integer.");
    b = V(0, T::Factor);
    ASSERT_TRUE(PowerValue(b, V(0, T::Integer), {}, error));
    EXPECT_EQ(b.Value, 1);
    b = V(0, T::Factor);
    EXPECT_FALSE(PowerValue(b, V(0, T::Factor), {}, error));
    b = V(2, T::Factor);
    ASSERT_TRUE(PowerValue(b, V(-2, T::Integer), {}, error));
    EXPECT_EQ(b.Value, 0.25);
    b = V(27, T::Factor);
    ASSERT_TRUE(RootValue(b, V(3, T::Factor), {}, error));
    EXPECT_NEAR(b.Value, 3, 1e-12);
    b = V(2, T::Factor);
    ASSERT_TRUE(LogValue(b, V(8, T::Factor), V(2, T::Time), error));
    EXPECT_NEAR(b.Value, 6, 1e-12);
    EXPECT_EQ(b.Type, T::Time);
}

TEST(FactoryValues, RandomDrawsAreReproducibleAndStayInRange)
{
    std::string error;
    ResetGaussianGenerator();
    EXPECT_DOUBLE_EQ(NextGaussianUniform(), 1 / 4294967296.0);
    EXPECT_DOUBLE_EQ(NextGaussianUniform(), 134775814 / 4294967296.0);
    ResetGaussianGenerator();
    TSountoryValue first = V(10, T::Time);
    ASSERT_TRUE(GaussianRandomOfValues(first, V(1, T::Time), {}, error));
    ResetGaussianGenerator();
    TSountoryValue again = V(10, T::Time);
    ASSERT_TRUE(GaussianRandomOfValues(again, V(1, T::Time), {}, error));
    EXPECT_EQ(first, again);
    TSountoryValue clamped = V(10, T::Time);
    ASSERT_TRUE(GaussianRandomOfValues(clamped, V(100, T::Time), V(0.5, T::Time), error));
    EXPECT_LE(std::abs(clamped.Value - 10), 0.5);
    EXPECT_FALSE(GaussianRandomOfValues(clamped, V(1, T::Factor), {}, error));
    EXPECT_EQ(error, "Mean and Std Dev must be of the same type.");

    SeedRangeRandom(7);
    for (int i = 0; i < 200; ++i) {
        TSountoryValue v = V(1, T::Frequency);
        ASSERT_TRUE(RandomInRangeValue(v, V(100, T::Frequency), V(1, T::Boolean), error));
        EXPECT_GE(v.Value, 1);
        EXPECT_LT(v.Value, 100);
        EXPECT_EQ(v.Type, T::Frequency);
    }
    TSountoryValue zero = V(0, T::Factor);
    EXPECT_FALSE(RandomInRangeValue(zero, V(100, T::Factor), V(1, T::Boolean), error));
    EXPECT_EQ(error, "If Logaritmic is true, Range Begin and Range End must be both Positive or both Negative, "
                     "never zero.");
}

TEST(FactoryValues, TextsNameTypeAndValue)
{
    EXPECT_EQ(ValueToText(V(1, T::Boolean), EHNone), "Type: Boolean\nValue: True");
    EXPECT_EQ(ValueToText(V(88200, T::WaveSampleFrequency), EHNone), "Type: Sample Frequency\nValue: 88kHz");
    EXPECT_EQ(ValueToText(V(48000, T::WaveSampleFrequency), EHNone), "Type: Sample Frequency\nValue: ");
    EXPECT_EQ(ValueToUnitText(V(0, T::Wave), EHNone), "Oops! Unknown value!");
    EXPECT_EQ(AutoUnitKind(V(0.5, T::Time)), EHMS);
    EXPECT_EQ(AutoUnitKind(V(1, T::Time)), EHS);
    EXPECT_EQ(AutoUnitKind(V(0.01, T::FysicalLength)), EHCM);
    EXPECT_EQ(AutoUnitKind(V(-2000, T::Frequency)), EHKHZ);
    EXPECT_EQ(ValueToText(V(12.7, T::WaveCount), EHNone).substr(0, 31), "Type: Wave Position Count\nValue");
    EXPECT_EQ(WaveFormatText(TWaveFileProps(2, 44100, 2), 1000),
              "Stereo\n2 bytes per sample\nsample freq: 44100 Hz\nlength: 1000 samples");
}
