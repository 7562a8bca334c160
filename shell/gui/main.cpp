// Program entry: the application, its title and help, and the main window.
#include "factory/gui/FactoryHelpPages.h"
#include "platform/AudioDevice.h"
#include "platform/HelpService.h"
#include "platform/qt/HelpWindow.h"
#include "platform/portaudio/PortAudioDevice.h"
#include "platform/qt/QtMessageService.h"
#include "shell/gui/ApplicationIdentity.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/NormalCursorMessages.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetApplicationIdentity();

    QtMessageService boxes;
    TNormalCursorMessages messages(boxes);
    SetMessageService(&messages);
    // Only the program itself plays on the sound card.
    SetAudioDeviceFactory([] { return std::make_unique<PortAudioDevice>(); });
    int result = 0;
    {
        HelpWindow help;
        AddFactoryHelpPages(help);
        SetHelpService(&help);
        TMainForm mainForm;
        boxes.SetParent(&mainForm);
        mainForm.show();
        // The file named on the command line opens once the window is shown.
        const QStringList arguments = QApplication::arguments();
        const std::string file = arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();
        QTimer::singleShot(0, &mainForm, [&mainForm, file] { mainForm.FormShow(file); });
        result = app.exec();
        boxes.SetParent(nullptr);
        SetHelpService(nullptr);
    }
    SetMessageService(nullptr);
    return result;
}
