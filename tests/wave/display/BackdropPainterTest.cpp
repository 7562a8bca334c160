#include "DisplayTestSupport.h"

#include "foundation/values/NumericHelpers.h"
#include "wave/MainFormAccess.h"
#include "wave/display/VolumeArray.h"

#include <gtest/gtest.h>

namespace {

// The main window as the painters see it: one other wave, found by its name.
class OneOtherWave : public MainFormAccess {
public:
    explicit OneOtherWave(TUnitWave* other) : other(other) { previous = SetMainFormAccess(this); }
    ~OneOtherWave() override { SetMainFormAccess(previous); }
    TUnitWave* FindUnitWave(const std::string& name) override
    {
        return other && name == other->GetName() ? other : nullptr;
    }
    TUnitWave* other;

private:
    MainFormAccess* previous;
};

TWaveViewProps WithBackdrop(const std::string& name, double strength)
{
    TWaveViewProps props;
    props.UseGrid = false;
    props.BackgroundColor = 0xFFFFFF;
    props.DrawEnvelope = true;
    props.EnvelopeStrength = unitFactorPosMax1(strength, EHNone);
    props.Envelope = unitUnitWave(name);
    return props;
}

TEST(BackdropPainter, AnotherWaveShowsFadedBehindThisOne)
{
    DisplayFixture self(MonoOf(100, Silence), 100, 20);
    DisplayFixture other(MonoOf(100, Silence), 100, 20);
    other.unit.SetName("Backdrop");
    TWaveViewProps otherProps;
    otherProps.BackgroundColor = 0x000000;
    otherProps.UseGrid = false;
    other.group.SetWaveViewProps(otherProps);
    OneOtherWave main(&other.unit);
    self.group.SetWaveViewProps(WithBackdrop("Backdrop", 0.5));
    self.unit.SetCursor(0);
    self.Paint();
    uint32_t faded = static_cast<uint32_t>(MixColors(0xFFFFFF, 0x000000, 0.5));
    EXPECT_EQ(self.canvas.GetColor(50, 0), faded);
    // The backdrop's window closed, or no strength: plain background.
    main.other = nullptr;
    self.Paint();
    EXPECT_EQ(self.canvas.GetColor(50, 0), 0xFFFFFFu);
    main.other = &other.unit;
    self.group.SetWaveViewProps(WithBackdrop("Backdrop", 0.0));
    self.Paint();
    EXPECT_EQ(self.canvas.GetColor(50, 0), 0xFFFFFFu);
}

TEST(BackdropPainter, AVolumeDiagramBackdropIsStretchedOverThisWave)
{
    DisplayFixture self(MonoOf(50, Silence), 100, 20);
    DisplayFixture other(MonoOf(1000, Silence), 100, 20);
    other.unit.SetName("Diagram");
    TVoldViewProps props;
    props.XResolution = unitIntegerPosMore(10, EHNone);
    props.YResolution = unitIntegerPosMore(2, EHNone);
    props.BackgroundColor = 0x000000;
    props.SingleColor = 0x0000FF;
    props.Strength = unitFactorPosMore(1.0, EHNone);
    other.group.SetVoldViewProps(props);
    auto array = std::make_shared<TVolumeArray>(10, 2);
    array->SetVolume(9, 0, 1.0f);
    array->SetColumnsWritten(10);
    other.group.SetVolumeArraySingle(array);
    // Only the last tenth of the other wave is selected: its loud column fills this pane.
    other.unit.SetSelection(900, 1000);
    OneOtherWave main(&other.unit);
    self.group.SetWaveViewProps(WithBackdrop("Diagram", 1.0));
    self.unit.SetCursor(0);
    self.Paint();
    EXPECT_EQ(self.canvas.GetColor(50, 2), 0x0000FFu);
    EXPECT_EQ(self.canvas.GetColor(50, 15), 0x000000u);
}

} // namespace
