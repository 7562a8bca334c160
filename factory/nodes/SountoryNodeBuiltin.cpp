#include "factory/nodes/SountoryNodeBuiltin.h"

#include "factory/nodes/BuiltinRun.h"

#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"

TSountoryNodeBuiltin::TSountoryNodeBuiltin(std::string name, uint8_t function, TUnitSountory& owner,
                                           const TCanvasRect& rect, bool createPins)
    : TSountoryNode(std::move(name), owner, rect), BuiltinAction(function)
{
    if (createPins)
        CreateBuiltinPins(2);
}

std::unique_ptr<TXMLComplexElement> TSountoryNodeBuiltin::WriteKindXml() const
{
    auto kind = std::make_unique<TXMLComplexElement>("BuiltinNode");
    const TBuiltinFunction* row = GetFunction();
    kind->AddItem(std::make_unique<TXMLStringElement>("NameBuiltinAction", row ? row->XmlName : ""));
    return kind;
}

bool TSountoryNodeBuiltin::HasVariableOperands() const
{
    const TBuiltinFunction* row = GetFunction();
    return row && row->VariableOperands;
}

std::string TSountoryNodeBuiltin::GetDisplayName() const
{
    const TBuiltinFunction* row = GetFunction();
    return row ? row->DisplayName : "";
}

int32_t TSountoryNodeBuiltin::GetPictureNumber() const
{
    const TBuiltinFunction* row = GetFunction();
    return row ? row->Image : -1;
}

std::string TSountoryNodeBuiltin::MissingComputation() const
{
    const TBuiltinFunction* row = GetFunction();
    if (!row)
        return "No function is chosen.";
    if (!row->Execute)
        return std::string("Function \"") + row->DisplayName + "\" cannot be computed.";
    return "";
}

bool TSountoryNodeBuiltin::ValidateNode(std::string& error)
{
    error = MissingComputation();
    if (!error.empty())
        return false;
    return ValidateBuiltinInputs(error) && CheckWaveNames(error);
}

bool TSountoryNodeBuiltin::Execute(StopFlag* stop, std::string& error)
{
    const std::string missing = MissingComputation();
    if (!missing.empty()) {
        error = missing;
        return false;
    }
    TBuiltinRun run(*this, stop, error);
    return GetFunction()->Execute(run);
}

void TSountoryNodeBuiltin::CreateBuiltinPins(int operandCount)
{
    const TBuiltinFunction* row = GetFunction();
    if (!row)
        return;
    for (const TBuiltinPin& pin : row->Inputs) {
        if (pin.Name) {
            AddInput(pin.Name, pin.Height, 1, pin.Kind, pin.Domain);
            continue;
        }
        CreateOperandInputs(operandCount, pin.Kind, pin.Domain);
    }
    for (const TBuiltinPin& pin : row->Outputs)
        AddOutput(pin.Name, pin.Height, 1, pin.Kind, pin.Domain);
}

void TSountoryNodeBuiltin::ChangeBuiltinFunction(uint8_t function)
{
    const int operandCount = HasVariableOperands() ? CountInputs() : 2;
    MarkAllPins();
    BuiltinAction = function;
    CreateBuiltinPins(operandCount);
    MergeMarkedPins();
}

bool TSountoryNodeBuiltin::Run(StopFlag* stop, std::string& error)
{
    if (HasRun)
        return true;
    if (BuiltinAction != FunctionSwitchWave && BuiltinAction != FunctionSwitchValue)
        return RunNode(stop, error);
    return RunSwitch(stop, error);
}

bool TSountoryNodeBuiltin::RunSwitch(StopFlag* stop, std::string& error)
{
    // Failures of a switch's pulls pass on without the node's prefix, as
    // stored factories have always reported them.
    TSountoryNodeInput* condition = FindNodeInput("Switch", nullptr);
    TSountoryNodeInput* whenTrue = FindNodeInput("When True", nullptr);
    TSountoryNodeInput* whenFalse = FindNodeInput("When False", nullptr);
    for (const TSountoryNodeInput* pin : {condition, whenTrue, whenFalse}) {
        if (!pin) {
            error = "At Node \"" + Name + "\": A Switch needs the Inputs \"Switch\", \"When True\" and \"When False\".";
            return false;
        }
    }
    bool failed = false;
    if (!condition->Pull(stop, error, failed))
        return false;
    if (!condition->HasValue()) {
        error = "At Node \"" + Name + "\": Input \"Switch\" is mandatory.";
        return false;
    }
    const bool holds = condition->GetValue().Value != 0.0;
    TSountoryNodeInput* chosen = holds ? whenTrue : whenFalse;
    TSountoryNodeInput* unchosen = holds ? whenFalse : whenTrue;
    const bool pulled = chosen->Pull(stop, error, failed);
    // The branch not taken is not computed on this switch's behalf.
    unchosen->CancelDemand();
    if (!pulled)
        return false;
    for (const TSountoryNodeInput* pin : {condition, chosen}) {
        if (!CheckPositionReference(*pin, error)) {
            error = "At Node \"" + Name + "\": " + error;
            SetRunState(sntRunFailed);
            return false;
        }
    }
    if (!ExecuteAndFinish(stop, error))
        return false;
    condition->ReleaseSource();
    chosen->ReleaseSource();
    HasRun = 1;
    return true;
}
