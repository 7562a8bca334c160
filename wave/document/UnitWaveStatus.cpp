// The texts of the wave status bar.
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitFreq.h"
#include "foundation/values/unitTime.h"
#include "wave/MainFormAccess.h"
#include "wave/document/UnitWave.h"

namespace {
struct SizeStep {
    double limit; // the number must be below it
    int digits;
};

// The number with exactly digits decimals.
std::string NumberText(double number, int digits)
{
    return unitFactor(number, EHNone).GetNumberText(1, digits, digits);
}

// Bytes as b, kb, Mb or Gb with 2, 1 or 0 decimals; the steps are 1024.
std::string SizeText(double bytes)
{
    if (bytes < 1024)
        return NumberText(bytes, 0) + " b";
    static const char* const units[] = {" kb", " Mb"};
    static const SizeStep steps[] = {{10, 2}, {100, 1}, {1024, 0}};
    double number = bytes;
    for (const char* unitWord : units) {
        number /= 1024;
        for (const SizeStep& step : steps)
            if (number < step.limit)
                return NumberText(number, step.digits) + unitWord;
    }
    return NumberText(number / 1024, 2) + " Gb";
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
        unitTime(seconds, EHTime).GetText(),
        unitFreq(freq, EHHZ).GetText(),
        GetBytesPSample() == 2 ? "16" : "8",
        GetMonoStereo() == 2 ? "ST" : "MO",
        SizeText(size),
        saved,
    };
}

std::array<std::vector<std::string>, 6> TUnitWave::WidestWaveStatusTexts()
{
    const double k = 1024;
    return {{
        {unitTime(359999.99999, EHTime).GetText()}, // nearly 100 hours
        {unitFreq(2147483647, EHHZ).GetText()},     // the highest rate a file can give
        {"16", "8"},
        {"ST", "MO"},
        {SizeText(1023), SizeText(9.99 * k), SizeText(99.9 * k), SizeText(1023 * k), SizeText(1023 * k * k),
         SizeText(99.99 * k * k * k)},
        {"New", "Changed"},
    }};
}

void TUnitWave::ShowWaveStatus() const
{
    std::array<std::string, 6> texts = WaveStatusTexts();
    for (int i = 0; i < 6; ++i)
        MainForm().GetWaveStatusPanel(i + 2)->SetText(texts[static_cast<size_t>(i)]);
}
