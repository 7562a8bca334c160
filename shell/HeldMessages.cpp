#include "shell/HeldMessages.h"

THeldMessages::THeldMessages() : outer(Messages()), previous(SetMessageService(this)) {}

THeldMessages::~THeldMessages()
{
    SetMessageService(previous);
    for (const THeld& message : held)
        outer.Show(message.text, message.caption, message.icon, MsgButtons::Ok);
}

MsgAnswer THeldMessages::Show(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons)
{
    if (buttons != MsgButtons::Ok || std::this_thread::get_id() != owner)
        return outer.Show(text, caption, icon, buttons);
    held.push_back({text, caption, icon});
    return MsgAnswer::Ok;
}

std::string THeldMessages::TakeFirst()
{
    if (held.empty())
        return {};
    std::string text = std::move(held.front().text);
    held.erase(held.begin());
    return text;
}
