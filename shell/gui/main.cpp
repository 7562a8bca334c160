// Program entry: the application, its title, its message boxes and sound card,
// and the main window.
#include "platform/AudioDevice.h"
#include "platform/portaudio/PortAudioDevice.h"
#include "platform/qt/QtMessageService.h"
#include "shell/gui/ApplicationIdentity.h"
#include "shell/gui/NormalCursorMessages.h"
#include "shell/gui/RunMainForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetApplicationIdentity();

    QtMessageService boxes;
    TNormalCursorMessages messages(boxes);
    SetMessageService(&messages);
    // Only the program itself plays on the sound card.
    SetAudioDeviceFactory([] { return std::make_unique<PortAudioDevice>(); });
    const QStringList arguments = QApplication::arguments();
    const std::string file = arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();
    const int result = RunMainForm(file, &boxes);
    SetMessageService(nullptr);
    return result;
}
