// The checks a node applies to its own inputs before a run. Each reports its
// first failure and changes nothing.
#include "factory/nodes/SountoryNode.h"

#include "wave/MainFormAccess.h"

#include <initializer_list>

namespace {

bool Missing(const std::string& name, std::string& error)
{
    error = "Input \"" + name + "\" does not exists.";
    return false;
}

// How many of the named inputs carry a value; false, with the message, when
// one of them does not exist.
bool CountUsed(const TSountoryNode& node, std::initializer_list<const std::string*> names, int& used,
               std::string& error)
{
    used = 0;
    for (const std::string* name : names) {
        const TSountoryNodeInput* pin = node.FindNodeInput(*name, nullptr);
        if (!pin)
            return Missing(*name, error);
        used += pin->HasValue() ? 1 : 0;
    }
    return true;
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
    int used = 0;
    if (!CountUsed(*this, {&a, &b}, used, error))
        return false;
    if (used == 1)
        return true;
    error = "You must use exacly one of the Inputs \"" + a + "\" or \"" + b + "\".";
    return false;
}

bool TSountoryNode::CheckAtMostOneInput(const std::string& a, const std::string& b, std::string& error) const
{
    int used = 0;
    if (!CountUsed(*this, {&a, &b}, used, error))
        return false;
    if (used < 2)
        return true;
    error = "You must use at most one of the Inputs \"" + a + "\" or \"" + b + "\".";
    return false;
}

bool TSountoryNode::CheckExactlyOneOfThree(const std::string& a, const std::string& b, const std::string& c,
                                           std::string& error) const
{
    int used = 0;
    if (!CountUsed(*this, {&a, &b, &c}, used, error))
        return false;
    if (used == 1)
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
