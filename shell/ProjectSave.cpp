#include "shell/ProjectSave.h"

#include "foundation/QuotedText.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "platform/MessageService.h"
#include "shell/DocumentKindFiles.h"
#include "shell/HeldMessages.h"
#include "shell/ProjectDisk.h"
#include "shell/ProjectFile.h"
#include "shell/ProjectTempFiles.h"
#include "shell/ProjectWorkspace.h"
#include "wave/document/FileUnit.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

bool IsNewCopy(const std::string& name)
{
    return name.rfind(NewCopyPrefix, 0) == 0;
}

std::string SavedName(const std::string& newName)
{
    return SavedCopyPrefix + newName.substr(std::strlen(NewCopyPrefix));
}

std::vector<std::string> NewCopies(const std::string& folder, TProjectDisk& disk)
{
    std::vector<std::string> names = disk.FileNames(folder);
    names.erase(std::remove_if(names.begin(), names.end(), [](const std::string& name) { return !IsNewCopy(name); }),
                names.end());
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveNewCopies(const std::string& folder, TProjectDisk& disk)
{
    for (const std::string& name : NewCopies(folder, disk))
        disk.RemoveFile(FileInFolder(folder, name));
}

std::string RenameMessage(const std::string& from, const std::string& to)
{
    return "Cannot rename file " + Quoted(from) + " to file " + Quoted(to) + ".";
}

// One save, with what it has done so far, so that a failure can undo it.
class TProjectSaving {
public:
    TProjectSaving(TProjectWorkspace& workspace, const std::string& fileName, bool exportProject,
                   TProjectDisk& disk)
        : workspace(workspace), fileName(fileName), exportProject(exportProject), disk(disk),
          saving(SavingProjectFile(fileName))
    {
    }

    bool Run()
    {
        std::string error;
        if (!ProjectTempFolder(fileName, folder, error)) {
            Report(error);
            return false;
        }
        previous = PreviousCopiesFolder(folder);
        RecoverProjectSave(fileName, disk);
        if (!(CopyDocuments() && WriteProjectFile() && SetPreviousCopiesAside() && MoveNewCopiesIn() &&
              RenameProjectFile())) {
            Undo();
            Report(reason);
            return false;
        }
        // Left behind, it goes with the next open or save of the project.
        if (previousSetAside)
            disk.RemoveFolder(previous);
        return true;
    }

private:
    void Report(const std::string& why)
    {
        ShowMessage("Cannot close Project: " + why, "Project Error", MsgIcon::Stop);
    }

    bool CopyDocuments()
    {
        int32_t number = 0;
        std::string failed, why;
        bool allWritten = true;
        for (TFileUnit* unit : workspace.ProjectDocuments()) {
            TDocumentKindFiles* files = workspace.KindFiles(unit->GetKind());
            if (!files) {
                reason = std::string("A ") + DocumentKindWord(unit->GetKind()) +
                         " window cannot be saved in a project in this version.";
                return false;
            }
            if (!exportProject && !files->NeedsProjectCopy(*unit)) {
                unit->SetTempFileNumber(-1);
                continue;
            }
            unit->SetTempFileNumber(number);
            if (!disk.Exists(folder)) {
                if (!disk.CreateFolder(folder)) {
                    reason = "Cannot create folder " + Quoted(folder) + ".";
                    return false;
                }
                createdFolder = true;
            }
            const std::string copy =
                ProjectCopyFile(folder, NewCopyPrefix, std::to_string(number), files->CopyExtension());
            // Every document is tried; the first that failed is named, with
            // the reason it gave, in the save's one message.
            THeldMessages held;
            if (!files->SaveProjectCopy(*unit, copy, exportProject) && allWritten) {
                allWritten = false;
                failed = unit->GetName();
                why = held.TakeFirst();
            }
            ++number;
        }
        if (!allWritten)
            reason = "The copy of " + Quoted(failed) + " could not be written" + (why.empty() ? "." : ": " + why);
        return allWritten;
    }

    // Fails with the one message of the save, saying why the file was not written.
    bool WriteProjectFile()
    {
        std::string error;
        // The temporary file takes the project file's place at the end: a
        // project file protected against writing stays protected.
        if (disk.Exists(fileName) && !IsWritableFile(fileName)) {
            std::error_code code;
            error = std::filesystem::is_directory(fileName, code)
                        ? "There is a folder of that name."
                        : "Operating System cannot open file for writing, maybe the file is readonly.";
        } else if (WriteDocument(*BuildProjectXml(workspace, exportProject), saving, error, ProjectSuffix)) {
            return true;
        }
        reason = "The project file " + Quoted(fileName) + " could not be written: " + error;
        return false;
    }

    bool SetPreviousCopiesAside()
    {
        if (!disk.Exists(folder))
            return true;
        if (!disk.Rename(folder, previous)) {
            reason = "Cannot rename folder " + Quoted(folder) + " to folder " + Quoted(previous) + ".";
            return false;
        }
        previousSetAside = true;
        return true;
    }

    bool MoveNewCopiesIn()
    {
        if (!previousSetAside)
            return true;
        const std::vector<std::string> names = NewCopies(previous, disk);
        if (names.empty())
            return true;
        if (!disk.CreateFolder(folder)) {
            reason = "Cannot create folder " + Quoted(folder) + ".";
            return false;
        }
        for (const std::string& name : names) {
            const std::string from = FileInFolder(previous, name);
            const std::string to = FileInFolder(folder, SavedName(name));
            if (!disk.Rename(from, to)) {
                reason = RenameMessage(from, to);
                return false;
            }
            moved.emplace_back(to, from);
        }
        return true;
    }

    bool RenameProjectFile()
    {
        if (disk.Rename(saving, fileName))
            return true;
        reason = RenameMessage(saving, fileName);
        return false;
    }

    // Back to the previous set. What cannot be undone is left for
    // RecoverProjectSave, which then completes the new set from the finished
    // project file.
    void Undo()
    {
        for (auto each = moved.rbegin(); each != moved.rend(); ++each)
            if (!disk.Rename(each->first, each->second))
                return;
        if (previousSetAside) {
            if (disk.Exists(folder) && !disk.RemoveFolder(folder))
                return;
            if (!disk.Rename(previous, folder))
                return;
        }
        RemoveNewCopies(folder, disk);
        if (createdFolder && disk.FileNames(folder).empty())
            disk.RemoveFolder(folder);
        if (disk.Exists(saving))
            disk.RemoveFile(saving);
    }

    TProjectWorkspace& workspace;
    const std::string fileName;
    const bool exportProject;
    TProjectDisk& disk;
    const std::string saving;
    std::string folder;
    std::string previous;
    std::string reason;
    bool createdFolder = false;
    bool previousSetAside = false;
    std::vector<std::pair<std::string, std::string>> moved; // saved name, new name it had
};

} // namespace

std::string SavingProjectFile(const std::string& fileName)
{
    return FittedPath(fileName, ".saving");
}

std::string PreviousCopiesFolder(const std::string& tempFolder)
{
    return FittedPath(tempFolder, "Previous");
}

bool SaveProject(TProjectWorkspace& workspace, const std::string& fileName, bool exportProject)
{
    return SaveProject(workspace, fileName, exportProject, RealProjectDisk());
}

bool SaveProject(TProjectWorkspace& workspace, const std::string& fileName, bool exportProject,
                 TProjectDisk& disk)
{
    if (fileName.empty())
        return true;
    return TProjectSaving(workspace, fileName, exportProject, disk).Run();
}

void RecoverProjectSave(const std::string& fileName, TProjectDisk& disk)
{
    std::string folder;
    std::string error;
    if (fileName.empty() || !ProjectTempFolder(fileName, folder, error))
        return;
    const std::string previous = PreviousCopiesFolder(folder);
    const std::string saving = SavingProjectFile(fileName);
    if (disk.Exists(previous)) {
        if (disk.Exists(saving)) {
            // Cut off between setting the previous copies aside and renaming
            // the project file: the new copies and the new project file are
            // complete, so the save is finished.
            const std::vector<std::string> names = NewCopies(previous, disk);
            if (!names.empty() && !disk.Exists(folder) && !disk.CreateFolder(folder))
                return;
            for (const std::string& name : names)
                if (!disk.Rename(FileInFolder(previous, name), FileInFolder(folder, SavedName(name))))
                    return;
            if (!disk.Rename(saving, fileName))
                return;
        }
        disk.RemoveFolder(previous);
    }
    // Cut off before the previous copies were set aside: the previous set stands.
    if (disk.Exists(saving))
        disk.RemoveFile(saving);
    RemoveNewCopies(folder, disk);
}
