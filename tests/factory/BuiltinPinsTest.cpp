#include "factory/nodes/SountoryNodeBuiltin.h"
#include "platform/RecordingMessageService.h"
#include "tests/factory/FactoryTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

using K = ValueDomType;
using D = ValueDomain;

struct PinsTest : ::testing::Test {
    FakeMainForm form;
    RecordingMessageService messages;
    TUnitSountory factory{"F", "f.qbf"};

    TSountoryNodeBuiltin& Builtin(uint8_t function)
    {
        return factory.InsertNode(
            std::make_unique<TSountoryNodeBuiltin>("N", function, factory, TCanvasRect{10, 10, 90, 90}, true));
    }
};

std::string Names(const TSountoryNode::InputList& pins)
{
    std::string names;
    for (const auto& pin : pins)
        names += (names.empty() ? "" : "; ") + pin->Name;
    return names;
}

std::string Names(const TSountoryNode::OutputList& pins)
{
    std::string names;
    for (const auto& pin : pins)
        names += (names.empty() ? "" : "; ") + pin->Name;
    return names;
}

} // namespace

TEST_F(PinsTest, PinSetsInCreationOrderWithStoredSpellings)
{
    const struct {
        uint8_t function;
        const char* inputs;
        const char* outputs;
    } cases[] = {
        {0, "Wave; Factor; Envelope; Position Begin; Position End", "Result; Position Begin; Position End"},
        {11, "Wave; Position", "Result Before; Result After"},
        {35, "Wave", "Sample Frequency; Bytes Per Sample; Mono Stereo; Length; Position End"},
        {36, "Sample Frequency; Bytes Per Sample; Mono Stereo; Length", "Result; Position Begin; Position End"},
        {38, "Wave Before; Wave After; Sample Frequency; Bytes Per Sample; Mono Stereo", "Result"},
        {40, "Operand 1; Operand 2", "Expression"},
        {42, "Operand 1; Operand 2", "Expression"},
        {44, "Operand", "Expression"},
        {54, "Expression; Factor Repricoke", "Angle"},
        {60, "Range Begin; Range End; Logaritmic", "Expression"},
        {74, "Wave; Wave Position; Time", "Wave Value Middle; Wave Value Left; Wave Value Right"},
        {76, "Value; Range Input Begin; Range Input End; Range Output Begin; Range Output End", "Value"},
        {77, "", ""},
        {255, "", ""},
    };
    for (const auto& c : cases) {
        TUnitSountory f("F", "f.qbf");
        auto& node = f.InsertNode(std::make_unique<TSountoryNodeBuiltin>("N", c.function, f, TCanvasRect{}, true));
        EXPECT_EQ(Names(node.Inputs()), c.inputs) << int(c.function);
        EXPECT_EQ(Names(node.Outputs()), c.outputs) << int(c.function);
        for (const auto& pin : node.Inputs())
            EXPECT_TRUE(pin->Fixed);
    }
}

TEST_F(PinsTest, KindsDomainsAndHeightsWhereTheyMatter)
{
    const struct {
        uint8_t function;
        const char* name;
        bool input;
        double height;
        K kind;
        D domain;
    } cases[] = {
        {1, "Wave", true, 0, K::Wave, D::Mono},
        {1, "Result", false, 0.5, K::Wave, D::Stereo},
        {12, "Result Right", false, 0.7, K::Wave, D::Mono},
        {16, "Frequency", true, 0.15, K::Time, D::PositiveNotZero},
        {10, "Speed Envelope", true, 0.3, K::Wave, D::Mono},
        {35, "Length", false, 0.7, K::Time, D::Positive},
        {43, "Operand 2", true, 0.75, K::AllComputable, D::NotZero},
        {58, "Expression", false, 0.5, K::AllComputable, D::Positive},
        {71, "Operand 1", true, 0.25, K::AllComputable, D::PositiveNotZero},
        {71, "Expression", false, 0.5, K::AllComputable, D::PositiveNotZero},
        {70, "Operand 2", true, 0.75, K::AllComputable, D::AllValues},
        {66, "Operand 1", true, 0.25, K::AllValue, D::AllValues},
        {72, "Time", false, 0.5, K::Time, D::Positive},
        {20, "Position End", true, 0.85, K::WavePos, D::AllValues},
    };
    for (const auto& c : cases) {
        TSountoryNodeBuiltin& node = Builtin(c.function);
        const TSountoryNodeInputOutput* pin = c.input ? static_cast<const TSountoryNodeInputOutput*>(
                                                             node.FindNodeInput(c.name, nullptr))
                                                       : node.FindNodeOutput(c.name, nullptr);
        ASSERT_NE(pin, nullptr) << int(c.function) << " " << c.name;
        EXPECT_DOUBLE_EQ(pin->GetHeight(), c.height) << c.name;
        EXPECT_EQ(pin->ValueDomType, c.kind) << c.name;
        EXPECT_EQ(pin->ValueDomain, c.domain) << c.name;
    }
}

TEST_F(PinsTest, EveryRuleNamesInputsOfItsFunctionAndEveryFunctionComputes)
{
    for (int f = 0; f < BuiltinFunctionCount; ++f) {
        const TBuiltinFunction& row = BuiltinFunctionCatalogue[f];
        EXPECT_NE(row.Execute, nullptr) << f;
        std::set<std::string> inputs;
        for (const TBuiltinPin& pin : row.Inputs)
            inputs.insert(pin.Name ? pin.Name : "Operand 1");
        for (const TBuiltinRule& rule : row.Rules) {
            for (const char* name : rule.Names) {
                if (name) {
                    EXPECT_TRUE(inputs.count(name)) << f << " names " << name;
                }
            }
            if (rule.Kind == TBuiltinRuleKind::Operands) {
                EXPECT_TRUE(inputs.count("Operand 1")) << f;
            }
        }
        // Variable operands are exactly the rows whose inputs have a gap for them.
        const bool gap =
            std::any_of(row.Inputs.begin(), row.Inputs.end(), [](const TBuiltinPin& p) { return !p.Name; });
        EXPECT_EQ(gap, row.VariableOperands) << f;
    }
}

TEST_F(PinsTest, OperandsAreSpreadAddedAndRenumbered)
{
    TSountoryNodeBuiltin& plus = Builtin(40);
    EXPECT_DOUBLE_EQ(plus.Inputs()[0]->GetHeight(), 0.25);
    EXPECT_DOUBLE_EQ(plus.Inputs()[1]->GetHeight(), 0.75);
    EXPECT_FALSE(plus.CanDeleteOperand());
    plus.AddOperandInput();
    ASSERT_EQ(plus.CountInputs(), 3);
    EXPECT_NEAR(plus.Inputs()[0]->GetHeight(), 1.0 / 6, 1e-12);
    EXPECT_NEAR(plus.Inputs()[1]->GetHeight(), 0.5, 1e-12);
    EXPECT_NEAR(plus.Inputs()[2]->GetHeight(), 5.0 / 6, 1e-12);
    EXPECT_EQ(plus.Inputs()[2]->Name, "Operand 3");
    EXPECT_EQ(plus.Inputs()[2]->ValueDomType, K::AllComputable);
    EXPECT_TRUE(plus.CanDeleteOperand());
    EXPECT_FALSE(Builtin(42).CanDeleteOperand());

    plus.RemoveInput(plus.Inputs()[1].get());
    plus.RenumberOperands();
    EXPECT_EQ(Names(plus.Inputs()), "Operand 1; Operand 2");
    EXPECT_NEAR(plus.Inputs()[1]->GetHeight(), 5.0 / 6, 1e-12);

    TSountoryNodeBuiltin three("P", 40, factory, {}, false);
    three.CreateOperandInputs(3, K::AllComputable, D::AllValues);
    EXPECT_NEAR(three.Inputs()[0]->GetHeight(), 1.0 / 6, 1e-12);
    TSountoryNodeBuiltin none("P", 40, factory, {}, false);
    none.CreateBuiltinPins(0);
    EXPECT_EQ(none.CountInputs(), 0);
    EXPECT_EQ(none.CountOutputs(), 1);
}

TEST_F(PinsTest, ChangingTheFunctionKeepsConnectionsOfMatchingPins)
{
    TSountoryInput& source = factory.CreateInput("X", 0.5, 0, K::Factor, D::AllValues);
    TSountoryNodeBuiltin& node = Builtin(40);
    node.AddOperandInput();
    node.AddOperandInput();
    node.AddOperandInput();
    for (const auto& pin : node.Inputs())
        pin->SetSountoryInputSource(&source);
    TSountoryNodeOutput* expression = node.FindNodeOutput("Expression", nullptr);

    node.ChangeBuiltinFunction(41);
    ASSERT_EQ(node.CountInputs(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(node.Inputs()[static_cast<size_t>(i)]->Name, "Operand " + std::to_string(i + 1));
        EXPECT_EQ(node.Inputs()[static_cast<size_t>(i)]->GetSountoryInputSource(), &source);
        EXPECT_DOUBLE_EQ(node.Inputs()[static_cast<size_t>(i)]->GetHeight(), (i + 0.5) / 5);
    }
    EXPECT_EQ(node.FindNodeOutput("Expression", nullptr), expression);

    node.ChangeBuiltinFunction(42);
    EXPECT_EQ(Names(node.Inputs()), "Operand 1; Operand 2");
    EXPECT_EQ(node.Inputs()[0]->GetSountoryInputSource(), &source);
    EXPECT_EQ(node.Inputs()[1]->GetSountoryInputSource(), &source);
    EXPECT_DOUBLE_EQ(node.Inputs()[1]->GetHeight(), 0.75);

    // From Minus (not variable) back to Plus: two operands.
    node.ChangeBuiltinFunction(40);
    EXPECT_EQ(node.CountInputs(), 2);
    // To Maximum: the operands change kind, so the connections go and the new
    // pins come after the survivors (here there are none).
    node.ChangeBuiltinFunction(67);
    EXPECT_EQ(Names(node.Inputs()), "Operand 1; Operand 2");
    EXPECT_EQ(node.Inputs()[0]->ValueDomType, K::AllValue);
    EXPECT_EQ(node.Inputs()[0]->GetSountoryInputSource(), nullptr);
}

TEST_F(PinsTest, TheSameFunctionAgainRestoresLayoutAndKeepsEverything)
{
    TSountoryNodeBuiltin& node = Builtin(0);
    TSountoryInput& wave = factory.CreateInput("W", 0.5, 0, K::Wave, D::AllValues);
    node.FindNodeInput("Wave", nullptr)->SetSountoryInputSource(&wave);
    node.FindNodeInput("Factor", nullptr)->Height.SetValue(0.9);
    node.FindNodeInput("Factor", nullptr)->Fixed = 0;
    node.ChangeBuiltinFunction(0);
    EXPECT_EQ(Names(node.Inputs()), "Wave; Factor; Envelope; Position Begin; Position End");
    EXPECT_EQ(node.FindNodeInput("Wave", nullptr)->GetSountoryInputSource(), &wave);
    EXPECT_DOUBLE_EQ(node.FindNodeInput("Factor", nullptr)->GetHeight(), 0.25);
    EXPECT_TRUE(node.FindNodeInput("Factor", nullptr)->Fixed);
    for (const auto& pin : node.Inputs())
        EXPECT_FALSE(pin->ReplaceMark);
}
