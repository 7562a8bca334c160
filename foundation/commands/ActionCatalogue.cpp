#include "foundation/commands/ActionCatalogue.h"

namespace {

using A = ActionId;

// Image numbers follow the catalogue; the key-only actions have none.
constexpr std::array<TActionInfo, ActionCount> Catalogue = {{
    {A::FileNewWave, "FileNewWave", "File", "&New wave...", "New Wave|Create a new wave window", 0, "Ctrl+N"},
    {A::FileNewMuz, "FileNewMuz", "File", "New music...", "New Music|Create a new music window", 1, "Ctrl+Shift+N"},
    {A::FileOpenWave, "FileOpenWave", "File", "&Open wave...", "Open Wave|Open one or more wave files", 2, "Ctrl+O"},
    {A::FileOpenMuz, "FileOpenMuz", "File", "&Open music...", "Open Music|Open one or more music files", 3, "Ctrl+Shift+O"},
    {A::FileClose, "FileClose", "File", "&Close", "Close|Close the active window", 4, ""},
    {A::FileSave, "FileSave", "File", "&Save", "Save|Save the active document", 5, "Ctrl+S"},
    {A::FileSaveAs, "FileSaveAs", "File", "Save &As...", "Save As|Save the active document under a new file name", 6, "Ctrl+A"},
    {A::FileExit, "FileExit", "File", "E&xit", "Exit|Close the program", 7, ""},
    {A::FileProperties, "FileProperties", "File", "Properties", "Properties|Change the format of the active wave or music", 8, "Ctrl+P"},
    {A::FilePlay, "FilePlay", "File", "&Play", "Play|Play the Window", 9, "P"},
    {A::FileStop, "FileStop", "File", "S&top", "Stop|Stops playing or recording", 10, "S"},
    {A::FilePause, "FilePause", "File", "Pause", "Pause|Pause Playing or Undone Pausing", 11, "W"},
    {A::FileRecord, "FileRecord", "File", "&Record", "Record|Starts recording", 12, "Alt+R"},
    {A::FilePlayMax, "FilePlayMax", "File", "Play &Maximal", "Play|Play the wave at maximal volume", 13, "Shift+P"},
    {A::FileRevert, "FileRevert", "File", "&Revert", "Revert|Read the active document again from its file", 14, "Ctrl+Shift+R"},
    {A::FileNewFactory, "FileNewFactory", "File", "New &factory...", "New Factory|Create a new factory window", 15, "Ctrl+Shift+F"},
    {A::FileOpenPlay, "FileOpenPlay", "File", "Open &players...", "Open Players|Open one or more player-set files", 16, "Ctrl+Y"},
    {A::FileNewPlay, "FileNewPlay", "File", "New players...", "New Players|Create a new player-set window", 17, "Ctrl+Shift+Y"},
    {A::FileOpenFactory, "FileOpenFactory", "File", "Open factory...", "Open Factory|Open one or more factory files", 18, "Ctrl+F"},
    {A::DuplicateWave, "DuplicateWave", "File", "&Duplicate", "Duplicate|Duplicate the active wave", 19, "D"},
    {A::DuplicateMuz, "DuplicateMuz", "File", "&Duplicate", "Duplicate|Duplicate the active music", 20, "D"},
    {A::DuplicateFact, "DuplicateFact", "File", "&Duplicate", "Duplicate|Duplicate the active factory", 21, "D"},
    {A::DuplicatePlay, "DuplicatePlay", "File", "&Duplicate", "Duplicate|Duplicate the active player set", 22, "Ctrl+D"},

    {A::WindowCascade, "WindowCascade", "Window", "&Cascade", "Cascade|Arrange the windows overlapped", 23, "Shift+F5"},
    {A::WindowTileHorizontal, "WindowTileHorizontal", "Window", "Tile &Horizontally", "Tile Horizontally|Arrange the windows one above the other", 24, "F4"},
    {A::WindowTileVertical, "WindowTileVertical", "Window", "Tile &Vertically", "Tile Vertically|Arrange the windows side by side", 25, "Shift+F4"},
    {A::WindowMinimizeAll, "WindowMinimizeAll", "Window", "&Minimize All", "Minimize All|Minimize every window", 26, ""},
    {A::WindowArrangeAll, "WindowArrangeAll", "Window", "&Arrange All", "Arrange All|Arrange the minimized windows", 27, ""},

    {A::Undo, "Undo", "", "&Undo", "Undo|Undo the last change of a wave; again to redo", 28, "Ctrl+Z"},
    {A::EditNameAction, "EditNameAction", "", "Dialogbox Edit &Name", "Edit Name|Show or hide the Edit Name dialog", 29, "N"},
    {A::DeleteUndo, "DeleteUndo", "", "De&lete Undo", "Delete Undo|Forget the undo information", 30, "Alt+Del"},

    {A::SplitH, "SplitH", "WaveWindow", "&Split Horizontally", "Split window into two or three windows sequentially", 31, "Ctrl+I"},
    {A::SplitV, "SplitV", "WaveWindow", "S&plit Vertically", "Split one stereo wave into two mono waves", 32, "Ctrl+Shift+I"},
    {A::MergeH, "MergeH", "WaveWindow", "&Merge Horizontally", "Merge two windows into one window as first and last", 33, "Ctrl+M"},
    {A::MergeV, "MergeV", "WaveWindow", "M&erge Vertically", "Merge two mono waves into one stereo wave", 34, "Ctrl+Shift+M"},
    {A::ViewWave, "ViewWave", "WaveWindow", "&Wave...", "View Wave|Show the waveform and change its settings", 35, "Alt+W"},
    {A::ViewVold, "ViewVold", "WaveWindow", "&Volume...", "View Volume|Show the volume diagram and change its settings", 36, "Alt+V"},
    {A::ZoomIn, "ZoomIn", "WaveWindow", "&Zoom in", "Zoom In|Click into a pane to zoom in", 37, "Z"},
    {A::NoZoom, "NoZoom", "WaveWindow", "&No Zoom", "Zoom Out|Click into a pane to zoom out", 38, "Shift+Z"},
    {A::SelectWave, "SelectWave", "WaveWindow", "&Select and Zoom", "Select and Zoom|Show or hide the Select and Zoom dialog", 39, "Q"},

    {A::MakeSilence, "MakeSilence", "WaveMake", "&Silence...", "Silence|Make silence", 40, "Alt+S"},
    {A::MakeLine, "MakeLine", "WaveMake", "&Line...", "Line|Make a line", 41, "Alt+L"},
    {A::MakeBlock, "MakeBlock", "WaveMake", "&Block...", "Block|Make a block wave", 42, "Alt+B"},
    {A::MakeTriangle, "MakeTriangle", "WaveMake", "&Triangle...", "Triangle|Make a triangle wave", 43, "Alt+T"},
    {A::MakeSinus, "MakeSinus", "WaveMake", "S&inus...", "Sinus|Make a sine wave", 44, "Shift+S"},
    {A::MakeNoise, "MakeNoise", "WaveMake", "&Noise...", "Noise|Make noise", 45, "Alt+N"},
    {A::MakeMFreq, "MakeMFreq", "WaveMake", "Multi &Frequencies...", "Multi Frequencies|Make a sum of frequencies", 46, "Alt+F"},
    {A::DrawWaveLin, "DrawWaveLin", "WaveMake", "Dr&aw Wave Linear", "Draw Wave Linear|Draw the wave by hand with straight lines", 47, "Alt+D"},
    {A::DrawWave3G, "DrawWave3G", "WaveMake", "Draw Wave Smooth", "Draw Wave Smooth|Draw the wave by hand with smooth curves", 48, "Shift+Alt+D"},

    {A::EditDelete, "EditDelete", "WaveEdit", "&Delete", "Delete|Delete the selection", 49, "Ctrl+Del"},
    {A::EditTrim, "EditTrim", "WaveEdit", "&Trim", "Trim|Keep only the selection", 50, "Ctrl+Shift+Del"},
    {A::EditClearClipboard, "EditClearClipboard", "WaveEdit", "Clear Clipboard", "Clear Clipboard|Empty the clipboard", 51, "Shift+Alt+Del"},
    {A::EditSwap, "EditSwap", "WaveEdit", "Swap", "Swap|Exchange the selection and the clipboard", 52, "X"},
    {A::EditExtract, "EditExtract", "WaveEdit", "Extract", "Extract|Copy the selection to the clipboard and silence it", 53, "Shift+X"},
    {A::EditMix, "EditMix", "WaveEdit", "&Mix...", "Mix|Mix the clipboard into the wave", 54, "M"},
    {A::EditCut, "EditCut", "WaveEdit", "Cut", "Cut|Move the selection to the clipboard", 55, "Ctrl+X"},
    {A::EditCopy, "EditCopy", "WaveEdit", "Copy", "Copy|Copy the selection to the clipboard", 56, "Ctrl+C"},
    {A::EditPaste, "EditPaste", "WaveEdit", "Paste", "Paste|Replace the selection by the clipboard", 57, "Ctrl+V"},

    {A::MaxVolume, "MaxVolume", "WaveSimple", "M&aximal Volume", "Maximal Volume|Bring the volume to the maximum", 58, "Shift+V"},
    {A::Volume, "Volume", "WaveSimple", "&Volume...", "Volume|Change the volume", 59, "V"},
    {A::Reverse, "Reverse", "WaveSimple", "&Reverse", "Reverse|Reverse the wave", 60, "R"},
    {A::MoveV, "MoveV", "WaveSimple", "Move &Vertically...", "Move Vertically|Add a constant to the values", 61, "U"},
    {A::Block, "Block", "WaveSimple", "&Block...", "Block|Block the wave in time and value", 62, "Shift+B"},
    {A::RollOut, "RollOut", "WaveSimple", "Roll ou&t...", "Roll Out|Repeat the wave", 63, "O"},
    {A::Rotate, "Rotate", "WaveSimple", "R&otate...", "Rotate|Rotate the wave", 64, "Ctrl+R"},
    {A::RollIn, "RollIn", "WaveSimple", "Roll &in...", "Roll In|Roll the wave into a shorter length", 65, "I"},
    {A::Length, "Length", "WaveSimple", "Change &length...", "Change Length|Resample the wave to a new length", 66, "L"},
    {A::Distort, "Distort", "WaveSimple", "&Distort...", "Distort|Map the values through a transfer wave", 67, "Shift+D"},
    {A::NormalizeVertically, "NormalizeVertically", "WaveSimple", "&Normalize Vertically", "Normalize Vertically|Centre the wave around zero", 68, "Shift+N"},
    {A::MoveH, "MoveH", "WaveSimple", "Move &Horizontally...", "Move Horizontally|Shift the channels in time", 69, "H"},

    {A::Balance, "Balance", "WaveComplex", "Ba&lance...", "Balance|Make a mono wave stereo by a direction", 70, "B"},
    {A::MixLeftRight, "MixLeftRight", "WaveComplex", "Mi&x Left and Right...", "Mix Left and Right|Mix the left and right channels", 71, "Shift+M"},
    {A::PerEcho, "PerEcho", "WaveComplex", "&Period...", "Period Echo|Add a periodic echo", 72, "Ctrl+E"},
    {A::RndEcho, "RndEcho", "WaveComplex", "&Random...", "Random Echo|Add random echoes", 73, "Alt+E"},
    {A::TempoPitch, "TempoPitch", "WaveComplex", "Tem&po and Pitch...", "Tempo and Pitch|Change the tempo and the pitch", 74, "T"},
    {A::WaveRunSountory, "WaveRunSountory", "WaveComplex", "Run &Factory Change Wave", "Change Wave by Using a Factory", 75, "F"},

    {A::FilterBlock, "FilterBlock", "WaveFilter", "FilterBlock", "Block Filter|Filter with a moving block", 76, "Ctrl+Alt+B"},
    {A::FilterLow, "FilterLow", "WaveFilter", "&Low...", "Low Filter|Let the low frequencies pass", 77, "Ctrl+Alt+L"},
    {A::FilterHigh, "FilterHigh", "WaveFilter", "&High...", "High Filter|Let the high frequencies pass", 78, "Ctrl+Alt+H"},
    {A::FilterRes, "FilterRes", "WaveFilter", "&Resonant...", "Resonant Filter|Stress one frequency", 79, "Ctrl+Alt+R"},
    {A::FilterNotch, "FilterNotch", "WaveFilter", "&Notch...", "Notch Filter|Remove one frequency", 80, "Ctrl+Alt+N"},

    {A::HelpTopicSearch, "HelpTopicSearch", "Help", "&Topic Search", "Topic Search|Search the help", 81, "Shift+F1"},
    {A::HelpContents, "HelpContents", "Help", "&Contents", "Contents|Show the contents of the help", 82, "F1"},
    {A::HelpOnHelp, "HelpOnHelp", "Help", "&Help on Help", "Help on Help|How to use the help", 83, "Ctrl+F1"},
    {A::HelpAbout, "HelpAbout", "Help", "&About...", "About|About this program", 84, "Alt+F1"},

    {A::MusicNote1, "MusicNote1", "MusicNotes", "Note &1", "Whole Note|Whole note", 85, ""},
    {A::MusicNote2, "MusicNote2", "MusicNotes", "Note &2", "Half Note|Half note", 86, ""},
    {A::MusicNote4, "MusicNote4", "MusicNotes", "Note &4", "Quarter Note|Quarter note", 87, ""},
    {A::MusicNote8, "MusicNote8", "MusicNotes", "Note &8", "Eighth Note|Eighth note", 88, ""},
    {A::MusicNote16, "MusicNote16", "MusicNotes", "Note 1&6", "Sixteenth Note|Sixteenth note", 89, ""},
    {A::MusicNote32, "MusicNote32", "MusicNotes", "Note &32", "Note 32|Thirty-second note", 90, ""},
    {A::MusicNote64, "MusicNote64", "MusicNotes", "Not&e 64", "Note 64|Sixty-fourth note", 91, ""},
    {A::MusicNoteGroupPrev, "MusicNoteGroupPrev", "MusicNotes", "Previous Note Group", "Previous Note Group|Go to the previous note group", 92, "Shift+Alt+G"},
    {A::MusicNoteGroupNext, "MusicNoteGroupNext", "MusicNotes", "Next Note Group", "Next Note Group|Go to the next note group", 93, "Alt+G"},
    {A::MusicNoteStickUp, "MusicNoteStickUp", "MusicNotes", "Stem Facing &Up", "Stem Up|Stem facing up", 94, "Alt+U"},
    {A::MusicNoteStickDown, "MusicNoteStickDown", "MusicNotes", "Stem Facing &Down", "Stem Down|Stem facing down", 95, "Alt+D"},

    {A::MusicRest1, "MusicRest1", "MusicRest", "Rest &1", "Whole Rest|Whole rest", 96, ""},
    {A::MusicRest2, "MusicRest2", "MusicRest", "Rest &2", "Half Rest|Half rest", 97, ""},
    {A::MusicRest4, "MusicRest4", "MusicRest", "Rest &4", "Quarter Rest|Quarter rest", 98, ""},
    {A::MusicRest8, "MusicRest8", "MusicRest", "Rest &8", "Eighth Rest|Eighth rest", 99, ""},
    {A::MusicRest16, "MusicRest16", "MusicRest", "Rest 1&6", "Sixteenth Rest|Sixteenth rest", 100, ""},
    {A::MusicRest32, "MusicRest32", "MusicRest", "Rest &32", "Rest 32|Thirty-second rest", 101, ""},
    {A::MusicRest64, "MusicRest64", "MusicRest", "Rest 64", "Rest 64|Sixty-fourth rest", 102, ""},

    {A::MusicGenerate, "MusicGenerate", "Music", "&Generate", "Generate|Generate a wave from the music", 103, "Alt+M"},
    {A::MusicDelete, "MusicDelete", "Music", "&Delete", "Delete|Delete the selected symbol", 104, "Del"},
    {A::MusicDialogStaves, "MusicDialogStaves", "Music", "Dialogbox Music &Staves", "Music Staves|Show or hide the Music Staves dialog", 105, "Ctrl+D"},
    {A::MusicDialogParts, "MusicDialogParts", "Music", "Dialogbox Music &Parts", "Music Parts|Show or hide the Music Parts dialog", 106, "Ctrl+Shift+D"},

    {A::MusicClefG, "MusicClefG", "MusicClef", "Clef &G", "Clef G|Treble clef", 107, "G"},
    {A::MusicClefC, "MusicClefC", "MusicClef", "Clef &C", "Clef C|Alto clef", 108, "C"},
    {A::MusicClefF, "MusicClefF", "MusicClef", "Clef &F", "Clef F|Bass clef", 109, "F"},

    {A::MusicModeDelete, "MusicModeDelete", "MusicMode", "&Delete", "Mode Delete|Clicks delete symbols", 110, "Alt+Del"},
    {A::MusicModeEdit, "MusicModeEdit", "MusicMode", "&Edit", "Mode Edit|Clicks select symbols", 111, "Alt+Home"},
    {A::MusicModeAdd, "MusicModeAdd", "MusicMode", "&Add", "Mode Add|Clicks insert symbols", 112, "Alt+Ins"},

    {A::MusicMoveNext, "MusicMoveNext", "MusicMove", "&Next", "Move Next|Move the symbol to the right", 113, ""},
    {A::MusicMovePrev, "MusicMovePrev", "MusicMove", "&Previous", "Move Previous|Move the symbol to the left", 114, ""},
    {A::MusicMoveUp, "MusicMoveUp", "MusicMove", "&Up", "Move Up|Move the note one step up", 115, ""},
    {A::MusicMoveDown, "MusicMoveDown", "MusicMove", "&Down", "Move Down|Move the note one step down", 116, ""},
    {A::MusicMoveOctUp, "MusicMoveOctUp", "MusicMove", "&Octave Up", "Octave Up|Move the note an octave up", 117, ""},
    {A::MusicMoveOctDown, "MusicMoveOctDown", "MusicMove", "O&ctave Down", "Octave Down|Move the note an octave down", 118, ""},

    {A::MusicNSDCross, "MusicNSDCross", "MusicNoteshift", "&Double Sharp", "Double Sharp|Double sharp", 119, "Shift+H"},
    {A::MusicNSCross, "MusicNSCross", "MusicNoteshift", "&Sharp", "Sharp|Sharp", 120, "H"},
    {A::MusicNSNormal, "MusicNSNormal", "MusicNoteshift", "&Natural", "Natural|Natural", 121, "E"},
    {A::MusicNSMol, "MusicNSMol", "MusicNoteshift", "&Flat", "Flat|Flat", 122, "B"},
    {A::MusicNSDMol, "MusicNSDMol", "MusicNoteshift", "D&ouble Flat", "Double Flat|Double flat", 123, "Shift+B"},

    {A::MusicPointAdd, "MusicPointAdd", "MusicPoint", "&Add", "Add Dot|One dot more", 124, "."},
    {A::MusicPointDelete, "MusicPointDelete", "MusicPoint", "&Delete", "Delete Dot|One dot less", 125, "Shift+."},

    {A::MusicSelectDown, "MusicSelectDown", "MusicSelect", "&Down", "Select Down|Select the symbol below", 126, ""},
    {A::MusicSelectNext, "MusicSelectNext", "MusicSelect", "&Next", "Select Next|Select the next symbol", 127, ""},
    {A::MusicSelectPrev, "MusicSelectPrev", "MusicSelect", "&Previous", "Select Previous|Select the previous symbol", 128, ""},
    {A::MusicSelectUp, "MusicSelectUp", "MusicSelect", "&Up", "Select Up|Select the symbol above", 129, ""},

    {A::MusicPlayNote, "MusicPlayNote", "MusicPlay", "P&lay Note", "Play Note|Play the selected note", 130, "Alt+P"},
    {A::MusicAutoPlay, "MusicAutoPlay", "MusicPlay", "&Auto Play Note", "Auto Play Note|Play notes when touched", 131, "Shift+Alt+P"},

    {A::MusicTwin, "MusicTwin", "MusicTuplet", "T&win", "Split to Twin|Split Note(s) into Twin; Play 2 notes in length of 3 notes.", 132, "Ctrl+2"},
    {A::MusicTriplet, "MusicTriplet", "MusicTuplet", "&Triplet", "Split to Triplet|Split Note(s) into Triplet; Play 3 notes in length of 2 notes.", 133, "Ctrl+3"},
    {A::MusicQuadruplet, "MusicQuadruplet", "MusicTuplet", "&Quadruplet", "Quadruplet|Make a quadruplet", 134, "Ctrl+4"},
    {A::MusicQuintuplet, "MusicQuintuplet", "MusicTuplet", "Q&uintuplet", "Quintuplet|Make a quintuplet", 135, "Ctrl+5"},

    {A::MusicStaccatissimo, "MusicStaccatissimo", "MusicArt", "Staccatissimo", "Staccatissimo|Set the articulation of selected Note(s) to Staccatissimo; Play 1/4 length of Note", 136, ""},
    {A::MusicStaccato, "MusicStaccato", "MusicArt", "Staccato", "Staccato|Set the articulation of selected Note(s) to Staccato; Play 1/2 length of Note", 137, ""},
    {A::MusicArtNormal, "MusicArtNormal", "MusicArt", "Normal", "Normal|No articulation", 138, ""},
    {A::MusicPortato, "MusicPortato", "MusicArt", "Portato", "Portato|Set the articulation of selected Note(s) to Portato; Play 1,5 length of Note", 139, ""},
    {A::MusicLegato, "MusicLegato", "MusicArt", "Legato", "Legato|Set the articulation of selected Note(s) to Legato; Play 2 length of Note", 140, ""},

    {A::ProjectOpen, "ProjectOpen", "Project", "&Open Project...", "Open Project", 141, "Shift+Alt+O"},
    {A::ProjectNew, "ProjectNew", "Project", "&New Project...", "Create New Project", 142, "Shift+Alt+N"},
    {A::ProjectClose, "ProjectClose", "Project", "&Close Project", "Close Current Project", 143, "Shift+Alt+C"},
    {A::ProjectSave, "ProjectSave", "Project", "&Save Project", "Save Current Project", 144, "Shift+Alt+S"},
    {A::ProjectExport, "ProjectExport", "Project", "&Export Project", "Export all data of the Current Project", 145, "Shift+Alt+E"},

    {A::SntValidate, "SntValidate", "Sountory", "&Validate", "Validate the Factory", 146, "V"},
    {A::SntModeDrag, "SntModeDrag", "Sountory", "Mode &Drag", "Mode Dragging|Move Inputs and Outputs by dragging", 147, "Alt+D"},
    {A::SntModeConn, "SntModeConn", "Sountory", "Mode &Connect", "Mode Connection|Create Connections by dragging", 148, "Alt+C"},
    {A::SntRunCrWnd, "SntRunCrWnd", "Sountory", "Run &Factory Create Wave", "Create a Wave by Using a Factory", 149, "Alt+M"},
    {A::SntShowHints, "SntShowHints", "Sountory", "Show &Hints", "Toggle Hints Inputs Output|Enable Show Hints of Inputs and Outputs", 150, "Alt+H"},

    {A::AltKeyA, "AltKeyA", "AltKeys", "AltKeyA", "", -1, ""},
    {A::AltKeyB, "AltKeyB", "AltKeys", "AltKeyB", "", -1, ""},
    {A::AltKeyC, "AltKeyC", "AltKeys", "AltKeyC", "", -1, ""},
    {A::AltKeyD, "AltKeyD", "AltKeys", "AltKeyD", "", -1, ""},
    {A::AltKeyE, "AltKeyE", "AltKeys", "AltKeyE", "", -1, ""},
    {A::AltKeyF, "AltKeyF", "AltKeys", "AltKeyF", "", -1, ""},
    {A::AltKeyG, "AltKeyG", "AltKeys", "AltKeyG", "", -1, ""},
    {A::AltKeyL, "AltKeyL", "AltKeys", "AltKeyL", "", -1, ""},
    {A::AltShiftKeyL, "AltShiftKeyL", "AltKeys", "AltShiftKeyL", "", -1, ""},
    {A::AltKeyN, "AltKeyN", "AltKeys", "AltKeyN", "", -1, ""},
    {A::AltKeyS, "AltKeyS", "AltKeys", "AltKeyS", "", -1, ""},
}};

constexpr bool InCatalogueOrder()
{
    for (int i = 0; i < ActionCount; ++i)
        if (static_cast<int>(Catalogue[i].id) != i)
            return false;
    return true;
}
static_assert(InCatalogueOrder(), "the table is indexed by ActionId");

} // namespace

const std::array<TActionInfo, ActionCount>& ActionCatalogue()
{
    return Catalogue;
}

const TActionInfo& ActionInfo(ActionId id)
{
    return Catalogue[ActionIndex(id)];
}

ActionId FindActionByName(std::string_view name)
{
    for (const TActionInfo& info : Catalogue)
        if (name == info.name)
            return info.id;
    return ActionId::Count;
}

TActionState StartActionState(ActionId id)
{
    TActionState state;
    if (id == ActionId::FileStop)
        state.enabled = false;
    if (id == ActionId::MusicAutoPlay)
        state.checked = true;
    if (std::string_view(ActionInfo(id).category) == "AltKeys")
        state.visible = false;
    return state;
}

std::string_view ShortHint(const TActionInfo& info)
{
    std::string_view hint(info.hint);
    return hint.substr(0, hint.find('|'));
}

std::string_view LongHint(const TActionInfo& info)
{
    std::string_view hint(info.hint);
    size_t bar = hint.find('|');
    return bar == std::string_view::npos ? hint : hint.substr(bar + 1);
}
