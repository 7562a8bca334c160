#include "music/PlayerNote.h"

#include "foundation/StopReason.h"
#include "music/OnePlayer.h"

#include <algorithm>
#include <cstdint>

TPlayerNote::TPlayerNote(std::string playerName, Sound& target, double time)
    : PlayerName(std::move(playerName)), Target(target), Time(time), Unmade(SIZE_MAX)
{
}

bool TPlayerNote::Start(const std::vector<std::unique_ptr<TOnePlayer>>& parts, StopFlag* stop,
                        const TPlayedNote& note, const TNotePlace& place, std::string& reason)
{
    Parts.reserve(parts.size());
    for (const auto& part : parts)
        if (!part->RunFactoryOrReadSample(stop, note, place, Parts.emplace_back(), reason))
            return false;
    return true;
}

bool TPlayerNote::HasWork() const
{
    return std::any_of(Parts.begin(), Parts.end(), [](const TPartNote& part) { return part.Sampler != nullptr; });
}

void TPlayerNote::Make(StopFlag* stop)
{
    for (size_t i = 0; i < Parts.size(); ++i)
        if (!Parts[i].Make(stop)) {
            Unmade = i;
            return;
        }
}

bool TPlayerNote::Mix(StopFlag* stop, std::string& message)
{
    std::string reason;
    if (MixParts(stop, reason))
        return true;
    message = InPlayer(reason);
    return false;
}

bool TPlayerNote::MixParts(StopFlag* stop, std::string& reason)
{
    for (size_t i = 0; i < Parts.size(); ++i) {
        // Why a part was not made is said here, on the thread whose watcher knows.
        if (i == Unmade) {
            reason = StoppedRunReason();
            return false;
        }
        if (!Parts[i].MixInto(stop, Target, Time, reason))
            return false;
    }
    return true;
}

std::string TPlayerNote::InPlayer(const std::string& reason) const
{
    return "in Player \"" + PlayerName + "\": " + reason;
}
