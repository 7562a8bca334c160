#pragma once
#include "shell/DocumentKindFiles.h"
#include "shell/FileDialogs.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class TFileUnit;
class TMainForm;
class TMDIChildQuarbel;

// The main window's file commands on the active document: Save, Save As,
// Revert and Duplicate, each through the files of the document's kind, and
// the file dialogs they and the project commands ask. Also what the close
// question of a window runs when the user answers Yes.
class TMainFormFiles {
public:
    explicit TMainFormFiles(TMainForm& form);
    ~TMainFormFiles();
    TMainFormFiles(const TMainFormFiles&) = delete;
    TMainFormFiles& operator=(const TMainFormFiles&) = delete;

    // The handlers of FileSave, FileSaveAs, FileRevert and DuplicateWave.
    void InstallHandlers();

    // The files of a document kind; null for a kind that is not built. Each
    // kind joins with its document.
    TDocumentKindFiles* KindFiles(uint8_t kind) const;
    void SetKindFiles(uint8_t kind, std::unique_ptr<TDocumentKindFiles> files);

    // Runs a file dialog (through the modal-dialog runner); the chosen file,
    // or empty when cancelled. A save dialog gives a name the program opens:
    // without one of the filter's extensions it gets the default one.
    std::string ChooseFile(const TFileDialogInfo& dialog);

    // Writes the document to its own file (a document without one goes through
    // Save As). True only when everything was written and the marks cleared; on
    // failure the document keeps its file name and marks.
    bool SaveUnit(TFileUnit& unit);
    // Asks for a file name and writes the whole document to it. Cancel or a
    // failed write: false, and the document keeps its file name and marks.
    bool SaveAsUnit(TFileUnit& unit);

    // The command handlers on the active window of their kind; nothing without one.
    void FileSaveExecute();
    void FileSaveAsExecute();
    void FileRevertExecute();
    void DuplicateWaveExecute();

private:
    TFileUnit* ActiveUnit() const;

    TMainForm& form;
    std::array<std::unique_ptr<TDocumentKindFiles>, 5> kinds;
};
