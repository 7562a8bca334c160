#include "factory/nodes/SountoryNodeFormulaWave.h"

#include "factory/document/UnitSountory.h"
#include "foundation/StopReason.h"
#include "platform/SampleConvert.h"
#include "wave/MonoSound.h"
#include "wave/WaveLoops.h"

namespace {

constexpr TFixedPin FormulaWavePins[] = {
    {"Time Length", true, 0.05, ValueDomType::Time, ValueDomain::PositiveNotZero},
    {"Wave Count Length", true, 0.15, ValueDomType::WaveCount, ValueDomain::PositiveNotZero},
    {"Steps", true, 0.3, ValueDomType::Integer, ValueDomain::PositiveNotZero},
    {"Sample Frequency", true, 0.45, ValueDomType::WaveSampleFrequency, ValueDomain::AllValues},
    {"Bytes per Sample", true, 0.55, ValueDomType::WaveBytesPerSample, ValueDomain::AllValues},
    {"Result", false, 0.5, ValueDomType::Wave, ValueDomain::Mono},
};

} // namespace

void TSountoryNodeFormulaWave::MirrorFactoryPins(const TUnitSountory& factory)
{
    MirrorFactoryInputs(factory, "Factor Position", "Time Position");
}

std::span<const TFixedPin> TSountoryNodeFormulaWave::FixedPins() const
{
    return FormulaWavePins;
}

bool TSountoryNodeFormulaWave::BindFactory(std::string& error)
{
    return TSountoryNodeUseFactory::BindFactory(error)
        && CheckFactoryInputs("Factor Position", "Time Position", error)
        && CheckFactoryOutputType("Wave Value", ValueDomType::WaveValue, error);
}

bool TSountoryNodeFormulaWave::ValidateNode(std::string& error)
{
    return CheckExactlyOneInput("Time Length", "Wave Count Length", error)
        && CheckMandatoryInput("Steps", error) && CheckMandatoryInput("Sample Frequency", error)
        && CheckMandatoryInput("Bytes per Sample", error);
}

bool TSountoryNodeFormulaWave::EvaluateAt(StopFlag* stop, std::string& error, double factorPosition,
                                          double timePosition, int16_t& sample)
{
    SountoryDef->FindInput("Factor Position", nullptr)->SetValue({factorPosition, ValueType::Factor});
    SountoryDef->FindInput("Time Position", nullptr)->SetValue({timePosition, ValueType::Time});
    if (!RunPass(stop, error))
        return false;
    const TSountoryOutput* value = SountoryDef->FindOutput("Wave Value", nullptr);
    if (!value->HasValue()) {
        error = "Output \"Wave Value\" has no value.";
        return false;
    }
    // The low 16 bits of the whole number, not clamped.
    sample = ToSample(value->GetValue().Value);
    return true;
}

bool TSountoryNodeFormulaWave::Execute(StopFlag* stop, std::string& error)
{
    const TSountoryNodeInput* pins[5] = {};
    const char* const names[5] = {"Time Length", "Wave Count Length", "Steps", "Sample Frequency",
                                  "Bytes per Sample"};
    for (int i = 0; i < 5; ++i)
        if (!(pins[i] = FixedInput(names[i], error)))
            return false;
    TSountoryNodeOutput* resultPin = FindNodeOutput("Result", nullptr);
    if (!resultPin) {
        error = "Output \"Result\" does not exists.";
        return false;
    }
    const auto [timePin, countPin, stepsPin, frequencyPin, bytesPin] = pins;
    const int32_t frequency = ToInt32(frequencyPin->GetValue().Value);
    const int32_t bytes = ToInt32(bytesPin->GetValue().Value);
    if (bytes != 1 && bytes != 2) {
        error = "Input \"Bytes per Sample\" must be 1 or 2.";
        return false;
    }
    if (frequency <= 0) {
        error = "Input \"Sample Frequency\" must be greater than 0.";
        return false;
    }
    int32_t count = 0;
    double timeLength = 0.0;
    const char* lengthName = "Time Length";
    if (timePin->HasValue()) {
        timeLength = timePin->GetValue().Value;
        count = ToInt32(timeLength * frequency);
    }
    if (countPin->HasValue()) {
        count = ToInt32(countPin->GetValue().Value);
        timeLength = static_cast<double>(count) / frequency;
        lengthName = "Wave Count Length";
    }
    // The points are drawn into at least one value, at least one step apart.
    if (count < 1) {
        error = std::string("Input \"") + lengthName + "\" must give at least one value.";
        return false;
    }
    const int32_t steps = ToInt32(stepsPin->GetValue().Value);
    if (steps < 1) {
        error = "Input \"Steps\" must be at least 1.";
        return false;
    }
    if (!StartExecution(error))
        return false;
    bool done = true;
    for (const char* position : {"Factor Position", "Time Position"}) {
        if (done && !SountoryDef->FindInput(position, nullptr)) {
            error = std::string("Input \"") + position + "\" not found at Factory \"" + NameFactory + "\".";
            done = false;
        }
    }
    SoundPtr sound;
    if (done) {
        RefPtr<Wave> wave = NewWave(stop, count);
        if (!wave) {
            error = StoppedRunReason();
            done = false;
        } else {
            sound = std::make_shared<MonoSound>(std::move(wave), frequency, static_cast<int16_t>(bytes));
        }
    }
    int16_t y = 0;
    if (done && steps == 1) {
        done = EvaluateAt(stop, error, 0.5, 0.5 * timeLength, y);
        if (done)
            sound->DrawSegment(stop, 0, y, count - 1, y);
    } else if (done) {
        int16_t y0 = 0;
        int32_t x0 = 0;
        done = EvaluateAt(stop, error, 0.0, 0.0, y0);
        for (int32_t i = 0; done && i < steps; ++i) {
            const double f = static_cast<double>(i + 1) / steps;
            const int32_t x = ToInt32((count - 1) * f);
            done = EvaluateAt(stop, error, f, f * timeLength, y);
            if (done)
                sound->DrawSegment(stop, x0, y0, x, y);
            x0 = x;
            y0 = y;
        }
    }
    if (done) {
        // The last value is the last point itself.
        sound->DrawSegment(stop, count - 1, y, count, y);
        if (IsStopped(stop)) {
            error = StoppedRunReason();
            done = false;
        }
    }
    FinishExecution();
    if (!done)
        return false;
    sound->ownedByRun = 1;
    resultPin->SetSound(std::move(sound));
    return true;
}
