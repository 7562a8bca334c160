#pragma once
#include "factory/values/SountoryValue.h"

#include <string>
#include <vector>

class TSountoryAlgInputOutput;
class TSountoryInput;
class TSountoryNode;
class TSountoryOutputTarget;
class TUnitSountory;

// The editor a row of the values dialog gets.
enum class TValueEditor { Edit, Flag, Combo, WaveCombo, TypeList };

// One row: the item, what its editor starts with and whether it may be edited.
struct TValueRow {
    std::string Name;
    std::string Description;
    int DescriptionLines = 0;
    TSountoryInput* Input = nullptr;         // the factory's inputs
    TSountoryOutputTarget* Target = nullptr; // node inputs and factory outputs
    ValueDomType Kind = ValueDomType::Factor;
    ValueDomain Domain = ValueDomain::AllValues;
    TSountoryValue Value; // the value the row was built from; its type stays
    bool Connected = false;
    bool Own = false;
    TValueEditor Editor = TValueEditor::Edit;
    std::vector<std::string> Items;
    std::vector<ValueType> Types; // the types of a type list, in the order shown
    int Selected = -1;
    std::string Text;
    bool Flag = false;
};

// What the user left in a row's controls.
struct TValueRowState {
    bool Own = true;
    std::string Text;
    int Selected = -1;
    bool Flag = false;
};

// The values dialog without its widgets: the rows of a node's inputs, the
// factory's outputs or the inputs a run asks for, in values or in types
// mode; its caption and height; the checking and writing of OK.
class TValuesForm {
public:
    enum TItems : int { NodeInputs = 0, FactoryOutputs = 1, FactoryInputs = 2 };

    // The inputs a run asks for, ordered by Sequence.
    TValuesForm(TUnitSountory& factory, std::vector<TSountoryInput*> inputs, bool types);
    TValuesForm(TSountoryNode& node, bool types);
    TValuesForm(TUnitSountory& factory, bool types);

    TItems Items() const { return ItemKind; }
    bool TypesMode() const { return Types; }
    std::string Caption() const;
    int HelpContext() const { return Types ? 64 : 63; }
    const std::vector<TValueRow>& Rows() const { return RowList; }
    // The client height: 22 per row, the descriptions, and the buttons' room,
    // from 100 to 264.
    int ClientHeight() const;

    // Checks the free rows in order (the first refusal is shown and ends the
    // pass), then, when all passed, writes them. False writes nothing.
    bool Apply(const std::vector<TValueRowState>& states);

private:
    void AddRow(TSountoryAlgInputOutput& pin, TSountoryInput* input, TSountoryOutputTarget* target);
    bool Pass(const std::vector<TValueRowState>& states, bool write);

    TItems ItemKind;
    bool Types;
    std::string OwnerName;
    std::vector<TValueRow> RowList;
};

// The texts of the combo rows by value type; empty for the other types.
std::vector<std::string> ValueComboItems(ValueType type);
