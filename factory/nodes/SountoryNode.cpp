#include "factory/nodes/SountoryNode.h"

#include "factory/document/FactoryWindowAccess.h"
#include "factory/document/UnitSountory.h"
#include "factory/graph/FindNamed.h"
#include "platform/Assertions.h"

#include <algorithm>

TSountoryNode::TSountoryNode(std::string name, TUnitSountory& owner, const TCanvasRect& rect)
    : Name(std::move(name)), Owner(&owner), Rectangle(rect, &owner.GetRectanglePool())
{
}

TSountoryNode::~TSountoryNode()
{
    DeleteAllPins();
}

bool TSountoryNode::PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart& part)
{
    const TCanvasPoint framePoint = Owner->WindowToFramePoint(point);
    if (!Rectangle.PointInRectangle(framePoint, distance, part))
        return false;
    // Inside a node nothing lies nearer than the node itself but its pins.
    if (part == sntTouchInside)
        distance = 0.0;
    return true;
}

void TSountoryNode::Redraw()
{
    if (TFactoryWindowAccess* window = Owner->GetWindow())
        window->RedrawNode(*this);
}

void TSountoryNode::Draw(TCanvas& canvas, const TCanvasRect& frame) const
{
    const TCanvasRect rect{Rectangle.Left + frame.Left, Rectangle.Top + frame.Top, Rectangle.Right + frame.Left,
                           Rectangle.Bottom + frame.Top};
    DrawNodeBody(canvas, rect);
    for (const auto& pin : InputPins)
        pin->Draw(canvas, rect);
    for (const auto& pin : OutputPins)
        pin->Draw(canvas, rect);
}

TCanvasRect TSountoryNode::GetWindowRect() const
{
    const TCanvasRect frame = Owner->GetFrameRect();
    return {Rectangle.Left + frame.Left, Rectangle.Top + frame.Top, Rectangle.Right + frame.Left,
            Rectangle.Bottom + frame.Top};
}

TCanvasColor TSountoryNode::NodeStateColor() const
{
    switch (RunState) {
    case sntRunIdle: return 0xF0E0C0;
    case sntRunRunning: return 0x90F0FF;
    case sntRunDone: return 0xC0FFC0;
    case sntRunFailed: return 0x9090FF;
    default: return 0xB0B0B0;
    }
}

TSountoryNodeInput& TSountoryNode::AddInput(std::string name, double height, uint8_t fixed, ValueDomType kind,
                                            ValueDomain domain)
{
    InputPins.push_back(std::make_unique<TSountoryNodeInput>(std::move(name), this, height, fixed, kind, domain));
    return *InputPins.back();
}

TSountoryNodeOutput& TSountoryNode::AddOutput(std::string name, double height, uint8_t fixed, ValueDomType kind,
                                              ValueDomain domain)
{
    OutputPins.push_back(std::make_unique<TSountoryNodeOutput>(std::move(name), this, height, fixed, kind, domain));
    return *OutputPins.back();
}

namespace {

template <class Pin>
std::unique_ptr<Pin> TakeOut(std::vector<std::unique_ptr<Pin>>& list, const Pin* pin)
{
    auto it = std::find_if(list.begin(), list.end(), [pin](const auto& p) { return p.get() == pin; });
    QB_ASSERT(it != list.end());
    std::unique_ptr<Pin> taken = std::move(*it);
    list.erase(it);
    return taken;
}

} // namespace

std::unique_ptr<TSountoryNodeInput> TSountoryNode::RemoveInput(const TSountoryNodeInput* pin)
{
    return TakeOut(InputPins, pin);
}

std::unique_ptr<TSountoryNodeOutput> TSountoryNode::RemoveOutput(const TSountoryNodeOutput* pin)
{
    return TakeOut(OutputPins, pin);
}

void TSountoryNode::DeleteAllPins()
{
    // Head first, each pin out of the list before it goes.
    while (!InputPins.empty())
        RemoveInput(InputPins.front().get());
    while (!OutputPins.empty())
        RemoveOutput(OutputPins.front().get());
}

TSountoryNodeInput* TSountoryNode::FindNodeInput(const std::string& name, const TSountoryNodeInput* skip) const
{
    return FindNamed(InputPins, name, skip);
}

TSountoryNodeOutput* TSountoryNode::FindNodeOutput(const std::string& name, const TSountoryNodeOutput* skip) const
{
    return FindNamed(OutputPins, name, skip);
}

bool TSountoryNode::FindNodeInputLike(const TSountoryAlgInputOutput& item, TSountoryNodeInput*& pin) const
{
    pin = FindNodeInput(item.Name, nullptr);
    return pin != nullptr;
}

bool TSountoryNode::FindNodeOutputLike(const TSountoryAlgInputOutput& item, TSountoryNodeOutput*& pin) const
{
    pin = FindNodeOutput(item.Name, nullptr);
    return pin != nullptr;
}

int TSountoryNode::CountGenericInputs() const
{
    return static_cast<int>(
        std::count_if(InputPins.begin(), InputPins.end(), [](const auto& pin) { return pin->IsGenericType(); }));
}

int TSountoryNode::CountConnections() const
{
    int count = 0;
    for (const auto& pin : InputPins)
        if (pin->GetSountoryInputSource())
            ++count;
    for (const auto& pin : OutputPins) {
        for (ValueDomType kind : {ValueDomType::Wave, ValueDomType::Factor}) {
            int others = 0;
            int fed = 0;
            pin->CountTargets(others, fed, kind, this);
            count += fed;
        }
    }
    return count;
}

void TSountoryNode::ForgetSource(const TSountoryInputSource* source)
{
    for (const auto& pin : InputPins)
        if (pin->GetSountoryInputSource() == source)
            pin->SetSountoryInputSource(nullptr);
}

void TSountoryNode::DisconnectSource(const TSountoryInputSource* source)
{
    for (const auto& pin : InputPins)
        if (pin->GetSountoryInputSource() == source)
            pin->Disconnect();
}

void TSountoryNode::DisconnectAll()
{
    for (const auto& pin : InputPins)
        pin->Disconnect();
    for (const auto& pin : OutputPins)
        pin->DisconnectTargets();
}

void TSountoryNode::AddSourceNames(TConnectList& list, ValueDomType kind) const
{
    for (const auto& pin : OutputPins)
        if (SameWaveClass(pin->ValueDomType, kind))
            list.Entries.push_back({Name + "." + pin->Name + " <Node Output>", pin.get(), nullptr, false});
}

void TSountoryNode::AddTargetNames(TConnectList& list, ValueDomType kind) const
{
    for (const auto& pin : InputPins)
        if (SameWaveClass(pin->ValueDomType, kind))
            list.Entries.push_back({Name + "." + pin->Name + " <Node Input>", nullptr, pin.get(), false});
}

int TSountoryNode::SelectTargetsOf(TConnectList& list, const TSountoryInputSource* source) const
{
    return list.SelectTargetsFedBy(InputPins, source);
}

void TSountoryNode::ApplyTargetSelection(const TConnectList& list, TSountoryInputSource* source)
{
    for (const auto& pin : InputPins) {
        const int index = list.IndexOf(static_cast<const TSountoryOutputTarget*>(pin.get()));
        const bool selected = index > 0 && list.Entries[static_cast<size_t>(index)].Selected;
        if (pin->GetSountoryInputSource() == source) {
            if (!selected)
                pin->SetSountoryInputSource(nullptr);
        } else if (selected) {
            pin->MakeConnection(source);
        }
    }
}

void TSountoryNode::CountInputTargets(int& others, int& connected, const TSountoryInputSource* source,
                                      ValueDomType kind) const
{
    for (const auto& pin : InputPins) {
        if (!SameWaveClass(pin->ValueDomType, kind))
            continue;
        if (pin->GetSountoryInputSource() == source)
            ++connected;
        else
            ++others;
    }
}

void TSountoryNode::CountOutputSources(int& count, const TSountoryInputSource* source, ValueDomType kind) const
{
    for (const auto& pin : OutputPins)
        if (SameWaveClass(pin->ValueDomType, kind) && pin.get() != source)
            ++count;
}
