// The program's own run, from the start of its event loop to its end.
#include "foundation/commands/ActionId.h"
#include "platform/RecordingMessageService.h"
#include "platform/qt/HelpWindow.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/RunMainForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

template <class Window>
Window* TopLevel()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget))
            return window;
    return nullptr;
}

struct ExitCase {
    const char* name;
    bool closeHelp;
};

} // namespace

// Exit ends the program although the help window, shown with F1, may still be
// open, and the Edit Name box always is.
TEST(ProgramExit, ExitEndsTheProgramWhateverWindowsRemain)
{
    for (const ExitCase& c : {ExitCase{"help open", false}, ExitCase{"help opened and closed", true}}) {
        SCOPED_TRACE(c.name);
        RecordingMessageService messages;
        bool helpShown = false;
        bool exited = false;
        QTimer::singleShot(0, qApp, [&] {
            TMainForm* form = TopLevel<TMainForm>();
            HelpWindow* help = TopLevel<HelpWindow>();
            if (!form || !help)
                return;
            form->activateWindow();
            QApplication::setActiveWindow(form);
            QTest::keyClick(form, Qt::Key_F1);
            helpShown = help->isVisible();
            if (c.closeHelp)
                help->close();
            form->Action(ActionId::FileExit)->trigger();
            exited = true;
        });
        // Without an end the test would hang: a late stop reports the fault instead.
        QTimer stop;
        stop.setSingleShot(true);
        QObject::connect(&stop, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        stop.start(30000);
        EXPECT_EQ(RunMainForm(""), 0);
        EXPECT_TRUE(helpShown);
        EXPECT_TRUE(exited);
        EXPECT_EQ(messages.Count(), 0u);
    }
}
