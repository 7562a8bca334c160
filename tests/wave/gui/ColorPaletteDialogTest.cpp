#include "support/TempFolder.h"

#include "foundation/gui/ColorBox.h"
#include "foundation/gui/ValueLineEdit.h"
#include "foundation/values/NumericHelpers.h"
#include "platform/RecordingMessageService.h"
#include "wave/gui/DlgColorPalette1D.h"
#include "wave/view/ColorPalette1DFile.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFocusEvent>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <vector>

namespace {

struct PaletteDialogTest : ::testing::Test {
    RecordingMessageService messages;
    TColorPalette1DItem given{0x000000, 0xFFFFFF};
    TDlgColorPalette1D dialog{nullptr, given};

    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Types a position and leaves the field, as the user would.
    void TypePosition(const char* text)
    {
        dialog.editPosition->selectAll();
        QTest::keyClicks(dialog.editPosition, text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(dialog.editPosition, &out);
    }

    std::vector<double> Positions() const
    {
        std::vector<double> result;
        TColorPalette1DItem palette = dialog.GetPalette();
        for (const TColorPalette1DItem* item = &palette; item; item = item->GetNext())
            result.push_back(item->GetDPosition());
        return result;
    }

    double Current() const { return dialog.GetCurrentItem()->GetDPosition(); }
};

} // namespace

TEST_F(PaletteDialogTest, AddKeepsTheRampAtTheMiddleOfTheCurrentStretch)
{
    EXPECT_EQ(dialog.windowTitle(), "Color Palette");
    Click(dialog.btnAdd);
    EXPECT_DOUBLE_EQ(Current(), 0.5);
    EXPECT_EQ(dialog.editPosition->text(), "50 %");
    EXPECT_EQ(dialog.GetCurrentItem()->GetColorBefore(), 0x7F7F7Fu);
    EXPECT_EQ(dialog.cbColorBefore->GetSelected(), 0x7F7F7Fu);

    // From the end item the new one goes before it.
    Click(dialog.btnLast);
    Click(dialog.btnAdd);
    EXPECT_DOUBLE_EQ(Current(), 0.75);
    EXPECT_EQ(dialog.editPosition->text(), "75 %");
    EXPECT_EQ(dialog.GetCurrentItem()->GetColorBefore(), 0xBFBFBFu);
    EXPECT_EQ(Positions(), (std::vector<double>{0, 0.5, 0.75, 1}));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(PaletteDialogTest, TheEndsCannotBeMovedDeletedOrStep)
{
    struct Expect {
        bool first, next, deletable, position, colorAfter;
    };
    auto check = [&](const Expect& e, const char* where) {
        EXPECT_EQ(dialog.btnFirst->isEnabled(), e.first) << where;
        EXPECT_EQ(dialog.btnPrior->isEnabled(), e.first) << where;
        EXPECT_EQ(dialog.btnColorPrevious->isEnabled(), e.first) << where;
        EXPECT_EQ(dialog.btnNextItem->isEnabled(), e.next) << where;
        EXPECT_EQ(dialog.btnLast->isEnabled(), e.next) << where;
        EXPECT_EQ(dialog.btnColorNext->isEnabled(), e.next) << where;
        EXPECT_EQ(dialog.btnDelete->isEnabled(), e.deletable) << where;
        EXPECT_EQ(dialog.editPosition->isEnabled(), e.position) << where;
        EXPECT_EQ(dialog.chkColorAfter->isEnabled(), e.colorAfter) << where;
        EXPECT_TRUE(dialog.btnAdd->isEnabled()) << where;
    };
    check({false, true, false, false, false}, "head");
    Click(dialog.btnAdd);
    check({true, true, true, true, true}, "inner");
    Click(dialog.btnDelete);
    check({false, true, false, false, false}, "head after delete");
    EXPECT_EQ(Positions(), (std::vector<double>{0, 1}));
    Click(dialog.btnLast);
    check({true, false, false, false, false}, "end");
}

TEST_F(PaletteDialogTest, ATypedPositionIsCheckedWhenTheFieldIsLeft)
{
    Click(dialog.btnAdd); // 50 %
    Click(dialog.btnLast);
    Click(dialog.btnAdd); // 75 %
    Click(dialog.btnPrior);
    ASSERT_DOUBLE_EQ(Current(), 0.5);

    // Another item's position: refused, the old one shown again.
    TypePosition("75 %");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "This Position already exists in the pallette.");
    EXPECT_EQ(messages.Last().caption, "Input Error");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
    EXPECT_EQ(dialog.editPosition->text(), "50 %");

    // The ends are no inner positions.
    for (const char* end : {"0", "1", "-0.2", "later"}) {
        messages.Clear();
        TypePosition(end);
        ASSERT_EQ(messages.Count(), 1u) << end;
        EXPECT_EQ(messages.Last().text.rfind("In Position: ", 0), 0u) << messages.Last().text;
        EXPECT_EQ(dialog.editPosition->text(), "50 %") << end;
    }
    EXPECT_EQ(Positions(), (std::vector<double>{0, 0.5, 0.75, 1}));

    // Past its right-hand neighbour: the items are in order again and the
    // buttons step in the new order.
    messages.Clear();
    TypePosition("0.9");
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(Positions(), (std::vector<double>{0, 0.75, 0.9, 1}));
    EXPECT_DOUBLE_EQ(Current(), 0.9);
    Click(dialog.btnPrior);
    EXPECT_DOUBLE_EQ(Current(), 0.75);
    Click(dialog.btnNextItem);
    Click(dialog.btnNextItem);
    EXPECT_DOUBLE_EQ(Current(), 1);
}

TEST_F(PaletteDialogTest, OKTakesAPositionStillBeingTyped)
{
    Click(dialog.btnAdd);
    dialog.editPosition->selectAll();
    QTest::keyClicks(dialog.editPosition, "0.25");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Positions(), (std::vector<double>{0, 0.25, 1}));
}

TEST_F(PaletteDialogTest, NeighbourColoursAreCopiedIntoTheStretchThatTouchesThem)
{
    Click(dialog.btnAdd); // 50 %, mid-grey
    // "< Previous": the stretch ending here gets the start colour of the head.
    Click(dialog.btnColorPrevious);
    EXPECT_EQ(dialog.GetCurrentItem()->GetColorBefore(), 0x000000u);

    // "< Next" with "Color After": the colour after, not the one before.
    Click(dialog.chkColorAfter);
    EXPECT_TRUE(dialog.cbColorAfter->isEnabled());
    Click(dialog.btnColorNext);
    EXPECT_EQ(dialog.GetCurrentItem()->GetColorBefore(), 0x000000u);
    EXPECT_EQ(dialog.GetCurrentItem()->GetColorAfter(), 0xFFFFFFu);
    EXPECT_EQ(dialog.cbColorAfter->GetSelected(), 0xFFFFFFu);

    // Without it, the colour before.
    Click(dialog.chkColorAfter);
    EXPECT_FALSE(dialog.cbColorAfter->isEnabled());
    EXPECT_EQ(dialog.cbColorAfter->GetSelected(), 0x000000u);
    Click(dialog.btnColorNext);
    EXPECT_EQ(dialog.GetCurrentItem()->GetColorBefore(), 0xFFFFFFu);
    EXPECT_EQ(dialog.cbColorBefore->GetSelected(), 0xFFFFFFu);

    // Whatever happened in the dialog, the palette it was given is untouched.
    EXPECT_EQ(given, TColorPalette1DItem(0x000000, 0xFFFFFF));
}

TEST_F(PaletteDialogTest, ChosenColoursGoToTheCurrentItem)
{
    Click(dialog.btnAdd);
    const int red = dialog.cbColorBefore->findText("Red");
    dialog.cbColorBefore->setCurrentIndex(red);
    emit dialog.cbColorBefore->activated(red);
    EXPECT_EQ(dialog.GetCurrentItem()->GetColorBefore(), 0x0000FFu);
    Click(dialog.chkColorAfter);
    const int blue = dialog.cbColorAfter->findText("Blue");
    dialog.cbColorAfter->setCurrentIndex(blue);
    emit dialog.cbColorAfter->activated(blue);
    EXPECT_EQ(dialog.GetCurrentItem()->GetStartColor(), 0xFF0000u);
    EXPECT_EQ(dialog.GetPalette().GetColor(0.5), 0x0000FFu);
}

TEST_F(PaletteDialogTest, OpenStartsAtTheHeadAndSaveWritesWhatOpenReads)
{
    TempFolder folder;
    const std::string file = folder.File("steps.cp1");
    WriteWholeFile(file, ReadWholeFile(std::string(QB_SOURCE_DIR) + "/fuzz/corpus/fuzz_palette_file/steps.cp1"));
    Click(dialog.btnAdd);
    Click(dialog.btnAdd);
    ASSERT_DOUBLE_EQ(Current(), 0.75);

    dialog.OpenFile(file);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(Positions(), (std::vector<double>{0, 0.25, 0.75, 1}));
    EXPECT_DOUBLE_EQ(Current(), 0);
    EXPECT_FALSE(dialog.btnDelete->isEnabled());

    const std::string copy = folder.File("copy.cp1");
    dialog.SaveFile(copy);
    TDlgColorPalette1D other(nullptr, TColorPalette1DItem(0x123456, 0x654321));
    other.OpenFile(copy);
    EXPECT_EQ(other.GetPalette(), dialog.GetPalette());
}

TEST_F(PaletteDialogTest, AFileThatDoesNotReadSaysSoAndLeavesAWellFormedPalette)
{
    TempFolder folder;
    const std::string file = folder.File("bad.cp1");
    WriteWholeFile(file, "not a palette");
    Click(dialog.btnAdd);
    dialog.OpenFile(file);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("Cannot read file: \"" + file + "\": ", 0), 0u) << messages.Last().text;
    EXPECT_EQ(messages.Last().caption, "File Error");
    EXPECT_TRUE(dialog.GetPalette().IsWellFormed());
    EXPECT_DOUBLE_EQ(Current(), 0);
}

TEST_F(PaletteDialogTest, TheRampHasAFrameInTheColourAtZero)
{
    Click(dialog.btnAdd);
    Click(dialog.chkColorAfter); // a step at 50 %: black to the left, white from it on
    Click(dialog.btnColorNext);
    dialog.resize(400, 300);
    dialog.show();
    QApplication::processEvents();
    const QImage image = dialog.Ramp->grab().toImage();
    const int w = image.width(), h = image.height();
    ASSERT_GT(w, 10);
    ASSERT_GT(h, 4);
    const TColorPalette1DItem palette = dialog.GetPalette();
    auto colorAt = [&](int x, int y) {
        const QRgb pixel = image.pixel(x, y);
        return static_cast<uint32_t>(qRed(pixel) | (qGreen(pixel) << 8) | (qBlue(pixel) << 16));
    };
    for (int x : {0, w - 1})
        EXPECT_EQ(colorAt(x, h / 2), palette.GetColor(0)) << x;
    for (int y : {0, h - 1})
        EXPECT_EQ(colorAt(w - 2, y), palette.GetColor(0)) << y;
    for (int x : {1, w / 4, w / 2 + 2, w - 2})
        EXPECT_EQ(colorAt(x, h / 2), palette.GetColor(LinearMap(x, 1, w - 1, 0, 1))) << x;
    EXPECT_EQ(colorAt(w - 2, h / 2), 0xFFFFFFu);
}
