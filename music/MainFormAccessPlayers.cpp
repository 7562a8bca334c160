// The main window's look-ups that open a player set, on the floor that knows
// player sets; the rest of the access lives with the wave floor.
#include "music/UnitPlayers.h"
#include "wave/MainFormAccess.h"

TCompoundPlayer* MainFormAccess::FindCompoundPlayer(const std::string& playerName, const std::string& setName)
{
    TUnitPlayers* set = FindUnitPlayers(setName);
    return set ? set->FindCompoundPlayer(playerName) : nullptr;
}

int MainFormAccess::AddPlayerNames(std::vector<std::string>& list, const std::string& setName)
{
    TUnitPlayers* set = setName.empty() ? nullptr : FindUnitPlayers(setName);
    return set ? set->AddPlayerNames(list) : 0;
}
