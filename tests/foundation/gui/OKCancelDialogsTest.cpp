#include "foundation/gui/OKCancelDialogs.h"

#include "support/RecordingHelpService.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace {

// Runs the dialog modally and sends one key once it is up.
int ExecWithKey(QDialog& dialog, Qt::Key key)
{
    QMetaObject::invokeMethod(&dialog, [&dialog, key] { QTest::keyClick(&dialog, key); }, Qt::QueuedConnection);
    return dialog.exec();
}

std::vector<std::unique_ptr<TOKDialog>> AllFour()
{
    std::vector<std::unique_ptr<TOKDialog>> result;
    result.push_back(std::make_unique<TOKRightDlg>(nullptr));
    result.push_back(std::make_unique<TOKHelpRightDlg>(nullptr));
    result.push_back(std::make_unique<TOKBottomDlg>(nullptr));
    result.push_back(std::make_unique<TOKHelpBottomDlg>(nullptr));
    return result;
}

} // namespace

TEST(OKCancelDialogs, EscapeCancelsAndReturnAcceptsInEveryTemplate)
{
    for (auto& dialog : AllFour()) {
        EXPECT_EQ(ExecWithKey(*dialog, Qt::Key_Escape), QDialog::Rejected);
        EXPECT_EQ(ExecWithKey(*dialog, Qt::Key_Return), QDialog::Accepted);
    }
}

TEST(OKCancelDialogs, ButtonsFrameAndFlagsOfEachTemplate)
{
    auto dialogs = AllFour();
    const bool hasHelp[] = {false, true, false, true};
    for (size_t i = 0; i < dialogs.size(); ++i) {
        TOKDialog& dialog = *dialogs[i];
        EXPECT_EQ(dialog.windowTitle(), "Dialog");
        EXPECT_EQ(dialog.OKButton()->text(), "OK");
        EXPECT_TRUE(dialog.OKButton()->isDefault());
        EXPECT_EQ(dialog.CancelButton()->text(), "Cancel");
        EXPECT_EQ(dialog.HelpButton() != nullptr, hasHelp[i]);
        if (dialog.HelpButton()) {
            EXPECT_EQ(dialog.HelpButton()->text(), "&Help");
        }
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
        dialog.adjustSize();
        EXPECT_GE(dialog.Bevel()->width(), i < 2 ? 281 : 297);
        EXPECT_GE(dialog.Bevel()->height(), 161);
        EXPECT_GE(dialog.OKButton()->width(), 75);
    }
}

TEST(OKCancelDialogs, HelpShowsTheContextAndLeavesTheDialogOpen)
{
    RecordingHelpService help;
    TOKHelpBottomDlg dialog(nullptr);
    dialog.SetHelpContext(42);
    dialog.show();
    QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton);
    EXPECT_EQ(help.contexts, std::vector<int>{42});
    EXPECT_TRUE(dialog.isVisible());
}

TEST(OKCancelDialogs, ADerivedCheckCanRefuseToClose)
{
    class Checked : public TOKRightDlg {
    public:
        Checked() : TOKRightDlg(nullptr)
        {
            edit = new QLineEdit(Bevel());
            (new QVBoxLayout(Bevel()))->addWidget(edit);
        }
        void accept() override
        {
            if (!edit->text().isEmpty())
                TOKRightDlg::accept();
        }
        QLineEdit* edit;
    } dialog;
    dialog.show();
    QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    dialog.edit->setText("1");
    QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
