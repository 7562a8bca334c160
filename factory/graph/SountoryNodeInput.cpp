#include "factory/graph/SountoryNodeInput.h"

#include "factory/graph/SountoryInputSource.h"
#include "factory/graph/SountoryOutput.h"
#include "factory/nodes/SountoryNode.h"
#include "factory/values/ValueTexts.h"
#include "platform/Assertions.h"

TSountoryNodeInput::TSountoryNodeInput(std::string name, TSountoryNode* node, double height, uint8_t fixed,
                                       ::ValueDomType kind, ::ValueDomain domain)
    : TSountoryNodeInputOutput(std::move(name), node, height, fixed, kind, domain),
      TSountoryOutputTarget(node->GetOwner())
{
}

TCanvasPoint TSountoryNodeInput::GetConnectionPoint() const
{
    const TCanvasRect rect = SountoryNode->GetWindowRect();
    return {rect.Left, GetLineY(rect)};
}

bool TSountoryNodeInput::PullValue(StopFlag* stop, std::string& error, bool& failed)
{
    return PassValue(stop, error, failed, ValueDomType, ValueDomain, Name, "Node Input");
}

TSountoryValue TSountoryNodeInput::GetValueDo() const
{
    TSountoryValue value;
    if (!GetCurrentValue(value)) {
        // Validation makes sure every input a computation reads is set.
        QB_CHECK(!"a node input to read");
        return {};
    }
    if (ValueDomType == ::ValueDomType::WavePos) {
        if (const TSountoryNodeInput* wave = SountoryNode->FindNodeInput("Wave", nullptr))
            return WavePosToCount(value, *wave);
    }
    return value;
}

bool TSountoryNodeInput::HasPositionReference() const
{
    if (ValueDomType != ::ValueDomType::WavePos || !HasValue())
        return true;
    const TSountoryNodeInput* wave = SountoryNode->FindNodeInput("Wave", nullptr);
    return wave && wave != this && wave->GetSound() != nullptr;
}

bool TSountoryNodeInput::PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart&)
{
    const TCanvasRect rect = SountoryNode->GetWindowRect();
    return PinHit(point, {rect.Left, GetPinY(rect)}, 8, 6, distance);
}

std::string TSountoryNodeInput::GetHintText() const
{
    return TargetHintText(SountoryNode->RunState != sntRunIdle);
}

TSountoryValue TSountoryNodeInput::GetValue() const
{
    return ConvertTimeFrequency(GetValueDo(), ValueDomType);
}

void TSountoryNodeInput::ReleaseSource()
{
    if (Source)
        Source->Release();
}

void TSountoryNodeInput::TakeOverSourceSound()
{
    if (Source)
        Source->TakeOverSound();
}

void TSountoryNodeInput::Draw(TCanvas& canvas, const TCanvasRect& nodeRect) const
{
    DrawLabel(canvas, nodeRect, SideLeft);
    DrawConnection(canvas, 6);
    DrawPin(canvas, nodeRect.Left, nodeRect, HasOwnValue != 0, SideLeft);
}
