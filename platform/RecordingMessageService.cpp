#include "platform/RecordingMessageService.h"

RecordingMessageService::RecordingMessageService() : previous(SetMessageService(this)) {}

RecordingMessageService::~RecordingMessageService()
{
    SetMessageService(previous);
}

MsgAnswer RecordingMessageService::Show(const std::string& text, const std::string& caption, MsgIcon icon,
                                        MsgButtons buttons)
{
    shown.push_back({text, caption, icon, buttons, std::this_thread::get_id()});
    if (!script.empty()) {
        MsgAnswer answer = script.front();
        script.pop_front();
        return answer;
    }
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes : MsgAnswer::Ok;
}
