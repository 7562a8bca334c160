#include "shell/gui/ModelessDialogsQt.h"

#include "music/gui/DlgMusTree.h"
#include "music/gui/DlgMusic.h"
#include "music/gui/MDIChildMuz.h"
#include "shell/gui/DlgEditName.h"
#include "shell/gui/MainForm.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/DlgSelZoom.h"
#include "wave/window/gui/DialogFramePlacing.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

#include <functional>
#include <utility>

namespace {

TUnitWave* WaveOf(TMDIChildQuarbel* window)
{
    return window ? dynamic_cast<TUnitWave*>(window->GetFileUnit()) : nullptr;
}

// Calls back once the watched window is on the screen: shown, and exposed
// where the window manager put it.
class TModelessDialogsMainFormWatch : public QObject {
public:
    TModelessDialogsMainFormWatch(QWidget& window, std::function<void()> onScreen)
        : QObject(&window), Window(window), OnScreen(std::move(onScreen))
    {
        window.installEventFilter(this);
        WatchExposure();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &Window && event->type() == QEvent::Show) {
            WatchExposure();
        } else if (watched == Window.windowHandle() && event->type() == QEvent::Expose &&
                   Window.windowHandle()->isExposed()) {
            Window.removeEventFilter(this);
            Window.windowHandle()->removeEventFilter(this);
            // The call ends this watch.
            OnScreen();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void WatchExposure()
    {
        if (QWindow* handle = Window.windowHandle())
            handle->installEventFilter(this);
    }

    QWidget& Window;
    std::function<void()> OnScreen;
};

} // namespace

TModelessDialogsQt::TModelessDialogsQt(TMainForm& mainForm) : Main(mainForm) {}

TModelessDialogsQt::~TModelessDialogsQt()
{
    delete MainFormWatch;
}

void TModelessDialogsQt::ShowWaitingDialogs()
{
    if (MainFormWatch)
        MainFormWatch->deleteLater();
    MainFormWatch = nullptr;
    for (int n = 0; n < ModelessDialogKindCount; ++n) {
        const auto kind = static_cast<TModelessDialogKind>(n);
        QWidget* dialog = Dialog(kind);
        if (!WaitingForMainForm[n] || !dialog)
            continue;
        WaitingForMainForm[n] = false;
        // The window that has the focus keeps it.
        QWidget* active = QApplication::activeWindow();
        const bool quiet = dialog->testAttribute(Qt::WA_ShowWithoutActivating);
        dialog->setAttribute(Qt::WA_ShowWithoutActivating);
        dialog->show();
        dialog->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
        if (active && active != dialog)
            active->activateWindow();
        // The project's place wins over the one the dialog takes when shown.
        if (const std::optional<QPoint> corner = std::exchange(WaitingCorner[n], std::nullopt))
            PlaceDialogFrameAt(*dialog, *corner);
    }
}

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
    case modelessDialogSelZoom: SelZoomDialog = new TDlgSelZoom(&Main); break;
    case modelessDialogMusStave: MusicDialog = new TDlgMusic(Main); break;
    case modelessDialogMusTree: MusTreeDialog = new TDlgMusTree(Main); break;
    case modelessDialogEditName: EditNameDialog = new TDlgEditName(Main); break;
    default: return nullptr;
    }
    // Tool boxes beside the documents: a maximised one would cover them and
    // be kept so in the project.
    QWidget* dialog = Dialog(kind);
    KeepDialogNormal(*dialog);
    return dialog;
}

bool TModelessDialogsQt::IsDialogVisible(TModelessDialogKind kind) const
{
    const QWidget* dialog = Dialog(kind);
    return dialog && (dialog->isVisible() || WaitingForMainForm[kind]);
}

void TModelessDialogsQt::ShowDialog(TModelessDialogKind kind, bool show)
{
    if (show == IsDialogVisible(kind))
        return;
    // Each dialog's own show handler places it and fetches what it shows.
    if (show) {
        QWidget* dialog = CreateDialog(kind);
        if (!dialog)
            return;
        // Once the main window is shown, it reaches the window manager first.
        if (Main.isVisible()) {
            dialog->show();
            return;
        }
        WaitingForMainForm[kind] = true;
        if (!MainFormWatch)
            MainFormWatch = new TModelessDialogsMainFormWatch(Main, [this] { ShowWaitingDialogs(); });
    } else if (QWidget* dialog = Dialog(kind)) {
        WaitingForMainForm[kind] = false;
        WaitingCorner[kind].reset();
        dialog->hide();
    }
}

TDialogPlacement TModelessDialogsQt::GetPlacement(TModelessDialogKind kind) const
{
    const QWidget* dialog = Dialog(kind);
    if (!dialog)
        return TModelessDialogs::GetPlacement(kind);
    const QPoint corner = kind == modelessDialogEditName ? EditNameDialog->FrameCorner()
                                                         : WaitingCorner[kind].value_or(DialogFrameCorner(*dialog));
    return {corner.x(), corner.y(), dialog->width(), dialog->height()};
}

void TModelessDialogsQt::SetPlacement(TModelessDialogKind kind, const TDialogPlacement& placement)
{
    QWidget* dialog = Dialog(kind);
    if (!dialog) {
        TModelessDialogs::SetPlacement(kind, placement);
        return;
    }
    const int numbers = ModelessDialogInfo(kind).numbers;
    if (numbers >= 3)
        dialog->resize(placement.Width, numbers >= 4 ? placement.Height : dialog->height());
    const QPoint corner(placement.Left, placement.Top);
    // Every place is kept inside the available area of the screen it falls
    // on, whatever screen the project was saved on. The Edit Name box keeps
    // its place while hidden.
    if (kind == modelessDialogEditName)
        EditNameDialog->SetFrameCorner(corner);
    else if (WaitingForMainForm[kind])
        WaitingCorner[kind] = corner;
    else
        PlaceDialogFrameAt(*dialog, corner);
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
