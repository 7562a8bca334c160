#include "shell/ShortcutTable.h"

#include "foundation/commands/ActionCatalogue.h"
#include "shell/DocumentKind.h"

#include <string_view>

namespace {

using A = ActionId;

struct TBinding {
    ActionId id;
    const char* key;
};

constexpr TBinding WaveSet[] = {
    {A::FilePlay, "P"}, {A::FilePlayMax, "Shift+P"}, {A::FilePause, "W"}, {A::FileStop, "S"},
    {A::MoveH, "H"}, {A::Length, "L"}, {A::Block, "Shift+B"}, {A::Balance, "B"},
    {A::MixLeftRight, "Shift+M"}, {A::PerEcho, "Ctrl+E"}, {A::RndEcho, "Alt+E"}, {A::TempoPitch, "T"},
    {A::MaxVolume, "Shift+V"}, {A::Volume, "V"}, {A::Reverse, "R"}, {A::MoveV, "U"},
    {A::RollOut, "O"}, {A::Rotate, "Ctrl+R"}, {A::RollIn, "I"}, {A::Distort, "Shift+D"},
    {A::NormalizeVertically, "Shift+N"}, {A::WaveRunSountory, "F"}, {A::SplitH, "Ctrl+I"},
    {A::SplitV, "Ctrl+Shift+I"}, {A::MergeH, "Ctrl+M"}, {A::MergeV, "Ctrl+Shift+M"},
    {A::ViewWave, "Alt+W"}, {A::ViewVold, "Alt+V"}, {A::ZoomIn, "Z"}, {A::NoZoom, "Shift+Z"},
    {A::SelectWave, "Q"}, {A::MakeLine, "Alt+L"}, {A::MakeSilence, "Alt+S"}, {A::MakeNoise, "Alt+N"},
    {A::MakeBlock, "Alt+B"}, {A::MakeTriangle, "Alt+T"}, {A::MakeSinus, "Shift+S"}, {A::MakeMFreq, "Alt+F"},
    {A::DrawWaveLin, "Alt+D"}, {A::DrawWave3G, "Shift+Alt+D"}, {A::DeleteUndo, "Alt+Del"},
    {A::EditDelete, "Ctrl+Del"}, {A::EditTrim, "Ctrl+Shift+Del"}, {A::EditClearClipboard, "Shift+Alt+Del"},
    {A::EditSwap, "X"}, {A::EditExtract, "Shift+X"}, {A::EditMix, "M"}, {A::EditCut, "Ctrl+X"},
    {A::EditCopy, "Ctrl+C"}, {A::EditPaste, "Ctrl+V"}, {A::FilterBlock, "Ctrl+Alt+B"},
    {A::FilterLow, "Ctrl+Alt+L"}, {A::FilterHigh, "Ctrl+Alt+H"}, {A::FilterRes, "Ctrl+Alt+R"},
    {A::FilterNotch, "Ctrl+Alt+N"}, {A::FileProperties, "Ctrl+P"}, {A::DuplicateWave, "D"},
    {A::ProjectExport, "Shift+Alt+E"}, {A::FileOpenFactory, "Ctrl+F"}, {A::EditNameAction, "N"},
};

constexpr TBinding MusicSet[] = {
    {A::FilePlay, "P"}, {A::FilePlayMax, "Shift+P"}, {A::FilePause, "W"}, {A::FileStop, "S"},
    {A::MusicTwin, "Ctrl+2"}, {A::MusicTriplet, "Ctrl+3"}, {A::MusicQuadruplet, "Ctrl+4"},
    {A::MusicQuintuplet, "Ctrl+5"}, {A::MusicPointAdd, "."}, {A::MusicPointDelete, "Shift+."},
    {A::MusicPlayNote, "Alt+P"}, {A::MusicAutoPlay, "Shift+Alt+P"}, {A::MusicNSDMol, "Shift+B"},
    {A::MusicNSMol, "B"}, {A::MusicNSNormal, "E"}, {A::MusicNSCross, "H"}, {A::MusicNSDCross, "Shift+H"},
    {A::MusicGenerate, "Alt+M"}, {A::MusicDelete, "Del"}, {A::MusicDialogStaves, "Ctrl+D"},
    {A::MusicDialogParts, "Ctrl+Shift+D"}, {A::MusicClefG, "G"}, {A::MusicClefC, "C"}, {A::MusicClefF, "F"},
    {A::MusicModeDelete, "Alt+Del"}, {A::MusicModeEdit, "Alt+Home"}, {A::MusicModeAdd, "Alt+Ins"},
    {A::MusicNoteGroupPrev, "Shift+Alt+G"}, {A::MusicNoteGroupNext, "Alt+G"},
    {A::MusicNoteStickUp, "Alt+U"}, {A::MusicNoteStickDown, "Alt+D"}, {A::FileProperties, "Ctrl+P"},
    {A::DuplicateMuz, "D"}, {A::ProjectExport, "Shift+Alt+E"}, {A::FileOpenFactory, "Ctrl+F"},
    {A::EditNameAction, "N"}, {A::AltKeyL, "Alt+L"}, {A::AltShiftKeyL, "Shift+Alt+L"},
    {A::AltKeyN, "Alt+N"}, {A::AltKeyS, "Alt+S"},
};

constexpr TBinding FactorySet[] = {
    {A::FilePlay, "P"}, {A::FilePlayMax, "Shift+P"}, {A::FilePause, "W"}, {A::FileStop, "S"},
    {A::SntValidate, "V"}, {A::SntModeDrag, "Alt+D"}, {A::SntModeConn, "Alt+C"}, {A::SntRunCrWnd, "Alt+M"},
    {A::SntShowHints, "Alt+H"}, {A::FileProperties, ""}, {A::DuplicateFact, "D"},
    {A::ProjectExport, "Shift+Alt+E"}, {A::FileOpenFactory, "Ctrl+F"}, {A::EditNameAction, "N"},
};

// The plain N is needed for typing in a players window.
constexpr TBinding PlayersSet[] = {
    {A::FileProperties, ""}, {A::DuplicatePlay, "Ctrl+D"}, {A::ProjectExport, "Shift+Alt+E"},
    {A::FileOpenFactory, "Ctrl+F"}, {A::EditNameAction, "Alt+N"},
};

constexpr ActionId SecondKeyActions[] = {A::AltKeyA, A::AltKeyB, A::AltKeyC, A::AltKeyD,
                                         A::AltKeyE, A::AltKeyF, A::AltKeyG};

template <size_t N>
bool InSet(const TBinding (&set)[N], ActionId id)
{
    for (const TBinding& binding : set)
        if (binding.id == id)
            return true;
    return false;
}

bool InAnySet(ActionId id)
{
    return InSet(WaveSet, id) || InSet(MusicSet, id) || InSet(FactorySet, id) || InSet(PlayersSet, id);
}

} // namespace

bool IsSharedShortcutAction(ActionId id)
{
    return id == A::FileProperties || id == A::ProjectExport || id == A::FileOpenFactory ||
           id == A::EditNameAction;
}

unsigned char ActionKind(ActionId id)
{
    switch (id) {
    case A::DuplicateWave: return documentKindWave;
    case A::DuplicateMuz: return documentKindMusic;
    case A::DuplicateFact: return documentKindFactory;
    case A::DuplicatePlay: return documentKindPlayers;
    default: break;
    }
    std::string_view category = ActionInfo(id).category;
    if (category.starts_with("Wave"))
        return documentKindWave;
    if (category.starts_with("Music") || category == "AltKeys")
        return documentKindMusic;
    if (category == "Sountory")
        return documentKindFactory;
    return documentKindNone;
}

TShortcutTable::TShortcutTable()
{
    for (const TActionInfo& info : ActionCatalogue())
        if (!InAnySet(info.id) || IsSharedShortcutAction(info.id))
            keys[ActionIndex(info.id)] = TShortcut::Parse(info.startShortcut);
}

void TShortcutTable::Set(ActionId id, const TShortcut& key)
{
    TShortcut& held = keys[ActionIndex(id)];
    if (held == key)
        return;
    held = key;
    ++generation;
}

namespace {

template <size_t N>
void Bind(TShortcutTable& table, const TBinding (&set)[N])
{
    for (const TBinding& binding : set)
        table.Set(binding.id, TShortcut::Parse(binding.key));
}

template <size_t N>
void ClearButShared(TShortcutTable& table, const TBinding (&set)[N])
{
    for (const TBinding& binding : set)
        if (!IsSharedShortcutAction(binding.id))
            table.Clear(binding.id);
}

} // namespace

void TShortcutTable::BindWaveSet() { Bind(*this, WaveSet); }
void TShortcutTable::BindMusicSet() { Bind(*this, MusicSet); }
void TShortcutTable::BindFactorySet() { Bind(*this, FactorySet); }
void TShortcutTable::BindPlayersSet() { Bind(*this, PlayersSet); }
void TShortcutTable::ClearWaveSet() { ClearButShared(*this, WaveSet); }
void TShortcutTable::ClearMusicSet() { ClearButShared(*this, MusicSet); }
void TShortcutTable::ClearFactorySet() { ClearButShared(*this, FactorySet); }
void TShortcutTable::ClearPlayersSet() { ClearButShared(*this, PlayersSet); }

void TShortcutTable::BeginMusicKeySequence()
{
    ClearMusicSet();
    Clear(A::ProjectExport);
    Clear(A::FileOpenFactory);
    char letter = 'A';
    for (ActionId id : SecondKeyActions)
        Set(id, TShortcut{TShortcut::ModAlt, std::string(1, letter++)});
}

void TShortcutTable::EndMusicKeySequence()
{
    BindMusicSet();
    Set(A::FileOpenFactory, TShortcut::Parse("Ctrl+F"));
    for (ActionId id : SecondKeyActions)
        Clear(id);
}

ActionId TShortcutTable::Find(const TShortcut& key, unsigned char activeKind,
                              const std::function<bool(ActionId)>& isEnabled) const
{
    if (key.IsEmpty())
        return A::Count;
    ActionId found = A::Count;
    for (int i = 0; i < ActionCount; ++i) {
        ActionId id = static_cast<ActionId>(i);
        if (!(keys[i] == key) || !isEnabled(id))
            continue;
        if (activeKind != documentKindNone && ActionKind(id) == activeKind)
            return id;
        if (found == A::Count)
            found = id;
    }
    return found;
}
