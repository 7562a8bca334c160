#include "shell/MenuLayout.h"

namespace {

using A = ActionId;
using M = MenuPart;
constexpr A Sep = A::Count;

TMenuEntry I(A action, const char* caption = nullptr, const char* name = nullptr, M part = M::Count)
{
    return {TMenuEntry::Item, action, caption, name, part};
}
TMenuEntry S() { return {TMenuEntry::Separator}; }
TMenuEntry Sub(const char* caption) { return {TMenuEntry::SubmenuBegin, A::Count, caption}; }
TMenuEntry End() { return {TMenuEntry::SubmenuEnd}; }

std::vector<TMenuInfo> BuildMenus()
{
    return {
        {"MenuFile", "&File", M::Count,
         {I(A::FileNewWave), I(A::FileOpenWave), I(A::FileNewMuz), I(A::FileOpenMuz), I(A::FileNewFactory),
          I(A::FileOpenFactory), I(A::FileNewPlay), I(A::FileOpenPlay), S(), I(A::DuplicateWave),
          I(A::DuplicateMuz), I(A::DuplicateFact), I(A::DuplicatePlay), I(A::FileRevert), S(), I(A::FileClose),
          I(A::FileSave), I(A::FileSaveAs), S(), I(A::FilePlay), I(A::FilePlayMax), I(A::FileStop),
          I(A::FilePause), I(A::FileRecord), S(), I(A::Undo), I(A::DeleteUndo), S(), I(A::FileProperties), S(),
          I(A::FileExit)}},
        {"MenuProject", "&Project", M::Count,
         {I(A::ProjectNew, "&New..."), I(A::ProjectOpen, "&Open..."), I(A::ProjectClose, "&Close"), S(),
          I(A::ProjectSave, "&Save"), I(A::ProjectExport, "&Export...")}},
        {"MenuEdit", "&Edit", M::MenuEdit,
         {I(A::EditDelete), I(A::EditTrim), S(), I(A::EditCut), I(A::EditCopy), I(A::EditPaste), I(A::EditSwap),
          I(A::EditExtract), I(A::EditMix), S(), I(A::WaveRunSountory), S(), I(A::EditClearClipboard)}},
        {"MenuView", "&View", M::MenuView,
         {I(A::ViewWave, nullptr, "MenuItemViewWave", M::MenuItemViewWave),
          I(A::ViewVold, nullptr, "MenuItemViewVold", M::MenuItemViewVold), S(),
          I(A::ZoomIn, nullptr, "MenuItemZoomIn", M::MenuItemZoomIn),
          I(A::NoZoom, nullptr, "MenuItemNoZoom", M::MenuItemNoZoom), S(),
          I(A::SelectWave, nullptr, "MenuItemDialSelect", M::MenuItemDialSelect), S(),
          I(A::MusicDialogStaves, nullptr, "MenuItemDialMusic", M::MenuItemDialMusic), I(A::MusicDialogParts),
          I(A::EditNameAction)}},
        {"MenuMake", "&Make", M::MenuMake,
         {I(A::MakeSilence), I(A::MakeLine), I(A::MakeBlock), I(A::MakeTriangle), I(A::MakeSinus), I(A::MakeNoise),
          I(A::MakeMFreq), S(), I(A::DrawWaveLin), I(A::DrawWave3G)}},
        {"MenuEffects", "&Effects", M::MenuEffects,
         {I(A::Volume), I(A::MaxVolume), I(A::MoveV), I(A::NormalizeVertically), I(A::Distort), I(A::Block), S(),
          I(A::Reverse), I(A::Length), I(A::Rotate), I(A::MoveH), I(A::RollOut), I(A::RollIn), S(), I(A::Balance),
          I(A::MixLeftRight), I(A::TempoPitch, "&Pitch and Tempo..."), Sub("&Filter"), I(A::FilterHigh),
          I(A::FilterLow), S(), I(A::FilterRes), I(A::FilterNotch), S(), I(A::FilterBlock, "&Block..."), End(),
          Sub("E&cho"), I(A::PerEcho), I(A::RndEcho), End()}},
        {"MenuMusic", "M&usic", M::MenuMusic,
         {Sub("&Note"), I(A::MusicNote1), I(A::MusicNote2), I(A::MusicNote4), I(A::MusicNote8), I(A::MusicNote16),
          I(A::MusicNote32), I(A::MusicNote64), End(),
          Sub("&Rest"), I(A::MusicRest1), I(A::MusicRest2), I(A::MusicRest4), I(A::MusicRest8), I(A::MusicRest16),
          I(A::MusicRest32), I(A::MusicRest64), End(),
          Sub("&Clef"), I(A::MusicClefG), I(A::MusicClefC), I(A::MusicClefF), End(),
          Sub("&Accidental"), I(A::MusicNSDCross), I(A::MusicNSCross), I(A::MusicNSNormal), I(A::MusicNSMol),
          I(A::MusicNSDMol), End(),
          Sub("&Dot"), I(A::MusicPointAdd), I(A::MusicPointDelete), End(),
          Sub("&Articulation"), I(A::MusicStaccatissimo), I(A::MusicStaccato), I(A::MusicArtNormal),
          I(A::MusicPortato), I(A::MusicLegato), End(),
          Sub("&Tuplet"), I(A::MusicTwin), I(A::MusicTriplet), I(A::MusicQuadruplet), I(A::MusicQuintuplet), End(),
          S(),
          Sub("S&elect"), I(A::MusicSelectNext), I(A::MusicSelectPrev), I(A::MusicSelectUp), I(A::MusicSelectDown),
          End(),
          Sub("&Move"), I(A::MusicMoveNext), I(A::MusicMovePrev), I(A::MusicMoveUp), I(A::MusicMoveDown),
          I(A::MusicMoveOctUp), I(A::MusicMoveOctDown), End(),
          Sub("Mo&de"), I(A::MusicModeAdd), I(A::MusicModeEdit), I(A::MusicModeDelete), End(),
          I(A::MusicDelete), S(), I(A::MusicPlayNote), I(A::MusicAutoPlay), S(), I(A::MusicNoteStickUp),
          I(A::MusicNoteStickDown), S(), I(A::MusicNoteGroupPrev), I(A::MusicNoteGroupNext), S(),
          I(A::MusicGenerate)}},
        {"MenuFactory", "F&actory", M::MenuFactory,
         {I(A::SntValidate), I(A::SntRunCrWnd), S(), I(A::SntModeDrag), I(A::SntModeConn), S(),
          I(A::SntShowHints)}},
        {"MenuWindow", "&Window", M::MenuWindow,
         {I(A::WindowCascade), I(A::WindowTileHorizontal), I(A::WindowTileVertical), I(A::WindowMinimizeAll),
          I(A::WindowArrangeAll), S(), I(A::SplitH), I(A::MergeH), I(A::SplitV), I(A::MergeV)}},
        {"MenuHelp", "&Help", M::Count,
         {I(A::HelpContents), I(A::HelpTopicSearch), S(), I(A::HelpOnHelp), S(), I(A::HelpAbout)}},
    };
}

std::vector<TToolBarInfo> BuildToolBars()
{
    return {
        {"ToolBarBasic", "Basic", true, M::Count,
         {A::FileNewWave, A::FileOpenWave, A::FileNewMuz, A::FileOpenMuz, A::FileNewFactory, A::FileOpenFactory,
          A::FileNewPlay, A::FileOpenPlay, Sep, A::DuplicateWave, A::DuplicateMuz, A::DuplicateFact,
          A::DuplicatePlay, A::FileRevert, Sep, A::FileSave, A::FileSaveAs, Sep, A::FileProperties, Sep,
          A::EditNameAction, Sep, A::ProjectNew, A::ProjectOpen, A::ProjectClose, A::ProjectSave, A::ProjectExport,
          Sep, A::Undo, A::DeleteUndo, Sep, A::FilePlay, A::FilePlayMax, A::FileStop, A::FilePause,
          A::FileRecord}},
        {"ToolBarWave1", "View", false, M::ToolBarWave1,
         {A::ViewWave, A::ViewVold, Sep, A::ZoomIn, A::NoZoom, Sep, A::SelectWave, Sep, A::SplitH, A::MergeH,
          A::SplitV, A::MergeV, Sep, A::EditDelete, A::EditTrim, Sep, A::EditCut, A::EditPaste, A::EditCopy,
          A::EditSwap, A::EditExtract, A::EditMix, Sep, A::EditClearClipboard}},
        {"ToolBarWave2", "Make Waves", false, M::ToolBarWave2,
         {A::MakeSilence, A::MakeLine, A::MakeBlock, A::MakeTriangle, A::MakeSinus, A::MakeNoise, A::MakeMFreq, Sep,
          A::DrawWaveLin, A::DrawWave3G, Sep, A::Volume, A::MaxVolume, A::MoveV, A::NormalizeVertically, A::MoveH,
          A::Distort, A::Block, A::Length, Sep, A::Reverse, A::Rotate, A::RollOut, A::RollIn}},
        {"ToolBarWave3", "Complex Manipulations", false, M::ToolBarWave3,
         {A::Balance, A::MixLeftRight, A::TempoPitch, A::PerEcho, A::RndEcho, Sep, A::WaveRunSountory, Sep,
          A::FilterLow, A::FilterHigh, Sep, A::FilterRes, A::FilterNotch, Sep, A::FilterBlock}},
        {"ToolBarMusic1", "ToolBarMusic2", false, M::ToolBarMusic1,
         {A::MusicGenerate, Sep, A::MusicDialogStaves, A::MusicDialogParts, Sep, A::MusicModeAdd, A::MusicModeEdit,
          A::MusicModeDelete, Sep, A::MusicDelete, Sep, A::MusicPlayNote, A::MusicAutoPlay, Sep,
          A::MusicNoteGroupPrev, A::MusicNoteGroupNext, Sep, A::MusicNoteStickUp, A::MusicNoteStickDown}},
        {"ToolBarMusic2", "Music Note", false, M::ToolBarMusic2,
         {A::MusicSelectUp, Sep, A::MusicSelectPrev, A::MusicSelectNext, Sep, A::MusicMoveUp, A::MusicMoveOctUp,
          Sep, A::MusicPointAdd, Sep, A::MusicNote1, A::MusicNote2, A::MusicNote4, A::MusicNote8, A::MusicNote16,
          A::MusicNote32, A::MusicNote64, Sep, A::MusicStaccatissimo, A::MusicStaccato, A::MusicArtNormal,
          A::MusicPortato, A::MusicLegato, Sep, A::MusicTwin, A::MusicTriplet, A::MusicQuadruplet,
          A::MusicQuintuplet}},
        {"ToolBarMusic3", "Music Silence", false, M::ToolBarMusic3,
         {A::MusicSelectDown, Sep, A::MusicMovePrev, A::MusicMoveNext, Sep, A::MusicMoveDown, A::MusicMoveOctDown,
          Sep, A::MusicPointDelete, Sep, A::MusicRest1, A::MusicRest2, A::MusicRest4, A::MusicRest8,
          A::MusicRest16, A::MusicRest32, A::MusicRest64, Sep, A::MusicNSDCross, A::MusicNSCross, A::MusicNSNormal,
          A::MusicNSMol, A::MusicNSDMol, Sep, A::MusicClefF, A::MusicClefC, A::MusicClefG}},
        {"ToolBarFact1", "Factory", false, M::ToolBarFact1,
         {A::SntValidate, A::SntRunCrWnd, Sep, A::SntModeDrag, A::SntModeConn, Sep, A::SntShowHints}},
    };
}

} // namespace

const std::vector<TMenuInfo>& MainMenuLayout()
{
    static const std::vector<TMenuInfo> menus = BuildMenus();
    return menus;
}

const std::vector<TToolBarInfo>& ToolBarLayout()
{
    static const std::vector<TToolBarInfo> toolBars = BuildToolBars();
    return toolBars;
}
