#include "shell/gui/MainFormProjects.h"

#include "foundation/commands/ActionId.h"
#include "platform/MessageService.h"
#include "shell/DocumentKindFiles.h"
#include "shell/FileDialogs.h"
#include "shell/ProjectDisk.h"
#include "shell/ProjectFile.h"
#include "shell/ProjectSave.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFiles.h"
#include "wave/document/FileUnit.h"
#include "wave/window/gui/DialogFramePlacing.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <QMdiArea>

#include <algorithm>
#include <filesystem>

namespace {

using A = ActionId;

TMDIChildQuarbel* WindowOf(const TFileUnit& unit)
{
    return dynamic_cast<TMDIChildQuarbel*>(unit.GetWindow());
}

// A hand-made file may hold any number; a window stays within reach.
QRect Bounds(const TWindowPlacement& placement)
{
    constexpr int32_t Far = 32000;
    return QRect(std::clamp(placement.Left, -Far, Far), std::clamp(placement.Top, -Far, Far),
                 std::clamp(placement.Width, 1, Far), std::clamp(placement.Height, 1, Far));
}

TWindowPlacement PlacementOf(const QRect& rect, const QWidget& widget)
{
    TWindowPlacement placement{rect.x(), rect.y(), rect.width(), rect.height(), windowStateNormal};
    if (widget.isMinimized())
        placement.State = windowStateMinimized;
    else if (widget.isMaximized())
        placement.State = windowStateMaximized;
    return placement;
}

// The main window (onScreen) is kept inside the screen's available area;
// a document window stays where its project put it inside the main window.
void Place(QWidget& widget, const TWindowPlacement& placement, bool onScreen)
{
    // A window that is maximised already stays so: restored and maximised again
    // at once, a window manager may see no change of size to report, and the
    // window went on drawing at its normal size inside the maximised frame.
    if (placement.State == windowStateMaximized && widget.isMaximized())
        return;
    widget.showNormal();
    if (onScreen)
        PlaceWindowOnScreen(widget, Bounds(placement));
    else
        widget.setGeometry(Bounds(placement));
    if (placement.State == windowStateMaximized)
        widget.showMaximized();
    else if (placement.State == windowStateMinimized)
        widget.showMinimized();
}

bool FileExists(const std::string& fileName)
{
    std::error_code error;
    return std::filesystem::exists(fileName, error);
}

} // namespace

void TMainFormProjects::InstallHandlers()
{
    form.SetActionHandler(A::ProjectNew, [this] { ProjectNewExecute(); });
    form.SetActionHandler(A::ProjectOpen, [this] { ProjectOpenExecute(); });
    form.SetActionHandler(A::ProjectClose, [this] { ProjectCloseExecute(); });
    form.SetActionHandler(A::ProjectSave, [this] { ProjectSaveExecute(); });
    form.SetActionHandler(A::ProjectExport, [this] { ProjectExportExecute(); });
    form.Openers().openProject = [this](const std::string& fileName) { OpenProject(fileName); };
}

// ---------------------------------------------------------------- commands

void TMainFormProjects::ProjectNewExecute()
{
    const std::string fileName = form.Files().ChooseFile(SaveDialogProject);
    if (fileName.empty())
        return;
    // Nothing is written to the new file until the project is saved or closed.
    if (SaveProject(form.GetProjectWriteFile(), false) && CloseAllWindows()) {
        form.SetProjectFiles(form.GetProjectReadFile(), fileName);
        SetMainCaption();
    }
}

void TMainFormProjects::ProjectOpenExecute()
{
    const std::string fileName = form.Files().ChooseFile(OpenDialogProject);
    if (fileName.empty())
        return;
    if (SaveProject(form.GetProjectWriteFile(), false) && CloseAllWindows())
        OpenProject(fileName);
}

void TMainFormProjects::ProjectCloseExecute()
{
    if (form.GetProjectWriteFile().empty())
        return;
    if (SaveProject(form.GetProjectWriteFile(), false) && CloseAllWindows())
        ForgetProject();
}

void TMainFormProjects::ProjectSaveExecute()
{
    // Only copies are written: the documents keep their changes.
    SaveProject(form.GetProjectWriteFile(), false);
}

void TMainFormProjects::ProjectExportExecute()
{
    if (form.GetProjectWriteFile().empty())
        return;
    const std::string fileName = form.Files().ChooseFile(ExportDialogProject);
    if (!fileName.empty())
        SaveProject(fileName, true);
}

// ---------------------------------------------------------------- open, save, close

void TMainFormProjects::ForgetProject()
{
    form.SetProjectFiles("", "");
    SetMainCaption();
}

void TMainFormProjects::OpenProject(const std::string& fileName)
{
    form.SetProjectFiles(fileName, form.GetProjectWriteFile());
    // A save cut off in the middle is finished, or undone, first.
    RecoverProjectSave(fileName, RealProjectDisk());
    if (!FileExists(fileName)) {
        ShowMessage("Cannot read the file: \"" + fileName + "\": The file does not exist.", "File Error",
                    MsgIcon::Information);
        ForgetProject();
        return;
    }
    std::string writeFile = fileName;
    if (!IsWritableFile(fileName)) {
        const MsgAnswer answer =
            Messages().Show("Changes cannot be saved into the opened project, create a new project to save new changes",
                            "Project is Readonly", MsgIcon::Information, MsgButtons::OkCancel);
        writeFile = answer == MsgAnswer::Ok ? form.Files().ChooseFile(SaveDialogProject) : std::string();
        // Without a file to save into, the project is not opened at all.
        if (writeFile.empty()) {
            ForgetProject();
            return;
        }
    }
    form.SetProjectFiles(fileName, writeFile);
    SetMainCaption();
    std::string error;
    TBusyGuard guard(form.Busy());
    if (ReadProjectFile(*this, fileName, error) != projectRead) {
        ShowMessage("Cannot read the file: \"" + fileName + "\": " + error, "File Error", MsgIcon::Information);
        ForgetProject();
        return;
    }
    SetMainCaption();
    form.RequestUpdate();
}

bool TMainFormProjects::SaveProject(const std::string& fileName, bool exportProject)
{
    if (fileName.empty())
        return true;
    TBusyGuard guard(form.Busy());
    return ::SaveProject(*this, fileName, exportProject);
}

bool TMainFormProjects::CloseAllWindows()
{
    const bool projectOpen = !form.GetProjectWriteFile().empty();
    // The least recently activated first.
    for (TRegisteredWindow* each : form.Registry().Walk()) {
        auto* window = dynamic_cast<TMDIChildQuarbel*>(each);
        TFileUnit* unit = window ? window->GetFileUnit() : nullptr;
        if (!unit)
            continue;
        if (!projectOpen) {
            if (!window->FormCloseQuery())
                return false;
        } else if (unit->GetTempFileNumber() != -1) {
            // Its copy holds its changes: it closes without a question.
            if (TDocumentKindFiles* files = KindFiles(unit->GetKind()))
                files->ProjectCopyTaken(*unit);
        }
        CloseWindowQuietly(window);
    }
    form.NoWindowActivated();
    return true;
}

void TMainFormProjects::CloseWindowQuietly(TMDIChildQuarbel* window)
{
    if (!window || window->IsClosing())
        return;
    if (TFileUnit* unit = window->GetFileUnit())
        unit->SetName("");
    window->FormClose();
    window->close();
}

bool TMainFormProjects::CloseQuery()
{
    const std::string& project = form.GetProjectWriteFile();
    if (!project.empty())
        return SaveProject(project, false) && CloseAllWindows();
    return CloseAllWindows();
}

void TMainFormProjects::SetMainCaption()
{
    std::string caption = "Quarbel " + std::string(ProjectVersion);
    if (!form.GetProjectWriteFile().empty())
        caption += " - " + form.GetProjectWriteFile();
    form.setWindowTitle(QString::fromStdString(caption));
}

// ---------------------------------------------------------------- workspace

TWindowPlacement TMainFormProjects::GetFramePlacement() const
{
    // A maximised or minimised main window comes back from where it was normal.
    const bool normal = !form.isMaximized() && !form.isMinimized();
    return PlacementOf(normal ? form.geometry() : form.normalGeometry(), form);
}

void TMainFormProjects::SetFramePlacement(const TWindowPlacement& placement)
{
    Place(form, placement, true);
}

TModelessDialogs& TMainFormProjects::GetModelessDialogs()
{
    return form.ModelessDialogs();
}

std::vector<TFileUnit*> TMainFormProjects::ProjectDocuments() const
{
    std::vector<TFileUnit*> units;
    for (TRegisteredWindow* each : form.Registry().Walk())
        if (auto* window = dynamic_cast<TMDIChildQuarbel*>(each); window && window->GetFileUnit())
            units.push_back(window->GetFileUnit());
    return units;
}

TWindowPlacement TMainFormProjects::GetWindowPlacement(const TFileUnit& unit) const
{
    TMDIChildQuarbel* window = WindowOf(unit);
    return window ? PlacementOf(window->geometry(), *window) : TWindowPlacement{};
}

void TMainFormProjects::SetWindowPlacement(TFileUnit& unit, const TWindowPlacement& placement)
{
    if (TMDIChildQuarbel* window = WindowOf(unit))
        Place(*window, placement, false);
}

TDocumentKindFiles* TMainFormProjects::KindFiles(uint8_t kind)
{
    return form.Files().KindFiles(kind);
}

void TMainFormProjects::CloseAllWindowsQuietly()
{
    for (TFileUnit* unit : ProjectDocuments())
        CloseWindowQuietly(WindowOf(*unit));
    form.NoWindowActivated();
}

void TMainFormProjects::UnitNameChanged(const std::string& name)
{
    form.UnitNameChanged(name);
}
