// The checks that bind a factory-using node's pins to its used factory.
#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeUseFactory.h"

void TSountoryNodeUseFactory::ClearFactoryLinks()
{
    for (const auto& pin : InputPins)
        pin->UsedInput = nullptr;
    for (const auto& pin : OutputPins)
        pin->UsedOutput = nullptr;
}

bool TSountoryNodeUseFactory::CheckFactoryInputs(const std::string& exceptA, const std::string& exceptB,
                                                 std::string& error)
{
    for (const auto& input : SountoryDef->Inputs()) {
        if (input->Name == exceptA || input->Name == exceptB)
            continue;
        TSountoryNodeInput* pin = CheckNodeInputAgainst(input->Name, input->ValueDomType, input->ValueDomain, error);
        if (!pin)
            return false;
        pin->UsedInput = input.get();
    }
    return true;
}

TSountoryNodeInput* TSountoryNodeUseFactory::CheckNodeInputAgainst(const std::string& name, ValueDomType kind,
                                                                   ValueDomain domain, std::string& error)
{
    TSountoryNodeInput* pin = FindNodeInput(name, nullptr);
    if (!pin)
        error = "Input \"" + name + "\" not found, needed by Factory \"" + NameFactory + "\".";
    else if (pin->ValueDomType != kind)
        error = "Input \"" + name + "\" has an other typedomain than the Input of Factory \"" + NameFactory + "\".";
    else if (pin->ValueDomain != domain)
        error = "Input \"" + name + "\" has an other valuedomain than the Input of Factory \"" + NameFactory + "\".";
    else
        return pin;
    return nullptr;
}

bool TSountoryNodeUseFactory::CheckNodeOutputs(std::string& error)
{
    for (const auto& pin : OutputPins) {
        TSountoryOutput* output = CheckNodeOutputAgainst(pin->Name, pin->ValueDomType, pin->ValueDomain, error);
        if (!output)
            return false;
        pin->UsedOutput = output;
    }
    return true;
}

TSountoryOutput* TSountoryNodeUseFactory::CheckNodeOutputAgainst(const std::string& name, ValueDomType kind,
                                                                 ValueDomain domain, std::string& error)
{
    TSountoryOutput* output = SountoryDef->FindOutput(name, nullptr);
    if (!output)
        error = "Output \"" + name + "\" not found at Factory \"" + NameFactory + "\".";
    else if (output->ValueDomType != kind)
        error = "Output \"" + name + "\" has an other typedomain than the Output of Factory \"" + NameFactory + "\".";
    else if (output->ValueDomain != domain)
        error = "Output \"" + name + "\" has an other valuedomain than the Output of Factory \"" + NameFactory + "\".";
    else
        return output;
    return nullptr;
}

bool TSountoryNodeUseFactory::CheckLoopOutputs(std::string& error)
{
    for (const auto& output : SountoryDef->Outputs())
        if (!CheckOutputHasInput(output->Name, error))
            return false;
    return true;
}

bool TSountoryNodeUseFactory::CheckOutputHasInput(const std::string& name, std::string& error)
{
    const TSountoryOutput* output = SountoryDef->FindOutput(name, nullptr);
    const TSountoryInput* input = SountoryDef->FindInput(name, nullptr);
    if (!input)
        error = "Output \"" + name + "\" has no corresponding Input at Factory \"" + NameFactory + "\".";
    else if (input->ValueDomType != output->ValueDomType)
        error = "Output \"" + name + "\" has an other typedomain than the corresponding Input of Factory \""
              + NameFactory + "\".";
    else if (input->ValueDomain != output->ValueDomain)
        error = "Output \"" + name + "\" has an other valuedomain than the corresponding Input of Factory \""
              + NameFactory + "\".";
    else
        return true;
    return false;
}

bool TSountoryNodeUseFactory::CheckFactoryOutputType(const std::string& name, ValueDomType kind, std::string& error)
{
    const TSountoryOutput* output = SountoryDef->FindOutput(name, nullptr);
    if (!output)
        error = "Output \"" + name + "\" not found at Factory \"" + NameFactory + "\".";
    else if (output->ValueDomType != kind)
        error = "Output \"" + name + "\" is not typedomain \"" + ValueDomTypeNames[static_cast<int>(kind)] + "\".";
    else
        return true;
    return false;
}
