#include "factory/document/FactoryStatusTexts.h"
#include "factory/nodes/SountoryNodeMixLoop.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "foundation/draw/RecordingCanvas.h"
#include "platform/Assertions.h"
#include "tests/factory/FactoryTestSupport.h"

#include <gtest/gtest.h>

namespace {

using K = ValueDomType;
using D = ValueDomain;

std::vector<std::string> InputNames(const TUnitSountory& factory)
{
    std::vector<std::string> names;
    for (const auto& input : factory.Inputs())
        names.push_back(input->Name + "/" + std::to_string(input->Sequence));
    return names;
}

std::vector<std::string> OutputNames(const TUnitSountory& factory)
{
    std::vector<std::string> names;
    for (const auto& output : factory.Outputs())
        names.push_back(output->Name);
    return names;
}

} // namespace

TEST(FactoryDocument, DefaultsAndModifiedWithoutAFileName)
{
    TUnitSountory factory("Factory 1", "");
    EXPECT_EQ(factory.GetKind(), UnitKindFactory);
    EXPECT_EQ(factory.GetFrameRect(), (TCanvasRect{25, 15, 460, 255}));
    EXPECT_EQ(factory.NodesCombination, NodesShift);
    EXPECT_TRUE(factory.GetRectanglePool().ShiftRightFree && factory.GetRectanglePool().ShiftDownFree);
    EXPECT_EQ(factory.ShowNameIO + factory.ShowNameNIO, 2);
    EXPECT_EQ(factory.ShowTypeIO + factory.ShowTypeNIO, 0);
    EXPECT_EQ(factory.ValidationStamp, 0);
    EXPECT_TRUE(factory.Nodes().empty() && factory.Inputs().empty() && factory.Outputs().empty());
    EXPECT_TRUE(factory.IsModified());
    EXPECT_EQ(FactoryStatusTexts(factory).Panel2, "New");

    TUnitSountory saved("Factory 2", "f.qbf");
    EXPECT_FALSE(saved.IsModified());
    EXPECT_EQ(FactoryStatusTexts(saved).Panel2, "");
    saved.SetModified();
    EXPECT_EQ(FactoryStatusTexts(saved).Panel2, "Changed");
    saved.FactoryKind = FactoryLoopMix;
    EXPECT_EQ(FactoryStatusTexts(saved).Panel1, "Loop and Mix Factory");
    saved.SetNodesCombination(NodesFixed);
    EXPECT_FALSE(saved.GetRectanglePool().ShiftRightFree);
}

TEST(FactoryDocument, SequencesStayDenseWhenItemsGo)
{
    TUnitSountory factory("F", "");
    TSountoryInput& a = factory.CreateInput("A", 0.1, 0, K::Factor, D::AllValues);
    TSountoryInput& b = factory.CreateInput("B", 0.2, 0, K::Factor, D::AllValues);
    factory.CreateInput("C", 0.3, 0, K::Factor, D::AllValues);
    EXPECT_EQ(InputNames(factory), (std::vector<std::string>{"A/0", "B/1", "C/2"}));
    factory.DeleteInput(&b);
    EXPECT_EQ(InputNames(factory), (std::vector<std::string>{"A/0", "C/1"}));
    factory.DeleteInput(&a);
    EXPECT_EQ(InputNames(factory), (std::vector<std::string>{"C/0"}));
    EXPECT_EQ(factory.GetMaxOutputSequence(), -1);
    // Two equal sequences are a broken invariant.
    factory.CreateInput("D", 0.3, 0, K::Factor, D::AllValues, "", 0);
    ThrowOnFatalAssertion throwing;
    TSountoryInput& e = factory.CreateInput("E", 0.3, 0, K::Factor, D::AllValues, "", 0);
    EXPECT_THROW(factory.DeleteInput(&e), FatalAssertion);
}

TEST(FactoryDocument, NodesHeadFrontMostAndLookUps)
{
    TUnitSountory factory("F", "f.qbf");
    TScriptedNode& first = AddScripted(factory, "First");
    TScriptedNode& second = AddScripted(factory, "Second");
    EXPECT_EQ(factory.Nodes().front().get(), &second);
    factory.BringNodeToFront(&first);
    EXPECT_EQ(factory.Nodes().front().get(), &first);
    EXPECT_TRUE(factory.IsModified());
    EXPECT_EQ(factory.FindNode("Second", nullptr), &second);
    EXPECT_EQ(factory.FindNode("second", nullptr), nullptr);
    EXPECT_EQ(factory.FindNode("Second", &second), nullptr);
    TSountoryNodeInput& count = first.AddInput("Count", 0.5, 0, K::Integer, D::AllValues);
    EXPECT_EQ(first.FindNodeInput("count", nullptr), nullptr);
    EXPECT_EQ(first.FindNodeInput("Count", &count), nullptr);
    // The head is drawn last, on top.
    TRecordingCanvas canvas;
    first.AddOutput("X", 0.5, 0, K::Factor, D::AllValues);
    second.AddOutput("Y", 0.5, 0, K::Factor, D::AllValues);
    factory.Draw(canvas);
    const auto texts = canvas.CallsOf(TRecordingCanvas::TOp::TextOut);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().Text, "X");
}

TEST(FactoryDocument, DeletingAnItemOrANodeLeavesNoConnection)
{
    TUnitSountory factory("F", "");
    TSountoryInput& in = factory.CreateInput("In", 0.5, 0, K::Factor, D::AllValues);
    TSountoryOutput& out = factory.CreateOutput("Out", 0.5, 0, K::Factor, D::AllValues);
    TScriptedNode& node = AddScripted(factory, "N");
    TSountoryNodeInput& pin = node.AddInput("A", 0.5, 0, K::Factor, D::AllValues);
    TSountoryNodeOutput& result = node.AddOutput("R", 0.5, 0, K::Factor, D::AllValues);
    TScriptedNode& other = AddScripted(factory, "M");
    TSountoryNodeInput& otherPin = other.AddInput("B", 0.5, 0, K::Factor, D::AllValues);
    TSountoryNodeInput& secondPin = other.AddInput("C", 0.5, 0, K::Factor, D::AllValues);
    pin.SetSource(&in);
    out.SetSource(&result);
    otherPin.SetSource(&result);
    secondPin.SetSource(&result);
    EXPECT_EQ(node.CountConnections(), 4);
    factory.DeleteInput(&in);
    EXPECT_EQ(pin.GetSountoryInputSource(), nullptr);
    factory.DeleteNode(&node);
    EXPECT_EQ(out.GetSountoryInputSource(), nullptr);
    EXPECT_EQ(otherPin.GetSountoryInputSource(), nullptr);
    EXPECT_EQ(factory.GetRectanglePool().Rectangles().size(), 1u);
}

TEST(FactoryDocument, ConnectListsAndSelections)
{
    TUnitSountory factory("F", "");
    TSountoryInput& in = factory.CreateInput("In", 0.5, 0, K::Factor, D::AllValues);
    factory.CreateInput("W", 0.5, 0, K::Wave, D::AllValues);
    TSountoryOutput& out = factory.CreateOutput("Out", 0.5, 0, K::Factor, D::AllValues);
    TScriptedNode& node = AddScripted(factory, "N");
    TSountoryNodeInput& a = node.AddInput("A", 0.5, 0, K::Factor, D::AllValues);
    node.AddOutput("R", 0.5, 0, K::Factor, D::AllValues);
    TConnectList sources;
    factory.FillSourceList(sources, K::Time, nullptr);
    ASSERT_EQ(sources.Entries.size(), 3u);
    EXPECT_EQ(sources.Entries[0].Text, "<none>");
    EXPECT_EQ(sources.Entries[1].Text, "In <Input>");
    EXPECT_EQ(sources.Entries[2].Text, "N.R <Node Output>");
    factory.FillSourceList(sources, K::Factor, &node);
    EXPECT_EQ(sources.Entries.size(), 2u);

    TConnectList targets;
    factory.FillTargetList(targets, K::Factor, nullptr);
    ASSERT_EQ(targets.Entries.size(), 3u);
    EXPECT_EQ(targets.Entries[2].Text, "N.A <Node Input>");
    targets.Entries[1].Selected = true;
    targets.Entries[2].Selected = true;
    in.ApplyTargetSelection(targets);
    EXPECT_EQ(out.GetSountoryInputSource(), &in);
    EXPECT_EQ(a.GetSountoryInputSource(), &in);
    int notFed = 0;
    int fed = 0;
    in.CountTargets(notFed, fed, K::Factor, nullptr);
    EXPECT_EQ(fed, 2);
    EXPECT_EQ(notFed, 0);

    // A connected target missing from the list is disconnected.
    TConnectList onlyOutput;
    onlyOutput.Entries = {{"<none>"}, {"Out <Output>", nullptr, &out, true}};
    in.ApplyTargetSelection(onlyOutput);
    EXPECT_EQ(out.GetSountoryInputSource(), &in);
    EXPECT_EQ(a.GetSountoryInputSource(), nullptr);
    TConnectList shown;
    factory.FillTargetList(shown, K::Factor, nullptr);
    in.SelectTargetsInList(shown);
    EXPECT_TRUE(shown.Entries[1].Selected);
    EXPECT_FALSE(shown.Entries[0].Selected);
    TConnectList none;
    factory.FillSourceList(none, K::Factor, nullptr);
    a.SelectSourceInList(none);
    EXPECT_TRUE(none.Entries[0].Selected);
}

TEST(FactoryKinds, RefitKeepsMatchingItemsWithTheirConnections)
{
    TUnitSountory factory("F", "");
    factory.SetupKindInputsOutputs(0, nullptr);
    EXPECT_EQ(factory.FactoryKind, FactoryChangeWW);
    EXPECT_FALSE(factory.Modified);
    TSountoryInput* wave = factory.FindInput("Wave", nullptr);
    TSountoryOutput* result = factory.FindOutput("Result", nullptr);
    ASSERT_TRUE(wave && result);
    EXPECT_TRUE(wave->CanChangeWaveSubtype && wave->Fixed);
    EXPECT_EQ(wave->Description, "The Wave in the Wave Window");
    TScriptedNode& node = AddScripted(factory, "N");
    node.AddInput("In", 0.5, 0, K::Wave, D::AllValues).SetSource(wave);
    result->SetSource(&node.AddOutput("Out", 0.5, 0, K::Wave, D::AllValues));

    factory.FitKindInputsOutputs(FactoryCreateWW);
    EXPECT_EQ(OutputNames(factory), (std::vector<std::string>{"Result", "Position Begin", "Position End"}));
    EXPECT_TRUE(factory.Inputs().empty());
    EXPECT_EQ(factory.FindOutput("Result", nullptr), result);
    EXPECT_NE(result->GetSountoryInputSource(), nullptr);
    EXPECT_EQ(node.Inputs().front()->GetSountoryInputSource(), nullptr);

    // Kind 4 deletes nothing and clears Fixed everywhere.
    factory.FitKindInputsOutputs(FactoryFree);
    EXPECT_EQ(factory.CountOutputs(), 3);
    for (const auto& output : factory.Outputs())
        EXPECT_FALSE(output->Fixed);

    // Re-applying a kind keeps its items and fixes them again.
    factory.FitKindInputsOutputs(FactoryCreateWW);
    EXPECT_EQ(factory.FindOutput("Result", nullptr), result);
    EXPECT_TRUE(result->Fixed);
}

TEST(FactoryKinds, UserItemsOfStandardNames)
{
    TUnitSountory factory("F", "");
    factory.SetupKindInputsOutputs(4, nullptr);
    factory.CreateInput("Count", 0.5, 0, K::Integer, D::Positive);
    TSountoryInput& tempo = factory.CreateInput("Tempo", 0.5, 0, K::Time, D::PositiveNotZero);
    factory.FitKindInputsOutputs(FactoryNotePlayer);
    // A user-made "Count" dies; a "Tempo" of the standard kind and domain stays, fixed.
    EXPECT_EQ(factory.FindInput("Count", nullptr), nullptr);
    EXPECT_EQ(factory.FindInput("Tempo", nullptr), &tempo);
    EXPECT_TRUE(tempo.Fixed);
    EXPECT_EQ(factory.CountInputs(), 5);
    const std::vector<int32_t> sequences = [&] {
        std::vector<int32_t> s;
        for (const auto& input : factory.Inputs())
            s.push_back(input->Sequence);
        return s;
    }();
    EXPECT_EQ(sequences, (std::vector<int32_t>{0, 1, 2, 3, 4}));

    TUnitSountory created("C", "");
    created.CreateInput("Count", 0.5, 0, K::Integer, D::Positive);
    created.FitKindInputsOutputs(FactoryCreateWW);
    EXPECT_TRUE(created.Inputs().empty());

    TUnitSountory other("G", "");
    TSountoryInput& factorTempo = other.CreateInput("Tempo", 0.5, 0, K::Factor, D::AllValues);
    other.FitKindInputsOutputs(FactoryNotePlayer);
    TSountoryInput* fresh = other.FindInput("Tempo", nullptr);
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, &factorTempo);
    EXPECT_EQ(fresh->ValueDomType, K::Time);
}

TEST(FactoryKinds, FittingToNodes)
{
    TUnitSountory caller("Caller", "");
    auto& loop = caller.InsertNode(std::make_unique<TSountoryNodeMixLoop>("Loop", "G", caller,
                                                                           TCanvasRect{20, 10, 80, 60}, false));
    loop.AddInput("Wave", 0.2, 1, K::Wave, D::AllValues);
    loop.AddInput("Count", 0.5, 1, K::Integer, D::Positive);
    loop.AddInput("Gain", 0.8, 0, K::Factor, D::AllValues);
    loop.AddOutput("Result", 0.5, 1, K::Wave, D::AllValues);

    TUnitSountory used("G", "");
    used.CreateOutput("Sample", 0.1, 0, K::Wave, D::AllValues);
    used.CreateOutput("Extra", 0.9, 0, K::Factor, D::AllValues);
    used.SetupKindInputsOutputs(7, &loop);
    EXPECT_EQ(used.FactoryKind, FactoryLoopMix);
    EXPECT_EQ(InputNames(used), (std::vector<std::string>{"Wave/0", "Count/1", "Gain/2", "Counter/3"}));
    // Each loop output once; what the node does not need goes.
    EXPECT_EQ(OutputNames(used),
              (std::vector<std::string>{"Sample", "Volume", "Position in Sample", "Position in Result"}));

    auto& user = caller.InsertNode(
        std::make_unique<TSountoryNodeUser>("User", "H", caller, TCanvasRect{100, 10, 160, 60}));
    user.AddInput("A", 0.3, 0, K::Time, D::AllValues);
    user.AddOutput("B", 0.3, 0, K::Time, D::AllValues);
    TUnitSountory free("H", "");
    free.SetupKindInputsOutputs(5, &user);
    EXPECT_EQ(InputNames(free), (std::vector<std::string>{"A/0"}));
    EXPECT_EQ(OutputNames(free), (std::vector<std::string>{"B"}));
}
