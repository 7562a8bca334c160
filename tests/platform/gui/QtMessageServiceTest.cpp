#include "platform/qt/QtMessageService.h"
#include "support/gui/ModalDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTimer>

namespace {

// The text of a box as its label holds and lays it out.
struct ShownBox {
    QString text;
    QFont font;
    int lineWidth = 0;
    int boxWidth = 0;
};

// Shows the text as Show puts it up and closes the box at once.
ShownBox Show(const std::string& text)
{
    ShownBox shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (const auto* label = box->findChild<QLabel*>("qt_msgbox_label"))
                shown = {label->text(), label->font(), label->contentsRect().width(), box->frameGeometry().width()};
            poll.stop();
            box->done(QMessageBox::Cancel);
        }
    });
    poll.start(0);
    QtMessageService().Show(text, "Quarbel", MsgIcon::Question, MsgButtons::YesNoCancel);
    return shown;
}

// Every line as the label wraps the text is as wide as the label at most: nothing is cut off.
void ExpectNothingCut(const ShownBox& shown)
{
    QTextLayout layout(shown.text, shown.font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(shown.lineWidth);
        EXPECT_LE(line.naturalTextWidth(), shown.lineWidth + 1)
            << shown.text.mid(line.textStart(), line.textLength()).toStdString();
    }
    layout.endLayout();
}

} // namespace

TEST(QtMessageService, ABoxIsADialogWithTitleAndCloseBoxOnly)
{
    QtMessageService boxes;
    Qt::WindowFlags flags = FlagsOfModalDialog(
        [&] { boxes.Show("Cannot read the file.", "File Error", MsgIcon::Information, MsgButtons::Ok); });
    EXPECT_TRUE(HasDialogWindowFlags(flags)) << flags.toInt();
}

TEST(QtMessageService, ALineBreaksOnlyAtABlankNeverInsideAFileName)
{
    const std::string texts[] = {
        "Do you want to save the Wave with name \"Wave 1\" to current file "
        "\"/tmp/a_rather/deep/folder/with/several-levels/to/the/wave-file-name.wav\"?",
        "Cannot open C:\\Sounds\\Takes (old)\\take-2.wav: the file is in use! Close the program that uses it.",
    };
    for (const std::string& text : texts) {
        const ShownBox shown = Show(text);
        ASSERT_FALSE(shown.text.isEmpty()) << text;
        // Shown as written: what keeps a word whole takes no room.
        QString visible = shown.text;
        visible.remove(QChar(0x2060));
        EXPECT_EQ(visible.toStdString(), text);
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, shown.text);
        for (qsizetype at = breaks.toNextBoundary(); at > 0 && at < shown.text.size(); at = breaks.toNextBoundary())
            EXPECT_TRUE(shown.text[at - 1].isSpace()) << "breaks before \"" << shown.text.mid(at, 12).toStdString();
        ExpectNothingCut(shown);
    }
}

TEST(QtMessageService, ANameWiderThanTheScreenIsBrokenRatherThanCutOff)
{
    std::string path = "/tmp";
    for (int i = 0; i < 8; ++i)
        path += "/an_extremely_long_folder_name_number_" + std::to_string(i);
    const ShownBox shown = Show("Do you want to save the Wave with name \"Wave 1\" to current file \"" + path + "/w.wav\"?");
    ASSERT_FALSE(shown.text.isEmpty());
    ExpectNothingCut(shown);
    EXPECT_LE(shown.boxWidth, QApplication::primaryScreen()->availableGeometry().width());
}
