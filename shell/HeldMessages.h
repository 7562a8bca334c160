#pragma once
#include "platform/MessageService.h"

#include <string>
#include <thread>
#include <vector>

// Holds back the plain messages (an OK button only) that its own thread shows
// while it lives, so that a caller can fold a failure's reason into its own
// one message; questions, and messages of other threads, go through at once.
// What is not taken is shown when it ends.
class THeldMessages : public MessageService {
public:
    THeldMessages();
    ~THeldMessages() override;
    THeldMessages(const THeldMessages&) = delete;
    THeldMessages& operator=(const THeldMessages&) = delete;

    MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon icon,
                   MsgButtons buttons) override;

    // The text of the first message held, no longer to be shown; empty when none was.
    std::string TakeFirst();

private:
    struct THeld {
        std::string text;
        std::string caption;
        MsgIcon icon;
    };
    MessageService& outer;
    MessageService* previous;
    std::thread::id owner = std::this_thread::get_id();
    std::vector<THeld> held;
};
