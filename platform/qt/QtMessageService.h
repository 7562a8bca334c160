#pragma once
#include "platform/MessageService.h"

class QWidget;

// Message boxes on QMessageBox, parented to the main window when there is one.
class QtMessageService : public MessageService {
public:
    explicit QtMessageService(QWidget* parent = nullptr) : parent(parent) {}
    void SetParent(QWidget* widget) { parent = widget; }
    MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) override;

private:
    QWidget* parent;
};
