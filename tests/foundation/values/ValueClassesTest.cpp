#include "foundation/values/GetNumberValue.h"
#include "foundation/values/ValueClassParsers.h"
#include "foundation/values/ValueEdit.h"
#include "foundation/values/unitColor.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "platform/Assertions.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Writes the value under a parent and reads it back into target.
bool RoundTrip(const unit& source, unit& target, std::string& error)
{
    TXMLComplexElement parent("Record");
    source.WriteXml("Field", parent);
    int32_t line = -1, column = -1;
    return target.ReadXml(*parent.GetFirst(), error, line, column);
}

std::string WrittenText(const unit& value)
{
    TXMLComplexElement parent("Record");
    value.WriteXml("Field", parent);
    return parent.GetFirst()->GetValue();
}

class FakeEdit : public TValueEdit {
public:
    explicit FakeEdit(std::string text) : text(std::move(text)) {}
    std::string GetEditText() const override { return text; }
    void SetEditText(const std::string& newText) override { text = newText; }
    std::string text;
};

} // namespace

TEST(ValueClasses, OnlyTheFirstRefusalOfOneOkIsShown)
{
    RecordingMessageService recorder;
    unitFactorPos volume(1, EHNone);
    unitTimePosMore length(2, EHS);
    unitIntegerPos count(3, EHNone);
    bool ok = true;
    volume.CheckEdit(ok, "-1", "Volume");
    length.CheckEdit(ok, "-5 s", "Length");
    count.CheckEdit(ok, FakeEdit("7"), "Count");
    EXPECT_FALSE(ok);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, "In Volume: Value must be positive.");
    EXPECT_EQ(recorder.Last().caption, "Input Error");
    // The refused field and the skipped ones keep their values.
    EXPECT_EQ(volume.GetValue(), 1);
    EXPECT_EQ(length.GetValue(), 2);
    EXPECT_EQ(count.GetValue(), 3);

    ok = true;
    volume.CheckEdit(ok, "50 %", "Volume");
    count.CheckEdit(ok, FakeEdit("7"), "Count");
    EXPECT_TRUE(ok);
    EXPECT_EQ(volume.GetValue(), 0.5);
    EXPECT_EQ(count.GetValue(), 7);
    EXPECT_EQ(recorder.Count(), 1u);
}

TEST(ValueClasses, SilentCheckHandsTheMessageBack)
{
    RecordingMessageService recorder;
    unitFactor f(1, EHNone);
    bool ok = true;
    std::string error;
    f.CheckEditSilent(ok, "1 zz", "Gain", error);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, "In Gain: This unit does not exist, use: '%' or no unit.");
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_EQ(f.GetValue(), 1);
}

TEST(ValueClasses, ShowInEditPutsTheText)
{
    FakeEdit edit("");
    unitFactor(0.25, EHPerc).ShowInEdit(edit);
    EXPECT_EQ(edit.text, "25 %");
}

TEST(ValueClasses, TextsInEachClass)
{
    struct Case {
        std::shared_ptr<unit> value;
        const char* text;
    } cases[] = {
        {std::make_shared<unitFactor>(0.5, EHDB), "-6.02 dB"},
        {std::make_shared<unitFactor>(0.5, EHS), ""},
        {std::make_shared<unitBalAngleFactor>(-0.5, EHAngle), "-45 '"},
        {std::make_shared<unitInteger>(-12, EHNone), "-12"},
        {std::make_shared<unitInteger>(12, EHPerc), ""},
        {std::make_shared<unitFysDist>(1000, EHKM), "1 km"},
        {std::make_shared<unitFysSpeed>(1, EHMpS), "1 m/s"},
        {std::make_shared<unitTime>(0.0005, EHMS), "0.5 ms"},
        {std::make_shared<unitTime>(75.5, EHTime), "1:15.50000"},
        {std::make_shared<unitTime>(2, EHNone), ""},
        {std::make_shared<unitFreq>(440, EHFreq), "440.0000 Hz"},
        {std::make_shared<unitFreq>(0, EHS), " * s"},
        {std::make_shared<unitWaveVal>(16384, EHNone), "0.5"},
        {std::make_shared<unitWaveVal>(16384, EHValue), "16384 $"},
        {std::make_shared<unitWavePos>(0.25, EHAngle), "90 '"},
        {std::make_shared<unitWavePos>(2, EHWavePos), "2 &"},
        {std::make_shared<unitWavePos>(2, EHDB), ""},
        {std::make_shared<unitColor>(255), "0000FF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value->GetText(), c.text) << c.text;
    EXPECT_EQ(unitFreq(440, EHFreq).GetTextPrecision(4), "440.0 Hz");
}

TEST(ValueClasses, SetFromTextNamesTheFieldAndKeepsTheValue)
{
    unitFactor f(0.3, EHNone);
    std::string error;
    EXPECT_FALSE(f.SetFromText("1 s", "Factor", error));
    EXPECT_EQ(error, "In Factor: Wrong unit used, use: '%' or no unit.");
    EXPECT_EQ(f.GetValue(), 0.3);
    EXPECT_EQ(f.GetUnitKind(), EHNone);
    EXPECT_TRUE(f.SetFromText("0 %", "Factor", error));
    EXPECT_EQ(f.GetValue(), 0);
    EXPECT_EQ(f.GetUnitKind(), EHPerc);
}

TEST(ValueClasses, ZeroLeavesTheLogarithmicKinds)
{
    unitFactorPos pos(0.5, EHDB);
    pos.SetValue(0);
    EXPECT_EQ(pos.GetUnitKind(), EHNone);
    unitFactorPos percent(0.5, EHPerc);
    percent.SetValue(0);
    EXPECT_EQ(percent.GetUnitKind(), EHPerc);
    // The plain factor keeps its kind; its text still shows a number.
    unitFactor plain(0.5, EHOctave);
    plain.SetValue(0);
    EXPECT_EQ(plain.GetUnitKind(), EHOctave);
    EXPECT_EQ(plain.GetText(), "0");
    EXPECT_EQ(unitFactor(0.5, EHNone).GetNumberText(1, 2, 2), "0.50");
}

TEST(ValueClasses, WavePositionCountedFromTheEnd)
{
    unitWavePosition p(0, EHS, 2.0);
    std::string error;
    ASSERT_TRUE(p.SetFromText("-0.5 s", "Start", error));
    EXPECT_DOUBLE_EQ(p.GetPosition(), 1.5);
    EXPECT_TRUE(p.IsCountedFromEnd());
    EXPECT_EQ(p.GetText(), "-0.5 s");

    ASSERT_TRUE(p.SetFromText("-2 s", "Start", error));
    EXPECT_DOUBLE_EQ(p.GetPosition(), 0);

    // A hair before the end is still before it.
    ASSERT_TRUE(p.SetFromText("-1e-20 s", "Start", error));
    EXPECT_LT(p.GetPosition(), 2.0);
    EXPECT_TRUE(p.IsCountedFromEnd());
    ASSERT_TRUE(p.SetFromText("-2 s", "Start", error));

    EXPECT_FALSE(p.SetFromText("2 s", "Start", error));
    EXPECT_EQ(error, "In Start: Position must be before the end of the wave");
    EXPECT_FALSE(p.SetFromText("-2.5 s", "Start", error));
    EXPECT_EQ(error, "In Start: Position must be not before the start of the previous wave");
    // A refused text leaves the position and its counting as they were.
    EXPECT_DOUBLE_EQ(p.GetPosition(), 0);
    EXPECT_TRUE(p.IsCountedFromEnd());

    ASSERT_TRUE(p.SetFromText("-10 %", "Start", error));
    EXPECT_DOUBLE_EQ(p.GetPosition(), 1.8);
    EXPECT_EQ(p.GetText(), "90 %");

    ASSERT_TRUE(p.SetFromText("-90'", "Start", error));
    EXPECT_DOUBLE_EQ(p.GetPosition(), 1.5);
    EXPECT_FALSE(p.IsCountedFromEnd());
    EXPECT_EQ(p.GetText(), "270 '");

    ASSERT_TRUE(p.SetFromText("0.25", "Start", error));
    EXPECT_DOUBLE_EQ(p.GetPosition(), 0.5);
    EXPECT_FALSE(p.IsCountedFromEnd());

    EXPECT_FALSE(p.SetFromText("1 dB", "Start", error));
    EXPECT_EQ(error, "In Start: Wrong unit used, use: 's', 'ms', 'Hz', 'kHz'.");
    EXPECT_FALSE(p.SetFromText("400'", "Start", error));
    EXPECT_EQ(error, "In Start: Fase is too high. (maximum: less than 360' )");
}

TEST(ValueClasses, SetLengthKeepsFractionsAndTimes)
{
    unitWavePosition percent(0, EHPerc, 2.0);
    std::string error;
    ASSERT_TRUE(percent.SetFromText("10 %", "Start", error));
    percent.SetLength(4.0);
    EXPECT_DOUBLE_EQ(percent.GetPosition(), 0.4);
    EXPECT_EQ(percent.GetText(), "10 %");

    unitWavePosition seconds(0, EHS, 2.0);
    ASSERT_TRUE(seconds.SetFromText("0.2 s", "Start", error));
    seconds.SetLength(4.0);
    EXPECT_DOUBLE_EQ(seconds.GetPosition(), 0.2);
    EXPECT_EQ(seconds.GetText(), "0.2 s");

    // From length 0 nothing can be scaled; the position stays.
    unitWavePosition fresh(0.3, EHPerc);
    fresh.SetLength(3.0);
    EXPECT_DOUBLE_EQ(fresh.GetPosition(), 0.3);
    EXPECT_EQ(fresh.GetText(), "10 %");
}

TEST(ValueClasses, SetLengthOfAnEmptyWaveLeavesOnlyItsStart)
{
    for (double length : {0.0, -1.0}) {
        unitWavePosition p(0.5, EHPerc, 2.0);
        p.SetLength(length);
        EXPECT_EQ(p.GetLength(), 0.0);
        EXPECT_EQ(p.GetPosition(), 0.0);
        EXPECT_EQ(p.GetText(), "0 %");
    }
}

TEST(ValueClasses, WavePositionOfAnEmptyWaveShowsItsStart)
{
    EXPECT_EQ(unitWavePosition(0, EHPerc).GetText(), "0 %");
}

TEST(ValueClasses, ValuesRoundTripThroughXml)
{
    std::string error;
    struct Case {
        std::shared_ptr<unit> source;
        std::shared_ptr<unit> target;
        const char* text;
        const char* readBack; // the text of the value read back
    } cases[] = {
        {std::make_shared<unitFactor>(0.25, EHPerc), std::make_shared<unitFactor>(), "25 %", "25 %"},
        {std::make_shared<unitInteger>(-7, EHNone), std::make_shared<unitInteger>(), "-7", "-7"},
        {std::make_shared<unitFreq>(440, EHFreq), std::make_shared<unitFreq>(), "440.0000 Hz", "440 hz"},
        {std::make_shared<unitTime>(0.25, EHMS), std::make_shared<unitTime>(), "250 ms", "250 ms"},
        {std::make_shared<unitWaveVal>(-32768, EHValue), std::make_shared<unitWaveVal>(), "-32768 $", "-32768 $"},
        // Hours and minutes are for showing: the file holds seconds.
        {std::make_shared<unitTime>(75.5, EHTime), std::make_shared<unitTime>(), "75.5 s", "75.5 s"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WrittenText(*c.source), c.text);
        ASSERT_TRUE(RoundTrip(*c.source, *c.target, error)) << c.text << ": " << error;
        EXPECT_EQ(c.target->GetText(), c.readBack);
    }
    // A tiny value is written out in full, with dozens of zeros, and must not read back as 0.
    unitFactor tiny(1e-40, EHNone), back(5, EHNone);
    ASSERT_TRUE(RoundTrip(tiny, back, error)) << error;
    EXPECT_NEAR(back.GetValue(), 1e-40, 1e-53);

    // A turn a hair short of a full one shows as "360 '", which no parser takes back.
    unitWavePos turn;
    ASSERT_TRUE(turn.SetFromText("-0.0000001 '", "Phase", error)) << error;
    EXPECT_EQ(turn.GetText(), "360 '");
    unitWavePos turnBack(5, EHS);
    ASSERT_TRUE(RoundTrip(turn, turnBack, error)) << error;
    EXPECT_DOUBLE_EQ(turnBack.GetValue(), turn.GetValue());
}

TEST(ValueClasses, NoteNamesShowAndSaveInTheDefaultUnit)
{
    std::string error;
    unitFreq frequency;
    ASSERT_TRUE(frequency.SetFromText("a", "Frequency", error));
    EXPECT_EQ(frequency.GetUnitKind(), EHNote);
    // 523.26 Hz for C5 puts A4 a hair above 440 Hz.
    EXPECT_EQ(frequency.GetText(), "440.0074 hz");
    unitFreq frequencyBack;
    ASSERT_TRUE(RoundTrip(frequency, frequencyBack, error)) << error;
    EXPECT_NEAR(frequencyBack.GetValue(), frequency.GetValue(), 1e-3);

    unitTime time;
    ASSERT_TRUE(time.SetFromText("a5", "Time", error));
    EXPECT_EQ(time.GetText(), "0.00113634 s");
    unitTime timeBack;
    ASSERT_TRUE(RoundTrip(time, timeBack, error)) << error;
    EXPECT_NEAR(timeBack.GetValue(), time.GetValue(), 1e-8);

    unitWavePosition position(0, EHS, 1.0);
    ASSERT_TRUE(position.SetFromText("a", "Start", error));
    EXPECT_EQ(position.GetText(), "0.00227268 s");
    unitWavePosition positionBack(0, EHS, 1.0);
    ASSERT_TRUE(RoundTrip(position, positionBack, error)) << error;

    unitWavePos factoryPosition;
    ASSERT_TRUE(factoryPosition.SetFromText("a", "Pos", error));
    EXPECT_EQ(factoryPosition.GetText(), "0.00227268 s");
}

TEST(ValueClasses, FeetAndInchesShowAndSave)
{
    std::string error;
    unitFysDist feet;
    ASSERT_TRUE(feet.SetFromText("10 feet", "Distance", error));
    EXPECT_EQ(feet.GetText(), "10 feet");
    unitFysDist back;
    ASSERT_TRUE(RoundTrip(feet, back, error)) << error;
    EXPECT_DOUBLE_EQ(back.GetValue(), 3.048);
    EXPECT_EQ(back.GetUnitKind(), EHFeet);

    unitFysDist inch;
    ASSERT_TRUE(inch.SetFromText("3 inch", "Distance", error));
    EXPECT_EQ(inch.GetText(), "3 inch");
}

TEST(ValueClasses, EveryUnitTheParserTakesShowsAgain)
{
    // A field must reopen with what was typed in it, in whatever unit.
    struct Case {
        std::shared_ptr<unit> value;
        const char* typed;
        const char* shown;
    } cases[] = {
        {std::make_shared<unitFysDist>(), "2 s", "2 s"},
        {std::make_shared<unitFysDist>(), "343 hz", "343 hz"},
        {std::make_shared<unitTime>(), "343 m", "343 m"},
        {std::make_shared<unitTime>(), "1 inch", "1 inch"},
        {std::make_shared<unitFreq>(), "1 m", "1 m"},
        {std::make_shared<unitWavePos>(), "34.3 m", "34.3 m"},
        {std::make_shared<unitWaveVal>(), "-50 %", "-50 %"},
        {std::make_shared<unitBalAngleFactor>(), "-45'", "-45 '"},
    };
    for (const Case& c : cases) {
        std::string error;
        ASSERT_TRUE(c.value->SetFromText(c.typed, "Field", error)) << c.typed << ": " << error;
        EXPECT_EQ(c.value->GetText(), c.shown) << c.typed;
    }
    unitWavePosition position(0, EHS, 1.0);
    std::string error;
    ASSERT_TRUE(position.SetFromText("-34.3 m", "Start", error));
    EXPECT_DOUBLE_EQ(position.GetPosition(), 0.9);
    EXPECT_EQ(position.GetText(), "-34.3 m");
}

TEST(ValueClasses, ZeroUnderADivisionIsWrittenInTheBaseUnit)
{
    // " * hz" shows that a zero has no frequency, but no parser reads it back.
    struct Case {
        std::shared_ptr<unit> source;
        std::shared_ptr<unit> target;
        const char* shown;
        const char* written;
    } cases[] = {
        {std::make_shared<unitTime>(0, EHHZ), std::make_shared<unitTime>(5, EHS), " * hz", "0 s"},
        {std::make_shared<unitFreq>(0, EHMS), std::make_shared<unitFreq>(5, EHHZ), " * ms", "0 hz"},
        {std::make_shared<unitFysDist>(0, EHKHZ), std::make_shared<unitFysDist>(5, EHM), " * khz", "0 m"},
        {std::make_shared<unitWavePos>(0, EHHZ), std::make_shared<unitWavePos>(5, EHS), " * hz", "0 s"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.source->GetText(), c.shown);
        EXPECT_EQ(WrittenText(*c.source), c.written);
        std::string error;
        ASSERT_TRUE(RoundTrip(*c.source, *c.target, error)) << c.written << ": " << error;
        EXPECT_EQ(c.target->GetText(), c.written);
    }
    unitWavePosition position(0, EHHZ, 1.0);
    EXPECT_EQ(WrittenText(position), "0 s");

    // A conversion beyond the doubles shows stars, which no parser reads either.
    unitFysDist tiny(1e-307, EHKHZ);
    EXPECT_EQ(tiny.GetText(), "*** khz");
    unitFysDist back(5, EHM);
    std::string error;
    ASSERT_TRUE(RoundTrip(tiny, back, error)) << error;
    EXPECT_DOUBLE_EQ(back.GetValue(), 1e-307);
    EXPECT_EQ(back.GetUnitKind(), EHM);
}

TEST(ValueClasses, ReadXmlReportsPositionAndFieldName)
{
    TXMLStringElement element("Volume", "lots");
    element.SetPosition(12, 5);
    unitFactor f(0.5, EHNone);
    std::string error;
    int32_t line = 0, column = 0;
    EXPECT_FALSE(f.ReadXml(element, error, line, column));
    EXPECT_EQ(error, "In Volume: Input has no value.");
    EXPECT_EQ(line, 12);
    EXPECT_EQ(column, 5);
    EXPECT_EQ(f.GetValue(), 0.5);
}

TEST(ValueClasses, ColourRoundTrip)
{
    struct Case {
        int32_t colour;
        const char* text;
    } cases[] = {
        {255, "0000FF"},
        {0x123456, "123456"},
        {0, "000000"},
        // System colours use the top byte and keep all eight digits.
        {static_cast<int32_t>(0x80000005u), "80000005"},
        {-1, "FFFFFFFF"},
    };
    for (const Case& c : cases) {
        unitColor colour(c.colour);
        EXPECT_EQ(WrittenText(colour), c.text);
        unitColor back(7);
        std::string error;
        ASSERT_TRUE(RoundTrip(colour, back, error)) << c.text;
        EXPECT_EQ(back.GetValue(), c.colour) << c.text;
    }
}

TEST(ValueClasses, ColourReaderTakesOneToEightHexDigits)
{
    struct Case {
        const char* text;
        bool ok;
        int32_t colour;
    } cases[] = {
        {"f", true, 15},    {"00ff00", true, 0xFF00}, {"ABCDEF12", true, static_cast<int32_t>(0xABCDEF12u)},
        {"123456789", false, 7}, {"12G", false, 7},    {"0x12", false, 7}, {"-1", false, 7}, {"", false, 7},
    };
    for (const Case& c : cases) {
        TXMLStringElement element("Color", c.text);
        element.SetPosition(3, 9);
        unitColor colour(7);
        std::string error;
        int32_t line = 0, column = 0;
        EXPECT_EQ(colour.ReadXml(element, error, line, column), c.ok) << c.text;
        EXPECT_EQ(colour.GetValue(), c.colour) << c.text;
        EXPECT_EQ(line, 3);
        EXPECT_EQ(column, 9);
        if (!c.ok) {
            EXPECT_EQ(error, std::string("In Color: Invalid Hexdecimal value: \"") + c.text + "\".");
        }
    }
}

TEST(ValueClasses, ColoursAreNeverTyped)
{
    ThrowOnFatalAssertion throwing;
    unitColor colour(1);
    std::string error;
    EXPECT_THROW(colour.SetFromText("FF", "Colour", error), FatalAssertion);
}

TEST(GetNumberValue, ReadsWholeNumbersLikeAnIntegerField)
{
    struct Case {
        const char* text;
        bool ok;
        int32_t number;
        const char* error;
    } cases[] = {
        {"42", true, 42, ""},
        {"-3", true, -3, ""},
        {"4x", false, 99, "In Count: Invalid value: \"4x\"."},
        {"4294967296", false, 99, "In Count: Invalid value: \"4294967296\"."},
    };
    for (const Case& c : cases) {
        TXMLStringElement element("Count", c.text);
        element.SetPosition(8, 4);
        int32_t number = 99, line = 0, column = 0;
        std::string error;
        EXPECT_EQ(GetNumberValue(element, number, error, line, column), c.ok) << c.text;
        EXPECT_EQ(number, c.number);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(line, 8);
        EXPECT_EQ(column, 4);
    }
}

TEST(ValueClasses, CopiesTakeValueKindAndDomain)
{
    unitFactorPos a(0.5, EHPerc);
    unitFactorPos b;
    b = a;
    EXPECT_EQ(b.GetValue(), 0.5);
    EXPECT_EQ(b.GetUnitKind(), EHPerc);
    EXPECT_EQ(b.GetDomain(), ValueDomain::Positive);
}
