#include "platform/qt/HelpWindow.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTimer>
#include <QWindow>

TEST(HelpWindow, ShowsContentsAndContextPages)
{
    HelpWindow help;
    help.AddPage(12, "Period Echo", "<p>Echoes at a period.</p>");
    help.ShowContext(12);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentTitle(), "Period Echo");
    help.ShowContext(999);
    EXPECT_EQ(help.CurrentTitle(), "Contents");
    help.HelpOnHelp();
    EXPECT_EQ(help.CurrentTitle(), "Using Help");
}

// Help asked from a modal dialog was shown behind the main window and could not
// be scrolled or clicked until the dialog closed: it belongs to the dialog now.
TEST(HelpWindow, HelpAskedFromAModalDialogBelongsToIt)
{
    HelpWindow help;
    help.AddPage(12, "Period Echo", "<p>Echoes at a period.</p>");
    QWindow* owner = nullptr;
    QWindow* dialogWindow = nullptr;
    bool shown = false;
    {
        QDialog dialog;
        QTimer::singleShot(0, &dialog, [&] {
            help.ShowContext(12);
            owner = help.windowHandle() ? help.windowHandle()->transientParent() : nullptr;
            dialogWindow = dialog.windowHandle();
            shown = help.isVisible();
            dialog.reject();
        });
        dialog.exec();
    }
    EXPECT_TRUE(shown);
    ASSERT_NE(dialogWindow, nullptr);
    EXPECT_EQ(owner, dialogWindow);
    // The dialog gone, the help window stays and answers the next question on its own.
    EXPECT_TRUE(help.isVisible());
    help.ShowContents();
    EXPECT_EQ(help.windowHandle()->transientParent(), nullptr);
    EXPECT_EQ(help.CurrentTitle(), "Contents");
}
