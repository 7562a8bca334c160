#pragma once
#include "factory/graph/SountoryKinds.h"

#include <string>

class TSountoryAlgInputOutput;
class TSountoryNode;
class TSountoryNodeBuiltin;
class TSountoryNodeUseFactory;
class TUnitSountory;

// The pin the input/output properties dialog edits: a factory input (2) or
// output (3), a node input (5) or output (6), with the same-named item of the
// other direction that a simple loop edits together with it.
struct TPinSubject {
    sntSountoryObject Kind = sntSountoryObjectInput;
    TSountoryAlgInputOutput* Pin = nullptr;
    TSountoryAlgInputOutput* Partner = nullptr;
};

// The caption of the dialog's form for the subject: "Input Properties",
// "Output (and Input) Properties", "Node Input Properties" and so on.
std::string PinDialogCaption(const TPinSubject& subject);

// The dialogs the factory window's commands open, each modal and made for one
// use; true when it ended with OK (the dialog has then applied its changes).
// The window fills it with the real dialogs; tests script it.
class TFactoryDialogs {
public:
    virtual ~TFactoryDialogs() = default;
    virtual bool FactoryProperties(TUnitSountory& factory) = 0;
    virtual bool BuiltinNodeProperties(TSountoryNodeBuiltin& node) = 0;
    // useIO comes in as the box's first state and goes out as its last.
    virtual bool UserNodeProperties(TSountoryNodeUseFactory& node, bool& useIO) = 0;
    virtual bool PinProperties(const TPinSubject& subject) = 0;
    virtual bool NodeValues(TSountoryNode& node, bool types) = 0;
    virtual bool OutputValues(TUnitSountory& factory, bool types) = 0;
    // The order dialog of the inputs (2) or outputs (3); it marks the factory itself.
    virtual void SequenceDialog(TUnitSountory& factory, sntSountoryObject listKind) = 0;
    // A new factory window for the node, of the create kind.
    virtual void NewFactoryForNode(int createKind, TSountoryNode& node) = 0;
};
