#include "ViewWaveTestSupport.h"

#include "wave/display/VolumeArray.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

int64_t MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Serves events until the writer is done and its last report painted.
void RunUntilPainted(TViewWaveGroup& group, const std::vector<TVolumeArray*>& arrays)
{
    auto start = Clock::now();
    for (;;) {
        QApplication::processEvents();
        bool done = group.IsVolumeWriterFinished();
        for (TVolumeArray* array : arrays)
            done = done && array->ColumnsRefreshed == array->GetColumnsWritten();
        if (done || MillisecondsSince(start) > 60000)
            return;
    }
}

TEST(VolumeWriterView, ProgressIsPaintedAsTheColumnsComeIn)
{
    ViewFixture f(ViewMono(20000, ViewSine), 50, 100, 50);
    TVoldViewProps props;
    props.XResolution = unitIntegerPosMore(100, EHNone);
    props.YResolution = unitIntegerPosMore(10, EHNone);
    f.group->SetVoldViewProps(props);
    f.group->InvalidateViews();
    f.PaintNow();
    f.group->StartVolumeDiagram();
    ASSERT_NE(f.group->GetVolumeArraySingle(), nullptr);
    RunUntilPainted(*f.group, {f.group->GetVolumeArraySingle()});
    EXPECT_EQ(f.group->GetVolumeArraySingle()->ColumnsRefreshed, 100);
    // The sine rings somewhere: some cell is brighter than the background.
    const TPixelCanvas& canvas = f.Pane(2).GetCanvas();
    bool lit = false;
    for (int32_t y = 0; y < canvas.GetHeight(); ++y)
        lit = lit || canvas.GetColor(60, y) != props.BackgroundColor;
    EXPECT_TRUE(lit);
}

TEST(VolumeWriterView, ARestartStormLeavesOneWriterAndAWholeDiagram)
{
    ViewFixture f(ViewStereo(100000, ViewSine), 50, 100, 50);
    f.group->SetVoldViewProps(TVoldViewProps());
    for (int i = 0; i < 100; ++i) {
        f.group->StartVolumeDiagram();
        if (i % 10 == 0)
            QApplication::processEvents();
    }
    TVolumeArray* left = f.group->GetVolumeArrayLeft();
    TVolumeArray* right = f.group->GetVolumeArrayRight();
    RunUntilPainted(*f.group, {left, right});
    EXPECT_EQ(left->GetColumnsWritten(), 500);
    EXPECT_EQ(right->GetColumnsWritten(), 500);
    EXPECT_EQ(right->ColumnsRefreshed, 500);
}

TEST(VolumeWriterView, ClosingDuringARunReturnsPromptly)
{
    auto f = std::make_unique<ViewFixture>(ViewLongStereo(44100 * 600), 50, 100, 50);
    f->group->SetVoldViewProps(TVoldViewProps());
    f->group->StartVolumeDiagram();
    QApplication::processEvents();
    // Ten minutes of sound are far from done: closing must interrupt the writer
    // and join it (how fast is measured by the stop benchmark).
    EXPECT_FALSE(f->group->IsVolumeWriterFinished());
    f.reset();
    // Reports still queued for the closed view go nowhere.
    QApplication::processEvents();
}

} // namespace
