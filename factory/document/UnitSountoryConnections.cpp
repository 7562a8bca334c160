#include "factory/document/UnitSountory.h"

namespace {

// Whether the target's entry is selected; -1 or entry 0 ("<none>") is not.
bool IsSelected(const TConnectList& list, const TSountoryOutputTarget* target)
{
    const int index = list.IndexOf(target);
    return index > 0 && list.Entries[static_cast<size_t>(index)].Selected;
}

} // namespace

void TUnitSountory::FillSourceList(TConnectList& list, ValueDomType kind, const TSountoryNode* excluded) const
{
    list.Entries.clear();
    list.Entries.push_back({"<none>"});
    for (const auto& input : InputItems)
        if (SameWaveClass(input->ValueDomType, kind))
            list.Entries.push_back({input->Name + " <Input>", input.get(), nullptr, false});
    for (const auto& node : NodeItems)
        if (node.get() != excluded)
            node->AddSourceNames(list, kind);
}

void TUnitSountory::FillTargetList(TConnectList& list, ValueDomType kind, const TSountoryNode* excluded) const
{
    list.Entries.clear();
    list.Entries.push_back({"<none>"});
    for (const auto& output : OutputItems)
        if (SameWaveClass(output->ValueDomType, kind))
            list.Entries.push_back({output->Name + " <Output>", nullptr, output.get(), false});
    for (const auto& node : NodeItems)
        if (node.get() != excluded)
            node->AddTargetNames(list, kind);
}

int TUnitSountory::SelectTargetsOf(TConnectList& list, const TSountoryInputSource* source) const
{
    int count = list.SelectTargetsFedBy(OutputItems, source);
    for (const auto& node : NodeItems)
        count += node->SelectTargetsOf(list, source);
    return count;
}

void TUnitSountory::ApplyTargetSelection(const TConnectList& list, TSountoryInputSource* source)
{
    for (const auto& output : OutputItems) {
        const bool selected = IsSelected(list, output.get());
        if (output->GetSountoryInputSource() == source) {
            if (!selected)
                output->Disconnect();
        } else if (selected) {
            output->MakeConnection(source);
        }
    }
    for (const auto& node : NodeItems)
        node->ApplyTargetSelection(list, source);
}

void TUnitSountory::CountTargets(int& notFed, int& fed, const TSountoryInputSource* source, ValueDomType kind,
                                 const TSountoryNode* skip) const
{
    for (const auto& output : OutputItems) {
        if (!SameWaveClass(output->ValueDomType, kind))
            continue;
        if (output->GetSountoryInputSource() == source)
            ++fed;
        else
            ++notFed;
    }
    for (const auto& node : NodeItems)
        if (node.get() != skip)
            node->CountInputTargets(notFed, fed, source, kind);
}

void TUnitSountory::CountSources(int& count, const TSountoryInputSource* current, ValueDomType kind,
                                 const TSountoryNode* excluded) const
{
    for (const auto& input : InputItems)
        if (SameWaveClass(input->ValueDomType, kind) && input.get() != current)
            ++count;
    for (const auto& node : NodeItems)
        if (node.get() != excluded)
            node->CountOutputSources(count, current, kind);
}

void TUnitSountory::DisconnectSource(const TSountoryInputSource* source)
{
    for (const auto& output : OutputItems)
        if (output->GetSountoryInputSource() == source)
            output->Disconnect();
    for (const auto& node : NodeItems)
        node->DisconnectSource(source);
}

void TUnitSountory::ForgetSource(const TSountoryInputSource* source)
{
    if (Dying)
        return;
    for (const auto& output : OutputItems)
        if (output->GetSountoryInputSource() == source)
            output->SetSountoryInputSource(nullptr);
    for (const auto& node : NodeItems)
        node->ForgetSource(source);
}
