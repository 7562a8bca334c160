// Operand inputs and the rebuilding of a node's pins.
#include "factory/nodes/SountoryNode.h"

#include "platform/Assertions.h"

#include <vector>

bool TSountoryNode::CanDeleteOperand() const
{
    return HasVariableOperands() && CountInputs() > 2;
}

void TSountoryNode::CreateOperandInputs(int count, ValueDomType kind, ValueDomain domain)
{
    for (int i = 1; i <= count; ++i)
        AddInput("Operand " + std::to_string(i), (i - 0.5) / count, 1, kind, domain);
}

void TSountoryNode::AddOperandInput()
{
    const TSountoryNodeInput* first = FindNodeInput("Operand 1", nullptr);
    // Offered only for nodes with variable operands, which always have it.
    if (!QB_CHECK(first != nullptr))
        return;
    const ValueDomType kind = first->ValueDomType;
    const ValueDomain domain = first->ValueDomain;
    const int n = CountInputs();
    for (const auto& pin : InputPins) {
        unitFactorPosMax1 height = pin->Height;
        height.SetValue(pin->Height.GetValue() * (1.0 / (n + 1)) / (1.0 / n));
        pin->SetHeight(height);
    }
    AddInput("Operand " + std::to_string(n + 1), 1 - 1.0 / (2 * (n + 1)), 1, kind, domain);
}

void TSountoryNode::RenumberOperands()
{
    int number = 0;
    for (const auto& pin : InputPins)
        pin->Name = "Operand " + std::to_string(++number);
}

void TSountoryNode::MarkAllPins()
{
    for (const auto& pin : InputPins)
        pin->ReplaceMark = 1;
    for (const auto& pin : OutputPins)
        pin->ReplaceMark = 1;
}

namespace {

// The merge on one list; remove takes a pin out of the node for good.
template <class Pin, class Remove>
void MergeMarkedList(std::vector<std::unique_ptr<Pin>>& list, Remove remove)
{
    bool matched = true;
    while (matched) {
        matched = false;
        for (size_t i = 0; i < list.size() && !matched;) {
            Pin* old = list[i].get();
            if (!old->ReplaceMark) {
                ++i;
                continue;
            }
            Pin* fresh = nullptr;
            for (const auto& pin : list) {
                if (!pin->ReplaceMark && pin->Name == old->Name) {
                    fresh = pin.get();
                    break;
                }
            }
            if (!fresh) {
                // No namesake: the old pin goes, the scan goes on after it.
                remove(old);
                continue;
            }
            if (old->SameValueDomain(*fresh)) {
                old->CopyLayout(*fresh);
                old->ReplaceMark = 0;
                remove(fresh);
            } else {
                remove(old);
            }
            matched = true;
        }
    }
}

} // namespace

void TSountoryNode::MergeMarkedPins()
{
    MergeMarkedList(InputPins, [this](const TSountoryNodeInput* pin) { RemoveInput(pin); });
    MergeMarkedList(OutputPins, [this](const TSountoryNodeOutput* pin) { RemoveOutput(pin); });
}
