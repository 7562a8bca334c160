#pragma once
#include "music/NoteInFlight.h"
#include "music/PartNote.h"

#include <cstddef>
#include <string>
#include <vector>

// A note of a player in a render: its parts' shares, each read on the
// walking thread, made in Make and mixed into the target in the parts' order.
class TPlayerNote : public TNoteInFlight {
public:
    TPlayerNote(std::string playerName, Sound& target, double time);

    // The share of the next part.
    TPartNote& AddPart() { return Parts.emplace_back(); }

    bool HasWork() const override;
    // The parts in order, up to the first that the stop flag ends.
    void Make(StopFlag* stop) override;
    // The parts made, each at the note's time less its lead time plus its
    // shift; false with "in Player "name": " and the reason.
    bool Mix(StopFlag* stop, std::string& message) override;

private:
    std::string PlayerName;
    Sound& Target;
    double Time;
    std::vector<TPartNote> Parts;
    // The first part that could not be made; none when all were.
    size_t Unmade;
};
