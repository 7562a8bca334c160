#include "wave/view/WaveViewProps.h"

#include "foundation/xml/XMLComplexElement.h"
#include "tests/wave/view/ViewXmlTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Reads a ViewWave element given as text into props.
bool ReadText(TWaveViewProps& props, const std::string& text, std::string& error, int32_t& line, int32_t& column)
{
    auto holder = MatchBody(*TWaveViewProps::GetViewWaveDefinition(), text, error);
    if (!holder) {
        ADD_FAILURE() << "grammar: " << error;
        return false;
    }
    return TWaveViewProps::ReadViewWaveXml(props, holder->GetFirst(), 1000, error, line, column);
}

std::string ViewWave(const std::string& gridColor, const std::string& tail = "<DrawSingle/>")
{
    return "<ViewWave><DrawPixels/><DistRandom/><ValuesPerPixel>3</ValuesPerPixel>"
           "<GridColor>"
         + gridColor
         + "</GridColor><CursorColor>000001</CursorColor><Strength>2</Strength>"
           "<SingleColor>000002</SingleColor><BackgroundColor>000003</BackgroundColor>"
           "<LeftColor>000004</LeftColor><RightColor>000005</RightColor><FrontRight/>"
         + tail + "</ViewWave>";
}

} // namespace

TEST(WaveViewProps, DefaultElementInOrder)
{
    TWaveViewProps props;
    EXPECT_EQ(ElementText(*TWaveViewProps::WriteViewWaveXml(props)), "<ViewWave>\n"
                                                                     "  <DrawLines />\n"
                                                                     "  <DistPeriod />\n"
                                                                     "  <ValuesPerPixel>15</ValuesPerPixel>\n"
                                                                     "  <UseGrid />\n"
                                                                     "  <GridColor>808080</GridColor>\n"
                                                                     "  <CursorColor>FF00FF</CursorColor>\n"
                                                                     "  <Strength>1</Strength>\n"
                                                                     "  <SingleColor>000000</SingleColor>\n"
                                                                     "  <BackgroundColor>FFFFFF</BackgroundColor>\n"
                                                                     "  <LeftColor>0000FF</LeftColor>\n"
                                                                     "  <RightColor>808000</RightColor>\n"
                                                                     "  <FrontNone />\n"
                                                                     "  <DrawSingle />\n"
                                                                     "</ViewWave>\n");
}

TEST(WaveViewProps, RoundTripOfEveryField)
{
    TWaveViewProps props;
    props.DrawKind = DrawPixels;
    props.DistKind = DistRandom;
    props.ValuesPerPixel = unitIntegerPosMore(4, EHNone);
    props.UseGrid = false;
    props.GridColor = 0x80000005; // a system colour keeps its high bits
    props.CursorColor = 0x010203;
    props.Strength = unitFactorPosMore(2.5, EHNone);
    props.BackgroundColor = 0x040506;
    props.SingleColor = 0x070809;
    props.DrawSingle = false;
    props.LeftColor = 0x0A0B0C;
    props.RightColor = 0x0D0E0F;
    props.FrontKind = FrontLeft;
    props.DrawEnvelope = true;
    props.EnvelopeStrength = unitFactorPosMax1(0.25, EHPerc);
    props.Envelope = unitUnitWave("Wave 2");

    auto element = TWaveViewProps::WriteViewWaveXml(props);
    std::string text = ElementText(*element);
    EXPECT_NE(text.find("<GridColor>80000005</GridColor>"), std::string::npos) << text;
    EXPECT_EQ(text.find("<UseGrid"), std::string::npos) << text;

    TWaveViewProps read;
    std::string error;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(ReadText(read, text, error, line, column)) << error;
    EXPECT_EQ(read, props);
    EXPECT_EQ(read.Envelope.GetName(), "Wave 2");
    EXPECT_FALSE(read.UseGrid);
}

TEST(WaveViewProps, LowerCaseColourReadsAndWritesUpperCase)
{
    TWaveViewProps props;
    std::string error;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(ReadText(props, ViewWave("ff00ff"), error, line, column)) << error;
    EXPECT_EQ(props.GridColor, 0xFF00FFu);
    EXPECT_NE(ElementText(*TWaveViewProps::WriteViewWaveXml(props)).find("<GridColor>FF00FF</GridColor>"),
              std::string::npos);
}

TEST(WaveViewProps, BadValuesNameTheirElement)
{
    struct Case {
        std::string text;
        std::string error;
        int32_t line;
    } cases[] = {
        {ViewWave("zz0000"), "In GridColor: Invalid Hexdecimal value: \"zz0000\".", 4},
        {"<ViewWave><DrawLines/><DistPeriod/>\n<ValuesPerPixel>0</ValuesPerPixel><GridColor>0</GridColor>"
         "<CursorColor>0</CursorColor><Strength>1</Strength><SingleColor>0</SingleColor>"
         "<BackgroundColor>0</BackgroundColor><LeftColor>0</LeftColor><RightColor>0</RightColor>"
         "<FrontNone/><DrawSingle/></ViewWave>",
         "In ValuesPerPixel: ", 5},
        {ViewWave("0", "<DrawSingle/>\n<DrawEnvelope><EnvelopeName>W</EnvelopeName><Strength>2</Strength>"
                       "</DrawEnvelope>"),
         "In Strength of DrawEnvelope: ", 5},
    };
    for (const Case& c : cases) {
        TWaveViewProps props;
        std::string error;
        int32_t line = 0, column = 0;
        EXPECT_FALSE(ReadText(props, c.text, error, line, column)) << c.text;
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << error;
        EXPECT_EQ(line, c.line) << error;
    }
}

TEST(WaveViewProps, MissingBackdropKeepsItsNameAndStrength)
{
    TWaveViewProps props;
    props.DrawEnvelope = true;
    props.Envelope = unitUnitWave("Wave 7");
    props.EnvelopeStrength = unitFactorPosMax1(0.9, EHNone);
    std::string error;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(ReadText(props, ViewWave("0"), error, line, column)) << error;
    EXPECT_FALSE(props.DrawEnvelope);
    EXPECT_EQ(props.Envelope.GetName(), "Wave 7");
    EXPECT_EQ(props.EnvelopeStrength.GetValue(), 0.9);

    // Switched off, or without a name, the backdrop is not written.
    EXPECT_EQ(ElementText(*TWaveViewProps::WriteViewWaveXml(props)).find("Envelope"), std::string::npos);
    props.DrawEnvelope = true;
    props.Envelope = unitUnitWave("");
    EXPECT_EQ(ElementText(*TWaveViewProps::WriteViewWaveXml(props)).find("Envelope"), std::string::npos);
}

TEST(WaveViewProps, EqualityAndFading)
{
    TWaveViewProps a;
    TWaveViewProps b;
    a.Envelope = unitUnitWave("Wave 1");
    b.Envelope = unitUnitWave("Wave 1");
    b.Envelope.SetUnitWave(reinterpret_cast<TUnitWave*>(&b)); // only the name counts
    EXPECT_EQ(a, b);
    b.Strength = unitFactorPosMore(1.5, EHNone);
    EXPECT_NE(a, b);

    TWaveViewProps faded;
    faded.FadeColors(0x000000, 1.0);
    EXPECT_EQ(faded, TWaveViewProps());
    faded.FadeColors(0x0000FF, 0.0);
    for (uint32_t color : {faded.BackgroundColor, faded.SingleColor, faded.LeftColor, faded.RightColor,
                           faded.CursorColor, faded.GridColor})
        EXPECT_EQ(color, 0x0000FFu);
    TWaveViewProps white;
    white.FadeColors(0x000000, 0.4);
    EXPECT_EQ(white.BackgroundColor, 0x666666u);
    // A system grid colour fades from the colour it stands for (white here).
    TWaveViewProps system;
    system.GridColor = 0xFF000005;
    system.FadeColors(0x000000, 0.4);
    EXPECT_EQ(system.GridColor, 0x666666u);
}
