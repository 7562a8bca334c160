#pragma once
#include "foundation/gui/ExecDialog.h"

#include <QFileDialog>

#include <string>
#include <vector>

// Plays the user's part in the file dialogs a command opens: notes each
// dialog's title and types the answer into it (an empty answer cancels).
class ScriptedFileDialogs {
public:
    ScriptedFileDialogs()
    {
        previous = SetDialogScript([this](QDialog& dialog) {
            asked.push_back(dialog.windowTitle().toStdString());
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            if (!files || answer.empty())
                return static_cast<int>(QDialog::Rejected);
            files->selectFile(QString::fromStdString(answer));
            return static_cast<int>(QDialog::Accepted);
        });
    }
    ~ScriptedFileDialogs() { SetDialogScript(previous); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    std::string answer;
    std::vector<std::string> asked;

private:
    TDialogScript previous;
};
