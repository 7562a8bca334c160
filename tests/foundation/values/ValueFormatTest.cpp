#include "foundation/values/ValueFormat.h"
#include "foundation/values/ValueParse.h"
#include "platform/Random15.h"
#include "platform/Assertions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(FormatNumber, DigitsAreCutAndPadded)
{
    struct Case {
        double x;
        int before, minAfter, maxAfter;
        const char* text;
    } cases[] = {
        {5, 2, 0, 0, "05"},
        {2.05, 1, 0, 3, "2.05"},
        {1.5, 1, 2, 5, "1.50"},
        {0.46, 1, 0, 1, "0.4"},
        {0, 1, 0, 0, "0"},
        {-0.0001, 1, 0, 0, "-0"},
        {0.05, 1, 0, 7, "0.05"},
        {123.456, 5, 0, 2, "00123.45"},
        {-2.5, 1, 0, 0, "-2"},
        {1000, 1, 0, 2, "1000"},
        {0.1, 1, 3, 3, "0.100"},
        // A carry into a new leading place keeps its digit.
        {9.99999, 1, 1, 1, "10.0"},
        {99.99999, 1, 0, 3, "100"},
        {-9.9999, 1, 2, 2, "-10.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatNumber(c.x, c.before, c.minAfter, c.maxAfter), c.text) << c.x;
}

// A value written with 15 digits, read, taken to its base unit and back (a
// percentage to a factor, kHz to Hz) is written with the same digits again.
TEST(FormatNumber, AValueThroughAUnitAndBackKeepsItsDigits)
{
    Random15 random(7);
    auto digit = [&random] { return static_cast<char>('0' + random.Next() % 10); };
    for (double scale : {100.0, 1000.0, 0.001, 3.6, 343.0}) {
        for (int i = 0; i < 2000; ++i) {
            std::string text(1, static_cast<char>('1' + random.Next() % 9));
            for (int d = 1; d < 15; ++d)
                text += digit();
            text += "e" + std::to_string(static_cast<int>(random.Next() % 81) - 40);
            size_t pos = 0;
            double value = 0;
            std::string error;
            ASSERT_TRUE(ParseNumber(text, pos, value, error)) << text;
            const std::string written = FormatNumber(value, 1, 0, 99);
            const double back = (value / scale) * scale;
            ASSERT_EQ(FormatNumber(back, 1, 0, 99), written) << text << " through " << scale;
        }
    }
}

TEST(FormatNumber, FifteenSignificantDigitsKeepTheMagnitude)
{
    // Only the first 15 digits are significant; the places below them are zeros,
    // so the number keeps its size.
    EXPECT_EQ(FormatNumber(1e16, 1, 0, 0), "10000000000000000");
    EXPECT_EQ(FormatNumber(123456789012345678.0, 1, 0, 0), "123456789012345000");
    EXPECT_EQ(FormatNumber(1.0 / 3, 1, 0, 99), "0.333333333333333");
    const std::string largest = FormatNumber(1.7976931348623157e308, 1, 0, 0);
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 15), "179769313486231");
    const std::string smallest = FormatSignificant(5e-324, 99, true);
    EXPECT_EQ(smallest.substr(0, 6), "0.0000");
    EXPECT_EQ(smallest.substr(smallest.size() - 15), "494065645841246");
}

TEST(FormatNumber, ArgumentsOutsideTheContractAreInternalErrors)
{
    ThrowOnFatalAssertion throwing;
    EXPECT_THROW(FormatNumber(1, 0, 0, 0), FatalAssertion);
    EXPECT_THROW(FormatNumber(1, 1, 3, 2), FatalAssertion);
    EXPECT_THROW(FormatSignificant(1, 0, true), FatalAssertion);
}

TEST(FormatSignificant, DecimalsShowAsTyped)
{
    // The cut digits must not turn 0.7 into 0.6999...: every short decimal shows as written.
    for (int i = -2000; i <= 2000; ++i) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.2f", i / 100.0);
        std::string text = expected;
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
        if (text == "-0")
            text = "0";
        EXPECT_EQ(FormatSignificant(i / 100.0, 99, true), text) << i;
        EXPECT_EQ(FormatSignificant(i / 100.0, 7, true), text) << i;
    }
}

TEST(FormatSignificant, Precision)
{
    EXPECT_EQ(FormatSignificant(1234.5678, 7, true), "1234.567");
    EXPECT_EQ(FormatSignificant(0.05, 7, true), "0.05");
    EXPECT_EQ(FormatSignificant(0.05, 3, false), "0.050");
    EXPECT_EQ(FormatSignificant(2, 7, false), "2.000000");
    EXPECT_EQ(FormatSignificant(0, 7, true), "0");
    EXPECT_EQ(FormatSignificant(0.1, 99, true), "0.1");
}

TEST(FormatValueInUnit, EveryUnitKind)
{
    using T = ValueType;
    struct Case {
        double x;
        T type;
        int kind;
        int precision;
        const char* text;
    } cases[] = {
        {16384, T::WaveValue, EHNone, 0, "0.5"},
        {16384, T::WaveValue, EHPerc, 0, "50 %"},
        {16384, T::WaveValue, EHValue, 0, "16384 $"},
        {0, T::WaveValue, EHNone, 0, "0"},
        {0, T::WaveValue, EHPerc, 0, "0 %"},
        {0, T::WaveValue, EHValue, 0, "0 $"},
        {-16384, T::WaveValue, EHNone, 0, "-0.5"},
        {-32768, T::WaveValue, EHValue, 0, "-32768 $"},
        {0.25, T::Factor, EHNone, 99, "0.25"},
        {0.5, T::Factor, EHPerc, 99, "50 %"},
        {0.5, T::Factor, EHDB, 99, "-6.02 dB"},
        {2, T::Factor, EHPitch, 99, "12 #"},
        {0.5, T::Factor, EHOctave, 99, "-1 octave"},
        {0.25, T::Factor, EHAngle, 99, "90 '"},
        {-1, T::BalanceAngle, EHAngle, 99, "-90 '"},
        {2, T::Integer, EHAngle, 99, ""},
        {0.0005, T::Time, EHMS, 7, "0.5 ms"},
        {1.5, T::Time, EHS, 7, "1.5 s"},
        {0.002, T::Time, EHHZ, 7, "500 hz"},
        {0.002, T::Time, EHKHZ, 7, "0.5 khz"},
        {440, T::Frequency, EHFreq, 7, "440.0000 Hz"},
        {5, T::Frequency, EHFreq, 7, "05.00000 Hz"},
        {12345, T::Frequency, EHFreq, 7, "12.34500 kHz"},
        {2500, T::Frequency, EHFreq, 4, "2.500 kHz"},
        {1000, T::Frequency, EHS, 7, "0.001 s"},
        {686, T::FysicalLength, EHS, 7, "2 s"},
        {343, T::FysicalLength, EHHZ, 7, "1 hz"},
        {1, T::Time, EHM, 99, "343 m"},
        {343, T::Frequency, EHCM, 99, "100 cm"},
        {1609, T::FysicalLength, EHMile, 99, "1 mile"},
        {0.3048, T::FysicalLength, EHFeet, 99, "1 feet"},
        {0.0254, T::FysicalLength, EHInch, 99, "1 inch"},
        {0.541, T::FysicalSpeed, EHKnots, 99, "1 knots"},
        {343, T::FysicalSpeed, EHMach, 99, "1 mach"},
        {10, T::FysicalSpeed, EHMpS, 99, "10 m/s"},
        {10, T::FysicalLength, EHMpS, 99, ""},
        {2.5, T::WaveCount, EHWavePos, 7, "2.5 &"},
        {75.5, T::Time, EHTime, 7, "1:15.50000"},
        {3.25, T::Time, EHTime, 7, "3.25000 s"},
        {3605, T::Time, EHTime, 7, "1:00:05.00000"},
        {1, T::Frequency, EHNote, 7, "***"},
        {1, T::Frequency, EHError, 7, "***"},
        {1, T::Frequency, 30, 7, "***"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatValueInUnit(c.x, c.type, c.kind, c.precision, true), c.text)
            << c.x << " in kind " << c.kind;
}

TEST(FormatValueInUnit, ZeroUnderADivisionShowsAStar)
{
    using T = ValueType;
    struct Case {
        T type;
        int kind;
        const char* text;
    } cases[] = {
        {T::Frequency, EHS, " * s"},        {T::Frequency, EHMS, " * ms"},   {T::Time, EHHZ, " * hz"},
        {T::Time, EHKHZ, " * khz"},         {T::FysicalLength, EHHZ, " * hz"}, {T::Frequency, EHM, " * m"},
        {T::Frequency, EHNautMile, " * nmile"}, {T::Frequency, EHInch, " * inch"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatValueInUnit(0, c.type, c.kind, 7, true), c.text) << c.kind;
    // No division: a plain zero.
    EXPECT_EQ(FormatValueInUnit(0, T::Time, EHS, 7, true), "0 s");
}

TEST(FormatValueInUnit, LogarithmicKindsShowZeroAndBelowAsPlainNumbers)
{
    // log10(0) and log2(-1) have no digits; the value shows as it is.
    EXPECT_EQ(FormatValueInUnit(0, ValueType::Factor, EHDB, 99, true), "0");
    EXPECT_EQ(FormatValueInUnit(-0.5, ValueType::Factor, EHPitch, 99, true), "-0.5");
    EXPECT_EQ(FormatValueInUnit(0, ValueType::Factor, EHOctave, 99, true), "0");
}

TEST(FormatValueInUnit, NegativeTimeInHoursAndMinutes)
{
    EXPECT_EQ(FormatValueInUnit(-75.5, ValueType::Time, EHTime, 7, true), "-1:15.50000");
    EXPECT_EQ(FormatValueInUnit(-3.25, ValueType::Time, EHTime, 7, true), "-3.25000 s");
}

TEST(FormatValueInUnit, ConversionsThatLeaveTheDoublesDoNotCrash)
{
    // A tiny stored frequency has a period beyond any double.
    EXPECT_EQ(FormatValueInUnit(1e-310, ValueType::Frequency, EHS, 7, true), "*** s");
    EXPECT_EQ(FormatValueInUnit(1e-310, ValueType::Frequency, EHM, 99, true), "*** m");
}
