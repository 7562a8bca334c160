#include "factory/gui/FactoryValuesAskerQt.h"

#include "factory/gui/DlgSntValues.h"
#include "foundation/gui/ExecDialog.h"

#include <QApplication>

bool TFactoryValuesAskerQt::AskTypes(const std::vector<TSountoryInput*>& inputs, TUnitSountory& factory)
{
    return Ask(inputs, factory, true);
}

bool TFactoryValuesAskerQt::AskValues(const std::vector<TSountoryInput*>& inputs, TUnitSountory& factory)
{
    return Ask(inputs, factory, false);
}

bool TFactoryValuesAskerQt::Ask(const std::vector<TSountoryInput*>& inputs, TUnitSountory& factory, bool types)
{
    TDlgSntValues dialog(Owner, std::make_unique<TValuesForm>(factory, inputs, types));
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = ExecDialog(dialog);
    QApplication::restoreOverrideCursor();
    return result == QDialog::Accepted;
}
