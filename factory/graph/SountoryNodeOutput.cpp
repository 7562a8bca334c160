#include "factory/graph/SountoryNodeOutput.h"

#include "factory/nodes/SountoryNode.h"
#include "factory/values/ValueTexts.h"

TSountoryNodeOutput::TSountoryNodeOutput(std::string name, TSountoryNode* node, double height, uint8_t fixed,
                                         ::ValueDomType kind, ::ValueDomain domain)
    : TSountoryNodeInputOutput(std::move(name), node, height, fixed, kind, domain),
      TSountoryInputSource(node->GetOwner())
{
}

TCanvasPoint TSountoryNodeOutput::GetConnectionPoint() const
{
    const TCanvasRect rect = SountoryNode->GetWindowRect();
    return {rect.Right, GetLineY(rect)};
}

void TSountoryNodeOutput::AddDemand()
{
    ++Demand;
    SountoryNode->CountDemand();
}

void TSountoryNodeOutput::Release()
{
    --Demand;
    if (Demand == 0)
        TSountoryInputSource::SetSound(nullptr);
}

void TSountoryNodeOutput::CancelDemand()
{
    Release();
    SountoryNode->WithdrawInputDemandsWhenUnneeded();
}

bool TSountoryNodeOutput::RunOwnerNode(StopFlag* stop, std::string& error)
{
    return SountoryNode->Run(stop, error);
}

void TSountoryNodeOutput::ResetDemand()
{
    Demand = 0;
    TSountoryInputSource::SetSound(nullptr);
}

bool TSountoryNodeOutput::PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart&)
{
    const TCanvasRect rect = SountoryNode->GetWindowRect();
    return PinHit(point, {rect.Right, GetPinY(rect)}, 8, 6, distance);
}

std::string TSountoryNodeOutput::GetHintText() const
{
    if (SountoryNode->RunState != sntRunDone)
        return "Undefined";
    if (!IsWave())
        return ValueToTextAutoUnit(Value);
    return Sound ? WaveFormatText(WaveFormat, ValueCount) : "Undefined";
}

void TSountoryNodeOutput::Draw(TCanvas& canvas, const TCanvasRect& nodeRect) const
{
    DrawLabel(canvas, nodeRect, SideRight);
    DrawPin(canvas, nodeRect.Right, nodeRect, false, SideRight);
}
