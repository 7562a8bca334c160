#include "factory/values/ValueTexts.h"

#include "foundation/values/unitBalAngleFactor.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitFreq.h"
#include "foundation/values/unitFysDist.h"
#include "foundation/values/unitFysSpeed.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWavePos.h"
#include "foundation/values/unitWaveVal.h"
#include "platform/SampleConvert.h"
#include "wave/document/WaveFileProps.h"

#include <cmath>

namespace {

// The whole part of the number, as the texts of the enumerated types read it.
int64_t Whole(double number)
{
    if (!(number == number))
        return 0;
    return static_cast<int64_t>(std::fmax(std::fmin(std::trunc(number), 9.0e18), -9.0e18));
}

const char* SampleFrequencyText(int64_t frequency)
{
    struct Entry {
        int64_t frequency;
        const char* text;
    };
    // 88200 has no blank and 176128 stands for 176400, as always shown.
    static constexpr Entry entries[] = {{5512, "5 kHz"},   {11025, "11 kHz"}, {22050, "22 kHz"},
                                        {44100, "44 kHz"}, {88200, "88kHz"},  {176128, "176 kHz"}};
    for (const Entry& e : entries)
        if (e.frequency == frequency)
            return e.text;
    return "";
}

std::string EnumeratedText(const TSountoryValue& value)
{
    const int64_t whole = Whole(value.Value);
    switch (value.Type) {
    case ValueType::Boolean: return whole == 0 ? "False" : whole == 1 ? "True" : "";
    case ValueType::WaveMonoStereo: return whole == 1 ? "Mono" : whole == 2 ? "Stereo" : "";
    case ValueType::WaveBytesPerSample:
        return whole == 1 ? "1 Byte per Sample" : whole == 2 ? "2 Bytes per Sample" : "";
    default: return SampleFrequencyText(whole);
    }
}

} // namespace

std::string ValueToUnitText(const TSountoryValue& value, UnitKind unitKind)
{
    const double v = value.Value;
    switch (value.Type) {
    case ValueType::Factor: return unitFactor(v, unitKind).GetText();
    case ValueType::BalanceAngle: return unitBalAngleFactor(v, unitKind).GetText();
    case ValueType::Integer: return unitInteger(ToInt32(v), unitKind).GetText();
    case ValueType::FysicalLength: return unitFysDist(v, unitKind).GetText();
    case ValueType::FysicalSpeed: return unitFysSpeed(v, unitKind).GetText();
    case ValueType::Time: return unitTime(v, unitKind).GetText();
    case ValueType::Frequency: return unitFreq(v, unitKind).GetText();
    case ValueType::WaveValue: return unitWaveVal(ToSample(v), unitKind).GetText();
    case ValueType::WaveCount: return unitWavePos(std::trunc(v), unitKind).GetText();
    default: return "Oops! Unknown value!";
    }
}

std::string ValueToText(const TSountoryValue& value, UnitKind unitKind)
{
    std::string text;
    switch (value.Type) {
    case ValueType::WaveCount: text = ValueToUnitText(value, unitKind) + " samples"; break;
    case ValueType::Boolean:
    case ValueType::WaveMonoStereo:
    case ValueType::WaveBytesPerSample:
    case ValueType::WaveSampleFrequency: text = EnumeratedText(value); break;
    default: text = ValueToUnitText(value, unitKind); break;
    }
    return std::string("Type: ") + ValueTypeNames[static_cast<int>(value.Type)] + "\nValue: " + text;
}

UnitKind AutoUnitKind(const TSountoryValue& value)
{
    const double size = std::fabs(value.Value);
    switch (value.Type) {
    case ValueType::Factor: return size < 1 ? EHPerc : EHNone;
    case ValueType::BalanceAngle: return EHAngle;
    case ValueType::FysicalLength:
        return size < 0.01 ? EHMM : size < 0.1 ? EHCM : size < 1 ? EHDM : size < 1000 ? EHM : EHKM;
    case ValueType::FysicalSpeed: return EHMpS;
    case ValueType::Time: return size < 1 ? EHMS : EHS;
    case ValueType::Frequency: return size < 1000 ? EHHZ : EHKHZ;
    case ValueType::WaveValue: return EHPerc;
    case ValueType::WaveCount: return EHWavePos;
    default: return EHNone;
    }
}

std::string ValueToTextAutoUnit(const TSountoryValue& value)
{
    return ValueToText(value, AutoUnitKind(value));
}

std::string WaveFormatText(const TWaveFileProps& format, int32_t length)
{
    return std::string(format.MonoStereo == 1 ? "Mono" : "Stereo") + "\n"
         + (format.BytesPSample == 1 ? "1 byte per sample" : "2 bytes per sample") + "\nsample freq: "
         + std::to_string(format.SampleFreq) + " Hz\nlength: " + std::to_string(length) + " samples";
}
