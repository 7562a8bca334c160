#include "music/OnePlayer.h"

#include "factory/document/UnitSountory.h"
#include "factory/graph/SountoryInput.h"
#include "factory/graph/SountoryOutput.h"
#include "foundation/StopReason.h"
#include "music/PartNote.h"
#include "music/PlayerTexts.h"
#include "music/SamplerTable.h"
#include "wave/LongestWave.h"
#include "wave/MainFormAccess.h"
#include "wave/WaveLoops.h"
#include "wave/document/UnitWave.h"

#include <cmath>

namespace {

// A part whose frequency is not above 0 makes no sound (1 / 0 is not a period).
bool Sounds(double period)
{
    return period > 0 && std::isfinite(period);
}

// The wave window a sampler reads, with its selection; false with the
// message appended when no open wave has the name.
bool TakeSample(const unitUnitWave& sampleWave, TSample& sample, std::string& message)
{
    TUnitWave* unit = sampleWave.FindUnitWave(message);
    if (!unit)
        return false;
    sample.Sound = unit->GetSound();
    sample.Values = sample.Sound ? sample.Sound->GetValues() : 0;
    sample.Begin = unit->GetOperationBegin();
    sample.End = unit->GetOperationEnd();
    sample.SampleFreq = sample.Sound ? sample.Sound->sampleFreq : 1;
    sample.OperationTime = unit->GetOperationTime();
    return true;
}

// The standard inputs of a note-player factory and what each is given.
struct TNoteInput {
    const char* name;
    ValueType type;
    double (*value)(double p, const TPlayedNote& note, const TNotePlace& place);
};

constexpr TNoteInput NoteInputs[] = {
    {"Frequency", ValueType::Frequency, [](double p, const TPlayedNote&, const TNotePlace&) { return 1 / p; }},
    {"Length", ValueType::Factor, [](double, const TPlayedNote& n, const TNotePlace&) { return n.PlayLength; }},
    {"Music Position", ValueType::Factor,
     [](double, const TPlayedNote&, const TNotePlace& place) { return place.MusicPosition; }},
    {"Total Music Bars", ValueType::Factor,
     [](double, const TPlayedNote&, const TNotePlace& place) { return place.MusicLength; }},
    {"Tempo", ValueType::Time, [](double, const TPlayedNote& n, const TNotePlace&) { return n.Tempo; }},
};

} // namespace

TOnePlayer::TOnePlayer()
{
    SetSimpleSamplerProps(TSimpleSamplerProps(unitUnitWave("sample"), unitTimePosMore(0.001, EHKHZ)));
}

TOnePlayer::TOnePlayer(const unitFactor& volumeFactor, const unitFreq& freqUp, const unitFactor& freqFactor,
                       bool balance, const unitBalAngleFactor& balanceFactor, uint8_t volDiff, bool timeDiff)
{
    OnePlayerProps.VolumeFactor = volumeFactor;
    OnePlayerProps.FreqUp = freqUp;
    OnePlayerProps.FreqFactor = freqFactor;
    OnePlayerProps.Balance = balance;
    OnePlayerProps.BalanceFactor = balanceFactor;
    OnePlayerProps.VolDiff = volDiff;
    OnePlayerProps.TimeDiff = timeDiff;
}

void TOnePlayer::SetFactoryPlayerProps(const TFactoryPlayerProps& props)
{
    OnePlayerProps.FactoryPlayerProps = props;
    OnePlayerProps.NotePlayerKind = notePlayerFactory;
}

void TOnePlayer::SetSimpleSamplerProps(const TSimpleSamplerProps& props)
{
    OnePlayerProps.SimpleSamplerProps = props;
    OnePlayerProps.NotePlayerKind = notePlayerSimpleSampler;
}

void TOnePlayer::SetResonantSamplerProps(const TResonantSamplerProps& props)
{
    OnePlayerProps.ResonantSamplerProps = props;
    OnePlayerProps.NotePlayerKind = notePlayerResonantSampler;
}

void TOnePlayer::SetRepeatWaveFormProps(const TRepeatWaveFormProps& props)
{
    OnePlayerProps.RepeatWaveFormProps = props;
    OnePlayerProps.NotePlayerKind = notePlayerRepeatWaveForm;
}

void TOnePlayer::SetRollOutSamplerProps(const TRollOutSamplerProps& props)
{
    OnePlayerProps.RollOutSamplerProps = props;
    OnePlayerProps.NotePlayerKind = notePlayerRollOutSampler;
}

void TOnePlayer::SetRollOutWaveFormProps(const TRollOutWaveFormProps& props)
{
    OnePlayerProps.RollOutWaveFormProps = props;
    OnePlayerProps.NotePlayerKind = notePlayerRollOutWaveForm;
}

bool TOnePlayer::FindFactory(std::string& message)
{
    TFactoryPlayerProps& props = OnePlayerProps.FactoryPlayerProps;
    if (OnePlayerProps.NotePlayerKind != notePlayerFactory)
        return true;
    props.UnitSountory = MainForm().FindUnitSountory(props.Factory);
    if (props.UnitSountory)
        return true;
    message = CannotFindFactory(props.Factory);
    return false;
}

double TOnePlayer::GetPartPeriod(double period, double freqFactor) const
{
    return 1 / ((OnePlayerProps.FreqFactor.GetValue() / period + OnePlayerProps.FreqUp.GetValue()) * freqFactor);
}

bool TOnePlayer::RunFactoryOrReadSample(StopFlag* stop, const TPlayedNote& note, const TNotePlace& place,
                                        TPartNote& part, std::string& message)
{
    const double p = GetPartPeriod(note.Period, note.FreqFactor);
    if (!Sounds(p))
        return true;
    part.Balance = place.MonoStereo == 2 && OnePlayerProps.Balance;
    if (OnePlayerProps.NotePlayerKind != notePlayerFactory) {
        if (!PrepareSampler(p, note, part, message))
            return false;
        // A set flag fails a part with nothing to make too; one with a sound to make finds it when made.
        if (!part.Sampler && IsStopped(stop)) {
            message = StoppedRunReason();
            return false;
        }
        return true;
    }
    // The factory runs here, on the thread that walks the music: it reads the
    // open documents and may draw from the random generator.
    part.MixFactor = OnePlayerProps.VolumeFactor.GetValue() * note.VolumeFactor;
    if (part.Balance)
        part.Props = OnePlayerProps;
    if (!RunNoteFactory(stop, part.Made, part.Shift, p, note, place, message))
        return false;
    // A stopped engine call has shown its memory message; the note fails as a whole.
    if (IsStopped(stop) || !part.Make(stop)) {
        part.Made.reset();
        message = StoppedRunReason();
        return false;
    }
    return true;
}

bool TOnePlayer::PrepareSampler(double p, const TPlayedNote& note, TPartNote& part, std::string& message) const
{
    const TSamplerAnswers* answers = FindSamplerAnswers(OnePlayerProps.NotePlayerKind);
    if (!answers)
        return true;
    TSample sample;
    if (!TakeSample(*OnePlayerProps.SampleWaveOf(answers->Kind), sample, message))
        return false;
    if (!sample.Sound || sample.IsTooShort())
        return true;
    const TSamplerNote samplerNote{p, note.Seconds(), OnePlayerProps.VolumeFactor.GetValue() * note.VolumeFactor};
    // The sound is made at the sample's own rate: a wave that claims a huge
    // rate asks for a sound of that many values a second, refused before any is made.
    if (!FitsLongestWave(answers->SoundLength(OnePlayerProps, sample, samplerNote) * sample.SampleFreq)) {
        message = LongerThanTheLongestWave();
        return false;
    }
    part.Lead = answers->LeadTime(OnePlayerProps, sample, samplerNote);
    part.Sampler = answers;
    part.Props = OnePlayerProps;
    part.Sample = std::move(sample);
    part.Note = samplerNote;
    return true;
}

bool TOnePlayer::RunNoteFactory(StopFlag* stop, SoundPtr& sound, double& shift, double p, const TPlayedNote& note,
                                const TNotePlace& place, std::string& message)
{
    TFactoryPlayerProps& props = OnePlayerProps.FactoryPlayerProps;
    // Found again by name: the factory bound by validation may have closed since.
    TUnitSountory* factory = MainForm().FindUnitSountory(props.Factory);
    props.UnitSountory = factory;
    if (!factory) {
        message = CannotFindFactory(props.Factory);
        return false;
    }
    const std::string name = "\"" + factory->GetName() + "\"";
    factory->RunState = sntRunIdle;
    std::string reason;
    if (!factory->Validate(MainForm().NextValidationStamp(), reason)) {
        message = "Cannot run Soundfactory " + name + " : Validation failed: " + reason;
        return false;
    }
    TSountoryOutput* wave = factory->FindOutput("Wave", nullptr);
    if (!wave) {
        message = "Cannot find Output \"Wave\" in Factory " + name + ".";
        return false;
    }
    if (!wave->IsWave()) {
        message = "Output \"Wave\" is not a valuetype domain of \"Wave\" in Factory " + name + ".";
        return false;
    }
    if (!wave->HasValue()) {
        message = "Output \"Wave\" is mandatory in Factory " + name + ".";
        return false;
    }
    for (const TNoteInput& each : NoteInputs)
        if (TSountoryInput* input = factory->FindInput(each.name, nullptr))
            input->SetValue(TSountoryValue(each.value(p, note, place), each.type));
    if (!factory->Run(reason, stop)) {
        message = "in Factory " + name + ": " + reason;
        return false;
    }
    // Held, never changed: a wave that an input or a window passed through stays theirs.
    SoundPtr made = wave->GetSound();
    const TSountoryOutput* horizontal = factory->FindOutput("Horizontal Shift", nullptr);
    shift = horizontal && horizontal->HasValue() ? horizontal->GetValue().Value : 0.0;
    factory->ReleaseRunSounds();
    if (!made) {
        message = "Factory  " + name + " generated no Wave.";
        return false;
    }
    sound = std::move(made);
    return true;
}

double TOnePlayer::AnswerTime(const TPlayedNote& note, bool leadTime, bool& ok, std::string& message) const
{
    ok = true;
    const double p = GetPartPeriod(note.Period, note.FreqFactor);
    if (!Sounds(p))
        return 0.0;
    const uint8_t kind = OnePlayerProps.NotePlayerKind;
    if (kind == notePlayerFactory)
        return leadTime ? 0.0 : note.Tempo * note.PlayLength;
    const TSamplerAnswers* answers = FindSamplerAnswers(kind);
    if (!answers)
        return 0.0;
    const bool needsSample = leadTime ? answers->LeadTimeNeedsSample : answers->SoundLengthNeedsSample;
    TSample sample;
    std::string missing;
    if (!TakeSample(*OnePlayerProps.SampleWaveOf(kind), sample, missing)) {
        if (needsSample) {
            message += missing;
            ok = false;
            return 0.0;
        }
    } else if (!sample.Sound || sample.IsTooShort()) {
        // Nothing to repeat: no sound, so no time before or after the note.
        return 0.0;
    }
    const TSamplerNote samplerNote{p, note.Seconds(), OnePlayerProps.VolumeFactor.GetValue() * note.VolumeFactor};
    return leadTime ? answers->LeadTime(OnePlayerProps, sample, samplerNote)
                    : answers->SoundLength(OnePlayerProps, sample, samplerNote);
}

double TOnePlayer::GetLeadTime(const TPlayedNote& note, bool& ok, std::string& message) const
{
    return AnswerTime(note, true, ok, message);
}

double TOnePlayer::GetSoundLength(const TPlayedNote& note, bool& ok, std::string& message) const
{
    return AnswerTime(note, false, ok, message);
}
