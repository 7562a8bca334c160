#include "foundation/values/ValueClassParsers.h"
#include "foundation/values/ValueParse.h"
#include "platform/Assertions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(ParseNumber, NumbersFractionsAndExponents)
{
    struct Case {
        const char* text;
        double number;
        size_t end; // position after the number
    } cases[] = {
        {"1/4", 0.25, 3},      {"1 /4", 0.25, 4},    {"-3/4", -0.75, 4}, {"2.5", 2.5, 3},
        {"2,5", 2.5, 3},       {".", 0, 1},          {"-.5", -0.5, 3},   {"+ 7", 7, 3},
        {"1.5e+3", 1500, 6},   {"1.5 E - 3", 0.0015, 9}, {"2e+2", 200, 4}, {"1.5e3", 1.5, 3},
        {"12 kHz", 12, 3},     {"0e+400", 0, 6},     {"1e-400", 0, 6},   {"007", 7, 3},
        // Leading zeros of a fraction count however many there are; a power
        // beyond the doubles still gives a result within them.
        {"0.0000000000000000000000000000000001", 1e-34, 36}, {"0.001e+310", 1e307, 10},
    };
    for (const Case& c : cases) {
        size_t pos = 0;
        double number = -99;
        std::string error;
        ASSERT_TRUE(ParseNumber(c.text, pos, number, error)) << c.text << ": " << error;
        EXPECT_DOUBLE_EQ(number, c.number) << c.text;
        EXPECT_EQ(pos, c.end) << c.text;
    }
}

// A number reads as the double nearest to it, however many digits it has, so
// that a value written and read again gives the same text.
TEST(ParseNumber, TheNearestDoubleToTheText)
{
    const std::string tieBroken = "9007199254740993." + std::string(900, '0') + "1";
    struct Case {
        std::string text;
        double number;
    } cases[] = {
        {"388888888888888000000000000000000000000", 388888888888888000000000000000000000000.0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"1.23", 1.23},
        {"0,000000000000000000000000000000000000123456789012345678901234567890123",
         1.23456789012345678901234567890123e-37},
        {"17976931348623157e+292", 1.7976931348623157e308},
        {"5e-324", 4.9406564584124654e-324},
        // 2^53 + 1 lies halfway between two doubles; a 1 far behind it breaks the tie upwards.
        {tieBroken, 9007199254740994.0},
        {"9007199254740993", 9007199254740992.0},
        {"0." + std::string(1000, '0') + "1e+1000", 0.1},
    };
    for (const Case& c : cases) {
        size_t pos = 0;
        double number = -99;
        std::string error;
        ASSERT_TRUE(ParseNumber(c.text, pos, number, error)) << c.text << ": " << error;
        EXPECT_EQ(number, c.number) << c.text;
        EXPECT_EQ(pos, c.text.size()) << c.text;
    }
}

TEST(ParseNumber, Refusals)
{
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"1/ 4", "Input has no value after '/'."},
        {"/4", "Input has no value before '/'."},
        {"1/0", "Broke is invalid."},
        {"", "Input has no value."},
        {"-", "Input has no value."},
        {"abc", "Input has no value."},
        {"1e+400", "Value is too large."},
    };
    for (const Case& c : cases) {
        size_t pos = 0;
        double number = -99;
        std::string error;
        EXPECT_FALSE(ParseNumber(c.text, pos, number, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(number, -99) << c.text;
    }
}

TEST(ParseUnitWord, LongerWordsWinAndCaseIsIgnored)
{
    struct Case {
        const char* text;
        UnitKind kind;
    } cases[] = {
        {"", EHNone},        {"octave", EHOctave}, {"NMILE", EHNautMile}, {"mile", EHMile},  {"km/h", EHKMpH},
        {"km", EHKM},        {"khz", EHKHZ},       {"Hz", EHHZ},          {"ms", EHMS},      {"m/s", EHMpS},
        {"mph", EHMpH},      {"mach", EHMach},     {"minutes", EHM},      {"seconds", EHS},  {"%", EHPerc},
        {"$", EHValue},      {"'", EHAngle},       {"#", EHPitch},        {"&", EHWavePos},  {"dB", EHDB},
        {"feet", EHFeet},    {"inch", EHInch},     {"knots", EHKnots},    {"x", EHError},    {"e3", EHError},
    };
    for (const Case& c : cases) {
        size_t pos = 0;
        EXPECT_EQ(ParseUnitWord(c.text, pos), c.kind) << c.text;
    }
}

TEST(ParseNoteFrequency, NotesAndOctaves)
{
    // C5 is 523.26 Hz and every semitone a twelfth of an octave; A4 comes out at about 440 Hz.
    auto note = [](int octave, int semitone) { return 523.26 * std::pow(2.0, octave - 5 + semitone / 12.0); };
    struct Case {
        const char* text;
        double frequency;
        size_t end;
    } cases[] = {
        {"A", note(4, 9), 1},     {"a4", note(4, 9), 2},     {"C5", 523.26, 2},          {"c", note(4, 0), 1},
        {"A#", note(4, 10), 2},   {"A5", note(5, 9), 2},     {"a-2", note(-2, 9), 3},    {"a+12", note(12, 9), 4},
        {"Bogus", note(4, 11), 1}, {"e-", note(4, 4), 1},    {"g#+-1 s", note(-1, 8), 5},
    };
    for (const Case& c : cases) {
        size_t pos = 0;
        double frequency = 0;
        std::string error;
        ASSERT_TRUE(ParseNoteFrequency(c.text, pos, frequency, error)) << c.text;
        EXPECT_DOUBLE_EQ(frequency, c.frequency) << c.text;
        EXPECT_EQ(pos, c.end) << c.text;
    }
    EXPECT_NEAR(note(4, 9), 440.0, 0.01);
    struct Refused {
        const char* text;
        const char* error;
    } refused[] = {
        {"A13", "The maximum Octave number is 12."},
        {"c-3", "The minimum Octave number is -2."},
    };
    for (const Refused& r : refused) {
        size_t pos = 0;
        double frequency = -1;
        std::string error;
        EXPECT_FALSE(ParseNoteFrequency(r.text, pos, frequency, error));
        EXPECT_EQ(error, r.error);
        EXPECT_EQ(frequency, -1);
    }
}

namespace {

// The note A4 as the note parser computes it from C5 = 523.26 Hz.
const double A4 = 523.26 * std::pow(2.0, -0.25);

// Parses text into a fresh object of class C and gives the reason or "".
template <class C, class Parser>
std::string Reason(C object, const std::string& text, Parser parse)
{
    std::string error;
    return parse(object, text, error) ? std::string() : error;
}

} // namespace

TEST(CheckValueDomain, MessagesOfEveryDomain)
{
    struct Case {
        ValueDomain domain;
        double x;
        UnitKind kind;
        const char* error; // "" when accepted
    } cases[] = {
        {ValueDomain::AllValues, -1e9, EHNone, ""},
        {ValueDomain::NotZero, 0, EHNone, "Value must be not 0."},
        {ValueDomain::Negative, 0.1, EHNone, "Value must be negative."},
        {ValueDomain::Negative, 0, EHNone, ""},
        {ValueDomain::Positive, -0.1, EHNone, "Value must be positive."},
        {ValueDomain::NegativeNotZero, 0, EHNone, "Value must be negative and less than 0."},
        {ValueDomain::PositiveNotZero, 0, EHNone, "Value must be positive and more than 0."},
        {ValueDomain::ZeroInclOneIncl, -0.1, EHNone, "Value must be positive."},
        {ValueDomain::ZeroInclOneIncl, 1.1, EHNone, "Value must be no more than 1."},
        {ValueDomain::ZeroInclOneIncl, 1, EHNone, ""},
        {ValueDomain::ZeroExclOneExcl, 0, EHNone, "Value must be positive and more than 0."},
        {ValueDomain::ZeroExclOneExcl, 1, EHNone, "Value must be less than 1."},
        {ValueDomain::ZeroInclOneExcl, -1, EHNone, "Value must be positive."},
        {ValueDomain::ZeroInclOneExcl, 1, EHPerc, "Value is too high. (maximum: less than 1 or 100 %)"},
        {ValueDomain::ZeroInclOneExcl, 1, EHAngle, "Fase is too high. (maximum: less than 360' )"},
        {ValueDomain::ZeroInclOneExcl, 1, EHDB, "Value is too high. (maximum: less than 1 or 100 %)"},
        {ValueDomain::OneMore, 1, EHNone, "Value must be more than 1."},
        {ValueDomain::NegOneInclPosOneIncl, -2, EHNone, "Value is too low. (minimum: -1 or -100 %)"},
        {ValueDomain::NegOneInclPosOneIncl, 2, EHPerc, "Value is too high. (maximum: less than 1 or 100 %)"},
        {ValueDomain::NegOneInclPosOneIncl, -2, EHAngle, "Fase is too low. (minimum: -360' )"},
        {ValueDomain::NegOneInclPosOneIncl, 2, EHAngle, "Fase is too high. (maximum: less than 360' )"},
        {ValueDomain::NegOneInclPosOneIncl, 2, EHOctave, "Value is too high. (maximum: less than 1 or 100 %)"},
        {ValueDomain::NegOneInclPosOneIncl, -2, EHPitch, "Value is too low. (minimum: -1 or -100 %)"},
        {ValueDomain::Mono, 7, EHNone, ""},
        {ValueDomain::Stereo, -7, EHNone, ""},
    };
    // Every domain through a factor object of that domain.
    struct AnyDomain : unitFactor {
        explicit AnyDomain(ValueDomain d) : unitFactor(0, EHNone, d) {}
    };
    for (const Case& c : cases) {
        std::string error;
        const bool accepted = CheckValueDomain(AnyDomain(c.domain), c.x, error, c.kind);
        EXPECT_EQ(accepted, c.error[0] == '\0') << c.x << " in " << static_cast<int>(c.domain);
        EXPECT_EQ(error, c.error) << c.x << " in " << static_cast<int>(c.domain);
    }
}

TEST(CheckValueRange, MessagesAgainstABound)
{
    struct AnyDomain : unitInteger {
        explicit AnyDomain(ValueDomain d) : unitInteger(0, EHNone, d) {}
    };
    struct Case {
        ValueDomain domain;
        double x;
        const char* error;
    } cases[] = {
        {ValueDomain::NotZero, 5, "Value must be unequal of 5."},
        {ValueDomain::NotZero, 4, ""},
        {ValueDomain::Negative, 6, "Value must be less or equal of 5."},
        {ValueDomain::Positive, 4, "Value must be more or equal of 5."},
        {ValueDomain::Positive, 5, ""},
        {ValueDomain::NegativeNotZero, 5, "Value must be less than 5."},
        {ValueDomain::PositiveNotZero, 5, "Value must be more than 5."},
        {ValueDomain::PositiveNotZero, 6, ""},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(CheckValueRange(AnyDomain(c.domain), c.x, 5, error), c.error[0] == '\0');
        EXPECT_EQ(error, c.error);
    }
    ThrowOnFatalAssertion throwing;
    std::string error;
    EXPECT_THROW(CheckValueRange(AnyDomain(ValueDomain::OneMore), 1, 5, error), FatalAssertion);
}

TEST(ClassParsers, Factor)
{
    struct Case {
        const char* text;
        double value;
        UnitKind kind;
    } cases[] = {
        {"-6 DB", std::pow(10.0, -0.3), EHDB}, {"-6db", std::pow(10.0, -0.3), EHDB}, {"12 #", 2, EHPitch},
        {"-1 OCTAVE", 0.5, EHOctave},          {"50 %", 0.5, EHPerc},                {"50%", 0.5, EHPerc},
        {"90'", 0.25, EHAngle},                {"1.5e+3", 1500, EHNone},             {"3/4", 0.75, EHNone},
    };
    for (const Case& c : cases) {
        unitFactor f(7, EHNone);
        std::string error;
        ASSERT_TRUE(ParseFactorText(f, c.text, error)) << c.text << ": " << error;
        EXPECT_NEAR(f.GetValue(), c.value, 1e-12) << c.text;
        EXPECT_EQ(f.GetUnitKind(), c.kind) << c.text;
    }
    EXPECT_EQ(Reason(unitFactor(), "1.5e3", ParseFactorText), "This unit does not exist, use: '%' or no unit.");
    EXPECT_EQ(Reason(unitFactor(), "1 s", ParseFactorText), "Wrong unit used, use: '%' or no unit.");
    EXPECT_EQ(Reason(unitFactorPos(), "-1", ParseFactorText), "Value must be positive.");
    EXPECT_EQ(Reason(unitFactorPosLess1(), "100 %", ParseFactorText),
              "Value is too high. (maximum: less than 1 or 100 %)");
    EXPECT_EQ(Reason(unitFactorPosLess1(), "360'", ParseFactorText), "Fase is too high. (maximum: less than 360' )");
    EXPECT_EQ(Reason(unitFactorMin1Pos1(), "-400'", ParseFactorText), "Fase is too low. (minimum: -360' )");
    EXPECT_EQ(Reason(unitFactorPosMoreLess1(), "1", ParseFactorText), "Value must be less than 1.");
    EXPECT_EQ(Reason(unitFactorPosMax1(), "2", ParseFactorText), "Value must be no more than 1.");
    EXPECT_EQ(Reason(unitFactorNotNul(), "0", ParseFactorText), "Value must be not 0.");
    EXPECT_EQ(Reason(unitFactorPosMore(), "0 %", ParseFactorText), "Value must be positive and more than 0.");
    // Logarithmic units out of a fraction range get the wording of the plain forms.
    EXPECT_EQ(Reason(unitFactorPosLess1(), "0 dB", ParseFactorText),
              "Value is too high. (maximum: less than 1 or 100 %)");
    EXPECT_EQ(Reason(unitFactorMin1Pos1(), "2 octave", ParseFactorText),
              "Value is too high. (maximum: less than 1 or 100 %)");
    EXPECT_EQ(Reason(unitFactorMin1Pos1(), "-12 #", ParseFactorText), "");
}

TEST(ClassParsers, Balance)
{
    struct Case {
        const char* text;
        double value;
        UnitKind kind;
    } cases[] = {{"90'", 1, EHAngle}, {"-100 %", -1, EHPerc}, {"-45 '", -0.5, EHAngle}, {"0.5", 0.5, EHNone}};
    for (const Case& c : cases) {
        unitBalAngleFactor b;
        std::string error;
        ASSERT_TRUE(ParseBalanceText(b, c.text, error)) << c.text;
        EXPECT_DOUBLE_EQ(b.GetValue(), c.value);
        EXPECT_EQ(b.GetUnitKind(), c.kind);
    }
    EXPECT_EQ(Reason(unitBalAngleFactor(), "91'", ParseBalanceText), "Balance Angle is too high. (maximum: 90' )");
    EXPECT_EQ(Reason(unitBalAngleFactor(), "-91'", ParseBalanceText), "Balance Angle is too low. (minimum: -90' )");
    EXPECT_EQ(Reason(unitBalAngleFactor(), "1.5", ParseBalanceText), "Value is too high. (maximum: less than 1 or 100 %)");
    EXPECT_EQ(Reason(unitBalAngleFactor(), "1 dB", ParseBalanceText), "Wrong unit used, use: '%', ' ' ' or no unit.");
    EXPECT_EQ(Reason(unitBalAngleFactor(), "1 x", ParseBalanceText),
              "This unit does not exist, use: '%', ' ' ' or no unit.");
}

TEST(ClassParsers, Integer)
{
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {{"42", 42}, {"-42", -42}, {"+-7", -7}, {"+7  ", 7}, {"2147483647", 2147483647},
                 {"-2147483648", INT32_MIN}};
    for (const Case& c : cases) {
        unitInteger i(3, EHNone);
        std::string error;
        ASSERT_TRUE(ParseIntegerText(i, c.text, error)) << c.text;
        EXPECT_EQ(i.GetValue(), c.value);
    }
    struct Refused {
        const char* text;
        const char* error;
    } refused[] = {
        {"12ab", "Invalid value: \"12ab\"."},
        {" 12", "Invalid value: \" 12\"."},
        {"", "Invalid value: \"\"."},
        {"1.5", "Invalid value: \"1.5\"."},
        {"2147483648", "Invalid value: \"2147483648\"."},
        {"-99999999999999999999", "Invalid value: \"-99999999999999999999\"."},
    };
    for (const Refused& r : refused) {
        unitInteger i(3, EHNone);
        EXPECT_EQ(Reason(i, r.text, ParseIntegerText), r.error);
    }
    EXPECT_EQ(Reason(unitIntegerPos(), "-1", ParseIntegerText), "Value must be positive.");
    EXPECT_EQ(Reason(unitIntegerPosMore(), "0", ParseIntegerText), "Value must be positive and more than 0.");
}

TEST(ClassParsers, IntegerAboveAMinimum)
{
    unitIntegerMoreUser count;
    count.SetMinimum(3);
    std::string error;
    EXPECT_FALSE(ParseIntegerMoreUserText(count, "3", error));
    EXPECT_EQ(error, "Value must be more than 3.");
    EXPECT_TRUE(ParseIntegerMoreUserText(count, "  4\t", error));
    EXPECT_EQ(count.GetValue(), 4);
    EXPECT_EQ(Reason(count, "+5", ParseIntegerMoreUserText), "Invalid value: \"+5\".");
    EXPECT_EQ(Reason(count, " ", ParseIntegerMoreUserText), "Invalid value: \" \".");
    EXPECT_EQ(Reason(count, "99999999999", ParseIntegerMoreUserText), "Invalid value: \"99999999999\".");
}

TEST(ClassParsers, WaveValue)
{
    struct Case {
        const char* text;
        int16_t value;
        UnitKind kind;
    } cases[] = {{"0.5", 16383, EHNone}, {"-1", -32767, EHNone}, {"100 %", 32767, EHPerc}, {"50%", 16383, EHPerc},
                 {"-32768 $", -32768, EHValue}, {"1.9$", 1, EHValue}};
    for (const Case& c : cases) {
        unitWaveVal w;
        std::string error;
        ASSERT_TRUE(ParseWaveValueText(w, c.text, error)) << c.text;
        EXPECT_EQ(w.GetValue(), c.value) << c.text;
        EXPECT_EQ(w.GetUnitKind(), c.kind);
    }
    struct Refused {
        const char* text;
        const char* error;
    } refused[] = {
        {"-1.1", "Wave Value is too low. (minimum: -1)"},
        {"1.1", "Wave Value is too high. (maximum: 1)"},
        {"-101%", "Wave Value is too low. (minimum: -100 %)"},
        {"101%", "Wave Value is too high. (maximum: 100 %)"},
        {"-32769$", "Wave Value is too low. (minimum: -32768 $)"},
        {"32768$", "Wave Value is too high. (maximum: 32767 $)"},
        {"1 s", "Wrong unit used, use: '%', '$' or no unit."},
        {"1 z", "This unit does not exist, use: '%', '$' or no unit."},
    };
    for (const Refused& r : refused)
        EXPECT_EQ(Reason(unitWaveVal(), r.text, ParseWaveValueText), r.error) << r.text;
    // The range check runs on the sample: a hair above 0 is still sample 0.
    EXPECT_EQ(Reason(unitWaveValPosMore(), "0.00001", ParseWaveValueText), "Value must be positive and more than 0.");
}

TEST(ClassParsers, LengthAndSpeed)
{
    struct Case {
        const char* text;
        double metres;
        UnitKind kind;
    } cases[] = {{"2 s", 686, EHS},     {"1 ms", 0.343, EHMS},  {"343 Hz", 1, EHHZ}, {"1 kHz", 0.343, EHKHZ},
                 {"3 km", 3000, EHKM},  {"1 mile", 1609, EHMile}, {"2 feet", 0.6096, EHFeet}, {"1 inch", 0.0254, EHInch},
                 {"5 minutes", 5, EHM}};
    for (const Case& c : cases) {
        unitFysDist d;
        std::string error;
        ASSERT_TRUE(ParseLengthText(d, c.text, error)) << c.text;
        EXPECT_DOUBLE_EQ(d.GetValue(), c.metres) << c.text;
        EXPECT_EQ(d.GetUnitKind(), c.kind);
    }
    const char* lengthWrong = "Wrong unit used, use: 'm', 'dm', 'cm', 'mm', 'km', 'mile', 'nmile'.";
    EXPECT_EQ(Reason(unitFysDist(), "5", ParseLengthText), lengthWrong);
    EXPECT_EQ(Reason(unitFysDist(), "5 m/s", ParseLengthText), lengthWrong);
    EXPECT_EQ(Reason(unitFysDist(), "5 x", ParseLengthText),
              "This unit does not exist, use: 'm', 'dm', 'cm', 'mm', 'km', 'mile', 'nmile'.");

    unitFysSpeed s;
    std::string error;
    ASSERT_TRUE(ParseSpeedText(s, "10 knots", error));
    EXPECT_DOUBLE_EQ(s.GetValue(), 5.41);
    ASSERT_TRUE(ParseSpeedText(s, "1 mach", error));
    EXPECT_DOUBLE_EQ(s.GetValue(), 343);
    EXPECT_EQ(Reason(unitFysSpeed(), "1 m", ParseSpeedText), "Wrong unit used, use: 'm/s', 'km/h', 'mph', 'mach', 'knots'.");
    EXPECT_EQ(Reason(unitFysSpeed(), "1 y", ParseSpeedText),
              "This unit does not exist, use: 'm/s', 'km/h', 'mph', 'mach', 'knots'.");
}

TEST(ClassParsers, TimeAndFrequency)
{
    struct Case {
        const char* text;
        double seconds;
        UnitKind kind;
    } cases[] = {{"a", 1 / A4, EHNote},  {"1.5 s", 1.5, EHS}, {"250 ms", 0.25, EHMS}, {"100 Hz", 0.01, EHHZ},
                 {"2 kHz", 0.0005, EHKHZ}, {"343 m", 1, EHM},  {"3 sec", 3, EHS}};
    for (const Case& c : cases) {
        unitTime t;
        std::string error;
        ASSERT_TRUE(ParseTimeText(t, c.text, error)) << c.text;
        EXPECT_NEAR(t.GetValue(), c.seconds, 1e-12) << c.text;
        EXPECT_EQ(t.GetUnitKind(), c.kind);
    }
    unitTime t;
    std::string error;
    ASSERT_TRUE(ParseTimeText(t, "A#5", error));
    EXPECT_NEAR(t.GetValue(), 1 / (2 * A4 * std::pow(2.0, 1 / 12.0)), 1e-12);

    const char* timeWrong =
        "Wrong unit used, use: 's', 'ms', 'Hz', 'kHz', 'm', 'dm', 'cm', 'mm', 'km', 'mile', 'nmile', 'feet', 'inch'.";
    EXPECT_EQ(Reason(unitTime(), "5", ParseTimeText), timeWrong);
    EXPECT_EQ(Reason(unitTime(), "5 %", ParseTimeText), timeWrong);
    EXPECT_EQ(Reason(unitTime(), "5 y", ParseTimeText),
              "This unit does not exist, use: 's', 'ms', 'Hz', 'kHz', 'm', 'dm', 'cm', 'mm', 'km', 'mile', 'nmile', "
              "'feet', 'inch'.");
    EXPECT_EQ(Reason(unitTime(), "0 Hz", ParseTimeText), "You cannot use 0 with 'Hz'.");
    EXPECT_EQ(Reason(unitTime(), "0 kHz", ParseTimeText), "You cannot use 0 with 'kHz'.");
    EXPECT_EQ(Reason(unitTime(), "a13", ParseTimeText), "The maximum Octave number is 12.");
    EXPECT_EQ(Reason(unitTimePosMore(), "0 s", ParseTimeText), "Value must be positive and more than 0.");
    EXPECT_EQ(Reason(unitTimePos(), "-1 s", ParseTimeText), "Value must be positive.");

    struct FreqCase {
        const char* text;
        double hertz;
        UnitKind kind;
    } freqCases[] = {{"a", A4, EHNote}, {"0.5 s", 2, EHS},   {"4 ms", 250, EHMS}, {"440 hz", 440, EHHZ},
                     {"1.5 khz", 1500, EHKHZ}, {"1 m", 343, EHM}};
    for (const FreqCase& c : freqCases) {
        unitFreq f;
        ASSERT_TRUE(ParseFrequencyText(f, c.text, error)) << c.text;
        EXPECT_NEAR(f.GetValue(), c.hertz, 1e-9) << c.text;
        EXPECT_EQ(f.GetUnitKind(), c.kind);
    }
    EXPECT_EQ(Reason(unitFreq(), "0 s", ParseFrequencyText), "You cannot use 0 with 's'.");
    EXPECT_EQ(Reason(unitFreq(), "0 ms", ParseFrequencyText), "You cannot use 0 with 'ms'.");
    EXPECT_EQ(Reason(unitFreq(), "7", ParseFrequencyText), timeWrong);
}

TEST(ClassParsers, ReciprocalUnitsRefuseZero)
{
    // Each of these used to divide by zero.
    EXPECT_EQ(Reason(unitFysDist(), "0 Hz", ParseLengthText), "You cannot use 0 with 'Hz'.");
    EXPECT_EQ(Reason(unitFysDist(), "0 kHz", ParseLengthText), "You cannot use 0 with 'kHz'.");
    EXPECT_EQ(Reason(unitFreq(), "0 m", ParseFrequencyText), "You cannot use 0 with 'm'.");
    EXPECT_EQ(Reason(unitFreq(), "0 feet", ParseFrequencyText), "You cannot use 0 with 'feet'.");
    EXPECT_EQ(Reason(unitFreq(), "0 nmile", ParseFrequencyText), "You cannot use 0 with 'nmile'.");
    EXPECT_EQ(Reason(unitWavePos(), "0 Hz", ParseFactoryWavePosText), "You cannot use 0 with 'Hz'.");
}

TEST(ClassParsers, ResultsBeyondTheDoublesAreRefused)
{
    EXPECT_EQ(Reason(unitFysDist(), "1e+400 m", ParseLengthText), "Value is too large.");
    EXPECT_EQ(Reason(unitFysDist(), "1e+306 km", ParseLengthText), "Value is too large.");
    EXPECT_EQ(Reason(unitFactor(), "1e+400", ParseFactorText), "Value is too large.");
    EXPECT_EQ(Reason(unitFactor(), "8000 dB", ParseFactorText), "Value is too large.");
    EXPECT_EQ(Reason(unitTime(), "1e-310 Hz", ParseTimeText), "Value is too large.");
}

TEST(ClassParsers, FactoryWavePosition)
{
    struct Case {
        const char* text;
        double value;
        UnitKind kind;
    } cases[] = {{"0.25", 0.25, EHNone}, {"25 %", 0.25, EHPerc}, {"-90'", 0.75, EHAngle}, {"3 &", 3, EHWavePos},
                 {"2 s", 2, EHS},        {"a", 1 / A4, EHNote}, {"-0.5", -0.5, EHNone}};
    for (const Case& c : cases) {
        unitWavePos p;
        std::string error;
        ASSERT_TRUE(ParseFactoryWavePosText(p, c.text, error)) << c.text;
        EXPECT_DOUBLE_EQ(p.GetValue(), c.value) << c.text;
        EXPECT_EQ(p.GetUnitKind(), c.kind);
    }
    EXPECT_EQ(Reason(unitWavePos(), "360'", ParseFactoryWavePosText), "Fase is too high. (maximum: less than 360' )");
    EXPECT_EQ(Reason(unitWavePos(), "1 dB", ParseFactoryWavePosText), "Wrong unit used, use: 's', 'ms', 'Hz', 'kHz'.");
    EXPECT_EQ(Reason(unitWavePos(), "1 q", ParseFactoryWavePosText),
              "This unit does not exist, use: 's', 'ms', 'Hz', 'kHz'.");
}
