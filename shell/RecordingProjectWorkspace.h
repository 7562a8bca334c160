#pragma once
#include "shell/DocumentKindFiles.h"
#include "shell/ModelessDialogs.h"
#include "shell/ProjectWorkspace.h"
#include "wave/document/FileUnit.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A document of the recording workspace: a text stands for its content.
class TRecordedDocument : public TFileUnit {
public:
    TRecordedDocument(uint8_t kind, const std::string& name, const std::string& fileName, const std::string& content);

    std::string Content;
    bool Changed = false;
    TWindowPlacement Placement;
    std::string CopyBase; // the copy it was opened from, empty when from its own file
};

class TRecordingProjectWorkspace;

// A document kind of the recording workspace. Its own files and copies hold
// the document's text; a file that is missing reads as "<missing>".
class TRecordingKindFiles : public TDocumentKindFiles {
public:
    TRecordingKindFiles(TRecordingProjectWorkspace& workspace, uint8_t kind, const char* extension);

    bool CanSave(const TFileUnit&) const override { return true; }
    bool CanSaveAs(const TFileUnit&) const override { return true; }
    bool SaveOwnFile(TFileUnit& unit) override;
    bool SaveToFile(TFileUnit& unit, const std::string& fileName) override;
    void ClearChanged(TFileUnit& unit) override;
    bool Revert(TFileUnit&) override { return false; }
    const char* CopyExtension() const override { return extension; }
    bool NeedsProjectCopy(const TFileUnit& unit) const override;
    bool SaveProjectCopy(TFileUnit& unit, const std::string& copyFileName, bool exportAll) override;
    TFileUnit* OpenFromProject(const std::string& fileName, const std::string& copyBase, std::string& error) override;

    // Copies of documents with this name fail, showing this message.
    std::string FailCopyOf;
    std::string FailCopyMessage = "Cannot write the copy: the disk is full.";
    // Opening fails with this message (once set).
    std::string FailOpen;
    std::vector<std::string> copiesWritten;

private:
    TRecordingProjectWorkspace& workspace;
    uint8_t kind;
    const char* extension;
};

// The workspace of a main window without windows: documents in a list, a
// frame placement and the base modeless dialogs. Kinds 1 (wave, "wav"), 2
// (music, "qbm"), 3 (factory, "qbf") and 4 (players, "qby") are built; a
// test may take one away.
class TRecordingProjectWorkspace : public TProjectWorkspace {
public:
    TRecordingProjectWorkspace();
    ~TRecordingProjectWorkspace() override;

    TWindowPlacement GetFramePlacement() const override { return Frame; }
    void SetFramePlacement(const TWindowPlacement& placement) override { Frame = placement; }
    TModelessDialogs& GetModelessDialogs() override { return Dialogs; }
    std::vector<TFileUnit*> ProjectDocuments() const override;
    TWindowPlacement GetWindowPlacement(const TFileUnit& unit) const override;
    void SetWindowPlacement(TFileUnit& unit, const TWindowPlacement& placement) override;
    TDocumentKindFiles* KindFiles(uint8_t kind) override;
    void CloseAllWindowsQuietly() override { Documents.clear(); }
    void UnitNameChanged(const std::string& name) override { LastNameShown = name; }

    // A new document at the end of the list (the most recently activated).
    TRecordedDocument& Add(uint8_t kind, const std::string& name, const std::string& fileName,
                           const std::string& content);
    TRecordedDocument* Document(size_t index) const;
    TRecordingKindFiles& Kind(uint8_t kind) { return *kinds.at(kind); }
    // Makes a kind unbuilt (null) or built again.
    void SetKindBuilt(uint8_t kind, bool built);

    TWindowPlacement Frame;
    TModelessDialogs Dialogs;
    std::vector<std::unique_ptr<TRecordedDocument>> Documents;
    std::string LastNameShown = "(none)";
    // Whether documents are read from their files and copies; else each reads as "<missing>".
    bool ReadsFiles = true;

private:
    std::map<uint8_t, std::unique_ptr<TRecordingKindFiles>> kinds;
    std::array<bool, 5> built{};
};
