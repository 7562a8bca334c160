#pragma once
#include "shell/ProjectWorkspace.h"

#include <string>

class TMainForm;
class TMDIChildQuarbel;

// The main window's projects: the five project commands, opening a project
// file, saving the open project with copies of its changed documents, closing
// every window, the main window's close handling and caption. It is also the
// workspace a project file writes and restores.
class TMainFormProjects : public TProjectWorkspace {
public:
    explicit TMainFormProjects(TMainForm& form) : form(form) {}

    // The handlers of ProjectNew, ProjectOpen, ProjectClose, ProjectSave and
    // ProjectExport, and the opener of a project named on the command line.
    void InstallHandlers();

    void ProjectNewExecute();
    void ProjectOpenExecute();
    void ProjectCloseExecute();
    void ProjectSaveExecute();
    void ProjectExportExecute();

    // Opens a project file; a project that cannot be written asks for a new
    // file to save into. A project that cannot be read leaves no project open.
    void OpenProject(const std::string& fileName);
    // Copies the documents that need it, writes the project file and replaces
    // the previous copies; shows why when it fails. True at once without a name.
    bool SaveProject(const std::string& fileName, bool exportProject);
    // Closes every document window: with a project open without a question
    // (its save has copied them), else each asks its own and the first
    // refusal stops (false).
    bool CloseAllWindows();
    // The window goes without a question; its name is cleared first, so that
    // no look-up by name finds it meanwhile.
    void CloseWindowQuietly(TMDIChildQuarbel* window);
    // May the main window close? With a project open it is saved first.
    bool CloseQuery();
    // "Quarbel 9.1", and " - " with the project file while one is open.
    void SetMainCaption();

    // TProjectWorkspace
    TWindowPlacement GetFramePlacement() const override;
    void SetFramePlacement(const TWindowPlacement& placement) override;
    TModelessDialogs& GetModelessDialogs() override;
    std::vector<TFileUnit*> ProjectDocuments() const override;
    TWindowPlacement GetWindowPlacement(const TFileUnit& unit) const override;
    void SetWindowPlacement(TFileUnit& unit, const TWindowPlacement& placement) override;
    TDocumentKindFiles* KindFiles(uint8_t kind) override;
    void CloseAllWindowsQuietly() override;
    void UnitNameChanged(const std::string& name) override;

private:
    void ForgetProject();

    TMainForm& form;
};
