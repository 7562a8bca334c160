#include "factory/gui/FactoryDialogsQt.h"

#include "factory/gui/DlgSntBuiltinNodeProps.h"
#include "factory/gui/DlgSntIOSequence.h"
#include "factory/gui/DlgSntInputOutputProps.h"
#include "factory/gui/DlgSntSountoryProps.h"
#include "factory/gui/DlgSntUserNodeProps.h"
#include "factory/gui/DlgSntValues.h"
#include "factory/gui/MDIChildFact.h"
#include "foundation/gui/ExecDialog.h"
#include "wave/window/gui/MainFormGuiAccess.h"

bool TFactoryDialogsQt::FactoryProperties(TUnitSountory& factory)
{
    TDlgSntSountoryProps dialog(&Window, factory);
    return ExecDialog(dialog) == QDialog::Accepted;
}

bool TFactoryDialogsQt::BuiltinNodeProperties(TSountoryNodeBuiltin& node)
{
    TDlgSntBuiltinNodeProps dialog(&Window, node);
    return ExecDialog(dialog) == QDialog::Accepted;
}

bool TFactoryDialogsQt::UserNodeProperties(TSountoryNodeUseFactory& node, bool& useIO)
{
    TDlgSntUserNodeProps dialog(&Window, node, useIO);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return false;
    useIO = dialog.GetUseIO();
    return true;
}

bool TFactoryDialogsQt::PinProperties(const TPinSubject& subject)
{
    TDlgSntInputOutputProps dialog(&Window, subject);
    return ExecDialog(dialog) == QDialog::Accepted;
}

bool TFactoryDialogsQt::NodeValues(TSountoryNode& node, bool types)
{
    TDlgSntValues dialog(&Window, std::make_unique<TValuesForm>(node, types));
    return ExecDialog(dialog) == QDialog::Accepted;
}

bool TFactoryDialogsQt::OutputValues(TUnitSountory& factory, bool types)
{
    TDlgSntValues dialog(&Window, std::make_unique<TValuesForm>(factory, types));
    return ExecDialog(dialog) == QDialog::Accepted;
}

void TFactoryDialogsQt::SequenceDialog(TUnitSountory& factory, sntSountoryObject listKind)
{
    TDlgSntIOSequence dialog(&Window, listKind, factory);
    ExecDialog(dialog);
}

void TFactoryDialogsQt::NewFactoryForNode(int createKind, TSountoryNode& node)
{
    Main.NewFactoryForNode(createKind, node);
}
