#pragma once
#include "factory/graph/SountoryInputSource.h"
#include "factory/graph/SountoryNodeInputOutput.h"

class TSountoryOutput;

// An output pin of a node: a source offering the node's result. During a run
// it counts the consumers that still have to read its wave and drops the wave
// when the last one has.
class TSountoryNodeOutput : public TSountoryNodeInputOutput, public TSountoryInputSource {
public:
    TSountoryNodeOutput(std::string name, TSountoryNode* node, double height, uint8_t fixed, ::ValueDomType kind,
                        ::ValueDomain domain);

    TCanvasPoint GetConnectionPoint() const override;
    sntSountoryObject GetSntSountorySourceKind() const override { return sntSountoryObjectNodeOutput; }
    const TSountoryAlgInputOutput& SourcePin() const override { return *this; }
    std::string GetSourceDisplayName() const override { return GetFullName(); }
    TSountoryNode* GetSourceNode() const override { return SountoryNode; }

    // One consumer more; the node counts its own inputs on its first visit.
    void AddDemand() override;
    // A consumer withdraws: the node's inputs withdraw too when the node has
    // not run and none of its outputs is wanted any more.
    void CancelDemand() override;
    // One consumer fewer; the last one drops the wave.
    void Release() override;
    // A consumer passed the wave on as its result: it is never dropped by demand.
    void TakeOverSound() override { Demand = -1; }
    bool RunOwnerNode(StopFlag* stop, std::string& error) override;

    bool PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart& part) override;
    sntSountoryObject GetSntSountoryObject() const override { return sntSountoryObjectNodeOutput; }
    std::string GetHintText() const override;

    // No demand and no wave: the start of a run, and after a failed one.
    void ResetDemand();
    int32_t GetDemand() const { return Demand; }

    // Label and pin on the node's right edge.
    void Draw(TCanvas& canvas, const TCanvasRect& nodeRect) const;

    // The used factory's output of the same name, set by the bind of a
    // factory-using node.
    TSountoryOutput* UsedOutput = nullptr;

private:
    int32_t Demand = 0;
};
