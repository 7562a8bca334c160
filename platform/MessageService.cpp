#include "platform/MessageService.h"

#include <cstdio>

namespace {

class StderrMessageService : public MessageService {
public:
    MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon, MsgButtons buttons) override
    {
        std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
};

StderrMessageService fallback;
MessageService* current = nullptr;

} // namespace

MessageService& Messages()
{
    return current ? *current : fallback;
}

MessageService* SetMessageService(MessageService* service)
{
    MessageService* previous = current;
    current = service;
    return previous;
}

void ShowMessage(const std::string& text, const std::string& caption, MsgIcon icon)
{
    Messages().Show(text, caption, icon, MsgButtons::Ok);
}
