// The pins of a factory-using node follow its used factory.
#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeUseFactory.h"

void TSountoryNodeUseFactory::UpdatePins(const TUnitSountory& factory)
{
    MarkAllPins();
    MirrorFactoryPins(factory);
    CreateFixedPins();
    MergeMarkedPins();
}

void TSountoryNodeUseFactory::CreateFixedPins()
{
    // An input is made unless one of that name was made just now (mirrored
    // from the used factory): an old pin of that name does not keep it out,
    // so the merge always finds a fixed pin to keep the old one for.
    for (const TFixedPin& pin : FixedPins()) {
        if (!pin.Input) {
            AddOutput(pin.Name, pin.Height, 1, pin.Kind, pin.Domain);
            continue;
        }
        bool made = false;
        for (const auto& input : InputPins)
            made = made || (!input->ReplaceMark && input->Name == pin.Name);
        if (!made)
            AddInput(pin.Name, pin.Height, 1, pin.Kind, pin.Domain);
    }
}

void TSountoryNodeUseFactory::MirrorFactoryInputs(const TUnitSountory& factory, const std::string& skipA,
                                                  const std::string& skipB)
{
    for (const auto& input : factory.Inputs())
        if (input->Name != skipA && input->Name != skipB)
            AddInput(input->Name, input->GetHeight(), 0, input->ValueDomType, input->ValueDomain);
}

void TSountoryNodeUseFactory::MirrorFactoryOutputs(const TUnitSountory& factory)
{
    for (const auto& output : factory.Outputs())
        AddOutput(output->Name, output->GetHeight(), 0, output->ValueDomType, output->ValueDomain);
}
