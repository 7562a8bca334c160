#include "music/PlayersPresenter.h"

#include "factory/document/FactoryKinds.h"
#include "foundation/GuiMessages.h"
#include "music/PlayersFile.h"
#include "music/TrimName.h"
#include "music/UnitPlayers.h"

#include <memory>

namespace {

using F = TPlayersField;

// A name that must not be blank; false with the field's message.
bool TakeName(const std::string& text, const char* label, std::string& name)
{
    name = TrimName(text);
    if (!name.empty())
        return true;
    TGuiMessages().ErrorFieldEmpty(label);
    return false;
}

// A value field's text parsed into a copy of the value, which replaces it only when accepted.
template <class Value>
bool TakeValue(Value& value, const std::string& text, const char* label)
{
    Value edited = value;
    bool ok = true;
    edited.CheckEdit(ok, text, label);
    if (ok)
        value = edited;
    return ok;
}

// How each field of a part is committed and shown: the part's value it edits.
struct TPartField {
    TPlayersField field;
    uint8_t page;   // the page it stands on; notePlayerNone for the values every part has
    bool (*commit)(TOnePlayer& part, const std::string& text);
    std::string (*text)(const TOnePlayer& part);
};

// The sample wave of the page's kind, which then plays the part.
bool CommitSampleWave(TOnePlayer& part, uint8_t kind, const std::string& text)
{
    std::string name;
    if (!TakeName(text, "Sample Wave", name))
        return false;
    *part.OnePlayerProps.SampleWaveOf(kind) = unitUnitWave(name);
    part.SetNotePlayerKind(kind);
    return true;
}

constexpr TPartField PartFields[] = {
    {F::FreqFactor, notePlayerNone,
     [](TOnePlayer& p, const std::string& t) { return TakeValue(p.OnePlayerProps.FreqFactor, t, "Freq Factor"); },
     [](const TOnePlayer& p) { return p.OnePlayerProps.FreqFactor.GetText(); }},
    {F::FreqUp, notePlayerNone,
     [](TOnePlayer& p, const std::string& t) { return TakeValue(p.OnePlayerProps.FreqUp, t, "Freq Up"); },
     [](const TOnePlayer& p) { return p.OnePlayerProps.FreqUp.GetText(); }},
    {F::VolumeFactor, notePlayerNone,
     [](TOnePlayer& p, const std::string& t) { return TakeValue(p.OnePlayerProps.VolumeFactor, t, "Volume Factor"); },
     [](const TOnePlayer& p) { return p.OnePlayerProps.VolumeFactor.GetText(); }},
    {F::Factory, notePlayerFactory,
     [](TOnePlayer& p, const std::string& t) {
         TFactoryPlayerProps props = p.GetFactoryPlayerProps();
         if (!TakeName(t, "Name Factory", props.Factory))
             return false;
         p.SetFactoryPlayerProps(props);
         return true;
     },
     [](const TOnePlayer& p) { return p.OnePlayerProps.FactoryPlayerProps.Factory; }},
    {F::SOSSampleWave, notePlayerSimpleSampler,
     [](TOnePlayer& p, const std::string& t) { return CommitSampleWave(p, notePlayerSimpleSampler, t); },
     [](const TOnePlayer& p) { return p.OnePlayerProps.SimpleSamplerProps.SampleWave.GetName(); }},
    {F::SOSBasicFreq, notePlayerSimpleSampler,
     [](TOnePlayer& p, const std::string& t) {
         TSimpleSamplerProps props = p.GetSimpleSamplerProps();
         if (!TakeValue(props.BasicFreq, t, "Basic Frequency"))
             return false;
         p.SetSimpleSamplerProps(props);
         return true;
     },
     [](const TOnePlayer& p) { return p.OnePlayerProps.SimpleSamplerProps.BasicFreq.GetText(); }},
    {F::RSSampleWave, notePlayerResonantSampler,
     [](TOnePlayer& p, const std::string& t) { return CommitSampleWave(p, notePlayerResonantSampler, t); },
     [](const TOnePlayer& p) { return p.OnePlayerProps.ResonantSamplerProps.SampleWave.GetName(); }},
    {F::RSResonantFactor, notePlayerResonantSampler,
     [](TOnePlayer& p, const std::string& t) {
         TResonantSamplerProps props = p.GetResonantSamplerProps();
         if (!TakeValue(props.ResFactor, t, "Resonant Factor"))
             return false;
         p.SetResonantSamplerProps(props);
         return true;
     },
     [](const TOnePlayer& p) { return p.OnePlayerProps.ResonantSamplerProps.ResFactor.GetText(); }},
    {F::RWFSampleWave, notePlayerRepeatWaveForm,
     [](TOnePlayer& p, const std::string& t) { return CommitSampleWave(p, notePlayerRepeatWaveForm, t); },
     [](const TOnePlayer& p) { return p.OnePlayerProps.RepeatWaveFormProps.SampleWave.GetName(); }},
    {F::ROSSampleWave, notePlayerRollOutSampler,
     [](TOnePlayer& p, const std::string& t) { return CommitSampleWave(p, notePlayerRollOutSampler, t); },
     [](const TOnePlayer& p) { return p.OnePlayerProps.RollOutSamplerProps.SampleWave.GetName(); }},
    {F::ROSBasicFreq, notePlayerRollOutSampler,
     [](TOnePlayer& p, const std::string& t) {
         TRollOutSamplerProps props = p.GetRollOutSamplerProps();
         if (!TakeValue(props.BasicFreq, t, "Basic Frequency"))
             return false;
         p.SetRollOutSamplerProps(props);
         return true;
     },
     [](const TOnePlayer& p) { return p.OnePlayerProps.RollOutSamplerProps.BasicFreq.GetText(); }},
    {F::ROWFSampleWave, notePlayerRollOutWaveForm,
     [](TOnePlayer& p, const std::string& t) { return CommitSampleWave(p, notePlayerRollOutWaveForm, t); },
     [](const TOnePlayer& p) { return p.OnePlayerProps.RollOutWaveFormProps.SampleWave.GetName(); }},
};

const TPartField* FindPartField(TPlayersField field)
{
    for (const TPartField& row : PartFields)
        if (row.field == field)
            return &row;
    return nullptr;
}

} // namespace

TNavigatorView NavigatorViewOf(int count, int cursor)
{
    TNavigatorView view;
    view.Enabled = true;
    view.Count = std::to_string(count);
    view.Cursor = std::to_string(cursor);
    view.First = view.Previous = view.MovePrev = cursor > 1;
    view.Next = view.Last = view.MoveNext = count > cursor;
    view.Delete = count >= 2;
    view.Insert = view.Append = true;
    return view;
}

TCompoundPlayer* TPlayersPresenter::Player() const
{
    return UnitPlayers ? UnitPlayers->GetCurrentPlayer() : nullptr;
}

TOnePlayer* TPlayersPresenter::Part() const
{
    TCompoundPlayer* player = Player();
    return player ? player->GetCurrentOnePlayer() : nullptr;
}

TPlayersRefresh TPlayersPresenter::Changed(TPlayersRefresh refresh)
{
    UnitPlayers->SetModified();
    return refresh;
}

// ---------------------------------------------------------------- filling

TPlayersView TPlayersPresenter::View() const
{
    TPlayersView view;
    if (!UnitPlayers)
        return view;
    const TCompoundPlayer* player = Player();
    view.Players = NavigatorViewOf(UnitPlayers->CountPlayers(), UnitPlayers->PositionOf(player));
    if (player) {
        view.Parts = NavigatorViewOf(player->CountParts(), player->PositionOf(player->GetCurrentOnePlayer()));
        view.NameEnabled = true;
        view.Texts[static_cast<int>(F::NamePlayer)] = player->GetName();
    }
    const TOnePlayer* part = Part();
    if (!part)
        return view;
    const TOnePlayerProps& props = part->OnePlayerProps;
    view.PartEnabled = true;
    view.Page = IsNotePlayerKind(props.NotePlayerKind) ? props.NotePlayerKind : -1;
    // The values every part has, and the fields of its own page only.
    for (const TPartField& row : PartFields)
        if (row.page == notePlayerNone || row.page == props.NotePlayerKind)
            view.Texts[static_cast<int>(row.field)] = row.text(*part);
    view.BalanceChecked = props.Balance;
    if (props.Balance) {
        view.Texts[static_cast<int>(F::Balance)] = props.BalanceFactor.GetText();
        view.TimeDiffChecked = props.TimeDiff;
        view.VolDiff = props.VolDiff;
    }
    return view;
}

WaveNameList TPlayersPresenter::WaveNames() const
{
    WaveNameList names;
    MainForm().AddWaveNames(names, 0);
    return names;
}

std::vector<std::string> TPlayersPresenter::FactoryNames() const
{
    std::vector<std::string> names;
    MainForm().AddMusicFactoryNames(names, FactoryNotePlayer);
    return names;
}

// ---------------------------------------------------------------- navigation

TPlayersRefresh TPlayersPresenter::MovePlayerCursor(TMove move)
{
    if (IsUpdating() || !UnitPlayers)
        return TPlayersRefresh::Nothing;
    TCompoundPlayer* current = Player();
    TCompoundPlayer* target = nullptr;
    switch (move) {
    case TMove::First: target = UnitPlayers->GetFirstPlayer(); break;
    case TMove::Previous: target = UnitPlayers->GetPlayerBefore(current); break;
    case TMove::Next: target = UnitPlayers->GetPlayerAfter(current); break;
    case TMove::Last: target = UnitPlayers->GetLastPlayer(); break;
    }
    if (target)
        UnitPlayers->SetCurrentPlayer(target);
    return TPlayersRefresh::PlayerControls;
}

TPlayersRefresh TPlayersPresenter::MovePartCursor(TMove move)
{
    TCompoundPlayer* player = Player();
    if (IsUpdating() || !player)
        return TPlayersRefresh::Nothing;
    TOnePlayer* current = player->GetCurrentOnePlayer();
    TOnePlayer* target = nullptr;
    switch (move) {
    case TMove::First: target = player->GetFirstOnePlayer(); break;
    case TMove::Previous: target = player->GetPrevOnePlayer(current); break;
    case TMove::Next: target = player->GetNextOnePlayer(current); break;
    case TMove::Last: target = player->GetLastOnePlayer(); break;
    }
    if (target)
        player->SetCurrentOnePlayer(target);
    return TPlayersRefresh::PartControls;
}

TPlayersRefresh TPlayersPresenter::GoToPlayer(TCompoundPlayer* player)
{
    if (!UnitPlayers || UnitPlayers->PositionOf(player) == 0)
        return TPlayersRefresh::Nothing;
    UnitPlayers->SetCurrentPlayer(player);
    return TPlayersRefresh::PlayerControls;
}

// ---------------------------------------------------------------- list edits

TPlayersRefresh TPlayersPresenter::InsertPlayer()
{
    if (IsUpdating() || !UnitPlayers)
        return TPlayersRefresh::Nothing;
    // In front of the current player.
    UnitPlayers->InsertNewPlayer(UnitPlayers->GetPlayerBefore(Player()));
    return Changed(TPlayersRefresh::PlayerControls);
}

TPlayersRefresh TPlayersPresenter::AppendPlayer()
{
    if (IsUpdating() || !UnitPlayers)
        return TPlayersRefresh::Nothing;
    UnitPlayers->InsertNewPlayer(Player());
    return Changed(TPlayersRefresh::PlayerControls);
}

TPlayersRefresh TPlayersPresenter::DeletePlayer()
{
    TCompoundPlayer* current = Player();
    if (IsUpdating() || !current || UnitPlayers->CountPlayers() < 2)
        return TPlayersRefresh::Nothing;
    TCompoundPlayer* next = UnitPlayers->GetPlayerAfter(current);
    UnitPlayers->SetCurrentPlayer(next ? next : UnitPlayers->GetPlayerBefore(current));
    UnitPlayers->DeletePlayer(current);
    return Changed(TPlayersRefresh::PlayerControls);
}

TPlayersRefresh TPlayersPresenter::MovePlayerPrev()
{
    TCompoundPlayer* current = Player();
    TCompoundPlayer* before = UnitPlayers ? UnitPlayers->GetPlayerBefore(current) : nullptr;
    if (IsUpdating() || !before)
        return TPlayersRefresh::Nothing;
    UnitPlayers->InsertPlayerAfter(current, UnitPlayers->DeletePlayer(before));
    return Changed(TPlayersRefresh::PlayerControls);
}

TPlayersRefresh TPlayersPresenter::MovePlayerNext()
{
    TCompoundPlayer* current = Player();
    TCompoundPlayer* after = UnitPlayers ? UnitPlayers->GetPlayerAfter(current) : nullptr;
    if (IsUpdating() || !after)
        return TPlayersRefresh::Nothing;
    UnitPlayers->InsertPlayerAfter(after, UnitPlayers->DeletePlayer(current));
    UnitPlayers->SetCurrentPlayer(current);
    return Changed(TPlayersRefresh::PlayerControls);
}

TPlayersRefresh TPlayersPresenter::InsertPart()
{
    TCompoundPlayer* player = Player();
    if (IsUpdating() || !player)
        return TPlayersRefresh::Nothing;
    UnitPlayers->InsertNewOnePlayer(player->GetPrevOnePlayer(player->GetCurrentOnePlayer()));
    return Changed(TPlayersRefresh::PartControls);
}

TPlayersRefresh TPlayersPresenter::AppendPart()
{
    TCompoundPlayer* player = Player();
    if (IsUpdating() || !player)
        return TPlayersRefresh::Nothing;
    UnitPlayers->InsertNewOnePlayer(player->GetCurrentOnePlayer());
    return Changed(TPlayersRefresh::PartControls);
}

TPlayersRefresh TPlayersPresenter::DeletePart()
{
    TCompoundPlayer* player = Player();
    TOnePlayer* current = Part();
    if (IsUpdating() || !current || player->CountParts() < 2)
        return TPlayersRefresh::Nothing;
    TOnePlayer* next = player->GetNextOnePlayer(current);
    player->SetCurrentOnePlayer(next ? next : player->GetPrevOnePlayer(current));
    player->DeleteOnePlayer(current);
    return Changed(TPlayersRefresh::PartControls);
}

TPlayersRefresh TPlayersPresenter::MovePartPrev()
{
    TCompoundPlayer* player = Player();
    TOnePlayer* current = Part();
    TOnePlayer* before = player ? player->GetPrevOnePlayer(current) : nullptr;
    if (IsUpdating() || !before)
        return TPlayersRefresh::Nothing;
    // Behind the predecessor's predecessor; in front when there is none.
    TOnePlayer* place = player->GetPrevOnePlayer(before);
    player->InsertOnePlayer(place, player->DeleteOnePlayer(current));
    player->SetCurrentOnePlayer(current);
    return Changed(TPlayersRefresh::PartControls);
}

TPlayersRefresh TPlayersPresenter::MovePartNext()
{
    TCompoundPlayer* player = Player();
    TOnePlayer* current = Part();
    TOnePlayer* after = player ? player->GetNextOnePlayer(current) : nullptr;
    if (IsUpdating() || !after)
        return TPlayersRefresh::Nothing;
    player->InsertOnePlayer(after, player->DeleteOnePlayer(current));
    player->SetCurrentOnePlayer(current);
    return Changed(TPlayersRefresh::PartControls);
}

// ---------------------------------------------------------------- the part

TPlayersRefresh TPlayersPresenter::ChangeKind(int page)
{
    TOnePlayer* part = Part();
    if (IsUpdating() || !part || page < 0 || page >= NotePlayerKindCount)
        return TPlayersRefresh::Nothing;
    part->SetNotePlayerKind(static_cast<uint8_t>(page));
    return Changed(TPlayersRefresh::PartFields);
}

TPlayersRefresh TPlayersPresenter::FieldEdited(TPlayersField field)
{
    if (IsUpdating())
        return TPlayersRefresh::Nothing;
    EditChanged = true;
    TOnePlayer* part = Part();
    if (field != F::Balance || !part || part->OnePlayerProps.Balance)
        return TPlayersRefresh::Nothing;
    // Typing a balance switches it on from the start, not from a factor kept
    // while it was off; the typed text is committed when the field is left.
    SwitchBalanceOn();
    return TPlayersRefresh::BalanceSwitches;
}

bool TPlayersPresenter::FieldExit(TPlayersField field, const std::string& text)
{
    if (IsUpdating() || !EditChanged || !UnitPlayers)
        return true;
    // Cleared first: the refusal's message box must not see the flag again.
    EditChanged = false;
    UnitPlayers->SetModified();
    if (field == F::NamePlayer)
        return CommitName(text);
    TOnePlayer* part = Part();
    if (!part)
        return true;
    if (field == F::Balance) {
        if (!TakeValue(part->OnePlayerProps.BalanceFactor, text, "Balance"))
            return false;
        part->SetBalanceOn();
        return true;
    }
    const TPartField* row = FindPartField(field);
    return !row || row->commit(*part, text);
}

bool TPlayersPresenter::CommitName(const std::string& text)
{
    TCompoundPlayer* player = Player();
    if (!player)
        return true;
    std::string name;
    if (!TakeName(text, "Name Player", name))
        return false;
    if (UnitPlayers->PlayerNameExists(name, player)) {
        TGuiMessages().ShowInputError("In Name Player: Name already exists in the set of Players.");
        return false;
    }
    player->SetName(name);
    return true;
}

void TPlayersPresenter::SwitchBalanceOn(uint8_t volDiff)
{
    TOnePlayerProps& props = Part()->OnePlayerProps;
    props.Balance = true;
    std::string error;
    props.BalanceFactor.SetFromText("0 '", "Balance", error);
    props.VolDiff = volDiff;
    props.TimeDiff = false;
}

TPlayersRefresh TPlayersPresenter::BalanceClicked(bool checked)
{
    TOnePlayer* part = Part();
    if (IsUpdating() || !part)
        return TPlayersRefresh::Nothing;
    if (checked)
        SwitchBalanceOn();
    else
        // The factor and flags stay in the part, with no effect and unwritten.
        part->SetBalanceOff();
    return Changed(TPlayersRefresh::BalanceGroup);
}

TPlayersRefresh TPlayersPresenter::TimeDiffClicked(bool checked)
{
    TOnePlayer* part = Part();
    if (IsUpdating() || !part)
        return TPlayersRefresh::Nothing;
    if (!part->OnePlayerProps.Balance)
        SwitchBalanceOn();
    part->SetTimeDiff(checked);
    return Changed(TPlayersRefresh::BalanceGroup);
}

TPlayersRefresh TPlayersPresenter::VolDiffClicked(int item)
{
    TOnePlayer* part = Part();
    if (IsUpdating() || !part || item < 0 || item > 2)
        return TPlayersRefresh::Nothing;
    if (!part->OnePlayerProps.Balance)
        SwitchBalanceOn(static_cast<uint8_t>(item));
    part->SetVolDiff(static_cast<uint8_t>(item));
    return Changed(TPlayersRefresh::BalanceGroup);
}
