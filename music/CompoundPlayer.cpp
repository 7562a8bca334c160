#include "music/CompoundPlayer.h"

#include "foundation/StopReason.h"
#include "music/PlayerNote.h"
#include "music/PlayerTexts.h"
#include "platform/Assertions.h"
#include "wave/StereoSound.h"
#include "wave/WaveLoops.h"

#include <algorithm>

TCompoundPlayer::PartList::const_iterator TCompoundPlayer::Find(const TOnePlayer* part) const
{
    return std::find_if(OnePlayers.begin(), OnePlayers.end(), [part](const auto& each) { return each.get() == part; });
}

TOnePlayer& TCompoundPlayer::InsertOnePlayer(const TOnePlayer* after, std::unique_ptr<TOnePlayer> part)
{
    TOnePlayer& inserted = *part;
    auto place = OnePlayers.begin();
    // Appending, as a reader does part after part, needs no search.
    if (after && after == GetLastOnePlayer()) {
        place = OnePlayers.end();
    } else if (after) {
        auto found = Find(after);
        QB_CHECK(found != OnePlayers.end());
        place = found == OnePlayers.end() ? OnePlayers.end() : OnePlayers.begin() + (found - OnePlayers.begin()) + 1;
    }
    OnePlayers.insert(place, std::move(part));
    return inserted;
}

std::unique_ptr<TOnePlayer> TCompoundPlayer::DeleteOnePlayer(const TOnePlayer* part)
{
    auto found = Find(part);
    if (!QB_CHECK(found != OnePlayers.end()) || OnePlayers.size() < 2)
        return nullptr;
    auto place = OnePlayers.begin() + (found - OnePlayers.begin());
    std::unique_ptr<TOnePlayer> taken = std::move(*place);
    OnePlayers.erase(place);
    if (CurrentOnePlayer == taken.get())
        CurrentOnePlayer = nullptr;
    return taken;
}

TOnePlayer* TCompoundPlayer::GetPrevOnePlayer(const TOnePlayer* part) const
{
    auto found = Find(part);
    return found == OnePlayers.end() || found == OnePlayers.begin() ? nullptr : std::prev(found)->get();
}

TOnePlayer* TCompoundPlayer::GetNextOnePlayer(const TOnePlayer* part) const
{
    auto found = Find(part);
    return found == OnePlayers.end() || std::next(found) == OnePlayers.end() ? nullptr : std::next(found)->get();
}

int TCompoundPlayer::PositionOf(const TOnePlayer* part) const
{
    auto found = Find(part);
    return found == OnePlayers.end() ? 0 : static_cast<int>(found - OnePlayers.begin()) + 1;
}

bool TCompoundPlayer::Validate(std::string& message)
{
    for (const auto& part : OnePlayers) {
        std::string reason;
        if (!part->FindFactory(reason)) {
            message = "Player \"" + NamePlayer + "\": " + reason;
            return false;
        }
    }
    return true;
}

std::unique_ptr<TNoteInFlight> TCompoundPlayer::StartNoteInto(StopFlag* stop, Sound& target, const TNotePlace& place,
                                                              const TPlayedNote& note, std::string& message)
{
    auto started = std::make_unique<TPlayerNote>(NamePlayer, target, place.Time);
    std::string reason;
    if (started->Start(OnePlayers, stop, note, place, reason))
        return started;
    message = started->InPlayer(reason);
    return nullptr;
}

bool TCompoundPlayer::PlayNoteInto(StopFlag* stop, Sound& target, const TNotePlace& place, const TPlayedNote& note,
                                   std::string& message)
{
    const std::unique_ptr<TNoteInFlight> started = StartNoteInto(stop, target, place, note, message);
    if (!started)
        return false;
    started->Make(stop);
    return started->Mix(stop, message);
}

SoundPtr TCompoundPlayer::PlayNote(StopFlag* stop, int32_t sampleFreq, int16_t bytesPerSample,
                                   const TPlayedNote& note, const TNotePlace& place, bool& ok, std::string& message)
{
    const double lead = GetLeadTime(note, ok, message);
    if (!ok)
        return nullptr;
    const double length = GetSoundLength(note, ok, message);
    if (!ok)
        return nullptr;
    auto fail = [&](const std::string& reason) -> SoundPtr {
        ok = false;
        message = reason;
        return nullptr;
    };
    // Always stereo, whatever the music: a note is played on its own.
    StereoSound empty(sampleFreq, bytesPerSample);
    int32_t b = 0;
    int32_t e = 0;
    SoundPtr result = empty.InsertSilence(stop, lead + length, b, e);
    if (!result || IsStopped(stop))
        return fail(StoppedRunReason());
    // The note's start goes in after the longest lead; it names no player.
    TPlayerNote alone(NamePlayer, *result, lead);
    std::string reason;
    if (!alone.Start(OnePlayers, stop, note, place, reason))
        return fail(reason);
    alone.Make(stop);
    if (!alone.MixParts(stop, reason))
        return fail(reason);
    ok = true;
    return result;
}

double TCompoundPlayer::Largest(const TPlayedNote& note, bool leadTime, bool& ok, std::string& message) const
{
    double largest = 0.0;
    for (const auto& part : OnePlayers) {
        bool partOk = true;
        const double value = leadTime ? part->GetLeadTime(note, partOk, message)
                                      : part->GetSoundLength(note, partOk, message);
        if (!partOk) {
            ok = false;
            return 0.0;
        }
        largest = std::max(largest, value);
    }
    ok = true;
    return largest;
}

double TCompoundPlayer::GetLeadTime(const TPlayedNote& note, bool& ok, std::string& message) const
{
    return Largest(note, true, ok, message);
}

double TCompoundPlayer::GetSoundLength(const TPlayedNote& note, bool& ok, std::string& message) const
{
    return Largest(note, false, ok, message);
}
