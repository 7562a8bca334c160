#include "factory/nodes/SountoryNodeSimpleLoop.h"
#include "factory/view/PinEditor.h"
#include "factory/view/ValuesForm.h"
#include "platform/RecordingMessageService.h"
#include "tests/factory/FactoryTestSupport.h"

#include <gtest/gtest.h>

namespace {

using K = ValueDomType;
using D = ValueDomain;

struct DialogLogicTest : ::testing::Test {
    RecordingMessageService messages;
    FakeMainForm mainForm;
    TUnitSountory factory{"F", ""};
};

std::vector<std::string> Names(const TValuesForm& form)
{
    std::vector<std::string> names;
    for (const TValueRow& row : form.Rows())
        names.push_back(row.Name);
    return names;
}

} // namespace

TEST_F(DialogLogicTest, PinNamesMustBeFilledAndFreeInTheirDirectionAndForAPairInBoth)
{
    factory.FactoryKind = FactoryLoopSimple;
    TSountoryInput& x = factory.CreateInput("X", 0.2, 0, K::Factor, D::AllValues);
    factory.CreateInput("Y", 0.4, 0, K::Factor, D::AllValues);
    factory.CreateOutput("Z", 0.4, 0, K::Factor, D::AllValues);
    TSountoryOutput& xOut = factory.CreateOutput("X", 0.2, 0, K::Factor, D::AllValues);
    TPinEditor single({sntSountoryObjectInput, &x, nullptr});
    double height = 0;
    struct Case {
        std::string name;
        std::string height;
        int kind;
        int domain;
        std::string message;
    };
    const Case cases[] = {
        {"Y", "50 %", 0, 0, "An Input with name \"Y\" already exists."},
        {"", "50 %", 0, 0, "In Name: Field should not be empty."},
        {"X", "50 %", -1, 0, "No type is selected in the Listbox \"Type\"."},
        {"X", "50 %", 0, -1, "No domain is selected in the Listbox \"Domain\"."},
    };
    for (const Case& c : cases) {
        messages.Clear();
        EXPECT_FALSE(single.Check(c.name, c.height, c.kind, true, c.domain, height)) << c.message;
        ASSERT_GE(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, c.message);
        EXPECT_EQ(messages.Last().caption, "Input Error");
    }
    // Above 100 percent the height's own message.
    messages.Clear();
    EXPECT_FALSE(single.Check("X", "150 %", 0, true, 0, height));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("Height"), std::string::npos);
    messages.Clear();
    EXPECT_TRUE(single.Check("W", "25 %", 0, true, 0, height));
    EXPECT_DOUBLE_EQ(height, 0.25);
    EXPECT_EQ(messages.Count(), 0u);

    // The pair: the output's names count too, the partner's own not.
    TPinEditor pair({sntSountoryObjectInput, &x, &xOut});
    EXPECT_EQ(pair.Subject().Partner, &xOut);
    EXPECT_FALSE(pair.Check("Z", "50 %", 0, true, 0, height));
    EXPECT_EQ(messages.Last().text, "An Output with name \"Z\" already exists.");
    EXPECT_TRUE(pair.Check("X", "50 %", 0, true, 0, height));
}

TEST_F(DialogLogicTest, ARenamedPairKeepsThePartnersHeightAndDescription)
{
    factory.FactoryKind = FactoryLoopSimple;
    TSountoryInput& in = factory.CreateInput("X", 0.2, 0, K::Factor, D::AllValues, "in text");
    TSountoryOutput& out = factory.CreateOutput("X", 0.7, 0, K::Factor, D::AllValues, "out text");
    TPinEditor editor({sntSountoryObjectInput, &in, &out});
    editor.Apply("Counter", 0.3, K::Time, D::Positive, "new text", editor.ConnectList(K::Time));
    EXPECT_EQ(out.Name, "Counter");
    EXPECT_EQ(out.ValueDomType, K::Time);
    EXPECT_EQ(out.ValueDomain, D::Positive);
    EXPECT_DOUBLE_EQ(out.GetHeight(), 0.7);
    EXPECT_EQ(out.Description, "out text");
    EXPECT_EQ(in.Description, "new text");
    EXPECT_DOUBLE_EQ(in.GetHeight(), 0.3);
}

TEST_F(DialogLogicTest, ANewWaveClassClearsOwnValuesAndThePartnersOldConnections)
{
    auto& loop = factory.InsertNode(
        std::make_unique<TSountoryNodeSimpleLoop>("Loop", "Inner", factory, TCanvasRect{40, 40, 200, 140}, false));
    TSountoryNodeInput& in = loop.AddInput("X", 0.3, 0, K::Factor, D::AllValues);
    TSountoryNodeOutput& out = loop.AddOutput("X", 0.3, 0, K::Factor, D::AllValues);
    TScriptedNode& other = AddScripted(factory, "Other");
    TSountoryNodeInput& fed = other.AddInput("Fed", 0.5, 0, K::Factor, D::AllValues);
    TSountoryNodeOutput& feeder = other.AddOutput("Feeder", 0.5, 0, K::Factor, D::AllValues);
    fed.SetSountoryInputSource(&out);
    in.SetOwnValue({3, ValueType::Factor}, EHNone);

    // The input becomes a wave: its number goes, and so do the output's number targets.
    TPinEditor editor({sntSountoryObjectNodeInput, &in, &out});
    TConnectList list = editor.ConnectList(K::Wave);
    editor.Apply("X", 0.3, K::Wave, D::AllValues, "", list);
    EXPECT_FALSE(in.GetHasOwnValue());
    EXPECT_EQ(out.ValueDomType, K::Wave);
    EXPECT_EQ(fed.GetSountoryInputSource(), nullptr);

    // Within the class nothing of the kind is lost.
    in.ValueDomType = K::Factor;
    out.ValueDomType = K::Factor;
    fed.SetSountoryInputSource(&out);
    in.SetSountoryInputSource(&feeder);
    TPinEditor again({sntSountoryObjectNodeInput, &in, &out});
    list = again.ConnectList(K::Time);
    again.Apply("X", 0.3, K::Time, D::AllValues, "", list);
    EXPECT_EQ(fed.GetSountoryInputSource(), &out);
    EXPECT_EQ(in.GetSountoryInputSource(), &feeder);
}

TEST_F(DialogLogicTest, ConnectListsLeaveOutTheOwnNodeAndOfferTheDomainsOfAKind)
{
    TScriptedNode& node = AddScripted(factory, "N");
    TSountoryNodeInput& in = node.AddInput("In", 0.5, 0, K::Factor, D::AllValues);
    node.AddOutput("Own", 0.5, 0, K::Factor, D::AllValues);
    factory.CreateInput("Gain", 0.5, 0, K::Factor, D::AllValues);
    TPinEditor editor({sntSountoryObjectNodeInput, &in, nullptr});
    EXPECT_EQ(std::string(editor.ConnectLabel()), "Connect from");
    EXPECT_FALSE(editor.HasDescription());
    const TConnectList list = editor.ConnectList(K::Factor);
    ASSERT_EQ(list.Entries.size(), 2u);
    EXPECT_EQ(list.Entries[0].Text, "<none>");
    EXPECT_TRUE(list.Entries[0].Selected);
    EXPECT_EQ(list.Entries[1].Text, "Gain <Input>");

    EXPECT_EQ(TPinEditor::DomainChoices(K::Boolean).size(), 0u);
    EXPECT_EQ(TPinEditor::DomainChoices(K::Factor).size(), 11u);
    EXPECT_EQ(TPinEditor::DomainChoices(K::Wave),
              (std::vector<ValueDomain>{D::AllValues, D::Mono, D::Stereo}));
}

TEST_F(DialogLogicTest, TheRunsInputsAreListedBySequenceWithTheirCaptionAndHeight)
{
    TSountoryInput& a = factory.CreateInput("A", 0.1, 0, K::Factor, D::AllValues, "", 2);
    TSountoryInput& b = factory.CreateInput("B", 0.2, 0, K::Factor, D::AllValues, "", 0);
    TSountoryInput& c = factory.CreateInput("C", 0.3, 0, K::Factor, D::AllValues, "", 1);
    TValuesForm form(factory, {&a, &b, &c}, false);
    EXPECT_EQ(Names(form), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_EQ(form.Caption(), "Input Values of Sountory \"F\"");
    EXPECT_EQ(form.ClientHeight(), 22 * 3 + 3 * 5 + 34);
    EXPECT_EQ(form.HelpContext(), 63);
    EXPECT_EQ(TValuesForm(factory, {&a}, true).ClientHeight(), 100);
    std::vector<TSountoryInput*> many;
    for (int i = 0; i < 15; ++i)
        many.push_back(&factory.CreateInput("I" + std::to_string(i), 0.5, 0, K::Factor, D::AllValues));
    EXPECT_EQ(TValuesForm(factory, many, false).ClientHeight(), 264);

    TScriptedNode& node = AddScripted(factory, "Mix");
    node.AddInput("G", 0.5, 0, K::AllValue, D::AllValues);
    EXPECT_EQ(TValuesForm(node, true).Caption(), "Input Type of Values of Node \"Mix\"");
    EXPECT_EQ(TValuesForm(factory, false).Caption(), "Output Values of Factory \"F\"");
}

TEST_F(DialogLogicTest, ValuesAreCheckedFirstAndWrittenOnlyWhenAllPassed)
{
    TScriptedNode& node = AddScripted(factory, "N");
    TSountoryNodeInput& gain = node.AddInput("Gain", 0.2, 0, K::Factor, D::Positive);
    TSountoryNodeInput& wave = node.AddInput("Wave", 0.4, 0, K::Wave, D::AllValues);
    TSountoryNodeInput& rate = node.AddInput("Rate", 0.6, 0, K::WaveSampleFrequency, D::AllValues);
    TSountoryNodeInput& channels = node.AddInput("Channels", 0.8, 0, K::WaveMonoStereo, D::AllValues);
    TSountoryNodeInput& connected = node.AddInput("Connected", 1, 0, K::Factor, D::AllValues);
    TScriptedNode& other = AddScripted(factory, "Other");
    connected.SetSountoryInputSource(&other.AddOutput("Out", 0.5, 0, K::Factor, D::AllValues));
    rate.SetOwnValue({44100, ValueType::WaveSampleFrequency}, EHNone);

    TValuesForm form(node, false);
    ASSERT_EQ(form.Rows().size(), 5u);
    EXPECT_EQ(form.Rows()[1].Editor, TValueEditor::WaveCombo);
    EXPECT_EQ(form.Rows()[2].Editor, TValueEditor::Combo);
    EXPECT_EQ(form.Rows()[2].Selected, 3); // "44 kHz"
    EXPECT_TRUE(form.Rows()[4].Connected);

    std::vector<TValueRowState> states(5);
    states[0] = {true, "-2", -1, false};
    states[1] = {true, "", -1, false};
    states[2] = {true, "", -1, false};
    states[3] = {true, "", -1, false};
    states[4] = {true, "7", -1, false};
    EXPECT_FALSE(form.Apply(states));
    ASSERT_EQ(messages.Count(), 1u); // only the first refusal
    EXPECT_FALSE(gain.GetHasOwnValue());

    states[0].Text = "2";
    messages.Clear();
    EXPECT_FALSE(form.Apply(states));
    EXPECT_EQ(messages.Last().text, "Wave Field \"Wave\" is not filled.");
    states[1].Text = "No window of that name";
    // A rate row without a choice is refused.
    EXPECT_FALSE(form.Apply(states));
    EXPECT_EQ(messages.Last().text, "No value is selected in the Listbox \"Rate\".");
    states[2].Selected = 3;
    EXPECT_TRUE(form.Apply(states));
    EXPECT_DOUBLE_EQ(gain.GetOwnValue().Value, 2);
    EXPECT_EQ(wave.GetNameSound(), "No window of that name");
    EXPECT_DOUBLE_EQ(rate.GetOwnValue().Value, 44100);
    // No item chosen for mono or stereo: stereo.
    EXPECT_DOUBLE_EQ(channels.GetOwnValue().Value, 2);
    // The connected row is left alone.
    EXPECT_FALSE(connected.GetHasOwnValue());

    // Unticking a row removes its own value.
    states[0].Own = false;
    EXPECT_TRUE(TValuesForm(node, false).Apply(states));
    EXPECT_FALSE(gain.GetHasOwnValue());
}

TEST_F(DialogLogicTest, TypesKeepTheValueOfTheTypeAnItemHasAndGiveZeroOfAnother)
{
    TScriptedNode& node = AddScripted(factory, "N");
    TSountoryNodeInput& any = node.AddInput("Any", 0.5, 0, K::AllComputable, D::AllValues);
    node.AddInput("Plain", 0.7, 0, K::Factor, D::AllValues);
    any.SetOwnValue({5, ValueType::Time}, EHNone);
    TValuesForm form(node, true);
    ASSERT_EQ(form.Rows().size(), 1u); // only the items of a group kind
    const TValueRow& row = form.Rows()[0];
    const auto time = std::find(row.Types.begin(), row.Types.end(), ValueType::Time);
    ASSERT_NE(time, row.Types.end());
    EXPECT_EQ(row.Selected, time - row.Types.begin());
    EXPECT_TRUE(form.Apply({{true, "", row.Selected, false}}));
    EXPECT_EQ(any.GetOwnValue(), (TSountoryValue{5, ValueType::Time}));
    const auto factor = std::find(row.Types.begin(), row.Types.end(), ValueType::Factor);
    EXPECT_TRUE(form.Apply({{true, "", static_cast<int>(factor - row.Types.begin()), false}}));
    EXPECT_EQ(any.GetOwnValue(), (TSountoryValue{0, ValueType::Factor}));
    // A list without a choice is refused.
    EXPECT_FALSE(form.Apply({{true, "", -1, false}}));
    EXPECT_EQ(messages.Last().text, "No type is selected in the Listbox \"Any\".");
}
