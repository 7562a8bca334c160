#include "factory/document/FactoryFile.h"

#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "factory/nodes/SountoryNodeFormulaWave.h"
#include "factory/nodes/SountoryNodeMixLoop.h"
#include "factory/nodes/SountoryNodeSimpleLoop.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "foundation/QuotedText.h"
#include "foundation/values/GetNumberValue.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLItem.h"
#include "wave/view/ViewXml.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Coordinates beyond this are no drawing any window makes; refusing them
// keeps every sum of two of them within range.
constexpr int32_t CoordinateLimit = 1000000;

// Reads one UnitFact element into a factory. The grammar (or the writer) has
// fixed the element names and their order.
class FactoryReader {
public:
    FactoryReader(TUnitSountory& factory, std::string& error, int32_t& line, int32_t& column)
        : factory(factory), error(error), line(line), column(column)
    {
    }

    bool Read(const TXMLItem& unitFact)
    {
        const TXMLItem* version = ExpectElement(unitFact.GetFirst(), "Version");
        if (version->GetValue() != "9.0" && version->GetValue() != "9.1")
            return Fail(version, "Version " + QuotedText(version->GetValue())
                                     + " of the Factory File cannot be read; only versions \"9.0\" and \"9.1\" can.");
        old = version->GetValue() == "9.0";
        const TXMLItem* view = ExpectElement(version->GetNext(), "View");
        if (!ReadFactory(ExpectElement(view->GetNext(), "Factory")))
            return false;
        if (!old)
            factory.NormalizeSequences();
        ReadConnections();
        ReadView(view);
        return true;
    }

private:
    bool Fail(const TXMLItem* at, const std::string& message)
    {
        line = at->GetLine();
        column = at->GetColumn();
        error = message;
        return false;
    }

    // A whole number of a rectangle, parsed with its element's name as label.
    bool ReadCoordinate(const TXMLItem* item, const char* name, int32_t& value)
    {
        ExpectElement(item, name);
        unitInteger number;
        line = item->GetLine();
        column = item->GetColumn();
        if (!number.SetFromText(item->GetValue(), name, error))
            return false;
        if (number.GetValue() < -CoordinateLimit || number.GetValue() > CoordinateLimit)
            return Fail(item, std::string(name) + " " + QuotedText(item->GetValue()) + " lies outside "
                                  + std::to_string(-CoordinateLimit) + " to " + std::to_string(CoordinateLimit) + ".");
        value = number.GetValue();
        return true;
    }

    bool ReadRectangle(const TXMLItem* rectangle, TCanvasRect& rect)
    {
        const TXMLItem* left = rectangle->GetFirst();
        int32_t x = 0;
        int32_t y = 0;
        int32_t width = 0;
        int32_t height = 0;
        if (!ReadCoordinate(left, "Left", x) || !ReadCoordinate(left->GetNext(), "Top", y)
            || !ReadCoordinate(left->GetNext()->GetNext(), "Width", width)
            || !ReadCoordinate(left->GetNext()->GetNext()->GetNext(), "Height", height))
            return false;
        rect = {x, y, x + width, y + height};
        return true;
    }

    bool ReadFactory(const TXMLItem* element)
    {
        const TXMLItem* item = element->GetFirst();
        if (old) {
            // Only the size: the frame keeps a new factory's place.
            int32_t width = 0;
            int32_t height = 0;
            const TXMLItem* size = ExpectElement(item, "RectangleSize");
            if (!ReadCoordinate(size->GetFirst(), "Width", width)
                || !ReadCoordinate(size->GetFirst()->GetNext(), "Height", height))
                return false;
            factory.SetFrameWidth(width);
            factory.SetFrameHeight(height);
        } else {
            TCanvasRect frame;
            if (!ReadRectangle(ExpectElement(item, "Rectangle"), frame))
                return false;
            factory.SetFrameRect(frame.Left, frame.Top, frame.Right, frame.Bottom);
        }
        item = ExpectElement(item->GetNext(), "FactoryKind");
        const std::string kind = item->GetFirst()->GetElement();
        for (int k = 0; k < FactoryKindCount; ++k)
            if (kind == FactoryKindXmlNames[k])
                factory.FactoryKind = static_cast<uint8_t>(k);
        item = ExpectElement(item->GetNext(), "NodesCombination");
        factory.SetNodesCombination(
            static_cast<uint8_t>(WhichElement(item->GetFirst(), {"NodesOverlap", "NodesFixed", "NodesShift"})));
        item = item->GetNext();
        for (auto [name, flag] : {std::pair{"ShowNameIO", &factory.ShowNameIO}, {"ShowTypeIO", &factory.ShowTypeIO},
                                  {"ShowNameNIO", &factory.ShowNameNIO}, {"ShowTypeNIO", &factory.ShowTypeNIO}}) {
            *flag = IsElement(item, name) ? 1 : 0;
            if (*flag)
                item = item->GetNext();
        }
        factory.Description.clear();
        if (IsElement(item, "Description")) {
            factory.Description = item->GetValue();
            item = item->GetNext();
        }
        for (; IsElement(item, "Node"); item = item->GetNext())
            if (!ReadNode(item))
                return false;
        for (; IsElement(item, "Input"); item = item->GetNext())
            if (!ReadItem(item, false))
                return false;
        for (; IsElement(item, "Output"); item = item->GetNext())
            if (!ReadItem(item, true))
                return false;
        QB_ASSERT(item == nullptr);
        return true;
    }

    // Name, Height, ValueDomType, ValueDomain and Fixed of any pin; gives the
    // element after them.
    struct PinCommon {
        std::string name;
        double height = 0;
        ValueDomType kind = ValueDomType::Factor;
        ValueDomain domain = ValueDomain::AllValues;
        uint8_t fixed = 0;
        const TXMLItem* nameElement = nullptr;
    };

    bool ReadPinCommon(const TXMLItem* element, PinCommon& pin, const TXMLItem*& next)
    {
        const TXMLItem* item = ExpectElement(element->GetFirst(), "Name");
        pin.name = item->GetValue();
        pin.nameElement = item;
        item = ExpectElement(item->GetNext(), "Height");
        unitFactorPosMax1 height;
        line = item->GetLine();
        column = item->GetColumn();
        if (!height.SetFromText(item->GetValue(), "Height", error))
            return false;
        pin.height = height.GetValue();
        const TXMLItem* kind = ExpectElement(item->GetNext(), "ValueDomType");
        item = kind->GetNext();
        const TXMLItem* domain = nullptr;
        if (IsElement(item, "ValueDomain")) {
            domain = item;
            item = item->GetNext();
        }
        if (!ReadValueDomTypeAndDomain(kind, domain, pin.kind, pin.domain))
            return false;
        pin.fixed = IsElement(item, "Fixed") ? 1 : 0;
        next = pin.fixed ? item->GetNext() : item;
        return true;
    }

    bool ReadValueDomTypeAndDomain(const TXMLItem* kindElement, const TXMLItem* domainElement, ValueDomType& kind,
                                   ValueDomain& domain)
    {
        std::string kindText = kindElement->GetValue();
        std::string domainText = domainElement ? domainElement->GetValue() : "";
        if (old) {
            if (kindText == "PlaceInWindow" && domainText == "ZeroInclOneExcl") {
                kindText = "WavePos";
                domainText = "AllValues";
            }
            if (kindText == "FactorOrInteger")
                kindText = "NoUnit";
            if (kindText == "PlaceWave")
                kindText = "Factor";
        }
        const int k = FindValueKindXmlName(kindText);
        if (k < 0)
            return Fail(kindElement, "ValueDomType " + QuotedText(kindText) + " does not exists.");
        kind = static_cast<ValueDomType>(k);
        domain = ValueDomain::AllValues;
        if (domainText.empty())
            return true;
        const int d = FindValueDomainXmlName(domainText);
        if (d < 0)
            return Fail(domainElement, "ValueDomain " + QuotedText(domainText) + " does not exists.");
        domain = static_cast<ValueDomain>(d);
        return true;
    }

    bool ReadValueType(const TXMLItem* element, ValueType& type)
    {
        const std::string& text = element->GetValue();
        if (old && (text == "PlaceInWindow" || text == "Angle")) {
            type = ValueType::Factor;
            return true;
        }
        const int t = FindValueTypeXmlName(text);
        if (t < 0)
            return Fail(element, "ValueType " + QuotedText(text) + " does not exists.");
        type = static_cast<ValueType>(t);
        return true;
    }

    // The own value of a target: a wave name for a Wave pin, a number with
    // its type and unit for any other; a form that does not fit is refused.
    bool ReadOwnValue(const TXMLItem* value, TSountoryOutputTarget& target)
    {
        const TSountoryAlgInputOutput& pin = target.TargetPin();
        const TXMLItem* item = value->GetFirst();
        const bool nameSound = IsElement(item, "NameSound");
        if (nameSound != pin.IsWave())
            return Fail(value, "Value of " + QuotedText(pin.Name)
                                   + (pin.IsWave() ? " must be a NameSound, since its ValueDomType is Wave."
                                                   : " must be a Double with ValueType and UnitKind, since its "
                                                     "ValueDomType is not Wave."));
        if (nameSound) {
            target.SetNameSound(item->GetValue());
            return true;
        }
        ExpectElement(item, "Double");
        unitFactor number;
        bool ok = true;
        std::string reason;
        number.CheckEditSilent(ok, item->GetValue(), "Double", reason);
        if (!ok)
            return Fail(item, "Double " + QuotedText(item->GetValue()) + " is not a valid value: " + reason);
        ValueType type;
        if (!ReadValueType(ExpectElement(item->GetNext(), "ValueType"), type))
            return false;
        const TXMLItem* unitElement = ExpectElement(item->GetNext()->GetNext(), "UnitKind");
        const int unitKind = FindUnitKindName(unitElement->GetValue());
        if (unitKind < 0)
            return Fail(unitElement, "UnitKind " + QuotedText(unitElement->GetValue()) + " does not exists.");
        target.SetOwnValue({number.GetValue(), type}, static_cast<UnitKind>(unitKind));
        return true;
    }

    // A Value is read at once; a ValueSource waits until every source exists.
    bool ReadValueOrSource(const TXMLItem* item, TSountoryOutputTarget& target)
    {
        if (IsElement(item, "Value"))
            return ReadOwnValue(item, target);
        if (IsElement(item, "ValueSource"))
            sources.emplace_back(item, &target);
        return true;
    }

    bool ReadNode(const TXMLItem* element)
    {
        const TXMLItem* item = ExpectElement(element->GetFirst(), "Name");
        const std::string name = item->GetValue();
        if (nodes.count(name))
            return Fail(item, "Node name " + QuotedText(name) + " is used twice.");
        item = item->GetNext();
        const bool defaultName = IsElement(item, "DefaultName");
        if (defaultName)
            item = item->GetNext();
        TCanvasRect rect;
        if (!ReadRectangle(ExpectElement(item, "Rectangle"), rect))
            return false;
        item = item->GetNext();
        TSountoryNode* node = nullptr;
        if (IsElement(item, "BuiltinNode")) {
            const TXMLItem* action = ExpectElement(item->GetFirst(), "NameBuiltinAction");
            const int function = FindBuiltinFunction(action->GetValue());
            if (function < 0)
                return Fail(action, "NameBuiltinAction " + QuotedText(action->GetValue()) + " is no built-in function.");
            node = &factory.AppendNode(std::make_unique<TSountoryNodeBuiltin>(name, static_cast<uint8_t>(function),
                                                                              factory, rect, false));
        } else {
            const std::string used = ExpectElement(item->GetFirst(), "NameFactory")->GetValue();
            const int kind =
                WhichElement(item, {"UserNode", "MixLoopNode", "RepeatNode", "SimpleLoopNode", "FormulaWaveNode"});
            switch (kind) {
            case 0: node = &factory.AppendNode(std::make_unique<TSountoryNodeUser>(name, used, factory, rect)); break;
            case 1:
            case 2:
                node = &factory.AppendNode(std::make_unique<TSountoryNodeMixLoop>(name, used, factory, rect, false));
                break;
            case 3:
                node = &factory.AppendNode(std::make_unique<TSountoryNodeSimpleLoop>(name, used, factory, rect, false));
                break;
            default:
                node = &factory.AppendNode(
                    std::make_unique<TSountoryNodeFormulaWave>(name, used, factory, rect, false));
                break;
            }
        }
        node->DefaultName = defaultName ? 1 : 0;
        nodes.emplace(name, node);
        for (item = item->GetNext(); item; item = item->GetNext()) {
            const bool input = WhichElement(item, {"NodeInput", "NodeOutput"}) == 0;
            PinCommon pin;
            const TXMLItem* next = nullptr;
            if (!ReadPinCommon(item, pin, next))
                return false;
            const bool twice = input ? node->FindNodeInput(pin.name, nullptr) != nullptr
                                     : node->FindNodeOutput(pin.name, nullptr) != nullptr;
            if (twice)
                return Fail(pin.nameElement, std::string(input ? "Input" : "Output") + " name " + QuotedText(pin.name)
                                                 + " is used twice in Node " + QuotedText(name) + ".");
            if (!input) {
                node->AddOutput(pin.name, pin.height, pin.fixed, pin.kind, pin.domain);
                continue;
            }
            TSountoryNodeInput& target = node->AddInput(pin.name, pin.height, pin.fixed, pin.kind, pin.domain);
            if (!ReadValueOrSource(next, target))
                return false;
        }
        return true;
    }

    bool ReadItem(const TXMLItem* element, bool output)
    {
        PinCommon pin;
        const TXMLItem* item = nullptr;
        if (!ReadPinCommon(element, pin, item))
            return false;
        const bool twice = output ? factory.FindOutput(pin.name, nullptr) != nullptr
                                  : factory.FindInput(pin.name, nullptr) != nullptr;
        if (twice)
            return Fail(pin.nameElement,
                        std::string(output ? "Output" : "Input") + " name " + QuotedText(pin.name) + " is used twice.");
        const bool waveSubtype = IsElement(item, "CanChangeWaveSubtype");
        if (waveSubtype)
            item = item->GetNext();
        int32_t sequence = -1;
        std::string description;
        if (!old) {
            const TXMLItem* sequenceElement = element->GetChild("Sequence");
            if (!GetNumberValue(*ExpectElement(sequenceElement, "Sequence"), sequence, error, line, column))
                return false;
            if (IsElement(sequenceElement->GetNext(), "Description"))
                description = sequenceElement->GetNext()->GetValue();
        }
        if (!output) {
            TSountoryInput& input =
                factory.CreateInput(pin.name, pin.height, pin.fixed, pin.kind, pin.domain, description, sequence);
            input.CanChangeWaveSubtype = waveSubtype ? 1 : 0;
            return true;
        }
        TSountoryOutput& target =
            factory.CreateOutput(pin.name, pin.height, pin.fixed, pin.kind, pin.domain, description, sequence);
        target.CanChangeWaveSubtype = waveSubtype ? 1 : 0;
        return ReadValueOrSource(item, target);
    }

    // A source named by nothing in the factory leaves its target unconnected.
    void ReadConnections()
    {
        for (auto [element, target] : sources) {
            const TXMLItem* first = element->GetFirst();
            TSountoryInputSource* source = nullptr;
            if (IsElement(first, "NameInput")) {
                source = factory.FindInput(first->GetValue(), nullptr);
            } else {
                auto node = nodes.find(ExpectElement(first, "NameNode")->GetValue());
                if (node != nodes.end())
                    source = node->second->FindNodeOutput(ExpectElement(first->GetNext(), "NameNodeOutput")->GetValue(),
                                                          nullptr);
            }
            if (source)
                target->SetSource(source);
        }
    }

    void ReadView(const TXMLItem* view)
    {
        factory.View.FrameJustRead = 1;
        const TXMLItem* mode = view->GetFirst();
        factory.View.Mode = WhichElement(mode, {"ModeDrag", "ModeConnect"}) == 1 ? ModeConnect : ModeDrag;
        factory.View.ShowHints = IsElement(mode->GetNext(), "ShowHints") ? 1 : 0;
    }

    TUnitSountory& factory;
    std::string& error;
    int32_t& line;
    int32_t& column;
    bool old = false;
    std::unordered_map<std::string, TSountoryNode*> nodes;
    std::vector<std::pair<const TXMLItem*, TSountoryOutputTarget*>> sources;
};

} // namespace

bool ReadXmlTree(TUnitSountory& factory, const TXMLItem& unitFact, std::string& error, int32_t& line,
                 int32_t& column)
{
    ExpectElement(&unitFact, "UnitFact");
    return FactoryReader(factory, error, line, column).Read(unitFact);
}
