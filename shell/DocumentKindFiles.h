#pragma once
#include <string>

class TFileUnit;

// What the file commands (Save, Save As, Revert) and projects do with the
// documents of one kind. Each kind fills it in with its document; the shell
// holds one per kind, and a kind without one cannot be saved in or read from
// a project.
class TDocumentKindFiles {
public:
    virtual ~TDocumentKindFiles() = default;

    // ---- Save, Save As, Revert ----
    // Whether Save and Save As have anything to write (a wave without values has not).
    virtual bool CanSave(const TFileUnit& unit) const = 0;
    virtual bool CanSaveAs(const TFileUnit& unit) const = 0;
    // Writes what changed to the document's own file. Each writer shows its own
    // message on failure; the document then keeps its marks.
    virtual bool SaveOwnFile(TFileUnit& unit) = 0;
    // Writes the whole document to that file.
    virtual bool SaveToFile(TFileUnit& unit, const std::string& fileName) = 0;
    // The document counts as saved.
    virtual void ClearChanged(TFileUnit& unit) = 0;
    // Reads the document's file again into the same window; false when it
    // could not (the message is shown).
    virtual bool Revert(TFileUnit& unit) = 0;

    // ---- projects ----
    // The extension of the document's copy in a project's folder ("wav", "qbm", ...).
    virtual const char* CopyExtension() const = 0;
    // Whether a project save must copy the document: changed, or never saved.
    virtual bool NeedsProjectCopy(const TFileUnit& unit) const = 0;
    // Writes the copy (with exportAll, the whole document). Keeps the
    // document's own file name and marks; shows its own message on failure,
    // which the project save folds into its one message.
    virtual bool SaveProjectCopy(TFileUnit& unit, const std::string& copyFileName, bool exportAll) = 0;
    // Opens a document of the project in a new window: from its copy (the base
    // path of the copy, without the extension) when there is one, else from
    // its own file. The document keeps fileName as its file and comes back
    // marked changed when read from a copy. Null when it cannot be read, with
    // the message in error (the project reader shows it once, with its place).
    virtual TFileUnit* OpenFromProject(const std::string& fileName, const std::string& copyBase,
                                       std::string& error) = 0;
    // The window has its name and placement: what waited for its size is applied.
    virtual void ProjectWindowPlaced(TFileUnit& /*unit*/) {}
    // After a project save has copied the document, closing it asks nothing.
    virtual void ProjectCopyTaken(TFileUnit& unit) { ClearChanged(unit); }
};
