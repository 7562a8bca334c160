#include "factory/view/FactoryMenu.h"

#include "factory/document/UnitSountory.h"

#include <algorithm>

namespace {

using M = TFactoryMenuItem;

constexpr TFactoryMenuLine Layout[] = {
    {M::Properties, "pmuProperties", "&Properties..."},
    {M::Count, nullptr, nullptr},
    {M::ConnMake, "pmuConnMake", "Make &Connection"},
    {M::ConnDel, "pmuConnDel", "De&lete Connection(s)"},
    {M::SetInputTypes, "pmuSetInputTypes", "Set Input &Types..."},
    {M::SetInputValues, "pmuSetInputValues", "Set Input &Values..."},
    {M::SetOutputTypes, "pmuSetOutputTypes", "Set Output &Types..."},
    {M::SetOutputValues, "pmuSetOutputValues", "Set Output &Values..."},
    {M::Count, nullptr, nullptr},
    {M::AddBuiltinNode, "pmuAddBuiltinNode", "Add &Builtin Node..."},
    {M::AddUserNode, "pmuAddUserNode", "Add &User Node..."},
    {M::AddSimpleLoopNode, "pmuAddSimpleLoopNode", "Add &Simple Loop Node"},
    {M::AddMixLoopNode, "pmuAddMixLoopNode", "Add Mix &Loop Node..."},
    {M::AddFormulaWaveNode, "pmuAddFormulaWaveNode", "Add &Formula Wave Node"},
    {M::Count, nullptr, nullptr},
    {M::AddInput, "pmuAddInput", "Add &Input..."},
    {M::AddOutput, "pmuAddOutput", "Add &Output..."},
    {M::AddOutputInput, "pmuAddOutputInput", "Add &Output and Input..."},
    {M::AddInputOperand, "pmuAddInputOperand", "Add &Input Operand"},
    {M::AddPairedOutput, "pmuAddPairedOutput", "Add P&aired Output"},
    {M::Count, nullptr, nullptr},
    {M::SequenceInputs, "pmuSequenceInputs", "&Sequence Inputs..."},
    {M::SequenceOutputs, "pmuSequenceOutputs", "Se&quence Output..."},
    {M::Count, nullptr, nullptr},
    {M::CreateFactoryForNode, "pmuCreateFactoryForNode", "Create &Factory for Node"},
    {M::Count, "pmuAddLine", nullptr},
    {M::Delete, "pmuDelete", "&Delete"},
    {M::Count, nullptr, nullptr},
    {M::HelpBuiltin, "pmuHelpBuiltin", "&Help Builtin"},
};

constexpr TFactoryMenuItemState Hidden{false, false};
constexpr TFactoryMenuItemState On{true, true};

TFactoryMenuItemState ShownWhen(bool enabled)
{
    return {true, enabled};
}

// Counts of a source: the targets of its class it does not feed and those it feeds.
void SourceCounts(const TSountoryInputSource& source, const TSountoryAlgInputOutput& pin, const TSountoryNode* skip,
                  int& notFed, int& fed)
{
    source.CountTargets(notFed, fed, pin.ValueDomType, skip);
}

} // namespace

std::span<const TFactoryMenuLine> FactoryMenuLayout()
{
    return Layout;
}

bool TFactoryMenuState::AnyVisible() const
{
    return std::any_of(Items.begin(), Items.end(), [](const TFactoryMenuItemState& s) { return s.Visible; });
}

bool PlaceNewNodeRect(const TUnitSountory& factory, TCanvasPoint point, TCanvasRect& rect)
{
    const TCanvasPoint p = factory.WindowToFramePoint(point);
    rect = {p.X - 17, p.Y - 11, p.X + 18, p.Y + 12};
    return factory.FindFreePlace(rect, TUnitSountory::PushNone, TUnitSountory::PushNone, p);
}

void GrowNodeRect(const TUnitSountory& factory, int32_t wantedWidth, int32_t wantedHeight, TCanvasRect& rect)
{
    int32_t w = 40;
    int32_t h = 30;
    while (w < wantedWidth || h < wantedHeight) {
        factory.HeightenNewNodeRect(h, rect);
        factory.WidenNewNodeRect(w, rect);
        w = std::min(w + 10, wantedWidth);
        h = std::min(h + 10, wantedHeight);
    }
}

TFactoryMenuState FactoryMenuState(const TUnitSountory& factory, const TFactoryHit& hit, TCanvasPoint point)
{
    TFactoryMenuState s;
    if (!hit.Found()) {
        s.ConnDelCaption = "Delete Connections";
        return s;
    }
    s[M::Properties] = On;
    s[M::Delete] = On;
    int connections = 0;
    bool connectedTarget = false;

    if (hit.Frame()) {
        TCanvasRect rect;
        const bool freePlace = PlaceNewNodeRect(factory, point, rect);
        s[M::SetOutputTypes] = ShownWhen(factory.CountGenericOutputs() > 0);
        s[M::SetOutputValues] = ShownWhen(factory.CountOutputs() > 0);
        for (M add : {M::AddBuiltinNode, M::AddUserNode, M::AddSimpleLoopNode, M::AddMixLoopNode,
                      M::AddFormulaWaveNode})
            s[add] = ShownWhen(freePlace);
        s[M::AddInput] = On;
        const bool simpleLoop = factory.FactoryKind == FactoryLoopSimple;
        s[M::AddOutput] = simpleLoop ? Hidden : ShownWhen(factory.FactoryKind == FactoryFree);
        s[M::AddOutputInput] = simpleLoop ? On : Hidden;
        s[M::SequenceInputs] = ShownWhen(factory.CountInputs() > 0);
        s[M::SequenceOutputs] = ShownWhen(factory.CountOutputs() > 0);
        s[M::Delete] = ShownWhen(false);
    } else if (TSountoryInput* input = hit.Input()) {
        int notFed = 0;
        SourceCounts(*input, *input, nullptr, notFed, connections);
        s[M::ConnMake] = ShownWhen(notFed > 0);
        s[M::ConnDel] = ShownWhen(connections > 0);
        TSountoryOutput* partner = nullptr;
        if (factory.FactoryKind == FactoryLoopSimple && !factory.FindOutputNamedAsInput(*input, partner) &&
            !input->Fixed)
            s[M::AddPairedOutput] = On;
        s[M::Delete] = ShownWhen(!input->Fixed);
    } else if (TSountoryOutput* output = hit.Output()) {
        int candidates = 0;
        output->CountSources(candidates, connections, output->ValueDomType, nullptr);
        connectedTarget = connections > 0;
        s[M::ConnMake] = ShownWhen(candidates > 0);
        s[M::ConnDel] = ShownWhen(connections > 0);
        s[M::Delete] = ShownWhen(!output->Fixed);
    } else if (TSountoryNode* node = hit.Node()) {
        const sntNodeKind kind = node->GetSntNodeKind();
        const bool builtin = kind == sntNodeBuiltin;
        connections = node->CountConnections();
        s[M::ConnDel] = ShownWhen(connections > 0);
        s[M::SetInputTypes] = ShownWhen(node->CountGenericInputs() > 0);
        s[M::SetInputValues] = ShownWhen(node->CountInputs() > 0);
        s[M::AddInput] = builtin ? Hidden : On;
        if (builtin || kind == sntNodeSimpleLoop)
            s[M::AddOutput] = Hidden;
        else
            s[M::AddOutput] = ShownWhen(kind == sntNodeUser);
        s[M::AddOutputInput] = kind == sntNodeSimpleLoop ? On : Hidden;
        s[M::AddInputOperand] = builtin ? ShownWhen(node->HasVariableOperands()) : Hidden;
        // A built-in node runs no factory: there is none to create for it.
        s[M::CreateFactoryForNode] = ShownWhen(!builtin);
        s[M::HelpBuiltin] = builtin ? On : Hidden;
    } else if (TSountoryNodeInput* pin = hit.NodeInput()) {
        TSountoryNode* node = pin->GetSountoryNode();
        int candidates = 0;
        pin->CountSources(candidates, connections, pin->ValueDomType, node);
        connectedTarget = connections > 0;
        s[M::ConnMake] = ShownWhen(candidates > 0);
        s[M::ConnDel] = ShownWhen(connections > 0);
        TSountoryNodeOutput* partner = nullptr;
        if (node->GetSntNodeKind() == sntNodeSimpleLoop && !node->FindNodeOutputLike(*pin, partner) && !pin->Fixed)
            s[M::AddPairedOutput] = On;
        const bool operand = pin->Name.rfind("Operand ", 0) == 0;
        s[M::Delete] = ShownWhen(!pin->Fixed || (operand && node->CanDeleteOperand()));
    } else if (TSountoryNodeOutput* pin = hit.NodeOutput()) {
        int notFed = 0;
        SourceCounts(*pin, *pin, pin->GetSountoryNode(), notFed, connections);
        s[M::ConnMake] = ShownWhen(notFed > 0);
        s[M::ConnDel] = ShownWhen(connections > 0);
        s[M::Delete] = ShownWhen(!pin->Fixed);
    }

    s.ConnDelCaption = connections == 1 ? "Delete Connection" : "Delete Connections";
    s.ConnMakeCaption = connectedTarget ? "Replace &Connection" : "Add &Connection";
    return s;
}
