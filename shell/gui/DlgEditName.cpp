#include "shell/gui/DlgEditName.h"

#include "foundation/gui/EditHelpers.h"
#include "shell/gui/MainForm.h"
#include "wave/document/FileUnit.h"
#include "wave/window/gui/DialogFramePlacing.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

namespace {
constexpr int FixedHeight = 72;
constexpr int MinimumWidth = 180;
constexpr int DesignWidth = 312;
// Room between the box and the corner of the window area it starts in.
constexpr int CornerMargin = 8;
} // namespace

// A tool window of the main window: above it, yet below the dialogs it opens
// (a window that stays on top would cover them). A box of one line: no Maximise.
TDlgEditName::TDlgEditName(TMainForm& mainForm)
    : QWidget(&mainForm, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint),
      Main(mainForm)
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

void TDlgEditName::SetFrameCorner(const QPoint& corner)
{
    Corner = corner;
    if (isVisible())
        Place();
}

QPoint TDlgEditName::FrameCorner() const
{
    // Not shown yet, or hidden: where it will come back.
    if (!isVisible() && Corner)
        return *Corner;
    return DialogFrameCorner(*this);
}

void TDlgEditName::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Place();
    TMDIChildQuarbel* window = Main.ActiveChild();
    ShowUnit(window ? window->GetFileUnit() : nullptr);
}

void TDlgEditName::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    Corner = DialogFrameCorner(*this);
}

void TDlgEditName::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        Main.EditNameDialogClosed();
}

void TDlgEditName::Place()
{
    if (Corner) {
        PlaceDialogFrame(*this, [this, corner = *Corner](const QRect&, const QSize& frame) {
            return DialogFrameCornerOnScreen(*this, corner, frame);
        });
    } else {
        PlaceDialogFrame(*this, [this](const QRect& area, const QSize& frame) { return CornerInWindowArea(area, frame); });
    }
}

QPoint TDlgEditName::CornerInWindowArea(const QRect& area, const QSize& frame) const
{
    const QMdiArea* windows = Main.MdiArea();
    if (!windows)
        return FrameCornerInsideArea(area, QPoint(), frame);
    const QPoint corner = windows->mapToGlobal(QPoint(windows->width(), 0));
    return FrameCornerInsideArea(area, QPoint(corner.x() - frame.width() - CornerMargin, corner.y() + CornerMargin),
                                 frame);
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
