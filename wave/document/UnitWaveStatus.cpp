// The texts of the wave status bar.
#include "foundation/values/ValueFormat.h"
#include "wave/MainFormAccess.h"
#include "wave/document/UnitWave.h"

namespace {
struct SizeStep {
    double limit; // the number must be below it
    int digits;
};

// Bytes as b, kb, Mb or Gb with 2, 1 or 0 decimals; the steps are 1024.
std::string SizeText(double bytes)
{
    if (bytes < 1024)
        return FormatNumber(bytes, 1, 0, 0) + " b";
    static const char* const units[] = {" kb", " Mb"};
    static const SizeStep steps[] = {{10, 2}, {100, 1}, {1024, 0}};
    double number = bytes;
    for (const char* unitWord : units) {
        number /= 1024;
        for (const SizeStep& step : steps)
            if (number < step.limit)
                return FormatNumber(number, 1, step.digits, step.digits) + unitWord;
    }
    return FormatNumber(number / 1024, 1, 2, 2) + " Gb";
}
} // namespace

std::array<std::string, 6> TUnitWave::WaveStatusTexts() const
{
    double freq = GetSampleFreq();
    double seconds = UserDrawing ? DrawLength : (freq > 0 ? GetValues() / freq : 0.0);
    double size = static_cast<double>(GetValues()) * GetMonoStereo() * GetBytesPSample();
    std::string saved;
    if (HasNoFileName())
        saved = "New";
    else if (IsWaveChanged() || IsShadowChanged())
        saved = "Changed";
    return {
        FormatValueInUnit(seconds, ValueType::Time, EHTime, 7, true),
        FormatValueInUnit(freq, ValueType::Frequency, EHHZ, 7, true),
        GetBytesPSample() == 2 ? "16" : "8",
        GetMonoStereo() == 2 ? "ST" : "MO",
        SizeText(size),
        saved,
    };
}

void TUnitWave::ShowWaveStatus() const
{
    std::array<std::string, 6> texts = WaveStatusTexts();
    for (int i = 0; i < 6; ++i)
        MainForm().GetWaveStatusPanel(i + 2)->SetText(texts[static_cast<size_t>(i)]);
}
