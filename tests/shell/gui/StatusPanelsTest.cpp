#include "foundation/gui/PanelStatusBar.h"
#include "shell/gui/MainForm.h"
#include "wave/StereoSound.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>
#include <QTest>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

namespace {

std::shared_ptr<Sound> QuietStereo()
{
    StopFlag stop = 0;
    return std::make_shared<StereoSound>(NewWave(&stop, 1000), NewWave(&stop, 1000), 44100, 2);
}

// The panels are fitted to the font when the main window is made, so the
// test sets the font first: pixel-sized, the same under any dpi setting.
struct OwnApplicationFont {
    OwnApplicationFont() : saved(QApplication::font())
    {
        QFont font = saved;
        font.setPixelSize(16);
        QApplication::setFont(font);
    }
    ~OwnApplicationFont() { QApplication::setFont(saved); }
    QFont saved;
};

struct StatusPanelsTest : ::testing::Test {
    StatusPanelsTest()
    {
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        form.CreateWaveFromSound(QuietStereo(), "Wave", "");
        form.UpdateActions();
    }

    // A tool button on the screen whose action's hint is wider than width.
    std::pair<QWidget*, QString> ButtonWithHintWiderThan(int width, const QFontMetrics& metrics) const
    {
        for (QToolBar* toolBar : form.findChildren<QToolBar*>())
            for (QAction* action : toolBar->actions()) {
                QWidget* button = toolBar->widgetForAction(action);
                if (button && button->isVisible() && metrics.horizontalAdvance(action->statusTip()) > width &&
                    button->screen()->geometry().contains(button->mapToGlobal(button->rect().center())))
                    return {button, action->statusTip()};
            }
        return {nullptr, QString()};
    }

    OwnApplicationFont font;
    TMainForm form;
};

// The bar's pixels, in the bar's own coordinates whatever the device pixel ratio.
QImage BarPixels(QWidget* widget)
{
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(widget->size());
}

} // namespace

// A status bar of fixed panels: each panel keeps its width from the left and
// what does not fit is cut at the bar's end, at any width of the main window.
TEST_F(StatusPanelsTest, PanelsNeverOverlapAndAHintStaysInItsPanel)
{
    TPanelStatusBar* bar = form.StatusBarWave();
    ASSERT_TRUE(bar->isVisible());
    QLabel* hintPanel = bar->Panel(0);
    const auto [button, hint] = ButtonWithHintWiderThan(hintPanel->contentsRect().width(), hintPanel->fontMetrics());
    ASSERT_NE(button, nullptr);

    for (int width : {700, 900, 1300}) {
        SCOPED_TRACE(width);
        form.resize(width, 600);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.statusBar()->width() == width; }));
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();

        int end = 0;
        for (int i = 0; i < bar->PanelCount(); ++i) {
            const QLabel* panel = bar->Panel(i);
            EXPECT_EQ(panel->width(), bar->PanelWidth(i)) << "panel " << i;
            EXPECT_GE(panel->x(), end) << "panel " << i << " starts inside panel " << i - 1;
            end = panel->geometry().right() + 1;
        }
        EXPECT_EQ(hintPanel->x(), 0);

        // The pointer rests where no control shows a hint or a position, then
        // hovers the button as a user does, until the panel holds the hint.
        QTest::mouseMove(hintPanel);
        bar->SetPanelText(0, QString());
        const QImage before = BarPixels(bar);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            QTest::mouseMove(button);
            return bar->PanelText(0) == hint;
        }));
        const QImage after = BarPixels(bar);
        ASSERT_EQ(after.size(), before.size());

        // Every pixel the hint changed is inside the hint panel's frame and
        // on no other panel.
        const QRect inside = hintPanel->contentsRect().translated(hintPanel->pos());
        int changed = 0, changedOutside = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x) {
                if (after.pixel(x, y) == before.pixel(x, y))
                    continue;
                ++changed;
                bool outside = !inside.contains(x, y);
                for (int i = 1; i < bar->PanelCount(); ++i)
                    outside = outside || bar->Panel(i)->geometry().contains(x, y);
                if (outside)
                    ++changedOutside;
            }
        EXPECT_GT(changed, 0);
        EXPECT_EQ(changedOutside, 0);
    }
}
