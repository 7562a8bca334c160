#pragma once
#include "foundation/values/ValueEdit.h"

#include <QLineEdit>

// A one-line field a value is typed into: the value objects read and write
// it as a TValueEdit. Like every value field it takes at most 99 characters.
class TValueLineEdit : public QLineEdit, public TValueEdit {
    Q_OBJECT
public:
    explicit TValueLineEdit(QWidget* parent = nullptr);

    std::string GetEditText() const override { return text().toStdString(); }
    void SetEditText(const std::string& value) override { setText(QString::fromStdString(value)); }
};
