#pragma once

class QWidget;

// Puts a modeless music dialog at the main window's right and bottom edges,
// kept whole on its screen.
void PlaceAtMainFormEdges(QWidget& dialog);
