#pragma once
#include "factory/graph/SountoryNodeInputOutput.h"
#include "factory/graph/SountoryOutputTarget.h"

class TSountoryInput;

// An input pin of a node: a target fed by a factory input or another node's
// output, or carrying an own value. It sits on the node's left edge.
class TSountoryNodeInput : public TSountoryNodeInputOutput, public TSountoryOutputTarget {
public:
    TSountoryNodeInput(std::string name, TSountoryNode* node, double height, uint8_t fixed, ::ValueDomType kind,
                       ::ValueDomain domain);

    TCanvasPoint GetConnectionPoint() const override;
    sntSountoryObject GetSntSountoryTargetKind() const override { return sntSountoryObjectNodeInput; }
    bool PullValue(StopFlag* stop, std::string& error, bool& failed) override;
    // The arriving value; at a wave position pin counted in samples of the
    // node's input "Wave", whether it is connected or the pin's own.
    TSountoryValue GetValueDo() const override;
    const TSountoryAlgInputOutput& TargetPin() const override { return *this; }
    std::string GetTargetDisplayName() const override { return GetFullName(); }
    TSountoryNode* GetTargetNode() const override { return SountoryNode; }

    bool PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart& part) override;
    sntSountoryObject GetSntSountoryObject() const override { return sntSountoryObjectNodeInput; }
    std::string GetHintText() const override;

    bool Pull(StopFlag* stop, std::string& error, bool& failed) { return PullValue(stop, error, failed); }
    // The value as the node's computation reads it: a Time at a Frequency pin
    // (or the reverse) becomes its reciprocal.
    TSountoryValue GetValue() const;
    // Whether a wave position here has the wave it is counted on.
    bool HasPositionReference() const;

    // After the node ran: one consumer fewer for a node output that fed it.
    void ReleaseSource();
    // The node passes the arriving wave on as its own result: the source never
    // drops it by demand.
    void TakeOverSourceSound();

    // Label, incoming connection and pin on the node's left edge.
    void Draw(TCanvas& canvas, const TCanvasRect& nodeRect) const;

    // The loop check's mark: 0 not seen, 1 on the path being followed, 2 done.
    uint8_t LoopColor = 0;
    // The used factory's input of the same name, set by the bind of a
    // factory-using node.
    TSountoryInput* UsedInput = nullptr;
};
