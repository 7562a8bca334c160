// Program entry: the application, its title and help, and the main window.
#include "platform/HelpService.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/QtMessageService.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quarbel");
    QApplication::setApplicationDisplayName("Quarbel 9.1");

    QtMessageService messages;
    SetMessageService(&messages);
    HelpWindow help;
    SetHelpService(&help);

    QMainWindow mainWindow;
    mainWindow.setWindowTitle("Quarbel 9.1");
    mainWindow.resize(900, 640);
    messages.SetParent(&mainWindow);
    mainWindow.show();

    int result = app.exec();
    SetHelpService(nullptr);
    SetMessageService(nullptr);
    return result;
}
