#include "foundation/commands/ActionCatalogue.h"
#include "shell/gui/MainForm.h"
#include "wave/MonoSound.h"
#include "wave/gui/MDIChildWave.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

std::shared_ptr<Sound> Silence()
{
    StopFlag stop = 0;
    return std::make_shared<MonoSound>(NewWave(&stop, 100), 44100, 2);
}

} // namespace

// Cascaded wave windows overlap step by step and stay large enough to work in.
TEST(CascadeWindows, OverlapsTheWindowsAndKeepsThemLarge)
{
    TMainForm form;
    form.resize(1000, 800);
    form.show();
    for (int i = 0; i < 4; ++i)
        form.CreateWaveFromSound(Silence(), "Wave", "");
    QMdiArea* area = form.MdiArea();
    area->subWindowList().first()->showMinimized();
    QApplication::processEvents();
    form.UpdateActions();
    form.Execute(ActionId::WindowCascade);

    const QRect client = area->viewport()->rect();
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::StackingOrder))
        if (!window->isMinimized())
            shown.append(window);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(area->subWindowList().first()->isMinimized());
    for (int i = 0; i < shown.size(); ++i) {
        const QRect frame = shown[i]->geometry();
        EXPECT_GE(frame.width(), client.width() / 2) << i;
        EXPECT_GE(frame.height(), client.height() / 2) << i;
        EXPECT_TRUE(client.contains(frame)) << i;
        if (i > 0) {
            EXPECT_GT(frame.left(), shown[i - 1]->geometry().left()) << i;
            EXPECT_GT(frame.top(), shown[i - 1]->geometry().top()) << i;
        }
    }
    EXPECT_EQ(area->activeSubWindow(), shown.last());
}
