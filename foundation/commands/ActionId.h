#pragma once

// Every command of the program, in catalogue order (grouped by category).
enum class ActionId : int {
    // File
    FileNewWave, FileNewMuz, FileOpenWave, FileOpenMuz, FileClose, FileSave, FileSaveAs, FileExit,
    FileProperties, FilePlay, FileStop, FilePause, FileRecord, FilePlayMax, FileRevert, FileNewFactory,
    FileOpenPlay, FileNewPlay, FileOpenFactory, DuplicateWave, DuplicateMuz, DuplicateFact, DuplicatePlay,
    // Window
    WindowCascade, WindowTileHorizontal, WindowTileVertical, WindowMinimizeAll, WindowArrangeAll,
    // no category
    Undo, EditNameAction, DeleteUndo,
    // WaveWindow
    SplitH, SplitV, MergeH, MergeV, ViewWave, ViewVold, ZoomIn, NoZoom, SelectWave,
    // WaveMake
    MakeSilence, MakeLine, MakeBlock, MakeTriangle, MakeSinus, MakeNoise, MakeMFreq, DrawWaveLin, DrawWave3G,
    // WaveEdit
    EditDelete, EditTrim, EditClearClipboard, EditSwap, EditExtract, EditMix, EditCut, EditCopy, EditPaste,
    // WaveSimple
    MaxVolume, Volume, Reverse, MoveV, Block, RollOut, Rotate, RollIn, Length, Distort, NormalizeVertically, MoveH,
    // WaveComplex
    Balance, MixLeftRight, PerEcho, RndEcho, TempoPitch, WaveRunSountory,
    // WaveFilter
    FilterBlock, FilterLow, FilterHigh, FilterRes, FilterNotch,
    // Help
    HelpTopicSearch, HelpContents, HelpOnHelp, HelpAbout,
    // MusicNotes
    MusicNote1, MusicNote2, MusicNote4, MusicNote8, MusicNote16, MusicNote32, MusicNote64,
    MusicNoteGroupPrev, MusicNoteGroupNext, MusicNoteStickUp, MusicNoteStickDown,
    // MusicRest
    MusicRest1, MusicRest2, MusicRest4, MusicRest8, MusicRest16, MusicRest32, MusicRest64,
    // Music
    MusicGenerate, MusicDelete, MusicDialogStaves, MusicDialogParts,
    // MusicClef
    MusicClefG, MusicClefC, MusicClefF,
    // MusicMode
    MusicModeDelete, MusicModeEdit, MusicModeAdd,
    // MusicMove
    MusicMoveNext, MusicMovePrev, MusicMoveUp, MusicMoveDown, MusicMoveOctUp, MusicMoveOctDown,
    // MusicNoteshift
    MusicNSDCross, MusicNSCross, MusicNSNormal, MusicNSMol, MusicNSDMol,
    // MusicPoint
    MusicPointAdd, MusicPointDelete,
    // MusicSelect
    MusicSelectDown, MusicSelectNext, MusicSelectPrev, MusicSelectUp,
    // MusicPlay
    MusicPlayNote, MusicAutoPlay,
    // MusicTuplet
    MusicTwin, MusicTriplet, MusicQuadruplet, MusicQuintuplet,
    // MusicArt
    MusicStaccatissimo, MusicStaccato, MusicArtNormal, MusicPortato, MusicLegato,
    // Project
    ProjectOpen, ProjectNew, ProjectClose, ProjectSave, ProjectExport,
    // Sountory
    SntValidate, SntModeDrag, SntModeConn, SntRunCrWnd, SntShowHints,
    // AltKeys
    AltKeyA, AltKeyB, AltKeyC, AltKeyD, AltKeyE, AltKeyF, AltKeyG, AltKeyL, AltShiftKeyL, AltKeyN, AltKeyS,

    Count
};

inline constexpr int ActionCount = static_cast<int>(ActionId::Count);
static_assert(ActionCount == 162, "the main window carries 162 actions");

inline constexpr int ActionIndex(ActionId id) { return static_cast<int>(id); }
