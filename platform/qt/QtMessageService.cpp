#include "platform/qt/QtMessageService.h"

#include "foundation/gui/OKCancelDialogs.h"

#include <QApplication>
#include <QMessageBox>

MsgAnswer QtMessageService::Show(const std::string& text, const std::string& caption, MsgIcon icon,
                                 MsgButtons buttons)
{
    QMessageBox box(parent);
    SetDialogWindowFlags(&box);
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(QString::fromStdString(caption));
    switch (icon) {
    case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // A box shows the normal cursor even while the program is busy.
    int overrides = 0;
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
        ++overrides;
    }
    int result = box.exec();
    // Restore the busy cursors that were in force.
    for (int i = 0; i < overrides; ++i)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    switch (result) {
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
    }
}
