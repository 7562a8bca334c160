#include "foundation/commands/ActionCatalogue.h"
#include "shell/gui/CascadeWindows.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormMusic.h"
#include "wave/MonoSound.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <optional>

namespace {

std::shared_ptr<Sound> ShortMono()
{
    StopFlag stop = 0;
    return std::make_shared<MonoSound>(NewWave(&stop, 100), 44100, 2);
}

} // namespace

// Wave and music windows, one after the other, open where the whole window is
// seen: each kind brings its own tool bars, which change the area, and none
// of the new windows lies under a scroll bar or past the area's edge. They
// cascade from the top left, also after Window > Cascade, and keep three
// quarters of the area where it has room.
TEST(NewWindowPlace, NewWindowsOpenInsideTheVisibleArea)
{
    for (const QSize mainSize : {QSize(900, 700), QSize(560, 420)}) {
        SCOPED_TRACE(std::to_string(mainSize.width()) + " x " + std::to_string(mainSize.height()));
        TMainForm form;
        form.resize(mainSize);
        form.show();
        QApplication::processEvents();
        QMdiArea* area = form.MdiArea();
        std::optional<QPoint> previous;
        for (int i = 0; i < 9; ++i) {
            SCOPED_TRACE(i);
            if (i == 5) {
                form.UpdateActions();
                form.Execute(ActionId::WindowCascade);
                previous.reset();
            }
            if (i % 2)
                form.Music().NewMusic();
            else
                form.CreateWaveFromSound(ShortMono(), "Wave", "");
            QApplication::processEvents();

            QMdiSubWindow* window = area->subWindowList(QMdiArea::CreationOrder).last();
            ASSERT_EQ(area->activeSubWindow(), window);
            const QRect visible = area->viewport()->rect();
            const QRect frame = window->geometry();
            EXPECT_TRUE(visible.contains(frame)) << "window " << frame.x() << "," << frame.y() << " " << frame.width()
                                                 << "x" << frame.height() << " in " << visible.width() << "x"
                                                 << visible.height();
            EXPECT_GE(frame.width(), visible.width() * 3 / 4);
            EXPECT_GE(frame.height(), visible.height() * 3 / 4);
            // On the diagonal, one step on from the window before or back at
            // the top left.
            EXPECT_EQ(frame.x(), frame.y());
            if (previous && frame.topLeft() != QPoint(0, 0)) {
                EXPECT_GT(frame.x(), previous->x());
            }
            previous = frame.topLeft();
        }
    }
}

// Where the area is too small for the cascade or for the window itself.
TEST(NewWindowPlace, AWindowTheAreaCannotHoldIsCutToItFromTheTopLeft)
{
    struct Case {
        const char* what;
        QSize size, minimum;
        int index;
        QRect expected;
    };
    const QRect visible(0, 0, 400, 300);
    const Case cases[] = {
        {"fits: one step per window", {300, 200}, {100, 100}, 2, {40, 40, 300, 200}},
        {"six steps fit: the seventh window again at the top left", {300, 200}, {100, 100}, 6, {0, 0, 300, 200}},
        {"wider than the area: cut to it", {500, 200}, {100, 100}, 3, {0, 0, 400, 200}},
        {"taller than the area: cut to it", {300, 450}, {100, 100}, 1, {0, 0, 300, 300}},
        {"cut no smaller than its minimum", {500, 450}, {420, 100}, 1, {0, 0, 420, 300}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NewWindowPlace(visible, c.size, c.minimum, 20, c.index), c.expected) << c.what;
}
