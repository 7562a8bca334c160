#include "factory/nodes/BuiltinRun.h"

#include "factory/graph/SountoryNodeInput.h"
#include "factory/graph/SountoryNodeOutput.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "foundation/StopReason.h"
#include "platform/SampleConvert.h"

#include <algorithm>
#include <cstring>

bool TBuiltinRun::ReadRange(bool emptyRangeAllowed)
{
    const TSountoryNodeInput* wave = Input("Wave");
    const TSountoryNodeInput* begin = Input("Position Begin");
    const TSountoryNodeInput* end = Input("Position End");
    if (!wave || !wave->HasValue())
        return true;
    if (!GetInputSound(*wave, Wave, Error))
        return false;
    Values = Wave->GetValues();
    End = Values;
    if (begin && begin->HasValue())
        Begin = Integer("Position Begin");
    if (end && end->HasValue())
        End = Integer("Position End");
    if (begin) {
        if (Begin < 0)
            return Fail("Position Begin must be at least 0.");
        if (Begin > Values)
            return Fail("Position Begin must be before the end of the wave.");
    }
    if (end) {
        if (End < 0)
            return Fail("Position End must be at least 0.");
        if (End > Values)
            return Fail("Position End must be before the end of the wave.");
    }
    if (begin && end) {
        if (emptyRangeAllowed && End < Begin)
            return Fail("Position End must be greater or equal than Position Begin.");
        if (!emptyRangeAllowed && End <= Begin)
            return Fail("Position End must be greater than Position Begin.");
    }
    return true;
}

TSountoryNodeInput* TBuiltinRun::Input(const char* name) const
{
    return Node.FindNodeInput(name, nullptr);
}

bool TBuiltinRun::Has(const char* name) const
{
    const TSountoryNodeInput* pin = Input(name);
    return pin && pin->HasValue();
}

TSountoryValue TBuiltinRun::Value(const char* name) const
{
    const TSountoryNodeInput* pin = Input(name);
    if (!pin || !pin->HasValue())
        return {};
    return pin->GetValue();
}

int32_t TBuiltinRun::Integer(const char* name) const
{
    return ToInt32(Number(name));
}

int16_t TBuiltinRun::Height16(const char* name) const
{
    return ToSample(Number(name));
}

bool TBuiltinRun::GetSound(const char* name, SoundPtr& sound)
{
    const TSountoryNodeInput* pin = Input(name);
    if (!pin)
        return Fail(std::string("Input \"") + name + "\" does not exists.");
    return GetInputSound(*pin, sound, Error);
}

double TBuiltinRun::Seconds() const
{
    const int32_t frequency = Frequency();
    return frequency > 0 ? static_cast<double>(End - Begin) / frequency : 0.0;
}

TSountoryNodeOutput* TBuiltinRun::Output(const char* name) const
{
    return Node.FindNodeOutput(name, nullptr);
}

bool TBuiltinRun::Demanded(const char* name) const
{
    const TSountoryNodeOutput* pin = Output(name);
    return pin && pin->GetDemand() > 0;
}

void TBuiltinRun::SetValue(const char* name, const TSountoryValue& value)
{
    if (TSountoryNodeOutput* pin = Output(name))
        pin->SetValue(value);
}

void TBuiltinRun::SetMadeSound(const char* name, SoundPtr sound)
{
    if (TSountoryNodeOutput* pin = Output(name)) {
        sound->ownedByRun = 1;
        pin->SetSound(std::move(sound));
    }
}

bool RunWaveResult(TBuiltinRun& run, bool emptyRangeAllowed, const TWaveOperation& operation)
{
    if (!run.ReadRange(emptyRangeAllowed))
        return false;
    TSountoryNodeOutput* result = run.Output("Result");
    if (!result)
        return true;
    // A function with a "Wave" works on it; a node restored without it, or
    // run unvalidated, is refused rather than reaching for no wave.
    const TBuiltinFunction* row = run.Node.GetFunction();
    const bool needsWave = row && std::any_of(row->Inputs.begin(), row->Inputs.end(), [](const TBuiltinPin& pin) {
                               return pin.Name && std::strcmp(pin.Name, "Wave") == 0;
                           });
    if (needsWave && !run.Wave && !run.Node.CheckMandatoryInput("Wave", run.Error))
        return false;
    // The positions are computed with the wave, so a wanted position never
    // shows an earlier run's range; the wave is kept only when it is wanted.
    const bool resultWanted = result->GetDemand() > 0;
    if (!resultWanted && !run.Demanded("Position Begin") && !run.Demanded("Position End"))
        return true;
    SoundPtr made;
    if (!operation(run, made))
        return false;
    if (!made)
        return run.Fail(StoppedRunReason());
    if (resultWanted) {
        if (made == run.Wave) {
            // Passed on unchanged: it stays someone else's, and the upstream
            // output keeps it for as long as this one holds it.
            if (TSountoryNodeInput* wave = run.Input("Wave"))
                wave->TakeOverSourceSound();
            result->SetSound(std::move(made));
        } else {
            made->ownedByRun = 1;
            result->SetSound(std::move(made));
        }
    }
    run.SetValue("Position Begin", {static_cast<double>(run.Begin), ValueType::WaveCount});
    run.SetValue("Position End", {static_cast<double>(run.End), ValueType::WaveCount});
    return true;
}

bool GetInputSound(const TSountoryNodeInput& pin, SoundPtr& sound, std::string& error)
{
    sound = pin.GetSound();
    if (sound)
        return true;
    error = "Node Input \"" + pin.Name + "\": cannot find Wave with name \"" + pin.GetNameSound() + "\".";
    return false;
}

bool CheckSameType(const TSountoryNodeInput& a, const TSountoryNodeInput& b, std::string& error)
{
    if (ValueUnitType(a.GetValue()) == ValueUnitType(b.GetValue()))
        return true;
    error = "Inputs \"" + a.Name + "\" and \"" + b.Name + "\" must be of the same type.";
    return false;
}

bool CheckOperandTypes(const std::vector<TSountoryValue>& operands, std::string& error)
{
    for (size_t i = 1; i < operands.size(); ++i) {
        if (ValueUnitType(operands[i]) != ValueUnitType(operands[0])) {
            error = "Inputs Operand 1 and Operand " + std::to_string(i + 1) + " must be of the same type.";
            return false;
        }
    }
    return true;
}

namespace {

constexpr char OperandPrefix[] = "Operand";

bool IsOperandPin(const TSountoryNodeInput& pin)
{
    return pin.Name.compare(0, std::strlen(OperandPrefix), OperandPrefix) == 0;
}

// The number n of a pin named exactly "Operand n" with 1 <= n <= count; 0 otherwise.
int OperandNumber(const std::string& name, int count)
{
    for (int n = 1; n <= count; ++n)
        if (name == "Operand " + std::to_string(n))
            return n;
    return 0;
}

// The slot of each operand pin in list order, or the message for the first
// pin that is no "Operand 1" to "Operand n" or repeats a number.
bool OperandSlots(const TSountoryNodeBuiltin& node, std::vector<const TSountoryNodeInput*>& slots,
                  std::string& error)
{
    int count = 0;
    for (const auto& pin : node.Inputs())
        if (IsOperandPin(*pin))
            ++count;
    slots.assign(static_cast<size_t>(count), nullptr);
    for (const auto& pin : node.Inputs()) {
        if (!IsOperandPin(*pin))
            continue;
        const int number = OperandNumber(pin->Name, count);
        if (number == 0) {
            error = "Input \"" + pin->Name + "\" must be named one of \"Operand 1\" to \"Operand "
                  + std::to_string(count) + "\".";
            return false;
        }
        if (slots[static_cast<size_t>(number - 1)]) {
            error = "Input \"" + pin->Name + "\" is used twice.";
            return false;
        }
        slots[static_cast<size_t>(number - 1)] = pin.get();
    }
    return true;
}

} // namespace

bool CollectOperands(const TSountoryNodeBuiltin& node, std::vector<TSountoryValue>& operands, std::string& error)
{
    std::vector<const TSountoryNodeInput*> slots;
    if (!OperandSlots(node, slots, error))
        return false;
    operands.clear();
    operands.reserve(slots.size());
    for (const TSountoryNodeInput* pin : slots)
        operands.push_back(pin->HasValue() ? pin->GetValue() : TSountoryValue{});
    return true;
}

bool CheckOperandNames(const TSountoryNodeBuiltin& node, std::string& error)
{
    std::vector<const TSountoryNodeInput*> slots;
    return OperandSlots(node, slots, error);
}
