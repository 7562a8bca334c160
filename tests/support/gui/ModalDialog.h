#pragma once
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs open, which shows a modal dialog and waits for it; gives the dialog's
// window flags as it was shown, and closes it. Nothing seen gives no flags.
inline Qt::WindowFlags FlagsOfModalDialog(const std::function<void()>& open)
{
    Qt::WindowFlags flags;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            flags = dialog->windowFlags();
            poll.stop();
            dialog->done(QDialog::Rejected);
        }
    });
    poll.start(0);
    open();
    poll.stop();
    return flags;
}

// Whether flags give a dialog its title and close box, and no minimise or maximise button.
inline bool HasDialogWindowFlags(Qt::WindowFlags flags)
{
    return (flags & Qt::WindowType_Mask) == Qt::Dialog && (flags & Qt::CustomizeWindowHint) &&
           (flags & Qt::WindowTitleHint) && (flags & Qt::WindowCloseButtonHint) &&
           !(flags & Qt::WindowMinimizeButtonHint) && !(flags & Qt::WindowMaximizeButtonHint);
}

// Once a modal dialog of that class is up, does what the user would do in it.
template <class Dialog>
void WhenModalOpens(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}
