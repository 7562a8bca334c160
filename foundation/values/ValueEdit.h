#pragma once
#include <string>

// The text field a value is typed into, as the value objects see it; the
// dialogs adapt their edit controls to it.
class TValueEdit {
public:
    virtual ~TValueEdit() = default;
    virtual std::string GetEditText() const = 0;
    virtual void SetEditText(const std::string& text) = 0;
};
