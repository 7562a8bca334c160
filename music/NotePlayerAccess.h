#pragma once
// Where the music meets the note players.
//
// The players (a player set document of named compound players, each made of
// parts that render a note) are built apart from the music. The music only
// names a player by its set and its own name, and asks it through this
// interface to prepare itself, to measure a note and to render a note into a
// sound; and when an old music file carried its players inside its note
// groups, it hands each old player element to a converted player set made
// for that file. The shell installs the real access once the players exist.
//
// Until then the stand-in finds no player (so nothing sounds and every
// look-up reports the player missing) and keeps, per converted set, a copy
// of each old player element it was handed, so old files still load and can
// be saved as current ones; tests read what was handed over.
#include "music/NoteInFlight.h"
#include "music/PlayedNote.h"
#include "wave/Sound.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCompoundPlayer;
class TXMLItem;

// The player set made for the players of an old music file.
class TConvertedPlayerSet {
public:
    virtual ~TConvertedPlayerSet() = default;
    virtual const std::string& GetName() const = 0;
    // Appends a player made from an old "CompoundPlayer" element and gives
    // its name; false with the reason and the place of the faulty element.
    virtual bool AddConvertedPlayer(const TXMLItem& compoundPlayer, std::string& playerName, std::string& error,
                                    int32_t& line, int32_t& column) = 0;
};

class NotePlayerAccess {
public:
    virtual ~NotePlayerAccess();

    // The player of that name in the open player set of that name, or nullptr.
    virtual TCompoundPlayer* FindCompoundPlayer(const std::string& playerName, const std::string& setName);
    // Prepares every part of the player for playing; false with the reason.
    virtual bool Validate(TCompoundPlayer& player, std::string& message);
    // Seconds before the note's start at which its sound begins, and the
    // length of its sound; ok false with the reason when a part fails.
    virtual double GetLeadTime(TCompoundPlayer& player, const TPlayedNote& note, bool& ok, std::string& message);
    virtual double GetSoundLength(TCompoundPlayer& player, const TPlayedNote& note, bool& ok, std::string& message);
    // The note alone in a new stereo sound of the format; nullptr with ok
    // false and the reason when a part fails.
    virtual SoundPtr PlayNote(TCompoundPlayer& player, StopFlag* stop, int32_t sampleFreq, int16_t bytesPerSample,
                              const TPlayedNote& note, const TNotePlace& place, bool& ok, std::string& message);
    // The note of a render, to be made (on any thread) and mixed into target
    // at the place's time (on this one) later; what it reads of shared state
    // is read now. Null with the reason when the note cannot be rendered.
    virtual std::unique_ptr<TNoteInFlight> StartNoteInto(TCompoundPlayer& player, StopFlag* stop, Sound& target,
                                                         const TNotePlace& place, const TPlayedNote& note,
                                                         std::string& message);

    // A new, empty player set for an old music file, named name or, when an
    // open document has that name, a name made unique from it. Never null.
    virtual TConvertedPlayerSet* NewConvertedPlayerSet(const std::string& name);
    // The music file was read: the set stays open and shows its players.
    virtual void KeepConvertedPlayerSet(TConvertedPlayerSet& set);
    // The music file failed: the set is closed without a save question.
    virtual void CloseConvertedPlayerSet(TConvertedPlayerSet& set);

    // The stand-in's converted sets: what each was handed, in order.
    class THeldPlayerSet;
    const std::vector<std::unique_ptr<THeldPlayerSet>>& HeldPlayerSets() const { return held; }

private:
    std::vector<std::unique_ptr<THeldPlayerSet>> held;
};

// A converted set of the stand-in: the old player elements as they came.
class NotePlayerAccess::THeldPlayerSet : public TConvertedPlayerSet {
public:
    explicit THeldPlayerSet(std::string name);
    ~THeldPlayerSet() override;
    const std::string& GetName() const override { return name; }
    bool AddConvertedPlayer(const TXMLItem& compoundPlayer, std::string& playerName, std::string& error,
                            int32_t& line, int32_t& column) override;

    struct TPlayer {
        std::string name;
        std::unique_ptr<TXMLItem> element;
    };
    const std::vector<TPlayer>& Players() const { return players; }
    bool IsKept() const { return kept; }
    void SetKept() { kept = true; }

private:
    std::string name;
    std::vector<TPlayer> players;
    bool kept = false;
};

// The access in force.
NotePlayerAccess& NotePlayers();
// Installs an access (not owned) and gives the previous one; nullptr restores the stand-in.
NotePlayerAccess* SetNotePlayerAccess(NotePlayerAccess* access);
