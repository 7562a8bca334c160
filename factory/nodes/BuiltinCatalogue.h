#pragma once
#include "foundation/values/ValueVocabulary.h"
#include "wave/Wave.h"

#include <cstdint>
#include <span>
#include <string>

class TBuiltinRun;

// The 77 built-in functions, one row each, indexed by function number: 0 to
// 39 work on sounds, 40 to 76 on factory values.
//
// Besides its names, picture and category, a row carries what the function
// does: its pins in creation order, the rules validation applies to its
// inputs, and its execute handler. A function whose handler is missing cannot
// be computed: its node refuses to validate and to execute with a message.

// One pin of a function. In the inputs, a pin without a name stands for the
// variable operand inputs ("Operand 1" to "Operand n") at that place.
struct TBuiltinPin {
    const char* Name;
    double Height;
    ValueDomType Kind;
    ValueDomain Domain = ValueDomain::AllValues;
};

// A rule validation applies to named inputs, in the order of the row.
enum class TBuiltinRuleKind : uint8_t {
    Mandatory,         // the input must be set
    ExactlyOne,        // exactly one of two
    AtMostOne,         // at most one of two
    ExactlyOneOfThree, // exactly one of three
    Operands,          // every "Operand ..." input must be set
};

struct TBuiltinRule {
    TBuiltinRuleKind Kind;
    const char* Names[3] = {nullptr, nullptr, nullptr};
};

// The computation of a function on its node's pins; false with the message.
using TBuiltinExecute = bool (*)(TBuiltinRun& run);

struct TBuiltinFunction {
    const char* DisplayName;
    const char* XmlName;
    uint8_t Category;
    int16_t Image;
    bool VariableOperands;
    std::span<const TBuiltinPin> Inputs;
    std::span<const TBuiltinPin> Outputs;
    std::span<const TBuiltinRule> Rules;
    TBuiltinExecute Execute;
};

struct TBuiltinCategory {
    const char* Name;
    uint8_t Count;
    uint8_t Members[25];
};

constexpr int BuiltinFunctionCount = 77;
constexpr int BuiltinCategoryCount = 7;
// The function number no built-in node has chosen yet.
constexpr uint8_t NoBuiltinFunction = 255;
// The first function on factory values.
constexpr uint8_t FirstValueFunction = 40;
constexpr uint8_t FunctionSwitchWave = 68;
constexpr uint8_t FunctionSwitchValue = 69;

extern const TBuiltinFunction BuiltinFunctionCatalogue[BuiltinFunctionCount];
extern const TBuiltinCategory BuiltinCategories[BuiltinCategoryCount];
// The caption of each factory kind, shown in the status bar.
extern const char* const FactoryKindCaptions[8];

// The row of a function number; null outside 0 to 76.
const TBuiltinFunction* FindBuiltinRow(int function);
// The number of the function with exactly this XML name; -1 when none.
int FindBuiltinFunction(const std::string& xmlName);
// The category holding the function, and its place in the category's order; -1 when none.
int FindBuiltinCategory(int function);
int FindBuiltinCategoryPosition(int function);
