#include "factory/nodes/SountoryNodeMixLoop.h"

#include "factory/document/UnitSountory.h"
#include "foundation/StopReason.h"
#include "platform/SampleConvert.h"
#include "platform/WorkProgress.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/WaveLoops.h"

namespace {

constexpr TFixedPin MixLoopPins[] = {
    {"Wave", true, 0.2, ValueDomType::Wave, ValueDomain::AllValues},
    {"Count", true, 0.7, ValueDomType::Integer, ValueDomain::Positive},
    {"Result", false, 0.5, ValueDomType::Wave, ValueDomain::AllValues},
};

} // namespace

void TSountoryNodeMixLoop::MirrorFactoryPins(const TUnitSountory& factory)
{
    MirrorFactoryInputs(factory, "Counter", "");
}

std::span<const TFixedPin> TSountoryNodeMixLoop::FixedPins() const
{
    return MixLoopPins;
}

bool TSountoryNodeMixLoop::BindFactory(std::string& error)
{
    return TSountoryNodeUseFactory::BindFactory(error) && CheckFactoryInputs("Counter", "", error)
        && CheckFactoryOutputType("Sample", ValueDomType::Wave, error)
        && CheckFactoryOutputType("Position in Sample", ValueDomType::Factor, error)
        && CheckFactoryOutputType("Position in Result", ValueDomType::Factor, error);
}

bool TSountoryNodeMixLoop::Execute(StopFlag* stop, std::string& error)
{
    const TSountoryNodeInput* wavePin = FixedInput("Wave", error);
    const TSountoryNodeInput* countPin = wavePin ? FixedInput("Count", error) : nullptr;
    if (!countPin)
        return false;
    TSountoryNodeOutput* resultPin = FindNodeOutput("Result", nullptr);
    if (!resultPin) {
        error = "Output \"Result\" does not exists.";
        return false;
    }
    const SoundPtr input = wavePin->GetSound();
    if (!input || input->GetValues() == 0) {
        error = "Input Wave must not be empty.";
        return false;
    }
    bool done = StartExecution(error);
    // Every pass mixes into one copy of the input wave.
    SoundPtr result;
    if (done) {
        if (input->channels == 1)
            result = std::make_shared<MonoSound>(stop, *input);
        else
            result = std::make_shared<StereoSound>(stop, *input);
        if (IsStopped(stop)) {
            error = StoppedRunReason();
            done = false;
        }
    }
    if (done) {
        const int32_t count = ToInt32(countPin->GetValue().Value);
        TSountoryInput* counter = SountoryDef->FindInput("Counter", nullptr);
        const TSountoryOutput* sample = SountoryDef->FindOutput("Sample", nullptr);
        const TSountoryOutput* inSample = SountoryDef->FindOutput("Position in Sample", nullptr);
        const TSountoryOutput* inResult = SountoryDef->FindOutput("Position in Result", nullptr);
        const TSountoryOutput* volume = SountoryDef->FindOutput("Volume", nullptr);
        for (int32_t i = 1; done && i <= count; ++i) {
            ReportWork(i - 1, count);
            if (counter)
                counter->SetValue({static_cast<double>(i), ValueType::Integer});
            done = RunPass(stop, error);
            if (!done)
                break;
            const SoundPtr mixed = sample->GetSound();
            if (!mixed) {
                error = "Output \"Sample\" of Factory \"" + NameFactory + "\" has no Wave.";
                done = false;
                break;
            }
            const double samplePosition = inSample->GetValue().Value;
            const double resultPosition = inResult->GetValue().Value;
            if (volume && volume->HasValue())
                result->MixAddAlignedFactor(stop, *mixed, resultPosition, samplePosition, volume->GetValue().Value);
            else
                result->MixAddAligned(stop, *mixed, resultPosition, samplePosition);
            // The pass's sounds are mixed in: none is kept for the next pass.
            SountoryDef->ReleaseRunSounds();
        }
        if (done && IsStopped(stop)) {
            error = StoppedRunReason();
            done = false;
        }
    }
    FinishExecution();
    if (!done)
        return false;
    result->ownedByRun = 1;
    resultPin->SetSound(std::move(result));
    return true;
}
