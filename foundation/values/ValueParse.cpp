#include "foundation/values/ValueParse.h"

#include "foundation/values/unitInteger.h"
#include "platform/Assertions.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <iterator>
#include <string>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

void SkipBlanks(const std::string& text, size_t& pos)
{
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
}

// The digits of a decimal number, kept as text so that its value is the double
// nearest to it: adding digit by digit in doubles drifts once past 2^53, and a
// value read back from its own text would then not give that text again.
class DecimalDigits {
public:
    // Digits before the point (or of a whole number).
    void AddWhole(char digit)
    {
        if (Add(digit) == Kept::Dropped)
            ++shift;
    }

    // Digits after the point; leading zeros only move the point.
    void AddFraction(char digit)
    {
        if (Add(digit) != Kept::Dropped)
            --shift;
    }

    // The number times 10 to the exponent, rounded to the nearest double;
    // infinity past the largest.
    double Value(int exponent) const
    {
        if (digits.empty())
            return 0.0;
        std::string text = digits;
        int64_t power = shift + exponent;
        // A digit dropped that was not 0 still decides a tie.
        if (sticky) {
            text += '1';
            --power;
        }
        text += 'e' + std::to_string(power);
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc::result_out_of_range)
            return static_cast<int64_t>(digits.size()) + power > 0 ? HUGE_VAL : 0.0;
        return value;
    }

private:
    enum class Kept { Leading, Kept, Dropped };

    // More digits than this cannot change the nearest double but through the sticky digit.
    static constexpr size_t MaxDigits = 800;

    Kept Add(char digit)
    {
        if (digits.empty() && digit == '0')
            return Kept::Leading;
        if (digits.size() < MaxDigits) {
            digits += digit;
            return Kept::Kept;
        }
        if (digit != '0')
            sticky = true;
        return Kept::Dropped;
    }

    std::string digits;
    int64_t shift = 0; // the power of ten the kept digits are to be multiplied by
    bool sticky = false;
};

// Digits at pos, added to number as whole digits; gives how many were read.
int ReadDigits(const std::string& text, size_t& pos, DecimalDigits& number)
{
    int count = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        number.AddWhole(text[pos]);
        ++pos;
        ++count;
    }
    return count;
}

// "e+3": blanks, the letter, blanks, a required sign, blanks, digits. Without
// all of them there is no exponent and pos stays, leaving the letter to the unit.
int ReadExponent(const std::string& text, size_t& pos)
{
    size_t p = pos;
    SkipBlanks(text, p);
    if (p >= text.size() || (text[p] != 'e' && text[p] != 'E'))
        return 0;
    ++p;
    SkipBlanks(text, p);
    if (p >= text.size() || (text[p] != '+' && text[p] != '-'))
        return 0;
    const bool negative = text[p] == '-';
    ++p;
    SkipBlanks(text, p);
    int exponent = 0;
    int count = 0;
    while (p < text.size() && IsDigit(text[p])) {
        // Beyond any double's range already; stop counting so the int cannot overflow.
        if (exponent < 100000)
            exponent = exponent * 10 + (text[p] - '0');
        ++p;
        ++count;
    }
    if (count == 0)
        return 0;
    pos = p;
    return negative ? -exponent : exponent;
}

struct UnitWord {
    const char* word;
    UnitKind kind;
};

// Longer words before the shorter ones they begin with.
constexpr UnitWord unitWords[] = {
    {"OCTAVE", EHOctave}, {"NMILE", EHNautMile}, {"KNOTS", EHKnots}, {"MILE", EHMile}, {"FEET", EHFeet},
    {"INCH", EHInch},     {"KM/H", EHKMpH},      {"MACH", EHMach},   {"KHZ", EHKHZ},   {"M/S", EHMpS},
    {"MPH", EHMpH},       {"MS", EHMS},          {"HZ", EHHZ},       {"DB", EHDB},     {"DM", EHDM},
    {"CM", EHCM},         {"MM", EHMM},          {"KM", EHKM},       {"%", EHPerc},    {"$", EHValue},
    {"S", EHS},           {"'", EHAngle},        {"M", EHM},         {"#", EHPitch},   {"&", EHWavePos},
};

bool BeginsWithWord(const std::string& text, size_t pos, const char* word)
{
    for (; *word != '\0'; ++word, ++pos)
        if (pos >= text.size() || std::toupper(static_cast<unsigned char>(text[pos])) != *word)
            return false;
    return true;
}

struct NoteLetter {
    char letter;
    int semitone;
};
constexpr NoteLetter noteLetters[] = {
    {'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11},
};

int SemitoneOf(char c)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const NoteLetter& n : noteLetters)
        if (n.letter == upper)
            return n.semitone;
    return -1;
}

struct DomainRule {
    ValueDomain domain;
    bool (*refused)(double x);
    const char* message;
    const char* degreeMessage; // the wording for a value typed in degrees, when it differs
};

const char* const tooHighFraction = "Value is too high. (maximum: less than 1 or 100 %)";
const char* const tooHighFase = "Fase is too high. (maximum: less than 360' )";

// Checked in order; the first rule of the object's domain that refuses gives the message.
const DomainRule domainRules[] = {
    {ValueDomain::NotZero, [](double x) { return x == 0; }, "Value must be not 0.", nullptr},
    {ValueDomain::Negative, [](double x) { return x > 0; }, "Value must be negative.", nullptr},
    {ValueDomain::Positive, [](double x) { return x < 0; }, "Value must be positive.", nullptr},
    {ValueDomain::NegativeNotZero, [](double x) { return x >= 0; }, "Value must be negative and less than 0.", nullptr},
    {ValueDomain::PositiveNotZero, [](double x) { return x <= 0; }, "Value must be positive and more than 0.", nullptr},
    {ValueDomain::ZeroInclOneIncl, [](double x) { return x < 0; }, "Value must be positive.", nullptr},
    {ValueDomain::ZeroInclOneIncl, [](double x) { return x > 1; }, "Value must be no more than 1.", nullptr},
    {ValueDomain::ZeroExclOneExcl, [](double x) { return x <= 0; }, "Value must be positive and more than 0.", nullptr},
    {ValueDomain::ZeroExclOneExcl, [](double x) { return x >= 1; }, "Value must be less than 1.", nullptr},
    {ValueDomain::ZeroInclOneExcl, [](double x) { return x < 0; }, "Value must be positive.", nullptr},
    {ValueDomain::ZeroInclOneExcl, [](double x) { return x >= 1; }, tooHighFraction, tooHighFase},
    {ValueDomain::OneMore, [](double x) { return x <= 1; }, "Value must be more than 1.", nullptr},
    {ValueDomain::NegOneInclPosOneIncl, [](double x) { return x < -1; }, "Value is too low. (minimum: -1 or -100 %)",
     "Fase is too low. (minimum: -360' )"},
    {ValueDomain::NegOneInclPosOneIncl, [](double x) { return x > 1; }, tooHighFraction, tooHighFase},
};

struct RangeRule {
    ValueDomain domain;
    bool (*refused)(double x, double bound);
    const char* message; // followed by the bound and "."
};

const RangeRule rangeRules[] = {
    {ValueDomain::NotZero, [](double x, double b) { return x == b; }, "Value must be unequal of "},
    {ValueDomain::Negative, [](double x, double b) { return x > b; }, "Value must be less or equal of "},
    {ValueDomain::Positive, [](double x, double b) { return x < b; }, "Value must be more or equal of "},
    {ValueDomain::NegativeNotZero, [](double x, double b) { return x >= b; }, "Value must be less than "},
    {ValueDomain::PositiveNotZero, [](double x, double b) { return x <= b; }, "Value must be more than "},
};

} // namespace

bool ParseNumber(const std::string& text, size_t& pos, double& number, std::string& error)
{
    size_t p = pos;
    bool negative = false;
    if (p < text.size() && (text[p] == '-' || text[p] == '+')) {
        negative = text[p] == '-';
        ++p;
    }
    SkipBlanks(text, p);
    DecimalDigits whole;
    const int wholeDigits = ReadDigits(text, p, whole);
    SkipBlanks(text, p);

    double value;
    if (p < text.size() && text[p] == '/') {
        ++p;
        DecimalDigits denominator;
        const int denominatorDigits = ReadDigits(text, p, denominator);
        if (wholeDigits == 0) {
            error = "Input has no value before '/'.";
            return false;
        }
        if (denominatorDigits == 0) {
            error = "Input has no value after '/'.";
            return false;
        }
        if (denominator.Value(0) == 0) {
            error = "Broke is invalid.";
            return false;
        }
        value = whole.Value(0) / denominator.Value(0);
    } else if (p < text.size() && (text[p] == '.' || text[p] == ',')) {
        ++p;
        while (p < text.size() && IsDigit(text[p]))
            whole.AddFraction(text[p++]);
        value = whole.Value(ReadExponent(text, p));
    } else {
        const int exponent = ReadExponent(text, p);
        if (wholeDigits == 0) {
            error = "Input has no value.";
            return false;
        }
        value = whole.Value(exponent);
    }
    if (!std::isfinite(value)) {
        error = "Value is too large.";
        return false;
    }
    number = negative ? -value : value;
    pos = p;
    return true;
}

UnitKind ParseUnitWord(const std::string& text, size_t& pos)
{
    if (pos >= text.size())
        return EHNone;
    for (const UnitWord& w : unitWords) {
        if (BeginsWithWord(text, pos, w.word)) {
            pos += std::char_traits<char>::length(w.word);
            return w.kind;
        }
    }
    return EHError;
}

bool ParseValueAndUnit(const std::string& text, double& number, UnitKind& unitKind, std::string& error)
{
    size_t pos = 0;
    if (!ParseNumber(text, pos, number, error))
        return false;
    SkipBlanks(text, pos);
    unitKind = ParseUnitWord(text, pos);
    return true;
}

bool BeginsWithNote(const std::string& text)
{
    return !text.empty() && SemitoneOf(text[0]) >= 0;
}

bool ParseNoteFrequency(const std::string& text, size_t& pos, double& frequency, std::string& error)
{
    size_t p = pos;
    int semitone = p < text.size() ? SemitoneOf(text[p]) : -1;
    if (semitone < 0) {
        error = "Input has no value.";
        return false;
    }
    ++p;
    if (p < text.size() && text[p] == '#') {
        ++semitone;
        ++p;
    }
    int octave = 4;
    size_t q = p;
    if (q < text.size() && text[q] == '+')
        ++q;
    bool negative = false;
    if (q < text.size() && text[q] == '-') {
        negative = true;
        ++q;
    }
    if (q < text.size() && IsDigit(text[q])) {
        int number = 0;
        while (q < text.size() && IsDigit(text[q])) {
            if (number < 1000)
                number = number * 10 + (text[q] - '0');
            ++q;
        }
        octave = negative ? -number : number;
        p = q;
    }
    if (octave < -2) {
        error = "The minimum Octave number is -2.";
        return false;
    }
    if (octave > 12) {
        error = "The maximum Octave number is 12.";
        return false;
    }
    frequency = 523.26 * std::pow(2.0, octave - 5 + semitone / 12.0);
    pos = p;
    return true;
}

bool CheckValueDomain(const unit& object, double number, std::string& error, UnitKind unitKind)
{
    for (const DomainRule& rule : domainRules) {
        if (rule.domain != object.GetDomain() || !rule.refused(number))
            continue;
        error = unitKind == EHAngle && rule.degreeMessage != nullptr ? rule.degreeMessage : rule.message;
        return false;
    }
    return true;
}

bool CheckValueRange(const unit& object, double number, int32_t bound, std::string& error)
{
    for (const RangeRule& rule : rangeRules) {
        if (rule.domain != object.GetDomain())
            continue;
        if (!rule.refused(number, bound))
            return true;
        error = rule.message + unitInteger(bound, EHNone).GetText() + ".";
        return false;
    }
    QB_ASSERT(!"a range check needs a domain with a bound");
    return false;
}
