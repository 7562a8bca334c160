#include "factory/graph/ConnectionArrow.h"
#include "factory/graph/ConnectionRating.h"
#include "factory/nodes/BuiltinCatalogue.h"
#include "foundation/draw/RecordingCanvas.h"
#include "platform/Assertions.h"
#include "platform/RecordingMessageService.h"
#include "tests/factory/FactoryTestSupport.h"

#include <gtest/gtest.h>

namespace {

using K = ValueDomType;
using D = ValueDomain;

} // namespace

TEST(FactoryRectangles, HitTestBandsCornersAndDistance)
{
    TSountoryRectangle rect({100, 100, 200, 140}, nullptr);
    double distance = -1;
    sntTouchPart part = sntTouchInside;
    EXPECT_TRUE(rect.PointInRectangle({94, 120}, distance, part));
    EXPECT_EQ(part, sntTouchLeft);
    EXPECT_EQ(distance, 6);
    EXPECT_FALSE(rect.PointInRectangle({93, 120}, distance, part));
    EXPECT_TRUE(rect.PointInRectangle({150, 120}, distance, part));
    EXPECT_EQ(part, sntTouchInside);
    EXPECT_EQ(distance, 20);
    EXPECT_TRUE(rect.PointInRectangle({198, 102}, distance, part));
    EXPECT_EQ(part, sntTouchTopRight);
    EXPECT_EQ(distance, 2);
    // Narrow rectangles have a band of a third of their width.
    for (auto [width, band] : {std::pair{12, 4}, {17, 5}, {18, 6}}) {
        TSountoryRectangle narrow({0, 0, width, 100}, nullptr);
        EXPECT_TRUE(narrow.PointInRectangle({band - 1, 50}, distance, part));
        EXPECT_EQ(part, sntTouchLeft) << width;
        EXPECT_TRUE(narrow.PointInRectangle({band, 50}, distance, part));
        EXPECT_NE(part, sntTouchLeft) << width;
    }
}

TEST(FactoryRectangles, NeighboursArePushedWithinTheFrame)
{
    TUnitSountory factory("F", "f.qbf");
    factory.SetNodesCombination(NodesFixed);
    TScriptedNode& node =
        factory.InsertNode(std::make_unique<TScriptedNode>("A", factory, TCanvasRect{20, 10, 60, 40}));
    TScriptedNode& right =
        factory.InsertNode(std::make_unique<TScriptedNode>("B", factory, TCanvasRect{72, 10, 112, 40}));
    TSountoryRectangle& r = node.GetRectangle();
    // The neighbour stands 12 away (2 beyond the gap); it can move to the frame's margin.
    const int32_t room = factory.GetFrameWidth() - 112 - 15;
    EXPECT_EQ(r.AllowedShiftX(30), std::min(30, 2 + room));
    factory.SetFrameWidth(112 + 15);
    EXPECT_EQ(r.AllowedShiftX(30), 2);
    factory.SetNodesCombination(NodesShift);
    EXPECT_EQ(r.AllowedShiftX(30), 30);
    r.ShiftX(30, false);
    EXPECT_EQ(right.GetRectangle().Left, 72 + 28);
    EXPECT_EQ(r.Left, 20);
    EXPECT_EQ(factory.GetFrameWidth(), 112 + 28 + 15);
    // Left and up stop at the margins.
    EXPECT_EQ(r.AllowedShiftX(-30), -5);
    EXPECT_EQ(r.AllowedShiftY(-30), -5);
    EXPECT_EQ(factory.GetRectanglePool().FindNeighbour(r, TRectanglePool::Right, nullptr), &right.GetRectangle());
    EXPECT_EQ(factory.GetRectanglePool().FindNeighbour(r, TRectanglePool::Down, nullptr), nullptr);
}

TEST(FactoryPins, ColoursTextsAndTouchStates)
{
    TUnitSountory factory("F", "");
    TSountoryInput& mono = factory.CreateInput("In", 0.5, 0, K::Wave, D::Mono);
    EXPECT_EQ(mono.GetTypeColor(), 0x0000C0u);
    EXPECT_EQ(mono.GetTypeText(), "Wave, Mono");
    mono.ValueDomain = D::Stereo;
    EXPECT_EQ(mono.GetTypeColor(), 0xC00000u);
    mono.ValueDomain = D::PositiveNotZero;
    EXPECT_EQ(mono.GetTypeColor(), 0xC0C0C0u);
    TSountoryInput& rate = factory.CreateInput("Rate", 0.5, 0, K::WaveSampleFrequency, D::AllValues);
    EXPECT_EQ(rate.GetTypeText(), "Sample Frequency");
    TSountoryInput& time = factory.CreateInput("T", 0.5, 0, K::Time, D::Positive);
    EXPECT_EQ(time.GetTypeText(), "Time, Positive");
    time.TouchState = 2;
    EXPECT_EQ(time.GetTouchColor(), 0x00FFC0u);
    ThrowOnFatalAssertion throwing;
    time.TouchState = 6;
    EXPECT_THROW(time.GetTouchColor(), FatalAssertion);
}

TEST(FactoryPins, DrawnOnTheRecordingCanvas)
{
    TUnitSountory factory("F", "");
    factory.SetFrameRect(25, 15, 425, 215);
    TSountoryInput& input = factory.CreateInput("In", 0.5, 0, K::Wave, D::Mono);
    TRecordingCanvas canvas;
    input.Draw(canvas, factory.GetFrameRect());
    // A lone name label is centred on the pin, 12 pixels right of the frame.
    const auto texts = canvas.CallsOf(TRecordingCanvas::TOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    const TCanvasSize size = canvas.TextExtent("In");
    const int32_t pinY = 115;
    EXPECT_EQ(texts[0].Points[0], (TCanvasPoint{25 + 12, pinY - size.Height / 2}));
    EXPECT_EQ(texts[0].Font.Color, 0x0000C0u);
    EXPECT_EQ(texts[0].Brush.Color, 0xBFBFBFu);
    // The pin: a filled circle of radius 9 on the edge, outlined darker.
    const auto circles = canvas.CallsOf(TRecordingCanvas::TOp::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].Rect, (TCanvasRect{25 - 9, pinY - 9, 25 + 9, pinY + 9}));
    EXPECT_EQ(circles[0].Brush.Color, 0x0000C0u);
    EXPECT_EQ(circles[0].Pen.Color, 0x000090u);

    // Both lines: the name above the pin's level, the type below it.
    factory.ShowTypeIO = 1;
    canvas.Clear();
    input.Draw(canvas, factory.GetFrameRect());
    const auto both = canvas.CallsOf(TRecordingCanvas::TOp::TextOut);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].Points[0].Y, pinY - canvas.TextHeight("In"));
    EXPECT_EQ(both[1].Text, "Wave, Mono");
    EXPECT_EQ(both[1].Points[0].Y, pinY);
}

TEST(FactoryPins, ShapesBySideAndOwnValue)
{
    TUnitSountory factory("F", "");
    factory.SetFrameRect(0, 0, 200, 100);
    factory.ShowNameIO = 0;
    TSountoryOutput& time = factory.CreateOutput("T", 0.5, 0, K::Time, D::AllValues);
    TRecordingCanvas canvas;
    time.Draw(canvas, factory.GetFrameRect());
    auto polygons = canvas.CallsOf(TRecordingCanvas::TOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    // An output's triangle points right.
    EXPECT_EQ(polygons[0].Points[0], (TCanvasPoint{207, 50}));
    time.SetOwnValue({1, ValueType::Time}, EHS);
    canvas.Clear();
    time.Draw(canvas, factory.GetFrameRect());
    polygons = canvas.CallsOf(TRecordingCanvas::TOp::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].Points[0], (TCanvasPoint{211, 50}));
    EXPECT_EQ(polygons[0].Brush, polygons[1].Brush);

    TSountoryInput& any = factory.CreateInput("A", 0.5, 0, K::NoUnit, D::AllValues);
    canvas.Clear();
    any.Draw(canvas, factory.GetFrameRect());
    const auto chords = canvas.CallsOf(TRecordingCanvas::TOp::Chord);
    ASSERT_EQ(chords.size(), 1u);
    // An input's half disc starts 2 pixels right of the edge and faces left.
    EXPECT_EQ(chords[0].Rect, (TCanvasRect{2 - 9, 41, 2 + 9, 59}));
    EXPECT_EQ(chords[0].Points[0], (TCanvasPoint{2, 41}));
}

TEST(FactoryConnections, RatingsByKindAndDomain)
{
    // Over the sixteen pairs of groups, nine always fit.
    const K groups[] = {K::AllComputable, K::AllValue, K::NoUnit, K::WavePos};
    const uint8_t expected[4][4] = {{2, 2, 1, 1}, {1, 2, 1, 1}, {2, 2, 2, 1}, {2, 2, 1, 2}};
    for (int s = 0; s < 4; ++s)
        for (int t = 0; t < 4; ++t)
            EXPECT_EQ(RateKindMatch(groups[s], groups[t]), expected[s][t]) << s << " " << t;
    struct Case {
        D sourceDomain;
        K sourceKind;
        D targetDomain;
        K targetKind;
        uint8_t rating;
    } cases[] = {
        {D::AllValues, K::Time, D::AllValues, K::Frequency, 1},
        {D::AllValues, K::Frequency, D::AllValues, K::Frequency, 2},
        {D::AllValues, K::Boolean, D::AllValues, K::Factor, 0},
        {D::AllValues, K::Factor, D::AllValues, K::AllComputable, 2},
        {D::AllValues, K::AllComputable, D::AllValues, K::Factor, 1},
        {D::AllValues, K::AllComputable, D::AllValues, K::Boolean, 0},
        {D::AllValues, K::AllValue, D::AllValues, K::AllComputable, 1},
        {D::PositiveNotZero, K::Factor, D::AllValues, K::Factor, 2},
        {D::AllValues, K::Factor, D::PositiveNotZero, K::Factor, 1},
        {D::Negative, K::Factor, D::Positive, K::Factor, 1},
        {D::NegativeNotZero, K::Factor, D::PositiveNotZero, K::Factor, 0},
        {D::Mono, K::Wave, D::AllValues, K::Wave, 2},
        {D::AllValues, K::Wave, D::Mono, K::Wave, 1},
        {D::Mono, K::Wave, D::Stereo, K::Wave, 0},
        {D::Positive, K::Time, D::AllValues, K::Frequency, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RateTypeMatch(c.sourceDomain, c.sourceKind, c.targetDomain, c.targetKind), c.rating);
    EXPECT_EQ(RatingToTouchState(0), 4);
    EXPECT_EQ(RatingToTouchState(2), 2);
    EXPECT_EQ(RatingToTouchState(7), 5);
    EXPECT_EQ(WaveDomainWindowFilter(D::Stereo), 3);
    EXPECT_EQ(WaveDomainWindowFilter(D::Positive), 0);
}

TEST(FactoryConnections, NeverMatchingEndsAskFirst)
{
    RecordingMessageService messages;
    TUnitSountory factory("F", "");
    TSountoryInput& flag = factory.CreateInput("Flag", 0.5, 0, K::Boolean, D::AllValues);
    TSountoryInput& time = factory.CreateInput("T", 0.5, 0, K::Time, D::AllValues);
    TSountoryOutput& out = factory.CreateOutput("Out", 0.5, 0, K::Frequency, D::AllValues);
    EXPECT_TRUE(out.MakeConnection(&time));
    EXPECT_EQ(messages.Count(), 0u);
    messages.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(out.MakeConnection(&flag));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Make Connection between \"Flag\" and \"Out");
    EXPECT_EQ(messages.Last().text, "Values out from the Source of this connection will never match the Target.");
    EXPECT_EQ(out.GetSountoryInputSource(), &time);
    EXPECT_TRUE(out.MakeConnection(&flag));
    EXPECT_EQ(out.GetSountoryInputSource(), &flag);
}

TEST(FactoryConnections, ArrowTipLiesBeforeTheTarget)
{
    TRecordingCanvas canvas;
    DrawConnectionArrow(canvas, {0, 0}, {100, 0}, 10, 2, 0x123456);
    const auto lines = canvas.CallsOf(TRecordingCanvas::TOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Points[1], (TCanvasPoint{100, 0}));
    EXPECT_EQ(lines[0].Pen.Width, 2);
    const auto heads = canvas.CallsOf(TRecordingCanvas::TOp::Polygon);
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].Points[0], (TCanvasPoint{90, 0}));
    EXPECT_EQ(heads[0].Points[1].X, 76);
    EXPECT_EQ(heads[0].Brush.Color, 0x123456u);
    canvas.Clear();
    DrawConnectionArrow(canvas, {5, 5}, {5, 5}, 6, 1, 0);
    EXPECT_EQ(canvas.CallsOf(TRecordingCanvas::TOp::Polygon)[0].Points[0], (TCanvasPoint{-1, 5}));
}

TEST(FactoryCatalogue, NamesCategoriesAndLookups)
{
    int total = 0;
    const int sizes[] = {7, 9, 16, 5, 25, 7, 8};
    for (int c = 0; c < BuiltinCategoryCount; ++c) {
        EXPECT_EQ(BuiltinCategories[c].Count, sizes[c]);
        total += BuiltinCategories[c].Count;
    }
    EXPECT_EQ(total, BuiltinFunctionCount);
    // Every function is in exactly one category.
    for (int f = 0; f < BuiltinFunctionCount; ++f)
        EXPECT_EQ(FindBuiltinCategory(f), BuiltinFunctionCatalogue[f].Category) << f;
    EXPECT_EQ(FindBuiltinFunction("MakeSinus"), 30);
    EXPECT_EQ(FindBuiltinFunction("makesinus"), -1);
    EXPECT_EQ(FindBuiltinFunction("Make Sinus"), -1);
    EXPECT_EQ(FindBuiltinCategoryPosition(36), 0);
    EXPECT_EQ(FindBuiltinCategory(15), 2);
    EXPECT_EQ(FindBuiltinCategoryPosition(15), 15);
    EXPECT_EQ(FindBuiltinCategoryPosition(56), 24);
    EXPECT_EQ(FindBuiltinCategory(77), -1);
    EXPECT_EQ(FindBuiltinCategoryPosition(255), -1);
    EXPECT_EQ(std::string(BuiltinFunctionCatalogue[76].XmlName), "ConvertRange");
    EXPECT_EQ(std::string(FactoryKindCaptions[4]), "User defined Factory");
}

TEST(FactoryConnections, WhatTheWindowMayOffer)
{
    TUnitSountory factory("F", "");
    TScriptedNode& node = AddScripted(factory, "N");
    TSountoryNodeOutput& out = node.AddOutput("Out", 0.5, 0, K::Factor, D::AllValues);
    TSountoryNodeInput& own = node.AddInput("In", 0.5, 0, K::Factor, D::AllValues);
    TScriptedNode& other = AddScripted(factory, "M");
    TSountoryNodeInput& value = other.AddInput("V", 0.5, 0, K::Time, D::AllValues);
    TSountoryNodeInput& wave = other.AddInput("W", 0.5, 0, K::Wave, D::AllValues);
    EXPECT_FALSE(own.CanConnect(out));
    EXPECT_TRUE(value.CanConnect(out));
    EXPECT_FALSE(wave.CanConnect(out));
    EXPECT_EQ(out.GetSourceDisplayName(), "N.Out");
    EXPECT_EQ(wave.GetTargetDisplayName(), "M.W");
}

TEST(FactoryPins, HintsShowWhatARunLeft)
{
    TUnitSountory factory("F", "");
    TSountoryInput& wave = factory.CreateInput("In", 0.5, 0, K::Wave, D::AllValues);
    EXPECT_EQ(wave.GetHintText(), "Undefined");
    wave.SetNameSound("Wave 1");
    wave.BindNamedSound(MonoOf(1000));
    factory.RunState = sntRunDone;
    EXPECT_EQ(wave.GetHintText(),
              "Wave: \"Wave 1\"\nMono\n2 bytes per sample\nsample freq: 44100 Hz\nlength: 1000 samples");
    TSountoryOutput& time = factory.CreateOutput("T", 0.5, 0, K::Time, D::AllValues);
    time.SetOwnValue({1.5, ValueType::Time}, EHS);
    EXPECT_EQ(time.GetHintText().substr(0, 17), "Type: Time\nValue:");
    TScriptedNode& node = AddScripted(factory, "N");
    TSountoryNodeOutput& out = node.AddOutput("Out", 0.5, 0, K::Factor, D::AllValues);
    EXPECT_EQ(out.GetHintText(), "Undefined");
}
