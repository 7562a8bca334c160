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
class TSountoryInputSource;
class TSountoryNode;
class TUnitSountory;

// The target end of a connection: a factory output or a node's input pin. It
// refers to at most one source or carries an own value instead (a number, or
// for a wave target the name of an open wave window), never both.
class TSountoryOutputTarget {
public:
    explicit TSountoryOutputTarget(TUnitSountory* factory) : UnitSountory(factory) {}
    virtual ~TSountoryOutputTarget() = default;
    TSountoryOutputTarget(const TSountoryOutputTarget&) = delete;
    TSountoryOutputTarget& operator=(const TSountoryOutputTarget&) = delete;

    // Sets the source (or none) and drops the own value.
    virtual void SetSountoryInputSource(TSountoryInputSource* source);
    // Connects; when the two ends can never match the user is asked first.
    // False when the user declined.
    virtual bool MakeConnection(TSountoryInputSource* source);
    // Where connection lines end (window pixels).
    virtual TCanvasPoint GetConnectionPoint() const = 0;
    // 3 for a factory output, 5 for a node input.
    virtual sntSountoryObject GetSntSountoryTargetKind() const = 0;
    // Fetches and checks the arriving value for a run (running the source's
    // node first). failed says the fault lies in this connection.
    virtual bool PullValue(StopFlag* stop, std::string& error, bool& failed) = 0;
    // The wave arriving here: the named window's sound for an own value, the
    // source's wave for a connection, else none. Not owned by the caller.
    virtual SoundPtr GetSound() const;
    virtual bool HasValue() const { return Source != nullptr || HasOwnValue; }
    virtual TSountoryValue GetValueDo() const = 0;
    virtual const TSountoryAlgInputOutput& TargetPin() const = 0;
    // The output's name, or node name "." pin name.
    virtual std::string GetTargetDisplayName() const = 0;
    // The node whose input this is; null for a factory output.
    virtual TSountoryNode* GetTargetNode() const { return nullptr; }

    TSountoryInputSource* GetSountoryInputSource() const { return Source; }
    void SetSource(TSountoryInputSource* source) { SetSountoryInputSource(source); }
    void Disconnect() { Source = nullptr; }

    bool GetHasOwnValue() const { return HasOwnValue != 0; }
    const TSountoryValue& GetOwnValue() const { return OwnValue; }
    UnitKind GetUnitKind() const { return OwnUnitKind; }
    const std::string& GetNameSound() const { return NameSound; }
    void ClearOwnValue() { HasOwnValue = 0; }
    void SetOwnValue(const TSountoryValue& value, UnitKind unitKind);
    void SetNameSound(const std::string& name);

    // Whether the window may offer this target for the source: the same wave
    // class, and never a node's output into the same node.
    bool CanConnect(const TSountoryInputSource& source) const;
    // The incoming connection with its arrow tip arrowGap before this end.
    void DrawConnection(TCanvas& canvas, int32_t arrowGap) const;
    // Selects the source's entry, or entry 0 ("<none>") without a source.
    void SelectSourceInList(TConnectList& list) const;
    // The selected entry's source; entry 0 or none selected clears it.
    void SetSourceFromList(const TConnectList& list);
    void CountSources(int& candidates, int& connected, ValueDomType kind, const TSountoryNode* skip) const;
    bool GetSourceWaveFormat(TWaveFileProps& format, int32_t& count) const;
    // The source's or the own value; false with neither.
    bool GetCurrentValue(TSountoryValue& value) const;
    TSountoryValue GetDialogValue() const;
    // The hint over the pin: the arriving wave's format, or the value when
    // valueKnown (or an own value) says there is one to show.
    std::string TargetHintText(bool valueKnown) const;

    // One demand more (or less) on a node output that feeds this target.
    void CountDemand();
    void CancelDemand();
    // Runs the source's node, then checks what arrives against kind and domain;
    // the message names the target with its label ("Output", "Node Input").
    bool PassValue(StopFlag* stop, std::string& error, bool& failed, ValueDomType kind, ValueDomain domain,
                   const std::string& name, const std::string& label);
    // A wave position as a sample count on the wave arriving at waveTarget:
    // a Time by the sample frequency, a WaveCount as it is, anything else as a
    // fraction of the length; negative positions count back from the end.
    static TSountoryValue WavePosToCount(const TSountoryValue& position, const TSountoryOutputTarget& waveTarget);

    TUnitSountory* GetUnitSountory() const { return UnitSountory; }

protected:
    TUnitSountory* UnitSountory;
    TSountoryInputSource* Source = nullptr;
    uint8_t HasOwnValue = 0;
    TSountoryValue OwnValue;
    UnitKind OwnUnitKind = EHNone;
    std::string NameSound;
};
