#include "wave/view/VoldViewProps.h"

#include "foundation/xml/XMLComplexElement.h"
#include "tests/wave/view/ViewXmlTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

bool ReadText(TVoldViewProps& props, const std::string& text, std::string& error, int32_t& line, int32_t& column)
{
    auto holder = MatchBody(*TVoldViewProps::GetViewVolumeDefinition(), text, error);
    if (!holder) {
        ADD_FAILURE() << "grammar: " << error;
        return false;
    }
    return TVoldViewProps::ReadViewVolumeXml(props, holder->GetFirst(), error, line, column);
}

std::string ViewVolume(const std::string& resolutions, const std::string& palette)
{
    return "<ViewVolume><TimeTop>1 ms</TimeTop><TimeBottom>10 ms</TimeBottom>" + resolutions
         + "<YWidth>2</YWidth><YLinTime/><SensVeryHigh/><Strength>3</Strength>"
           "<SingleColor>1</SingleColor><BackgroundColor>2</BackgroundColor><LeftColor>3</LeftColor>"
           "<RightColor>4</RightColor><CursorColor>5</CursorColor><UseColorPalette1D/>"
         + palette + "<DrawJoined/></ViewVolume>";
}

const std::string Resolutions = "<XResolution>100</XResolution><YResolution>20</YResolution>";

std::string Palette(const std::string& items)
{
    return "<ColorPalette1D><BeginColor>000000</BeginColor>" + items + "<EndColor>FFFFFF</EndColor></ColorPalette1D>";
}

std::string Item(const std::string& position)
{
    return "<ColorPalette1DItem><Position>" + position
         + "</Position><ColorBefore>0000FF</ColorBefore><ColorAfter>0</ColorAfter></ColorPalette1DItem>";
}

} // namespace

TEST(VoldViewProps, DefaultsRoundTrip)
{
    TVoldViewProps props;
    auto element = TVoldViewProps::WriteViewVolumeXml(props);
    TVoldViewProps read;
    read.FreqAxisKind = YLinTime;
    read.ColorPalette1D.InsertItem(unitFactorPosMoreLess1(0.5, EHNone), 0x123456);
    std::string error;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(ReadText(read, ElementText(*element), error, line, column)) << error << ElementText(*element);
    EXPECT_EQ(read, props) << ElementText(*element);
}

TEST(VoldViewProps, ReadsEveryField)
{
    TVoldViewProps props;
    std::string error;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(ReadText(props, ViewVolume(Resolutions, Palette(Item("0.75") + Item("0.25"))), error, line, column))
        << error;
    EXPECT_DOUBLE_EQ(props.TimeTop.GetValue(), 0.001);
    EXPECT_DOUBLE_EQ(props.TimeBottom.GetValue(), 0.01);
    EXPECT_EQ(props.XResolution.GetValue(), 100);
    EXPECT_EQ(props.YResolution.GetValue(), 20);
    EXPECT_EQ(props.YWidth.GetValue(), 2.0);
    EXPECT_EQ(props.FreqAxisKind, YLinTime);
    EXPECT_EQ(props.SensKind, SensVeryHigh);
    EXPECT_EQ(props.Strength.GetValue(), 3.0);
    EXPECT_EQ(props.SingleColor, 1u);
    EXPECT_EQ(props.BackgroundColor, 2u);
    EXPECT_EQ(props.CursorColor, 5u);
    EXPECT_TRUE(props.UseColorPalette1D);
    EXPECT_FALSE(props.DrawSingle);
    // Items out of order come in position order.
    ASSERT_EQ(props.ColorPalette1D.CountItems(), 4);
    EXPECT_EQ(props.ColorPalette1D.GetNext()->GetDPosition(), 0.25);
    EXPECT_EQ(props.ColorPalette1D.GetNext()->GetNext()->GetDPosition(), 0.75);
}

TEST(VoldViewProps, RefusedValuesNameTheirElement)
{
    struct Case {
        std::string text;
        std::string error;
    } cases[] = {
        {"<ViewVolume><TimeTop>1 ms</TimeTop><TimeBottom>-1</TimeBottom>"
             + ViewVolume(Resolutions, Palette("")).substr(std::string("<ViewVolume><TimeTop>1 ms</TimeTop>"
                                                                       "<TimeBottom>10 ms</TimeBottom>")
                                                               .size()),
         "In Timebottom: "},
        {ViewVolume("<XResolution>100000</XResolution><YResolution>100000</YResolution>", Palette("")),
         "In YResolution: A volume diagram of 100000 x 100000 cells is too large; at most 16777216 cells are "
         "allowed."},
        {ViewVolume(Resolutions, Palette(Item("0.5") + Item("50%"))),
         "In Position: Another item has the position \"50%\"."},
        {ViewVolume(Resolutions, Palette(Item("1"))), "In Position: "},
    };
    for (const Case& c : cases) {
        TVoldViewProps props;
        std::string error;
        int32_t line = 0, column = 0;
        EXPECT_FALSE(ReadText(props, c.text, error, line, column)) << c.text;
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << error;
        EXPECT_GT(line, 0);
        EXPECT_EQ(props.ColorPalette1D, TColorPalette1DItem(0x000000, 0xFFFFFF));
    }
}

TEST(VoldViewProps, NeedsRecalculationOnlyForWhatTheWriterComputesWith)
{
    struct Change {
        const char* field;
        std::function<void(TVoldViewProps&)> apply;
        bool recalculate;
    } changes[] = {
        {"colours", [](TVoldViewProps& p) { p.SingleColor = 1, p.BackgroundColor = 2, p.CursorColor = 3,
                                                 p.LeftColor = 4, p.RightColor = 5; }, false},
        {"Strength", [](TVoldViewProps& p) { p.Strength = unitFactorPosMore(9, EHNone); }, false},
        {"SensKind", [](TVoldViewProps& p) { p.SensKind = SensLow; }, false},
        {"DrawSingle", [](TVoldViewProps& p) { p.DrawSingle = false; }, false},
        {"palette", [](TVoldViewProps& p) { p.ColorPalette1D.SetColorBefore(0x0000FF), p.UseColorPalette1D = true; },
         false},
        {"FreqAxisKind", [](TVoldViewProps& p) { p.FreqAxisKind = YLinFreq; }, true},
        {"TimeTop", [](TVoldViewProps& p) { p.TimeTop = unitTimePosMore(0.001, EHS); }, true},
        {"TimeBottom", [](TVoldViewProps& p) { p.TimeBottom = unitTimePosMore(0.1, EHS); }, true},
        {"XResolution", [](TVoldViewProps& p) { p.XResolution = unitIntegerPosMore(7, EHNone); }, true},
        {"YResolution", [](TVoldViewProps& p) { p.YResolution = unitIntegerPosMore(7, EHNone); }, true},
        {"YWidth", [](TVoldViewProps& p) { p.YWidth = unitFactorPosMore(0.5, EHNone); }, true},
    };
    for (const Change& change : changes) {
        TVoldViewProps props;
        change.apply(props);
        EXPECT_EQ(props.NeedsRecalculation(TVoldViewProps()), change.recalculate) << change.field;
        EXPECT_NE(props, TVoldViewProps()) << change.field;
    }
}

TEST(VoldViewProps, CopiesAreDeepAndFadingReachesThePalette)
{
    TVoldViewProps props;
    props.ColorPalette1D.InsertItem(unitFactorPosMoreLess1(0.5, EHNone), 0xFFFFFF);
    TVoldViewProps copy(props);
    EXPECT_EQ(copy, props);
    copy.ColorPalette1D.GetNext()->SetColorBefore(0x000001);
    EXPECT_NE(copy, props);
    EXPECT_EQ(props.ColorPalette1D.GetNext()->GetColorBefore(), 0xFFFFFFu);

    props.FadeColors(0x000000, 0.4);
    EXPECT_EQ(props.SingleColor, 0x666666u);
    EXPECT_EQ(props.ColorPalette1D.GetNext()->GetColorBefore(), 0x666666u);
    EXPECT_EQ(props.ColorPalette1D.GetLastItem()->GetColorBefore(), 0x666666u);
}
