#include "foundation/values/ValueFormat.h"

#include "platform/Assertions.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace {

// Places before the point: 1 for 0, at most 0 below 1.
int DigitsBeforePoint(double v)
{
    if (v == 0)
        return 1;
    const int d = static_cast<int>(std::trunc(std::log10(v)));
    return v >= 1 ? d + 1 : d;
}

} // namespace

std::string FormatNumber(double number, int digitsBefore, int minAfter, int maxAfter)
{
    QB_ASSERT(digitsBefore >= 1);
    QB_ASSERT(minAfter >= 0);
    QB_ASSERT(minAfter <= maxAfter);
    // Values reach this only through conversions of stored numbers; no digits
    // describe an infinity.
    if (!std::isfinite(number))
        return "***";

    const bool negative = number < 0;
    double v = std::fabs(number);
    // One unit in the first place not written, so that a value a hair below a
    // written digit is not cut down by floating-point error.
    const int guardPlace = std::min(maxAfter, 15 - DigitsBeforePoint(v));
    // At the very top of the doubles the guard itself would overflow; there it is left out.
    // It covers at least two units of the double's last place too: a value
    // taken through a unit and back (% to a factor, kHz to Hz) may come back
    // that far below its own digits, and is not to lose one on every save.
    const double guarded = v + std::max(std::pow(10.0, -(guardPlace + 1)), v * 2 * DBL_EPSILON);
    if (std::isfinite(guarded))
        v = guarded;
    // Counted again after the guard, so a carry into a new leading place keeps
    // its digit; never further down than before, so the guard stays unseen.
    const int m = std::min(guardPlace, 15 - DigitsBeforePoint(v));

    long double scaled = m >= 0 ? static_cast<long double>(v) * std::pow(10.0L, m)
                                : static_cast<long double>(v) / std::pow(10.0L, -m);
    scaled = std::floor(scaled);
    QB_ASSERT(scaled < 1e19L);
    std::string digits = std::to_string(static_cast<uint64_t>(scaled));

    std::string whole;
    std::string fraction;
    if (m >= 0) {
        if (digits.size() < static_cast<size_t>(m) + 1)
            digits.insert(0, static_cast<size_t>(m) + 1 - digits.size(), '0');
        whole = digits.substr(0, digits.size() - m);
        fraction = digits.substr(digits.size() - m);
    } else {
        // Past 15 significant digits the integer places are written as zeros.
        whole = digits + std::string(static_cast<size_t>(-m), '0');
    }
    const size_t firstDigit = whole.find_first_not_of('0');
    whole.erase(0, std::min(firstDigit == std::string::npos ? whole.size() : firstDigit, whole.size() - 1));
    if (whole.size() < static_cast<size_t>(digitsBefore))
        whole.insert(0, static_cast<size_t>(digitsBefore) - whole.size(), '0');

    const size_t lastNonZero = fraction.find_last_not_of('0');
    const size_t keep = std::max(std::min(static_cast<size_t>(minAfter), fraction.size()),
                                 lastNonZero == std::string::npos ? size_t{0} : lastNonZero + 1);
    fraction.resize(keep);

    std::string text = negative ? "-" : "";
    text += whole;
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

std::string FormatSignificant(double number, int precision, bool dropTrailingZeros)
{
    QB_ASSERT(precision >= 1);
    const int e = number != 0 && std::isfinite(number) ? static_cast<int>(std::trunc(std::log10(std::fabs(number)))) : 1;
    const int before = std::max(e, 1);
    const int after = std::max(precision - 1 - e, 0);
    return FormatNumber(number, before, dropTrailingZeros ? 0 : after, after);
}

namespace {

struct Request {
    double x;
    ValueType type;
    int kind;
    int precision;
    bool drop;
};

struct UnitFormat;
using Formatter = std::string (*)(const Request& r, const UnitFormat& unit);

// One row per unit kind: how to convert and what to write after the number.
struct UnitFormat {
    Formatter format;
    double scale; // units per base unit
    const char* word;
};

std::string Significant(const Request& r, double v)
{
    return FormatSignificant(v, r.precision, r.drop);
}

// Nearest multiple of 10^-decimals, halves away from zero.
double RoundHalfAway(double v, double half)
{
    return v < 0 ? v - half : v + half;
}

std::string Plain(const Request& r, const UnitFormat&)
{
    if (r.type == ValueType::WaveValue)
        return FormatNumber(RoundHalfAway(r.x / 32767, 0.00005), 1, 0, 4);
    return Significant(r, r.x);
}

std::string Percent(const Request& r, const UnitFormat& unit)
{
    if (r.type == ValueType::WaveValue)
        return FormatNumber(RoundHalfAway(r.x * 100 / 32767, 0.005), 1, 0, 2) + unit.word;
    return Significant(r, 100 * r.x) + unit.word;
}

// Decibel, semitones and octaves. A value of 0 or less has no logarithm and
// shows as the plain number.
std::string Logarithmic(const Request& r, const UnitFormat& unit, double (*logarithm)(double))
{
    if (!(r.x > 0))
        return Significant(r, r.x);
    return FormatNumber(unit.scale * logarithm(r.x), 1, 0, 3) + unit.word;
}

std::string Decibel(const Request& r, const UnitFormat& unit)
{
    return Logarithmic(r, unit, [](double v) { return std::log10(v); });
}

std::string Binary(const Request& r, const UnitFormat& unit)
{
    return Logarithmic(r, unit, [](double v) { return std::log2(v); });
}

// Whether the conversion of the type to seconds, hertz or metres divides by x.
bool DividesByValue(ValueType type, bool toTime)
{
    return toTime ? type == ValueType::Frequency : type == ValueType::Time || type == ValueType::FysicalLength;
}

std::string Star(const UnitFormat& unit)
{
    return std::string(" *") + unit.word;
}

std::string Seconds(const Request& r, const UnitFormat& unit)
{
    double s;
    if (r.type == ValueType::Time)
        s = r.x;
    else if (r.type == ValueType::FysicalLength)
        s = r.x / SoundSpeed;
    else if (r.type == ValueType::Frequency)
        s = r.x == 0 ? 0 : 1 / r.x;
    else
        return "";
    if (r.x == 0 && DividesByValue(r.type, true))
        return Star(unit);
    return Significant(r, unit.scale * s) + unit.word;
}

std::string Hertz(const Request& r, const UnitFormat& unit)
{
    double f;
    if (r.type == ValueType::Frequency)
        f = r.x;
    else if (r.type == ValueType::Time)
        f = r.x == 0 ? 0 : 1 / r.x;
    else if (r.type == ValueType::FysicalLength)
        f = r.x == 0 ? 0 : SoundSpeed / r.x;
    else
        return "";
    if (r.x == 0 && DividesByValue(r.type, false))
        return Star(unit);
    return Significant(r, unit.scale * f) + unit.word;
}

std::string HoursMinutesSeconds(const Request& r, const UnitFormat&)
{
    if (r.type != ValueType::Time)
        return "";
    // A negative time shows its sign once, in front of the whole.
    const double x = std::fabs(r.x);
    const double totalMinutes = std::trunc(x / 60);
    const double h = std::trunc(totalMinutes / 60);
    const double m = totalMinutes - 60 * h;
    const double s = x - 60 * totalMinutes;
    std::string text = r.x < 0 ? "-" : "";
    if (h > 0)
        text += FormatNumber(h, 1, 0, 0) + ":";
    if (h > 0 || m > 0)
        text += FormatNumber(m, h == 0 ? 1 : 2, 0, 0) + ":";
    text += FormatNumber(s, h == 0 && m == 0 ? 1 : 2, 5, 5);
    if (h == 0 && m == 0)
        text += " s";
    return text;
}

std::string AutomaticHertz(const Request& r, const UnitFormat&)
{
    if (r.type != ValueType::Frequency)
        return "";
    const int p = r.precision;
    QB_ASSERT(p >= 3);
    if (r.x < 100)
        return FormatNumber(r.x, 2, p - 2, p - 2) + " Hz";
    if (r.x < 1000)
        return FormatNumber(r.x, 3, p - 3, p - 3) + " Hz";
    if (r.x < 10000)
        return FormatNumber(0.001 * r.x, 1, p - 1, p - 1) + " kHz";
    return FormatNumber(0.001 * r.x, 2, p - 2, p - 2) + " kHz";
}

std::string SampleValue(const Request& r, const UnitFormat& unit)
{
    return FormatNumber(r.x, 1, 0, 0) + unit.word;
}

std::string Angle(const Request& r, const UnitFormat& unit)
{
    if (r.type == ValueType::Factor)
        return Significant(r, 360 * r.x) + unit.word;
    if (r.type == ValueType::BalanceAngle)
        return Significant(r, 90 * r.x) + unit.word;
    return "";
}

std::string WaveCountText(const Request& r, const UnitFormat& unit)
{
    return FormatNumber(r.x, 1, 0, 6) + unit.word;
}

std::string Unknown(const Request&, const UnitFormat&)
{
    return "***";
}

std::string Length(const Request& r, const UnitFormat& unit)
{
    double l;
    if (r.type == ValueType::FysicalLength)
        l = r.x;
    else if (r.type == ValueType::Time)
        l = SoundSpeed * r.x;
    else if (r.type == ValueType::Frequency) {
        if (r.x == 0)
            return Star(unit);
        l = SoundSpeed / r.x;
    } else
        return "";
    return Significant(r, l / GetMetricFactor(r.kind)) + unit.word;
}

std::string Speed(const Request& r, const UnitFormat& unit)
{
    if (r.type != ValueType::FysicalSpeed)
        return "";
    return Significant(r, r.x / GetMetricFactor(r.kind)) + unit.word;
}

const UnitFormat unitFormats[UnitKindCount] = {
    {Plain, 1, ""},                    // EHNone
    {Percent, 100, " %"},              // EHPerc
    {Decibel, 20, " dB"},              // EHDB
    {Binary, 12, " #"},                // EHPitch
    {Binary, 1, " octave"},            // EHOctave
    {Seconds, 1, " s"},                // EHS
    {Seconds, 1000, " ms"},            // EHMS
    {Hertz, 1, " hz"},                 // EHHZ
    {Hertz, 0.001, " khz"},            // EHKHZ
    {HoursMinutesSeconds, 1, ""},      // EHTime
    {AutomaticHertz, 1, ""},           // EHFreq
    {SampleValue, 1, " $"},            // EHValue
    {Angle, 1, " '"},                  // EHAngle
    {WaveCountText, 1, " &"},          // EHWavePos
    {Unknown, 1, ""},                  // EHNote
    {Unknown, 1, ""},                  // EHError
    {Length, 1, " m"}, // EHM
    {Length, 1, " dm"}, // EHDM
    {Length, 1, " cm"}, // EHCM
    {Length, 1, " mm"}, // EHMM
    {Length, 1, " km"}, // EHKM
    {Length, 1, " mile"}, // EHMile
    {Length, 1, " nmile"}, // EHNautMile
    {Length, 1, " feet"}, // EHFeet
    {Length, 1, " inch"}, // EHInch
    {Speed, 1, " m/s"}, // EHMpS
    {Speed, 1, " km/h"}, // EHKMpH
    {Speed, 1, " mph"}, // EHMpH
    {Speed, 1, " mach"}, // EHMach
    {Speed, 1, " knots"}, // EHKnots
};

} // namespace

std::string FormatValueInUnit(double number, ValueType type, int unitKind, int precision, bool dropTrailingZeros)
{
    if (unitKind < 0 || unitKind >= UnitKindCount)
        return "***";
    const Request request{number, type, unitKind, precision, dropTrailingZeros};
    const UnitFormat& unit = unitFormats[unitKind];
    return unit.format(request, unit);
}
