// A factory window reaches the main window through its access only: here it
// stands alone against a recorder, with no main window built.
#include "support/gui/RecordingMainFormGui.h"

#include "factory/document/FactoryStatusTexts.h"
#include "factory/document/UnitSountory.h"
#include "factory/gui/MDIChildFact.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

namespace {

struct FactoryWindowAccessTest : ::testing::Test {
    FactoryWindowAccessTest()
    {
        auto unit = std::make_unique<TUnitSountory>("Factory 1", "");
        factory = unit.get();
        window = new TMDIChildFact(main, std::move(unit));
    }
    ~FactoryWindowAccessTest() override { delete window.data(); }

    // Closes the window with a changed factory, answering Yes to the save question.
    bool CloseChangedWithSave()
    {
        factory->SetModified();
        messages.Answer(MsgAnswer::Yes);
        const bool closed = window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closed;
    }

    RecordingMessageService messages;
    RecordingMainFormGui main;
    TUnitSountory* factory = nullptr;
    QPointer<TMDIChildFact> window;
};

} // namespace

TEST_F(FactoryWindowAccessTest, TheStatusGoesToTheFactoryStatusBarOfTheAccess)
{
    window->ShowStatus();
    const TFactoryStatusTexts texts = FactoryStatusTexts(*factory);
    EXPECT_EQ(main.StatusBarFact()->PanelText(1).toStdString(), texts.Panel1);
    EXPECT_EQ(main.StatusBarFact()->PanelText(2).toStdString(), texts.Panel2);
    EXPECT_TRUE(main.StatusBarWave()->PanelText(1).isEmpty());
}

TEST_F(FactoryWindowAccessTest, YesToTheSaveQuestionSavesThroughTheAccessAndTheLastWindowLeavesNoneActive)
{
    EXPECT_TRUE(CloseChangedWithSave());
    EXPECT_EQ(main.saved, std::vector<TFileUnit*>{factory});
    EXPECT_EQ(main.calls, (std::vector<std::string>{"SaveUnit", "NoWindowActivated", "SetClosingWindow",
                                                    "RequestUpdate"}));
    EXPECT_TRUE(window.isNull());
}

TEST_F(FactoryWindowAccessTest, AFailedSaveKeepsTheWindowOpenAndTellsNothingElse)
{
    main.saveSucceeds = false;
    EXPECT_FALSE(CloseChangedWithSave());
    EXPECT_EQ(main.calls, std::vector<std::string>{"SaveUnit"});
    EXPECT_FALSE(window.isNull());
}
