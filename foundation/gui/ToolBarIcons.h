#pragma once
#include <QIcon>
#include <QPixmap>

#include <vector>

// The 24 by 24 images of the actions and toolbar buttons, painted in code.
// Image numbers are those of the action catalogue; an unknown number gives an
// empty image.
QPixmap ToolBarBitmap(int image);
QIcon ToolBarIcon(int image);
int ToolBarImageCount();

// The pictures of the factory's nodes, by the numbers the built-in function
// catalogue gives its functions and the numbers of the node kinds that run a
// factory (141 user, 142 mix loop, 184 simple loop, 185 formula wave). An
// unknown number gives a null pixmap: no picture.
QPixmap FactoryPictureBitmap(int number);
QIcon FactoryPictureIcon(int number);
// The numbers that have a picture.
std::vector<int> FactoryPictureNumbers();
