#pragma once
#include "factory/graph/ConnectList.h"
#include "factory/graph/SountoryKinds.h"
#include "factory/values/SountoryValue.h"
#include "foundation/draw/Canvas.h"
#include "wave/Sound.h"
#include "wave/document/WaveFileProps.h"

#include <cstdint>
#include <string>

class TSountoryAlgInputOutput;
class TSountoryNode;
class TUnitSountory;

// The source end of connections: a factory input or a node's output pin. It
// offers a value and a wave to every target connected to it. The wave is
// shared, so a run never frees a sound its caller still holds.
class TSountoryInputSource {
public:
    explicit TSountoryInputSource(TUnitSountory* factory) : UnitSountory(factory) {}
    // Every target fed by this source loses it.
    virtual ~TSountoryInputSource();
    TSountoryInputSource(const TSountoryInputSource&) = delete;
    TSountoryInputSource& operator=(const TSountoryInputSource&) = delete;

    // Where connection lines leave the source (window pixels).
    virtual TCanvasPoint GetConnectionPoint() const = 0;
    // 2 for a factory input, 6 for a node output.
    virtual sntSountoryObject GetSntSountorySourceKind() const = 0;
    virtual const TSountoryAlgInputOutput& SourcePin() const = 0;
    // The input's name, or node name "." pin name.
    virtual std::string GetSourceDisplayName() const = 0;
    // The node whose output this is; null for a factory input.
    virtual TSountoryNode* GetSourceNode() const { return nullptr; }

    // The demand protocol of a run, which only node outputs take part in: a
    // consumer counts itself, withdraws, releases after it ran, or takes the
    // wave over as its own result. Runs the owner node before a pull.
    virtual void AddDemand() {}
    virtual void CancelDemand() {}
    virtual void Release() {}
    virtual void TakeOverSound() {}
    virtual bool RunOwnerNode(StopFlag* stop, std::string& error);

    // The offered wave with its length and format; none clears them.
    virtual void SetSound(SoundPtr sound);
    const SoundPtr& GetSound() const { return Sound; }
    TSountoryValue GetValue() const { return Value; }
    void SetValue(const TSountoryValue& value) { Value = value; }
    // False when no wave is offered.
    bool GetWaveFormat(TWaveFileProps& format, int32_t& count) const;
    int32_t GetValueCount() const { return ValueCount; }

    // The targets of this source's wave class that it feeds and does not feed,
    // leaving out the inputs of skip (its own node, or none).
    void CountTargets(int& notFed, int& fed, ValueDomType kind, const TSountoryNode* skip) const;
    void DisconnectTargets();
    // Selects the entries of the targets fed by this source; "<none>" when none is.
    void SelectTargetsInList(TConnectList& list) const;
    // Connects the selected targets and disconnects the others.
    void ApplyTargetSelection(const TConnectList& list);

    TUnitSountory* GetUnitSountory() const { return UnitSountory; }

protected:
    TUnitSountory* UnitSountory;
    TSountoryValue Value;
    SoundPtr Sound;
    int32_t ValueCount = 0;
    TWaveFileProps WaveFormat{1, 1, 1};
};
