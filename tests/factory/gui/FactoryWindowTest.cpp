#include "factory/document/UnitSountory.h"
#include "factory/gui/FactoryView.h"
#include "factory/gui/MDIChildFact.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "foundation/gui/ExecDialog.h"
#include "platform/RecordingMessageService.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFactories.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

using K = ValueDomType;
using D = ValueDomain;

// A main window with one new free factory holding two built-in nodes: Plus
// (front) and Not (behind it, to the right).
struct FactoryWindowTest : ::testing::Test {
    FactoryWindowTest()
    {
        form.show();
        QApplication::setActiveWindow(&form);
        factory = NewUnitSountory(form, 4, nullptr);
        window = ActiveFactWindow(form);
        window->resize(700, 500);
        not_ = &factory->InsertNode(
            std::make_unique<TSountoryNodeBuiltin>("Not", 44, *factory, TCanvasRect{250, 40, 400, 110}, true));
        plus = &factory->InsertNode(
            std::make_unique<TSountoryNodeBuiltin>("Plus", 40, *factory, TCanvasRect{40, 40, 200, 140}, true));
        factory->SetFileName("/nowhere/f.qbf");
        factory->ClearModified();
        window->Invalidate();
        QApplication::processEvents();
    }
    ~FactoryWindowTest() override { SetDialogScript(nullptr); }

    QWidget* Viewport() const { return window->View()->viewport(); }

    void Send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, QPointF(p), QPointF(Viewport()->mapToGlobal(p)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(Viewport(), &event);
    }
    void Press(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        Send(QEvent::MouseButtonPress, p, button, button);
    }
    void MoveHeld(QPoint p) { Send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
    void Hover(QPoint p) { Send(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
    void Release(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        Send(QEvent::MouseButtonRelease, p, button, Qt::NoButton);
    }
    QPoint PinPoint(const TSountoryNodeInputOutput& pin, bool left) const
    {
        const TCanvasRect r = pin.GetSountoryNode()->GetWindowRect();
        return {left ? r.Left : r.Right, pin.GetPinY(r)};
    }
    QPoint Inside(const TSountoryNode& node) const
    {
        const TCanvasRect r = node.GetWindowRect();
        return {(r.Left + r.Right) / 2, r.Top + 12};
    }
    QAction* MenuItem(const char* name) const
    {
        return window->View()->ContextMenu()->findChild<QAction*>(name);
    }

    RecordingMessageService messages;
    TMainForm form;
    TUnitSountory* factory = nullptr;
    TMDIChildFact* window = nullptr;
    TSountoryNodeBuiltin* plus = nullptr;
    TSountoryNodeBuiltin* not_ = nullptr;
};

} // namespace

TEST_F(FactoryWindowTest, TheFrameIsAnchoredBelowTheDescriptionAndFollowsTheScrollBars)
{
    EXPECT_EQ(factory->GetFrameRect().Left, 23);
    EXPECT_EQ(factory->GetFrameRect().Top, 3);
    EXPECT_FALSE(window->View()->DescriptionMemo()->isVisible());
    factory->Description = "First line\nSecond line";
    window->Invalidate();
    const int height = window->View()->DescriptionHeight();
    EXPECT_GT(height, 6);
    EXPECT_TRUE(window->View()->DescriptionMemo()->isVisible());
    EXPECT_EQ(factory->GetFrameRect().Top, height + 9);
    EXPECT_EQ(window->GetMinFrameTop(), height + 9);

    // A wide frame scrolls: at position 40 its left edge is at -17.
    factory->SetFrameRect(23, height + 9, 1523, 600);
    window->Invalidate();
    QScrollBar* h = window->View()->horizontalScrollBar();
    EXPECT_EQ(h->maximum(), 1500 + 46 - window->View()->viewport()->width());
    h->setValue(40);
    EXPECT_EQ(factory->GetFrameRect().Left, -17);
    EXPECT_EQ(factory->GetFrameRect().Width(), 1500);
}

TEST_F(FactoryWindowTest, ThePaintingShowsFrameNodesAndPictures)
{
    QImage image(Viewport()->size(), QImage::Format_RGB32);
    Viewport()->render(&image);
    // The frame's fill (three quarters of white) and a node's (of 0xF0E0C0).
    EXPECT_EQ(image.pixel(300, 200), qRgb(0xBF, 0xBF, 0xBF));
    const TCanvasRect r = plus->GetWindowRect();
    EXPECT_EQ(image.pixel(r.Left + 30, r.Bottom - 3), qRgb(0x90, 0xA8, 0xB4));
}

TEST_F(FactoryWindowTest, DragModeMovesNodesAndConnectModeDrawsConnections)
{
    // Dragging Plus by 20 pixels to the right.
    const QPoint start = Inside(*plus);
    Press(start);
    MoveHeld(start + QPoint(10, 0));
    MoveHeld(start + QPoint(20, 0));
    Release(start + QPoint(20, 0));
    EXPECT_EQ(plus->GetRectangle().Left, 60);
    EXPECT_TRUE(factory->IsModified());

    // In connect mode a pin starts a connection, a node is still dragged.
    factory->View.Mode = ModeConnect;
    TSountoryNodeOutput* expression = plus->FindNodeOutput("Expression", nullptr);
    TSountoryNodeInput* operand = not_->FindNodeInput("Operand", nullptr);
    ASSERT_NE(expression, nullptr);
    ASSERT_NE(operand, nullptr);
    const QPoint from = PinPoint(*expression, false);
    const QPoint to = PinPoint(*operand, true);
    Press(from);
    EXPECT_TRUE(window->View()->Model().IsConnecting());
    MoveHeld(to);
    MoveHeld(to);
    Release(to);
    EXPECT_FALSE(window->View()->Model().IsConnecting());
    EXPECT_EQ(operand->GetSountoryInputSource(), expression);

    Press(Inside(*not_));
    EXPECT_TRUE(window->View()->Model().IsDragging());
    Release(Inside(*not_));
}

TEST_F(FactoryWindowTest, AnOutputDraggedToItsOwnNodesInputShowsStateFiveAndConnectsNothing)
{
    factory->View.Mode = ModeConnect;
    TSountoryNodeOutput* expression = plus->FindNodeOutput("Expression", nullptr);
    TSountoryNodeInput* operand = plus->FindNodeInput("Operand 1", nullptr);
    const QPoint to = PinPoint(*operand, true);
    Press(PinPoint(*expression, false));
    MoveHeld(to);
    MoveHeld(to);
    EXPECT_EQ(operand->TouchState, 5);
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::DragMoveCursor);
    Release(to);
    EXPECT_EQ(operand->GetSountoryInputSource(), nullptr);
    EXPECT_FALSE(factory->IsModified());
}

TEST_F(FactoryWindowTest, ANeverMatchingTargetAsksMakeConnection)
{
    factory->View.Mode = ModeConnect;
    TSountoryInput& time = factory->CreateInput("Time", 0.8, 0, K::Time, D::AllValues);
    // Not's operand takes a Boolean: a time never is one.
    TSountoryNodeInput* operand = not_->FindNodeInput("Operand", nullptr);
    const TCanvasRect frame = factory->GetFrameRect();
    const QPoint timePin(frame.Left, time.GetPinY(frame));
    const QPoint to = PinPoint(*operand, true);
    messages.Answer(MsgAnswer::Cancel);
    Press(timePin);
    MoveHeld(to);
    MoveHeld(to);
    EXPECT_EQ(operand->TouchState, 4);
    Release(to);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Make Connection");
    EXPECT_EQ(messages.Last().text, "Values out from the Source of this connection will never match the Target.");
    EXPECT_EQ(operand->GetSountoryInputSource(), nullptr);
}

TEST_F(FactoryWindowTest, AClickOnABackNodeBringsItToTheFront)
{
    ASSERT_EQ(factory->Nodes().front().get(), plus);
    Press(Inside(*not_));
    Release(Inside(*not_));
    EXPECT_EQ(factory->Nodes().front().get(), not_);
    EXPECT_TRUE(factory->IsModified());
}

TEST_F(FactoryWindowTest, HoveringAPinShowsItsHintUntilHintsAreSwitchedOff)
{
    TSountoryNodeInput* operand = plus->FindNodeInput("Operand 1", nullptr);
    Hover(PinPoint(*operand, true));
    EXPECT_EQ(operand->TouchState, 1);
    EXPECT_TRUE(window->View()->HintPopup()->isVisible());
    EXPECT_EQ(window->View()->HintPopup()->text().toStdString(), operand->GetHintText());
    form.Execute(ActionId::SntShowHints);
    EXPECT_FALSE(window->View()->HintPopup()->isVisible());
    EXPECT_EQ(factory->View.ShowHints, 0);
    EXPECT_TRUE(factory->IsModified());
}

TEST_F(FactoryWindowTest, TheContextMenuFollowsTheItemAndRunsItsCommands)
{
    // Outside the frame: only separators.
    Press({650, 450}, Qt::RightButton);
    QMenu* menu = window->View()->ShowContextMenu({650, 450});
    bool anyCommand = false;
    for (QAction* action : menu->actions())
        anyCommand = anyCommand || (!action->isSeparator() && action->isVisible());
    EXPECT_FALSE(anyCommand);
    menu->hide();

    // On Plus: its operands may grow; Help Builtin shows its function's topic.
    Press(Inside(*plus), Qt::RightButton);
    Release(Inside(*plus), Qt::RightButton);
    window->View()->ShowContextMenu(Inside(*plus));
    EXPECT_TRUE(MenuItem("pmuAddInputOperand")->isVisible());
    EXPECT_TRUE(MenuItem("pmuAddInputOperand")->isEnabled());
    EXPECT_FALSE(MenuItem("pmuAddInput")->isVisible());
    MenuItem("pmuAddInputOperand")->trigger();
    menu->hide();
    EXPECT_EQ(plus->CountInputs(), 3);
    EXPECT_TRUE(factory->IsModified());

    // A new input on the frame, through its dialog.
    SetDialogScript([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Input Properties");
        return static_cast<int>(QDialog::Accepted);
    });
    const QPoint onFrame(300, 3 + 120);
    Press(onFrame, Qt::RightButton);
    window->View()->ShowContextMenu(onFrame);
    MenuItem("pmuAddInput")->trigger();
    menu->hide();
    ASSERT_EQ(factory->CountInputs(), 1);
    EXPECT_EQ(factory->Inputs().front()->Name, "Input");
    EXPECT_DOUBLE_EQ(factory->Inputs().front()->GetHeight(), 0.5);
}
