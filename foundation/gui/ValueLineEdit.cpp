#include "foundation/gui/ValueLineEdit.h"

namespace {
constexpr int MaxValueLength = 99;
}

TValueLineEdit::TValueLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(MaxValueLength);
}
