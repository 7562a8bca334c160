// A factory as a wave effect the user builds: the document's sound and ranges
// go to the factory's inputs of fixed names, its result comes back. A wave
// document's command, kept here on the floor that knows factories and waves.
#include "factory/document/UnitSountory.h"
#include "foundation/StopReason.h"
#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"

#include <array>

bool TUnitWave::WaveRunSountory(TUnitSountory& factory, std::string& error, TFactoryValuesAsker& asker)
{
    // A stop left by an earlier command or run must not stop this one.
    BeginCommand();
    factory.RunStopFlag = 0;

    TSountoryInput* wave = nullptr;
    TSountoryOutput* result = nullptr;
    if (!factory.FindWaveInput("Wave", *TheSound, wave, error) || !factory.FindWaveOutput("Result", result, error))
        return false;
    const std::array<const char*, 4> rangeNames = {"Select Begin", "Select End", "Replace Begin", "Replace End"};
    std::array<TSountoryInput*, 4> ranges{};
    for (size_t i = 0; i < ranges.size(); ++i) {
        ranges[i] = factory.FindInput(rangeNames[i], nullptr);
        if (ranges[i] && !ranges[i]->CheckWavePosition(error))
            return false;
    }
    TSountoryOutput* positionBegin = factory.FindOutput("Position Begin", nullptr);
    TSountoryOutput* positionEnd = factory.FindOutput("Position End", nullptr);
    for (const TSountoryOutput* position : {positionBegin, positionEnd})
        if (position && !position->CheckWavePosition(error))
            return false;
    if (!factory.AskInputValues(error, asker))
        return false;

    wave->SetSound(TheSound);
    const std::array<int32_t, 4> positions = {GetOperationBegin(), GetOperationEnd(), GetSelectBegin(),
                                              GetSelectEnd()};
    for (size_t i = 0; i < ranges.size(); ++i)
        if (ranges[i])
            ranges[i]->SetValue({static_cast<double>(positions[i]), ValueType::WaveCount});

    int32_t b = GetOperationBegin();
    int32_t e = GetOperationEnd();
    BeginOperation(b, e);
    bool ok = factory.Run(error, &stopFlag);
    SoundPtr made = ok ? result->GetSound() : nullptr;
    if (ok && !made) {
        error = "No Wave is generated, keeping old Wave.";
        ok = false;
    }
    if (ok && !made->ownedByRun) {
        // A wave the run did not make (the input passed on, or another
        // window's) is copied: the document never shares its sound.
        if (made->channels == 2)
            made = std::make_shared<StereoSound>(&stopFlag, *made);
        else
            made = std::make_shared<MonoSound>(&stopFlag, *made);
    }
    if (ok && stopFlag) {
        error = StoppedRunReason();
        ok = false;
    }
    if (ok) {
        made->ownedByRun = 0;
        TheSound = std::move(made);
        lastCommandChanged = true;
        if (positionBegin && positionBegin->HasValue())
            b = ToInt32(positionBegin->GetValue().Value);
        if (positionEnd && positionEnd->HasValue())
            e = ToInt32(positionEnd->GetValue().Value);
        const double n = GetValues();
        e = ToInt32(Clamp(static_cast<double>(e), 0.0, n));
        // A begin after the end selects nothing rather than a reversed range.
        b = ToInt32(Clamp(static_cast<double>(b), 0.0, e));
    } else {
        factory.ReleaseRunSounds();
    }
    EndOperation(b, e);
    TellWindow();
    return ok;
}
