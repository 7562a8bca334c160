#include "platform/qt/QtMessageService.h"
#include "support/gui/ModalDialog.h"

#include <gtest/gtest.h>

TEST(QtMessageService, ABoxIsADialogWithTitleAndCloseBoxOnly)
{
    QtMessageService boxes;
    Qt::WindowFlags flags = FlagsOfModalDialog(
        [&] { boxes.Show("Cannot read the file.", "File Error", MsgIcon::Information, MsgButtons::Ok); });
    EXPECT_TRUE(HasDialogWindowFlags(flags)) << flags.toInt();
}
