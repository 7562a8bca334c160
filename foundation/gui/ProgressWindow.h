#pragma once
#include "platform/WorkProgress.h"

#include <QElapsedTimer>
#include <QPointer>

#include <cstdint>

class QProgressDialog;
class QWidget;

// Watches the long work the GUI thread runs while it lives. Once the work has
// gone on for about half a second a small modal window shows how far it has
// come (a bar where the work knows its length, a busy bar where it does not)
// with a Stop button; Stop or Escape asks the work to stop, which then ends
// as a stopped run does. While the work runs the other windows keep painting,
// and the user's input goes to the progress window alone.
class TProgressWindow : public WorkProgress {
public:
    explicit TProgressWindow(QWidget* owner);
    ~TProgressWindow() override;
    TProgressWindow(const TProgressWindow&) = delete;
    TProgressWindow& operator=(const TProgressWindow&) = delete;

    bool StopWanted(int64_t done, int64_t total) override;

private:
    void Show();

    QWidget* owner;
    WorkProgress* previous;
    QPointer<QProgressDialog> dialog;
    QElapsedTimer running;
    QElapsedTimer sinceEvents;
    bool stopped = false;
};
