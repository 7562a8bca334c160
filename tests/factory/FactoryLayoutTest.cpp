#include "factory/nodes/SountoryNodeBuiltin.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "factory/view/FactoryHit.h"
#include "factory/view/FactoryMenu.h"
#include "foundation/draw/RecordingCanvas.h"
#include "tests/factory/FactoryTestSupport.h"

#include <gtest/gtest.h>

namespace {

using K = ValueDomType;
using D = ValueDomain;
using Op = TRecordingCanvas::TOp;

// The default frame of a new factory: {25, 15, 460, 255}, 435 by 240.
struct LayoutTest : ::testing::Test {
    TScriptedNode& Node(const std::string& name, TCanvasRect rect)
    {
        return factory.InsertNode(std::make_unique<TScriptedNode>(name, factory, rect));
    }

    TUnitSountory factory{"F", ""};
};

} // namespace

TEST_F(LayoutTest, APinBeatsItsNodeAndTheFrameIsDraggedOnlyByItsRightAndBottom)
{
    TScriptedNode& node = Node("N", {20, 10, 120, 60});
    TSountoryNodeInput& pin = node.AddInput("In", 0.5, 0, K::Factor, D::AllValues);
    // The pin's centre lies on the node's left edge: both are at distance 0.
    const TCanvasRect window = node.GetWindowRect();
    const TCanvasPoint centre{window.Left, pin.GetPinY(window)};
    TFactoryHit hit = HitFactory(factory, centre, false);
    EXPECT_EQ(hit.Kind, sntSountoryObjectNodeInput);
    EXPECT_EQ(hit.NodeInput(), &pin);

    hit = HitFactory(factory, {95, 50}, false);
    EXPECT_EQ(hit.Node(), &node);
    EXPECT_EQ(hit.Part, sntTouchInside);

    struct Case {
        TCanvasPoint point;
        bool forDragging;
        sntSountoryObject kind;
        sntTouchPart part;
    };
    const sntSountoryObject none = static_cast<sntSountoryObject>(0);
    const Case cases[] = {
        {{300, 200}, false, sntSountoryObjectSountory, sntTouchInside},
        {{300, 200}, true, none, sntTouchInside},
        {{25, 100}, true, none, sntTouchInside},
        {{200, 15}, true, none, sntTouchInside},
        {{460, 15}, false, sntSountoryObjectSountory, sntTouchTopRight},
        {{460, 15}, true, sntSountoryObjectSountory, sntTouchRight},
        {{25, 255}, true, sntSountoryObjectSountory, sntTouchBottom},
        {{460, 255}, true, sntSountoryObjectSountory, sntTouchBottomRight},
        {{600, 400}, false, none, sntTouchInside},
    };
    for (const Case& c : cases) {
        hit = HitFactory(factory, c.point, c.forDragging);
        EXPECT_EQ(hit.Kind, c.kind) << c.point.X << "," << c.point.Y << " " << c.forDragging;
        EXPECT_EQ(hit.Found(), c.kind != none);
        if (c.kind != none) {
            EXPECT_EQ(hit.Part, c.part) << c.point.X << "," << c.point.Y;
        }
    }
}

TEST_F(LayoutTest, NodesKeepTenPixelsSideBySideAndThreeAboveEachOther)
{
    TScriptedNode& a = Node("A", {20, 10, 120, 60});
    TScriptedNode& b = Node("B", {128, 10, 200, 60});
    EXPECT_TRUE(a.OverlapsNode(b));
    EXPECT_TRUE(factory.AnyNodesOverlap());
    b.GetRectangle().Set({132, 10, 200, 60});
    EXPECT_FALSE(a.OverlapsNode(b));
    EXPECT_FALSE(factory.AnyNodesOverlap());
    b.GetRectangle().Set({130, 10, 200, 60});
    EXPECT_FALSE(a.OverlapsNode(b));
    b.GetRectangle().Set({129, 10, 200, 60});
    EXPECT_TRUE(a.OverlapsNode(b));
    // Above each other: 3 pixels.
    b.GetRectangle().Set({20, 63, 120, 90});
    EXPECT_FALSE(a.OverlapsNode(b));
    b.GetRectangle().Set({20, 62, 120, 90});
    EXPECT_TRUE(a.OverlapsNode(b));
    EXPECT_TRUE(factory.NodeOverlapsRect({125, 10, 150, 20}));
    EXPECT_FALSE(factory.NodeOverlapsRect({300, 150, 350, 180}));
}

TEST_F(LayoutTest, ANodesRectangleKeepsItsMarginsAndMinimumSize)
{
    factory.SetNodesCombination(NodesOverlap);
    TScriptedNode& node = Node("N", {40, 50, 140, 100});
    struct Case {
        sntTouchPart part;
        TCanvasRect proposed;
        TCanvasRect expected;
    };
    const Case cases[] = {
        {sntTouchInside, {40, -7, 140, 43}, {40, 5, 140, 55}},   // moved above the top margin
        {sntTouchInside, {3, 50, 103, 100}, {15, 50, 115, 100}}, // moved past the left margin
        {sntTouchTop, {40, 90, 140, 100}, {40, 77, 140, 100}},   // top edge too low: 23 high
        {sntTouchBottom, {40, 50, 140, 60}, {40, 50, 140, 73}},  // bottom edge too high
        {sntTouchRight, {40, 50, 60, 100}, {40, 50, 75, 100}},   // right edge: 35 wide
        {sntTouchLeft, {120, 50, 140, 100}, {105, 50, 140, 100}},
        {sntTouchRight, {40, 50, 500, 100}, {40, 50, 420, 100}}, // the frame's right margin
        {sntTouchInside, {40, 230, 140, 280}, {40, 185, 140, 235}},
    };
    for (const Case& c : cases) {
        TCanvasRect r = c.proposed;
        node.ConstrainRectangle(c.part, r);
        EXPECT_EQ(r, c.expected) << int(c.part) << " " << c.proposed.Left << "," << c.proposed.Top;
    }
    // Overlapping is allowed in this mode.
    Node("Other", {200, 50, 300, 100});
    TCanvasRect onto{200, 50, 300, 100};
    node.ConstrainRectangle(sntTouchInside, onto);
    EXPECT_EQ(onto, (TCanvasRect{200, 50, 300, 100}));
}

TEST_F(LayoutTest, FixedNodesStopAnEdgeTenPixelsBeforeTheNextNode)
{
    factory.SetNodesCombination(NodesFixed);
    TScriptedNode& a = Node("A", {20, 10, 120, 60});
    Node("B", {200, 10, 260, 60});
    TCanvasRect r{20, 10, 250, 60};
    a.ConstrainRectangle(sntTouchRight, r);
    EXPECT_EQ(r, (TCanvasRect{20, 10, 190, 60}));
    // A node moving down stops 3 pixels above the next one.
    Node("C", {20, 100, 120, 150});
    r = {20, 80, 120, 130};
    a.ConstrainRectangle(sntTouchInside, r);
    EXPECT_EQ(r, (TCanvasRect{20, 47, 120, 97}));
    // A move that still overlaps (nodes that overlapped before the rule
    // changed) is refused.
    Node("D", {100, 30, 190, 80});
    r = {21, 10, 121, 60};
    a.ConstrainRectangle(sntTouchInside, r);
    EXPECT_EQ(r, (TCanvasRect{20, 10, 120, 60}));
    EXPECT_EQ(a.GetRectangle().Get(), (TCanvasRect{20, 10, 120, 60}));
}

TEST_F(LayoutTest, ShiftingNodesPushTheirNeighboursAndTheFrame)
{
    factory.SetNodesCombination(NodesShift);
    TScriptedNode& a = Node("A", {20, 10, 120, 60});
    TScriptedNode& b = Node("B", {140, 10, 400, 60});
    TCanvasRect r{20, 10, 160, 60};
    a.ConstrainRectangle(sntTouchRight, r);
    EXPECT_EQ(r, (TCanvasRect{20, 10, 160, 60}));
    EXPECT_EQ(b.GetRectangle().Left, 170);
    EXPECT_EQ(factory.GetFrameWidth(), 170 + 260 + 15);
}

TEST_F(LayoutTest, TheFrameStaysBelowTheTopRightOf23AndAroundItsNodes)
{
    struct Case {
        sntTouchPart part;
        TCanvasRect proposed;
        TCanvasRect expected;
    };
    const Case cases[] = {
        {sntTouchLeft, {10, 15, 460, 255}, {23, 15, 460, 255}},
        // Too narrow after the left edge stopped at 23: the right edge gives way.
        {sntTouchLeft, {10, 15, 60, 255}, {23, 15, 93, 255}},
        {sntTouchInside, {25, -10, 460, 230}, {25, 3, 460, 243}},
        {sntTouchRight, {25, 15, 60, 255}, {25, 15, 95, 255}},
        {sntTouchBottom, {25, 15, 460, 20}, {25, 15, 460, 55}},
        {sntTouchTopLeft, {-50, -50, 460, 255}, {23, 3, 460, 255}},
    };
    for (const Case& c : cases) {
        TCanvasRect r = c.proposed;
        factory.ConstrainFrame(c.part, r);
        EXPECT_EQ(r, c.expected) << int(c.part);
    }
    Node("N", {20, 10, 300, 200});
    TCanvasRect r{25, 15, 100, 100};
    factory.ConstrainFrame(sntTouchBottomRight, r);
    EXPECT_EQ(r, (TCanvasRect{25, 15, 340, 220}));
}

TEST_F(LayoutTest, FreePlacesAreFoundNearTheDropPointOrNotAtAll)
{
    TCanvasRect r;
    EXPECT_TRUE(PlaceNewNodeRect(factory, {125, 65}, r));
    EXPECT_EQ(r, (TCanvasRect{83, 39, 118, 62}));
    // A node under the click: the rectangle goes aside, near the click.
    Node("N", {90, 30, 200, 100});
    EXPECT_TRUE(PlaceNewNodeRect(factory, {140, 110}, r));
    EXPECT_FALSE(factory.NodeOverlapsRect(r));
    EXPECT_TRUE(factory.RectFitsInFrame(r));
    EXPECT_LE(r.Top - 10, 95);
    // Deep inside a node there is no place within 10 pixels.
    EXPECT_FALSE(PlaceNewNodeRect(factory, {170, 80}, r));
    // Overlapping allowed: any place inside the margins.
    factory.SetNodesCombination(NodesOverlap);
    EXPECT_TRUE(PlaceNewNodeRect(factory, {170, 80}, r));
    r = {0, 0, 35, 23};
    EXPECT_FALSE(factory.FindFreePlace(r, TUnitSountory::PushNone, TUnitSountory::PushNone, {100, 100}));
    EXPECT_EQ(r, (TCanvasRect{0, 0, 35, 23}));
}

TEST_F(LayoutTest, PushingAsideInAFrameTooSmallEndsInsteadOfCirclingForever)
{
    // The frame's margins push a new rectangle left, up, right and down in
    // turn; the search is bounded and fails.
    factory.SetFrameRect(25, 15, 75, 45);
    TCanvasRect r{8, 4, 43, 27};
    EXPECT_FALSE(factory.FindFreePlace(r, TUnitSountory::PushNone, TUnitSountory::PushNone, {25, 15}));
    EXPECT_EQ(r, (TCanvasRect{8, 4, 43, 27}));
    TCanvasRect pushed = r;
    EXPECT_TRUE(factory.PushRectAside(pushed, TUnitSountory::PushLeft));
    EXPECT_EQ(pushed.Right, 35);
    pushed = r;
    EXPECT_TRUE(factory.PushRectAside(pushed, TUnitSountory::PushDown));
    EXPECT_EQ(pushed.Top, 5);
    pushed = {20, 10, 30, 20};
    EXPECT_FALSE(factory.PushRectAside(pushed, TUnitSountory::PushUp));
}

TEST_F(LayoutTest, NewNodesGrowStepByStepOneStepShortOfTheWantedSize)
{
    struct Case {
        int32_t width;
        int32_t height;
        int32_t expectedWidth;
        int32_t expectedHeight;
    };
    // The last size asked for is that of the step before the wanted one.
    const Case cases[] = {{120, 105, 110, 100}, {170, 68, 160, 68}, {170, 100, 160, 100}};
    for (const Case& c : cases) {
        TCanvasRect r{200, 100, 235, 123};
        GrowNodeRect(factory, c.width, c.height, r);
        EXPECT_EQ(r.Width(), c.expectedWidth) << c.width << "x" << c.height;
        EXPECT_EQ(r.Height(), c.expectedHeight) << c.width << "x" << c.height;
    }
    // A node 20 pixels to the left stops the growth at its right edge + 10.
    Node("N", {100, 100, 180, 130});
    TCanvasRect r{200, 100, 235, 123};
    factory.WidenNewNodeRect(120, r);
    EXPECT_EQ(r.Left, 190);
    EXPECT_EQ(r.Width(), 120);
    // Between the frame's margin and that node it grows as far as it can.
    r = {17, 100, 52, 123};
    factory.WidenNewNodeRect(100, r);
    EXPECT_EQ(r, (TCanvasRect{15, 100, 90, 123}));
    r = {300, 200, 335, 223};
    factory.HeightenNewNodeRect(100, r);
    EXPECT_EQ(r.Bottom, 235);
    EXPECT_EQ(r.Height(), 100);
}

TEST_F(LayoutTest, NodesArePaintedInTheColourOfTheirRunState)
{
    TScriptedNode& node = Node("N", {20, 10, 120, 60});
    const TCanvasColor colours[] = {0xF0E0C0, 0x90F0FF, 0xC0FFC0, 0x9090FF, 0xB0B0B0};
    for (uint8_t state = 0; state < 5; ++state) {
        node.RunState = state;
        EXPECT_EQ(node.NodeStateColor(), colours[state]) << int(state);
    }
    node.RunState = 200;
    EXPECT_EQ(node.NodeStateColor(), 0xB0B0B0u);
}

TEST_F(LayoutTest, ANodeShowsItsNameItsFunctionWhenRenamedAndItsPicture)
{
    auto& node = factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("Volume", 0, factory, TCanvasRect{20, 10, 180, 78}, true));
    TRecordingCanvas canvas;
    node.Draw(canvas, factory.GetFrameRect());
    // R = {45, 25, 205, 93}: the body, one line of text, the picture under it.
    const auto fills = canvas.CallsOf(Op::FillRect);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills[0].Rect, (TCanvasRect{45, 25, 205, 93}));
    EXPECT_EQ(fills[0].Brush.Color, 0xB4A890u); // three quarters of 0xF0E0C0
    auto texts = canvas.CallsOf(Op::TextRect);
    ASSERT_GE(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "Volume");
    EXPECT_EQ(texts[0].Rect, (TCanvasRect{47, 27, 203, 45}));
    EXPECT_EQ(texts[0].Points[0], (TCanvasPoint{(45 + 205 - 6 * 7) / 2, 27}));
    EXPECT_EQ(texts[0].Font.Size, 10);
    const auto pictures = canvas.CallsOf(Op::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].Number, 46);
    EXPECT_EQ(pictures[0].Points[0], (TCanvasPoint{(45 + 205 - 24) / 2, 25 + 19 + 2}));
    const auto frames = canvas.CallsOf(Op::FrameRect);
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(frames[0].Rect, (TCanvasRect{112, 45, 138, 71}));
    EXPECT_EQ(frames[0].Brush.Color, 0xFFFFFFu);
    EXPECT_EQ(frames[1].Rect, (TCanvasRect{111, 44, 139, 72}));
    EXPECT_EQ(frames[1].Brush.Color, 0u);

    node.SetName("Loud");
    canvas.Clear();
    node.Draw(canvas, factory.GetFrameRect());
    texts = canvas.CallsOf(Op::TextRect);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].Text, "Loud");
    EXPECT_EQ(texts[1].Text, "Volume");
    EXPECT_TRUE(texts[1].Font.Italic);
    EXPECT_EQ(texts[1].Rect, (TCanvasRect{47, 44, 203, 63}));
    EXPECT_EQ(canvas.CallsOf(Op::Picture)[0].Points[0].Y, 25 + 36 + 2);

    // A low node cuts its lines at its bottom; a node without picture draws none.
    auto& user = factory.InsertNode(
        std::make_unique<TSountoryNodeUser>("U", "Other", factory, TCanvasRect{20, 100, 120, 116}));
    canvas.Clear();
    canvas.SetPictureSize({});
    user.Draw(canvas, factory.GetFrameRect());
    texts = canvas.CallsOf(Op::TextRect);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Rect.Bottom, 115 + 16 - 2);
    EXPECT_EQ(texts[1].Rect, (TCanvasRect{47, 129, 143, 129}));
    EXPECT_TRUE(canvas.CallsOf(Op::Picture).empty());
    EXPECT_EQ(user.GetPictureNumber(), 141);
}
