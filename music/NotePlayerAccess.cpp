#include "music/NotePlayerAccess.h"

#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "platform/ServiceSlot.h"

#include <algorithm>

namespace {

NotePlayerAccess notePlayerFallback;
ServiceSlot<NotePlayerAccess> notePlayerSlot(notePlayerFallback);

const char* const NoPlayers = "There are no players.";

// Old player elements are three levels deep at most; the grammar saw to it.
std::unique_ptr<TXMLItem> CopyElement(const TXMLItem& item)
{
    std::unique_ptr<TXMLItem> copy;
    if (item.GetKind() == xmlItemString) {
        copy = std::make_unique<TXMLStringElement>(item.GetElement(), item.GetValue());
    } else {
        auto complex = std::make_unique<TXMLComplexElement>(item.GetElement());
        for (const TXMLItem* child = item.GetFirst(); child; child = child->GetNext())
            complex->AddItem(CopyElement(*child));
        copy = std::move(complex);
    }
    copy->SetPosition(item.GetLine(), item.GetColumn());
    return copy;
}

} // namespace

NotePlayerAccess& NotePlayers()
{
    return notePlayerSlot.Get();
}

NotePlayerAccess* SetNotePlayerAccess(NotePlayerAccess* access)
{
    return notePlayerSlot.Set(access);
}

NotePlayerAccess::~NotePlayerAccess() = default;

TCompoundPlayer* NotePlayerAccess::FindCompoundPlayer(const std::string&, const std::string&)
{
    return nullptr;
}

bool NotePlayerAccess::Validate(TCompoundPlayer&, std::string& message)
{
    message = NoPlayers;
    return false;
}

double NotePlayerAccess::GetLeadTime(TCompoundPlayer&, const TPlayedNote&, bool& ok, std::string& message)
{
    ok = false;
    message = NoPlayers;
    return 0;
}

double NotePlayerAccess::GetSoundLength(TCompoundPlayer&, const TPlayedNote&, bool& ok, std::string& message)
{
    ok = false;
    message = NoPlayers;
    return 0;
}

SoundPtr NotePlayerAccess::PlayNote(TCompoundPlayer&, StopFlag*, int32_t, int16_t, const TPlayedNote&,
                                    const TNotePlace&, bool& ok, std::string& message)
{
    ok = false;
    message = NoPlayers;
    return nullptr;
}

std::unique_ptr<TNoteInFlight> NotePlayerAccess::StartNoteInto(TCompoundPlayer&, StopFlag*, Sound&,
                                                               const TNotePlace&, const TPlayedNote&,
                                                               std::string& message)
{
    message = NoPlayers;
    return nullptr;
}

TConvertedPlayerSet* NotePlayerAccess::NewConvertedPlayerSet(const std::string& name)
{
    // Unique among the sets held, as the main window makes it among its documents.
    std::string unique = name;
    auto taken = [this](const std::string& candidate) {
        return std::any_of(held.begin(), held.end(), [&](const auto& set) { return set->GetName() == candidate; });
    };
    for (int n = 2; taken(unique); ++n)
        unique = name + " " + std::to_string(n);
    held.push_back(std::make_unique<THeldPlayerSet>(unique));
    return held.back().get();
}

void NotePlayerAccess::KeepConvertedPlayerSet(TConvertedPlayerSet& set)
{
    for (auto& held_set : held)
        if (held_set.get() == &set)
            held_set->SetKept();
}

void NotePlayerAccess::CloseConvertedPlayerSet(TConvertedPlayerSet& set)
{
    std::erase_if(held, [&set](const auto& held_set) { return held_set.get() == &set; });
}

NotePlayerAccess::THeldPlayerSet::THeldPlayerSet(std::string name) : name(std::move(name)) {}

NotePlayerAccess::THeldPlayerSet::~THeldPlayerSet() = default;

bool NotePlayerAccess::THeldPlayerSet::AddConvertedPlayer(const TXMLItem& compoundPlayer, std::string& playerName,
                                                          std::string&, int32_t&, int32_t&)
{
    // The first free "Player n", as a player set names its new players.
    auto taken = [this](const std::string& candidate) {
        return std::any_of(players.begin(), players.end(), [&](const TPlayer& p) { return p.name == candidate; });
    };
    int n = 1;
    while (taken("Player " + std::to_string(n)))
        ++n;
    playerName = "Player " + std::to_string(n);
    players.push_back({playerName, CopyElement(compoundPlayer)});
    return true;
}
