#pragma once
#include "music/PlayedNote.h"
#include "wave/Sound.h"

#include <string>

class TCompoundPlayer;

// A note as the players see it: when it starts, how long it sounds, at which
// pitch and loudness, and which player renders it.
class TNote {
public:
    virtual ~TNote() = default;

    // The next note of the bar after this one, on any stave.
    virtual TNote* GetNextNote() const = 0;
    virtual TCompoundPlayer* GetCompoundPlayer() const = 0;
    // The position, a tuplet member's being its tuplet's.
    virtual double GetPosition() const = 0;
    // Where this member of its tuplet starts.
    virtual double GetStartPosition() const = 0;
    // Seconds of one cycle of the written pitch with its accidental.
    virtual double GetPeriod() const = 0;
    virtual double GetFreqFactor() const = 0;
    virtual double GetVolumeFactor() const = 0;
    virtual double GetLength() const = 0;
    // Whole notes the note sounds.
    virtual double GetPlayLength() const = 0;
    virtual bool IsPlayable() const = 0;

    // The note alone in a new sound of the format, shift semitones higher at
    // the tempo, played for the place; nullptr with ok false and the reason
    // when it cannot be made.
    SoundPtr RenderNew(int32_t shift, double tempo, StopFlag* stop, int32_t sampleFreq, int16_t bytesPerSample,
                       const TNotePlace& place, bool& ok, std::string& message) const;
    // Seconds before the note at which its sound begins, and the seconds of its sound.
    double GetLeadTime(int32_t shift, double tempo, bool& ok, std::string& message) const;
    double GetSoundLength(int32_t shift, double tempo, bool& ok, std::string& message) const;

    // The period shift semitones higher.
    double GetShiftedPeriod(int32_t shift) const;
};
