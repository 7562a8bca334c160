#pragma once
#include "music/NotePlayerAccess.h"

#include <memory>
#include <vector>

class TUnitPlayers;

// The music's way to the players: the players of the open player sets, found
// by the main window, and the sets made for the players of old music files.
// The shell installs it for the main window's life.
class TPlayersNoteAccess : public NotePlayerAccess {
public:
    TPlayersNoteAccess();
    ~TPlayersNoteAccess() override;

    TCompoundPlayer* FindCompoundPlayer(const std::string& playerName, const std::string& setName) override;
    bool Validate(TCompoundPlayer& player, std::string& message) override;
    double GetLeadTime(TCompoundPlayer& player, const TPlayedNote& note, bool& ok, std::string& message) override;
    double GetSoundLength(TCompoundPlayer& player, const TPlayedNote& note, bool& ok, std::string& message) override;
    SoundPtr PlayNote(TCompoundPlayer& player, StopFlag* stop, int32_t sampleFreq, int16_t bytesPerSample,
                      const TPlayedNote& note, const TNotePlace& place, bool& ok, std::string& message) override;
    std::unique_ptr<TNoteInFlight> StartNoteInto(TCompoundPlayer& player, StopFlag* stop, Sound& target,
                                                 const TNotePlace& place, const TPlayedNote& note,
                                                 std::string& message) override;

    // A new, empty player set in its own window (the main window names it);
    // without a main window, the stand-in's held set.
    TConvertedPlayerSet* NewConvertedPlayerSet(const std::string& name) override;
    // The set shows the players it was given.
    void KeepConvertedPlayerSet(TConvertedPlayerSet& set) override;
    // The set's window closes without the save question.
    void CloseConvertedPlayerSet(TConvertedPlayerSet& set) override;

private:
    class TConvertedSet;
    // The converted set of a player set document, while its music is read.
    std::unique_ptr<TConvertedSet> Take(TConvertedPlayerSet& set);

    std::vector<std::unique_ptr<TConvertedSet>> converted;
};
