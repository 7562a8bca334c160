#include "platform/qt/HelpWindow.h"

#include <gtest/gtest.h>

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
