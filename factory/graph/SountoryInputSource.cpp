#include "factory/graph/SountoryInputSource.h"

#include "factory/document/UnitSountory.h"

TSountoryInputSource::~TSountoryInputSource()
{
    if (UnitSountory)
        UnitSountory->ForgetSource(this);
}

bool TSountoryInputSource::RunOwnerNode(StopFlag*, std::string&)
{
    return true;
}

void TSountoryInputSource::SetSound(SoundPtr sound)
{
    Sound = std::move(sound);
    if (Sound) {
        ValueCount = Sound->GetValues();
        WaveFormat = TWaveFileProps(static_cast<uint16_t>(Sound->channels), static_cast<uint32_t>(Sound->sampleFreq),
                                    static_cast<uint16_t>(Sound->bytesPerSample));
    } else {
        ValueCount = 0;
    }
}

bool TSountoryInputSource::GetWaveFormat(TWaveFileProps& format, int32_t& count) const
{
    if (!Sound)
        return false;
    format = WaveFormat;
    count = ValueCount;
    return true;
}

void TSountoryInputSource::CountTargets(int& notFed, int& fed, ValueDomType kind, const TSountoryNode* skip) const
{
    notFed = 0;
    fed = 0;
    UnitSountory->CountTargets(notFed, fed, this, kind, skip);
}

void TSountoryInputSource::DisconnectTargets()
{
    UnitSountory->DisconnectSource(this);
}

void TSountoryInputSource::SelectTargetsInList(TConnectList& list) const
{
    if (UnitSountory->SelectTargetsOf(list, this) == 0 && !list.Entries.empty())
        list.Entries[0].Selected = true;
}

void TSountoryInputSource::ApplyTargetSelection(const TConnectList& list)
{
    UnitSountory->ApplyTargetSelection(list, this);
}
