#include "DisplayTestSupport.h"

#include "wave/display/PaneKeys.h"
#include "wave/display/StatusTexts.h"
#include "foundation/values/unitFreq.h"
#include "foundation/values/unitTime.h"
#include "wave/display/VolumeArray.h"

#include <gtest/gtest.h>

namespace {

struct Marks {
    int32_t cursor;
    int32_t anchor;
};

Marks Press(TUnitWave& unit, const TPaneMap& map, TPaneKey key, bool shift, bool ctrl)
{
    RunPaneKeyAction(unit, map, LookupPaneKey(key, shift, ctrl));
    return {unit.GetCursorPos(), unit.GetAnchorPos()};
}

TEST(PaneKeys, SelectionMovesAndSteps)
{
    DisplayFixture f(MonoOf(100, Silence), 100, 10);
    const TPaneMap& map = f.pane.map;
    struct Case {
        int32_t cursor, anchor;
        TPaneKey key;
        bool shift, ctrl;
        int32_t begin, end;
    } cases[] = {
        {30, 10, TPaneKey::End, true, true, 80, 100},    // Ctrl+Shift+End keeps the length
        {30, 10, TPaneKey::Home, true, true, 0, 20},     // Ctrl+Shift+Home
        {100, 80, TPaneKey::PageDown, false, true, 100, 100}, // a step past the end is cut
        {30, 10, TPaneKey::PageUp, false, true, 0, 10},
        {30, 10, TPaneKey::End, true, false, 10, 100},   // Shift moves the cursor
        {30, 10, TPaneKey::Home, false, true, 0, 30},    // Ctrl moves the anchor
        {30, 10, TPaneKey::Right, true, false, 10, 31},
        {30, 10, TPaneKey::Down, false, true, 20, 30},
        {30, 10, TPaneKey::PageDown, false, false, 10, 30}, // nothing without Ctrl
    };
    for (const Case& c : cases) {
        f.unit.SetCursorPos(c.cursor);
        f.unit.SetAnchorPos(c.anchor);
        Press(f.unit, map, c.key, c.shift, c.ctrl);
        EXPECT_EQ(f.unit.GetSelectBegin(), c.begin) << int(c.key) << c.shift << c.ctrl;
        EXPECT_EQ(f.unit.GetSelectEnd(), c.end) << int(c.key) << c.shift << c.ctrl;
    }
}

TEST(PaneKeys, PlainKeysPlaceTheCursorByPixels)
{
    DisplayFixture f(MonoOf(1000, Silence), 100, 10);
    f.unit.SetCursor(500);
    // Ten values to a pixel: one pixel right lands on the centre of the next column.
    Marks m = Press(f.unit, f.pane.map, TPaneKey::Right, false, false);
    EXPECT_EQ(m.cursor, 515);
    EXPECT_EQ(m.anchor, 515);
    m = Press(f.unit, f.pane.map, TPaneKey::Up, false, false);
    EXPECT_EQ(m.cursor, 415);
    m = Press(f.unit, f.pane.map, TPaneKey::End, false, false);
    EXPECT_EQ(m.cursor, 1000);
    m = Press(f.unit, f.pane.map, TPaneKey::Home, false, false);
    EXPECT_EQ(m.cursor, 0);
}

TEST(PaneKeys, CtrlClickTakesTheNearerEndOfTheSelection)
{
    EXPECT_EQ(CtrlClickAnchor(200, 100, 120), 100);
    EXPECT_EQ(CtrlClickAnchor(100, 200, 180), 200);
    EXPECT_EQ(CtrlClickAnchor(100, 200, 150), 200);
    EXPECT_EQ(CtrlClickAnchor(50, 50, 10), 50);
}

TEST(StatusTexts, WaveformLevelAndTime)
{
    TPaneMap map{{0, 0, 100, 101}, 0, 44100};
    std::string time = unitTime(map.PixelToSeconds(50, 44100), EHTime).GetText();
    EXPECT_EQ(WaveformStatusText(map, 50, 25, 44100, 1), "(" + time + ", 50.00 %)");
    EXPECT_EQ(WaveformStatusText(map, 50, 100, 44100, 1), "(" + time + ", -100.00 %)");
    // Stereo: the level within the half the point is in.
    EXPECT_EQ(WaveformStatusText(map, 50, 25, 44100, 2), "(" + time + ", 0.00 %)");
    EXPECT_EQ(WaveformStatusText(map, 50, 75, 44100, 2), "(" + time + ", 0.00 %)");
    EXPECT_EQ(WaveformStatusText(map, 50, 50, 44100, 2), "(" + time + ", -100.00 %)");
}

TEST(StatusTexts, VolumeDiagramFrequencyAndVolume)
{
    DisplayFixture f(MonoOf(1000, Silence), 100, 101);
    TVoldViewProps props;
    props.XResolution = unitIntegerPosMore(10, EHNone);
    props.YResolution = unitIntegerPosMore(10, EHNone);
    f.group.SetVoldViewProps(props);
    std::string time = unitTime(f.pane.map.PixelToSeconds(5, 44100), EHTime).GetText();
    // The bottom row is the period TimeBottom.
    std::string bottom = unitFreq(1 / props.TimeBottom.GetValue(), EHFreq).GetText();
    std::string top = unitFreq(1 / props.TimeTop.GetValue(), EHFreq).GetText();
    EXPECT_EQ(VolumeStatusText(f.group, f.pane.map, 5, 100), "(" + time + ", " + bottom + " ): 0");
    EXPECT_EQ(VolumeStatusText(f.group, f.pane.map, 5, 0), "(" + time + ", " + top + " ): 0");
    auto array = std::make_shared<TVolumeArray>(10, 10);
    array->SetVolume(0, 5, 0.5f);
    array->SetColumnsWritten(1);
    f.group.SetVolumeArraySingle(array);
    std::string half = unitFactorPos(0.5, EHDB).GetText();
    EXPECT_NE(VolumeStatusText(f.group, f.pane.map, 5, 50).find("): " + half), std::string::npos);
    // A column not computed yet reads as silent, whatever its cells hold (a
    // writer may be filling them): the cell here holds 0.75 already.
    array->SetVolume(5, 5, 0.75f);
    std::string unwritten = VolumeStatusText(f.group, f.pane.map, 55, 50);
    EXPECT_EQ(unwritten.substr(unwritten.size() - 4), "): 0") << unwritten;
    // A pointer dragged past an edge of the pane reads the edge column.
    EXPECT_NE(VolumeStatusText(f.group, f.pane.map, -15, 50).find("): " + half), std::string::npos);
    array->SetVolume(9, 5, 0.25f);
    array->SetColumnsWritten(10);
    std::string quarter = unitFactorPos(0.25, EHDB).GetText();
    EXPECT_NE(VolumeStatusText(f.group, f.pane.map, 105, 50).find("): " + quarter), std::string::npos);
    std::string written = VolumeStatusText(f.group, f.pane.map, 55, 50);
    EXPECT_NE(written.find("): " + unitFactorPos(0.75, EHDB).GetText()), std::string::npos) << written;
}

TEST(StatusTexts, JoinedStereoShowsBothChannels)
{
    DisplayFixture f(StereoOf(1000, Silence, Silence), 100, 101);
    TVoldViewProps props;
    props.XResolution = unitIntegerPosMore(10, EHNone);
    props.YResolution = unitIntegerPosMore(10, EHNone);
    props.DrawSingle = false;
    f.group.SetVoldViewProps(props);
    auto left = std::make_shared<TVolumeArray>(10, 10), right = std::make_shared<TVolumeArray>(10, 10);
    left->SetVolume(0, 5, 0.25f);
    left->SetColumnsWritten(1);
    right->SetColumnsWritten(1);
    f.group.SetVolumeArrayLeft(left);
    f.group.SetVolumeArrayRight(right);
    std::string text = VolumeStatusText(f.group, f.pane.map, 5, 50);
    EXPECT_NE(text.find(": (" + unitFactorPos(0.25, EHDB).GetText() + " ,0)"), std::string::npos) << text;
}

} // namespace
