#include "shell/gui/RunMainForm.h"

#include "factory/gui/FactoryHelpPages.h"
#include "platform/HelpService.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/QtMessageService.h"
#include "shell/gui/MainForm.h"

#include <QApplication>
#include <QTimer>

int RunMainForm(const std::string& commandLineFile, QtMessageService* boxes)
{
    HelpWindow help;
    AddFactoryHelpPages(help);
    SetHelpService(&help);
    int result = 0;
    {
        TMainForm mainForm;
        // The platform ends the loop only when no window it counts is left
        // shown; the help window and the Edit Name box would keep it running.
        QObject::connect(&mainForm, &TMainForm::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        if (boxes)
            boxes->SetParent(&mainForm);
        mainForm.show();
        QTimer::singleShot(0, &mainForm, [&mainForm, commandLineFile] { mainForm.FormShow(commandLineFile); });
        result = QApplication::exec();
        if (boxes)
            boxes->SetParent(nullptr);
    }
    SetHelpService(nullptr);
    return result;
}
