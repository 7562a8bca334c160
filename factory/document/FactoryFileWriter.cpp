#include "factory/document/FactoryFile.h"

#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "factory/nodes/SountoryNodeUseFactory.h"
#include "foundation/QuotedText.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "platform/Assertions.h"

#include <charconv>
#include <set>

namespace {

void AddText(TXMLComplexElement& parent, const char* name, const std::string& text)
{
    parent.AddItem(std::make_unique<TXMLStringElement>(name, text));
}

void AddEmpty(TXMLComplexElement& parent, const char* name)
{
    parent.AddItem(std::make_unique<TXMLComplexElement>(name));
}

void AddRectangle(TXMLComplexElement& parent, const TCanvasRect& rect)
{
    auto element = std::make_unique<TXMLComplexElement>("Rectangle");
    AddText(*element, "Left", std::to_string(rect.Left));
    AddText(*element, "Top", std::to_string(rect.Top));
    AddText(*element, "Width", std::to_string(static_cast<int64_t>(rect.Right) - rect.Left));
    AddText(*element, "Height", std::to_string(static_cast<int64_t>(rect.Bottom) - rect.Top));
    parent.AddItem(std::move(element));
}

// Height, value kind and domain, and the fixed flag of any pin.
void WritePinCommon(TXMLComplexElement& parent, const TSountoryAlgInputOutput& pin)
{
    AddText(parent, "Height", FactoryNumberText(pin.GetHeight()));
    const int kind = static_cast<int>(pin.ValueDomType);
    AddText(parent, "ValueDomType", ValueDomTypeXmlNames[kind]);
    if (ValueDomainCount[kind] > 0)
        AddText(parent, "ValueDomain", ValueDomainXmlNames[static_cast<int>(pin.ValueDomain)]);
    if (pin.Fixed)
        AddEmpty(parent, "Fixed");
}

void WriteItemCommon(TXMLComplexElement& parent, const TSountoryInputOutput& item)
{
    WritePinCommon(parent, item);
    if (item.CanChangeWaveSubtype)
        AddEmpty(parent, "CanChangeWaveSubtype");
}

void WriteSequence(TXMLComplexElement& parent, const TSountoryInputOutput& item)
{
    AddText(parent, "Sequence", std::to_string(item.Sequence));
    if (!item.Description.empty())
        AddText(parent, "Description", item.Description);
}

// The own value or the source of a target, at most one of them.
void WriteValueOrSource(TXMLComplexElement& parent, const TSountoryOutputTarget& target)
{
    if (target.GetHasOwnValue()) {
        auto value = std::make_unique<TXMLComplexElement>("Value");
        if (target.TargetPin().IsWave()) {
            AddText(*value, "NameSound", target.GetNameSound());
        } else {
            AddText(*value, "Double", FactoryNumberText(target.GetOwnValue().Value));
            AddText(*value, "ValueType", ValueTypeXmlNames[static_cast<int>(target.GetOwnValue().Type)]);
            AddText(*value, "UnitKind", UnitKindXmlNames[target.GetUnitKind()]);
        }
        parent.AddItem(std::move(value));
    }
    if (const TSountoryInputSource* source = target.GetSountoryInputSource()) {
        auto element = std::make_unique<TXMLComplexElement>("ValueSource");
        if (const TSountoryNode* node = source->GetSourceNode()) {
            AddText(*element, "NameNode", node->Name);
            AddText(*element, "NameNodeOutput", source->SourcePin().Name);
        } else {
            AddText(*element, "NameInput", source->SourcePin().Name);
        }
        parent.AddItem(std::move(element));
    }
}

// The first name used twice in a list of named things, or none.
template <class List>
const std::string* FindTwice(const List& list)
{
    std::set<std::string> seen;
    for (const auto& item : list)
        if (!seen.insert(item->Name).second)
            return &item->Name;
    return nullptr;
}

std::string UnsavablePin(const TSountoryNode& node)
{
    for (const auto& pin : node.Inputs()) {
        if (pin->Name.empty())
            return "An Input of Node " + Quoted(node.Name) + " has no name.";
        if (pin->GetHasOwnValue() && pin->IsWave() && pin->GetNameSound().empty())
            return "Input " + Quoted(pin->Name) + " of Node " + Quoted(node.Name) + " names no Wave.";
    }
    for (const auto& pin : node.Outputs())
        if (pin->Name.empty())
            return "An Output of Node " + Quoted(node.Name) + " has no name.";
    if (const std::string* twice = FindTwice(node.Inputs()))
        return "Input name " + Quoted(*twice) + " is used twice in Node " + Quoted(node.Name) + ".";
    if (const std::string* twice = FindTwice(node.Outputs()))
        return "Output name " + Quoted(*twice) + " is used twice in Node " + Quoted(node.Name) + ".";
    return "";
}

} // namespace

std::string FactoryNumberText(double number)
{
    char buffer[64];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::unique_ptr<TXMLComplexElement> WriteXmlView(const TFactoryViewState& view)
{
    auto element = std::make_unique<TXMLComplexElement>("View");
    AddEmpty(*element, view.Mode == ModeConnect ? "ModeConnect" : "ModeDrag");
    if (view.ShowHints)
        AddEmpty(*element, "ShowHints");
    return element;
}

std::unique_ptr<TXMLComplexElement> WriteInputXml(const TSountoryInput& input)
{
    auto element = std::make_unique<TXMLComplexElement>("Input");
    AddText(*element, "Name", input.Name);
    WriteItemCommon(*element, input);
    WriteSequence(*element, input);
    return element;
}

std::unique_ptr<TXMLComplexElement> WriteOutputXml(const TSountoryOutput& output)
{
    auto element = std::make_unique<TXMLComplexElement>("Output");
    AddText(*element, "Name", output.Name);
    WriteItemCommon(*element, output);
    WriteValueOrSource(*element, output);
    WriteSequence(*element, output);
    return element;
}

std::unique_ptr<TXMLComplexElement> WriteNodeInputXml(const TSountoryNodeInput& pin)
{
    auto element = std::make_unique<TXMLComplexElement>("NodeInput");
    AddText(*element, "Name", pin.Name);
    WritePinCommon(*element, pin);
    WriteValueOrSource(*element, pin);
    return element;
}

std::unique_ptr<TXMLComplexElement> WriteNodeOutputXml(const TSountoryNodeOutput& pin)
{
    auto element = std::make_unique<TXMLComplexElement>("NodeOutput");
    AddText(*element, "Name", pin.Name);
    WritePinCommon(*element, pin);
    return element;
}

std::unique_ptr<TXMLComplexElement> TSountoryNode::WriteNodeXml() const
{
    auto element = std::make_unique<TXMLComplexElement>("Node");
    AddText(*element, "Name", Name);
    if (DefaultName)
        AddEmpty(*element, "DefaultName");
    AddRectangle(*element, Rectangle.Get());
    element->AddItem(WriteKindXml());
    for (const auto& pin : InputPins)
        element->AddItem(WriteNodeInputXml(*pin));
    for (const auto& pin : OutputPins)
        element->AddItem(WriteNodeOutputXml(*pin));
    return element;
}

std::unique_ptr<TXMLComplexElement> CreateXmlFactory(const TUnitSountory& factory)
{
    QB_ASSERT(factory.FactoryKind < FactoryKindCount && factory.NodesCombination <= NodesShift);
    auto element = std::make_unique<TXMLComplexElement>("Factory");
    AddRectangle(*element, factory.GetFrameRect());
    auto kind = std::make_unique<TXMLComplexElement>("FactoryKind");
    AddEmpty(*kind, FactoryKindXmlNames[factory.FactoryKind]);
    element->AddItem(std::move(kind));
    static const char* const combinations[] = {"NodesOverlap", "NodesFixed", "NodesShift"};
    auto combination = std::make_unique<TXMLComplexElement>("NodesCombination");
    AddEmpty(*combination, combinations[factory.NodesCombination]);
    element->AddItem(std::move(combination));
    if (factory.ShowNameIO)
        AddEmpty(*element, "ShowNameIO");
    if (factory.ShowTypeIO)
        AddEmpty(*element, "ShowTypeIO");
    if (factory.ShowNameNIO)
        AddEmpty(*element, "ShowNameNIO");
    if (factory.ShowTypeNIO)
        AddEmpty(*element, "ShowTypeNIO");
    if (!factory.Description.empty())
        AddText(*element, "Description", factory.Description);
    for (const auto& node : factory.Nodes())
        element->AddItem(node->WriteNodeXml());
    for (const auto& input : factory.Inputs())
        element->AddItem(WriteInputXml(*input));
    for (const auto& output : factory.Outputs())
        element->AddItem(WriteOutputXml(*output));
    return element;
}

std::unique_ptr<TXMLComplexElement> CreateXmlTree(const TUnitSountory& factory)
{
    auto root = std::make_unique<TXMLComplexElement>("UnitFact");
    AddText(*root, "Version", FactoryFileVersion);
    root->AddItem(WriteXmlView(factory.View));
    root->AddItem(CreateXmlFactory(factory));
    return root;
}

std::string FindUnsavableItem(const TUnitSountory& factory)
{
    for (const auto& node : factory.Nodes()) {
        if (node->Name.empty())
            return "A Node has no name.";
        const auto* user = dynamic_cast<const TSountoryNodeUseFactory*>(node.get());
        if (user && user->GetFactoryName().empty())
            return "Node " + Quoted(node->Name) + " names no Factory.";
        const auto* builtin = dynamic_cast<const TSountoryNodeBuiltin*>(node.get());
        if (builtin && !builtin->GetFunction())
            return "Node " + Quoted(node->Name) + " has no function.";
        if (std::string pin = UnsavablePin(*node); !pin.empty())
            return pin;
    }
    for (const auto& input : factory.Inputs())
        if (input->Name.empty())
            return "An Input has no name.";
    for (const auto& output : factory.Outputs()) {
        if (output->Name.empty())
            return "An Output has no name.";
        if (output->GetHasOwnValue() && output->IsWave() && output->GetNameSound().empty())
            return "Output " + Quoted(output->Name) + " names no Wave.";
    }
    if (const std::string* twice = FindTwice(factory.Nodes()))
        return "Node name " + Quoted(*twice) + " is used twice.";
    if (const std::string* twice = FindTwice(factory.Inputs()))
        return "Input name " + Quoted(*twice) + " is used twice.";
    if (const std::string* twice = FindTwice(factory.Outputs()))
        return "Output name " + Quoted(*twice) + " is used twice.";
    return "";
}
