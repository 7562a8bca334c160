#include "music/PlayersNoteAccess.h"

#include "music/CompoundPlayer.h"
#include "music/PlayersWindowAccess.h"
#include "music/UnitPlayers.h"
#include "wave/MainFormAccess.h"

#include <algorithm>

// A player set document taking the players of an old music file.
class TPlayersNoteAccess::TConvertedSet : public TConvertedPlayerSet {
public:
    explicit TConvertedSet(TUnitPlayers& set) : set(set) {}
    const std::string& GetName() const override { return set.GetName(); }
    bool AddConvertedPlayer(const TXMLItem& compoundPlayer, std::string& playerName, std::string& error,
                            int32_t& line, int32_t& column) override
    {
        return set.AddConvertedPlayer(compoundPlayer, playerName, error, line, column);
    }
    TUnitPlayers& set;
};

TPlayersNoteAccess::TPlayersNoteAccess() = default;
TPlayersNoteAccess::~TPlayersNoteAccess() = default;

TCompoundPlayer* TPlayersNoteAccess::FindCompoundPlayer(const std::string& playerName, const std::string& setName)
{
    return MainForm().FindCompoundPlayer(playerName, setName);
}

bool TPlayersNoteAccess::Validate(TCompoundPlayer& player, std::string& message)
{
    return player.Validate(message);
}

double TPlayersNoteAccess::GetLeadTime(TCompoundPlayer& player, const TPlayedNote& note, bool& ok,
                                       std::string& message)
{
    return player.GetLeadTime(note, ok, message);
}

double TPlayersNoteAccess::GetSoundLength(TCompoundPlayer& player, const TPlayedNote& note, bool& ok,
                                          std::string& message)
{
    return player.GetSoundLength(note, ok, message);
}

SoundPtr TPlayersNoteAccess::PlayNote(TCompoundPlayer& player, StopFlag* stop, int32_t sampleFreq,
                                      int16_t bytesPerSample, const TPlayedNote& note, const TNotePlace& place,
                                      bool& ok, std::string& message)
{
    return player.PlayNote(stop, sampleFreq, bytesPerSample, note, place, ok, message);
}

std::unique_ptr<TNoteInFlight> TPlayersNoteAccess::StartNoteInto(TCompoundPlayer& player, StopFlag* stop,
                                                                 Sound& target, const TNotePlace& place,
                                                                 const TPlayedNote& note, std::string& message)
{
    return player.StartNoteInto(stop, target, place, note, message);
}

TConvertedPlayerSet* TPlayersNoteAccess::NewConvertedPlayerSet(const std::string& name)
{
    std::string given;
    TUnitPlayers* set = MainForm().NewUnitPlayers(name, given);
    if (!set)
        return NotePlayerAccess::NewConvertedPlayerSet(name);
    converted.push_back(std::make_unique<TConvertedSet>(*set));
    return converted.back().get();
}

std::unique_ptr<TPlayersNoteAccess::TConvertedSet> TPlayersNoteAccess::Take(TConvertedPlayerSet& set)
{
    auto found = std::find_if(converted.begin(), converted.end(), [&set](const auto& each) { return each.get() == &set; });
    if (found == converted.end())
        return nullptr;
    std::unique_ptr<TConvertedSet> taken = std::move(*found);
    converted.erase(found);
    return taken;
}

void TPlayersNoteAccess::KeepConvertedPlayerSet(TConvertedPlayerSet& set)
{
    if (std::unique_ptr<TConvertedSet> kept = Take(set))
        kept->set.UpdateWindow();
    else
        NotePlayerAccess::KeepConvertedPlayerSet(set);
}

void TPlayersNoteAccess::CloseConvertedPlayerSet(TConvertedPlayerSet& set)
{
    std::unique_ptr<TConvertedSet> closed = Take(set);
    if (!closed) {
        NotePlayerAccess::CloseConvertedPlayerSet(set);
        return;
    }
    if (TPlayersWindowAccess* window = closed->set.GetPlayersWindow())
        window->CloseWithoutQuestion();
}
