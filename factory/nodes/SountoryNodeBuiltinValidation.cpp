// The input rules of a built-in node, read from its function's row.
#include "factory/nodes/BuiltinRun.h"
#include "factory/nodes/SountoryNodeBuiltin.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint8_t FunctionPositionToTime = 72;

bool RuleNames(const TBuiltinRule& rule, const char* name)
{
    return std::any_of(std::begin(rule.Names), std::end(rule.Names),
                       [name](const char* n) { return n && std::strcmp(n, name) == 0; });
}

bool HasOperandInput(const TSountoryNode& node)
{
    return std::any_of(node.Inputs().begin(), node.Inputs().end(),
                       [](const auto& pin) { return pin->Name.compare(0, 7, "Operand") == 0; });
}

} // namespace

bool TSountoryNodeBuiltin::ValidateBuiltinInputs(std::string& error) const
{
    const TBuiltinFunction* row = GetFunction();
    if (!row)
        return true;
    // "Wave" comes first wherever a function has it, unless a rule makes it
    // one of two alternatives.
    const bool waveIsAlternative =
        std::any_of(row->Rules.begin(), row->Rules.end(), [](const TBuiltinRule& r) { return RuleNames(r, "Wave"); });
    const bool hasWave = std::any_of(row->Inputs.begin(), row->Inputs.end(), [](const TBuiltinPin& pin) {
        return pin.Name && std::strcmp(pin.Name, "Wave") == 0;
    });
    // Judged by the function: a node restored from a file without its "Wave" is refused.
    if (hasWave && !waveIsAlternative && !CheckMandatoryInput("Wave", error))
        return false;
    for (const TBuiltinRule& rule : row->Rules) {
        const char* const* n = rule.Names;
        bool passed = true;
        switch (rule.Kind) {
        case TBuiltinRuleKind::Mandatory: passed = CheckMandatoryInput(n[0], error); break;
        case TBuiltinRuleKind::ExactlyOne: passed = CheckExactlyOneInput(n[0], n[1], error); break;
        case TBuiltinRuleKind::AtMostOne: passed = CheckAtMostOneInput(n[0], n[1], error); break;
        case TBuiltinRuleKind::ExactlyOneOfThree: passed = CheckExactlyOneOfThree(n[0], n[1], n[2], error); break;
        case TBuiltinRuleKind::Operands:
            // A chain without operands computes nothing; operands are numbered
            // 1 to n, each once.
            passed = (HasOperandInput(*this) || CheckMandatoryInput("Operand 1", error)) && CheckOperandInputs(error)
                  && CheckOperandNames(*this, error);
            break;
        }
        if (!passed)
            return false;
    }
    if (BuiltinAction == FunctionPositionToTime) {
        // Without a wave a position is counted by "Sample Freq": a count or a
        // time can be, a fraction of the wave cannot.
        const TSountoryNodeInput* wave = FindNodeInput("Wave", nullptr);
        const TSountoryNodeInput* position = FindNodeInput("Wave Position", nullptr);
        const ValueType type = position ? position->GetOwnValue().Type : ValueType::WaveCount;
        if ((!wave || !wave->HasValue()) && position && position->GetHasOwnValue() && type != ValueType::WaveCount
            && type != ValueType::Time) {
            error = "Input \"Wave Position\" must be a Wave Position Count or a Time, when Input \"Wave\" is not "
                    "used.";
            return false;
        }
    }
    return true;
}

bool TSountoryNodeBuiltin::CheckPositionReferences(std::string& error) const
{
    const TSountoryNodeInput* wave = FindNodeInput("Wave", nullptr);
    const bool noWave = !wave || !wave->GetSound();
    for (const auto& pin : InputPins) {
        if (BuiltinAction == FunctionPositionToTime && noWave && pin->Name == "Wave Position") {
            TSountoryValue value;
            if (pin->GetCurrentValue(value) && (value.Type == ValueType::WaveCount || value.Type == ValueType::Time))
                continue;
        }
        if (!CheckPositionReference(*pin, error))
            return false;
    }
    return true;
}
