#include "factory/graph/SountoryOutput.h"

#include "factory/document/UnitSountory.h"
#include "factory/graph/SountoryInputSource.h"
#include "factory/values/ValueTexts.h"
#include "platform/Assertions.h"

TSountoryOutput::TSountoryOutput(std::string name, TUnitSountory* factory, double height, uint8_t fixed,
                                 ::ValueDomType kind, ::ValueDomain domain, std::string description,
                                 int32_t sequence)
    : TSountoryOutputTarget(factory),
      TSountoryInputOutput(std::move(name), factory, height, fixed, kind, domain, std::move(description),
                           sequence == -1 ? factory->GetMaxOutputSequence() + 1 : sequence)
{
}

TCanvasPoint TSountoryOutput::GetConnectionPoint() const
{
    const TCanvasRect frame = Factory->GetFrameRect();
    return {frame.Right, PinLineY(frame.Top, frame.Bottom, GetHeight())};
}

bool TSountoryOutput::PullValue(StopFlag* stop, std::string& error, bool& failed)
{
    return PassValue(stop, error, failed, ValueDomType, ValueDomain, Name, "Output");
}

TSountoryValue TSountoryOutput::GetValueDo() const
{
    TSountoryValue value;
    if (!GetCurrentValue(value)) {
        // Callers read only outputs that have a source or a value of their own.
        QB_CHECK(!"an output to read");
        return {};
    }
    if (ValueDomType == ::ValueDomType::WavePos) {
        // Counted on the wave the factory makes; the run has made sure it is there.
        if (const TSountoryOutput* result = Factory->FindOutput("Result", nullptr))
            return WavePosToCount(value, *result);
    }
    return value;
}

bool TSountoryOutput::PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart&)
{
    const TCanvasRect frame = Factory->GetFrameRect();
    return PinHit(point, {frame.Right, GetPinY(frame)}, 10, 7, distance);
}

std::string TSountoryOutput::GetHintText() const
{
    return TargetHintText(Factory->RunState == sntRunDone);
}

TSountoryValue TSountoryOutput::GetValue() const
{
    return ConvertTimeFrequency(GetValueDo(), ValueDomType);
}

void TSountoryOutput::Draw(TCanvas& canvas, const TCanvasRect& frame) const
{
    DrawLabel(canvas, frame, SideRight);
    DrawConnection(canvas, 10);
    DrawPin(canvas, frame.Right, frame, HasOwnValue != 0, SideRight);
}

TSountoryValue ConvertTimeFrequency(const TSountoryValue& value, ValueDomType kind)
{
    if (value.Type == ValueType::Time && kind == ValueDomType::Frequency)
        return {1 / value.Value, ValueType::Frequency};
    if (value.Type == ValueType::Frequency && kind == ValueDomType::Time)
        return {1 / value.Value, ValueType::Time};
    return value;
}
