#pragma once
#include <QGridLayout>
#include <QLabel>

class QWidget;

// The container's grid with the dialogs' margins and spacing, made on first use.
QGridLayout* GridOn(QWidget* container);

// A label with its field in the next column of a grid; the label is the
// field's buddy, so its accelerator reaches the field.
template <class Field>
Field* AddGridRow(QGridLayout* grid, int row, const char* caption, Field* field)
{
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}
