#include "foundation/commands/ActionCatalogue.h"
#include "shell/DocumentKind.h"
#include "shell/ShortcutTable.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace {

using A = ActionId;

bool AllEnabled(ActionId) { return true; }

// What a key runs in a window of that kind, after the activation that binds its set.
ActionId KeyIn(unsigned char kind, const char* key)
{
    TShortcutTable table;
    switch (kind) {
    case documentKindWave: table.BindWaveSet(); break;
    case documentKindMusic: table.ClearWaveSet(); table.BindMusicSet(); break;
    case documentKindFactory: table.ClearWaveSet(); table.ClearMusicSet(); table.BindFactorySet(); break;
    case documentKindPlayers: table.ClearWaveSet(); table.ClearMusicSet(); table.ClearFactorySet();
        table.BindPlayersSet(); break;
    default: break;
    }
    return table.Find(TShortcut::Parse(key), kind, AllEnabled);
}

} // namespace

TEST(Shortcut, ParsesAndWritesKeyTexts)
{
    TShortcut key = TShortcut::Parse("Shift+Alt+Del");
    EXPECT_EQ(key.modifiers, TShortcut::ModShift | TShortcut::ModAlt);
    EXPECT_EQ(key.key, "Del");
    EXPECT_EQ(key.Text(), "Shift+Alt+Del");
    EXPECT_EQ(TShortcut::Parse("Alt+Shift+Del"), key);
    EXPECT_EQ(TShortcut::Parse("ctrl+v").Text(), "V"); // unknown modifier names are not modifiers
    EXPECT_EQ(TShortcut::Parse("Ctrl+v").Text(), "Ctrl+V");
    EXPECT_EQ(TShortcut::Parse("Shift+.").Text(), "Shift+.");
    EXPECT_TRUE(TShortcut::Parse("").IsEmpty());
    EXPECT_EQ((TShortcut{TShortcut::ModShift, ">"}).UnshiftedAlternative().Text(), "Shift+.");
    EXPECT_TRUE((TShortcut{0, ">"}).UnshiftedAlternative().IsEmpty());
    EXPECT_TRUE((TShortcut{TShortcut::ModShift, "V"}).UnshiftedAlternative().IsEmpty());
}

TEST(ShortcutTable, OneKeyMeansOneActionPerWindowKind)
{
    struct Case {
        unsigned char kind;
        const char* key;
        ActionId expected;
    };
    const Case cases[] = {
        {documentKindWave, "V", A::Volume},
        {documentKindWave, "Shift+V", A::MaxVolume},
        {documentKindWave, "Alt+Del", A::DeleteUndo},
        {documentKindWave, "Ctrl+Del", A::EditDelete},
        {documentKindWave, "D", A::DuplicateWave},
        {documentKindWave, "N", A::EditNameAction},
        {documentKindWave, "Ctrl+Z", A::Undo},
        {documentKindFactory, "V", A::SntValidate},
        {documentKindFactory, "D", A::DuplicateFact},
        {documentKindFactory, "Ctrl+P", A::Count}, // FileProperties has no key there
        {documentKindMusic, "V", A::Count},        // the key goes to the window
        {documentKindMusic, "D", A::DuplicateMuz},
        {documentKindMusic, "Ctrl+D", A::MusicDialogStaves},
        {documentKindMusic, "Alt+Del", A::MusicModeDelete},
        {documentKindMusic, ".", A::MusicPointAdd},
        {documentKindMusic, "Shift+.", A::MusicPointDelete},
        {documentKindPlayers, "Ctrl+D", A::DuplicatePlay},
        {documentKindPlayers, "N", A::Count}, // typed into the players window
        {documentKindPlayers, "Alt+N", A::EditNameAction},
        {documentKindPlayers, "P", A::Count},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyIn(c.kind, c.key), c.expected) << "kind " << int(c.kind) << " key " << c.key;
}

TEST(ShortcutTable, BeforeTheFirstActivationNoKindSetIsBound)
{
    TShortcutTable table;
    for (const char* key : {"D", "P", "V", "Alt+Del", "Alt+M"})
        EXPECT_EQ(table.Find(TShortcut::Parse(key), documentKindNone, AllEnabled), A::Count) << key;
    EXPECT_EQ(table.Find(TShortcut::Parse("Ctrl+N"), documentKindNone, AllEnabled), A::FileNewWave);
    EXPECT_EQ(table.Find(TShortcut::Parse("Ctrl+F"), documentKindNone, AllEnabled), A::FileOpenFactory);
    EXPECT_EQ(table.Find(TShortcut::Parse("N"), documentKindNone, AllEnabled), A::EditNameAction);
}

TEST(ShortcutTable, ADisabledActionLetsTheKeyPass)
{
    TShortcutTable table;
    table.BindWaveSet();
    auto volumeDisabled = [](ActionId id) { return id != A::Volume; };
    EXPECT_EQ(table.Find(TShortcut::Parse("V"), documentKindWave, volumeDisabled), A::Count);
}

TEST(ShortcutTable, TheActiveKindWinsASharedKey)
{
    TShortcutTable table;
    table.BindWaveSet();
    table.Set(A::MusicModeDelete, TShortcut::Parse("Alt+Del")); // as if a music set was left bound
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+Del"), documentKindWave, AllEnabled), A::DeleteUndo);
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+Del"), documentKindMusic, AllEnabled), A::MusicModeDelete);
}

TEST(ShortcutTable, ClearingKeepsTheSharedActions)
{
    TShortcutTable table;
    table.BindPlayersSet();
    table.ClearWaveSet();
    table.ClearMusicSet();
    table.ClearFactorySet();
    table.ClearPlayersSet();
    EXPECT_EQ(table.Get(A::EditNameAction).Text(), "Alt+N");
    EXPECT_EQ(table.Get(A::FileOpenFactory).Text(), "Ctrl+F");
    EXPECT_TRUE(table.Get(A::DuplicatePlay).IsEmpty());
    EXPECT_EQ(table.Get(A::Undo).Text(), "Ctrl+Z"); // outside every set: its start key for good
}

TEST(ShortcutTable, TwoKeyMusicCommandsReachTheWindow)
{
    TShortcutTable table;
    table.BindMusicSet();
    table.BeginMusicKeySequence();
    EXPECT_EQ(table.Find(TShortcut::Parse("B"), documentKindMusic, AllEnabled), A::Count);
    EXPECT_EQ(table.Find(TShortcut::Parse("Ctrl+F"), documentKindMusic, AllEnabled), A::Count);
    EXPECT_EQ(table.Find(TShortcut::Parse("Shift+Alt+E"), documentKindMusic, AllEnabled), A::Count);
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+A"), documentKindMusic, AllEnabled), A::AltKeyA);
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+G"), documentKindMusic, AllEnabled), A::AltKeyG);
    table.EndMusicKeySequence();
    EXPECT_EQ(table.Find(TShortcut::Parse("B"), documentKindMusic, AllEnabled), A::MusicNSMol);
    EXPECT_EQ(table.Find(TShortcut::Parse("Ctrl+F"), documentKindMusic, AllEnabled), A::FileOpenFactory);
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+A"), documentKindMusic, AllEnabled), A::Count);
}

TEST(ShortcutTable, GenerationGrowsOnlyOnChange)
{
    TShortcutTable table;
    unsigned before = table.Generation();
    table.BindWaveSet();
    unsigned bound = table.Generation();
    EXPECT_GT(bound, before);
    table.BindWaveSet();
    EXPECT_EQ(table.Generation(), bound);
}

namespace {

using KeyMap = std::map<std::string, std::string>;

// "Name Key, Name Key, ..." as a map; a name without a key holds none.
KeyMap Listed(std::initializer_list<const char*> lists)
{
    KeyMap keys;
    for (const char* list : lists) {
        std::stringstream items(list);
        std::string item;
        while (std::getline(items, item, ',')) {
            std::stringstream words(item);
            std::string name, key;
            words >> name >> key;
            if (!key.empty())
                keys[name] = key;
        }
    }
    return keys;
}

KeyMap Held(const TShortcutTable& table)
{
    KeyMap keys;
    for (const TActionInfo& info : ActionCatalogue())
        if (!table.Get(info.id).IsEmpty())
            keys[info.name] = table.Get(info.id).Text();
    return keys;
}

// The keys no activation ever changes.
const char* const Fixed =
    "FileNewWave Ctrl+N, FileNewMuz Ctrl+Shift+N, FileOpenWave Ctrl+O, FileOpenMuz Ctrl+Shift+O, FileSave Ctrl+S, "
    "FileSaveAs Ctrl+A, FileRecord Alt+R, FileRevert Ctrl+Shift+R, FileNewFactory Ctrl+Shift+F, FileOpenPlay Ctrl+Y, "
    "FileNewPlay Ctrl+Shift+Y, Undo Ctrl+Z, WindowCascade Shift+F5, WindowTileHorizontal F4, "
    "WindowTileVertical Shift+F4, HelpContents F1, HelpTopicSearch Shift+F1, HelpOnHelp Ctrl+F1, HelpAbout Alt+F1, "
    "ProjectOpen Shift+Alt+O, ProjectNew Shift+Alt+N, ProjectClose Shift+Alt+C, ProjectSave Shift+Alt+S";

const char* const WaveSet =
    "FilePlay P, FilePlayMax Shift+P, FilePause W, FileStop S, MoveH H, Length L, Block Shift+B, Balance B, "
    "MixLeftRight Shift+M, PerEcho Ctrl+E, RndEcho Alt+E, TempoPitch T, MaxVolume Shift+V, Volume V, Reverse R, "
    "MoveV U, RollOut O, Rotate Ctrl+R, RollIn I, Distort Shift+D, NormalizeVertically Shift+N, WaveRunSountory F, "
    "SplitH Ctrl+I, SplitV Ctrl+Shift+I, MergeH Ctrl+M, MergeV Ctrl+Shift+M, ViewWave Alt+W, ViewVold Alt+V, "
    "ZoomIn Z, NoZoom Shift+Z, SelectWave Q, MakeLine Alt+L, MakeSilence Alt+S, MakeNoise Alt+N, MakeBlock Alt+B, "
    "MakeTriangle Alt+T, MakeSinus Shift+S, MakeMFreq Alt+F, DrawWaveLin Alt+D, DrawWave3G Shift+Alt+D, "
    "DeleteUndo Alt+Del, EditDelete Ctrl+Del, EditTrim Ctrl+Shift+Del, EditClearClipboard Shift+Alt+Del, "
    "EditSwap X, EditExtract Shift+X, EditMix M, EditCut Ctrl+X, EditCopy Ctrl+C, EditPaste Ctrl+V, "
    "FilterBlock Ctrl+Alt+B, FilterLow Ctrl+Alt+L, FilterHigh Ctrl+Alt+H, FilterRes Ctrl+Alt+R, "
    "FilterNotch Ctrl+Alt+N, FileProperties Ctrl+P, DuplicateWave D, ProjectExport Shift+Alt+E, "
    "FileOpenFactory Ctrl+F, EditNameAction N";

const char* const MusicSet =
    "FilePlay P, FilePlayMax Shift+P, FilePause W, FileStop S, MusicTwin Ctrl+2, MusicTriplet Ctrl+3, "
    "MusicQuadruplet Ctrl+4, MusicQuintuplet Ctrl+5, MusicPointAdd ., MusicPointDelete Shift+., "
    "MusicPlayNote Alt+P, MusicAutoPlay Shift+Alt+P, MusicNSDMol Shift+B, MusicNSMol B, MusicNSNormal E, "
    "MusicNSCross H, MusicNSDCross Shift+H, MusicGenerate Alt+M, MusicDelete Del, MusicDialogStaves Ctrl+D, "
    "MusicDialogParts Ctrl+Shift+D, MusicClefG G, MusicClefC C, MusicClefF F, MusicModeDelete Alt+Del, "
    "MusicModeEdit Alt+Home, MusicModeAdd Alt+Ins, MusicNoteGroupPrev Shift+Alt+G, MusicNoteGroupNext Alt+G, "
    "MusicNoteStickUp Alt+U, MusicNoteStickDown Alt+D, FileProperties Ctrl+P, DuplicateMuz D, "
    "ProjectExport Shift+Alt+E, FileOpenFactory Ctrl+F, EditNameAction N, AltKeyL Alt+L, AltShiftKeyL Shift+Alt+L, "
    "AltKeyN Alt+N, AltKeyS Alt+S";

const char* const FactorySet =
    "FilePlay P, FilePlayMax Shift+P, FilePause W, FileStop S, SntValidate V, SntModeDrag Alt+D, SntModeConn Alt+C, "
    "SntRunCrWnd Alt+M, SntShowHints Alt+H, FileProperties, DuplicateFact D, ProjectExport Shift+Alt+E, "
    "FileOpenFactory Ctrl+F, EditNameAction N";

const char* const PlayersSet =
    "FileProperties, DuplicatePlay Ctrl+D, ProjectExport Shift+Alt+E, FileOpenFactory Ctrl+F, EditNameAction Alt+N";

// What the activation notices do to the keys.
void WaveActivated(TShortcutTable& t) { t.ClearMusicSet(); t.ClearFactorySet(); t.ClearPlayersSet(); t.BindWaveSet(); }
void MusicActivated(TShortcutTable& t) { t.ClearWaveSet(); t.ClearFactorySet(); t.ClearPlayersSet(); t.BindMusicSet(); }
void FactoryActivated(TShortcutTable& t)
{
    t.ClearWaveSet(); t.ClearMusicSet(); t.ClearPlayersSet(); t.BindFactorySet();
}
void PlayersActivated(TShortcutTable& t)
{
    t.ClearWaveSet(); t.ClearMusicSet(); t.ClearFactorySet(); t.BindPlayersSet();
}
void NoneActivated(TShortcutTable& t) { t.ClearWaveSet(); t.ClearMusicSet(); t.ClearFactorySet(); t.ClearPlayersSet(); }

} // namespace

TEST(ShortcutTable, EveryKeyInForcePerWindowKind)
{
    TShortcutTable table;
    EXPECT_EQ(Held(table), Listed({Fixed, "FileProperties Ctrl+P, ProjectExport Shift+Alt+E, FileOpenFactory Ctrl+F, "
                                          "EditNameAction N"}));
    WaveActivated(table);
    EXPECT_EQ(Held(table), Listed({Fixed, WaveSet}));
    MusicActivated(table);
    EXPECT_EQ(Held(table), Listed({Fixed, MusicSet}));
    FactoryActivated(table);
    EXPECT_EQ(Held(table), Listed({Fixed, FactorySet}));
    PlayersActivated(table);
    EXPECT_EQ(Held(table), Listed({Fixed, PlayersSet}));
    // No window: the four shared actions keep the keys of the last kind.
    NoneActivated(table);
    EXPECT_EQ(Held(table), Listed({Fixed, "ProjectExport Shift+Alt+E, FileOpenFactory Ctrl+F, EditNameAction Alt+N"}));
    WaveActivated(table);
    EXPECT_EQ(Held(table), Listed({Fixed, WaveSet}));
}

TEST(ShortcutTable, TheMusicKeySequenceFreesEverySecondKey)
{
    TShortcutTable table;
    MusicActivated(table);
    table.BeginMusicKeySequence();
    EXPECT_EQ(Held(table), Listed({Fixed, "FileProperties Ctrl+P, EditNameAction N, AltKeyA Alt+A, AltKeyB Alt+B, "
                                          "AltKeyC Alt+C, AltKeyD Alt+D, AltKeyE Alt+E, AltKeyF Alt+F, AltKeyG Alt+G"}));
    table.EndMusicKeySequence();
    EXPECT_EQ(Held(table), Listed({Fixed, MusicSet}));
}
