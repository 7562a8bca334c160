#include "foundation/gui/ColorBox.h"

#include "foundation/values/NamedColors.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

namespace {

// Once the colour dialog is up, does what the user would do in it.
void WhenColorDialogOpens(std::function<void(QColorDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

} // namespace

TEST(ColorBox, ListsTheNamedColoursAndSystemColoursOnlyWhenAsked)
{
    TColorBox plain, withSystem(nullptr, true);
    const int named = 1 + static_cast<int>(StandardColors().size() + ExtendedColors().size());
    EXPECT_EQ(plain.count(), named);
    EXPECT_EQ(withSystem.count(), named + static_cast<int>(SystemColors().size()));
    EXPECT_EQ(plain.itemText(0), TColorBox::CustomCaption());
    plain.SetSelected(0x808000);
    EXPECT_EQ(plain.currentText(), "Teal");
    withSystem.SetSelected(0xFF00000F);
    EXPECT_EQ(withSystem.currentText(), "Button Face");
}

TEST(ColorBox, EveryColourComesBackAsItWasSet)
{
    TColorBox box(nullptr, true);
    // Black is also the custom entry's colour at first: it still shows by name.
    for (uint32_t color : {0x000000u, 0xFFFFFFu, 0x123456u, 0xFF000005u, 0xFF000018u, 0xFF0000EEu}) {
        box.SetSelected(color);
        EXPECT_EQ(box.GetSelected(), color) << std::hex << color;
    }
    box.SetSelected(0x000000);
    EXPECT_EQ(box.currentText(), "Black");
    // Neither listed nor a system colour of the list: the custom entry takes it.
    box.SetSelected(0x123456);
    EXPECT_EQ(box.currentIndex(), 0);
}

TEST(ColorBox, TheCustomEntryTakesTheColourDialogsChoice)
{
    TColorBox box;
    box.SetSelected(0x0000FF);
    QSignalSpy selected(&box, &TColorBox::ColorSelected);

    WhenColorDialogOpens([](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog.accept();
    });
    box.setCurrentIndex(0);
    emit box.activated(0);
    EXPECT_EQ(box.GetSelected(), 0x563412u);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).value<uint32_t>(), 0x563412u);

    // Cancelled: the colour shown before stays, nothing is signalled.
    box.SetSelected(0x00FF00);
    WhenColorDialogOpens([](QColorDialog& dialog) { dialog.reject(); });
    box.setCurrentIndex(0);
    emit box.activated(0);
    EXPECT_EQ(box.GetSelected(), 0x00FF00u);
    EXPECT_EQ(box.currentText(), "Lime");
    EXPECT_EQ(selected.count(), 1);
}

TEST(ColorBox, ChoosingANamedColourIsSignalledSettingOneIsNot)
{
    TColorBox box;
    QSignalSpy selected(&box, &TColorBox::ColorSelected);
    box.SetSelected(0xFF0000);
    EXPECT_EQ(selected.count(), 0);
    const int red = box.findText("Red");
    box.setCurrentIndex(red);
    emit box.activated(red);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).value<uint32_t>(), 0x0000FFu);
}
