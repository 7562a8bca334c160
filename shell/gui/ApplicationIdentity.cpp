#include "shell/gui/ApplicationIdentity.h"

#include <QApplication>

void SetApplicationIdentity()
{
    QApplication::setApplicationName("Quarbel");
}
