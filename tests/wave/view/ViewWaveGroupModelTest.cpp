#include "wave/view/ViewWaveGroupModel.h"

#include "foundation/xml/XMLComplexElement.h"
#include "platform/Assertions.h"
#include "tests/wave/view/ViewXmlTestSupport.h"
#include "wave/view/GrammarBuilder.h"
#include "wave/view/SplitPosition.h"
#include "wave/view/ViewPaneModel.h"

#include <gtest/gtest.h>

namespace {

// A window of two panes over a wave of 10000 values.
struct Window {
    TViewPaneModel first{300, 10000};
    TViewPaneModel second{301, 10000};
    TViewWaveGroupModel group{TWaveViewProps(), TVoldViewProps()};
    Window()
    {
        group.AddView(&first);
        group.AddView(&second);
    }
};

// The view state wrapped in a root element, as a file holds it.
std::string Root(const std::string& state)
{
    return "<Root>" + state + "</Root>";
}

TDTDItemPtr RootGrammar()
{
    return GrammarBuilder::Element("Root", TViewWaveGroupModel::GetViewWaveGroupDefinition());
}

std::string WrittenState(const TViewWaveGroupModel& group)
{
    TXMLComplexElement root("Root");
    group.WriteViewWaveGroupXml(root);
    return ElementText(root);
}

} // namespace

TEST(SplitPosition, FirstPaneWidth)
{
    struct Case {
        int32_t total;
        double fraction;
        int32_t first;
    } cases[] = {{601, 0.5, 301}, {601, 0.0, 1}, {601, 1.0, 600}, {601, -2.0, 1}, {601, 7.0, 600},
                 {100, 0.254, 25}, {100, 0.255, 26}, {2, 0.5, 1}, {1, 0.5, 1}, {0, 0.5, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(SplitFirstPaneWidth(c.total, c.fraction), c.first) << c.total << " " << c.fraction;
    EXPECT_DOUBLE_EQ(SplitFraction(150, 600), 0.25);
    EXPECT_EQ(SplitFraction(5, 0), 0.0);
}

TEST(ViewWaveGroupModel, SplitPositionMovesThePanes)
{
    Window window;
    window.group.SetSplitPosition(0.5);
    EXPECT_EQ(window.first.GetPaneWidth(), 301);
    EXPECT_EQ(window.second.GetPaneWidth(), 300);
    EXPECT_EQ(window.group.GetViewsWidth(), 601);
    EXPECT_DOUBLE_EQ(window.group.GetSplitPosition(), 301.0 / 601.0);

    window.group.SetPendingSplitPosition(0.0);
    EXPECT_EQ(window.first.GetPaneWidth(), 301);
    window.group.ApplyPendingSplitPosition();
    EXPECT_EQ(window.first.GetPaneWidth(), 1);
    EXPECT_TRUE(window.group.IsSplitPending());
}

TEST(ViewWaveGroupModel, KeepZoomAcrossAnEdit)
{
    ThrowOnFatalAssertion fatal;
    TViewPaneModel pane(100, 10000);
    pane.ZoomToRange(2000, 3000, false);
    pane.BeginKeepZoom(2500, 2600); // the zoom shows 500 before and 400 after the range
    pane.SetWaveValues(10900);
    pane.EndKeepZoom(2500, 3500);
    EXPECT_TRUE(pane.IsZoomed());
    EXPECT_EQ(pane.FirstVisibleWavePos(), 2000);
    EXPECT_EQ(pane.LastVisibleWavePos(), 3900);

    // Deleting the whole zoomed range unzooms.
    pane.BeginKeepZoom(2000, 3900);
    pane.SetWaveValues(9000);
    pane.EndKeepZoom(2000, 2000);
    EXPECT_FALSE(pane.IsZoomed());

    // A pane that was not zoomed stays so; nesting is a broken invariant.
    pane.BeginKeepZoom(0, 10);
    pane.EndKeepZoom(0, 20);
    EXPECT_FALSE(pane.IsZoomed());
    pane.BeginKeepZoom(0, 10);
    EXPECT_THROW(pane.BeginKeepZoom(0, 10), FatalAssertion);

    int32_t first = 0, last = 0;
    EXPECT_TRUE(TViewPane::KeptZoomRange(-100, 50, 1000, 1200, 5000, first, last));
    EXPECT_EQ(first, 900);
    EXPECT_EQ(last, 1250);
    EXPECT_TRUE(TViewPane::KeptZoomRange(-2000, 4000, 1000, 1200, 5000, first, last));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 5000);
    EXPECT_FALSE(TViewPane::KeptZoomRange(-100, 50, 1000, 1200, 0, first, last));
    EXPECT_FALSE(TViewPane::KeptZoomRange(500, -600, 1000, 1050, 5000, first, last)); // collapsed
}

TEST(ViewWaveGroupModel, StateRoundTrip)
{
    Window source;
    source.second.SetPaneWidth(300);
    source.group.SetSplitPosition(0.25);
    source.first.ZoomToRange(100, 900, true);
    TVoldViewProps volume;
    volume.Strength = unitFactorPosMore(2, EHNone);
    source.group.SetVoldViewProps(volume);
    std::string text = WrittenState(source.group);
    const std::string head = "<Root>\n"
                                   "  <SplitPosition>0.25</SplitPosition>\n"
                                   "  <View>\n"
                                   "    <Zoom>\n"
                                   "      <WavePos>100</WavePos>\n"
                                   "      <WavePos>900</WavePos>\n"
                                   "    </Zoom>\n"
                                   "  </View>\n"
                                   "  <View />\n"
                                   "  <ShowVolume />\n"
                             "  <ViewWave>\n";
    EXPECT_EQ(text.substr(0, head.size()), head);

    Window target;
    target.second.SetPaneWidth(300);
    target.second.ZoomToRange(5, 50, true);
    std::string error;
    auto holder = MatchBody(*RootGrammar(), text, error);
    ASSERT_TRUE(holder) << error;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(target.group.ReadViewWaveGroupXml(holder->GetFirst()->GetFirst(), 10000, error, line, column, false))
        << error;
    EXPECT_EQ(target.first.GetPaneWidth(), 150);
    EXPECT_EQ(target.second.GetPaneWidth(), 450);
    EXPECT_TRUE(target.first.IsZoomed());
    EXPECT_EQ(target.first.FirstVisibleWavePos(), 100);
    EXPECT_EQ(target.first.LastVisibleWavePos(), 900);
    EXPECT_FALSE(target.second.IsZoomed());
    EXPECT_EQ(target.group.GetShowKind(), waveWindVolume);
    EXPECT_EQ(target.group.GetVoldViewProps(), volume);
    EXPECT_EQ(WrittenState(target.group), text);
}

TEST(ViewWaveGroupModel, OneViewLeavesTheSecondPaneAndPendingWaits)
{
    Window window;
    window.second.ZoomToRange(5, 50, true);
    std::string body = WrittenState(window.group);
    // Drop the second View (the zoomed one): a file may hold only one.
    size_t begin = body.find("  <View>\n");
    size_t end = body.find("  </View>\n");
    ASSERT_TRUE(begin != std::string::npos && end != std::string::npos);
    body.erase(begin, end + 10 - begin);

    window.first.ZoomToRange(1, 2, true);
    std::string error;
    auto holder = MatchBody(*RootGrammar(), body, error);
    ASSERT_TRUE(holder) << error << body;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(
        window.group.ReadViewWaveGroupXml(holder->GetFirst()->GetFirst(), 10000, error, line, column, true));
    // Pending: nothing moves until the window has its size.
    EXPECT_TRUE(window.first.IsZoomed());
    EXPECT_TRUE(window.group.IsSplitPending());
    window.group.ApplyPendingSplitPosition();
    window.group.ApplyPendingZoom();
    EXPECT_FALSE(window.first.IsZoomed());
    EXPECT_TRUE(window.second.IsZoomed());
    EXPECT_EQ(window.second.FirstVisibleWavePos(), 5);
}

TEST(ViewWaveGroupModel, BadValuesChangeNothing)
{
    const std::string tail = "<ShowVolume/><ViewWave><DrawLines/><DistPeriod/><ValuesPerPixel>15</ValuesPerPixel>"
                             "<GridColor>0</GridColor><CursorColor>0</CursorColor><Strength>1</Strength>"
                             "<SingleColor>0</SingleColor><BackgroundColor>0</BackgroundColor>"
                             "<LeftColor>0</LeftColor><RightColor>0</RightColor><FrontNone/><DrawSingle/>"
                             "</ViewWave><ViewVolume><TimeTop>1 ms</TimeTop><TimeBottom>2 ms</TimeBottom>"
                             "<XResolution>5</XResolution><YResolution>5</YResolution><YWidth>1</YWidth><YLog/>"
                             "<SensNormal/><Strength>1</Strength><SingleColor>0</SingleColor>"
                             "<BackgroundColor>0</BackgroundColor><LeftColor>0</LeftColor><RightColor>0</RightColor>"
                             "<CursorColor>0</CursorColor><ColorPalette1D><BeginColor>0</BeginColor>"
                             "<EndColor>0</EndColor></ColorPalette1D><DrawSingle/></ViewVolume>";
    struct Case {
        std::string state;
        std::string error;
        int32_t line;
    } cases[] = {
        {"\n<SplitPosition>1.5</SplitPosition><View/>" + tail, "In SplitPosition: ", 5},
        {"<SplitPosition>0.5</SplitPosition>\n<View><Zoom><WavePos>-1</WavePos><WavePos>5</WavePos></Zoom></View>"
             + tail,
         "In Zoom WavePos 1: ", 5},
        {"<SplitPosition>0.5</SplitPosition><View/>\n\n<View><Zoom><WavePos>1</WavePos><WavePos>x</WavePos></Zoom>"
         "</View>" + tail,
         "In Zoom WavePos 2: ", 6},
    };
    for (const Case& c : cases) {
        Window window;
        window.group.SetSplitPosition(0.5);
        std::string error;
        auto holder = MatchBody(*RootGrammar(), Root(c.state), error);
        ASSERT_TRUE(holder) << error;
        int32_t line = 0, column = 0;
        EXPECT_FALSE(
            window.group.ReadViewWaveGroupXml(holder->GetFirst()->GetFirst(), 10000, error, line, column, false));
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << error;
        EXPECT_EQ(line, c.line) << error;
        EXPECT_EQ(window.first.GetPaneWidth(), 301);
        EXPECT_EQ(window.group.GetShowKind(), waveWindWave);
    }
}
