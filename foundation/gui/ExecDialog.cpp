#include "foundation/gui/ExecDialog.h"

#include <QDialog>

#include <utility>

namespace {
TDialogScript& Script()
{
    static TDialogScript script;
    return script;
}
} // namespace

int ExecDialog(QDialog& dialog)
{
    if (Script()) {
        // The dialog is shown as the modal loop would show it, then the script acts.
        dialog.show();
        const int result = Script()(dialog);
        dialog.hide();
        return result;
    }
    return dialog.exec();
}

TDialogScript SetDialogScript(TDialogScript script)
{
    return std::exchange(Script(), std::move(script));
}
