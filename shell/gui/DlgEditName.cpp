#include "shell/gui/DlgEditName.h"

#include "foundation/gui/EditHelpers.h"
#include "shell/gui/KeepInsideWorkArea.h"
#include "shell/gui/MainForm.h"
#include "wave/document/FileUnit.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QWindow>

namespace {
constexpr int FixedHeight = 72;
constexpr int MinimumWidth = 180;
constexpr int DesignWidth = 312;
// Room between the box and the corner of the window area it starts in.
constexpr int CornerMargin = 8;
} // namespace

// A tool window of the main window: above it, yet below the dialogs it opens
// (a window that stays on top would cover them).
TDlgEditName::TDlgEditName(TMainForm& mainForm) : QWidget(&mainForm, Qt::Tool), Main(mainForm)
{
    setObjectName("DlgEditName");
    setWindowTitle("Edit Name");
    editName = new QLineEdit(this);
    editName->setObjectName("editName");
    QFont bold = editName->font();
    bold.setPixelSize(15);
    bold.setBold(true);
    editName->setFont(bold);
    btnOk = new QPushButton("OK", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(editName, 1);
    layout->addWidget(btnOk);
    layout->addWidget(btnCancel);
    setFixedHeight(FixedHeight);
    setMinimumWidth(MinimumWidth);
    resize(DesignWidth, FixedHeight);

    connect(btnOk, &QPushButton::clicked, this, &TDlgEditName::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TDlgEditName::btnCancelClick);
    connect(editName, &QLineEdit::returnPressed, this, &TDlgEditName::btnOkClick);
}

void TDlgEditName::ShowName(const std::string& name)
{
    EnableEdit(editName);
    editName->setText(QString::fromStdString(name));
    btnOk->setEnabled(true);
    btnCancel->setEnabled(true);
}

void TDlgEditName::ShowUnit(TFileUnit* unit)
{
    if (unit) {
        ShowName(unit->GetName());
        return;
    }
    DisableEdit(editName, true);
    btnOk->setEnabled(false);
    btnCancel->setEnabled(false);
}

void TDlgEditName::SetWindow(TMDIChildQuarbel* window)
{
    ShowUnit(window ? window->GetFileUnit() : nullptr);
}

void TDlgEditName::btnOkClick()
{
    TMDIChildQuarbel* window = Main.ActiveChild();
    if (!window || !window->GetFileUnit())
        return;
    const std::string name = editName->text().toStdString();
    // A name another document has is refused with its message; the text stays.
    if (Main.CheckUnitName(name, window))
        window->GetFileUnit()->SetName(name);
}

void TDlgEditName::btnCancelClick()
{
    TMDIChildQuarbel* window = Main.ActiveChild();
    ShowUnit(window ? window->GetFileUnit() : nullptr);
}

void TDlgEditName::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown at start, before the main window is on the screen: the window
    // manager takes it for nobody's, and the main window would go over it.
    if (!Main.isVisible())
        Main.installEventFilter(this);
    else if (!Placed)
        PlaceInWindowArea();
    else
        KeepInsideWorkArea(*this);
    TMDIChildQuarbel* window = Main.ActiveChild();
    ShowUnit(window ? window->GetFileUnit() : nullptr);
}

void TDlgEditName::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        Main.EditNameDialogClosed();
}

bool TDlgEditName::eventFilter(QObject* watched, QEvent* event)
{
    QWindow* mainWindow = Main.windowHandle();
    if (watched == &Main && event->type() == QEvent::Show) {
        Main.removeEventFilter(this);
        QMetaObject::invokeMethod(this, &TDlgEditName::ShowAsToolWindow, Qt::QueuedConnection);
        // A window manager may put the main window in its place only after it
        // is shown; by the time it is exposed it is there.
        if (mainWindow && !mainWindow->isExposed())
            mainWindow->installEventFilter(this);
    } else if (watched == mainWindow && event->type() == QEvent::Expose && mainWindow->isExposed()) {
        mainWindow->removeEventFilter(this);
        if (AutoPlaced)
            PlaceInWindowArea();
    }
    return QWidget::eventFilter(watched, event);
}

void TDlgEditName::ShowAsToolWindow()
{
    // Once the main window is on the screen, shown again as its tool window.
    if (!isVisible() || !windowHandle() || !Main.windowHandle())
        return;
    // The window that has the focus keeps it.
    QWidget* active = QApplication::activeWindow();
    const bool quiet = testAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_ShowWithoutActivating);
    hide();
    windowHandle()->setTransientParent(Main.windowHandle());
    // A place a project gave meanwhile is kept.
    if (Placed)
        KeepInsideWorkArea(*this);
    else
        PlaceInWindowArea();
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    if (active && active != this)
        active->activateWindow();
}

void TDlgEditName::PlaceInWindowArea()
{
    Placed = true;
    AutoPlaced = true;
    const QMdiArea* area = Main.MdiArea();
    if (!area)
        return;
    const QPoint corner = area->mapToGlobal(QPoint(area->width(), 0));
    move(corner.x() - frameGeometry().width() - CornerMargin, corner.y() + CornerMargin);
    KeepInsideWorkArea(*this);
}

bool TDlgEditName::event(QEvent* event)
{
    // While the window is active, typed keys are its own and fire no shortcut.
    if (event->type() == QEvent::WindowActivate)
        Main.SetModelessDialogActive(true);
    else if (event->type() == QEvent::WindowDeactivate)
        Main.SetModelessDialogActive(false);
    return QWidget::event(event);
}
