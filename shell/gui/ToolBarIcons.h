#pragma once
#include <QIcon>
#include <QPixmap>

// The 24 by 24 images of the actions and toolbar buttons, painted in code.
// Image numbers are those of the action catalogue; an unknown number gives an
// empty image.
QPixmap ToolBarBitmap(int image);
QIcon ToolBarIcon(int image);
int ToolBarImageCount();
