#include "factory/nodes/SountoryNodeBuiltin.h"
#include "factory/nodes/SountoryNodeSimpleLoop.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "factory/view/FactoryWindowCommands.h"
#include "factory/view/FactoryWindowModel.h"
#include "platform/RecordingMessageService.h"
#include "support/RecordingHelpService.h"
#include "tests/factory/FactoryTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using K = ValueDomType;
using D = ValueDomain;
using M = TFactoryMenuItem;

class QuietHost : public TFactoryWindowHost {
public:
    void Invalidate() override {}
    void SetWindowCursor(int) override {}
    void SetScreenCursor(int) override {}
    void ShowHintWindow(const std::string&, TCanvasPoint) override {}
    void HideHintWindow() override {}
    int GetMinFrameTop() const override { return 3; }
};

// Dialogs that answer from the test: each records its caption and runs a
// script on what it was given; without a script it answers OK.
class ScriptedDialogs : public TFactoryDialogs {
public:
    bool FactoryProperties(TUnitSountory&) override { return Record("Properties Factory"); }
    bool BuiltinNodeProperties(TSountoryNodeBuiltin& node) override
    {
        if (onBuiltin)
            onBuiltin(node);
        return Record("Properties Builtin Node");
    }
    bool UserNodeProperties(TSountoryNodeUseFactory& node, bool& useIO) override
    {
        lastUseIO = useIO;
        useIO = keepUseIO;
        node.SetFactoryName(userFactoryName);
        return Record("User Node");
    }
    bool PinProperties(const TPinSubject& subject) override
    {
        lastPin = subject;
        return Record(PinDialogCaption(subject));
    }
    bool NodeValues(TSountoryNode&, bool types) override { return Record(types ? "Node Types" : "Node Values"); }
    bool OutputValues(TUnitSountory&, bool types) override
    {
        return Record(types ? "Output Types" : "Output Values");
    }
    void SequenceDialog(TUnitSountory&, sntSountoryObject kind) override
    {
        Record(kind == sntSountoryObjectInput ? "Sequence Inputs" : "Sequence Outputs");
    }
    void NewFactoryForNode(int createKind, TSountoryNode&) override
    {
        Record("New Factory " + std::to_string(createKind));
    }

    bool Record(const std::string& caption)
    {
        shown.push_back(caption);
        return answer;
    }

    std::vector<std::string> shown;
    bool answer = true;
    bool keepUseIO = true;
    bool lastUseIO = false;
    std::string userFactoryName = "Factory";
    TPinSubject lastPin;
    std::function<void(TSountoryNodeBuiltin&)> onBuiltin;
};

// A factory with its frame at {23, 3, 458, 243}.
struct CommandsTest : ::testing::Test {
    CommandsTest()
    {
        factory.SetFrameRect(23, 3, 458, 243);
        factory.SetFileName("f.qbf");
    }

    // Right-click at a point: the state the menu shows.
    TFactoryMenuState OpenMenu(TCanvasPoint point)
    {
        model.MouseDown(TFactoryWindowModel::TButton::Right, point);
        return commands.MenuOpening();
    }
    void RunAt(TCanvasPoint point, M item)
    {
        OpenMenu(point);
        commands.Run(item);
    }
    TCanvasPoint InputPoint(const TSountoryInput& input) const
    {
        const TCanvasRect frame = factory.GetFrameRect();
        return {frame.Left, input.GetPinY(frame)};
    }
    TCanvasPoint OutputPoint(const TSountoryOutput& output) const
    {
        const TCanvasRect frame = factory.GetFrameRect();
        return {frame.Right, output.GetPinY(frame)};
    }
    TCanvasPoint PinPoint(const TSountoryNodeInputOutput& pin, bool left) const
    {
        const TCanvasRect r = pin.GetSountoryNode()->GetWindowRect();
        return {left ? r.Left : r.Right, pin.GetPinY(r)};
    }
    std::vector<std::string> InputNames() const
    {
        std::vector<std::string> names;
        for (const auto& input : factory.Inputs())
            names.push_back(input->Name);
        return names;
    }

    RecordingMessageService messages;
    FakeMainForm mainForm;
    TUnitSountory factory{"F", ""};
    QuietHost host;
    TFactoryWindowModel model{factory, host};
    ScriptedDialogs dialogs;
    TFactoryWindowCommands commands{model, dialogs};
};

} // namespace

TEST_F(CommandsTest, OutsideTheFrameOnlySeparatorsRemain)
{
    const TFactoryMenuState state = OpenMenu({600, 400});
    EXPECT_FALSE(state.AnyVisible());
    EXPECT_EQ(state.ConnDelCaption, "Delete Connections");
    // The layout keeps its separators between the groups.
    int separators = 0;
    for (const TFactoryMenuLine& line : FactoryMenuLayout())
        if (line.Item == M::Count)
            ++separators;
    EXPECT_EQ(separators, 7);
    EXPECT_EQ(static_cast<int>(FactoryMenuLayout().size()), FactoryMenuItemCount + 7);
}

TEST_F(CommandsTest, TheFramesMenuFollowsTheFactoryKind)
{
    factory.SetupKindInputsOutputs(0, nullptr); // changes a wave window
    TFactoryMenuState state = OpenMenu({300, 200});
    EXPECT_EQ(state[M::AddOutput], (TFactoryMenuItemState{true, false}));
    EXPECT_FALSE(state[M::AddOutputInput].Visible);
    EXPECT_EQ(state[M::Delete], (TFactoryMenuItemState{true, false}));
    EXPECT_EQ(state[M::AddBuiltinNode], (TFactoryMenuItemState{true, true}));
    EXPECT_EQ(state[M::SequenceInputs], (TFactoryMenuItemState{true, true}));
    EXPECT_FALSE(state[M::ConnMake].Visible);
    EXPECT_FALSE(state[M::HelpBuiltin].Visible);

    TUnitSountory loop("L", "");
    loop.SetFrameRect(23, 3, 458, 243);
    loop.SetupKindInputsOutputs(8, nullptr); // a new simple loop
    model.SetFactory(loop);
    state = OpenMenu({300, 200});
    EXPECT_FALSE(state[M::AddOutput].Visible);
    EXPECT_EQ(state[M::AddOutputInput], (TFactoryMenuItemState{true, true}));
    model.SetFactory(factory);

    factory.FactoryKind = FactoryFree;
    EXPECT_EQ(OpenMenu({300, 200})[M::AddOutput], (TFactoryMenuItemState{true, true}));
}

TEST_F(CommandsTest, ConnectionCaptionsAndCountsFollowTheItem)
{
    TSountoryInput& in = factory.CreateInput("In", 0.25, 0, K::Factor, D::AllValues);
    TSountoryOutput& out = factory.CreateOutput("Out", 0.5, 0, K::Factor, D::AllValues);
    TFactoryMenuState state = OpenMenu(OutputPoint(out));
    EXPECT_EQ(state.ConnMakeCaption, "Add &Connection");
    EXPECT_EQ(state.ConnDelCaption, "Delete Connections");
    EXPECT_EQ(state[M::ConnDel], (TFactoryMenuItemState{true, false}));
    EXPECT_EQ(state[M::ConnMake], (TFactoryMenuItemState{true, true}));

    out.SetSountoryInputSource(&in);
    state = OpenMenu(OutputPoint(out));
    EXPECT_EQ(state.ConnMakeCaption, "Replace &Connection");
    EXPECT_EQ(state.ConnDelCaption, "Delete Connection");
    EXPECT_TRUE(state[M::ConnDel].Enabled);
    state = OpenMenu(InputPoint(in));
    EXPECT_EQ(state.ConnMakeCaption, "Add &Connection");
    EXPECT_EQ(state.ConnDelCaption, "Delete Connection");
    // Its only target is fed already.
    EXPECT_EQ(state[M::ConnMake], (TFactoryMenuItemState{true, false}));

    commands.Run(M::ConnDel);
    EXPECT_EQ(out.GetSountoryInputSource(), nullptr);
    EXPECT_TRUE(factory.IsModified());
}

TEST_F(CommandsTest, NewInputsAreNamedByTheFirstFreeNumberAndPlacedWhereClicked)
{
    factory.CreateInput("Input", 0.1, 0, K::Wave, D::AllValues);
    factory.CreateInput("Input 2", 0.2, 0, K::Wave, D::AllValues);
    // A quarter of the way down the frame.
    RunAt({300, 3 + 60}, M::AddInput);
    ASSERT_EQ(factory.CountInputs(), 3);
    const TSountoryInput& added = *factory.Inputs().back();
    EXPECT_EQ(added.Name, "Input 3");
    EXPECT_DOUBLE_EQ(added.GetHeight(), 0.25);
    EXPECT_EQ(added.ValueDomType, K::Wave);
    EXPECT_EQ(added.ValueDomain, D::AllValues);
    EXPECT_EQ(added.Sequence, 2);
    EXPECT_FALSE(added.Fixed);
    EXPECT_EQ(dialogs.shown.back(), "Input Properties");
    EXPECT_TRUE(factory.IsModified());

    // Cancel takes the new input away again.
    dialogs.answer = false;
    RunAt({300, 100}, M::AddInput);
    EXPECT_EQ(factory.CountInputs(), 3);
    dialogs.answer = true;

    RunAt(InputPoint(*factory.FindInput("Input 2", nullptr)), M::Delete);
    EXPECT_EQ(InputNames(), (std::vector<std::string>{"Input", "Input 3"}));
    RunAt({300, 150}, M::AddInput);
    EXPECT_EQ(factory.Inputs().back()->Name, "Input 2");

    // An output and an input of one name: both free.
    factory.FactoryKind = FactoryLoopSimple;
    factory.CreateInput("Input and Output", 0.9, 0, K::Wave, D::AllValues);
    RunAt({300, 180}, M::AddOutputInput);
    EXPECT_EQ(factory.Outputs().back()->Name, "Input and Output 2");
    EXPECT_EQ(factory.Inputs().back()->Name, "Input and Output 2");
    EXPECT_EQ(dialogs.shown.back(), "Output (and Input) Properties");
    EXPECT_EQ(dialogs.lastPin.Kind, sntSountoryObjectOutput);
    EXPECT_EQ(dialogs.lastPin.Partner, factory.Inputs().back().get());
}

TEST_F(CommandsTest, DeletingInASimpleLoopTakesTheSameNamedOutputWithTheInput)
{
    factory.FactoryKind = FactoryLoopSimple;
    TSountoryInput& in = factory.CreateInput("X", 0.3, 0, K::Factor, D::AllValues);
    TSountoryOutput& out = factory.CreateOutput("X", 0.3, 0, K::Factor, D::AllValues);
    RunAt(OutputPoint(out), M::Delete);
    EXPECT_EQ(factory.CountOutputs(), 0);
    EXPECT_EQ(factory.CountInputs(), 1);
    RunAt(InputPoint(in), M::AddPairedOutput);
    ASSERT_EQ(factory.CountOutputs(), 1);
    const TSountoryOutput& paired = *factory.Outputs().front();
    EXPECT_EQ(paired.Name, "X");
    EXPECT_DOUBLE_EQ(paired.GetHeight(), 0.3);
    EXPECT_EQ(paired.ValueDomType, K::Factor);
    RunAt(InputPoint(*factory.FindInput("X", nullptr)), M::Delete);
    EXPECT_EQ(factory.CountOutputs(), 0);
    EXPECT_EQ(factory.CountInputs(), 0);
    // Fixed items stay, and their menu says so.
    TSountoryInput& fixed = factory.CreateInput("F", 0.5, 1, K::Factor, D::AllValues);
    EXPECT_FALSE(OpenMenu(InputPoint(fixed))[M::Delete].Enabled);
    commands.Run(M::Delete);
    EXPECT_EQ(factory.CountInputs(), 1);
}

TEST_F(CommandsTest, OperandsAreRenumberedAfterADelete)
{
    auto& plus = factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("Plus", 40, factory, TCanvasRect{40, 40, 200, 140}, true));
    RunAt({150, 100}, M::AddInputOperand);
    ASSERT_EQ(plus.CountInputs(), 3);
    TSountoryNodeInput* second = plus.FindNodeInput("Operand 2", nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(OpenMenu(PinPoint(*second, true))[M::Delete].Enabled);
    commands.Run(M::Delete);
    ASSERT_EQ(plus.CountInputs(), 2);
    EXPECT_EQ(plus.Inputs()[0]->Name, "Operand 1");
    EXPECT_EQ(plus.Inputs()[1]->Name, "Operand 2");
    // With two operands none may go.
    EXPECT_FALSE(OpenMenu(PinPoint(*plus.Inputs()[1], true))[M::Delete].Enabled);
    RunAt({150, 100}, M::AddInputOperand);
    EXPECT_EQ(plus.Inputs().back()->Name, "Operand 3");
}

TEST_F(CommandsTest, NewNodesAreSizedByTheirPinsAfterTheirDialog)
{
    factory.SetFrameRect(23, 3, 823, 603);
    // Volume, as a new node starts, has five inputs: 25 pixels each.
    RunAt({200, 120}, M::AddBuiltinNode);
    ASSERT_EQ(factory.Nodes().size(), 1u);
    const TSountoryNode& volume = *factory.Nodes().front();
    EXPECT_EQ(volume.Name, "Builtin");
    EXPECT_EQ(volume.GetRectangle().Get().Width(), 160);
    EXPECT_EQ(volume.GetRectangle().Get().Height(), 125);
    EXPECT_EQ(dialogs.shown.back(), "Properties Builtin Node");

    // At most two pins a side: 68 high.
    dialogs.onBuiltin = [](TSountoryNodeBuiltin& node) { node.ChangeBuiltinFunction(44); };
    RunAt({600, 120}, M::AddBuiltinNode);
    ASSERT_EQ(factory.Nodes().size(), 2u);
    EXPECT_EQ(factory.Nodes().front()->GetRectangle().Get().Width(), 160);
    EXPECT_EQ(factory.Nodes().front()->GetRectangle().Get().Height(), 68);

    // Four inputs want 100 pixels.
    dialogs.onBuiltin = [](TSountoryNodeBuiltin& node) {
        node.ChangeBuiltinFunction(40);
        node.AddOperandInput();
        node.AddOperandInput();
    };
    RunAt({200, 400}, M::AddBuiltinNode);
    ASSERT_EQ(factory.Nodes().size(), 3u);
    EXPECT_EQ(factory.Nodes().front()->CountInputs(), 4);
    EXPECT_EQ(factory.Nodes().front()->GetRectangle().Get().Width(), 160);
    EXPECT_EQ(factory.Nodes().front()->GetRectangle().Get().Height(), 100);
    dialogs.onBuiltin = nullptr;

    // Cancel: the node goes again.
    dialogs.answer = false;
    RunAt({600, 400}, M::AddUserNode);
    EXPECT_EQ(factory.Nodes().size(), 3u);
    dialogs.answer = true;

    // A user node's pins follow the factory it names when asked to.
    TUnitSountory used("Used", "");
    used.CreateInput("A", 0.5, 0, K::Factor, D::AllValues);
    used.CreateOutput("B", 0.5, 0, K::Factor, D::AllValues);
    mainForm.factories["Used"] = &used;
    dialogs.userFactoryName = "Used";
    RunAt({600, 400}, M::AddUserNode);
    ASSERT_EQ(factory.Nodes().size(), 4u);
    const TSountoryNode& user = *factory.Nodes().front();
    EXPECT_TRUE(dialogs.lastUseIO);
    EXPECT_EQ(user.Name, "User Node ");
    ASSERT_EQ(user.CountInputs(), 1);
    EXPECT_EQ(user.Inputs().front()->Name, "A");
    EXPECT_EQ(user.GetRectangle().Get().Height(), 68);
}

TEST_F(CommandsTest, NoFreePlaceDisablesTheNewNodes)
{
    factory.InsertNode(std::make_unique<TScriptedNode>("Big", factory, TCanvasRect{15, 5, 420, 235}));
    const TFactoryMenuState state = OpenMenu({200, 120});
    EXPECT_EQ(state[M::Properties].Visible, true);
    // The click lies inside the node: the node's menu.
    EXPECT_TRUE(state[M::CreateFactoryForNode].Visible);
    factory.DeleteNode(factory.Nodes().front().get());
    factory.InsertNode(std::make_unique<TScriptedNode>("Left", factory, TCanvasRect{15, 5, 200, 235}));
    factory.InsertNode(std::make_unique<TScriptedNode>("Right", factory, TCanvasRect{230, 5, 420, 235}));
    const TFactoryMenuState between = OpenMenu({23 + 215, 120});
    EXPECT_EQ(between[M::AddBuiltinNode], (TFactoryMenuItemState{true, false}));
    commands.Run(M::AddBuiltinNode);
    EXPECT_EQ(factory.Nodes().size(), 2u);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CommandsTest, NodeMenusByKind)
{
    auto& builtin = factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("Rev", 5, factory, TCanvasRect{40, 40, 200, 110}, true));
    TFactoryMenuState state = OpenMenu({120, 75});
    EXPECT_FALSE(state[M::AddInput].Visible);
    EXPECT_FALSE(state[M::AddOutput].Visible);
    EXPECT_EQ(state[M::AddInputOperand], (TFactoryMenuItemState{true, false}));
    EXPECT_EQ(state[M::HelpBuiltin], (TFactoryMenuItemState{true, true}));
    EXPECT_EQ(state[M::CreateFactoryForNode], (TFactoryMenuItemState{true, false}));
    RecordingHelpService help;
    commands.Run(M::HelpBuiltin);
    EXPECT_EQ(help.contexts, (std::vector<int>{1029}));
    factory.DeleteNode(&builtin);

    auto& loop = factory.InsertNode(
        std::make_unique<TSountoryNodeSimpleLoop>("Loop", "Inner", factory, TCanvasRect{40, 40, 200, 140}, true));
    state = OpenMenu({120, 75});
    EXPECT_FALSE(state[M::AddOutput].Visible);
    EXPECT_EQ(state[M::AddOutputInput], (TFactoryMenuItemState{true, true}));
    commands.Run(M::CreateFactoryForNode);
    EXPECT_EQ(dialogs.shown.back(), "New Factory 9");
    commands.Run(M::AddOutputInput);
    TSountoryNodeInput* in = loop.FindNodeInput("Input and Output", nullptr);
    ASSERT_NE(in, nullptr);
    EXPECT_NE(loop.FindNodeOutput("Input and Output", nullptr), nullptr);
    EXPECT_EQ(dialogs.shown.back(), "Node Output (and Input) Properties");
    // The pair is edited together from either end, and deleted together from the input.
    RunAt(PinPoint(*in, true), M::Properties);
    EXPECT_EQ(dialogs.shown.back(), "Node Input (and Output) Properties");
    RunAt(PinPoint(*in, true), M::Delete);
    EXPECT_EQ(loop.FindNodeInput("Input and Output", nullptr), nullptr);
    EXPECT_EQ(loop.FindNodeOutput("Input and Output", nullptr), nullptr);

    auto& user = factory.InsertNode(
        std::make_unique<TSountoryNodeUser>("User", "Inner", factory, TCanvasRect{250, 40, 400, 140}));
    state = OpenMenu({320, 90});
    EXPECT_EQ(state[M::AddOutput], (TFactoryMenuItemState{true, true}));
    EXPECT_EQ(state[M::AddInput], (TFactoryMenuItemState{true, true}));
    commands.Run(M::Properties);
    EXPECT_EQ(dialogs.shown.back(), "User Node");
    EXPECT_FALSE(dialogs.lastUseIO);
    RunAt({320, 90}, M::Delete);
    EXPECT_EQ(factory.Nodes().size(), 1u);
    (void)user;
}
