#include "foundation/values/ValueClassParsers.h"

#include "foundation/QuotedText.h"
#include "foundation/values/ValueParse.h"
#include "platform/SampleConvert.h"

#include <cmath>
#include <cstdint>

namespace {

struct Input {
    double v;
    UnitKind kind;
    double length; // of the wave, for wave positions
};

using Converter = bool (*)(const Input& in, double& out, std::string& error);

// One accepted range of unit kinds and how a number typed in them becomes the
// class's base unit.
struct Conversion {
    UnitKind first;
    UnitKind last;
    Converter convert;
};

struct UnitMessages {
    const char* unknown; // for a word that is no unit
    const char* wrong;   // for a unit the class does not take
};

const UnitMessages factorUnits = {"This unit does not exist, use: '%' or no unit.",
                                  "Wrong unit used, use: '%' or no unit."};
const UnitMessages balanceUnits = {"This unit does not exist, use: '%', ' ' ' or no unit.",
                                   "Wrong unit used, use: '%', ' ' ' or no unit."};
const UnitMessages waveValueUnits = {"This unit does not exist, use: '%', '$' or no unit.",
                                     "Wrong unit used, use: '%', '$' or no unit."};
const UnitMessages lengthUnits = {
    "This unit does not exist, use: 'm', 'dm', 'cm', 'mm', 'km', 'mile', 'nmile'.",
    "Wrong unit used, use: 'm', 'dm', 'cm', 'mm', 'km', 'mile', 'nmile'."};
const UnitMessages speedUnits = {"This unit does not exist, use: 'm/s', 'km/h', 'mph', 'mach', 'knots'.",
                                 "Wrong unit used, use: 'm/s', 'km/h', 'mph', 'mach', 'knots'."};
const UnitMessages timeUnits = {
    "This unit does not exist, use: 's', 'ms', 'Hz', 'kHz', 'm', 'dm', 'cm', 'mm', 'km', 'mile', 'nmile', 'feet', "
    "'inch'.",
    "Wrong unit used, use: 's', 'ms', 'Hz', 'kHz', 'm', 'dm', 'cm', 'mm', 'km', 'mile', 'nmile', 'feet', 'inch'."};
const UnitMessages positionUnits = {"This unit does not exist, use: 's', 'ms', 'Hz', 'kHz'.",
                                    "Wrong unit used, use: 's', 'ms', 'Hz', 'kHz'."};

// The words users type for the units that can stand under a division.
const char* UnitWordOf(UnitKind kind)
{
    static const struct {
        UnitKind kind;
        const char* word;
    } words[] = {
        {EHS, "s"},      {EHMS, "ms"},      {EHHZ, "Hz"},          {EHKHZ, "kHz"},   {EHM, "m"},
        {EHDM, "dm"},    {EHCM, "cm"},      {EHMM, "mm"},          {EHKM, "km"},     {EHMile, "mile"},
        {EHNautMile, "nmile"}, {EHFeet, "feet"}, {EHInch, "inch"},
    };
    for (const auto& w : words)
        if (w.kind == kind)
            return w.word;
    return "";
}

// A number that divides: 0 has no reciprocal.
bool Divisor(const Input& in, double& divisor, std::string& error)
{
    if (in.v == 0) {
        error = std::string("You cannot use 0 with '") + UnitWordOf(in.kind) + "'.";
        return false;
    }
    divisor = in.v;
    return true;
}

bool InRange(double v, double low, double high, bool highIncluded, const char* tooLow, const char* tooHigh,
             std::string& error)
{
    if (v < low) {
        error = tooLow;
        return false;
    }
    if (highIncluded ? v > high : v >= high) {
        error = tooHigh;
        return false;
    }
    return true;
}

double Metric(const Input& in)
{
    return in.v * GetMetricFactor(in.kind);
}

// Conversions shared by several classes.
bool Same(const Input& in, double& out, std::string&)
{
    out = in.v;
    return true;
}
bool Hundredth(const Input& in, double& out, std::string&)
{
    out = in.v / 100;
    return true;
}
bool Milli(const Input& in, double& out, std::string&)
{
    out = 0.001 * in.v;
    return true;
}
bool PeriodOfHertz(const Input& in, double& out, std::string& error)
{
    double d;
    if (!Divisor(in, d, error))
        return false;
    out = 1 / d;
    return true;
}
bool PeriodOfKiloHertz(const Input& in, double& out, std::string& error)
{
    double d;
    if (!Divisor(in, d, error))
        return false;
    out = 0.001 / d;
    return true;
}
bool TimeOfLength(const Input& in, double& out, std::string&)
{
    out = Metric(in) / SoundSpeed;
    return true;
}
bool FaseTurn(const Input& in, double& turn, std::string& error)
{
    if (!InRange(in.v, -360, 360, false, "Fase is too low. (minimum: -360' )",
                 "Fase is too high. (maximum: less than 360' )", error))
        return false;
    turn = (in.v < 0 ? in.v + 360 : in.v) / 360;
    return true;
}

const Conversion factorConversions[] = {
    {EHNone, EHNone, Same},
    {EHPerc, EHPerc, Hundredth},
    {EHDB, EHDB, [](const Input& in, double& out, std::string&) { out = std::pow(10.0, in.v / 20); return true; }},
    {EHPitch, EHPitch, [](const Input& in, double& out, std::string&) { out = std::pow(2.0, in.v / 12); return true; }},
    {EHOctave, EHOctave, [](const Input& in, double& out, std::string&) { out = std::pow(2.0, in.v); return true; }},
    {EHAngle, EHAngle, [](const Input& in, double& out, std::string&) { out = in.v / 360; return true; }},
};

const Conversion balanceConversions[] = {
    {EHNone, EHNone, Same},
    {EHPerc, EHPerc, Hundredth},
    {EHAngle, EHAngle,
     [](const Input& in, double& out, std::string& error) {
         if (!InRange(in.v, -90, 90, true, "Balance Angle is too low. (minimum: -90' )",
                      "Balance Angle is too high. (maximum: 90' )", error))
             return false;
         out = in.v / 90;
         return true;
     }},
};

const Conversion waveValueConversions[] = {
    {EHNone, EHNone,
     [](const Input& in, double& out, std::string& error) {
         if (!InRange(in.v, -1, 1, true, "Wave Value is too low. (minimum: -1)", "Wave Value is too high. (maximum: 1)",
                      error))
             return false;
         out = std::trunc(in.v * 32767);
         return true;
     }},
    {EHPerc, EHPerc,
     [](const Input& in, double& out, std::string& error) {
         if (!InRange(in.v, -100, 100, true, "Wave Value is too low. (minimum: -100 %)",
                      "Wave Value is too high. (maximum: 100 %)", error))
             return false;
         out = std::trunc(in.v * 327.67);
         return true;
     }},
    {EHValue, EHValue,
     [](const Input& in, double& out, std::string& error) {
         if (!InRange(in.v, -32768, 32767, true, "Wave Value is too low. (minimum: -32768 $)",
                      "Wave Value is too high. (maximum: 32767 $)", error))
             return false;
         out = std::trunc(in.v);
         return true;
     }},
};

const Conversion lengthConversions[] = {
    {EHS, EHS, [](const Input& in, double& out, std::string&) { out = SoundSpeed * in.v; return true; }},
    {EHMS, EHMS, [](const Input& in, double& out, std::string&) { out = 0.343 * in.v; return true; }},
    {EHHZ, EHHZ,
     [](const Input& in, double& out, std::string& error) {
         double d;
         if (!Divisor(in, d, error))
             return false;
         out = SoundSpeed / d;
         return true;
     }},
    {EHKHZ, EHKHZ,
     [](const Input& in, double& out, std::string& error) {
         double d;
         if (!Divisor(in, d, error))
             return false;
         out = 0.343 / d;
         return true;
     }},
    {EHM, EHInch, [](const Input& in, double& out, std::string&) { out = Metric(in); return true; }},
};

const Conversion speedConversions[] = {
    {EHMpS, EHKnots, [](const Input& in, double& out, std::string&) { out = Metric(in); return true; }},
};

const Conversion timeConversions[] = {
    {EHS, EHS, Same},
    {EHMS, EHMS, Milli},
    {EHHZ, EHHZ, PeriodOfHertz},
    {EHKHZ, EHKHZ, PeriodOfKiloHertz},
    {EHM, EHInch, TimeOfLength},
};

const Conversion frequencyConversions[] = {
    {EHS, EHS, PeriodOfHertz},
    {EHMS, EHMS,
     [](const Input& in, double& out, std::string& error) {
         double d;
         if (!Divisor(in, d, error))
             return false;
         out = 1000 / d;
         return true;
     }},
    {EHHZ, EHHZ, Same},
    {EHKHZ, EHKHZ, [](const Input& in, double& out, std::string&) { out = 1000 * in.v; return true; }},
    {EHM, EHInch,
     [](const Input& in, double& out, std::string& error) {
         double d;
         if (!Divisor(in, d, error))
             return false;
         out = SoundSpeed / Metric(in);
         return true;
     }},
};

const Conversion wavePositionConversions[] = {
    {EHNone, EHNone, [](const Input& in, double& out, std::string&) { out = in.v * in.length; return true; }},
    {EHPerc, EHPerc, [](const Input& in, double& out, std::string&) { out = in.v * in.length / 100; return true; }},
    {EHS, EHS, Same},
    {EHMS, EHMS, Milli},
    {EHHZ, EHHZ, PeriodOfHertz},
    {EHKHZ, EHKHZ, PeriodOfKiloHertz},
    {EHAngle, EHAngle,
     [](const Input& in, double& out, std::string& error) {
         double turn;
         if (!FaseTurn(in, turn, error))
             return false;
         out = turn * in.length;
         return true;
     }},
    {EHM, EHInch, TimeOfLength},
};

const Conversion factoryWavePosConversions[] = {
    {EHNone, EHNone, Same},
    {EHPerc, EHPerc, Hundredth},
    {EHS, EHS, Same},
    {EHMS, EHMS, Milli},
    {EHHZ, EHHZ, PeriodOfHertz},
    {EHKHZ, EHKHZ, PeriodOfKiloHertz},
    {EHAngle, EHAngle, FaseTurn},
    {EHWavePos, EHWavePos, Same},
    {EHM, EHInch, TimeOfLength},
};

template <size_t N>
bool Convert(const Conversion (&table)[N], const UnitMessages& messages, const Input& in, double& out,
             std::string& error)
{
    if (in.kind == EHError) {
        error = messages.unknown;
        return false;
    }
    for (const Conversion& c : table) {
        if (in.kind < c.first || in.kind > c.last)
            continue;
        if (!c.convert(in, out, error))
            return false;
        // A huge number in a large unit, or a tiny one under a division, leaves the doubles.
        if (!std::isfinite(out)) {
            error = "Value is too large.";
            return false;
        }
        return true;
    }
    error = messages.wrong;
    return false;
}

// Number and unit, converted and range-checked.
template <size_t N>
bool ParseConverted(const unit& object, const std::string& text, const Conversion (&table)[N],
                    const UnitMessages& messages, double length, double& value, UnitKind& kind, std::string& error)
{
    double v;
    if (!ParseValueAndUnit(text, v, kind, error))
        return false;
    return Convert(table, messages, Input{v, kind, length}, value, error) &&
           CheckValueDomain(object, value, error, kind);
}

// The period of a typed note, for the time-like classes.
bool NotePeriod(const std::string& text, double& period, std::string& error)
{
    size_t pos = 0;
    double frequency;
    if (!ParseNoteFrequency(text, pos, frequency, error))
        return false;
    period = 1 / frequency;
    return true;
}

// Whole-number digits into 32 bits; false when they do not fit.
bool ReadWhole(const std::string& text, size_t& pos, bool negative, int32_t& number)
{
    const size_t start = pos;
    int64_t magnitude = 0;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > limit)
            return false;
        ++pos;
    }
    if (pos == start)
        return false;
    number = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

std::string InvalidValue(const std::string& text)
{
    return "Invalid value: " + QuotedText(text) + ".";
}

} // namespace

bool ParseFactorText(unitFactor& object, const std::string& text, std::string& error)
{
    double value;
    UnitKind kind;
    if (!ParseConverted(object, text, factorConversions, factorUnits, 0, value, kind, error))
        return false;
    object.value = value;
    object.unitKind = kind;
    return true;
}

bool ParseBalanceText(unitBalAngleFactor& object, const std::string& text, std::string& error)
{
    double value;
    UnitKind kind;
    if (!ParseConverted(object, text, balanceConversions, balanceUnits, 0, value, kind, error))
        return false;
    object.value = value;
    object.unitKind = kind;
    return true;
}

bool ParseIntegerText(unitInteger& object, const std::string& text, std::string& error)
{
    size_t pos = 0;
    if (pos < text.size() && text[pos] == '+')
        ++pos;
    bool negative = false;
    if (pos < text.size() && text[pos] == '-') {
        negative = true;
        ++pos;
    }
    int32_t number;
    bool valid = ReadWhole(text, pos, negative, number);
    while (valid && pos < text.size())
        valid = IsBlank(text[pos++]);
    if (!valid) {
        error = InvalidValue(text);
        return false;
    }
    if (!CheckValueDomain(object, number, error, EHNone))
        return false;
    object.value = number;
    object.unitKind = EHNone;
    return true;
}

bool ParseIntegerMoreUserText(unitIntegerMoreUser& object, const std::string& text, std::string& error)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    const std::string digits = text.substr(begin, end - begin);
    size_t pos = 0;
    int32_t number;
    if (!ReadWhole(digits, pos, false, number) || pos != digits.size()) {
        error = InvalidValue(text);
        return false;
    }
    if (!CheckValueRange(object, number, object.minimum, error))
        return false;
    if (number > object.maximum) {
        error = "Value must be less or equal of " + unitInteger(object.maximum, EHNone).GetText() + ".";
        return false;
    }
    object.value = number;
    object.unitKind = EHNone;
    return true;
}

bool ParseWaveValueText(unitWaveVal& object, const std::string& text, std::string& error)
{
    double sample;
    UnitKind kind;
    if (!ParseConverted(object, text, waveValueConversions, waveValueUnits, 0, sample, kind, error))
        return false;
    object.value = static_cast<int16_t>(ToInt32(sample));
    object.unitKind = kind;
    return true;
}

bool ParseLengthText(unitFysDist& object, const std::string& text, std::string& error)
{
    double value;
    UnitKind kind;
    if (!ParseConverted(object, text, lengthConversions, lengthUnits, 0, value, kind, error))
        return false;
    object.value = value;
    object.unitKind = kind;
    return true;
}

bool ParseSpeedText(unitFysSpeed& object, const std::string& text, std::string& error)
{
    double value;
    UnitKind kind;
    if (!ParseConverted(object, text, speedConversions, speedUnits, 0, value, kind, error))
        return false;
    object.value = value;
    object.unitKind = kind;
    return true;
}

bool ParseTimeText(unitTime& object, const std::string& text, std::string& error)
{
    double value;
    UnitKind kind = EHNote;
    if (BeginsWithNote(text)) {
        if (!NotePeriod(text, value, error))
            return false;
    } else if (!ParseConverted(object, text, timeConversions, timeUnits, 0, value, kind, error))
        return false;
    object.value = value;
    object.unitKind = kind;
    return true;
}

bool ParseFrequencyText(unitFreq& object, const std::string& text, std::string& error)
{
    double value;
    UnitKind kind = EHNote;
    if (BeginsWithNote(text)) {
        size_t pos = 0;
        if (!ParseNoteFrequency(text, pos, value, error))
            return false;
    } else if (!ParseConverted(object, text, frequencyConversions, timeUnits, 0, value, kind, error))
        return false;
    object.value = value;
    object.unitKind = kind;
    return true;
}

bool ParseWavePositionText(unitWavePosition& object, const std::string& text, std::string& error)
{
    double position;
    UnitKind kind = EHNote;
    bool countedFromEnd = false;
    if (BeginsWithNote(text)) {
        if (!NotePeriod(text, position, error))
            return false;
    } else {
        const double length = object.length;
        if (!ParseConverted(object, text, wavePositionConversions, positionUnits, length, position, kind, error))
            return false;
        if (position >= length) {
            error = "Position must be before the end of the wave";
            return false;
        }
        if (position < -length) {
            error = "Position must be not before the start of the previous wave";
            return false;
        }
        if (position < 0) {
            position += length;
            // A hair before the end must not round onto it.
            if (position >= length)
                position = std::nextafter(length, 0.0);
            countedFromEnd = true;
        }
    }
    object.position = position;
    object.unitKind = kind;
    object.countedFromEnd = countedFromEnd;
    return true;
}

bool ParseFactoryWavePosText(unitWavePos& object, const std::string& text, std::string& error)
{
    double value;
    UnitKind kind = EHNote;
    if (BeginsWithNote(text)) {
        if (!NotePeriod(text, value, error))
            return false;
    } else if (!ParseConverted(object, text, factoryWavePosConversions, positionUnits, 0, value, kind, error))
        return false;
    object.value = value;
    object.unitKind = kind;
    return true;
}
