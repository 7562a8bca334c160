#include "music/gui/PlaceAtMainFormEdges.h"

#include "wave/MainFormAccess.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

void PlaceAtMainFormEdges(QWidget& dialog)
{
    const MainFormRect main = MainForm().GetMainFormRect();
    const QScreen* display = dialog.screen();
    if (!display)
        return;
    const QRect area = display->geometry();
    const QSize size = dialog.frameGeometry().size();
    dialog.move(std::max(area.left(), std::min(area.left() + area.width() - size.width(), main.right)),
                std::max(area.top(), std::min(area.top() + area.height() - size.height(), main.bottom)));
}
