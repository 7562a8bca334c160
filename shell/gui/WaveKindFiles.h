#pragma once
#include "shell/DocumentKindFiles.h"

class TMainForm;
class TUnitWave;

// The wave kind's files: the .wav with its side file, saved, reverted, copied
// into a project's folder and opened from it.
class TWaveKindFiles : public TDocumentKindFiles {
public:
    explicit TWaveKindFiles(TMainForm& form) : form(form) {}

    bool CanSave(const TFileUnit& unit) const override;
    bool CanSaveAs(const TFileUnit& unit) const override;
    bool SaveOwnFile(TFileUnit& unit) override;
    bool SaveToFile(TFileUnit& unit, const std::string& fileName) override;
    void ClearChanged(TFileUnit& unit) override;
    bool Revert(TFileUnit& unit) override;

    const char* CopyExtension() const override { return "wav"; }
    bool NeedsProjectCopy(const TFileUnit& unit) const override;
    bool SaveProjectCopy(TFileUnit& unit, const std::string& copyFileName, bool exportAll) override;
    TFileUnit* OpenFromProject(const std::string& fileName, const std::string& copyBase,
                               std::string& error) override;
    void ProjectWindowPlaced(TFileUnit& unit) override;
    void ProjectCopyTaken(TFileUnit& unit) override;

    // Reads the wave's file and side file again into the same document and
    // window. False, with the message shown, when the .wav cannot be read (the
    // document is unchanged) or the side file cannot (the new sound stays).
    bool RevertWave(TUnitWave& unit);

private:
    TMainForm& form;
};
