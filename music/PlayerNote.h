#pragma once
#include "music/NoteInFlight.h"
#include "music/PartNote.h"
#include "music/PlayedNote.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class TOnePlayer;

// A note of a player, the one way a note is rendered, alone or in a render:
// each part's share is read on the walking thread (a factory part's sound is
// made there), the samplers' sounds are made in Make, on any thread, and the
// shares are mixed into the target in the parts' order.
class TPlayerNote : public TNoteInFlight {
public:
    // The note's start goes into target at time.
    TPlayerNote(std::string playerName, Sound& target, double time);

    // Each part's share of the note; false with the reason of the part that failed.
    bool Start(const std::vector<std::unique_ptr<TOnePlayer>>& parts, StopFlag* stop, const TPlayedNote& note,
               const TNotePlace& place, std::string& reason);

    bool HasWork() const override;
    // The parts in order, up to the first that the stop flag ends.
    void Make(StopFlag* stop) override;
    // The parts made, each at the note's time less its lead time plus its
    // shift; false with InPlayer of the reason.
    bool Mix(StopFlag* stop, std::string& message) override;
    // The same with the part's reason alone, for a note played on its own.
    bool MixParts(StopFlag* stop, std::string& reason);
    // "in Player "name": " and the reason: a note rendered into a target says
    // whose it is.
    std::string InPlayer(const std::string& reason) const;

private:
    std::string PlayerName;
    Sound& Target;
    double Time;
    std::vector<TPartNote> Parts;
    // The first part that could not be made; none when all were.
    size_t Unmade;
};
