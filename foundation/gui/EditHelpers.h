#pragma once

class QWidget;
class QPainter;
class QRect;
#include <cstdint>

// Dialogs switch fields on and off with this pair: an enabled field has the
// window background, a disabled one the button-face background.
void EnableEdit(QWidget* edit);
// With clear set the field's text is emptied first; without it the text stays,
// so enabling the field again shows the old value.
void DisableEdit(QWidget* edit, bool clear);

// A raised tile in colour c (0x00BBGGRR): filled with 0.75 c, light left and top
// edges in c, dark right and bottom edges in 0.5 c.
void DrawBevelRect(QPainter& painter, const QRect& rect, uint32_t color);
