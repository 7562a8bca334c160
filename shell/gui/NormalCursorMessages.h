#pragma once
#include "platform/MessageService.h"

// Message boxes show the normal cursor even while the program is busy.
class TNormalCursorMessages : public MessageService {
public:
    explicit TNormalCursorMessages(MessageService& boxes) : boxes(boxes) {}
    MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) override;

private:
    MessageService& boxes;
};
