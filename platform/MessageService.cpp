#include "platform/MessageService.h"

#include "platform/ServiceSlot.h"

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

StderrMessageService messageFallback;
ServiceSlot<MessageService> messageSlot(messageFallback);

} // namespace

MessageService& Messages()
{
    return messageSlot.Get();
}

MessageService* SetMessageService(MessageService* service)
{
    return messageSlot.Set(service);
}

void ShowMessage(const std::string& text, const std::string& caption, MsgIcon icon)
{
    Messages().Show(text, caption, icon, MsgButtons::Ok);
}
