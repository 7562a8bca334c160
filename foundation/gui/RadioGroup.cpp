#include "foundation/gui/RadioGroup.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

QGroupBox* MakeRadioGroup(const QString& caption, std::initializer_list<const char*> items, QButtonGroup*& buttons,
                          QWidget* owner)
{
    auto* box = new QGroupBox(caption, owner);
    auto* layout = new QVBoxLayout(box);
    buttons = new QButtonGroup(box);
    int id = 0;
    for (const char* item : items) {
        auto* radio = new QRadioButton(item, box);
        buttons->addButton(radio, id++);
        layout->addWidget(radio);
    }
    return box;
}
