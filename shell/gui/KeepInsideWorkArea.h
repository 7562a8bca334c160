#pragma once

class QWidget;

// Moves a top-level window so that its frame lies wholly inside the work area
// (the screen without the desktop's panels) of the screen it stands on; a
// window larger than the area keeps its top left corner inside.
void KeepInsideWorkArea(QWidget& window);
