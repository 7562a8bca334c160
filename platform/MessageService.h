#pragma once
#include <string>

// What the core asks of whoever shows messages: the GUI fills it with real
// message boxes, tests with a recorder.
enum class MsgIcon { None = 0, Stop = 16, Exclamation = 48, Information = 64, Question = 32 };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon icon,
                           MsgButtons buttons) = 0;
};

// The service in force. Without one installed, messages go to standard error
// and every question gets its first answer.
MessageService& Messages();

// Installs a service (not owned) and gives the previous one; nullptr restores the default.
MessageService* SetMessageService(MessageService* service);

// Shorthand for a box with an OK button.
void ShowMessage(const std::string& text, const std::string& caption, MsgIcon icon);
