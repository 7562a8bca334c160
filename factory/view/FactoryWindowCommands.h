#pragma once
#include "factory/view/FactoryDialogs.h"
#include "factory/view/FactoryHit.h"
#include "factory/view/FactoryMenu.h"

#include <functional>
#include <string>

class TFactoryWindowModel;
class TSountoryNode;
class TUnitSountory;

// The commands of the factory window's context menu: each finds the item
// under the point that was clicked again and works on it, through the
// dialogs where it needs the user. Every edit marks the factory modified
// and asks for a repaint.
class TFactoryWindowCommands {
public:
    TFactoryWindowCommands(TFactoryWindowModel& model, TFactoryDialogs& dialogs);

    // Opening the menu: a drag or connection under way ends; the state for
    // the item under the click.
    TFactoryMenuState MenuOpening();
    void Run(TFactoryMenuItem item);

    // ---- the commands, on the item under the click ----
    void Properties();
    void MakeConnection();
    void DeleteConnections();
    void Values(bool types);
    // Node kind 1 built-in, 0 user, 2 mix loop, 3 simple loop, 4 formula wave.
    void AddNode(sntNodeKind kind);
    // Mode 0 an input, 1 an output, 2 an output and an input of the same name.
    void AddInputOutput(int mode);
    void AddInputOperand();
    void AddPairedOutput();
    void Sequence(sntSountoryObject listKind);
    void CreateFactoryForNode();
    void Delete();
    void HelpBuiltin();

    // The name for a new item: the base when it is free, else the base, a
    // blank and the first free number from 2.
    static std::string FreeName(const std::string& base, const std::function<bool(const std::string&)>& taken);

private:
    TFactoryHit ClickedItem() const;
    TUnitSountory& Factory() const;
    void Changed();
    // The pins of a factory-using node follow the open factory it names.
    static void FitPinsToFactory(TSountoryNodeUseFactory& node);

    TFactoryWindowModel& Model;
    TFactoryDialogs& Dialogs;
};

// The create kind of the new-factory command for a node that uses a factory;
// -1 for a built-in node.
int CreateKindForNode(const TSountoryNode& node);
