#include "music/UnitPlayers.h"

#include "music/PlayersWindowAccess.h"
#include "platform/Assertions.h"

#include <algorithm>

TUnitPlayers::TUnitPlayers(const std::string& name, const std::string& fileName) : TFileUnit(UnitKindPlayers)
{
    Name = name;
    FileName = fileName;
}

TUnitPlayers::~TUnitPlayers() = default;

void TUnitPlayers::UpdateWindow()
{
    if (PlayersWindow)
        PlayersWindow->UpdateControls();
}

void TUnitPlayers::InitNewSet()
{
    InsertNewPlayer(nullptr);
    SetCurrentPlayer(GetFirstPlayer());
}

TUnitPlayers::PlayerList::const_iterator TUnitPlayers::Find(const TCompoundPlayer* player) const
{
    return std::find_if(CompoundPlayers.begin(), CompoundPlayers.end(),
                        [player](const auto& each) { return each.get() == player; });
}

TCompoundPlayer* TUnitPlayers::GetFirstPlayer() const
{
    return CompoundPlayers.empty() ? nullptr : CompoundPlayers.front().get();
}

TCompoundPlayer* TUnitPlayers::GetLastPlayer() const
{
    return CompoundPlayers.empty() ? nullptr : CompoundPlayers.back().get();
}

TOnePlayer* TUnitPlayers::GetCurrentOnePlayer() const
{
    return CurrentCompoundPlayer ? CurrentCompoundPlayer->GetCurrentOnePlayer() : nullptr;
}

TOnePlayer* TUnitPlayers::GetFirstOnePlayer() const
{
    return CurrentCompoundPlayer ? CurrentCompoundPlayer->GetFirstOnePlayer() : nullptr;
}

TCompoundPlayer* TUnitPlayers::GetPlayerBefore(const TCompoundPlayer* player) const
{
    auto found = Find(player);
    return found == CompoundPlayers.end() || found == CompoundPlayers.begin() ? nullptr : std::prev(found)->get();
}

TCompoundPlayer* TUnitPlayers::GetPlayerAfter(const TCompoundPlayer* player) const
{
    auto found = Find(player);
    return found == CompoundPlayers.end() || std::next(found) == CompoundPlayers.end() ? nullptr
                                                                                      : std::next(found)->get();
}

int TUnitPlayers::PositionOf(const TCompoundPlayer* player) const
{
    auto found = Find(player);
    return found == CompoundPlayers.end() ? 0 : static_cast<int>(found - CompoundPlayers.begin()) + 1;
}

TCompoundPlayer& TUnitPlayers::InsertPlayerAfter(const TCompoundPlayer* after, std::unique_ptr<TCompoundPlayer> player)
{
    TCompoundPlayer& inserted = *player;
    auto place = CompoundPlayers.begin();
    // Appending, as a reader does player after player, needs no search.
    if (after && after == GetLastPlayer()) {
        place = CompoundPlayers.end();
    } else if (after) {
        auto found = Find(after);
        QB_CHECK(found != CompoundPlayers.end());
        place = found == CompoundPlayers.end() ? CompoundPlayers.end()
                                               : CompoundPlayers.begin() + (found - CompoundPlayers.begin()) + 1;
    }
    CompoundPlayers.insert(place, std::move(player));
    return inserted;
}

std::unique_ptr<TOnePlayer> TUnitPlayers::NewDefaultPart()
{
    // The constructor's part: a simple sampler on "sample" at 1 kHz, 50 %, balance off.
    return std::make_unique<TOnePlayer>();
}

TCompoundPlayer& TUnitPlayers::InsertNewPlayer(const TCompoundPlayer* after)
{
    auto player = std::make_unique<TCompoundPlayer>(NewPlayerName());
    TOnePlayer& part = player->InsertOnePlayer(nullptr, NewDefaultPart());
    player->SetCurrentOnePlayer(&part);
    TCompoundPlayer& inserted = InsertPlayerAfter(after, std::move(player));
    SetCurrentPlayer(&inserted);
    return inserted;
}

TOnePlayer* TUnitPlayers::InsertNewOnePlayer(const TOnePlayer* after)
{
    if (!CurrentCompoundPlayer)
        return nullptr;
    TOnePlayer& part = CurrentCompoundPlayer->InsertOnePlayer(after, NewDefaultPart());
    CurrentCompoundPlayer->SetCurrentOnePlayer(&part);
    return &part;
}

std::unique_ptr<TCompoundPlayer> TUnitPlayers::DeletePlayer(const TCompoundPlayer* player)
{
    auto found = Find(player);
    if (!QB_CHECK(found != CompoundPlayers.end()) || CompoundPlayers.size() < 2)
        return nullptr;
    auto place = CompoundPlayers.begin() + (found - CompoundPlayers.begin());
    std::unique_ptr<TCompoundPlayer> taken = std::move(*place);
    CompoundPlayers.erase(place);
    // The caller moves the cursor first; it never points at a player that is gone.
    if (CurrentCompoundPlayer == taken.get())
        CurrentCompoundPlayer = nullptr;
    return taken;
}

TCompoundPlayer* TUnitPlayers::FindCompoundPlayer(const std::string& name) const
{
    for (const auto& player : CompoundPlayers)
        if (player->GetName() == name)
            return player.get();
    return nullptr;
}

bool TUnitPlayers::PlayerNameExists(const std::string& name, const TCompoundPlayer* except) const
{
    for (const auto& player : CompoundPlayers)
        if (player.get() != except && player->GetName() == name)
            return true;
    return false;
}

int TUnitPlayers::AddPlayerNames(std::vector<std::string>& list) const
{
    for (const auto& player : CompoundPlayers)
        list.push_back(player->GetName());
    return CountPlayers();
}

std::string TUnitPlayers::NewPlayerName() const
{
    for (int n = 1;; ++n) {
        std::string name = "Player " + std::to_string(n);
        if (!PlayerNameExists(name, nullptr))
            return name;
    }
}
