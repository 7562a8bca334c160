#include "shell/CommandStates.h"
#include "shell/DocumentKind.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveCommandState.h"
#include "wave/document/WaveFileProps.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using A = ActionId;
using M = MenuPart;

TCommandSnapshot WaveSnapshot(int64_t values)
{
    TCommandSnapshot snap;
    snap.kind = documentKindWave;
    snap.documentWindows = 1;
    snap.playerUsable = true;
    snap.wave.values = values;
    snap.wave.hasContent = values > 0;
    return snap;
}

TCommandStates After(const TCommandSnapshot& snap)
{
    TCommandStates states;
    UpdateCommandStates(states, snap);
    return states;
}

} // namespace

TEST(CommandStates, FirstUpdateWithoutWindowHidesEveryKindMenu)
{
    TCommandStates states;
    EXPECT_TRUE(states.Shown(M::MenuFactory)); // the form shows it until the first update
    UpdateCommandStates(states, TCommandSnapshot{});
    EXPECT_EQ(states.lastKind, documentKindNone);
    for (int i = 0; i < MenuPartCount; ++i) {
        MenuPart part = static_cast<MenuPart>(i);
        bool viewItem = part >= M::MenuItemViewWave && part <= M::MenuItemDialMusic;
        if (!viewItem) {
            EXPECT_FALSE(states.Shown(part)) << i;
        }
    }
    for (ActionId id : {A::FileRecord, A::FileSave, A::FileSaveAs, A::FileProperties, A::DuplicateWave, A::FileClose,
                        A::DuplicatePlay, A::Volume, A::EditPaste, A::SntRunCrWnd, A::ProjectClose})
        EXPECT_FALSE(states[id].enabled) << ActionInfo(id).name;
    EXPECT_FALSE(states[A::DuplicateMuz].visible);
    for (ActionId id : {A::MoveH, A::SelectWave, A::FileNewWave, A::ProjectOpen, A::HelpAbout, A::WaveRunSountory})
        EXPECT_TRUE(states[id].enabled) << ActionInfo(id).name;
}

TEST(CommandStates, EmptyWaveRecordsButDoesNotPlay)
{
    TCommandStates states = After(WaveSnapshot(0));
    EXPECT_TRUE(states[A::FileRecord].enabled);
    EXPECT_FALSE(states[A::FilePlay].enabled);
    EXPECT_FALSE(states[A::FilePlayMax].enabled);
    EXPECT_FALSE(states[A::FileSaveAs].enabled);
    EXPECT_FALSE(states[A::Length].enabled);
    EXPECT_FALSE(states[A::EditPaste].enabled);
    for (ActionId id : {A::EditDelete, A::EditCopy, A::Reverse, A::FilterLow, A::Volume, A::Balance})
        EXPECT_FALSE(states[id].enabled) << ActionInfo(id).name;
    for (ActionId id : {A::MakeSilence, A::MakeSinus, A::MakeMFreq, A::ViewWave, A::ViewVold, A::DuplicateWave,
                        A::FileClose})
        EXPECT_TRUE(states[id].enabled) << ActionInfo(id).name;

    TCommandSnapshot withClipboard = WaveSnapshot(0);
    withClipboard.clipboard = true;
    states = After(withClipboard);
    EXPECT_TRUE(states[A::EditPaste].enabled);
    EXPECT_TRUE(states[A::EditMix].enabled);
    EXPECT_FALSE(states[A::EditSwap].enabled);

    TCommandSnapshot drawing = WaveSnapshot(0);
    drawing.wave.drawing = true;
    drawing.wave.hasContent = true;
    states = After(drawing);
    EXPECT_TRUE(states[A::FileSaveAs].enabled);
    EXPECT_TRUE(states[A::Length].enabled);
    EXPECT_FALSE(states[A::MakeSinus].enabled);
    EXPECT_FALSE(states[A::Volume].enabled); // no drawn points yet

    TCommandSnapshot noPlayer = WaveSnapshot(0);
    noPlayer.playerUsable = false;
    EXPECT_FALSE(After(noPlayer)[A::FileRecord].enabled);
}

TEST(CommandStates, SelectionsAtTheEnds)
{
    struct Case {
        int64_t begin, end;
        bool splitH, trim;
    };
    const Case cases[] = {
        {0, 0, false, false},   {0, 50, false, true},   {10, 100, false, true},
        {10, 50, true, true},   {30, 30, true, false},  {0, 100, false, true},
    };
    for (const Case& c : cases) {
        TCommandSnapshot snap = WaveSnapshot(100);
        snap.wave.selectBegin = c.begin;
        snap.wave.selectEnd = c.end;
        TCommandStates states = After(snap);
        EXPECT_EQ(states[A::SplitH].enabled, c.splitH) << c.begin << ".." << c.end;
        EXPECT_EQ(states[A::EditTrim].enabled, c.trim) << c.begin << ".." << c.end;
    }
}

TEST(CommandStates, ChannelsChooseBalanceOrMixAndSplit)
{
    TCommandSnapshot mono = WaveSnapshot(10);
    mono.wave.channels = 1;
    TCommandStates states = After(mono);
    EXPECT_TRUE(states[A::Balance].enabled);
    EXPECT_FALSE(states[A::MixLeftRight].enabled);
    EXPECT_FALSE(states[A::SplitV].enabled);
    states = After(WaveSnapshot(10));
    EXPECT_FALSE(states[A::Balance].enabled);
    EXPECT_TRUE(states[A::MixLeftRight].enabled);
    EXPECT_TRUE(states[A::SplitV].enabled);
}

TEST(CommandStates, ChecksFollowTheWindow)
{
    TCommandSnapshot snap = WaveSnapshot(10);
    snap.wave.zoomMode = 2;
    snap.wave.showKind = 1;
    snap.dialogVisible = {true, false, false, true};
    TCommandStates states = After(snap);
    EXPECT_TRUE(states[A::ZoomIn].checked);
    EXPECT_FALSE(states[A::ViewWave].checked);
    EXPECT_TRUE(states[A::ViewVold].checked);
    EXPECT_TRUE(states[A::SelectWave].checked);
    EXPECT_TRUE(states[A::EditNameAction].checked);
}

TEST(CommandStates, MenusAreRebuiltOnlyWhenTheKindChanges)
{
    TCommandStates states;
    TCommandSnapshot wave = WaveSnapshot(10);
    TCommandSnapshot music;
    music.kind = documentKindMusic;
    UpdateCommandStates(states, wave);
    EXPECT_EQ(states.menuRebuilds, 1);
    EXPECT_TRUE(states.Shown(M::MenuEffects));
    EXPECT_EQ(states.toolbarTop[static_cast<int>(M::ToolBarWave3)], 102);
    UpdateCommandStates(states, wave);
    EXPECT_EQ(states.menuRebuilds, 1);
    UpdateCommandStates(states, music);
    EXPECT_EQ(states.menuRebuilds, 2);
    EXPECT_FALSE(states.Shown(M::MenuEffects));
    EXPECT_TRUE(states.Shown(M::MenuMusic));
    EXPECT_FALSE(states.Shown(M::MenuItemViewWave));
    EXPECT_TRUE(states.Shown(M::MenuItemDialMusic));
    UpdateCommandStates(states, wave);
    EXPECT_EQ(states.menuRebuilds, 3);
    UpdateCommandStates(states, TCommandSnapshot{});
    UpdateCommandStates(states, TCommandSnapshot{});
    EXPECT_EQ(states.menuRebuilds, 4);
    EXPECT_TRUE(states.Shown(M::MenuItemViewWave)); // unchanged with no window
}

TEST(CommandStates, CommonRules)
{
    TCommandStates states;
    TCommandSnapshot snap = WaveSnapshot(10);
    UpdateCommandStates(states, snap);
    EXPECT_FALSE(states[A::FileStop].enabled);
    EXPECT_TRUE(states[A::FilePause].enabled);
    EXPECT_FALSE(states[A::Undo].enabled);

    states[A::FileRecord].checked = true; // the audio player marks what runs
    UpdateCommandStates(states, snap);
    EXPECT_TRUE(states[A::FileStop].enabled);
    EXPECT_FALSE(states[A::FilePause].enabled);
    snap.pendingRecord = true;
    snap.undoUsable = true;
    snap.projectOpen = true;
    UpdateCommandStates(states, snap);
    EXPECT_TRUE(states[A::FilePause].enabled);
    EXPECT_TRUE(states[A::Undo].enabled);
    EXPECT_TRUE(states[A::DeleteUndo].enabled);
    EXPECT_TRUE(states[A::ProjectExport].enabled);
}

TEST(CommandStates, OtherKindsOfferTheirDuplicateAndRules)
{
    TCommandSnapshot factory;
    factory.kind = documentKindFactory;
    for (int kind = 0; kind < 8; ++kind) {
        factory.factory.factoryKind = kind;
        EXPECT_EQ(After(factory)[A::SntRunCrWnd].enabled, kind == 0 || kind == 4) << kind;
    }
    TCommandStates states = After(factory);
    EXPECT_TRUE(states[A::DuplicateFact].visible);
    EXPECT_FALSE(states[A::DuplicateWave].visible);
    EXPECT_TRUE(states[A::SntModeDrag].checked);
    EXPECT_FALSE(states[A::FilePlay].enabled);

    TCommandSnapshot players;
    players.kind = documentKindPlayers;
    players.players.modifiedOrNew = true;
    states = After(players);
    EXPECT_TRUE(states[A::DuplicatePlay].enabled);
    EXPECT_TRUE(states[A::FileSave].enabled);
    EXPECT_FALSE(states[A::FileRevert].enabled);
    // Nothing to show as properties of a player set.
    EXPECT_FALSE(states[A::FileProperties].enabled);
    players.players.hasFileName = true;
    EXPECT_TRUE(After(players)[A::FileRevert].enabled);

    TCommandSnapshot music;
    music.kind = documentKindMusic;
    music.music.canNote[2] = true;
    music.music.noteChecked[2] = true;
    music.music.canArticulation[2] = true; // staccatissimo
    states = After(music);
    EXPECT_TRUE(states[A::MusicNote4].enabled);
    EXPECT_TRUE(states[A::MusicNote4].checked);
    EXPECT_FALSE(states[A::MusicNote8].enabled);
    EXPECT_TRUE(states[A::MusicStaccatissimo].enabled);
    EXPECT_FALSE(states[A::MusicStaccato].enabled);
    EXPECT_FALSE(states[A::FileRecord].enabled);
    EXPECT_FALSE(states[A::FilePlay].enabled); // no audio device in this snapshot
    music.playerUsable = true;
    EXPECT_TRUE(After(music)[A::FilePlay].enabled);
}

// Playing would cut a recording off, and without a device nothing plays: in
// every kind of window Play and Play Maximal are off then.
TEST(CommandStates, NoPlayWhileRecordingOrWithoutDevice)
{
    for (unsigned char kind : {documentKindWave, documentKindMusic}) {
        TCommandSnapshot snap = WaveSnapshot(10);
        snap.kind = kind;
        TCommandStates states = After(snap);
        EXPECT_TRUE(states[A::FilePlay].enabled) << int(kind);
        states[A::FileRecord].checked = true;
        UpdateCommandStates(states, snap);
        EXPECT_FALSE(states[A::FilePlay].enabled) << int(kind);
        EXPECT_FALSE(states[A::FilePlayMax].enabled) << int(kind);
        EXPECT_TRUE(states[A::FileStop].enabled) << int(kind);

        snap.playerUsable = false;
        states = After(snap);
        EXPECT_FALSE(states[A::FilePlay].enabled) << int(kind);
        EXPECT_FALSE(states[A::FilePlayMax].enabled) << int(kind);
        EXPECT_FALSE(states[A::FileRecord].enabled) << int(kind);
    }
}

TEST(CommandStates, PlayNoteNeedsANoteAndADevice)
{
    TCommandSnapshot snap = WaveSnapshot(0);
    snap.kind = documentKindMusic;
    snap.music.canPlayNote = true;
    EXPECT_TRUE(After(snap)[A::MusicPlayNote].enabled);
    snap.playerUsable = false;
    EXPECT_FALSE(After(snap)[A::MusicPlayNote].enabled);
    snap.playerUsable = true;
    snap.music.canPlayNote = false;
    EXPECT_FALSE(After(snap)[A::MusicPlayNote].enabled);
}

TEST(CommandStates, ANewEmptyWaveDocument)
{
    TUnitWave unit(TWaveFileProps(1, 22050, 2), "Wave 1", "");
    TCommandSnapshot snap;
    snap.kind = documentKindWave;
    snap.playerUsable = true;
    snap.wave = WaveCommandStateOf(unit);
    EXPECT_EQ(snap.wave.values, 0);
    EXPECT_EQ(snap.wave.channels, 1);
    EXPECT_FALSE(snap.wave.hasContent);
    EXPECT_FALSE(snap.wave.isChanged); // an empty wave asks no save question
    EXPECT_FALSE(snap.wave.hasFileName);
    TCommandStates states = After(snap);
    EXPECT_TRUE(states[A::FileRecord].enabled);
    EXPECT_FALSE(states[A::FilePlay].enabled);
    EXPECT_FALSE(states[A::FileSave].enabled);
    EXPECT_FALSE(states[A::SplitV].enabled);
}

TEST(CommandStates, LeavingTheLastWindowDisablesExactlyTheDocumentCommands)
{
    TCommandStates states;
    UpdateCommandStates(states, WaveSnapshot(10));
    for (TActionState& state : states.actions)
        state.enabled = true;
    UpdateCommandStates(states, TCommandSnapshot{}); // no window, no player, no undo, no project

    std::set<std::string> disabled;
    for (const TActionInfo& info : ActionCatalogue())
        if (!states[info.id].enabled)
            disabled.insert(info.name);
    const std::set<std::string> expected = {
        // the no-window update
        "FileProperties", "FileSave", "FileSaveAs", "FileRevert", "FilePlay", "FilePlayMax", "FileRecord",
        "DuplicateWave", "DuplicateMuz", "DuplicateFact", "DuplicatePlay",
        "EditDelete", "EditTrim", "EditClearClipboard", "EditSwap", "EditExtract", "EditMix", "EditCut", "EditCopy",
        "EditPaste", "NoZoom", "ZoomIn", "ViewWave", "ViewVold", "MergeH", "MergeV", "SplitV", "SplitH",
        "MakeSilence", "MakeLine", "MakeBlock", "MakeTriangle", "MakeSinus", "MakeNoise", "MakeMFreq", "DrawWaveLin",
        "DrawWave3G", "MaxVolume", "Volume", "Reverse", "MoveV", "Block", "RollOut", "Rotate", "RollIn", "Length",
        "Distort", "NormalizeVertically", "MixLeftRight", "Balance", "RndEcho", "PerEcho", "TempoPitch",
        "FilterBlock", "FilterLow", "FilterHigh", "FilterRes", "FilterNotch", "SntRunCrWnd",
        // the common rules without player, undo snapshot, project or active window
        "FileStop", "FilePause", "Undo", "DeleteUndo", "FileClose", "ProjectClose", "ProjectSave", "ProjectExport"};
    EXPECT_EQ(disabled, expected);
    for (ActionId id : {A::DuplicateWave, A::DuplicateMuz, A::DuplicateFact, A::DuplicatePlay})
        EXPECT_FALSE(states[id].visible) << ActionInfo(id).name;
}
