#include "foundation/commands/ActionCatalogue.h"
#include "shell/MenuLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

TEST(ActionCatalogue, HoldsEveryActionOnceUnderItsName)
{
    const auto& catalogue = ActionCatalogue();
    ASSERT_EQ(catalogue.size(), 162u);
    std::set<std::string> names;
    std::set<int> images;
    for (const TActionInfo& info : catalogue) {
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        EXPECT_EQ(FindActionByName(info.name), info.id);
        if (info.image >= 0) {
            EXPECT_TRUE(images.insert(info.image).second) << info.name;
        }
    }
    EXPECT_EQ(FindActionByName("NoSuchAction"), ActionId::Count);
}

TEST(ActionCatalogue, CategoriesHaveTheirActions)
{
    std::map<std::string, int> counts;
    for (const TActionInfo& info : ActionCatalogue())
        ++counts[info.category];
    const std::map<std::string, int> expected = {
        {"File", 23}, {"Window", 5}, {"", 3}, {"WaveWindow", 9}, {"WaveMake", 9}, {"WaveEdit", 9},
        {"WaveSimple", 12}, {"WaveComplex", 6}, {"WaveFilter", 5}, {"Help", 4}, {"MusicNotes", 11},
        {"MusicRest", 7}, {"Music", 4}, {"MusicClef", 3}, {"MusicMode", 3}, {"MusicMove", 6},
        {"MusicNoteshift", 5}, {"MusicPoint", 2}, {"MusicSelect", 4}, {"MusicPlay", 2}, {"MusicTuplet", 4},
        {"MusicArt", 5}, {"Project", 5}, {"Sountory", 5}, {"AltKeys", 11}};
    EXPECT_EQ(counts, expected);
}

TEST(ActionCatalogue, StartStatesThatDifferFromTheRest)
{
    for (const TActionInfo& info : ActionCatalogue()) {
        TActionState state = StartActionState(info.id);
        const bool altKey = std::string(info.category) == "AltKeys";
        EXPECT_EQ(state.visible, !altKey) << info.name;
        EXPECT_EQ(state.enabled, info.id != ActionId::FileStop) << info.name;
        EXPECT_EQ(state.checked, info.id == ActionId::MusicAutoPlay) << info.name;
        // Key-only actions have no image, every other one has.
        EXPECT_EQ(info.image < 0, altKey) << info.name;
    }
}

TEST(ActionCatalogue, HintsSplitIntoShortAndLong)
{
    const TActionInfo& modeDrag = ActionInfo(ActionId::SntModeDrag);
    EXPECT_EQ(ShortHint(modeDrag), "Mode Dragging");
    EXPECT_EQ(LongHint(modeDrag), "Move Inputs and Outputs by dragging");
    const TActionInfo& validate = ActionInfo(ActionId::SntValidate);
    EXPECT_EQ(ShortHint(validate), "Validate the Factory");
    EXPECT_EQ(LongHint(validate), "Validate the Factory");
}

namespace {

// "name key" for each action of a category, in the order they are listed.
std::string CategoryListing(const std::string& category)
{
    std::string text;
    for (const TActionInfo& info : ActionCatalogue()) {
        if (category != info.category)
            continue;
        if (!text.empty())
            text += ", ";
        text += info.name;
        if (*info.startShortcut)
            text += std::string(" ") + info.startShortcut;
    }
    return text;
}

} // namespace

TEST(ActionCatalogue, EveryActionUnderItsCategoryWithItsStartKey)
{
    const std::pair<const char*, const char*> listed[] = {
        {"File", "FileNewWave Ctrl+N, FileNewMuz Ctrl+Shift+N, FileOpenWave Ctrl+O, FileOpenMuz Ctrl+Shift+O, "
                 "FileClose, FileSave Ctrl+S, FileSaveAs Ctrl+A, FileExit, FileProperties Ctrl+P, FilePlay P, "
                 "FileStop S, FilePause W, FileRecord Alt+R, FilePlayMax Shift+P, FileRevert Ctrl+Shift+R, "
                 "FileNewFactory Ctrl+Shift+F, FileOpenPlay Ctrl+Y, FileNewPlay Ctrl+Shift+Y, FileOpenFactory Ctrl+F, "
                 "DuplicateWave D, DuplicateMuz D, DuplicateFact D, DuplicatePlay Ctrl+D"},
        {"Window", "WindowCascade Shift+F5, WindowTileHorizontal F4, WindowTileVertical Shift+F4, WindowMinimizeAll, "
                   "WindowArrangeAll"},
        {"", "Undo Ctrl+Z, EditNameAction N, DeleteUndo Alt+Del"},
        {"WaveWindow", "SplitH Ctrl+I, SplitV Ctrl+Shift+I, MergeH Ctrl+M, MergeV Ctrl+Shift+M, ViewWave Alt+W, "
                       "ViewVold Alt+V, ZoomIn Z, NoZoom Shift+Z, SelectWave Q"},
        {"WaveMake", "MakeSilence Alt+S, MakeLine Alt+L, MakeBlock Alt+B, MakeTriangle Alt+T, MakeSinus Shift+S, "
                     "MakeNoise Alt+N, MakeMFreq Alt+F, DrawWaveLin Alt+D, DrawWave3G Shift+Alt+D"},
        {"WaveEdit", "EditDelete Ctrl+Del, EditTrim Ctrl+Shift+Del, EditClearClipboard Shift+Alt+Del, EditSwap X, "
                     "EditExtract Shift+X, EditMix M, EditCut Ctrl+X, EditCopy Ctrl+C, EditPaste Ctrl+V"},
        {"WaveSimple", "MaxVolume Shift+V, Volume V, Reverse R, MoveV U, Block Shift+B, RollOut O, Rotate Ctrl+R, "
                       "RollIn I, Length L, Distort Shift+D, NormalizeVertically Shift+N, MoveH H"},
        {"WaveComplex", "Balance B, MixLeftRight Shift+M, PerEcho Ctrl+E, RndEcho Alt+E, TempoPitch T, "
                        "WaveRunSountory F"},
        {"WaveFilter", "FilterBlock Ctrl+Alt+B, FilterLow Ctrl+Alt+L, FilterHigh Ctrl+Alt+H, FilterRes Ctrl+Alt+R, "
                       "FilterNotch Ctrl+Alt+N"},
        {"Help", "HelpTopicSearch Shift+F1, HelpContents F1, HelpOnHelp Ctrl+F1, HelpAbout Alt+F1"},
        {"MusicNotes", "MusicNote1, MusicNote2, MusicNote4, MusicNote8, MusicNote16, MusicNote32, MusicNote64, "
                       "MusicNoteGroupPrev Shift+Alt+G, MusicNoteGroupNext Alt+G, MusicNoteStickUp Alt+U, "
                       "MusicNoteStickDown Alt+D"},
        {"MusicRest", "MusicRest1, MusicRest2, MusicRest4, MusicRest8, MusicRest16, MusicRest32, MusicRest64"},
        {"Music", "MusicGenerate Alt+M, MusicDelete Del, MusicDialogStaves Ctrl+D, MusicDialogParts Ctrl+Shift+D"},
        {"MusicClef", "MusicClefG G, MusicClefC C, MusicClefF F"},
        {"MusicMode", "MusicModeDelete Alt+Del, MusicModeEdit Alt+Home, MusicModeAdd Alt+Ins"},
        {"MusicMove", "MusicMoveNext, MusicMovePrev, MusicMoveUp, MusicMoveDown, MusicMoveOctUp, MusicMoveOctDown"},
        {"MusicNoteshift", "MusicNSDCross Shift+H, MusicNSCross H, MusicNSNormal E, MusicNSMol B, MusicNSDMol Shift+B"},
        {"MusicPoint", "MusicPointAdd ., MusicPointDelete Shift+."},
        {"MusicSelect", "MusicSelectDown, MusicSelectNext, MusicSelectPrev, MusicSelectUp"},
        {"MusicPlay", "MusicPlayNote Alt+P, MusicAutoPlay Shift+Alt+P"},
        {"MusicTuplet", "MusicTwin Ctrl+2, MusicTriplet Ctrl+3, MusicQuadruplet Ctrl+4, MusicQuintuplet Ctrl+5"},
        {"MusicArt", "MusicStaccatissimo, MusicStaccato, MusicArtNormal, MusicPortato, MusicLegato"},
        {"Project", "ProjectOpen Shift+Alt+O, ProjectNew Shift+Alt+N, ProjectClose Shift+Alt+C, "
                    "ProjectSave Shift+Alt+S, ProjectExport Shift+Alt+E"},
        {"Sountory", "SntValidate V, SntModeDrag Alt+D, SntModeConn Alt+C, SntRunCrWnd Alt+M, SntShowHints Alt+H"},
        {"AltKeys", "AltKeyA, AltKeyB, AltKeyC, AltKeyD, AltKeyE, AltKeyF, AltKeyG, AltKeyL, AltShiftKeyL, AltKeyN, "
                    "AltKeyS"},
    };
    for (const auto& [category, actions] : listed)
        EXPECT_EQ(CategoryListing(category), actions) << "category \"" << category << "\"";
}

TEST(ActionCatalogue, CaptionsAndHintsThatTheCommandsGive)
{
    struct Given {
        const char* name;
        const char* caption;
        const char* hint; // null: the hint is ours
    };
    const Given given[] = {
        {"FileNewWave", "&New wave...", nullptr},
        {"FileNewMuz", "New music...", nullptr},
        {"FileOpenWave", "&Open wave...", nullptr},
        {"FileOpenMuz", "&Open music...", nullptr},
        {"FileSave", "&Save", nullptr},
        {"FileSaveAs", "Save &As...", nullptr},
        {"FileExit", "E&xit", nullptr},
        {"FileProperties", "Properties", nullptr},
        {"FilePlay", "&Play", "Play|Play the Window"},
        {"FileStop", "S&top", "Stop|Stops playing or recording"},
        {"FilePause", "Pause", "Pause|Pause Playing or Undone Pausing"},
        {"FileRecord", "&Record", "Record|Starts recording"},
        {"FilePlayMax", "Play &Maximal", "Play|Play the wave at maximal volume"},
        {"FileRevert", "&Revert", nullptr},
        {"FileNewFactory", "New &factory...", nullptr},
        {"FileOpenPlay", "Open &players...", nullptr},
        {"FileNewPlay", "New players...", nullptr},
        {"FileOpenFactory", "Open factory...", nullptr},
        {"DuplicateWave", "&Duplicate", nullptr},
        {"DuplicateMuz", "&Duplicate", nullptr},
        {"DuplicateFact", "&Duplicate", nullptr},
        {"DuplicatePlay", "&Duplicate", nullptr},
        {"Undo", "&Undo", nullptr},
        {"EditNameAction", "Dialogbox Edit &Name", nullptr},
        {"DeleteUndo", "De&lete Undo", nullptr},
        {"SplitH", "&Split Horizontally", "Split window into two or three windows sequentially"},
        {"SplitV", "S&plit Vertically", "Split one stereo wave into two mono waves"},
        {"MergeH", "&Merge Horizontally", "Merge two windows into one window as first and last"},
        {"MergeV", "M&erge Vertically", "Merge two mono waves into one stereo wave"},
        {"ViewWave", "&Wave...", nullptr},
        {"ViewVold", "&Volume...", nullptr},
        {"ZoomIn", "&Zoom in", nullptr},
        {"NoZoom", "&No Zoom", nullptr},
        {"MakeSilence", "&Silence...", nullptr},
        {"MakeLine", "&Line...", nullptr},
        {"MakeBlock", "&Block...", nullptr},
        {"MakeTriangle", "&Triangle...", nullptr},
        {"MakeSinus", "S&inus...", nullptr},
        {"MakeNoise", "&Noise...", nullptr},
        {"MakeMFreq", "Multi &Frequencies...", nullptr},
        {"DrawWaveLin", "Dr&aw Wave Linear", nullptr},
        {"DrawWave3G", "Draw Wave Smooth", nullptr},
        {"EditDelete", "&Delete", nullptr},
        {"EditTrim", "&Trim", nullptr},
        {"EditClearClipboard", "Clear Clipboard", nullptr},
        {"EditSwap", "Swap", nullptr},
        {"EditExtract", "Extract", nullptr},
        {"EditMix", "&Mix...", nullptr},
        {"EditCut", "Cut", nullptr},
        {"EditCopy", "Copy", nullptr},
        {"EditPaste", "Paste", nullptr},
        {"MaxVolume", "M&aximal Volume", nullptr},
        {"Volume", "&Volume...", nullptr},
        {"Reverse", "&Reverse", nullptr},
        {"MoveV", "Move &Vertically...", nullptr},
        {"Block", "&Block...", nullptr},
        {"RollOut", "Roll ou&t...", nullptr},
        {"Rotate", "R&otate...", nullptr},
        {"RollIn", "Roll &in...", nullptr},
        {"Length", "Change &length...", nullptr},
        {"Distort", "&Distort...", nullptr},
        {"NormalizeVertically", "&Normalize Vertically", nullptr},
        {"MoveH", "Move &Horizontally...", nullptr},
        {"Balance", "Ba&lance...", nullptr},
        {"MixLeftRight", "Mi&x Left and Right...", nullptr},
        {"PerEcho", "&Period...", nullptr},
        {"RndEcho", "&Random...", nullptr},
        {"TempoPitch", "Tem&po and Pitch...", nullptr},
        {"WaveRunSountory", "Run &Factory Change Wave", "Change Wave by Using a Factory"},
        {"FilterBlock", "FilterBlock", nullptr},
        {"FilterLow", "&Low...", nullptr},
        {"FilterHigh", "&High...", nullptr},
        {"FilterRes", "&Resonant...", nullptr},
        {"FilterNotch", "&Notch...", nullptr},
        {"HelpTopicSearch", "&Topic Search", nullptr},
        {"HelpContents", "&Contents", nullptr},
        {"HelpOnHelp", "&Help on Help", nullptr},
        {"HelpAbout", "&About...", nullptr},
        {"MusicNote1", "Note &1", nullptr},
        {"MusicNote2", "Note &2", nullptr},
        {"MusicNote4", "Note &4", nullptr},
        {"MusicNote8", "Note &8", nullptr},
        {"MusicNote16", "Note 1&6", nullptr},
        {"MusicNote32", "Note &32", nullptr},
        {"MusicNote64", "Not&e 64", nullptr},
        {"MusicNoteGroupPrev", "Previous Note Group", nullptr},
        {"MusicNoteGroupNext", "Next Note Group", nullptr},
        {"MusicNoteStickUp", "Stem Facing &Up", nullptr},
        {"MusicNoteStickDown", "Stem Facing &Down", nullptr},
        {"MusicRest1", "Rest &1", nullptr},
        {"MusicRest2", "Rest &2", nullptr},
        {"MusicRest4", "Rest &4", nullptr},
        {"MusicRest8", "Rest &8", nullptr},
        {"MusicRest16", "Rest 1&6", nullptr},
        {"MusicRest32", "Rest &32", nullptr},
        {"MusicRest64", "Rest 64", nullptr},
        {"MusicGenerate", "&Generate", nullptr},
        {"MusicDelete", "&Delete", nullptr},
        {"MusicClefG", "Clef &G", nullptr},
        {"MusicClefC", "Clef &C", nullptr},
        {"MusicClefF", "Clef &F", nullptr},
        {"MusicModeDelete", "&Delete", nullptr},
        {"MusicModeEdit", "&Edit", nullptr},
        {"MusicModeAdd", "&Add", nullptr},
        {"MusicMoveNext", "&Next", nullptr},
        {"MusicMovePrev", "&Previous", nullptr},
        {"MusicMoveUp", "&Up", nullptr},
        {"MusicMoveDown", "&Down", nullptr},
        {"MusicMoveOctUp", "&Octave Up", nullptr},
        {"MusicMoveOctDown", "O&ctave Down", nullptr},
        {"MusicNSDCross", "&Double Sharp", nullptr},
        {"MusicNSCross", "&Sharp", nullptr},
        {"MusicNSNormal", "&Natural", nullptr},
        {"MusicNSMol", "&Flat", nullptr},
        {"MusicNSDMol", "D&ouble Flat", nullptr},
        {"MusicPointAdd", "&Add", nullptr},
        {"MusicPointDelete", "&Delete", nullptr},
        {"MusicSelectDown", "&Down", nullptr},
        {"MusicSelectNext", "&Next", nullptr},
        {"MusicSelectPrev", "&Previous", nullptr},
        {"MusicSelectUp", "&Up", nullptr},
        {"MusicPlayNote", "P&lay Note", nullptr},
        {"MusicAutoPlay", "&Auto Play Note", nullptr},
        {"MusicTwin", "T&win", "Split to Twin|Split Note(s) into Twin; Play 2 notes in length of 3 notes."},
        {"MusicTriplet", "&Triplet", "Split to Triplet|Split Note(s) into Triplet; Play 3 notes in length of 2 notes."},
        {"MusicQuadruplet", "&Quadruplet", nullptr},
        {"MusicQuintuplet", "Q&uintuplet", nullptr},
        {"MusicStaccatissimo", "Staccatissimo", "Staccatissimo|Set the articulation of selected Note(s) to Staccatissimo; Play 1/4 length of Note"},
        {"MusicStaccato", "Staccato", "Staccato|Set the articulation of selected Note(s) to Staccato; Play 1/2 length of Note"},
        {"MusicArtNormal", "Normal", nullptr},
        {"MusicPortato", "Portato", "Portato|Set the articulation of selected Note(s) to Portato; Play 1,5 length of Note"},
        {"MusicLegato", "Legato", "Legato|Set the articulation of selected Note(s) to Legato; Play 2 length of Note"},
        {"ProjectOpen", "&Open Project...", "Open Project"},
        {"ProjectNew", "&New Project...", "Create New Project"},
        {"ProjectClose", "&Close Project", "Close Current Project"},
        {"ProjectSave", "&Save Project", "Save Current Project"},
        {"ProjectExport", "&Export Project", "Export all data of the Current Project"},
        {"SntValidate", "&Validate", "Validate the Factory"},
        {"SntModeDrag", "Mode &Drag", "Mode Dragging|Move Inputs and Outputs by dragging"},
        {"SntModeConn", "Mode &Connect", "Mode Connection|Create Connections by dragging"},
        {"SntRunCrWnd", "Run &Factory Create Wave", "Create a Wave by Using a Factory"},
        {"SntShowHints", "Show &Hints", "Toggle Hints Inputs Output|Enable Show Hints of Inputs and Outputs"},
        {"AltKeyA", "AltKeyA", nullptr},
        {"AltKeyB", "AltKeyB", nullptr},
        {"AltKeyC", "AltKeyC", nullptr},
        {"AltKeyD", "AltKeyD", nullptr},
        {"AltKeyE", "AltKeyE", nullptr},
        {"AltKeyF", "AltKeyF", nullptr},
        {"AltKeyG", "AltKeyG", nullptr},
        {"AltKeyL", "AltKeyL", nullptr},
        {"AltShiftKeyL", "AltShiftKeyL", nullptr},
        {"AltKeyN", "AltKeyN", nullptr},
        {"AltKeyS", "AltKeyS", nullptr},
    };
    for (const Given& g : given) {
        const ActionId id = FindActionByName(g.name);
        ASSERT_NE(id, ActionId::Count) << g.name;
        EXPECT_STREQ(ActionInfo(id).caption, g.caption) << g.name;
        if (g.hint) {
            EXPECT_STREQ(ActionInfo(id).hint, g.hint) << g.name;
        }
    }
}

TEST(MenuLayout, MenusInOrderWithTheirCaptions)
{
    std::vector<std::string> captions;
    for (const TMenuInfo& menu : MainMenuLayout())
        captions.push_back(menu.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Project", "&Edit", "&View", "&Make", "&Effects", "M&usic",
                                                  "F&actory", "&Window", "&Help"}));
}

TEST(MenuLayout, EveryVisibleActionIsReachableFromAMenu)
{
    std::set<ActionId> inMenus;
    for (const TMenuInfo& menu : MainMenuLayout())
        for (const TMenuEntry& entry : menu.entries)
            if (entry.kind == TMenuEntry::Item)
                inMenus.insert(entry.action);
    for (const TActionInfo& info : ActionCatalogue())
        EXPECT_EQ(inMenus.count(info.id), std::string(info.category) == "AltKeys" ? 0u : 1u) << info.name;
}

namespace {

// A menu as a line: action names (with the item's own name after a slash),
// "|" for a separator and "caption [ ... ]" for a submenu.
std::string MenuListing(const TMenuInfo& menu)
{
    std::string text;
    auto add = [&text](const std::string& token) { text += (text.empty() ? "" : " ") + token; };
    for (const TMenuEntry& entry : menu.entries) {
        switch (entry.kind) {
        case TMenuEntry::Item:
            add(std::string(ActionInfo(entry.action).name) + (entry.name ? std::string("/") + entry.name : ""));
            break;
        case TMenuEntry::Separator: add("|"); break;
        case TMenuEntry::SubmenuBegin: add(std::string(entry.caption) + " ["); break;
        case TMenuEntry::SubmenuEnd: add("]"); break;
        }
    }
    return text;
}

std::string ToolBarListing(const TToolBarInfo& bar)
{
    std::string text;
    for (ActionId id : bar.buttons)
        text += (text.empty() ? "" : " ") + std::string(id == ActionId::Count ? "|" : ActionInfo(id).name);
    return text;
}

} // namespace

TEST(MenuLayout, EveryMenuListsItsItemsInOrder)
{
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"MenuFile", "FileNewWave FileOpenWave FileNewMuz FileOpenMuz FileNewFactory FileOpenFactory FileNewPlay "
                     "FileOpenPlay | DuplicateWave DuplicateMuz DuplicateFact DuplicatePlay FileRevert | FileClose "
                     "FileSave FileSaveAs | FilePlay FilePlayMax FileStop FilePause FileRecord | Undo DeleteUndo | "
                     "FileProperties | FileExit"},
        {"MenuProject", "ProjectNew ProjectOpen ProjectClose | ProjectSave ProjectExport"},
        {"MenuEdit", "EditDelete EditTrim | EditCut EditCopy EditPaste EditSwap EditExtract EditMix | WaveRunSountory "
                     "| EditClearClipboard"},
        {"MenuView", "ViewWave/MenuItemViewWave ViewVold/MenuItemViewVold | ZoomIn/MenuItemZoomIn "
                     "NoZoom/MenuItemNoZoom | SelectWave/MenuItemDialSelect | MusicDialogStaves/MenuItemDialMusic "
                     "MusicDialogParts EditNameAction"},
        {"MenuMake", "MakeSilence MakeLine MakeBlock MakeTriangle MakeSinus MakeNoise MakeMFreq | DrawWaveLin "
                     "DrawWave3G"},
        {"MenuEffects", "Volume MaxVolume MoveV NormalizeVertically Distort Block | Reverse Length Rotate MoveH RollOut "
                        "RollIn | Balance MixLeftRight TempoPitch &Filter [ FilterHigh FilterLow | FilterRes "
                        "FilterNotch | FilterBlock ] E&cho [ PerEcho RndEcho ]"},
        {"MenuMusic", "&Note [ MusicNote1 MusicNote2 MusicNote4 MusicNote8 MusicNote16 MusicNote32 MusicNote64 ] "
                      "&Rest [ MusicRest1 MusicRest2 MusicRest4 MusicRest8 MusicRest16 MusicRest32 MusicRest64 ] "
                      "&Clef [ MusicClefG MusicClefC MusicClefF ] "
                      "&Accidental [ MusicNSDCross MusicNSCross MusicNSNormal MusicNSMol MusicNSDMol ] "
                      "&Dot [ MusicPointAdd MusicPointDelete ] "
                      "&Articulation [ MusicStaccatissimo MusicStaccato MusicArtNormal MusicPortato MusicLegato ] "
                      "&Tuplet [ MusicTwin MusicTriplet MusicQuadruplet MusicQuintuplet ] | "
                      "S&elect [ MusicSelectNext MusicSelectPrev MusicSelectUp MusicSelectDown ] "
                      "&Move [ MusicMoveNext MusicMovePrev MusicMoveUp MusicMoveDown MusicMoveOctUp MusicMoveOctDown ] "
                      "Mo&de [ MusicModeAdd MusicModeEdit MusicModeDelete ] MusicDelete | MusicPlayNote MusicAutoPlay "
                      "| MusicNoteStickUp MusicNoteStickDown | MusicNoteGroupPrev MusicNoteGroupNext | MusicGenerate"},
        {"MenuFactory", "SntValidate SntRunCrWnd | SntModeDrag SntModeConn | SntShowHints"},
        {"MenuWindow", "WindowCascade WindowTileHorizontal WindowTileVertical WindowMinimizeAll WindowArrangeAll | "
                       "SplitH MergeH SplitV MergeV"},
        {"MenuHelp", "HelpContents HelpTopicSearch | HelpOnHelp | HelpAbout"},
    };
    const auto& menus = MainMenuLayout();
    ASSERT_EQ(menus.size(), expected.size());
    for (size_t i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(menus[i].name, expected[i].first);
        EXPECT_EQ(MenuListing(menus[i]), expected[i].second) << expected[i].first;
    }
}

TEST(MenuLayout, ToolBarsWithTheirCaptionsAndButtons)
{
    struct Expected {
        const char* name;
        const char* caption;
        const char* buttons;
    };
    const Expected expected[] = {
        {"ToolBarBasic", "Basic",
         "FileNewWave FileOpenWave FileNewMuz FileOpenMuz FileNewFactory FileOpenFactory FileNewPlay FileOpenPlay | "
         "DuplicateWave DuplicateMuz DuplicateFact DuplicatePlay FileRevert | FileSave FileSaveAs | FileProperties | "
         "EditNameAction | ProjectNew ProjectOpen ProjectClose ProjectSave ProjectExport | Undo DeleteUndo | "
         "FilePlay FilePlayMax FileStop FilePause FileRecord"},
        {"ToolBarWave1", "View",
         "ViewWave ViewVold | ZoomIn NoZoom | SelectWave | SplitH MergeH SplitV MergeV | EditDelete EditTrim | "
         "EditCut EditPaste EditCopy EditSwap EditExtract EditMix | EditClearClipboard"},
        {"ToolBarWave2", "Make Waves",
         "MakeSilence MakeLine MakeBlock MakeTriangle MakeSinus MakeNoise MakeMFreq | DrawWaveLin DrawWave3G | "
         "Volume MaxVolume MoveV NormalizeVertically MoveH Distort Block Length | Reverse Rotate RollOut RollIn"},
        {"ToolBarWave3", "Complex Manipulations",
         "Balance MixLeftRight TempoPitch PerEcho RndEcho | WaveRunSountory | FilterLow FilterHigh | FilterRes "
         "FilterNotch | FilterBlock"},
        {"ToolBarMusic1", "ToolBarMusic2",
         "MusicGenerate | MusicDialogStaves MusicDialogParts | MusicModeAdd MusicModeEdit MusicModeDelete | "
         "MusicDelete | MusicPlayNote MusicAutoPlay | MusicNoteGroupPrev MusicNoteGroupNext | MusicNoteStickUp "
         "MusicNoteStickDown"},
        {"ToolBarMusic2", "Music Note",
         "MusicSelectUp | MusicSelectPrev MusicSelectNext | MusicMoveUp MusicMoveOctUp | MusicPointAdd | MusicNote1 "
         "MusicNote2 MusicNote4 MusicNote8 MusicNote16 MusicNote32 MusicNote64 | MusicStaccatissimo MusicStaccato "
         "MusicArtNormal MusicPortato MusicLegato | MusicTwin MusicTriplet MusicQuadruplet MusicQuintuplet"},
        {"ToolBarMusic3", "Music Silence",
         "MusicSelectDown | MusicMovePrev MusicMoveNext | MusicMoveDown MusicMoveOctDown | MusicPointDelete | "
         "MusicRest1 MusicRest2 MusicRest4 MusicRest8 MusicRest16 MusicRest32 MusicRest64 | MusicNSDCross "
         "MusicNSCross MusicNSNormal MusicNSMol MusicNSDMol | MusicClefF MusicClefC MusicClefG"},
        {"ToolBarFact1", "Factory", "SntValidate SntRunCrWnd | SntModeDrag SntModeConn | SntShowHints"},
    };
    const auto& bars = ToolBarLayout();
    ASSERT_EQ(bars.size(), std::size(expected));
    for (size_t i = 0; i < bars.size(); ++i) {
        EXPECT_STREQ(bars[i].name, expected[i].name);
        EXPECT_STREQ(bars[i].caption, expected[i].caption);
        EXPECT_EQ(ToolBarListing(bars[i]), expected[i].buttons) << bars[i].name;
        EXPECT_EQ(bars[i].top, i == 0);
    }
}

TEST(MenuLayout, ItemCaptionsThatDifferFromTheirActions)
{
    std::map<std::string, std::string> overrides;
    for (const TMenuInfo& menu : MainMenuLayout())
        for (const TMenuEntry& entry : menu.entries)
            if (entry.kind == TMenuEntry::Item && entry.caption)
                overrides[ActionInfo(entry.action).name] = entry.caption;
    EXPECT_EQ(overrides["TempoPitch"], "&Pitch and Tempo...");
    EXPECT_EQ(overrides["FilterBlock"], "&Block...");
    EXPECT_EQ(overrides["ProjectNew"], "&New...");
    EXPECT_EQ(overrides["ProjectExport"], "&Export...");
}
