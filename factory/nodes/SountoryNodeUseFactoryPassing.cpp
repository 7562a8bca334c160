// What a factory-using node hands to its used factory and takes back. Sounds
// cross as shared references: the used factory reads its caller's waves
// without a copy and never changes them, and what it makes is dropped as soon
// as the node has taken or mixed it.
#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeUseFactory.h"
#include "foundation/StopReason.h"
#include "wave/WaveLoops.h"

TSountoryNodeInput* TSountoryNodeUseFactory::FixedInput(const char* name, std::string& error) const
{
    TSountoryNodeInput* pin = FindNodeInput(name, nullptr);
    if (!pin)
        error = std::string("Input \"") + name + "\" does not exists.";
    return pin;
}

bool TSountoryNodeUseFactory::StartExecution(std::string& error)
{
    // Bound afresh: links live only while the node executes.
    if (!BindFactory(error))
        return false;
    SountoryDef->RunState = sntRunIdle;
    PassInputs();
    return true;
}

bool TSountoryNodeUseFactory::RunPass(StopFlag* stop, std::string& error)
{
    const bool ran = SountoryDef->Run(error, stop);
    if (IsStopped(stop)) {
        error = StoppedRunReason();
        return false;
    }
    return ran;
}

void TSountoryNodeUseFactory::FinishExecution()
{
    if (SountoryDef) {
        SountoryDef->ReleaseRunSounds();
        for (const auto& input : SountoryDef->Inputs())
            if (input->IsWave())
                input->BindNamedSound(nullptr);
    }
    ClearFactoryLinks();
}

void TSountoryNodeUseFactory::PassInputs()
{
    for (const auto& pin : InputPins) {
        if (!pin->HasValue() || !pin->UsedInput)
            continue;
        if (pin->IsWave())
            pin->UsedInput->SetSound(pin->GetSound());
        else
            pin->UsedInput->SetValue(pin->GetValue());
    }
}

void TSountoryNodeUseFactory::TakeOutputs()
{
    for (const auto& pin : OutputPins) {
        if (!pin->UsedOutput)
            continue;
        if (pin->IsWave())
            pin->SetSound(pin->UsedOutput->GetSound());
        else if (pin->UsedOutput->HasValue())
            pin->SetValue(pin->UsedOutput->GetValue());
    }
}

void TSountoryNodeUseFactory::FeedOutputsBack()
{
    for (const auto& output : SountoryDef->Outputs()) {
        TSountoryInput* input = SountoryDef->FindInput(output->Name, nullptr);
        if (!input)
            continue;
        if (output->IsWave())
            input->SetSound(output->GetSound());
        else if (output->HasValue())
            input->SetValue(output->GetValue());
    }
    // The pass's sounds now live on in the inputs, or not at all.
    SountoryDef->ReleaseRunSounds();
}

void TSountoryNodeUseFactory::TakeOutputsFromInputs()
{
    for (const auto& pin : OutputPins) {
        const TSountoryInput* input = SountoryDef->FindInput(pin->Name, nullptr);
        if (!input)
            continue;
        if (pin->IsWave())
            pin->SetSound(input->GetSound());
        else
            pin->SetValue(input->GetValue());
    }
}
