#include "factory/document/FactoryValuesAsker.h"
#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeUseFactory.h"
#include "foundation/StopReason.h"
#include "platform/Assertions.h"
#include "platform/SampleConvert.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"

#include <algorithm>

bool TUnitSountory::CheckLoops(std::string& error)
{
    for (const auto& node : NodeItems)
        for (const auto& pin : node->Inputs())
            pin->LoopColor = 0;
    for (const auto& node : NodeItems)
        if (!node->CheckLoop(error))
            return false;
    return true;
}

bool TUnitSountory::Validate(int32_t stamp, std::string& error)
{
    if (ValidationStamp == stamp)
        return true;
    if (!CheckLoops(error))
        return false;
    auto inNode = [&error](const TSountoryNode& node, const std::string& reason) {
        error = "In Node \"" + node.Name + "\": " + reason;
        return false;
    };
    std::string reason;
    for (const auto& node : NodeItems) {
        if (!node->UsesFactory())
            continue;
        auto& user = static_cast<TSountoryNodeUseFactory&>(*node);
        if (!user.BindFactory(reason) || !user.CheckFactoryDefinition(stamp, reason))
            return inNode(*node, reason);
    }
    for (const auto& node : NodeItems)
        if (!node->ValidateNode(reason))
            return inNode(*node, reason);
    for (const auto& node : NodeItems)
        if (!node->CheckDefinition(reason))
            return inNode(*node, reason);
    ValidationStamp = stamp;
    return true;
}

bool TUnitSountory::CheckAsUsedFactory(std::string& error) const
{
    for (const auto& output : OutputItems) {
        if (!output->HasValue()) {
            error = "Output \"" + output->Name + "\" is mandatory.";
            return false;
        }
    }
    return true;
}

bool TUnitSountory::FindWaveInput(const std::string& name, const Sound& sound, TSountoryInput*& input,
                                  std::string& error) const
{
    input = FindInput(name, nullptr);
    if (!input)
        error = "Cannot find Input \"" + name + "\".";
    else if (!input->IsWave())
        error = "Input \"" + name + "\" is not a valuetype domain of \"Wave\".";
    else if (input->ValueDomain == ValueDomain::Mono && sound.channels == 2)
        error = "Input \"" + name + "\" is type of \"Mono\", but the Wave is Stereo.";
    else if (input->ValueDomain == ValueDomain::Stereo && sound.channels == 1)
        error = "Input \"" + name + "\" is type of \"Stereo\", but the Wave is Mono.";
    else
        return true;
    return false;
}

bool TUnitSountory::FindWaveOutput(const std::string& name, TSountoryOutput*& output, std::string& error) const
{
    output = FindOutput(name, nullptr);
    if (!output)
        error = "Cannot find Output \"" + name + "\".";
    else if (!output->IsWave())
        error = "Output \"" + name + "\" is not a valuetype domain of \"Wave\".";
    else if (!output->HasValue())
        error = "Output \"" + name + "\" is mandatory.";
    else
        return true;
    return false;
}

void TUnitSountory::ReleaseRunSounds()
{
    for (const auto& node : NodeItems)
        node->ResetOutputDemands();
}

bool TUnitSountory::Run(std::string& error, StopFlag* stop)
{
    // Validation refuses a factory that uses itself, but a caller that did not
    // validate would recurse until the stack ran out. The run under way keeps
    // its state and its sounds.
    if (Running) {
        error = "Recurse found!";
        return false;
    }
    Running = true;
    const struct TRunEnd {
        bool& running;
        ~TRunEnd() { running = false; }
    } runEnd{Running};
    RunState = sntRunRunning;
    auto fail = [this]() {
        RunState = sntRunFailed;
        ReleaseRunSounds();
        return false;
    };
    // Validation refuses loops before every run; a run never follows one.
    if (!CheckLoops(error))
        return fail();
    for (const auto& input : InputItems) {
        if (!input->ValueGiven || !input->IsWave())
            continue;
        TUnitWave* wave = MainForm().FindUnitWave(input->NameSound);
        if (!wave) {
            error = "Cannot find Sound \"" + input->NameSound + "\" at Input \"" + input->Name + "\".";
            return fail();
        }
        input->BindNamedSound(wave->GetSound());
    }
    for (const auto& node : NodeItems) {
        node->ResetHasRun();
        node->ResetOutputDemands();
    }
    for (const auto& output : OutputItems)
        output->CountDemand();
    for (const auto& node : NodeItems)
        node->ResetHasRun();
    if (!PullOutputs(error, stop) || !CheckOutputPositions(error))
        return fail();
    RunState = sntRunDone;
    return true;
}

bool TUnitSountory::PullOutputs(std::string& error, StopFlag* stop)
{
    for (const auto& output : OutputItems) {
        bool failed = false;
        if (!output->PullValue(stop, error, failed))
            return false;
    }
    return true;
}

bool TUnitSountory::CheckOutputPositions(std::string& error) const
{
    for (const auto& output : OutputItems) {
        if (output->ValueDomType != ValueDomType::WavePos || !output->HasValue())
            continue;
        const TSountoryOutput* result = FindOutput("Result", nullptr);
        if (!result || !result->GetSound()) {
            error = "Output \"" + output->Name
                  + "\" is a wave position, but there is no Wave at Output \"Result\" to count it in.";
            return false;
        }
    }
    return true;
}

bool TUnitSountory::AskInputValues(std::string& error, TFactoryValuesAsker& asker)
{
    std::vector<TSountoryInput*> types;
    std::vector<TSountoryInput*> values;
    for (const auto& input : InputItems) {
        if (input->IsWaveWindowInput())
            continue;
        values.push_back(input.get());
        if (input->IsGenericType())
            types.push_back(input.get());
    }
    QB_ASSERT(static_cast<int>(types.size()) == CountAskedGenericInputs());
    QB_ASSERT(static_cast<int>(values.size()) == CountAskedInputs());
    if (!types.empty() && !asker.AskTypes(types, *this)) {
        error = "Stopped by user.";
        return false;
    }
    for (TSountoryInput* input : values) {
        if (IsValueTypeCompatible(input->GetDialogValue().Type, input->ValueDomType))
            continue;
        input->SetValue({0, input->IsGenericType() ? ValueType::Factor : static_cast<ValueType>(input->ValueDomType)});
    }
    if (!values.empty() && !asker.AskValues(values, *this)) {
        error = "Stopped by user.";
        return false;
    }
    return true;
}

bool TUnitSountory::RunCreateWave(std::string& error, SoundPtr& sound, int32_t& begin, int32_t& end,
                                  TFactoryValuesAsker& asker)
{
    // Memory running out or the user's stop ends a run; a flag left from an
    // earlier run must not stop this one.
    RunStopFlag = 0;
    TSountoryOutput* result = nullptr;
    if (!FindWaveOutput("Result", result, error))
        return false;
    TSountoryOutput* positionBegin = FindOutput("Position Begin", nullptr);
    TSountoryOutput* positionEnd = FindOutput("Position End", nullptr);
    for (const TSountoryOutput* position : {positionBegin, positionEnd})
        if (position && !position->CheckWavePosition(error))
            return false;
    if (!AskInputValues(error, asker) || !Run(error, &RunStopFlag))
        return false;
    SoundPtr made = result->GetSound();
    if (!made) {
        error = "No Wave is generated.";
        return false;
    }
    if (!made->ownedByRun) {
        // A wave the run did not make (a window's, passed straight through) is copied.
        SoundPtr copy;
        if (made->channels == 2)
            copy = std::make_shared<StereoSound>(&RunStopFlag, *made);
        else
            copy = std::make_shared<MonoSound>(&RunStopFlag, *made);
        made = std::move(copy);
    }
    if (RunStopFlag) {
        ReleaseRunSounds();
        error = StoppedRunReason();
        return false;
    }
    made->ownedByRun = 0;
    if (positionBegin && positionBegin->HasValue())
        begin = ToInt32(positionBegin->GetValue().Value);
    if (positionEnd && positionEnd->HasValue())
        end = ToInt32(positionEnd->GetValue().Value);
    end = std::clamp(end, 0, made->GetValues());
    begin = std::clamp(begin, 0, end);
    sound = std::move(made);
    return true;
}
