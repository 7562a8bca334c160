#include "music/dialogs/MusicStavesPresenter.h"

#include "factory/document/FactoryKinds.h"
#include "music/document/MusicPlaying.h"
#include "music/document/UnitMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "platform/MessageService.h"
#include "wave/MainFormAccess.h"

namespace {

template <class T>
int Count(T* first)
{
    int count = 0;
    for (; first; first = first->GetNext())
        ++count;
    return count;
}

template <class T>
int Place(T* first, const T* item)
{
    int place = 1;
    for (; first && first != item; first = first->GetNext())
        ++place;
    return place;
}

template <class T>
T* Last(T* first)
{
    while (first && first->GetNext())
        first = first->GetNext();
    return first;
}

} // namespace

void TMusicStavesPresenter::SetUnitMuz(TUnitMuz* unit)
{
    UnitMuz = unit;
    EditChanged = false;
}

TNoteStave* TMusicStavesPresenter::GetNoteStave() const
{
    return UnitMuz ? UnitMuz->GetSelNoteStave() : nullptr;
}

TNoteGroup* TMusicStavesPresenter::GetNoteGroup() const
{
    TNoteStave* stave = GetNoteStave();
    return stave ? stave->GetSelectedNoteGroup() : nullptr;
}

TMusicStavesView TMusicStavesPresenter::View() const
{
    TMusicStavesView view;
    view.ApplyEnabled = UnitMuz != nullptr;
    TNoteStave* stave = GetNoteStave();
    if (!stave)
        return view;
    TNoteStave* first = UnitMuz->MuzData.GetStartStave();
    view.Staves = NavigatorViewOf(Count(first), Place(first, stave));
    view.StaveEnabled = true;
    view.RoomUp = stave->RoomUp.GetText();
    view.RoomDown = stave->RoomDown.GetText();
    view.AllowJoinFlags = stave->AllowJoinFlags != 0;
    view.EnablePlayAndDraw = stave->EnablePlayAndDraw;
    view.ExtraLines = stave->ExtraLines;
    view.Foreground = stave->ForegroundColor;
    view.Background = stave->BackgroundColor;
    view.StaveFactoryUsed = stave->GetUseFactory();
    view.StaveFactory = stave->GetUseFactory() ? stave->GetSoundFactory() : std::string();

    TNoteGroup* group = GetNoteGroup();
    TNoteGroup* firstGroup = stave->GetStartNoteGroup();
    view.Groups = NavigatorViewOf(Count(firstGroup), Place(firstGroup, group));
    if (!group)
        return view;
    view.GroupEnabled = true;
    view.StemUp = group->GetDrawStickKind() == 0;
    view.StemDown = group->GetDrawStickKind() == 1;
    view.Shape = group->NoteShape;
    view.NoteColor = group->NoteColor;
    view.PlayerSet = group->GetPlayerSet();
    view.Player = group->GetPlayer();
    view.FreqFactor = group->FreqFactor.GetText();
    view.VolumeFactor = group->VolumeFactor.GetText();
    view.EnablePlay = group->EnablePlay;
    view.GroupFactoryUsed = group->GetUseFactory();
    view.GroupFactory = group->GetUseFactory() ? group->GetSoundFactory() : std::string();
    view.GoToPlayer = !group->GetPlayer().empty() && !group->GetPlayerSet().empty();
    return view;
}

void TMusicStavesPresenter::Changed(bool redraw)
{
    UnitMuz->SetModified();
    if (redraw)
        UnitMuz->Redraw();
}

// ---------------------------------------------------------------- navigation

void TMusicStavesPresenter::MoveStaveCursor(TMove move)
{
    TNoteStave* stave = GetNoteStave();
    if (IsUpdating() || !stave)
        return;
    TNoteStave* first = UnitMuz->MuzData.GetStartStave();
    TNoteStave* target = nullptr;
    switch (move) {
    case TMove::First: target = first; break;
    case TMove::Previous: target = stave->GetPrev(); break;
    case TMove::Next: target = stave->GetNext(); break;
    case TMove::Last: target = Last(first); break;
    }
    if (target)
        UnitMuz->SetSelNoteStave(target);
}

void TMusicStavesPresenter::SetCurrentGroup(TNoteGroup* group)
{
    TNoteStave* stave = GetNoteStave();
    if (!stave || !group)
        return;
    // New notes go into the group the dialog shows, and the file keeps it.
    stave->SetSelectedNoteGroup(group);
    stave->SetCurrentNoteGroup(group);
}

void TMusicStavesPresenter::MoveGroupCursor(TMove move)
{
    TNoteStave* stave = GetNoteStave();
    TNoteGroup* group = GetNoteGroup();
    if (IsUpdating() || !group)
        return;
    TNoteGroup* target = nullptr;
    switch (move) {
    case TMove::First: target = stave->GetStartNoteGroup(); break;
    case TMove::Previous: target = stave->GetPrevNoteGroup(group); break;
    case TMove::Next: target = group->GetNext(); break;
    case TMove::Last: target = Last(stave->GetStartNoteGroup()); break;
    }
    SetCurrentGroup(target);
}

// ---------------------------------------------------------------- list edits

void TMusicStavesPresenter::AddStave(TNoteStave* after)
{
    UnitMuz->MuzData.NewNoteStave(after, UnitMuz);
    Changed(true);
}

void TMusicStavesPresenter::InsertStave()
{
    if (TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave())
        AddStave(stave->GetPrev());
}

void TMusicStavesPresenter::AppendStave()
{
    if (TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave())
        AddStave(stave);
}

void TMusicStavesPresenter::DeleteStave()
{
    TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave();
    if (!stave || (!stave->GetNext() && !stave->GetPrev()))
        return;
    TMuzData& muz = UnitMuz->MuzData;
    UnitMuz->SetSelNoteStave(stave->GetNext() ? stave->GetNext() : stave->GetPrev());
    std::unique_ptr<TNoteStave> taken = muz.DeleteStave(stave, UnitMuz);
    muz.DeleteStaveSymbols(stave, UnitMuz);
    taken.reset();
    Changed(true);
}

void TMusicStavesPresenter::MoveStavePrev()
{
    TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave();
    if (!stave || !stave->GetPrev())
        return;
    TMuzData& muz = UnitMuz->MuzData;
    TNoteStave* before = stave->GetPrev()->GetPrev();
    muz.InsertStave(before, muz.DeleteStave(stave, UnitMuz));
    Changed(true);
}

void TMusicStavesPresenter::MoveStaveNext()
{
    TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave();
    if (!stave || !stave->GetNext())
        return;
    TMuzData& muz = UnitMuz->MuzData;
    TNoteStave* after = stave->GetNext();
    muz.InsertStave(after, muz.DeleteStave(stave, UnitMuz));
    Changed(true);
}

void TMusicStavesPresenter::AddGroup(TNoteGroup* after)
{
    TNoteStave* stave = GetNoteStave();
    auto group = std::make_unique<TNoteGroup>(stave);
    TNoteGroup* made = group.get();
    stave->InsertNoteGroup(after, std::move(group));
    SetCurrentGroup(made);
    Changed(true);
}

void TMusicStavesPresenter::InsertGroup()
{
    if (TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup())
        AddGroup(GetNoteStave()->GetPrevNoteGroup(group));
}

void TMusicStavesPresenter::AppendGroup()
{
    if (TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup())
        AddGroup(group);
}

void TMusicStavesPresenter::DeleteGroup()
{
    TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup();
    TNoteStave* stave = GetNoteStave();
    if (!group || stave->CountNoteGroups() < 2)
        return;
    SetCurrentGroup(group->GetNext() ? group->GetNext() : stave->GetPrevNoteGroup(group));
    std::unique_ptr<TNoteGroup> taken = stave->DeleteNoteGroup(group);
    UnitMuz->MuzData.DeleteNoteGroupNotes(group, UnitMuz);
    taken.reset();
    UnitMuz->MuzData.FillWithRests(stave);
    Changed(true);
}

void TMusicStavesPresenter::MoveGroupPrev()
{
    TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup();
    TNoteStave* stave = GetNoteStave();
    TNoteGroup* previous = group ? stave->GetPrevNoteGroup(group) : nullptr;
    if (!previous)
        return;
    TNoteGroup* before = stave->GetPrevNoteGroup(previous);
    stave->InsertNoteGroup(before, stave->DeleteNoteGroup(group));
    Changed(true);
}

void TMusicStavesPresenter::MoveGroupNext()
{
    TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup();
    TNoteGroup* next = group ? group->GetNext() : nullptr;
    if (!next)
        return;
    TNoteStave* stave = GetNoteStave();
    stave->InsertNoteGroup(next, stave->DeleteNoteGroup(group));
    Changed(true);
}

// ---------------------------------------------------------------- the stave's fields

void TMusicStavesPresenter::ForegroundChanged(uint32_t color)
{
    if (TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave()) {
        stave->ForegroundColor = color;
        Changed(true);
    }
}

void TMusicStavesPresenter::BackgroundChanged(uint32_t color)
{
    if (TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave()) {
        stave->BackgroundColor = color;
        Changed(true);
    }
}

void TMusicStavesPresenter::AllowJoinFlagsClicked(bool checked)
{
    if (TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave()) {
        stave->AllowJoinFlags = checked ? 1 : 0;
        Changed(true);
    }
}

void TMusicStavesPresenter::EnablePlayAndDrawClicked(bool checked)
{
    TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave();
    if (!stave)
        return;
    stave->EnablePlayAndDraw = checked;
    // A hidden stave keeps no selection.
    if (!checked)
        UnitMuz->MuzData.UnselectStave(stave, UnitMuz);
    Changed(true);
}

void TMusicStavesPresenter::ExtraLinesClicked(bool checked)
{
    if (TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave()) {
        stave->ExtraLines = checked;
        Changed(true);
    }
}

bool TMusicStavesPresenter::StaveFactoryClicked(bool checked)
{
    TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave();
    if (!stave || checked)
        return false;
    stave->SetUseFactory(false);
    Changed(false);
    return true;
}

bool TMusicStavesPresenter::StaveFactoryTyped(const std::string& text)
{
    TNoteStave* stave = IsUpdating() ? nullptr : GetNoteStave();
    if (!stave)
        return false;
    const std::string name = TrimName(text);
    stave->SetSoundFactory(name);
    stave->SetUseFactory(!name.empty());
    Changed(false);
    return !name.empty();
}

// ---------------------------------------------------------------- the note group's fields

void TMusicStavesPresenter::EnablePlayClicked(bool checked)
{
    if (TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup()) {
        group->EnablePlay = checked;
        Changed(false);
    }
}

void TMusicStavesPresenter::StemClicked(bool up, bool checked)
{
    if (TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup()) {
        group->SetDrawStickKind(!checked ? 2 : up ? 0 : 1);
        Changed(true);
    }
}

void TMusicStavesPresenter::ShapeClicked(int item)
{
    TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup();
    if (group && item >= 0 && item <= 3) {
        group->NoteShape = static_cast<uint8_t>(item);
        Changed(true);
    }
}

void TMusicStavesPresenter::NoteColorChanged(uint32_t color)
{
    if (TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup()) {
        group->NoteColor = color;
        Changed(true);
    }
}

void TMusicStavesPresenter::PlayerSetTyped(const std::string& text)
{
    if (TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup()) {
        group->SetPlayerSet(TrimName(text));
        Changed(false);
    }
}

void TMusicStavesPresenter::PlayerTyped(const std::string& text)
{
    if (TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup()) {
        group->SetPlayer(TrimName(text));
        Changed(false);
    }
}

bool TMusicStavesPresenter::GroupFactoryClicked(bool checked)
{
    TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup();
    if (!group || checked)
        return false;
    group->SetUseSoundFactory(false);
    Changed(false);
    return true;
}

bool TMusicStavesPresenter::GroupFactoryTyped(const std::string& text)
{
    TNoteGroup* group = IsUpdating() ? nullptr : GetNoteGroup();
    if (!group)
        return false;
    const std::string name = TrimName(text);
    group->SetSoundFactory(name);
    group->SetUseSoundFactory(!name.empty());
    Changed(false);
    return !name.empty();
}

// ---------------------------------------------------------------- names and sounds

std::vector<std::string> TMusicStavesPresenter::PlayerSetNames() const
{
    std::vector<std::string> names;
    MainForm().AddPlayerSetNames(names);
    return names;
}

std::vector<std::string> TMusicStavesPresenter::PlayerNames(const std::string& setName) const
{
    std::vector<std::string> names;
    MainForm().AddPlayerNames(names, TrimName(setName));
    return names;
}

std::vector<std::string> TMusicStavesPresenter::FactoryNames() const
{
    std::vector<std::string> names;
    MainForm().AddMusicFactoryNames(names, FactoryMusicProcessor);
    return names;
}

void TMusicStavesPresenter::PlayOrGenerateStave(bool generate, bool afterFactory)
{
    TNoteStave* stave = GetNoteStave();
    if (!stave)
        return;
    TMusicPlaying playing(*UnitMuz);
    SoundPtr sound = playing.GenerateStaveWave(*stave, afterFactory);
    if (generate)
        playing.Open(std::move(sound), "of Music Staff " + UnitMuz->GetName());
    else
        TMusicPlaying::Play(sound);
}

void TMusicStavesPresenter::PlayOrGenerateNoteGroup(bool generate, bool afterFactory)
{
    TNoteGroup* group = GetNoteGroup();
    if (!group)
        return;
    TMusicPlaying playing(*UnitMuz);
    SoundPtr sound = playing.GenerateNoteGroupWave(*group, afterFactory);
    if (generate)
        playing.Open(std::move(sound), "of Music Note Group " + UnitMuz->GetName());
    else
        TMusicPlaying::Play(sound);
}

bool TMusicStavesPresenter::FindPlayerOf(const std::string& setName, const std::string& playerName,
                                         TUnitPlayers*& set, TCompoundPlayer*& player) const
{
    const std::string setTrimmed = TrimName(setName);
    const std::string playerTrimmed = TrimName(playerName);
    set = MainForm().FindUnitPlayers(setTrimmed);
    player = nullptr;
    if (!set) {
        ShowMessage("Cannot find Player Set \"" + setTrimmed + "\".", "Error", MsgIcon::Stop);
        return false;
    }
    player = MainForm().FindCompoundPlayer(playerTrimmed, setTrimmed);
    if (!player) {
        ShowMessage("Cannot find Player \"" + playerTrimmed + "\" in Player Set \"" + setTrimmed + "\".", "Error",
                    MsgIcon::Stop);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- text fields

void TMusicStavesPresenter::FieldEdited()
{
    if (!IsUpdating())
        EditChanged = true;
}

bool TMusicStavesPresenter::FieldExit(TMusicStavesField field, const std::string& text)
{
    if (IsUpdating() || !EditChanged)
        return true;
    // Leaving the field again without typing applies nothing.
    EditChanged = false;
    TNoteStave* stave = GetNoteStave();
    TNoteGroup* group = GetNoteGroup();
    bool ok = true;
    switch (field) {
    case TMusicStavesField::RoomUp:
        if (stave)
            stave->RoomUp.CheckEdit(ok, text, "Room Up");
        break;
    case TMusicStavesField::RoomDown:
        if (stave)
            stave->RoomDown.CheckEdit(ok, text, "Room Down");
        break;
    case TMusicStavesField::FreqFactor:
        if (group)
            group->FreqFactor.CheckEdit(ok, text, "Frequency Factor");
        break;
    case TMusicStavesField::VolumeFactor:
        if (group)
            group->VolumeFactor.CheckEdit(ok, text, "Volume Factor");
        break;
    }
    if (ok && UnitMuz)
        Changed(field == TMusicStavesField::RoomUp || field == TMusicStavesField::RoomDown);
    return ok;
}
