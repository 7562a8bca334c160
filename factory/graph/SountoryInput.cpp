#include "factory/graph/SountoryInput.h"

#include "factory/document/UnitSountory.h"
#include "factory/values/ValueTexts.h"

TSountoryInput::TSountoryInput(std::string name, TUnitSountory* factory, double height, uint8_t fixed,
                               ::ValueDomType kind, ::ValueDomain domain, std::string description, int32_t sequence)
    : TSountoryInputSource(factory),
      TSountoryInputOutput(std::move(name), factory, height, fixed, kind, domain, std::move(description),
                           sequence == -1 ? factory->GetMaxInputSequence() + 1 : sequence)
{
}

TCanvasPoint TSountoryInput::GetConnectionPoint() const
{
    const TCanvasRect frame = Factory->GetFrameRect();
    return {frame.Left, PinLineY(frame.Top, frame.Bottom, GetHeight())};
}

bool TSountoryInput::PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart&)
{
    const TCanvasRect frame = Factory->GetFrameRect();
    return PinHit(point, {frame.Left, GetPinY(frame)}, 10, 7, distance);
}

std::string TSountoryInput::GetHintText() const
{
    std::string text = "Undefined";
    if (Factory->RunState == sntRunIdle)
        return text;
    if (!IsWave())
        return ValueToTextAutoUnit(Value);
    if (ValueGiven)
        text = "Wave: \"" + NameSound + "\"";
    if (Sound) {
        const std::string format = WaveFormatText(WaveFormat, ValueCount);
        text = ValueGiven ? text + "\n" + format : format;
    }
    return text;
}

void TSountoryInput::SetSound(SoundPtr sound)
{
    if (IsWave())
        ValueGiven = 0;
    TSountoryInputSource::SetSound(std::move(sound));
}

bool TSountoryInput::IsWaveWindowInput() const
{
    return Name == "Wave" || Name == "Select Begin" || Name == "Select End" || Name == "Replace Begin"
        || Name == "Replace End";
}

void TSountoryInput::SetOwnValue(const TSountoryValue& value, UnitKind unitKind)
{
    ValueGiven = 1;
    Value = value;
    GivenUnitKind = unitKind;
}

void TSountoryInput::SetNameSound(const std::string& name)
{
    ValueGiven = 1;
    NameSound = name;
}

TSountoryValue TSountoryInput::GetDialogValue() const
{
    return DialogValue(ValueGiven != 0, Value);
}

void TSountoryInput::Draw(TCanvas& canvas, const TCanvasRect& frame) const
{
    DrawLabel(canvas, frame, SideLeft);
    DrawPin(canvas, frame.Left, frame, false, SideLeft);
}
