#include "DocumentFakes.h"

#include <gtest/gtest.h>

namespace {
std::vector<double> Positions(const TUnitWave& u)
{
    std::vector<double> result;
    for (const TDrawNode* n = u.GetDrawNodes(); n; n = n->GetNext())
        result.push_back(n->Position);
    return result;
}

int16_t ValueAt(const TUnitWave& u, int32_t i)
{
    return u.GetSound()->GetLeftWave()->getData()[i];
}
} // namespace

TEST(HandDrawing, DefaultDrawingIsOneSecondOfSilence)
{
    DocumentFixture f(std::make_shared<MonoSound>(44100, 2), "");
    TUnitWave& u = *f.unit;
    EXPECT_TRUE(u.CanDrawWaveLin());
    u.StartUserDraw(DrawLinear);
    EXPECT_TRUE(u.IsUserDrawing());
    EXPECT_EQ(u.GetDrawNodeCount(), 2);
    EXPECT_EQ(u.GetValues(), 44101);
    for (int32_t i = 0; i < u.GetValues(); i += 1000)
        ASSERT_EQ(ValueAt(u, i), 0);
    EXPECT_TRUE(u.HasContent());
    EXPECT_TRUE(u.IsChanged());
    u.EndUserDraw();
    EXPECT_FALSE(u.IsUserDrawing());
    EXPECT_EQ(u.GetDrawNodes(), nullptr);
    EXPECT_EQ(u.GetValues(), 44101); // the drawn sound stays
    EXPECT_FALSE(u.CanDrawWaveLin());
}

TEST(HandDrawing, OnlyAnEmptyMonoWaveformCanBeDrawn)
{
    DocumentFixture stereo(std::make_shared<StereoSound>(44100, 2));
    EXPECT_FALSE(stereo.unit->CanDrawWaveLin());
    DocumentFixture diagram(std::make_shared<MonoSound>(44100, 2));
    diagram.window.showKind = 1;
    EXPECT_FALSE(diagram.unit->CanDrawWave3G());
    DocumentFixture full(RampSound(10));
    EXPECT_FALSE(full.unit->CanDrawWaveLin());
    // Started anyway, it would replace the wave: the box, and nothing changes.
    std::shared_ptr<Sound> before = full.unit->GetSound();
    full.unit->StartUserDraw(DrawLinear);
    EXPECT_FALSE(full.unit->IsUserDrawing());
    EXPECT_EQ(full.unit->GetSound(), before);
    EXPECT_EQ(full.messages.Count(), 1u);
}

TEST(HandDrawing, MiddleNodeAtDifferentRates)
{
    struct Case {
        int32_t freq;
        int16_t peak;
    };
    // Value i belongs to t = i / n with n = freq + 1. With n even (11026) one
    // value falls exactly on the node; with n odd (22051) none does and the
    // largest value is cut just below it.
    for (Case c : {Case{11025, 16000}, Case{22050, 15999}}) {
        DocumentFixture f(std::make_shared<MonoSound>(c.freq, 2));
        TUnitWave& u = *f.unit;
        u.StartUserDraw(DrawLinear);
        ASSERT_TRUE(u.InsertDrawNode(std::make_unique<TDrawNode>(16000, 0.5)));
        u.MakeUserDrawnSound();
        int32_t n = u.GetValues();
        EXPECT_EQ(n, c.freq + 1);
        // Rising then falling, every value truncated toward zero.
        EXPECT_EQ(ValueAt(u, 0), 0);
        EXPECT_LT(ValueAt(u, n / 4), ValueAt(u, n / 2 - 1));
        int16_t peak = 0;
        for (int32_t i = 0; i < n; ++i)
            peak = std::max(peak, ValueAt(u, i));
        EXPECT_EQ(peak, c.peak) << "rate " << c.freq;
        // Halfway up the rise: trunc(16000 * 2 * i / n).
        int32_t quarter = n / 4;
        EXPECT_EQ(ValueAt(u, quarter), static_cast<int16_t>(32000.0 * quarter / n));
        // The last value belongs to t = (n - 1) / n, just short of the last node.
        EXPECT_GT(ValueAt(u, n - 1), 0);
        EXPECT_LT(ValueAt(u, n - 1), 10);
    }
}

TEST(HandDrawing, SmoothCurvesAreFlatAtTheNodes)
{
    DocumentFixture f(std::make_shared<MonoSound>(1000, 2));
    TUnitWave& u = *f.unit;
    u.StartUserDraw(DrawParabola);
    u.InsertDrawNode(std::make_unique<TDrawNode>(16000, 0.5));
    u.MakeUserDrawnSound();
    // S-shaped halves: slow at the start, steep in the middle of the rise.
    int16_t early = ValueAt(u, 50), middle = ValueAt(u, 250), late = ValueAt(u, 450);
    EXPECT_LT(early, 16000 / 10 / 2);
    EXPECT_NEAR(middle, 8000, 50);
    EXPECT_GT(late, 16000 - 16000 / 10 / 2);
    EXPECT_NEAR(ValueAt(u, 500), 16000, 1);
    EXPECT_NEAR(ValueAt(u, 750), 8000, 50);
}

TEST(HandDrawing, NodeListStaysSortedAndUnique)
{
    DocumentFixture f(std::make_shared<MonoSound>(100, 2));
    TUnitWave& u = *f.unit;
    u.StartUserDraw(DrawLinear);
    EXPECT_TRUE(u.InsertDrawNode(std::make_unique<TDrawNode>(5, 0.75)));
    EXPECT_TRUE(u.InsertDrawNode(std::make_unique<TDrawNode>(5, 0.25)));
    EXPECT_FALSE(u.InsertDrawNode(std::make_unique<TDrawNode>(9, 0.25)));
    EXPECT_EQ(Positions(u), (std::vector<double>{0, 0.25, 0.75, 1}));
    EXPECT_EQ(u.GetDrawNodes()->CountFrom(), 4);
    // Deleting the first makes its successor the first.
    u.DeleteDrawNode(u.GetDrawNodes());
    EXPECT_EQ(Positions(u), (std::vector<double>{0.25, 0.75, 1}));
    EXPECT_EQ(u.GetDrawNodes()->GetPrev(), nullptr);
    u.DeleteDrawNode(u.GetDrawNodes()->GetNext());
    EXPECT_EQ(Positions(u), (std::vector<double>{0.25, 1}));
    EXPECT_EQ(u.GetDrawNodes()->GetNext()->GetPrev(), u.GetDrawNodes());
}

TEST(HandDrawing, PixelMapping)
{
    DrawNodeFrame frame{10, 20, 110, 220, 0, 100, 100};
    TDrawNode top(0, 20, frame);
    EXPECT_EQ(top.Value, 32767);
    TDrawNode bottom(0, 220, frame);
    EXPECT_EQ(bottom.Value, -32767);
    TDrawNode middle(60, 120, frame);
    EXPECT_DOUBLE_EQ(middle.Position, 0.5);
    EXPECT_EQ(middle.Value, 0);
    EXPECT_DOUBLE_EQ(middle.GetX(frame), 60);
    EXPECT_DOUBLE_EQ(middle.GetY(frame), 120);
    EXPECT_DOUBLE_EQ(middle.GetDistance(63, 124, frame), 5);
}

// Drawing-mode forms of the value commands change the nodes and rebuild.
TEST(HandDrawing, ValueCommandsWhileDrawing)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int16_t, double>> nodes;
        std::function<void(TUnitWave&)> run;
        std::vector<int16_t> expected;
    };
    TVolumeProps half;
    half.Factor.SetValue(0.5);
    TUpProps up;
    up.AddValue.SetValue(100);
    const Case cases[] = {
        {"volume", {{-3, 0}, {7, 1}}, [&](TUnitWave& u) { u.Volume(half); }, {-1, 3}},
        {"max volume", {{100, 0}, {-200, 1}}, [](TUnitWave& u) { u.MaxVolume(); }, {16383, -32767}},
        {"max volume at -32768", {{-32768, 0}, {100, 1}}, [](TUnitWave& u) { u.MaxVolume(); }, {-32767, 99}},
        {"move vertically", {{0, 0}, {-50, 1}}, [&](TUnitWave& u) { u.MoveV(up); }, {100, 50}},
        {"normalize", {{100, 0}, {300, 1}}, [](TUnitWave& u) { u.NormalizeVertically(); }, {-100, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentFixture f(std::make_shared<MonoSound>(100, 2));
        TUnitWave& u = *f.unit;
        u.StartUserDraw(DrawLinear);
        u.GetDrawNodes()->Value = c.nodes[0].first;
        u.GetDrawNodes()->GetNext()->Value = c.nodes[1].first;
        f.host.MakeUndo(nullptr);
        c.run(u);
        std::vector<int16_t> values;
        for (const TDrawNode* n = u.GetDrawNodes(); n; n = n->GetNext())
            values.push_back(n->Value);
        EXPECT_EQ(values, c.expected);
        EXPECT_EQ(ValueAt(u, 0), c.expected[0]);
        EXPECT_EQ(f.window.soundChanged, 1);
    }
}
