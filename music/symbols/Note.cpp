#include "music/symbols/Note.h"

#include "music/NotePlayerAccess.h"

#include <cmath>

namespace {
constexpr long double OctavesPerSemitone = 1.0L / 12.0L;
const char* const NoPlayer = "The note has no player.";

// The note's player; without one, ok false and the reason.
TCompoundPlayer* PlayerOf(const TNote& note, bool& ok, std::string& message)
{
    TCompoundPlayer* player = note.GetCompoundPlayer();
    if (!player) {
        ok = false;
        message = NoPlayer;
    }
    return player;
}

// What the players get of the note, shift semitones higher at the tempo.
TPlayedNote ToPlay(const TNote& note, int32_t shift, double tempo)
{
    return {note.GetShiftedPeriod(shift), note.GetFreqFactor(), note.GetVolumeFactor(), note.GetPlayLength(), tempo};
}

} // namespace

double TNote::GetShiftedPeriod(int32_t shift) const
{
    return GetPeriod() * static_cast<double>(std::pow(0.5L, shift * OctavesPerSemitone));
}

SoundPtr TNote::RenderNew(int32_t shift, double tempo, StopFlag* stop, int32_t sampleFreq, int16_t bytesPerSample,
                          const TNotePlace& place, bool& ok, std::string& message) const
{
    TCompoundPlayer* player = PlayerOf(*this, ok, message);
    if (!player)
        return nullptr;
    const TPlayedNote note = ToPlay(*this, shift, tempo);
    return NotePlayers().PlayNote(*player, stop, sampleFreq, bytesPerSample, note, place, ok, message);
}

double TNote::GetLeadTime(int32_t shift, double tempo, bool& ok, std::string& message) const
{
    TCompoundPlayer* player = PlayerOf(*this, ok, message);
    if (!player)
        return 0;
    const TPlayedNote note = ToPlay(*this, shift, tempo);
    return NotePlayers().GetLeadTime(*player, note, ok, message);
}

double TNote::GetSoundLength(int32_t shift, double tempo, bool& ok, std::string& message) const
{
    TCompoundPlayer* player = PlayerOf(*this, ok, message);
    if (!player)
        return 0;
    const TPlayedNote note = ToPlay(*this, shift, tempo);
    return NotePlayers().GetSoundLength(*player, note, ok, message);
}
