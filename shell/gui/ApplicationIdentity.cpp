#include "shell/gui/ApplicationIdentity.h"

#include <QApplication>

void SetApplicationIdentity()
{
    QApplication::setApplicationName("Quarbel");
    // The desktop entry it is installed with, which names the windows' icon
    // where the platform takes it from there.
    QGuiApplication::setDesktopFileName("quarbel");
}
