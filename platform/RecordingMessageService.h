#pragma once
#include "platform/MessageService.h"

#include <deque>
#include <string>
#include <thread>
#include <vector>

// Records every message instead of showing it and answers from a script;
// installs itself for its lifetime.
class RecordingMessageService : public MessageService {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MsgIcon icon;
        MsgButtons buttons;
        std::thread::id thread; // messages belong on the thread that runs the program's windows
    };

    RecordingMessageService();
    ~RecordingMessageService() override;
    RecordingMessageService(const RecordingMessageService&) = delete;
    RecordingMessageService& operator=(const RecordingMessageService&) = delete;

    MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon icon,
                   MsgButtons buttons) override;

    // The next questions get these answers, in order; unscripted ones get the first button.
    void Answer(MsgAnswer answer) { script.push_back(answer); }

    const std::vector<Shown>& All() const { return shown; }
    size_t Count() const { return shown.size(); }
    const Shown& Last() const { return shown.back(); }
    void Clear() { shown.clear(); }

private:
    std::vector<Shown> shown;
    std::deque<MsgAnswer> script;
    MessageService* previous;
};
