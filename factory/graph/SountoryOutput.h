#pragma once
#include "factory/graph/SountoryInputOutput.h"
#include "factory/graph/SountoryOutputTarget.h"

// A factory output: a target inside its factory that the caller reads after a
// run. It sits on the frame's right edge.
class TSountoryOutput : public TSountoryOutputTarget, public TSountoryInputOutput {
public:
    // A sequence of -1 takes the next free number of the factory's outputs.
    TSountoryOutput(std::string name, TUnitSountory* factory, double height, uint8_t fixed, ::ValueDomType kind,
                    ::ValueDomain domain, std::string description, int32_t sequence);

    TCanvasPoint GetConnectionPoint() const override;
    sntSountoryObject GetSntSountoryTargetKind() const override { return sntSountoryObjectOutput; }
    bool PullValue(StopFlag* stop, std::string& error, bool& failed) override;
    // The source's value, or the own value; a wave position counted in
    // samples of the output "Result".
    TSountoryValue GetValueDo() const override;
    const TSountoryAlgInputOutput& TargetPin() const override { return *this; }
    std::string GetTargetDisplayName() const override { return Name; }

    bool PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart& part) override;
    sntSountoryObject GetSntSountoryObject() const override { return sntSountoryObjectOutput; }
    std::string GetHintText() const override;

    // The value for the caller: a Time read at a Frequency output (or the
    // reverse) is turned into its reciprocal.
    TSountoryValue GetValue() const;
    bool CheckWavePosition(std::string& message) const { return CheckWavePositionAs("Output ", message); }

    // Label, incoming connection and pin on the frame's right edge.
    void Draw(TCanvas& canvas, const TCanvasRect& frame) const;
};

// A Time value read where a Frequency is wanted becomes 1 / value, and the reverse.
TSountoryValue ConvertTimeFrequency(const TSountoryValue& value, ValueDomType kind);
