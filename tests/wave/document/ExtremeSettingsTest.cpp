// Settings at the far ends of what the dialogs take: the command either does
// its work or refuses with a message, and a refusal keeps the wave and marks.
#include "DocumentFakes.h"
#include "wave/LongestWave.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct ExtremeCase {
    const char* name;
    int32_t values; // of the wave; its middle value is selected when there are several
    int channels;
    std::function<void(TUnitWave&)> run;
    bool refused; // with the message on the longest wave
};

TShiftProps Shift(double seconds)
{
    TShiftProps p;
    p.TimeMiddle.SetValue(seconds);
    p.TimeLeft.SetValue(seconds);
    p.TimeRight.SetValue(-seconds);
    return p;
}

THighLowProps Passes(int32_t count)
{
    THighLowProps p;
    p.Count.SetValue(count);
    return p;
}

TRandomEchoProps EchoesApart(double seconds, bool cyclable)
{
    TRandomEchoProps p;
    p.Count.SetValue(2);
    p.TimeDiff.SetValue(seconds);
    p.Cyclable = cyclable ? 1 : 0;
    return p;
}

} // namespace

TEST(ExtremeSettings, RefusedOrDoneWithoutCuttingShort)
{
    const ExtremeCase cases[] = {
        {"shift an empty wave far right", 0, 1, [](TUnitWave& u) { u.MoveH(Shift(1e300)); }, true},
        {"shift an empty wave far left", 0, 1, [](TUnitWave& u) { u.MoveH(Shift(-1e9)); }, true},
        {"shift a stereo value far", 1000, 2, [](TUnitWave& u) { u.MoveH(Shift(1e300)); }, true},
        {"shift an empty wave a little", 0, 1, [](TUnitWave& u) { u.MoveH(Shift(0.001)); }, false},
        // Passes over no values are none at all, however many are asked for.
        {"low filter passes over an empty wave", 0, 1, [](TUnitWave& u) { u.FilterLow(Passes(INT32_MAX)); }, false},
        {"high filter passes over an empty wave", 0, 2, [](TUnitWave& u) { u.FilterHigh(Passes(INT32_MAX)); }, false},
        {"random echoes far apart", 1, 1, [](TUnitWave& u) { u.RndEcho(EchoesApart(1e300, false)); }, true},
        {"cyclable random echoes far apart", 1000, 2, [](TUnitWave& u) { u.RndEcho(EchoesApart(1e9, true)); }, true},
        {"random echoes a second apart", 1, 1, [](TUnitWave& u) { u.RndEcho(EchoesApart(1, false)); }, false},
    };
    for (const ExtremeCase& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentFixture f(RampSound(c.values, 1000, c.channels));
        TUnitWave& u = *f.unit;
        if (c.values > 1)
            u.SetSelection(c.values / 2, c.values / 2 + 1);
        const int32_t begin = u.GetSelectBegin(), end = u.GetSelectEnd();
        c.run(u);
        if (c.refused) {
            ASSERT_EQ(f.messages.Count(), 1u);
            EXPECT_EQ(f.messages.Last().text, LongerThanTheLongestWave());
            EXPECT_EQ(u.GetValues(), c.values);
            EXPECT_EQ(u.GetSelectBegin(), begin);
            EXPECT_EQ(u.GetSelectEnd(), end);
            EXPECT_FALSE(u.LastCommandChanged());
        } else {
            EXPECT_EQ(f.messages.Count(), 0u) << (f.messages.Count() ? f.messages.Last().text : "");
            EXPECT_TRUE(u.LastCommandChanged());
        }
    }
}
