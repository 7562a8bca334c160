#include "foundation/gui/EditHelpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

TEST(EditHelpers, DisableKeepsTextUnlessAskedToClear)
{
    QLineEdit edit;
    edit.setText("440 Hz");
    DisableEdit(&edit, false);
    EXPECT_FALSE(edit.isEnabled());
    EXPECT_EQ(edit.palette().color(QPalette::Disabled, QPalette::Base), QApplication::palette().color(QPalette::Button));
    EnableEdit(&edit);
    EXPECT_TRUE(edit.isEnabled());
    EXPECT_EQ(edit.text(), "440 Hz");
    EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Base), QApplication::palette().color(QPalette::Base));
    DisableEdit(&edit, true);
    EXPECT_EQ(edit.text(), "");
}

TEST(EditHelpers, BevelRectIsLightTopLeftAndDarkBottomRight)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        DrawBevelRect(painter, QRect(0, 0, 10, 10), 0x0000C8); // red 200
    }
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(150, 0, 0)); // 0.75 c
    EXPECT_EQ(QColor(image.pixel(0, 5)), QColor(200, 0, 0)); // left edge in c
    EXPECT_EQ(QColor(image.pixel(5, 0)), QColor(200, 0, 0)); // top edge in c
    EXPECT_EQ(QColor(image.pixel(9, 5)), QColor(100, 0, 0)); // right edge in 0.5 c
    EXPECT_EQ(QColor(image.pixel(5, 9)), QColor(100, 0, 0)); // bottom edge in 0.5 c
}
