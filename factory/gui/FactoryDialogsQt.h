#pragma once
#include "factory/view/FactoryDialogs.h"

class TMDIChildFact;
class MainFormGuiAccess;

// The factory window's dialogs: each made for one use with the window as
// owner, run modally and freed when it closes.
class TFactoryDialogsQt : public TFactoryDialogs {
public:
    TFactoryDialogsQt(TMDIChildFact& window, MainFormGuiAccess& mainForm) : Window(window), Main(mainForm) {}

    bool FactoryProperties(TUnitSountory& factory) override;
    bool BuiltinNodeProperties(TSountoryNodeBuiltin& node) override;
    bool UserNodeProperties(TSountoryNodeUseFactory& node, bool& useIO) override;
    bool PinProperties(const TPinSubject& subject) override;
    bool NodeValues(TSountoryNode& node, bool types) override;
    bool OutputValues(TUnitSountory& factory, bool types) override;
    void SequenceDialog(TUnitSountory& factory, sntSountoryObject listKind) override;
    void NewFactoryForNode(int createKind, TSountoryNode& node) override;

private:
    TMDIChildFact& Window;
    MainFormGuiAccess& Main;
};
