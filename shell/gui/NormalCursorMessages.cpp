#include "shell/gui/NormalCursorMessages.h"

#include <QApplication>
#include <QCursor>

MsgAnswer TNormalCursorMessages::Show(const std::string& text, const std::string& caption, MsgIcon icon,
                                      MsgButtons buttons)
{
    if (!QApplication::overrideCursor())
        return boxes.Show(text, caption, icon, buttons);
    QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    MsgAnswer answer = boxes.Show(text, caption, icon, buttons);
    QApplication::restoreOverrideCursor();
    return answer;
}
