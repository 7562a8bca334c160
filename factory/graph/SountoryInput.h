#pragma once
#include "factory/graph/SountoryInputOutput.h"
#include "factory/graph/SountoryInputSource.h"

// A factory input: a source inside its factory, bound by the caller before a
// run (a wave, or a value) or given in the values dialog. It sits on the
// frame's left edge.
class TSountoryInput : public TSountoryInputSource, public TSountoryInputOutput {
public:
    // A sequence of -1 takes the next free number of the factory's inputs.
    TSountoryInput(std::string name, TUnitSountory* factory, double height, uint8_t fixed, ::ValueDomType kind,
                   ::ValueDomain domain, std::string description, int32_t sequence);

    TCanvasPoint GetConnectionPoint() const override;
    sntSountoryObject GetSntSountorySourceKind() const override { return sntSountoryObjectInput; }
    const TSountoryAlgInputOutput& SourcePin() const override { return *this; }
    std::string GetSourceDisplayName() const override { return Name; }

    bool PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart& part) override;
    sntSountoryObject GetSntSountoryObject() const override { return sntSountoryObjectInput; }
    std::string GetHintText() const override;

    // A caller's wave: it wins over a wave name a values dialog left here.
    void SetSound(SoundPtr sound) override;
    // The wave of the window named by the values dialog, bound by the run.
    void BindNamedSound(SoundPtr sound) { TSountoryInputSource::SetSound(std::move(sound)); }

    // One of the inputs a run on a wave window supplies itself ("Wave",
    // "Select Begin", "Select End", "Replace Begin", "Replace End").
    bool IsWaveWindowInput() const;
    // What the values dialog gives: a value typed in a unit, or a window name.
    void SetOwnValue(const TSountoryValue& value, UnitKind unitKind);
    void SetNameSound(const std::string& name);
    // The value the values dialog starts from.
    TSountoryValue GetDialogValue() const;
    bool CheckWavePosition(std::string& message) const { return CheckWavePositionAs("Input ", message); }

    // Label and pin on the frame's left edge.
    void Draw(TCanvas& canvas, const TCanvasRect& frame) const;

    uint8_t ValueGiven = 0;
    UnitKind GivenUnitKind = EHNone;
    std::string NameSound;
};
