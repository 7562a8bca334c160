#include "foundation/gui/GridRow.h"

#include <QWidget>

QGridLayout* GridOn(QWidget* container)
{
    if (auto* grid = qobject_cast<QGridLayout*>(container->layout()))
        return grid;
    auto* grid = new QGridLayout(container);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    return grid;
}
