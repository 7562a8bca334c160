#include "foundation/gui/EditHelpers.h"

#include "foundation/values/NumericHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRect>
#include <QWidget>

namespace {

QColor FromColorRef(int32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Both colour groups get the background, so it shows whether the field is enabled or not.
void SetBackground(QWidget* edit, QPalette::ColorRole source)
{
    QPalette palette = edit->palette();
    QColor color = QApplication::palette().color(QPalette::Active, source);
    palette.setColor(QPalette::Active, QPalette::Base, color);
    palette.setColor(QPalette::Inactive, QPalette::Base, color);
    palette.setColor(QPalette::Disabled, QPalette::Base, color);
    edit->setPalette(palette);
}

} // namespace

void EnableEdit(QWidget* edit)
{
    edit->setEnabled(true);
    SetBackground(edit, QPalette::Base);
}

void DisableEdit(QWidget* edit, bool clear)
{
    if (clear) {
        if (auto* line = qobject_cast<QLineEdit*>(edit))
            line->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(edit); combo && combo->isEditable())
            combo->clearEditText();
        else if (auto* text = qobject_cast<QPlainTextEdit*>(edit))
            text->clear();
    }
    SetBackground(edit, QPalette::Button);
    edit->setEnabled(false);
}

void DrawBevelRect(QPainter& painter, const QRect& rect, uint32_t color)
{
    const int32_t c = static_cast<int32_t>(color & 0xFFFFFF);
    painter.fillRect(rect, FromColorRef(MixColors(0, c, 0.75)));
    const QPoint bottomLeft(rect.left(), rect.bottom());
    const QPoint topRight(rect.right(), rect.top());
    const QPoint bottomRight(rect.right(), rect.bottom());
    painter.setPen(QPen(FromColorRef(c), 1));
    painter.drawLine(bottomLeft, rect.topLeft());
    painter.drawLine(rect.topLeft(), topRight);
    painter.setPen(QPen(FromColorRef(MixColors(0, c, 0.5)), 1));
    painter.drawLine(topRight, bottomRight);
    painter.drawLine(bottomRight, bottomLeft);
}
