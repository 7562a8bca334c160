#include "shell/gui/MainFormFiles.h"

#include "foundation/commands/ActionId.h"
#include "foundation/gui/ExecDialog.h"
#include "foundation/gui/OKCancelDialogs.h"
#include "foundation/gui/SaveFileDialog.h"
#include "platform/Assertions.h"
#include "shell/DocumentKind.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/WaveKindFiles.h"
#include "wave/Sound.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWave.h"
#include "wave/gui/ViewWaveGroup.h"

#include <QFileDialog>

#include <algorithm>

namespace {

using A = ActionId;

// "Wave Files (*.wav)|*.wav|All files (*.*)|*.*" as the dialog's name filters;
// "*.*" would miss the files without a dot.
QStringList NameFilters(const char* filter)
{
    QStringList filters;
    const QStringList parts = QString::fromUtf8(filter).split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.replace("(*.*)", "(*)");
        filters.push_back(description);
    }
    return filters;
}

} // namespace

std::string TMainFormFiles::ChooseFile(const TFileDialogInfo& info)
{
    const QString title = QString::fromUtf8(info.title);
    if (info.save) {
        TSaveFileDialog dialog(&form, title, info.filter, info.defaultExtension);
        dialog.setObjectName(info.name);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !info.overwritePrompt);
        dialog.setNameFilters(NameFilters(info.filter));
        if (ExecDialog(dialog) != QDialog::Accepted)
            return {};
        return dialog.ChosenFile();
    }
    // Not the platform's own dialog: the same dialog everywhere.
    QFileDialog dialog(&form, title);
    SetDialogWindowFlags(&dialog);
    dialog.setObjectName(info.name);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters(info.filter));
    dialog.setDefaultSuffix(info.defaultExtension);
    // It opens without a file name: the document's own is not offered.
    dialog.selectFile(QString());
    if (ExecDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().toStdString();
}

TMainFormFiles::TMainFormFiles(TMainForm& form) : form(form)
{
    kinds[documentKindWave] = std::make_unique<TWaveKindFiles>(form);
}

TMainFormFiles::~TMainFormFiles() = default;

void TMainFormFiles::InstallHandlers()
{
    form.SetActionHandler(A::FileSave, [this] { FileSaveExecute(); });
    form.SetActionHandler(A::FileSaveAs, [this] { FileSaveAsExecute(); });
    form.SetActionHandler(A::FileRevert, [this] { FileRevertExecute(); });
    form.SetActionHandler(A::DuplicateWave, [this] { DuplicateWaveExecute(); });
}

TDocumentKindFiles* TMainFormFiles::KindFiles(uint8_t kind) const
{
    return kind < kinds.size() ? kinds[kind].get() : nullptr;
}

void TMainFormFiles::SetKindFiles(uint8_t kind, std::unique_ptr<TDocumentKindFiles> files)
{
    if (QB_CHECK(kind > 0 && kind < kinds.size()))
        kinds[kind] = std::move(files);
}

bool TMainFormFiles::SaveUnit(TFileUnit& unit)
{
    TDocumentKindFiles* files = KindFiles(unit.GetKind());
    if (!files)
        return false;
    if (unit.HasNoFileName())
        return SaveAsUnit(unit);
    TBusyGuard guard(form.Busy());
    // The writer has shown why; the window stays open with its changes.
    if (!files->SaveOwnFile(unit))
        return false;
    files->ClearChanged(unit);
    form.RequestUpdate();
    return true;
}

bool TMainFormFiles::SaveAsUnit(TFileUnit& unit)
{
    TDocumentKindFiles* files = KindFiles(unit.GetKind());
    const TFileDialogInfo* dialog = SaveDialogOfKind(unit.GetKind());
    if (!files || !dialog)
        return false;
    const std::string fileName = ChooseFile(*dialog);
    if (fileName.empty())
        return false;
    TBusyGuard guard(form.Busy());
    // A failed write keeps the old file name and the marks: nothing was saved.
    if (!files->SaveToFile(unit, fileName))
        return false;
    unit.SetFileName(fileName);
    files->ClearChanged(unit);
    form.RequestUpdate();
    return true;
}

TFileUnit* TMainFormFiles::ActiveUnit() const
{
    TMDIChildQuarbel* child = form.ActiveChild();
    return child ? child->GetFileUnit() : nullptr;
}

void TMainFormFiles::FileSaveExecute()
{
    TFileUnit* unit = ActiveUnit();
    TDocumentKindFiles* files = unit ? KindFiles(unit->GetKind()) : nullptr;
    if (files && files->CanSave(*unit))
        SaveUnit(*unit);
}

void TMainFormFiles::FileSaveAsExecute()
{
    TFileUnit* unit = ActiveUnit();
    TDocumentKindFiles* files = unit ? KindFiles(unit->GetKind()) : nullptr;
    if (files && files->CanSaveAs(*unit))
        SaveAsUnit(*unit);
}

void TMainFormFiles::FileRevertExecute()
{
    TFileUnit* unit = ActiveUnit();
    TDocumentKindFiles* files = unit ? KindFiles(unit->GetKind()) : nullptr;
    if (files && !unit->HasNoFileName()) {
        TBusyGuard guard(form.Busy());
        files->Revert(*unit);
        form.RequestUpdate();
    }
}

void TMainFormFiles::DuplicateWaveExecute()
{
    TMDIChildWave* source = form.ActiveWaveWindow();
    TUnitWave* unit = source ? source->GetUnitWave() : nullptr;
    if (!unit || !unit->GetSound())
        return;
    TBusyGuard guard(form.Busy());
    // The selection, or the whole wave without one.
    const int32_t begin = unit->GetOperationBegin();
    const int32_t end = unit->GetOperationEnd();
    StopFlag stop = 0;
    SoundPtr sound = unit->GetSound()->Extract(&stop, begin, end);
    // Out of memory: the engine has said so.
    if (stop || !sound)
        return;

    TViewWaveGroup* sourceGroup = source->GetViewWaveGroup();
    const double split = sourceGroup->GetSplitPosition();
    auto copy = std::make_unique<TUnitWave>(sound, form.NewUnitName("Copy", "of " + unit->GetName()), "");
    form.CopyEffectSettingsTo(*copy);
    TMDIChildWave* window =
        form.CreateWaveWindow(std::move(copy), source->GetWaveViewProps(), source->GetVoldViewProps());
    TViewWaveGroup* group = window->GetViewWaveGroup();
    group->SetSplitPosition(split);
    // Each zoomed pane shows the same samples as its source pane does.
    const int32_t values = window->GetUnitWave()->GetValues();
    for (int pane = 1; pane <= 2; ++pane) {
        const TViewWave* from = sourceGroup->GetPane(pane);
        if (!from || !from->IsZoomed())
            continue;
        const int32_t first = std::clamp(static_cast<int32_t>(from->FirstVisibleWavePos()) - begin, 0, values);
        const int32_t last = std::clamp(static_cast<int32_t>(from->LastVisibleWavePos()) - begin, 0, values);
        if (last > first)
            group->GetPane(pane)->ZoomToRange(first, last, false);
    }
    form.SetActionChecked(A::ViewVold, false);
    form.SetActionChecked(A::ViewWave, false);
    form.SetActionChecked(A::ViewWave, true);
    window->SoundChanged();
}
