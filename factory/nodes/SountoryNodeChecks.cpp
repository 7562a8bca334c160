// The checks a node applies to its own inputs before a run. Each reports its
// first failure and changes nothing.
#include "factory/nodes/SountoryNode.h"

#include "wave/MainFormAccess.h"

namespace {

bool Missing(const std::string& name, std::string& error)
{
    error = "Input \"" + name + "\" does not exists.";
    return false;
}

} // namespace

bool TSountoryNode::CheckMandatoryInput(const std::string& name, std::string& error) const
{
    const TSountoryNodeInput* pin = FindNodeInput(name, nullptr);
    if (!pin)
        return Missing(name, error);
    if (pin->HasValue())
        return true;
    error = "Input \"" + name + "\" is mandatory.";
    return false;
}

bool TSountoryNode::CheckExactlyOneInput(const std::string& a, const std::string& b, std::string& error) const
{
    const TSountoryNodeInput* first = FindNodeInput(a, nullptr);
    if (!first)
        return Missing(a, error);
    const TSountoryNodeInput* second = FindNodeInput(b, nullptr);
    if (!second)
        return Missing(b, error);
    if (first->HasValue() != second->HasValue())
        return true;
    error = "You must use exacly one of the Inputs \"" + a + "\" or \"" + b + "\".";
    return false;
}

bool TSountoryNode::CheckAtMostOneInput(const std::string& a, const std::string& b, std::string& error) const
{
    const TSountoryNodeInput* first = FindNodeInput(a, nullptr);
    if (!first)
        return Missing(a, error);
    const TSountoryNodeInput* second = FindNodeInput(b, nullptr);
    if (!second)
        return Missing(b, error);
    if (!(first->HasValue() && second->HasValue()))
        return true;
    error = "You must use at most one of the Inputs \"" + a + "\" or \"" + b + "\".";
    return false;
}

bool TSountoryNode::CheckExactlyOneOfThree(const std::string& a, const std::string& b, const std::string& c,
                                           std::string& error) const
{
    int set = 0;
    for (const std::string* name : {&a, &b, &c}) {
        const TSountoryNodeInput* pin = FindNodeInput(*name, nullptr);
        if (!pin)
            return Missing(*name, error);
        set += pin->HasValue() ? 1 : 0;
    }
    if (set == 1)
        return true;
    error = "You must use exacly one of the Inputs \"" + a + "\", \"" + b + "\" or \"" + c + "\".";
    return false;
}

bool TSountoryNode::CheckOperandInputs(std::string& error) const
{
    for (const auto& pin : InputPins)
        if (pin->Name.compare(0, 7, "Operand") == 0 && !CheckMandatoryInput(pin->Name, error))
            return false;
    return true;
}

bool TSountoryNode::CheckWaveNames(std::string& error) const
{
    for (const auto& pin : InputPins) {
        if (!pin->IsWave() || !pin->GetHasOwnValue())
            continue;
        if (!MainForm().FindUnitWave(pin->GetNameSound())) {
            error = "Cannot find Wave with name \"" + pin->GetNameSound() + "\".";
            return false;
        }
    }
    return true;
}
