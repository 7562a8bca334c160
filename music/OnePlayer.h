#pragma once
#include "music/OnePlayerProps.h"
#include "music/PlayedNote.h"
#include "wave/Sound.h"

#include <memory>
#include <string>

class TUnitSountory;
class TXMLComplexElement;
struct TPartNote;
struct TSample;

// One part of a player: it renders a note on its own, by its kind, at the
// note's frequency changed by its own factor and addition, and gives the
// sound to its player to mix. Every sound it gives is new or shared and is
// never changed afterwards by anyone.
class TOnePlayer {
public:
    // The settings of a new player's part: a simple sampler on "sample" at 1 kHz.
    TOnePlayer();
    // The plain values; the kind settings keep their defaults until one of
    // the kind setters follows.
    TOnePlayer(const unitFactor& volumeFactor, const unitFreq& freqUp, const unitFactor& freqFactor, bool balance,
               const unitBalAngleFactor& balanceFactor, uint8_t volDiff, bool timeDiff);

    void SetBalanceOn() { OnePlayerProps.Balance = true; }
    void SetBalanceOff() { OnePlayerProps.Balance = false; }
    void SetVolDiff(uint8_t volDiff) { OnePlayerProps.VolDiff = volDiff; }
    void SetTimeDiff(bool timeDiff) { OnePlayerProps.TimeDiff = timeDiff; }

    // Each stores its settings and makes its kind the one in force.
    void SetFactoryPlayerProps(const TFactoryPlayerProps& props);
    void SetSimpleSamplerProps(const TSimpleSamplerProps& props);
    void SetResonantSamplerProps(const TResonantSamplerProps& props);
    void SetRepeatWaveFormProps(const TRepeatWaveFormProps& props);
    void SetRollOutSamplerProps(const TRollOutSamplerProps& props);
    void SetRollOutWaveFormProps(const TRollOutWaveFormProps& props);
    TFactoryPlayerProps GetFactoryPlayerProps() const { return OnePlayerProps.FactoryPlayerProps; }
    TSimpleSamplerProps GetSimpleSamplerProps() const { return OnePlayerProps.SimpleSamplerProps; }
    TResonantSamplerProps GetResonantSamplerProps() const { return OnePlayerProps.ResonantSamplerProps; }
    TRepeatWaveFormProps GetRepeatWaveFormProps() const { return OnePlayerProps.RepeatWaveFormProps; }
    TRollOutSamplerProps GetRollOutSamplerProps() const { return OnePlayerProps.RollOutSamplerProps; }
    TRollOutWaveFormProps GetRollOutWaveFormProps() const { return OnePlayerProps.RollOutWaveFormProps; }
    // The players window's page switch: the settings of every kind stay.
    void SetNotePlayerKind(uint8_t kind) { OnePlayerProps.NotePlayerKind = kind; }
    uint8_t GetNotePlayerKind() const { return OnePlayerProps.NotePlayerKind; }

    // A factory part binds the open factory of its name; false with
    // "Cannot Find Factory ..." when there is none. Other kinds always succeed.
    bool FindFactory(std::string& message);
    // 1 / ((FreqFactor / period + FreqUp) * frequency factor).
    double GetPartPeriod(double period, double freqFactor) const;

    // The part's share of the note, on the thread that walks the music: a
    // factory part runs its factory and its sound is made here; a sampler
    // reads its sample window, and part.Make makes its sound later, on any
    // thread. Either way part.Make leaves the sound to mix (none for a part
    // frequency not above 0), the seconds it is moved later and the factor
    // it is mixed with. False with the reason when the note cannot be rendered.
    bool RunFactoryOrReadSample(StopFlag* stop, const TPlayedNote& note, const TNotePlace& place, TPartNote& part,
                                std::string& message);
    // Seconds the sound begins before the note's time, and lasts after it.
    // ok false with the reason when the sample window is missing.
    double GetLeadTime(const TPlayedNote& note, bool& ok, std::string& message) const;
    double GetSoundLength(const TPlayedNote& note, bool& ok, std::string& message) const;

    std::unique_ptr<TXMLComplexElement> WriteXml() const;

    TOnePlayerProps OnePlayerProps;

private:
    // What a sampler part reads of its window for the note, for its sound to be made later.
    bool PrepareSampler(double p, const TPlayedNote& note, TPartNote& part, std::string& message) const;
    bool RunNoteFactory(StopFlag* stop, SoundPtr& sound, double& shift, double p, const TPlayedNote& note,
                        const TNotePlace& place, std::string& message);
    double AnswerTime(const TPlayedNote& note, bool leadTime, bool& ok, std::string& message) const;
};
