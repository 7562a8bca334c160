#include "shell/gui/ModelessDialogsQt.h"

#include "shell/gui/DlgEditName.h"
#include "shell/gui/MDIChildQuarbel.h"
#include "shell/gui/MainForm.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/DlgSelZoom.h"

namespace {

TUnitWave* WaveOf(TMDIChildQuarbel* window)
{
    return window ? dynamic_cast<TUnitWave*>(window->GetFileUnit()) : nullptr;
}

} // namespace

TModelessDialogsQt::TModelessDialogsQt(TMainForm& mainForm) : Main(mainForm) {}

QWidget* TModelessDialogsQt::Dialog(TModelessDialogKind kind) const
{
    switch (kind) {
    case modelessDialogSelZoom: return SelZoomDialog;
    case modelessDialogEditName: return EditNameDialog;
    default: return nullptr;
    }
}

QWidget* TModelessDialogsQt::CreateDialog(TModelessDialogKind kind)
{
    if (QWidget* dialog = Dialog(kind))
        return dialog;
    switch (kind) {
    case modelessDialogSelZoom: return SelZoomDialog = new TDlgSelZoom(&Main);
    case modelessDialogEditName: return EditNameDialog = new TDlgEditName(Main);
    default: return nullptr;
    }
}

bool TModelessDialogsQt::IsDialogVisible(TModelessDialogKind kind) const
{
    const QWidget* dialog = Dialog(kind);
    return dialog && dialog->isVisible();
}

void TModelessDialogsQt::ShowDialog(TModelessDialogKind kind, bool show)
{
    if (show == IsDialogVisible(kind))
        return;
    // Each dialog's own show handler places it and fetches what it shows.
    if (show) {
        if (QWidget* dialog = CreateDialog(kind))
            dialog->show();
    } else if (QWidget* dialog = Dialog(kind)) {
        dialog->hide();
    }
}

TDialogPlacement TModelessDialogsQt::GetPlacement(TModelessDialogKind kind) const
{
    const QWidget* dialog = Dialog(kind);
    if (!dialog)
        return TModelessDialogs::GetPlacement(kind);
    const QPoint place = dialog->pos();
    return {place.x(), place.y(), dialog->width(), dialog->height()};
}

void TModelessDialogsQt::SetPlacement(TModelessDialogKind kind, const TDialogPlacement& placement)
{
    QWidget* dialog = Dialog(kind);
    if (!dialog) {
        TModelessDialogs::SetPlacement(kind, placement);
        return;
    }
    const int numbers = ModelessDialogInfo(kind).numbers;
    dialog->move(placement.Left, placement.Top);
    if (numbers >= 3)
        dialog->resize(placement.Width, numbers >= 4 ? placement.Height : dialog->height());
}

// ---------------------------------------------------------------- activation notices

void TModelessDialogsQt::WaveWindowActivated(TMDIChildQuarbel* window)
{
    // The music dialogs hear first, with nothing to show.
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(WaveOf(window));
    if (EditNameDialog)
        EditNameDialog->SetWindow(window);
}

void TModelessDialogsQt::MusicWindowActivated(TMDIChildQuarbel* window)
{
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(nullptr);
    // The music dialogs get the window here.
    if (EditNameDialog)
        EditNameDialog->SetWindow(window);
}

void TModelessDialogsQt::FactoryWindowActivated(TMDIChildQuarbel* window)
{
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(nullptr);
    if (EditNameDialog)
        EditNameDialog->SetWindow(window);
}

void TModelessDialogsQt::PlayersWindowActivated(TMDIChildQuarbel* window)
{
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(nullptr);
    if (EditNameDialog)
        EditNameDialog->SetWindow(window);
}

void TModelessDialogsQt::NoWindowActivated()
{
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(nullptr);
    if (EditNameDialog)
        EditNameDialog->SetWindow(nullptr);
}

// ---------------------------------------------------------------- change notices

void TModelessDialogsQt::UnitNameChanged(const std::string& name)
{
    if (IsDialogVisible(modelessDialogEditName))
        EditNameDialog->ShowName(name);
}

void TModelessDialogsQt::WaveSelectionChanged(TMDIChildQuarbel* window)
{
    if (IsDialogVisible(modelessDialogSelZoom))
        SelZoomDialog->UpdateSelection(WaveOf(window));
}

void TModelessDialogsQt::WaveZoomChanged(TMDIChildQuarbel* window, int pane)
{
    if (IsDialogVisible(modelessDialogSelZoom))
        SelZoomDialog->UpdateZoom(WaveOf(window), pane);
}
