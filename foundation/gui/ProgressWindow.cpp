#include "foundation/gui/ProgressWindow.h"

#include "platform/VectorState.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <algorithm>

namespace {

// Work shorter than this shows no window.
constexpr qint64 ShowAfterMs = 500;
// The windows are served this often while the work runs.
constexpr qint64 EventsEveryMs = 25;
// Steps of the bar where the work knows its length.
constexpr int BarSteps = 1000;

} // namespace

TProgressWindow::TProgressWindow(QWidget* owner) : owner(owner), previous(WatchWork(this)) {}

TProgressWindow::~TProgressWindow()
{
    WatchWork(previous);
    delete dialog.data();
}

void TProgressWindow::Show()
{
    dialog = new QProgressDialog("Working...", "Stop", 0, 0, owner);
    dialog->setObjectName("ProgressWindow");
    dialog->setWindowTitle(QCoreApplication::applicationName());
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoReset(false);
    dialog->setAutoClose(false);
    dialog->setMinimumDuration(0);
    // The Stop button cancels; so does Escape, which rejects the dialog.
    QObject::connect(dialog, &QProgressDialog::canceled, [this] { stopped = true; });
    QObject::connect(dialog, &QDialog::rejected, [this] { stopped = true; });
    dialog->show();
}

bool TProgressWindow::StopWanted(int64_t done, int64_t total)
{
    // The clock starts with the work, not with the dialogs asked before it.
    if (!running.isValid()) {
        running.start();
        sinceEvents.start();
    }
    if (stopped || sinceEvents.elapsed() < EventsEveryMs)
        return stopped;
    sinceEvents.restart();
    if (!dialog && running.elapsed() >= ShowAfterMs)
        Show();
    if (dialog) {
        if (total > 0) {
            dialog->setMaximum(BarSteps);
            dialog->setValue(static_cast<int>(std::clamp<int64_t>(done * BarSteps / total, 0, BarSteps)));
        } else {
            dialog->setMaximum(0);
        }
    }
    // Before the window shows, the user's input waits: no other command may
    // start in the middle of this one.
    QCoreApplication::processEvents(dialog ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    // The windows just painted; the work's loops must not pay for it.
    ClearUpperVectorState();
    return stopped;
}
