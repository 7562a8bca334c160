#include "factory/graph/SountoryOutputTarget.h"

#include "factory/document/UnitSountory.h"
#include "factory/graph/ConnectionArrow.h"
#include "factory/graph/ConnectionRating.h"
#include "factory/graph/SountoryAlgInputOutput.h"
#include "factory/graph/SountoryInputSource.h"
#include "factory/values/ValueTexts.h"
#include "foundation/values/unitFactor.h"
#include "platform/MessageService.h"
#include "wave/MainFormAccess.h"
#include "wave/document/UnitWave.h"

#include <cmath>

void TSountoryOutputTarget::SetSountoryInputSource(TSountoryInputSource* source)
{
    Source = source;
    HasOwnValue = 0;
}

bool TSountoryOutputTarget::MakeConnection(TSountoryInputSource* source)
{
    const TSountoryAlgInputOutput& from = source->SourcePin();
    const TSountoryAlgInputOutput& to = TargetPin();
    if (RateTypeMatch(from.ValueDomain, from.ValueDomType, to.ValueDomain, to.ValueDomType) == 0) {
        // The caption ends with the target's name, as it always has.
        const MsgAnswer answer =
            Messages().Show("Values out from the Source of this connection will never match the Target.",
                            "Make Connection between \"" + source->GetSourceDisplayName() + "\" and \""
                                + GetTargetDisplayName(),
                            MsgIcon::Exclamation, MsgButtons::OkCancel);
        if (answer == MsgAnswer::Cancel)
            return false;
    }
    SetSountoryInputSource(source);
    return true;
}

SoundPtr TSountoryOutputTarget::GetSound() const
{
    if (HasOwnValue) {
        TUnitWave* wave = MainForm().FindUnitWave(NameSound);
        return wave ? wave->GetSound() : nullptr;
    }
    return Source ? Source->GetSound() : nullptr;
}

void TSountoryOutputTarget::SetOwnValue(const TSountoryValue& value, UnitKind unitKind)
{
    HasOwnValue = 1;
    OwnValue = value;
    OwnUnitKind = unitKind;
    Source = nullptr;
}

void TSountoryOutputTarget::SetNameSound(const std::string& name)
{
    HasOwnValue = 1;
    NameSound = name;
    Source = nullptr;
}

bool TSountoryOutputTarget::CanConnect(const TSountoryInputSource& source) const
{
    if (source.GetSourceNode() && source.GetSourceNode() == GetTargetNode())
        return false;
    return SameWaveClass(source.SourcePin().ValueDomType, TargetPin().ValueDomType);
}

void TSountoryOutputTarget::DrawConnection(TCanvas& canvas, int32_t arrowGap) const
{
    if (!Source)
        return;
    const TSountoryAlgInputOutput& from = Source->SourcePin();
    DrawConnectionArrow(canvas, Source->GetConnectionPoint(), GetConnectionPoint(), arrowGap, from.IsWave() ? 2 : 1,
                        from.GetTypeColor());
}

void TSountoryOutputTarget::SelectSourceInList(TConnectList& list) const
{
    const int index = Source ? list.IndexOf(Source) : 0;
    if (index >= 0 && index < static_cast<int>(list.Entries.size()))
        list.Entries[static_cast<size_t>(index)].Selected = true;
}

void TSountoryOutputTarget::SetSourceFromList(const TConnectList& list)
{
    for (size_t i = 1; i < list.Entries.size(); ++i) {
        if (list.Entries[i].Selected && list.Entries[i].Source) {
            SetSountoryInputSource(list.Entries[i].Source);
            return;
        }
    }
    Disconnect();
}

void TSountoryOutputTarget::CountSources(int& candidates, int& connected, ValueDomType kind,
                                         const TSountoryNode* skip) const
{
    connected = Source ? 1 : 0;
    candidates = 0;
    UnitSountory->CountSources(candidates, Source, kind, skip);
}

bool TSountoryOutputTarget::GetSourceWaveFormat(TWaveFileProps& format, int32_t& count) const
{
    return Source && Source->GetWaveFormat(format, count);
}

void TSountoryOutputTarget::CountDemand()
{
    if (Source)
        Source->AddDemand();
}

void TSountoryOutputTarget::CancelDemand()
{
    if (Source)
        Source->CancelDemand();
}

bool TSountoryOutputTarget::PassValue(StopFlag* stop, std::string& error, bool& failed, ValueDomType kind,
                                      ValueDomain domain, const std::string& name, const std::string& label)
{
    failed = false;
    if (Source && !Source->RunOwnerNode(stop, error))
        return false;
    if (!Source)
        return true;
    const std::string target = label + " \"" + name + "\"";
    if (kind == ValueDomType::Wave) {
        const SoundPtr sound = GetSound();
        if (!sound)
            error = target + " got no Sound.";
        else if (domain == ValueDomain::Mono && sound->channels == 2)
            error = target + " must be Mono, but is Stereo.";
        else if (domain == ValueDomain::Stereo && sound->channels == 1)
            error = target + " must be Stereo, but is Mono.";
        else
            return true;
        failed = true;
        return false;
    }
    const TSountoryValue v = Source->GetValue();
    if (v.Type == ValueType::Time && kind == ValueDomType::Frequency && v.Value == 0)
        error = "Cannot convert " + target + " from type Time to type Frequency, because time is 0 s.";
    else if (v.Type == ValueType::Frequency && kind == ValueDomType::Time && v.Value == 0)
        error = "Cannot convert " + target + " from type Frequency to type Time, because frequency is 0 Hertz.";
    else if (!v.IsTypeCompatible(kind))
        error = target + " with Valuetype \"" + ValueTypeNames[static_cast<int>(v.Type)]
              + "\" does not fit in Valuetype Domain \"" + ValueDomTypeNames[static_cast<int>(kind)] + "\".";
    else if (kind != ValueDomType::WavePos && !IsInValueDomain(v.Value, domain))
        error = target + " with Value \"" + unitFactor(v.Value, EHNone).GetText() + "\" does not fit in Domain \""
              + ValueDomainNames[static_cast<int>(domain)] + "\".";
    else
        return true;
    failed = true;
    return false;
}

TSountoryValue TSountoryOutputTarget::WavePosToCount(const TSountoryValue& position,
                                                     const TSountoryOutputTarget& waveTarget)
{
    const SoundPtr wave = waveTarget.GetSound();
    const double n = wave ? wave->GetValues() : 0;
    const double f = wave ? wave->sampleFreq : 0;
    double p = position.Value;
    const bool fromEnd = p < 0;
    if (fromEnd)
        p = -p;
    double c;
    if (position.Type == ValueType::Time)
        c = std::trunc(f * p);
    else if (position.Type == ValueType::WaveCount)
        c = std::trunc(p);
    else
        c = std::trunc(n * p);
    // Kept as stored factories count: -1 is the last sample but one.
    if (fromEnd)
        c = n - 1 - c;
    return {c, ValueType::WaveCount};
}

bool TSountoryOutputTarget::GetCurrentValue(TSountoryValue& value) const
{
    if (Source) {
        value = Source->GetValue();
        return true;
    }
    if (HasOwnValue) {
        value = OwnValue;
        return true;
    }
    return false;
}

TSountoryValue TSountoryOutputTarget::GetDialogValue() const
{
    return TargetPin().DialogValue(HasOwnValue != 0, OwnValue);
}

std::string TSountoryOutputTarget::TargetHintText(bool valueKnown) const
{
    std::string text = "Undefined";
    if (TargetPin().IsWave()) {
        if (HasOwnValue)
            text = "Wave: \"" + NameSound + "\"";
        TWaveFileProps format(1, 1, 1);
        int32_t count = 0;
        if (GetSourceWaveFormat(format, count))
            text = WaveFormatText(format, count);
        return text;
    }
    TSountoryValue value;
    if ((valueKnown || HasOwnValue) && GetCurrentValue(value))
        text = HasOwnValue ? ValueToText(value, OwnUnitKind) : ValueToTextAutoUnit(value);
    return text;
}
