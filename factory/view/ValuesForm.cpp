#include "factory/view/ValuesForm.h"

#include "factory/document/UnitSountory.h"
#include "factory/graph/ConnectionRating.h"
#include "factory/values/ValueObjects.h"
#include "foundation/GuiMessages.h"
#include "foundation/values/NumericHelpers.h"
#include "foundation/values/unit.h"
#include "platform/SampleConvert.h"
#include "wave/MainFormAccess.h"

#include <algorithm>

namespace {

constexpr int32_t SampleFrequencies[] = {5512, 11025, 22050, 44100, 88200, 176128};

bool IsComboType(ValueType t)
{
    return t == ValueType::WaveMonoStereo || t == ValueType::WaveBytesPerSample ||
           t == ValueType::WaveSampleFrequency;
}

} // namespace

std::vector<std::string> ValueComboItems(ValueType type)
{
    switch (type) {
    case ValueType::WaveMonoStereo: return {"Mono", "Stereo"};
    case ValueType::WaveBytesPerSample: return {"1 Byte per Sample", "2 Bytes per Sample"};
    case ValueType::WaveSampleFrequency: return {"5 kHz", "11 kHz", "22 kHz", "44 kHz", "88 kHz", "176 kHz"};
    default: return {};
    }
}

TValuesForm::TValuesForm(TUnitSountory& factory, std::vector<TSountoryInput*> inputs, bool types)
    : ItemKind(FactoryInputs), Types(types), OwnerName(factory.GetName())
{
    std::stable_sort(inputs.begin(), inputs.end(),
                     [](const TSountoryInput* a, const TSountoryInput* b) { return a->Sequence < b->Sequence; });
    for (TSountoryInput* input : inputs)
        AddRow(*input, input, nullptr);
}

TValuesForm::TValuesForm(TSountoryNode& node, bool types) : ItemKind(NodeInputs), Types(types), OwnerName(node.Name)
{
    for (const auto& pin : node.Inputs())
        if (!types || pin->IsGenericType())
            AddRow(*pin, nullptr, pin.get());
}

TValuesForm::TValuesForm(TUnitSountory& factory, bool types)
    : ItemKind(FactoryOutputs), Types(types), OwnerName(factory.GetName())
{
    for (const auto& output : factory.Outputs())
        if (!types || output->IsGenericType())
            AddRow(*output, nullptr, output.get());
}

std::string TValuesForm::Caption() const
{
    std::string caption = ItemKind == FactoryOutputs ? "Output " : "Input ";
    if (Types)
        caption += "Type of ";
    static const char* const Owners[] = {"Values of Node ", "Values of Factory ", "Values of Sountory "};
    return caption + Owners[ItemKind] + "\"" + OwnerName + "\"";
}

int TValuesForm::ClientHeight() const
{
    int height = 22 * static_cast<int>(RowList.size()) + 34;
    if (ItemKind == FactoryInputs)
        for (const TValueRow& row : RowList)
            height += 13 * row.DescriptionLines + 5;
    return std::clamp(height, 100, 264);
}

void TValuesForm::AddRow(TSountoryAlgInputOutput& pin, TSountoryInput* input, TSountoryOutputTarget* target)
{
    TValueRow row;
    row.Name = pin.Name;
    row.Input = input;
    row.Target = target;
    row.Kind = pin.ValueDomType;
    row.Domain = pin.ValueDomain;
    UnitKind unitKind = EHNone;
    std::string nameSound;
    if (input) {
        row.Description = input->Description;
        row.DescriptionLines = input->Description.empty() ? 0 : CountLines(input->Description);
        row.Value = input->GetDialogValue();
        row.Own = input->ValueGiven != 0;
        unitKind = input->GivenUnitKind;
        nameSound = input->NameSound;
    } else if (auto* node = dynamic_cast<TSountoryNodeInput*>(target)) {
        row.Value = node->GetDialogValue();
    } else if (auto* output = dynamic_cast<TSountoryOutput*>(target)) {
        row.Value = output->GetDialogValue();
    }
    if (target) {
        row.Connected = target->GetSountoryInputSource() != nullptr;
        row.Own = target->GetHasOwnValue();
        unitKind = target->GetUnitKind();
        nameSound = target->GetNameSound();
    }
    const ValueType t = row.Value.Type;

    if (Types) {
        row.Editor = TValueEditor::TypeList;
        if (!row.Connected) {
            for (int i = 0; i < ValueTypeCount; ++i) {
                const auto each = static_cast<ValueType>(i);
                if (!IsValueTypeCompatible(each, row.Kind))
                    continue;
                if (each == t)
                    row.Selected = static_cast<int>(row.Types.size());
                row.Types.push_back(each);
                row.Items.push_back(ValueTypeNames[i]);
            }
        }
    } else if (row.Kind == ValueDomType::Wave) {
        row.Editor = TValueEditor::WaveCombo;
        WaveNameList waves;
        MainForm().AddWaveNames(waves, WaveDomainWindowFilter(row.Domain));
        for (const WaveNameItem& wave : waves)
            row.Items.push_back(wave.name);
        if (row.Own)
            row.Text = nameSound;
    } else if (t == ValueType::Boolean) {
        row.Editor = TValueEditor::Flag;
        row.Flag = row.Own && row.Value.Value != 0;
    } else if (IsComboType(t)) {
        row.Editor = TValueEditor::Combo;
        row.Items = ValueComboItems(t);
        if (row.Own) {
            if (t == ValueType::WaveSampleFrequency) {
                const int32_t whole = ToInt32(row.Value.Value);
                for (size_t i = 0; i < std::size(SampleFrequencies); ++i)
                    if (SampleFrequencies[i] == whole)
                        row.Selected = static_cast<int>(i);
            } else {
                row.Selected = row.Value.Value == 1 ? 0 : 1;
            }
        }
    } else {
        row.Editor = TValueEditor::Edit;
        if (row.Own)
            if (auto object = MakeValueObject(t, row.Value.Value, unitKind, row.Domain))
                row.Text = object->GetText();
    }
    RowList.push_back(std::move(row));
}

bool TValuesForm::Apply(const std::vector<TValueRowState>& states)
{
    return Pass(states, false) && Pass(states, true);
}

bool TValuesForm::Pass(const std::vector<TValueRowState>& states, bool write)
{
    const TGuiMessages messages;
    for (size_t i = 0; i < RowList.size() && i < states.size(); ++i) {
        const TValueRow& row = RowList[i];
        const TValueRowState& state = states[i];
        if (row.Connected)
            continue;
        const bool own = row.Input || state.Own;
        if (!own) {
            if (write)
                row.Target->ClearOwnValue();
            continue;
        }
        const ValueType t = row.Value.Type;
        TSountoryValue value(0, t);
        UnitKind unitKind = EHNone;
        if (Types) {
            if (state.Selected < 0 || state.Selected >= static_cast<int>(row.Types.size())) {
                messages.ShowInputError("No type is selected in the Listbox \"" + row.Name + "\".");
                return false;
            }
            const ValueType chosen = row.Types[static_cast<size_t>(state.Selected)];
            // The type it has already keeps its value.
            if (chosen == t && (row.Input || row.Own))
                continue;
            value = {0, chosen};
        } else if (row.Kind == ValueDomType::Wave) {
            if (state.Text.empty()) {
                messages.ShowInputError("Wave Field \"" + row.Name + "\" is not filled.");
                return false;
            }
            if (write) {
                if (row.Input)
                    row.Input->SetNameSound(state.Text);
                else
                    row.Target->SetNameSound(state.Text);
            }
            continue;
        } else if (IsNumberType(t)) {
            ValueDomain domain = row.Domain;
            if (row.Kind == ValueDomType::WavePos && (t == ValueType::Factor || t == ValueType::Integer))
                domain = ValueDomain::ZeroInclOneExcl;
            auto object = MakeValueObject(t, 0, EHNone, domain);
            bool ok = true;
            object->CheckEdit(ok, state.Text, row.Name);
            if (!ok)
                return false;
            value.Value = ValueObjectNumber(*object, t);
            unitKind = object->GetUnitKind();
        } else if (t == ValueType::Boolean) {
            value.Value = state.Flag ? 1 : 0;
        } else if (t == ValueType::WaveSampleFrequency) {
            if (state.Selected < 0 || state.Selected >= static_cast<int>(std::size(SampleFrequencies))) {
                messages.ShowInputError("No value is selected in the Listbox \"" + row.Name + "\".");
                return false;
            }
            value.Value = SampleFrequencies[state.Selected];
        } else {
            value.Value = state.Selected == 0 ? 1 : 2;
        }
        if (write) {
            if (row.Input)
                row.Input->SetOwnValue(value, unitKind);
            else
                row.Target->SetOwnValue(value, unitKind);
        }
    }
    return true;
}
