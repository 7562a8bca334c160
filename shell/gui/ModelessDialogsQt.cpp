#include "shell/gui/ModelessDialogsQt.h"

#include "music/gui/DlgMusTree.h"
#include "music/gui/DlgMusic.h"
#include "music/gui/MDIChildMuz.h"
#include "shell/gui/DlgEditName.h"
#include "shell/gui/KeepInsideWorkArea.h"
#include "shell/gui/MainForm.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/DlgSelZoom.h"
#include "wave/window/gui/MDIChildQuarbel.h"

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
    case modelessDialogMusStave: return MusicDialog;
    case modelessDialogMusTree: return MusTreeDialog;
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
    case modelessDialogMusStave: return MusicDialog = new TDlgMusic(Main);
    case modelessDialogMusTree: return MusTreeDialog = new TDlgMusTree(Main);
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
    // The always-on-top box stays where it can be seen on this screen,
    // whatever screen the project was saved on.
    if (kind == modelessDialogEditName && EditNameDialog) {
        EditNameDialog->MarkPlaced();
        KeepInsideWorkArea(*dialog);
    }
}

// ---------------------------------------------------------------- activation notices

namespace {

TMDIChildMuz* MusicWindowOf(TMDIChildQuarbel* window)
{
    return dynamic_cast<TMDIChildMuz*>(window);
}

} // namespace

void TModelessDialogsQt::TellMusicDialogs(TMDIChildMuz* window)
{
    if (MusicDialog)
        MusicDialog->SetUnitMuz(window);
    if (MusTreeDialog)
        MusTreeDialog->SetUnitMuz(window);
}

void TModelessDialogsQt::WaveWindowActivated(TMDIChildQuarbel* window)
{
    // The music dialogs hear first, with nothing to show.
    TellMusicDialogs(nullptr);
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(WaveOf(window));
    if (EditNameDialog)
        EditNameDialog->SetWindow(window);
}

void TModelessDialogsQt::MusicWindowActivated(TMDIChildQuarbel* window)
{
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(nullptr);
    TellMusicDialogs(MusicWindowOf(window));
    if (EditNameDialog)
        EditNameDialog->SetWindow(window);
}

void TModelessDialogsQt::FactoryWindowActivated(TMDIChildQuarbel* window)
{
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(nullptr);
    TellMusicDialogs(nullptr);
    if (EditNameDialog)
        EditNameDialog->SetWindow(window);
}

void TModelessDialogsQt::PlayersWindowActivated(TMDIChildQuarbel* window)
{
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(nullptr);
    TellMusicDialogs(nullptr);
    if (EditNameDialog)
        EditNameDialog->SetWindow(window);
}

void TModelessDialogsQt::NoWindowActivated()
{
    if (SelZoomDialog)
        SelZoomDialog->UpdateAll(nullptr);
    TellMusicDialogs(nullptr);
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

void TModelessDialogsQt::MusicStaveChanged(TNoteStave* stave)
{
    if (IsDialogVisible(modelessDialogMusStave))
        MusicDialog->StaveChanged(stave);
}

void TModelessDialogsQt::MusicPartsChanged(TUnitMuz* unit)
{
    if (IsDialogVisible(modelessDialogMusTree))
        MusTreeDialog->MusicPartsChanged(unit);
}
