#pragma once
#include "wave/Sound.h"

#include <string>

// A note of a render on its way from the walk of the part tree into its
// render sound. The walking thread has read all the note needs of shared
// state (the windows, the factories, the random generator) when it hands the
// note over; what is left is made by Make, which may run on any thread, and
// mixed in by Mix on the walking thread, the notes strictly in the walk's order.
class TNoteInFlight {
public:
    virtual ~TNoteInFlight() = default;

    // Whether Make has a sound to make.
    virtual bool HasWork() const = 0;
    // Makes the note's sounds from what it holds; it reads nothing else but the
    // stop flag, and shows nothing. A note the flag ended says so at Mix.
    virtual void Make(StopFlag* stop) = 0;
    // Mixes the note into its render sound; false with the reason.
    virtual bool Mix(StopFlag* stop, std::string& message) = 0;
};
