#pragma once
#include "music/OnePlayer.h"
#include "music/PlayedNote.h"
#include "wave/Sound.h"

#include <memory>
#include <string>
#include <vector>

class TNoteInFlight;
class TXMLComplexElement;

// A named player: an ordered list of parts (at least one once it is made)
// whose sounds it mixes, each at the note's time less the part's lead time
// plus the part's shift. Its part cursor is the part its window shows.
class TCompoundPlayer {
public:
    using PartList = std::vector<std::unique_ptr<TOnePlayer>>;

    explicit TCompoundPlayer(std::string name) : NamePlayer(std::move(name)) {}

    const std::string& GetName() const { return NamePlayer; }
    void SetName(const std::string& name) { NamePlayer = name; }

    // ---- the parts ----
    const PartList& Parts() const { return OnePlayers; }
    int CountParts() const { return static_cast<int>(OnePlayers.size()); }
    TOnePlayer* GetFirstOnePlayer() const { return OnePlayers.empty() ? nullptr : OnePlayers.front().get(); }
    TOnePlayer* GetLastOnePlayer() const { return OnePlayers.empty() ? nullptr : OnePlayers.back().get(); }
    // Null after for an empty list puts the part first; otherwise behind after,
    // which must be a part of this player.
    TOnePlayer& InsertOnePlayer(const TOnePlayer* after, std::unique_ptr<TOnePlayer> part);
    // Takes the part out; the only part of a player stays (null then).
    std::unique_ptr<TOnePlayer> DeleteOnePlayer(const TOnePlayer* part);
    TOnePlayer* GetPrevOnePlayer(const TOnePlayer* part) const;
    TOnePlayer* GetNextOnePlayer(const TOnePlayer* part) const;
    // 1-based place of the part, 0 when it is not one of this player's.
    int PositionOf(const TOnePlayer* part) const;
    TOnePlayer* GetCurrentOnePlayer() const { return CurrentOnePlayer; }
    void SetCurrentOnePlayer(TOnePlayer* part) { CurrentOnePlayer = part; }

    // ---- playing ----
    // Binds every factory part; the first failure gives
    // "Player "name": " and the part's reason.
    bool Validate(std::string& message);
    // The note alone in a new stereo sound of the format, L + D seconds long
    // (plus one sample); null with ok false and the part's reason on failure.
    SoundPtr PlayNote(StopFlag* stop, int32_t sampleFreq, int16_t bytesPerSample, const TPlayedNote& note,
                      const TNotePlace& place, bool& ok, std::string& message);
    // The note of a render: what the parts read of shared state is read now
    // (the factory parts' sounds made), the rest is made and mixed into
    // target at the place's time by the note handed back. Null with
    // "in Player "name": " and the reason.
    std::unique_ptr<TNoteInFlight> StartNoteInto(StopFlag* stop, Sound& target, const TNotePlace& place,
                                                 const TPlayedNote& note, std::string& message);
    // The same note started, made and mixed at once; the target keeps its
    // length. False with "in Player "name": " and the reason; the parts
    // before a part that could not be made stay in the target.
    bool PlayNoteInto(StopFlag* stop, Sound& target, const TNotePlace& place, const TPlayedNote& note,
                      std::string& message);
    // The largest over the parts, from 0.0; ok false (and 0.0) when a part fails.
    double GetLeadTime(const TPlayedNote& note, bool& ok, std::string& message) const;
    double GetSoundLength(const TPlayedNote& note, bool& ok, std::string& message) const;

    std::unique_ptr<TXMLComplexElement> WriteXml() const;

private:
    PartList::const_iterator Find(const TOnePlayer* part) const;
    double Largest(const TPlayedNote& note, bool leadTime, bool& ok, std::string& message) const;

    PartList OnePlayers;
    TOnePlayer* CurrentOnePlayer = nullptr;
    std::string NamePlayer;
};
