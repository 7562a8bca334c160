#include "factory/view/PinEditor.h"

#include "factory/document/UnitSountory.h"
#include "foundation/GuiMessages.h"
#include "foundation/values/unitFactor.h"

namespace {

// The words of the name messages by direction.
struct TDirectionWords {
    sntSountoryObject kind;
    const char* article;
};

constexpr TDirectionWords Words[] = {
    {sntSountoryObjectInput, "An Input"},
    {sntSountoryObjectOutput, "An Output"},
    {sntSountoryObjectNodeInput, "A Node Input"},
    {sntSountoryObjectNodeOutput, "A Node Output"},
};

const char* ArticleOf(sntSountoryObject kind)
{
    for (const TDirectionWords& row : Words)
        if (row.kind == kind)
            return row.article;
    return "An Item";
}

sntSountoryObject OtherDirection(sntSountoryObject kind)
{
    switch (kind) {
    case sntSountoryObjectInput: return sntSountoryObjectOutput;
    case sntSountoryObjectOutput: return sntSountoryObjectInput;
    case sntSountoryObjectNodeInput: return sntSountoryObjectNodeOutput;
    default: return sntSountoryObjectNodeInput;
    }
}

// The target end of a pin (a factory output or node input), else null.
TSountoryOutputTarget* TargetOf(TSountoryAlgInputOutput* pin)
{
    return dynamic_cast<TSountoryOutputTarget*>(pin);
}

TSountoryInputSource* SourceOf(TSountoryAlgInputOutput* pin)
{
    return dynamic_cast<TSountoryInputSource*>(pin);
}

// A pin that changed its wave class keeps no value of the old one.
void ClearOwnValue(TSountoryAlgInputOutput* pin)
{
    if (auto* input = dynamic_cast<TSountoryInput*>(pin))
        input->ValueGiven = 0;
    else if (TSountoryOutputTarget* target = TargetOf(pin))
        target->ClearOwnValue();
}

} // namespace

TPinEditor::TPinEditor(const TPinSubject& subject) : Edited(subject)
{
    if (auto* item = dynamic_cast<TSountoryInput*>(subject.Pin))
        Sountory = item->GetUnitSountory();
    else if (auto* item = dynamic_cast<TSountoryOutput*>(subject.Pin))
        Sountory = item->GetUnitSountory();
    else if (auto* pin = dynamic_cast<TSountoryNodeInputOutput*>(subject.Pin)) {
        SountoryNode = pin->GetSountoryNode();
        Sountory = SountoryNode->GetOwner();
    }
}

bool TPinEditor::IsSource() const
{
    return Edited.Kind == sntSountoryObjectInput || Edited.Kind == sntSountoryObjectNodeOutput;
}

bool TPinEditor::HasDescription() const
{
    return Edited.Kind == sntSountoryObjectInput || Edited.Kind == sntSountoryObjectOutput;
}

std::string TPinEditor::Description() const
{
    auto* item = dynamic_cast<TSountoryInputOutput*>(Edited.Pin);
    return item ? item->Description : "";
}

std::vector<ValueDomain> TPinEditor::DomainChoices(ValueDomType kind)
{
    const auto k = static_cast<size_t>(kind);
    std::vector<ValueDomain> domains;
    for (int i = 0; i < ValueDomainCount[k]; ++i)
        domains.push_back(ValueDomainChoices[k][static_cast<size_t>(i)]);
    return domains;
}

TConnectList TPinEditor::ConnectList(ValueDomType kind) const
{
    TConnectList list;
    if (IsSource()) {
        Sountory->FillTargetList(list, kind, SountoryNode);
        SourceOf(Edited.Pin)->SelectTargetsInList(list);
    } else {
        Sountory->FillSourceList(list, kind, SountoryNode);
        TargetOf(Edited.Pin)->SelectSourceInList(list);
    }
    return list;
}

bool TPinEditor::NameTaken(sntSountoryObject kind, const std::string& name,
                           const TSountoryAlgInputOutput* skip) const
{
    switch (kind) {
    case sntSountoryObjectInput:
        return Sountory->FindInput(name, dynamic_cast<const TSountoryInput*>(skip)) != nullptr;
    case sntSountoryObjectOutput:
        return Sountory->FindOutput(name, dynamic_cast<const TSountoryOutput*>(skip)) != nullptr;
    case sntSountoryObjectNodeInput:
        return SountoryNode->FindNodeInput(name, dynamic_cast<const TSountoryNodeInput*>(skip)) != nullptr;
    default: return SountoryNode->FindNodeOutput(name, dynamic_cast<const TSountoryNodeOutput*>(skip)) != nullptr;
    }
}

bool TPinEditor::Check(const std::string& name, const std::string& heightText, int kindIndex, bool domainOffered,
                       int domainIndex, double& height) const
{
    bool ok = true;
    unitFactorPosMax1 value(0.0, EHPerc);
    value.CheckEdit(ok, heightText, "Height");
    height = value.GetValue();
    const TGuiMessages messages;
    if (ok && name.empty()) {
        messages.ErrorFieldEmpty("Name");
        ok = false;
    }
    if (ok && NameTaken(Edited.Kind, name, Edited.Pin)) {
        messages.ShowInputError(std::string(ArticleOf(Edited.Kind)) + " with name \"" + name + "\" already exists.");
        ok = false;
    }
    const sntSountoryObject other = OtherDirection(Edited.Kind);
    if (ok && Edited.Partner && NameTaken(other, name, Edited.Partner)) {
        messages.ShowInputError(std::string(ArticleOf(other)) + " with name \"" + name + "\" already exists.");
        ok = false;
    }
    if (kindIndex < 0 || kindIndex >= ValueDomTypeCount) {
        messages.ShowInputError("No type is selected in the Listbox \"Type\".");
        ok = false;
    }
    if (domainOffered && domainIndex < 0) {
        messages.ShowInputError("No domain is selected in the Listbox \"Domain\".");
        ok = false;
    }
    return ok;
}

void TPinEditor::Apply(const std::string& name, double height, ValueDomType kind, ValueDomain domain,
                       const std::string& description, const TConnectList& list)
{
    TSountoryAlgInputOutput& pin = *Edited.Pin;
    const bool classChanged = !SameWaveClass(pin.ValueDomType, kind);
    pin.Name = name;
    pin.Height.SetValue(height);
    pin.ValueDomType = kind;
    pin.ValueDomain = domain;
    if (auto* item = dynamic_cast<TSountoryInputOutput*>(&pin))
        item->SetDescription(description);
    if (classChanged)
        ClearOwnValue(&pin);
    if (IsSource())
        SourceOf(&pin)->ApplyTargetSelection(list);
    else
        TargetOf(&pin)->SetSourceFromList(list);

    TSountoryAlgInputOutput* partner = Edited.Partner;
    if (!partner)
        return;
    partner->Name = name;
    partner->ValueDomType = kind;
    partner->ValueDomain = domain;
    if (!classChanged)
        return;
    ClearOwnValue(partner);
    // The partner's connections of the old class cannot stay.
    if (TSountoryOutputTarget* target = TargetOf(partner)) {
        if (target->GetSountoryInputSource() && !target->CanConnect(*target->GetSountoryInputSource()))
            target->Disconnect();
    } else if (TSountoryInputSource* source = SourceOf(partner)) {
        for (const auto& output : Sountory->Outputs())
            if (output->GetSountoryInputSource() == source && !output->CanConnect(*source))
                output->Disconnect();
        for (const auto& node : Sountory->Nodes())
            for (const auto& input : node->Inputs())
                if (input->GetSountoryInputSource() == source && !input->CanConnect(*source))
                    input->Disconnect();
    }
}
