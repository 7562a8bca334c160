#include "factory/nodes/SountoryNodeFormulaWave.h"
#include "factory/nodes/SountoryNodeMixLoop.h"
#include "factory/nodes/SountoryNodeSimpleLoop.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "tests/factory/BuiltinTestSupport.h"

namespace {

using K = ValueDomType;
using D = ValueDomain;

struct ValidationTest : BuiltinFixture {};

} // namespace

TEST_F(ValidationTest, TheSixChecksAndTheirMessages)
{
    const struct {
        uint8_t function;
        std::vector<const char*> set;
        const char* message;
    } cases[] = {
        {0, {}, "Input \"Wave\" is mandatory."},
        {0, {"Wave"}, "You must use exacly one of the Inputs \"Factor\" or \"Envelope\"."},
        {0, {"Wave", "Factor", "Envelope"}, "You must use exacly one of the Inputs \"Factor\" or \"Envelope\"."},
        {0, {"Wave", "Factor"}, ""},
        {15, {"Wave"}, ""},
        {15, {"Wave", "Count Vertical", "Height"},
         "You must use at most one of the Inputs \"Count Vertical\" or \"Height\"."},
        {10, {"Wave", "Speed Factor", "Length", "Count", "Start Position"},
         "You must use exacly one of the Inputs \"Length\", \"Length Factor\" or \"Count\"."},
        {10, {"Wave", "Speed Factor", "Count", "Start Position"}, ""},
        {44, {}, "Input \"Operand\" is mandatory."},
        {40, {"Operand 1"}, "Input \"Operand 2\" is mandatory."},
        {69, {"When True", "When False"}, "Input \"Switch\" is mandatory."},
        {72, {"Sample Freq", "Wave Position"}, ""},
        {72, {"Wave", "Sample Freq", "Wave Position"},
         "You must use exacly one of the Inputs \"Wave\" or \"Sample Freq\"."},
        {36, {"Sample Frequency", "Bytes Per Sample", "Mono Stereo"}, "Input \"Length\" is mandatory."},
        {39, {"Wave Left", "Wave Right", "Align Begin"}, "Input \"Align End\" is mandatory."},
        {74, {"Wave"}, "You must use exacly one of the Inputs \"Wave Position\" or \"Time\"."},
    };
    for (const auto& c : cases) {
        TUnitSountory f("F", "f.qbf");
        auto& node = f.InsertNode(std::make_unique<TSountoryNodeBuiltin>("N", c.function, f, TCanvasRect{}, true));
        for (const char* name : c.set) {
            TSountoryNodeInput* pin = node.FindNodeInput(name, nullptr);
            ASSERT_NE(pin, nullptr) << name;
            if (pin->IsWave())
                pin->SetSountoryInputSource(&f.CreateInput(name, 0.5, 0, K::Wave, D::AllValues));
            else
                pin->SetOwnValue({name == std::string("Wave Position") ? 3.0 : 1.0, ValueType::WaveCount}, EHNone);
        }
        error.clear();
        EXPECT_EQ(node.ValidateNode(error), *c.message == 0) << int(c.function);
        EXPECT_EQ(error, c.message) << int(c.function);
    }
}

TEST_F(ValidationTest, MissingPinsOperandNamesAndChainsOfNothing)
{
    TSountoryNodeBuiltin& restored = Node(0);
    restored.RemoveInput(restored.FindNodeInput("Envelope", nullptr));
    Feed(restored, "Wave", MonoOf(10));
    EXPECT_FALSE(Validate(restored));
    EXPECT_EQ(error, "Input \"Envelope\" does not exists.");

    TSountoryNodeBuiltin& empty = Node(41, 0, "Empty");
    EXPECT_FALSE(Validate(empty));
    EXPECT_EQ(error, "Input \"Operand 1\" does not exists.");

    TSountoryNodeBuiltin& gap = Node(40, 3, "Gap");
    for (const auto& pin : gap.Inputs())
        pin->SetOwnValue({1, ValueType::Factor}, EHNone);
    EXPECT_TRUE(Validate(gap));
    gap.Inputs()[1]->Name = "Operand 5";
    EXPECT_FALSE(Validate(gap));
    EXPECT_EQ(error, "Input \"Operand 5\" must be named one of \"Operand 1\" to \"Operand 3\".");
    gap.Inputs()[1]->Name = "Operand 1";
    EXPECT_FALSE(Validate(gap));
    EXPECT_EQ(error, "Input \"Operand 1\" is used twice.");
    gap.RenumberOperands();
    EXPECT_TRUE(Validate(gap));
}

TEST_F(ValidationTest, WaveNamesAreCheckedAfterTheRules)
{
    TSountoryNodeBuiltin& node = Node(5);
    node.FindNodeInput("Wave", nullptr)->SetNameSound("gone.wav");
    EXPECT_FALSE(Validate(node));
    EXPECT_EQ(error, "Cannot find Wave with name \"gone.wav\".");
}

TEST_F(ValidationTest, APositionWithoutWaveIsACountOrATime)
{
    TSountoryNodeBuiltin& node = Node(72);
    Set(node, "Sample Freq", 1000, ValueType::WaveSampleFrequency);
    Set(node, "Wave Position", 0.5, ValueType::Factor);
    EXPECT_FALSE(Validate(node));
    EXPECT_EQ(error,
              "Input \"Wave Position\" must be a Wave Position Count or a Time, when Input \"Wave\" is not used.");
    Set(node, "Wave Position", 0.25, ValueType::Time);
    EXPECT_TRUE(Validate(node));
    Want(node, "Time");
    ASSERT_TRUE(Run()) << error;
    EXPECT_DOUBLE_EQ(Read("N", "Time"), 0.25);
    Set(node, "Wave Position", 500, ValueType::WaveCount);
    ASSERT_TRUE(Run()) << error;
    EXPECT_DOUBLE_EQ(Read("N", "Time"), 0.5);
}

namespace {

// A used factory with a Time input "T" and a Factor output "O" fed by it.
struct UseTest : ValidationTest {
    TUnitSountory used{"G", "g.qbf"};
    UseTest()
    {
        form.factories = {{"F", &factory}, {"G", &used}};
        used.FactoryKind = FactoryFree;
        TSountoryInput& t = used.CreateInput("T", 0.3, 0, K::Time, D::AllValues);
        used.CreateOutput("O", 0.5, 0, K::Time, D::AllValues).SetSountoryInputSource(&t);
    }
    TSountoryNodeUser& User(const std::string& name)
    {
        auto& node = factory.InsertNode(std::make_unique<TSountoryNodeUser>(name, "G", factory, TCanvasRect{}));
        node.UpdatePins(used);
        return node;
    }
};

} // namespace

TEST_F(UseTest, BindChecksNameKindAndDomainAndRebuiltPinsPass)
{
    TSountoryNodeUser& node = User("U");
    EXPECT_EQ(node.Inputs().front()->Name, "T");
    EXPECT_FALSE(node.Inputs().front()->Fixed);
    EXPECT_TRUE(node.BindFactory(error)) << error;
    EXPECT_EQ(node.Inputs().front()->UsedInput, used.Inputs().front().get());

    node.Inputs().front()->ValueDomType = K::Frequency;
    EXPECT_FALSE(node.BindFactory(error));
    EXPECT_EQ(error, "Input \"T\" has an other typedomain than the Input of Factory \"G\".");
    node.Inputs().front()->ValueDomType = K::Time;
    node.Inputs().front()->ValueDomain = D::Positive;
    EXPECT_FALSE(node.BindFactory(error));
    EXPECT_EQ(error, "Input \"T\" has an other valuedomain than the Input of Factory \"G\".");
    // Links of the earlier bind are gone even though this one failed early.
    EXPECT_EQ(node.Inputs().front()->UsedInput, nullptr);

    used.CreateInput("New", 0.8, 0, K::Factor, D::AllValues);
    node.Inputs().front()->ValueDomain = D::AllValues;
    EXPECT_FALSE(node.BindFactory(error));
    EXPECT_EQ(error, "Input \"New\" not found, needed by Factory \"G\".");
    node.UpdatePins(used);
    EXPECT_TRUE(node.BindFactory(error)) << error;
    form.factories.erase("G");
    EXPECT_FALSE(node.BindFactory(error));
    EXPECT_EQ(error, "Factory \"G\" not found.");
}

TEST_F(UseTest, ValidationOfUsedFactoriesOncePerPassAndRecursionRefused)
{
    TSountoryNodeUser& a = User("A");
    TSountoryNodeUser& b = User("B");
    for (TSountoryNodeUser* node : {&a, &b})
        node->Inputs().front()->SetOwnValue({1, ValueType::Time}, EHNone);
    TScriptedNode& inner = AddScripted(used, "Inner");
    EXPECT_TRUE(factory.Validate(5, error)) << error;
    EXPECT_EQ(inner.validations, 1);
    EXPECT_EQ(used.ValidationStamp, 5);

    // The user node's own check: every input set.
    a.Inputs().front()->ClearOwnValue();
    EXPECT_FALSE(factory.Validate(6, error));
    EXPECT_EQ(error, "In Node \"A\": Input \"T\" is mandatory.");

    // The used factory's outputs must all be set.
    a.Inputs().front()->SetOwnValue({1, ValueType::Time}, EHNone);
    used.Outputs().front()->Disconnect();
    EXPECT_FALSE(factory.Validate(7, error));
    EXPECT_EQ(error, "In Node \"B\": at Factory \"G\": Output \"O\" is mandatory.");

    TUnitSountory self("S", "s.qbf");
    form.factories["S"] = &self;
    auto& loop = self.InsertNode(std::make_unique<TSountoryNodeUser>("L", "S", self, TCanvasRect{}));
    EXPECT_FALSE(self.Validate(8, error));
    EXPECT_EQ(error, "In Node \"L\": at Factory \"S\": In Node \"L\": Recurse found!");
    EXPECT_EQ(loop.GetSountoryDef(), &self);
}

TEST_F(UseTest, KindsCheckTheirStandardOutputs)
{
    TUnitSountory mix("M", "m.qbf");
    form.factories["M"] = &mix;
    mix.FitKindInputsOutputs(FactoryLoopMix);
    auto& node = factory.InsertNode(std::make_unique<TSountoryNodeMixLoop>("X", "M", factory, TCanvasRect{}, true));
    node.UpdatePins(mix);
    EXPECT_TRUE(node.BindFactory(error)) << error;
    mix.FindOutput("Position in Sample", nullptr)->ValueDomType = K::Time;
    EXPECT_FALSE(node.BindFactory(error));
    EXPECT_EQ(error, "Output \"Position in Sample\" is not typedomain \"Factor\".");

    TUnitSountory simple("S", "s.qbf");
    form.factories["S"] = &simple;
    simple.FitKindInputsOutputs(FactoryLoopSimple);
    TSountoryInput& x = simple.CreateInput("X", 0.5, 0, K::Factor, D::AllValues);
    simple.CreateOutput("Y", 0.5, 0, K::Factor, D::AllValues).SetSountoryInputSource(&x);
    auto& loop =
        factory.InsertNode(std::make_unique<TSountoryNodeSimpleLoop>("L", "S", factory, TCanvasRect{}, true));
    loop.UpdatePins(simple);
    EXPECT_FALSE(loop.BindFactory(error));
    EXPECT_EQ(error, "Output \"Y\" has no corresponding Input at Factory \"S\".");
}

TEST_F(UseTest, FixedPinsAreAlwaysMadeAndKeepTheirConnections)
{
    TUnitSountory mix("M", "m.qbf");
    form.factories["M"] = &mix;
    mix.FitKindInputsOutputs(FactoryLoopMix);
    auto& node = factory.InsertNode(std::make_unique<TSountoryNodeMixLoop>("X", "M", factory, TCanvasRect{}, true));
    node.UpdatePins(mix);
    TSountoryNodeInput* wave = node.FindNodeInput("Wave", nullptr);
    ASSERT_NE(wave, nullptr);
    EXPECT_FALSE(wave->Fixed);
    TSountoryInput& source = factory.CreateInput("W", 0.5, 0, K::Wave, D::AllValues);
    wave->SetSountoryInputSource(&source);

    // The used factory loses its "Wave": the node keeps its own, connected.
    mix.DeleteInputNamed("Wave");
    node.UpdatePins(mix);
    wave = node.FindNodeInput("Wave", nullptr);
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(wave->GetSountoryInputSource(), &source);
    EXPECT_TRUE(wave->Fixed);
    EXPECT_DOUBLE_EQ(wave->GetHeight(), 0.2);
    EXPECT_EQ(InputNames(node), "Wave; Count");
    EXPECT_NE(node.FindNodeOutput("Result", nullptr), nullptr);
    EXPECT_EQ(node.CountOutputs(), 1);

    TSountoryNodeFormulaWave formula("W", "G", factory, {}, true);
    EXPECT_EQ(formula.CountInputs(), 5);
    for (const auto& pin : formula.Inputs())
        EXPECT_TRUE(pin->Fixed);
    EXPECT_EQ(formula.Outputs().front()->ValueDomain, D::Mono);
}
