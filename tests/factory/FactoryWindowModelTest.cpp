#include "factory/view/FactoryWindowModel.h"
#include "foundation/draw/RecordingCanvas.h"
#include "platform/RecordingMessageService.h"
#include "tests/factory/FactoryTestSupport.h"

#include <gtest/gtest.h>

namespace {

using K = ValueDomType;
using D = ValueDomain;
using B = TFactoryWindowModel::TButton;

// The widget as the window logic sees it: what it was asked to show.
class FakeWindowHost : public TFactoryWindowHost {
public:
    void Invalidate() override { ++invalidations; }
    void SetWindowCursor(int cursor) override { windowCursor = cursor; }
    void SetScreenCursor(int cursor) override { screenCursor = cursor; }
    void ShowHintWindow(const std::string& text, TCanvasPoint) override
    {
        hint = text;
        ++hintsShown;
    }
    void HideHintWindow() override { hint.clear(); }
    int GetMinFrameTop() const override { return minFrameTop; }

    int invalidations = 0;
    int windowCursor = 99;
    int screenCursor = 99;
    std::string hint;
    int hintsShown = 0;
    int minFrameTop = 3;
};

// A factory with its frame at {23, 3, 458, 243}, a node A with an input and
// an output, a node B behind it with an input, one factory input and output.
struct WindowModelTest : ::testing::Test {
    WindowModelTest()
    {
        factory.SetFrameRect(23, 3, 458, 243);
        factory.SetNodesCombination(NodesOverlap);
        b = &AddNode("B", {200, 100, 300, 160});
        bIn = &b->AddInput("In", 0.5, 0, K::Factor, D::AllValues);
        a = &AddNode("A", {40, 40, 140, 100});
        aIn = &a->AddInput("In", 0.5, 0, K::Factor, D::AllValues);
        aOut = &a->AddOutput("Out", 0.5, 0, K::Factor, D::AllValues);
        input = &factory.CreateInput("Wave", 0.25, 0, K::Wave, D::AllValues);
        output = &factory.CreateOutput("Result", 0.5, 0, K::Wave, D::AllValues);
        factory.ClearModified();
        factory.SetFileName("f.qbf");
    }

    TScriptedNode& AddNode(const std::string& name, TCanvasRect rect)
    {
        return factory.InsertNode(std::make_unique<TScriptedNode>(name, factory, rect));
    }

    TCanvasPoint PinPoint(const TSountoryNodeInputOutput& pin, bool left) const
    {
        const TCanvasRect r = pin.GetSountoryNode()->GetWindowRect();
        return {left ? r.Left : r.Right, pin.GetPinY(r)};
    }

    // Press, move through the points, release: as the mouse does it.
    void DragAlong(std::initializer_list<TCanvasPoint> points)
    {
        auto it = points.begin();
        model.MouseDown(B::Left, *it);
        for (++it; it != points.end(); ++it)
            model.MouseMove(true, false, *it);
        model.MouseUp(false);
    }

    RecordingMessageService messages;
    TUnitSountory factory{"F", ""};
    FakeWindowHost host;
    TFactoryWindowModel model{factory, host};
    TScriptedNode* a = nullptr;
    TScriptedNode* b = nullptr;
    TSountoryNodeInput* aIn = nullptr;
    TSountoryNodeOutput* aOut = nullptr;
    TSountoryNodeInput* bIn = nullptr;
    TSountoryInput* input = nullptr;
    TSountoryOutput* output = nullptr;
};

} // namespace

TEST_F(WindowModelTest, TheFrameIsAnchoredToTheScrollPositionUnlessJustRead)
{
    factory.SetFrameRect(100, 80, 535, 320);
    model.AnchorFrame(0, 0);
    EXPECT_EQ(factory.GetFrameRect(), (TCanvasRect{23, 3, 458, 243}));
    model.AnchorFrame(40, 0);
    EXPECT_EQ(factory.GetFrameRect().Left, -17);
    TFactoryScroll scroll = model.ScrollForFrame();
    EXPECT_EQ(scroll.HorizontalRange, 435 + 46);
    EXPECT_EQ(scroll.HorizontalPosition, 40);
    EXPECT_EQ(scroll.VerticalRange, 240 + 3 + 3);
    EXPECT_EQ(scroll.VerticalPosition, 0);
    // A description above makes the minimum top its height + 9.
    host.minFrameTop = 2 * (13 + 2) + 6 + 9;
    model.AnchorFrame(0, 10);
    EXPECT_EQ(factory.GetFrameRect().Top, host.minFrameTop - 10);

    // Right after reading, the frame keeps the file's place; the scroll bars follow it.
    factory.SetFrameRect(25, 15, 460, 255);
    factory.View.FrameJustRead = 1;
    model.AnchorFrame(0, 0);
    EXPECT_EQ(factory.GetFrameRect(), (TCanvasRect{25, 15, 460, 255}));
    scroll = model.ScrollForFrame();
    EXPECT_EQ(scroll.HorizontalPosition, 23 - 25);
    EXPECT_EQ(scroll.VerticalPosition, host.minFrameTop - 15);
    EXPECT_EQ(factory.View.FrameJustRead, 0);
    model.AnchorFrame(0, 0);
    EXPECT_EQ(factory.GetFrameRect().Left, 23);
}

TEST_F(WindowModelTest, HoveringShowsCursorsHighlightAndHints)
{
    struct Case {
        TCanvasPoint point;
        int cursor;
    };
    const Case cases[] = {
        {{300, 200}, 0},  // inside the frame
        {{458, 200}, -9}, // its right edge
        {{240, 243}, -7}, // its bottom edge
        {{458, 243}, -8}, // its bottom-right corner
        {{63, 103}, -6},  // node A's bottom-left corner
        {{600, 400}, 0},  // nothing
    };
    for (const Case& c : cases) {
        model.MouseMove(false, false, c.point);
        EXPECT_EQ(host.windowCursor, c.cursor) << c.point.X << "," << c.point.Y;
        EXPECT_EQ(model.GetTouchedItem(), nullptr);
    }
    // A pin: the default cursor, touch state 1 and its hint.
    model.MouseMove(false, false, PinPoint(*aIn, true));
    EXPECT_EQ(host.windowCursor, 0);
    EXPECT_EQ(aIn->TouchState, 1);
    EXPECT_EQ(host.hint, aIn->GetHintText());
    EXPECT_EQ(host.hintsShown, 1);
    model.MouseMove(false, false, PinPoint(*aIn, true));
    EXPECT_EQ(host.hintsShown, 1);
    // Off the pin the highlight and the hint go.
    model.MouseMove(false, false, {300, 200});
    EXPECT_EQ(aIn->TouchState, 0);
    EXPECT_TRUE(host.hint.empty());
    // Without hints no hint shows.
    factory.View.ShowHints = 0;
    model.MouseMove(false, false, PinPoint(*aOut, false));
    EXPECT_EQ(aOut->TouchState, 1);
    EXPECT_EQ(host.hintsShown, 1);
}

TEST_F(WindowModelTest, PressingTheFramesInsideOrLeftOrTopStartsNothing)
{
    for (uint8_t mode : {ModeDrag, ModeConnect}) {
        factory.View.Mode = mode;
        for (TCanvasPoint p : {TCanvasPoint{300, 200}, TCanvasPoint{23, 120}, TCanvasPoint{240, 3}}) {
            model.MouseDown(B::Left, p);
            EXPECT_FALSE(model.IsDragging());
            EXPECT_FALSE(model.IsConnecting());
            model.MouseUp(false);
        }
    }
    // The right edge drags the frame wider; the factory is changed.
    DragAlong({{458, 200}, {478, 200}, {498, 205}});
    EXPECT_EQ(factory.GetFrameRect().Right, 498);
    EXPECT_TRUE(factory.IsModified());
    EXPECT_EQ(host.screenCursor, 0);
}

TEST_F(WindowModelTest, ModesDecideBetweenDraggingAndConnecting)
{
    factory.View.Mode = ModeConnect;
    model.MouseDown(B::Left, {90, 70}); // inside node A
    EXPECT_TRUE(model.IsDragging());
    EXPECT_EQ(host.screenCursor, -12);
    model.MouseUp(false);
    model.MouseDown(B::Left, PinPoint(*aOut, false));
    EXPECT_TRUE(model.IsConnecting());
    EXPECT_FALSE(model.IsDragging());
    model.MouseUp(false);
    EXPECT_FALSE(model.IsConnecting());

    // In drag mode a pin moves along its edge.
    factory.View.Mode = ModeDrag;
    const TCanvasPoint start = PinPoint(*aIn, true);
    model.MouseDown(B::Left, start);
    EXPECT_TRUE(model.IsDragging());
    EXPECT_EQ(host.screenCursor, 0);
    model.MouseMove(true, false, {start.X, start.Y + 10});
    model.MouseUp(false);
    EXPECT_EQ(aIn->GetWindowPoint(), start.Y + 10);
    EXPECT_TRUE(factory.IsModified());
}

TEST_F(WindowModelTest, ANodeStoppedAtTheTopMarginKeepsTheGrabbedPointOnIt)
{
    // A's window rectangle is {63, 43, 163, 103}; the top margin is 5 (window 8).
    model.MouseDown(B::Left, {110, 70});
    model.MouseMove(true, false, {110, 50});
    EXPECT_EQ(a->GetRectangle().Top, 20);
    model.MouseMove(true, false, {110, 20});
    EXPECT_EQ(a->GetRectangle().Top, 5);
    // The point was corrected by the refused 15 pixels: moving back moves the node at once.
    EXPECT_EQ(model.GetDragPoint().Y, 35);
    model.MouseMove(true, false, {110, 45});
    EXPECT_EQ(a->GetRectangle().Top, 15);
    model.MouseUp(false);
}

TEST_F(WindowModelTest, PressingABackNodeBringsItToTheFront)
{
    EXPECT_EQ(factory.Nodes().front().get(), a);
    model.MouseDown(B::Left, {270, 140}); // inside B
    model.MouseUp(false);
    EXPECT_EQ(factory.Nodes().front().get(), b);
    EXPECT_TRUE(factory.IsModified());
    factory.ClearModified();
    model.MouseDown(B::Left, {270, 140});
    model.MouseUp(false);
    EXPECT_FALSE(factory.IsModified());
}

TEST_F(WindowModelTest, AnOutputDraggedToItsOwnNodesInputShowsStateFiveAndConnectsNothing)
{
    factory.View.Mode = ModeConnect;
    const TCanvasPoint from = PinPoint(*aOut, false);
    const TCanvasPoint to = PinPoint(*aIn, true);
    model.MouseDown(B::Left, from);
    model.MouseMove(true, false, to);
    // The target is rated under the previous mouse point.
    model.MouseMove(true, false, to);
    EXPECT_EQ(aIn->TouchState, 5);
    EXPECT_EQ(host.windowCursor, -12);
    model.MouseUp(false);
    EXPECT_EQ(aIn->GetSountoryInputSource(), nullptr);
    EXPECT_EQ(aIn->TouchState, 0);
    EXPECT_FALSE(factory.IsModified());
}

TEST_F(WindowModelTest, ConnectionsAreDrawnFromEitherEndAndANeverMatchingOneIsAskedFirst)
{
    factory.View.Mode = ModeConnect;
    // Node output to the other node's input: both Factor, they always match.
    const TCanvasPoint bPin = PinPoint(*bIn, true);
    model.MouseDown(B::Left, PinPoint(*aOut, false));
    model.MouseMove(true, false, bPin);
    model.MouseMove(true, false, bPin);
    EXPECT_EQ(bIn->TouchState, 2);
    TRecordingCanvas canvas;
    model.DrawConnecting(canvas);
    EXPECT_FALSE(canvas.Calls().empty());
    model.MouseUp(false);
    EXPECT_EQ(bIn->GetSountoryInputSource(), aOut);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(factory.IsModified());

    // From the target end: a Time input never matches a Boolean target; the
    // question comes, and Cancel keeps the old source.
    TSountoryInput& time = factory.CreateInput("Time", 0.75, 0, K::Time, D::AllValues);
    bIn->ValueDomType = K::Boolean;
    const TCanvasRect frame = factory.GetFrameRect();
    const TCanvasPoint timePin{frame.Left, time.GetPinY(frame)};
    messages.Answer(MsgAnswer::Cancel);
    DragAlong({bPin, timePin, timePin});
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Values out from the Source of this connection will never match the Target.");
    EXPECT_EQ(messages.Last().caption, "Make Connection");
    EXPECT_EQ(bIn->GetSountoryInputSource(), aOut);
    messages.Answer(MsgAnswer::Ok);
    DragAlong({bPin, timePin, timePin});
    EXPECT_EQ(bIn->GetSountoryInputSource(), &time);

    // A target with an own value ends with the new source only.
    aIn->SetOwnValue({2, ValueType::Factor}, EHNone);
    bIn->ValueDomType = K::Factor;
    DragAlong({PinPoint(*aIn, true), timePin, timePin});
    EXPECT_EQ(aIn->GetSountoryInputSource(), &time);
    EXPECT_FALSE(aIn->GetHasOwnValue());
}

TEST_F(WindowModelTest, TheRubberBandRunsFromTheSourceEndAndEndsWithTheMouse)
{
    factory.View.Mode = ModeConnect;
    TRecordingCanvas canvas;
    model.DrawConnecting(canvas);
    EXPECT_TRUE(canvas.Calls().empty());
    const TCanvasRect frame = factory.GetFrameRect();
    model.MouseDown(B::Left, {frame.Right, output->GetPinY(frame)});
    model.MouseMove(true, false, {200, 20});
    model.DrawConnecting(canvas);
    const auto lines = canvas.CallsOf(TRecordingCanvas::TOp::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].Points[0], (TCanvasPoint{200, 20}));
    EXPECT_EQ(lines[0].Pen.Width, 2);
    EXPECT_EQ(lines[0].Pen.Color, output->GetTypeColor());
    model.MouseUp(false);
}

TEST_F(WindowModelTest, AnotherFactoryInTheWindowForgetsTheOldOnesItems)
{
    model.MouseMove(false, false, PinPoint(*aIn, true));
    ASSERT_NE(model.GetTouchedItem(), nullptr);
    TUnitSountory other("G", "");
    model.SetFactory(other);
    EXPECT_EQ(model.GetTouchedItem(), nullptr);
    EXPECT_EQ(model.GetHintItem(), nullptr);
    EXPECT_EQ(&model.Factory(), &other);
    model.SetFactory(factory);
}
