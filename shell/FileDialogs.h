#pragma once
#include <cstdint>

// The main window's file dialogs of the save and project commands: title,
// default extension, filter ("description|pattern" pairs), whether it saves
// and whether it asks before overwriting.
struct TFileDialogInfo {
    const char* name;
    const char* title;
    const char* defaultExtension;
    const char* filter;
    bool save;
    bool overwritePrompt;
};

inline constexpr TFileDialogInfo SaveDialogWave = {"SaveDialogWave", "Save Wave", "wav",
                                                   "Wave Files (*.wav)|*.wav|All files (*.*)|*.*", true, true};
inline constexpr TFileDialogInfo SaveDialogMuz = {
    "SaveDialogMuz", "Save Music", "qbm",
    "Music Files (*.qbm)|*.qbm|XML Files (*.xml)|*.xml|All files (*.*)|*.*", true, true};
inline constexpr TFileDialogInfo SaveDialogFact = {
    "SaveDialogFact", "Save Factory", "qbf",
    "Factory Files (*.qbf)|*.qbf|XML Files (*.xml)|*.xml|All files (*.*)|*.*", true, true};
inline constexpr TFileDialogInfo SaveDialogPlay = {
    "SaveDialogPlay", "Save Players", "qby",
    "Players Files (*.qby)|*.qby|XML Files (*.xml)|*.xml|All files (*.*)|*.*", true, true};

inline constexpr const char* ProjectFilter = "Project Files (*.qbp)|*.qbp|XML Files (*.xml)|*.xml|All files (*.*)|*.*";
inline constexpr TFileDialogInfo OpenDialogProject = {"OpenDialogProject", "Open Project", "qbp", ProjectFilter,
                                                      false, false};
inline constexpr TFileDialogInfo SaveDialogProject = {"SaveDialogProject", "New Project", "qbp", ProjectFilter,
                                                      true, true};
inline constexpr TFileDialogInfo ExportDialogProject = {"ExportDialogProject", "Export Project", "qbp",
                                                        ProjectFilter, true, true};

// The save dialog of a document kind (1 wave, 2 music, 3 factory, 4 players); null for another.
inline const TFileDialogInfo* SaveDialogOfKind(uint8_t kind)
{
    constexpr const TFileDialogInfo* dialogs[] = {nullptr, &SaveDialogWave, &SaveDialogMuz, &SaveDialogFact,
                                                  &SaveDialogPlay};
    return kind < sizeof dialogs / sizeof dialogs[0] ? dialogs[kind] : nullptr;
}
