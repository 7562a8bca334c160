#include "foundation/gui/ColorBox.h"

#include "foundation/values/NamedColors.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int CustomIndex = 0;

QColor ToQColor(uint32_t color)
{
    const uint32_t c = ResolveColor(color);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

uint32_t FromQColor(const QColor& color)
{
    return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
           (static_cast<uint32_t>(color.blue()) << 16);
}

QIcon Swatch(uint32_t color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

QVariant Data(uint32_t color)
{
    return QVariant::fromValue<qulonglong>(color);
}

} // namespace

const char* TColorBox::CustomCaption()
{
    return "Custom...";
}

TColorBox::TColorBox(QWidget* parent, bool systemColors) : QComboBox(parent)
{
    addItem(Swatch(0), CustomCaption(), Data(0));
    for (const TNamedColor& each : StandardColors())
        addItem(Swatch(each.color), each.name, Data(each.color));
    for (const TNamedColor& each : ExtendedColors())
        addItem(Swatch(each.color), each.name, Data(each.color));
    if (systemColors)
        for (const TNamedColor& each : SystemColors())
            addItem(Swatch(each.color), each.name, Data(each.color));
    setMaxVisibleItems(16);
    connect(this, qOverload<int>(&QComboBox::activated), this, &TColorBox::ItemActivated);
}

void TColorBox::SetSelected(uint32_t color)
{
    // The custom entry is not searched: a listed colour shows under its name.
    int index = CustomIndex;
    for (int i = CustomIndex + 1; i < count() && index == CustomIndex; ++i)
        if (itemData(i).toULongLong() == color)
            index = i;
    if (index == CustomIndex)
        SetCustom(color);
    setCurrentIndex(index);
    previousIndex = index;
}

uint32_t TColorBox::GetSelected() const
{
    return static_cast<uint32_t>(currentData().toULongLong());
}

void TColorBox::SetCustom(uint32_t color)
{
    setItemData(CustomIndex, Data(color), Qt::UserRole);
    setItemIcon(CustomIndex, Swatch(color));
}

void TColorBox::ItemActivated(int index)
{
    if (index == CustomIndex) {
        QColorDialog dialog(ToQColor(itemData(CustomIndex).toULongLong()), this);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (dialog.exec() != QDialog::Accepted) {
            setCurrentIndex(previousIndex);
            return;
        }
        SetCustom(FromQColor(dialog.selectedColor()));
        setCurrentIndex(CustomIndex);
    }
    previousIndex = index;
    emit ColorSelected(GetSelected());
}
