#include "factory/document/FactoryKinds.h"
#include "factory/document/UnitSountory.h"

#include <algorithm>

namespace S = StandardItems;

void TUnitSountory::CreateStandardInputs(std::span<const TStandardItem> items)
{
    for (const TStandardItem& item : items) {
        TSountoryInput& input = CreateInput(item.Name, item.Height, 1, item.Kind, item.Domain, item.Description);
        input.CanChangeWaveSubtype = item.CanChangeWaveSubtype ? 1 : 0;
    }
}

void TUnitSountory::CreateStandardOutputs(std::span<const TStandardItem> items)
{
    for (const TStandardItem& item : items) {
        TSountoryOutput& output = CreateOutput(item.Name, item.Height, 1, item.Kind, item.Domain, item.Description);
        output.CanChangeWaveSubtype = item.CanChangeWaveSubtype ? 1 : 0;
    }
}

void TUnitSountory::MarkStandardInputs(std::span<const TStandardItem> items)
{
    for (const TStandardItem& item : items) {
        MarkInputFixed(item.Name);
        if (item.CanChangeWaveSubtype)
            MarkInputWaveSubtype(item.Name);
    }
}

void TUnitSountory::MarkStandardOutputs(std::span<const TStandardItem> items)
{
    for (const TStandardItem& item : items) {
        MarkOutputFixed(item.Name);
        if (item.CanChangeWaveSubtype)
            MarkOutputWaveSubtype(item.Name);
    }
}

void TUnitSountory::DeleteInputNamed(const std::string& name)
{
    if (TSountoryInput* input = FindInput(name, nullptr))
        DeleteInput(input);
}

void TUnitSountory::DeleteOutputNamed(const std::string& name)
{
    if (TSountoryOutput* output = FindOutput(name, nullptr))
        DeleteOutput(output);
}

void TUnitSountory::MarkInputFixed(const std::string& name)
{
    if (TSountoryInput* input = FindInput(name, nullptr))
        input->Fixed = 1;
}

void TUnitSountory::MarkOutputFixed(const std::string& name)
{
    if (TSountoryOutput* output = FindOutput(name, nullptr))
        output->Fixed = 1;
}

void TUnitSountory::MarkInputWaveSubtype(const std::string& name)
{
    if (TSountoryInput* input = FindInput(name, nullptr))
        input->CanChangeWaveSubtype = 1;
}

void TUnitSountory::MarkOutputWaveSubtype(const std::string& name)
{
    if (TSountoryOutput* output = FindOutput(name, nullptr))
        output->CanChangeWaveSubtype = 1;
}

namespace {

template <class List>
void MarkAll(const List& list)
{
    for (const auto& item : list)
        item->KindChangeMark = 1;
}

// Joins each marked (old) item with a fresh unmarked namesake: the same value
// kind and domain keeps the old one, with its connections, in the new one's
// place; a different one keeps the new one. Unmatched old items go when asked.
template <class List, class Remove>
void MergeList(List& list, bool deleteUnmatched, Remove remove)
{
    bool changed = true;
    while (changed) {
        changed = false;
        for (const auto& old : list) {
            if (!old->KindChangeMark)
                continue;
            auto fresh = std::find_if(list.begin(), list.end(), [&old](const auto& item) {
                return !item->KindChangeMark && item->Name == old->Name;
            });
            if (fresh == list.end())
                continue;
            if (old->SameValueDomain(**fresh)) {
                old->CopyFixed(**fresh);
                old->KindChangeMark = 0;
                remove(fresh->get());
            } else {
                remove(old.get());
            }
            changed = true;
            break;
        }
    }
    if (!deleteUnmatched)
        return;
    for (size_t i = 0; i < list.size();) {
        if (list[i]->KindChangeMark)
            remove(list[i].get());
        else
            ++i;
    }
}

} // namespace

void TUnitSountory::MergeRefitItems(bool deleteUnmatched)
{
    MergeList(InputItems, deleteUnmatched, [this](const TSountoryInput* input) { DeleteInput(input); });
    MergeList(OutputItems, deleteUnmatched, [this](const TSountoryOutput* output) { DeleteOutput(output); });
}

void TUnitSountory::FitKindInputsOutputs(uint8_t kind)
{
    MarkAll(InputItems);
    MarkAll(OutputItems);
    switch (kind) {
    case FactoryCreateWW:
        CreateStandardOutputs(S::WaveWindowOutputs);
        MergeRefitItems(false);
        MarkStandardOutputs(S::WaveWindowOutputs);
        break;
    case FactoryChangeWW:
        CreateStandardInputs(S::ChangeWWInputs);
        CreateStandardOutputs(S::WaveWindowOutputs);
        MergeRefitItems(false);
        MarkStandardInputs(S::ChangeWWInputs);
        MarkStandardOutputs(S::WaveWindowOutputs);
        break;
    case FactoryNotePlayer:
        CreateStandardInputs(S::NotePlayerInputs);
        CreateStandardOutputs(S::NotePlayerOutputs);
        MergeRefitItems(false);
        MarkStandardInputs(S::NotePlayerInputs);
        MarkStandardOutputs(S::NotePlayerOutputs);
        break;
    case FactoryMusicProcessor:
        CreateStandardInputs(S::MusicProcessorInput);
        CreateStandardOutputs(S::MusicProcessorOutputs);
        MergeRefitItems(false);
        MarkStandardInputs(S::MusicProcessorInput);
        MarkStandardOutputs(S::MusicProcessorOutputs);
        break;
    case FactoryLoopSimple:
        CreateStandardInputs(S::SimpleLoopCount);
        CreateStandardInputs(S::SimpleLoopCounter);
        MergeRefitItems(false);
        MarkStandardInputs(S::SimpleLoopCount);
        MarkStandardInputs(S::SimpleLoopCounter);
        break;
    case FactoryLoopMix:
        CreateStandardInputs(S::LoopMixWaveAndCount);
        CreateStandardInputs(S::LoopMixCounter);
        CreateStandardOutputs(S::LoopMixOutputs);
        MergeRefitItems(false);
        MarkStandardInputs(S::LoopMixWaveAndCount);
        MarkStandardInputs(S::LoopMixCounter);
        MarkStandardOutputs(S::LoopMixOutputs);
        break;
    case FactoryFormulaWave:
        CreateStandardInputs(S::FormulaLengthAndFormat);
        CreateStandardInputs(S::FormulaPositions);
        CreateStandardOutputs(S::FormulaOutput);
        MergeRefitItems(false);
        MarkStandardInputs(S::FormulaLengthAndFormat);
        MarkStandardInputs(S::FormulaPositions);
        MarkStandardOutputs(S::FormulaOutput);
        break;
    default: break;
    }
    if (kind == FactoryFree) {
        for (const auto& input : InputItems)
            input->Fixed = 0;
        for (const auto& output : OutputItems)
            output->Fixed = 0;
    } else {
        // The standard items of the other kinds go, whoever made them.
        for (const TKindCleanup& cleanup : KindCleanups) {
            if (std::find(cleanup.KeptBy.begin(), cleanup.KeptBy.end(), kind) != cleanup.KeptBy.end())
                continue;
            for (const char* name : cleanup.Names) {
                if (cleanup.Outputs)
                    DeleteOutputNamed(name);
                else
                    DeleteInputNamed(name);
            }
        }
    }
    FactoryKind = kind;
}

void TUnitSountory::SetupKindInputsOutputs(int option, const TSountoryNode* node)
{
    struct Option {
        uint8_t kind;
        std::span<const TStandardItem> inputs;
        std::span<const TStandardItem> moreInputs;
        std::span<const TStandardItem> outputs;
        bool fitToNode;
    };
    static const Option options[12] = {
        {FactoryChangeWW, S::ChangeWWInputs, {}, S::WaveWindowOutputs, false},
        {FactoryCreateWW, {}, {}, S::WaveWindowOutputs, false},
        {FactoryNotePlayer, S::NotePlayerInputs, {}, S::NotePlayerOutputs, false},
        {FactoryMusicProcessor, S::MusicProcessorInput, {}, S::MusicProcessorOutputs, false},
        {FactoryFree, {}, {}, {}, false},
        {FactoryFree, {}, {}, {}, true},
        {FactoryLoopMix, S::LoopMixWaveAndCount, S::LoopMixCounter, S::LoopMixOutputs, false},
        {FactoryLoopMix, {}, {}, {}, true},
        {FactoryLoopSimple, S::SimpleLoopCount, S::SimpleLoopCounter, {}, false},
        {FactoryLoopSimple, {}, {}, {}, true},
        {FactoryFormulaWave, S::FormulaLengthAndFormat, S::FormulaPositions, S::FormulaOutput, false},
        {FactoryFormulaWave, {}, {}, {}, true},
    };
    if (option < 0 || option >= 12)
        return;
    const Option& o = options[option];
    CreateStandardInputs(o.inputs);
    CreateStandardInputs(o.moreInputs);
    CreateStandardOutputs(o.outputs);
    if (o.fitToNode && node)
        FitToNode(*node);
    FactoryKind = o.kind;
    ClearModified();
}

namespace {

// Whether a fresh (unmarked) item of that name was made in this fitting.
template <class List>
bool HasFresh(const List& list, const std::string& name)
{
    return std::any_of(list.begin(), list.end(),
                       [&name](const auto& item) { return !item->KindChangeMark && item->Name == name; });
}

} // namespace

void TUnitSountory::FitToNode(const TSountoryNode& node)
{
    MarkAll(InputItems);
    MarkAll(OutputItems);
    // Each name is made once, even when the node's own pins and the kind's
    // standard items share it.
    auto addInputs = [this](std::span<const TStandardItem> items) {
        for (const TStandardItem& item : items)
            if (!HasFresh(InputItems, item.Name))
                CreateStandardInputs(std::span(&item, 1));
    };
    auto addOutputs = [this](std::span<const TStandardItem> items) {
        for (const TStandardItem& item : items)
            if (!HasFresh(OutputItems, item.Name))
                CreateStandardOutputs(std::span(&item, 1));
    };
    const sntNodeKind kind = node.GetSntNodeKind();
    for (const auto& pin : node.Inputs())
        if (!HasFresh(InputItems, pin->Name))
            CreateInput(pin->Name, pin->GetHeight(), 0, pin->ValueDomType, pin->ValueDomain);
    if (kind == sntNodeMixLoop)
        addInputs(S::LoopMixCounter);
    else if (kind == sntNodeSimpleLoop)
        addInputs(S::SimpleLoopCounter);
    else if (kind == sntNodeFormulaWave)
        addInputs(S::FormulaPositions);
    if (kind == sntNodeUser || kind == sntNodeSimpleLoop) {
        for (const auto& pin : node.Outputs())
            if (!HasFresh(OutputItems, pin->Name))
                CreateOutput(pin->Name, pin->GetHeight(), 0, pin->ValueDomType, pin->ValueDomain);
    } else if (kind == sntNodeMixLoop) {
        addOutputs(S::LoopMixOutputs);
    } else if (kind == sntNodeFormulaWave) {
        addOutputs(S::FormulaOutput);
    }
    MergeRefitItems(true);
}
