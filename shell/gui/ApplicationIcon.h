#pragma once
#include <QIcon>
#include <QImage>

// The program's picture, drawn at size x size pixels: its windows carry the
// 32-pixel one, and the icon files installed for the desktop are drawn from it.
QImage ApplicationIconImage(int size);

QIcon ApplicationIcon();
