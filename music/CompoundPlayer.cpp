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

bool TCompoundPlayer::PlayNoteInto(StopFlag* stop, Sound& target, const TNotePlace& place, const TPlayedNote& note,
                                   std::string& message)
{
    std::string reason;
    if (MixParts(stop, target, place.Time, place, note, reason))
        return true;
    message = "in Player \"" + NamePlayer + "\": " + reason;
    return false;
}

bool TCompoundPlayer::MixParts(StopFlag* stop, Sound& target, double time, const TNotePlace& place,
                               const TPlayedNote& note, std::string& reason)
{
    for (const auto& part : OnePlayers) {
        TPartNote share;
        if (!part->PrepareNote(stop, note, place, share, reason))
            return false;
        if (!share.Make(stop)) {
            reason = StoppedRunReason();
            return false;
        }
        if (!share.MixInto(stop, target, time, reason))
            return false;
    }
    return true;
}

std::unique_ptr<TNoteInFlight> TCompoundPlayer::StartNoteInto(StopFlag* stop, Sound& target, const TNotePlace& place,
                                                              const TPlayedNote& note, std::string& message)
{
    auto started = std::make_unique<TPlayerNote>(NamePlayer, target, place.Time);
    for (const auto& part : OnePlayers) {
        std::string reason;
        if (!part->PrepareNote(stop, note, place, started->AddPart(), reason)) {
            message = "in Player \"" + NamePlayer + "\": " + reason;
            return nullptr;
        }
    }
    return started;
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
    std::string reason;
    if (!MixParts(stop, *result, lead, place, note, reason))
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
