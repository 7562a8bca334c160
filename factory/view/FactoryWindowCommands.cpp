#include "factory/view/FactoryWindowCommands.h"

#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "factory/nodes/SountoryNodeFormulaWave.h"
#include "factory/nodes/SountoryNodeMixLoop.h"
#include "factory/nodes/SountoryNodeSimpleLoop.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "factory/view/FactoryWindowModel.h"
#include "platform/Assertions.h"
#include "platform/HelpService.h"
#include "wave/MainFormAccess.h"

#include <algorithm>
#include <memory>

namespace {

// A new node of a kind that uses a factory: its name and class.
struct TNewUseNode {
    sntNodeKind Kind;
    const char* Name;
    int CreateKind;
};

constexpr TNewUseNode NewUseNodes[] = {
    {sntNodeUser, "User Node ", 5},
    {sntNodeMixLoop, "Mix Loop Node ", 7},
    {sntNodeSimpleLoop, "Simple Loop Node ", 9},
    {sntNodeFormulaWave, "Wave Formula Node ", 11},
};

const TNewUseNode* NewUseNodeOf(sntNodeKind kind)
{
    for (const TNewUseNode& row : NewUseNodes)
        if (row.Kind == kind)
            return &row;
    return nullptr;
}

std::unique_ptr<TSountoryNode> MakeNode(sntNodeKind kind, TUnitSountory& factory, const TCanvasRect& rect)
{
    switch (kind) {
    case sntNodeBuiltin: return std::make_unique<TSountoryNodeBuiltin>("Builtin", 0, factory, rect, true);
    case sntNodeUser: return std::make_unique<TSountoryNodeUser>(NewUseNodeOf(kind)->Name, "Factory", factory, rect);
    case sntNodeMixLoop:
        return std::make_unique<TSountoryNodeMixLoop>(NewUseNodeOf(kind)->Name, "Factory", factory, rect, true);
    case sntNodeSimpleLoop:
        return std::make_unique<TSountoryNodeSimpleLoop>(NewUseNodeOf(kind)->Name, "Factory", factory, rect, true);
    case sntNodeFormulaWave:
        return std::make_unique<TSountoryNodeFormulaWave>(NewUseNodeOf(kind)->Name, "Factory", factory, rect, true);
    }
    return nullptr;
}

bool IsOperand(const TSountoryNodeInput& pin)
{
    return pin.Name.rfind("Operand ", 0) == 0;
}

} // namespace

int CreateKindForNode(const TSountoryNode& node)
{
    const TNewUseNode* row = NewUseNodeOf(node.GetSntNodeKind());
    return row ? row->CreateKind : -1;
}

TFactoryWindowCommands::TFactoryWindowCommands(TFactoryWindowModel& model, TFactoryDialogs& dialogs)
    : Model(model), Dialogs(dialogs)
{
}

TUnitSountory& TFactoryWindowCommands::Factory() const
{
    return Model.Factory();
}

TFactoryHit TFactoryWindowCommands::ClickedItem() const
{
    return HitFactory(Factory(), Model.GetDragPoint(), false);
}

void TFactoryWindowCommands::Changed()
{
    Factory().SetModified();
    Model.Repaint();
}

std::string TFactoryWindowCommands::FreeName(const std::string& base,
                                             const std::function<bool(const std::string&)>& taken)
{
    if (!taken(base))
        return base;
    for (int n = 2;; ++n) {
        const std::string name = base + " " + std::to_string(n);
        if (!taken(name))
            return name;
    }
}

TFactoryMenuState TFactoryWindowCommands::MenuOpening()
{
    Model.EndDrag();
    Model.EndConnect();
    return FactoryMenuState(Factory(), ClickedItem(), Model.GetDragPoint());
}

void TFactoryWindowCommands::Run(TFactoryMenuItem item)
{
    using M = TFactoryMenuItem;
    switch (item) {
    case M::Properties: Properties(); break;
    case M::ConnMake: MakeConnection(); break;
    case M::ConnDel: DeleteConnections(); break;
    case M::SetInputTypes:
    case M::SetOutputTypes: Values(true); break;
    case M::SetInputValues:
    case M::SetOutputValues: Values(false); break;
    case M::AddBuiltinNode: AddNode(sntNodeBuiltin); break;
    case M::AddUserNode: AddNode(sntNodeUser); break;
    case M::AddSimpleLoopNode: AddNode(sntNodeSimpleLoop); break;
    case M::AddMixLoopNode: AddNode(sntNodeMixLoop); break;
    case M::AddFormulaWaveNode: AddNode(sntNodeFormulaWave); break;
    case M::AddInput: AddInputOutput(0); break;
    case M::AddOutput: AddInputOutput(1); break;
    case M::AddOutputInput: AddInputOutput(2); break;
    case M::AddInputOperand: AddInputOperand(); break;
    case M::AddPairedOutput: AddPairedOutput(); break;
    case M::SequenceInputs: Sequence(sntSountoryObjectInput); break;
    case M::SequenceOutputs: Sequence(sntSountoryObjectOutput); break;
    case M::CreateFactoryForNode: CreateFactoryForNode(); break;
    case M::Delete: Delete(); break;
    case M::HelpBuiltin: HelpBuiltin(); break;
    case M::Count: break;
    }
}

void TFactoryWindowCommands::FitPinsToFactory(TSountoryNodeUseFactory& node)
{
    if (TUnitSountory* used = MainForm().FindUnitSountory(node.GetDisplayName()))
        node.UpdatePins(*used);
}

void TFactoryWindowCommands::Properties()
{
    const TFactoryHit hit = ClickedItem();
    TUnitSountory& factory = Factory();
    bool ok = false;
    if (hit.Frame()) {
        ok = Dialogs.FactoryProperties(factory);
    } else if (TSountoryInput* input = hit.Input()) {
        TSountoryOutput* partner = nullptr;
        if (factory.FactoryKind != FactoryLoopSimple || !factory.FindOutputNamedAsInput(*input, partner))
            partner = nullptr;
        ok = Dialogs.PinProperties({sntSountoryObjectInput, input, partner});
    } else if (TSountoryOutput* output = hit.Output()) {
        TSountoryInput* partner = nullptr;
        if (factory.FactoryKind != FactoryLoopSimple || !factory.FindInputNamedAsOutput(*output, partner))
            partner = nullptr;
        ok = Dialogs.PinProperties({sntSountoryObjectOutput, output, partner});
    } else if (TSountoryNodeInput* pin = hit.NodeInput()) {
        TSountoryNodeOutput* partner = nullptr;
        TSountoryNode* node = pin->GetSountoryNode();
        if (node->GetSntNodeKind() != sntNodeSimpleLoop || !node->FindNodeOutputLike(*pin, partner))
            partner = nullptr;
        ok = Dialogs.PinProperties({sntSountoryObjectNodeInput, pin, partner});
    } else if (TSountoryNodeOutput* pin = hit.NodeOutput()) {
        TSountoryNodeInput* partner = nullptr;
        TSountoryNode* node = pin->GetSountoryNode();
        if (node->GetSntNodeKind() != sntNodeSimpleLoop || !node->FindNodeInputLike(*pin, partner))
            partner = nullptr;
        ok = Dialogs.PinProperties({sntSountoryObjectNodeOutput, pin, partner});
    } else if (TSountoryNode* node = hit.Node()) {
        if (auto* builtin = dynamic_cast<TSountoryNodeBuiltin*>(node)) {
            ok = Dialogs.BuiltinNodeProperties(*builtin);
        } else if (auto* user = dynamic_cast<TSountoryNodeUseFactory*>(node)) {
            bool useIO = false;
            ok = Dialogs.UserNodeProperties(*user, useIO);
            if (ok && useIO)
                FitPinsToFactory(*user);
        }
    }
    if (ok)
        Changed();
    Model.Repaint();
}

void TFactoryWindowCommands::MakeConnection()
{
    Model.StartConnect();
}

void TFactoryWindowCommands::DeleteConnections()
{
    const TFactoryHit hit = ClickedItem();
    if (TSountoryInput* input = hit.Input())
        input->DisconnectTargets();
    else if (TSountoryOutput* output = hit.Output())
        output->Disconnect();
    else if (TSountoryNode* node = hit.Node())
        node->DisconnectAll();
    else if (TSountoryNodeInput* pin = hit.NodeInput())
        pin->Disconnect();
    else if (TSountoryNodeOutput* pin = hit.NodeOutput())
        pin->DisconnectTargets();
    else
        return;
    Changed();
}

void TFactoryWindowCommands::Values(bool types)
{
    const TFactoryHit hit = ClickedItem();
    bool ok = false;
    if (TSountoryNode* node = hit.Node())
        ok = Dialogs.NodeValues(*node, types);
    else if (hit.Frame())
        ok = Dialogs.OutputValues(Factory(), types);
    if (ok)
        Changed();
}

void TFactoryWindowCommands::AddNode(sntNodeKind kind)
{
    const TFactoryHit hit = ClickedItem();
    TUnitSountory& factory = Factory();
    if (!QB_CHECK(hit.Frame() == &factory))
        return;
    TCanvasRect rect;
    if (!PlaceNewNodeRect(factory, Model.GetDragPoint(), rect))
        return;
    GrowNodeRect(factory, 120, 105, rect);
    const TCanvasRect placed = rect;
    TSountoryNode& node = factory.InsertNode(MakeNode(kind, factory, rect));
    Model.Repaint();

    bool ok = false;
    if (auto* builtin = dynamic_cast<TSountoryNodeBuiltin*>(&node)) {
        ok = Dialogs.BuiltinNodeProperties(*builtin);
    } else if (auto* user = dynamic_cast<TSountoryNodeUseFactory*>(&node)) {
        bool useIO = true;
        ok = Dialogs.UserNodeProperties(*user, useIO);
        if (ok && useIO)
            FitPinsToFactory(*user);
    }
    if (!ok) {
        factory.DeleteNode(&node);
        Model.Repaint();
        return;
    }
    // The size follows the pins, grown again from the place first found.
    node.GetRectangle().Set(placed);
    TCanvasRect grown = placed;
    GrowNodeRect(factory, 170, std::max(68, 25 * std::max(node.CountInputs(), node.CountOutputs())), grown);
    node.GetRectangle().Set(grown);
    Changed();
}

void TFactoryWindowCommands::AddInputOutput(int mode)
{
    const TFactoryHit hit = ClickedItem();
    TUnitSountory& factory = Factory();
    const TCanvasPoint point = Model.GetDragPoint();
    static const char* const Bases[] = {"Input", "Output", "Input and Output"};
    const std::string base = Bases[std::clamp(mode, 0, 2)];
    const bool wantInput = mode == 0 || mode == 2;
    const bool wantOutput = mode == 1 || mode == 2;

    TSountoryInput* input = nullptr;
    TSountoryOutput* output = nullptr;
    TSountoryNodeInput* pinIn = nullptr;
    TSountoryNodeOutput* pinOut = nullptr;
    TPinSubject subject;
    if (hit.Frame()) {
        const TCanvasRect frame = factory.GetFrameRect();
        const double height = PinHeightAt(frame.Top, frame.Bottom, point.Y);
        const std::string name = FreeName(base, [&](const std::string& n) {
            return (wantInput && factory.FindInput(n, nullptr)) || (wantOutput && factory.FindOutput(n, nullptr));
        });
        if (wantInput)
            input = &factory.CreateInput(name, height, 0, ValueDomType::Wave, ValueDomain::AllValues, "", -1);
        if (wantOutput)
            output = &factory.CreateOutput(name, height, 0, ValueDomType::Wave, ValueDomain::AllValues, "", -1);
        subject = output ? TPinSubject{sntSountoryObjectOutput, output, input}
                         : TPinSubject{sntSountoryObjectInput, input, nullptr};
    } else if (TSountoryNode* node = hit.Node()) {
        const TCanvasRect rect = node->GetWindowRect();
        const double height = PinHeightAt(rect.Top, rect.Bottom, point.Y);
        const std::string name = FreeName(base, [&](const std::string& n) {
            return (wantInput && node->FindNodeInput(n, nullptr)) || (wantOutput && node->FindNodeOutput(n, nullptr));
        });
        if (wantInput)
            pinIn = &node->AddInput(name, height, 0, ValueDomType::Wave, ValueDomain::AllValues);
        if (wantOutput)
            pinOut = &node->AddOutput(name, height, 0, ValueDomType::Wave, ValueDomain::AllValues);
        subject = pinOut ? TPinSubject{sntSountoryObjectNodeOutput, pinOut, pinIn}
                         : TPinSubject{sntSountoryObjectNodeInput, pinIn, nullptr};
    } else {
        Model.Repaint();
        return;
    }
    Model.Repaint();
    if (Dialogs.PinProperties(subject)) {
        Changed();
        return;
    }
    if (input)
        factory.DeleteInput(input);
    if (output)
        factory.DeleteOutput(output);
    if (pinIn)
        pinIn->GetSountoryNode()->RemoveInput(pinIn);
    if (pinOut)
        pinOut->GetSountoryNode()->RemoveOutput(pinOut);
    Model.Repaint();
}

void TFactoryWindowCommands::AddInputOperand()
{
    TSountoryNode* node = ClickedItem().Node();
    if (!node || !node->HasVariableOperands())
        return;
    node->AddOperandInput();
    Changed();
}

void TFactoryWindowCommands::AddPairedOutput()
{
    const TFactoryHit hit = ClickedItem();
    if (TSountoryInput* input = hit.Input()) {
        Factory().CreateOutput(input->Name, input->GetHeight(), 0, input->ValueDomType, input->ValueDomain,
                               input->Description, -1);
    } else if (TSountoryNodeInput* pin = hit.NodeInput()) {
        pin->GetSountoryNode()->AddOutput(pin->Name, pin->GetHeight(), 0, pin->ValueDomType, pin->ValueDomain);
    } else {
        return;
    }
    Changed();
}

void TFactoryWindowCommands::Sequence(sntSountoryObject listKind)
{
    if (!ClickedItem().Frame())
        return;
    Dialogs.SequenceDialog(Factory(), listKind);
}

void TFactoryWindowCommands::CreateFactoryForNode()
{
    TSountoryNode* node = ClickedItem().Node();
    if (!node)
        return;
    const int kind = CreateKindForNode(*node);
    if (kind >= 0)
        Dialogs.NewFactoryForNode(kind, *node);
}

void TFactoryWindowCommands::Delete()
{
    const TFactoryHit hit = ClickedItem();
    TUnitSountory& factory = Factory();
    if (TSountoryInput* input = hit.Input()) {
        if (input->Fixed)
            return;
        TSountoryOutput* partner = nullptr;
        if (factory.FactoryKind == FactoryLoopSimple && factory.FindOutputNamedAsInput(*input, partner) &&
            !partner->Fixed)
            factory.DeleteOutput(partner);
        factory.DeleteInput(input);
    } else if (TSountoryOutput* output = hit.Output()) {
        if (output->Fixed)
            return;
        factory.DeleteOutput(output);
    } else if (TSountoryNode* node = hit.Node()) {
        factory.DeleteNode(node);
    } else if (TSountoryNodeInput* pin = hit.NodeInput()) {
        TSountoryNode* owner = pin->GetSountoryNode();
        const bool operand = owner->CanDeleteOperand() && IsOperand(*pin);
        if (pin->Fixed && !operand)
            return;
        TSountoryNodeOutput* partner = nullptr;
        if (owner->GetSntNodeKind() == sntNodeSimpleLoop && owner->FindNodeOutputLike(*pin, partner) &&
            !partner->Fixed)
            owner->RemoveOutput(partner);
        owner->RemoveInput(pin);
        if (operand)
            owner->RenumberOperands();
    } else if (TSountoryNodeOutput* pin = hit.NodeOutput()) {
        if (pin->Fixed)
            return;
        pin->GetSountoryNode()->RemoveOutput(pin);
    } else {
        return;
    }
    Changed();
}

void TFactoryWindowCommands::HelpBuiltin()
{
    auto* node = dynamic_cast<TSountoryNodeBuiltin*>(ClickedItem().Node());
    if (node && node->GetFunction())
        Help().ShowContext(1024 + node->BuiltinAction);
}
