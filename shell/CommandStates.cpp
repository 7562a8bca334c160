#include "shell/CommandStates.h"

#include "shell/DocumentKind.h"

#include <initializer_list>
#include <string_view>

namespace {

using A = ActionId;
using M = MenuPart;

constexpr ActionId Duplicates[] = {A::DuplicateWave, A::DuplicateMuz, A::DuplicateFact, A::DuplicatePlay};

void Enable(TCommandStates& s, std::initializer_list<ActionId> ids, bool enabled)
{
    for (ActionId id : ids)
        s[id].enabled = enabled;
}

// One kind's Duplicate action is offered, the other three are hidden.
void OfferDuplicate(TCommandStates& s, ActionId own)
{
    for (ActionId id : Duplicates) {
        s[id].enabled = id == own;
        s[id].visible = id == own;
    }
}

// The visibility table of menus and toolbars per kind; the view items stay as
// they are when no window is active.
void ShowMenusForKind(TCommandStates& s, unsigned char kind)
{
    const bool wave = kind == documentKindWave;
    const bool music = kind == documentKindMusic;
    const bool factory = kind == documentKindFactory;
    const bool any = kind != documentKindNone;

    s.Shown(M::MenuEdit) = wave;
    s.Shown(M::MenuMake) = wave;
    s.Shown(M::MenuEffects) = wave;
    s.Shown(M::MenuView) = any;
    if (any) {
        for (MenuPart part : {M::MenuItemViewWave, M::MenuItemViewVold, M::MenuItemZoomIn, M::MenuItemNoZoom,
                              M::MenuItemDialSelect})
            s.Shown(part) = wave;
        s.Shown(M::MenuItemDialMusic) = music;
    }
    s.Shown(M::MenuMusic) = music;
    s.Shown(M::MenuFactory) = factory;
    s.Shown(M::MenuWindow) = any;

    const MenuPart waveBars[] = {M::ToolBarWave1, M::ToolBarWave2, M::ToolBarWave3};
    const MenuPart musicBars[] = {M::ToolBarMusic1, M::ToolBarMusic2, M::ToolBarMusic3};
    for (int i = 0; i < 3; ++i) {
        s.Shown(waveBars[i]) = wave;
        s.Shown(musicBars[i]) = music;
        if (wave)
            s.toolbarTop[static_cast<int>(waveBars[i])] = 34 * (i + 1);
        if (music)
            s.toolbarTop[static_cast<int>(musicBars[i])] = 34 * (i + 1);
    }
    s.Shown(M::ToolBarFact1) = factory;
    if (factory)
        s.toolbarTop[static_cast<int>(M::ToolBarFact1)] = 34;
    ++s.menuRebuilds;
}

void UpdateMenusForKind(TCommandStates& s)
{
    if (s.lastKind == documentKindNone)
        return;
    ShowMenusForKind(s, documentKindNone);
    Enable(s,
           {A::FileProperties, A::FileSave, A::FileSaveAs, A::FileRevert, A::FilePlay, A::FilePlayMax,
            A::FileRecord,
            // the edits
            A::EditDelete, A::EditTrim, A::EditClearClipboard, A::EditSwap, A::EditExtract, A::EditMix, A::EditCut,
            A::EditCopy, A::EditPaste,
            A::NoZoom, A::ZoomIn, A::ViewWave, A::ViewVold, A::MergeH, A::MergeV, A::SplitV, A::SplitH,
            // the generators and hand drawing
            A::MakeSilence, A::MakeLine, A::MakeBlock, A::MakeTriangle, A::MakeSinus, A::MakeNoise, A::MakeMFreq,
            A::DrawWaveLin, A::DrawWave3G,
            // the simple effects but MoveH
            A::MaxVolume, A::Volume, A::Reverse, A::MoveV, A::Block, A::RollOut, A::Rotate, A::RollIn, A::Length,
            A::Distort, A::NormalizeVertically,
            A::MixLeftRight, A::Balance, A::RndEcho, A::PerEcho, A::TempoPitch,
            A::FilterBlock, A::FilterLow, A::FilterHigh, A::FilterRes, A::FilterNotch, A::SntRunCrWnd},
           false);
    for (ActionId id : Duplicates) {
        s[id].enabled = false;
        s[id].visible = false;
    }
}

void UpdateWaveActions(TCommandStates& s, const TCommandSnapshot& snap)
{
    if (s.lastKind != documentKindWave)
        ShowMenusForKind(s, documentKindWave);
    const TWaveCommandState& w = snap.wave;
    const bool values = w.values > 0;
    const bool drawing = w.drawing;
    const bool selection = w.selectBegin != w.selectEnd;

    s[A::SelectWave].checked = snap.dialogVisible[0];
    s[A::FileProperties].enabled = !drawing;
    s[A::FileSave].enabled = w.isChanged;
    s[A::FileSaveAs].enabled = w.hasContent;
    s[A::FileRevert].enabled = w.hasFileName && w.isChanged;
    Enable(s, {A::FilePlay, A::FilePlayMax}, snap.playerUsable && values);
    s[A::FileRecord].enabled = snap.playerUsable && w.values == 0;
    Enable(s,
           {A::EditDelete, A::EditCut, A::EditCopy, A::EditExtract, A::NoZoom, A::ZoomIn, A::Block, A::MoveH,
            A::RollIn, A::RollOut, A::Distort, A::Rotate, A::Reverse, A::RndEcho, A::PerEcho, A::TempoPitch,
            A::FilterBlock, A::FilterHigh, A::FilterLow, A::FilterRes, A::FilterNotch},
           !drawing && values);
    s[A::ZoomIn].checked = w.zoomMode != 0;
    s[A::EditTrim].enabled = !drawing && values && selection;
    Enable(s, {A::EditPaste, A::EditMix}, !drawing && snap.clipboard);
    s[A::EditSwap].enabled = !drawing && values && snap.clipboard;
    s[A::EditClearClipboard].enabled = snap.clipboard;
    s[A::ViewWave].enabled = true;
    s[A::ViewWave].checked = w.showKind == 0;
    s[A::ViewVold].enabled = !drawing;
    s[A::ViewVold].checked = w.showKind == 1;
    Enable(s, {A::MergeH, A::MergeV}, snap.documentWindows > 1);
    s[A::SplitV].enabled = w.channels == 2;
    s[A::SplitH].enabled = w.selectBegin > 0 && w.selectEnd < w.values;
    Enable(s, {A::MakeSilence, A::MakeLine, A::MakeBlock, A::MakeTriangle, A::MakeSinus, A::MakeNoise, A::MakeMFreq},
           !drawing);
    s[A::DrawWaveLin].enabled = w.canDrawLin;
    s[A::DrawWaveLin].checked = drawing && w.drawKind == 0;
    s[A::DrawWave3G].enabled = w.canDraw3G;
    s[A::DrawWave3G].checked = drawing && w.drawKind == 1;
    Enable(s, {A::MoveV, A::NormalizeVertically, A::Volume, A::MaxVolume}, values || (drawing && w.drawNodes > 0));
    s[A::Length].enabled = drawing || values;
    s[A::MixLeftRight].enabled = !drawing && values && w.channels == 2;
    s[A::Balance].enabled = !drawing && values && w.channels == 1;
    s[A::WaveRunSountory].enabled = snap.namedFactories > 0;
    OfferDuplicate(s, A::DuplicateWave);
}

void UpdateMusicActions(TCommandStates& s, const TCommandSnapshot& snap)
{
    if (s.lastKind != documentKindMusic)
        ShowMenusForKind(s, documentKindMusic);
    const TMusicCommandState& m = snap.music;

    Enable(s, {A::FileProperties, A::FileSaveAs, A::FilePlay, A::FilePlayMax}, true);
    s[A::FileSave].enabled = m.modifiedOrNew;
    s[A::FileRevert].enabled = m.hasFileName && m.modifiedOrNew;
    s[A::FileRecord].enabled = false;
    OfferDuplicate(s, A::DuplicateMuz);
    s[A::MusicDialogStaves].checked = snap.dialogVisible[1];
    s[A::MusicDialogParts].checked = snap.dialogVisible[2];
    s[A::MusicModeDelete].checked = m.modeDelete;
    s[A::MusicModeEdit].checked = m.modeEdit;
    s[A::MusicModeAdd].checked = m.modeAdd;
    // Without a device a note has nowhere to sound.
    s[A::MusicPlayNote].enabled = m.canPlayNote && snap.playerUsable;
    s[A::MusicAutoPlay].checked = m.autoPlay;
    s[A::MusicNoteGroupPrev].enabled = m.canNoteGroupPrev;
    s[A::MusicNoteGroupNext].enabled = m.canNoteGroupNext;
    s[A::MusicNoteStickUp].enabled = m.canStickUp;
    s[A::MusicNoteStickDown].enabled = m.canStickDown;
    s[A::MusicNoteStickUp].checked = m.stickUpChecked;
    s[A::MusicNoteStickDown].checked = m.stickDownChecked;

    const ActionId notes[] = {A::MusicNote1, A::MusicNote2, A::MusicNote4, A::MusicNote8,
                              A::MusicNote16, A::MusicNote32, A::MusicNote64};
    const ActionId rests[] = {A::MusicRest1, A::MusicRest2, A::MusicRest4, A::MusicRest8,
                              A::MusicRest16, A::MusicRest32, A::MusicRest64};
    for (int i = 0; i < 7; ++i) {
        s[notes[i]] = {m.canNote[i], s[notes[i]].visible, m.noteChecked[i]};
        s[rests[i]] = {m.canRest[i], s[rests[i]].visible, m.restChecked[i]};
    }
    // Indexed by articulation code.
    const ActionId articulations[] = {A::MusicArtNormal, A::MusicStaccato, A::MusicStaccatissimo,
                                      A::MusicPortato, A::MusicLegato};
    for (int i = 0; i < 5; ++i)
        s[articulations[i]] = {m.canArticulation[i], s[articulations[i]].visible, m.articulationChecked[i]};
    const ActionId clefs[] = {A::MusicClefG, A::MusicClefC, A::MusicClefF};
    for (int i = 0; i < 3; ++i)
        s[clefs[i]] = {m.canClef[i], s[clefs[i]].visible, m.clefChecked[i]};
    const ActionId shifts[] = {A::MusicNSDCross, A::MusicNSCross, A::MusicNSNormal, A::MusicNSMol, A::MusicNSDMol};
    for (int i = 0; i < 5; ++i)
        s[shifts[i]] = {m.canNoteShift[i], s[shifts[i]].visible, m.noteShiftChecked[i]};

    s[A::MusicPointAdd].enabled = m.canPointAdd;
    s[A::MusicPointDelete].enabled = m.canPointDelete;
    s[A::MusicDelete].enabled = m.canDelete;
    s[A::MusicSelectDown].enabled = m.canSelectDown;
    s[A::MusicSelectNext].enabled = m.canSelectNext;
    s[A::MusicSelectPrev].enabled = m.canSelectPrev;
    s[A::MusicSelectUp].enabled = m.canSelectUp;
    s[A::MusicMoveDown].enabled = m.canMoveDown;
    s[A::MusicMoveNext].enabled = m.canMoveNext;
    s[A::MusicMovePrev].enabled = m.canMovePrev;
    s[A::MusicMoveUp].enabled = m.canMoveUp;
    s[A::MusicMoveOctDown].enabled = m.canMoveOctDown;
    s[A::MusicMoveOctUp].enabled = m.canMoveOctUp;
    const ActionId tuplets[] = {A::MusicTwin, A::MusicTriplet, A::MusicQuadruplet, A::MusicQuintuplet};
    for (int i = 0; i < 4; ++i)
        s[tuplets[i]].enabled = m.canTuplet[i];
    s[A::SntRunCrWnd].enabled = false;
}

void UpdateFactoryActions(TCommandStates& s, const TCommandSnapshot& snap)
{
    if (s.lastKind != documentKindFactory)
        ShowMenusForKind(s, documentKindFactory);
    const TFactoryCommandState& f = snap.factory;

    Enable(s, {A::FileProperties, A::FileSaveAs, A::SntValidate, A::SntModeDrag, A::SntModeConn}, true);
    s[A::SntModeDrag].checked = f.mode == 0;
    s[A::SntModeConn].checked = f.mode == 1;
    s[A::FileSave].enabled = f.modified;
    s[A::FileRevert].enabled = f.hasFileName && f.modified;
    Enable(s, {A::FilePlay, A::FilePlayMax, A::FileRecord}, false);
    OfferDuplicate(s, A::DuplicateFact);
    s[A::SntRunCrWnd].enabled = f.factoryKind == 0 || f.factoryKind == 4;
    s[A::SntShowHints].checked = f.showHints;
}

void UpdatePlayersActions(TCommandStates& s, const TCommandSnapshot& snap)
{
    if (s.lastKind != documentKindPlayers)
        ShowMenusForKind(s, documentKindPlayers);
    const TPlayersCommandState& p = snap.players;

    // A player set has no properties to show.
    s[A::FileProperties].enabled = false;
    s[A::FileSaveAs].enabled = true;
    s[A::FileSave].enabled = p.modifiedOrNew;
    s[A::FileRevert].enabled = p.hasFileName && p.modifiedOrNew;
    Enable(s, {A::FilePlay, A::FilePlayMax, A::FileRecord}, false);
    OfferDuplicate(s, A::DuplicatePlay);
}

void UpdateCommonActions(TCommandStates& s, const TCommandSnapshot& snap)
{
    const bool running = s[A::FilePlay].checked || s[A::FilePlayMax].checked || s[A::FileRecord].checked;
    s[A::FileStop].enabled = snap.playerUsable && running;
    // Without a device nothing plays, and a play would cut a recording off.
    if (!snap.playerUsable || s[A::FileRecord].checked)
        Enable(s, {A::FilePlay, A::FilePlayMax}, false);
    s[A::FilePause].enabled = snap.playerUsable && (!s[A::FileRecord].checked || snap.pendingRecord);
    Enable(s, {A::Undo, A::DeleteUndo}, snap.undoUsable);
    // The standard close-window action closes the active document window only.
    s[A::FileClose].enabled = snap.kind != 0;
    s[A::EditNameAction].checked = snap.dialogVisible[3];
    Enable(s, {A::ProjectClose, A::ProjectSave, A::ProjectExport}, snap.projectOpen);
    Enable(s,
           {A::ProjectOpen, A::ProjectNew, A::WindowCascade, A::WindowTileHorizontal, A::WindowTileVertical,
            A::WindowMinimizeAll, A::WindowArrangeAll, A::HelpContents, A::HelpTopicSearch, A::HelpOnHelp,
            A::HelpAbout},
           true);
}

} // namespace

TCommandStates::TCommandStates()
{
    for (int i = 0; i < ActionCount; ++i)
        actions[i] = StartActionState(static_cast<ActionId>(i));
    // The form itself hides the kind menus and toolbars; the first update hides the rest.
    shown.fill(true);
    for (MenuPart part : {M::MenuEdit, M::MenuView, M::MenuMake, M::MenuEffects, M::MenuMusic, M::ToolBarWave1,
                          M::ToolBarWave2, M::ToolBarWave3, M::ToolBarMusic1, M::ToolBarMusic2, M::ToolBarMusic3,
                          M::ToolBarFact1})
        Shown(part) = false;
}

void UpdateCommandStates(TCommandStates& states, const TCommandSnapshot& snapshot)
{
    switch (snapshot.kind) {
    case documentKindWave: UpdateWaveActions(states, snapshot); break;
    case documentKindMusic: UpdateMusicActions(states, snapshot); break;
    case documentKindFactory: UpdateFactoryActions(states, snapshot); break;
    case documentKindPlayers: UpdatePlayersActions(states, snapshot); break;
    default: UpdateMenusForKind(states); break;
    }
    states.lastKind = snapshot.kind <= documentKindPlayers ? snapshot.kind : static_cast<unsigned char>(documentKindNone);
    UpdateCommonActions(states, snapshot);
}

bool IsCheckableAction(ActionId id)
{
    switch (id) {
    case A::SelectWave: case A::ZoomIn: case A::ViewWave: case A::ViewVold: case A::DrawWaveLin:
    case A::DrawWave3G: case A::EditNameAction: case A::FilePlay: case A::FilePlayMax: case A::FilePause:
    case A::FileRecord:
    case A::MusicDialogStaves: case A::MusicDialogParts: case A::MusicAutoPlay: case A::MusicNoteStickUp:
    case A::MusicNoteStickDown: case A::SntModeDrag: case A::SntModeConn: case A::SntShowHints:
        return true;
    default:
        break;
    }
    std::string_view category = ActionInfo(id).category;
    return category == "MusicNotes" ? id <= A::MusicNote64
                                    : category == "MusicRest" || category == "MusicArt" ||
                                          category == "MusicClef" || category == "MusicNoteshift" ||
                                          category == "MusicMode";
}
