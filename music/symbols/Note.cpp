#include "music/symbols/Note.h"

#include "music/NotePlayerAccess.h"

#include <cmath>

namespace {
constexpr long double OneTwelfth = 1.0L / 12.0L;
const char* const NoPlayer = "The note has no player.";
} // namespace

double TNote::GetShiftedPeriod(int32_t shift) const
{
    return GetPeriod() * static_cast<double>(std::pow(0.5L, shift * OneTwelfth));
}

SoundPtr TNote::RenderNew(int32_t shift, double tempo, StopFlag* stop, int16_t monoStereo, int32_t sampleFreq,
                          int16_t bytesPerSample, double musicPosition, double timePosition, double musicLength,
                          bool& ok, std::string& message) const
{
    TCompoundPlayer* player = GetCompoundPlayer();
    if (!player) {
        ok = false;
        message = NoPlayer;
        return nullptr;
    }
    TNoteToPlay note{GetShiftedPeriod(shift), GetFreqFactor(), GetVolumeFactor(), GetPlayLength(), tempo};
    return NotePlayers().PlayNote(*player, stop, sampleFreq, bytesPerSample, monoStereo, note, musicPosition,
                                  timePosition, musicLength, ok, message);
}

double TNote::GetLeadTime(int32_t shift, double tempo, bool& ok, std::string& message) const
{
    TCompoundPlayer* player = GetCompoundPlayer();
    if (!player) {
        ok = false;
        message = NoPlayer;
        return 0;
    }
    TNoteToPlay note{GetShiftedPeriod(shift), GetFreqFactor(), GetVolumeFactor(), GetPlayLength(), tempo};
    return NotePlayers().GetLeadTime(*player, note, ok, message);
}

double TNote::GetSoundLength(int32_t shift, double tempo, bool& ok, std::string& message) const
{
    TCompoundPlayer* player = GetCompoundPlayer();
    if (!player) {
        ok = false;
        message = NoPlayer;
        return 0;
    }
    TNoteToPlay note{GetShiftedPeriod(shift), GetFreqFactor(), GetVolumeFactor(), GetPlayLength(), tempo};
    return NotePlayers().GetSoundLength(*player, note, ok, message);
}
