#include "music/PlayerNote.h"

#include "foundation/StopReason.h"

#include <algorithm>
#include <cstdint>

TPlayerNote::TPlayerNote(std::string playerName, Sound& target, double time)
    : PlayerName(std::move(playerName)), Target(target), Time(time), Unmade(SIZE_MAX)
{
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
    for (size_t i = 0; i < Parts.size(); ++i) {
        std::string reason;
        // Why a part was not made is said here, on the thread whose watcher knows.
        if (i == Unmade)
            reason = StoppedRunReason();
        else if (Parts[i].MixInto(stop, Target, Time, reason))
            continue;
        message = "in Player \"" + PlayerName + "\": " + reason;
        return false;
    }
    return true;
}
