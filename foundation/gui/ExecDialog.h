#pragma once
#include <functional>

class QDialog;

// Every modal settings dialog of a command is run through here, so that tests
// can play the user's part: a script installed instead of the event loop gets
// the dialog, fills it in, presses its buttons and gives the modal result.
int ExecDialog(QDialog& dialog);

using TDialogScript = std::function<int(QDialog& dialog)>;
// Installs a script (empty: the real modal loop) and gives the previous one.
TDialogScript SetDialogScript(TDialogScript script);
