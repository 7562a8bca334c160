#pragma once
#include "shell/DocumentKindFiles.h"

class TMainForm;

// The music kind's files: the .qbm, saved, reverted into the same window,
// copied into a project's folder and opened from it.
class TMusicKindFiles : public TDocumentKindFiles {
public:
    explicit TMusicKindFiles(TMainForm& form) : form(form) {}

    bool CanSave(const TFileUnit&) const override { return true; }
    bool CanSaveAs(const TFileUnit&) const override { return true; }
    bool SaveOwnFile(TFileUnit& unit) override;
    bool SaveToFile(TFileUnit& unit, const std::string& fileName) override;
    void ClearChanged(TFileUnit& unit) override;
    bool Revert(TFileUnit& unit) override;

    const char* CopyExtension() const override { return "qbm"; }
    bool NeedsProjectCopy(const TFileUnit& unit) const override;
    bool SaveProjectCopy(TFileUnit& unit, const std::string& copyFileName, bool exportAll) override;
    TFileUnit* OpenFromProject(const std::string& fileName, const std::string& copyBase,
                               std::string& error) override;

private:
    TMainForm& form;
};
