#pragma once
#include <QString>

#include <initializer_list>

class QButtonGroup;
class QGroupBox;
class QWidget;

// A framed column of radio buttons; the buttons' ids are their item indices.
QGroupBox* MakeRadioGroup(const QString& caption, std::initializer_list<const char*> items, QButtonGroup*& buttons,
                          QWidget* owner);
