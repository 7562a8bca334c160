#include "wave/window/gui/DialogFramePlacing.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QScreen>
#include <QTest>

#include <vector>

namespace {

// A title bar and borders: a client area of 500 x 260 is framed as 508 x 283.
const QMargins Frame(4, 19, 4, 4);
const QSize Client(500, 260);
const QSize Framed = Client.grownBy(Frame);

struct PlacingCase {
    const char* what;
    QRect area;
    MainFormRect main;
    QSize client;
    QSize frame; // the client size while not framed yet
    QPoint corner;
};

} // namespace

TEST(DialogFramePlacing, TheWholeFrameLiesInTheAreaAtTheMainWindowsEdges)
{
    const QRect screen(0, 0, 1280, 1024);
    const PlacingCase cases[] = {
        {"framed, at the main window's corner", screen, {0, 0, 600, 400}, Client, Framed, {600, 400}},
        {"not framed yet, at the main window's corner", screen, {0, 0, 600, 400}, Client, Client, {600, 400}},
        {"framed, moved back", screen, {0, 0, 1100, 800}, Client, Framed, {1280 - 508, 1024 - 283}},
        {"not framed yet, moved back by the owner's frame", screen, {0, 0, 1100, 800}, Client, Client,
         {1280 - 508, 1024 - 283}},
        {"framed, far beyond", screen, {0, 0, 5000, 5000}, Client, Framed, {1280 - 508, 1024 - 283}},
        {"not framed yet, far beyond", screen, {0, 0, 5000, 5000}, Client, Client, {1280 - 508, 1024 - 283}},
        {"a panel at the bottom, the main window's edge kept", {0, 0, 1280, 984}, {0, 0, 600, 600}, Client, Framed,
         {600, 600}},
        {"a panel at the bottom, moved back above it", {0, 0, 1280, 984}, {0, 0, 1280, 984}, Client, Framed,
         {1280 - 508, 984 - 283}},
        {"a panel at the bottom, not framed yet", {0, 0, 1280, 984}, {0, 0, 1280, 984}, Client, Client,
         {1280 - 508, 984 - 283}},
        {"a panel at the top", {0, 30, 1280, 994}, {0, 0, 1100, 1100}, Client, Framed, {772, 30 + 994 - 283}},
        {"a second screen", {1280, 0, 1024, 768}, {1280, 0, 1500, 100}, Client, Framed, {1500, 100}},
        {"a main window above and left of the area", {0, 30, 1280, 994}, {-900, -900, -100, -100}, Client, Framed,
         {0, 30}},
        {"an area smaller than the frame", {0, 0, 400, 200}, {0, 0, 300, 100}, Client, Framed, {0, 0}},
        {"taller than the area: the area's top", {0, 30, 1280, 500}, {0, 0, 1100, 1100}, {500, 600}, {500, 600},
         {772, 30}},
        {"taller than the area, framed", {0, 30, 1280, 500}, {0, 0, 1100, 200}, {500, 600}, {508, 623}, {772, 30}},
    };
    for (const PlacingCase& c : cases)
        EXPECT_EQ(DialogCornerAtMainFormEdges(c.area, c.main, c.client, c.frame, Frame), c.corner) << c.what;
}

TEST(DialogFramePlacing, AFrameIsKeptInsideTheAreaByTheLeastMove)
{
    const QRect area(0, 30, 1280, 994);
    EXPECT_EQ(FrameCornerInsideArea(area, {100, 200}, Framed), QPoint(100, 200));
    EXPECT_EQ(FrameCornerInsideArea(area, {1000, 900}, Framed), QPoint(1280 - 508, 1024 - 283));
    EXPECT_EQ(FrameCornerInsideArea(area, {-50, 0}, Framed), QPoint(0, 30));
    EXPECT_EQ(FrameCornerInsideArea(area, {-50, 0}, QSize(2000, 2000)), QPoint(0, 30));
    EXPECT_EQ(FrameCornerInsideArea(area, {900, 900}, QSize(2000, 2000)), QPoint(0, 30));
}

TEST(DialogFramePlacing, AWindowNotFramedYetIsTakenToBeFramedLikeItsOwner)
{
    EXPECT_EQ(DialogFrameSize(Client, Client, Frame), Framed);
    EXPECT_EQ(DialogFrameSize(Client, Client, QMargins()), Client);
    EXPECT_EQ(DialogFrameSize(Client, QSize(502, 262), Frame), QSize(502, 262));
}

namespace {

// Placed as the modeless dialogs place themselves: when shown, before the
// window system has shown it.
class PlacedWhenShown : public QDialog {
public:
    explicit PlacedWhenShown(QWidget* owner) : QDialog(owner) { resize(200, 100); }

    std::vector<QSize> frames; // each frame the rule was asked about

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        PlaceDialogFrame(*this, [this](const QRect& area, const QSize& frame) {
            frames.push_back(frame);
            return QPoint(area.right() + 1 - frame.width(), area.bottom() + 1 - frame.height());
        });
    }
};

} // namespace

// The corner is read back as it was wanted while the dialog waits for its
// frame; once shown, the dialog is placed by its real frame.
TEST(DialogFramePlacing, ADialogIsPlacedAgainOnceFramed)
{
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    PlacedWhenShown dialog(&owner);
    dialog.show();
    ASSERT_EQ(dialog.frames.size(), 1u);
    const QRect area = dialog.screen()->availableGeometry();
    const QSize guess = dialog.frames[0];
    EXPECT_EQ(DialogFrameCorner(dialog), QPoint(area.right() + 1 - guess.width(), area.bottom() + 1 - guess.height()));

    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTRY_COMPARE(dialog.frames.size(), 2u);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.frames[1], dialog.frameGeometry().size());
    EXPECT_EQ(dialog.frameGeometry().bottomRight(), area.bottomRight());
    EXPECT_EQ(DialogFrameCorner(dialog), dialog.frameGeometry().topLeft());

    // A place given later wins, and is read back at once.
    PlaceDialogFrameAt(dialog, {123, 45});
    EXPECT_EQ(DialogFrameCorner(dialog), QPoint(123, 45));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(123, 45));
    EXPECT_EQ(dialog.frames.size(), 2u);
}

namespace {

struct ScreenCase {
    const char* what;
    QPoint corner;
    QSize frame;
    QPoint placed;
};

} // namespace

// A place kept in a project, read on another set of screens: the frame is
// moved as little as it must to lie in the available area of the screen it
// falls on most, the main window's screen when it falls on none.
TEST(DialogFramePlacing, AStoredCornerLandsInTheAvailableAreaOfItsScreen)
{
    const QSize box(602, 420);
    // A panel 40 pixels high at the bottom.
    const ScreenArea first{{0, 0, 1600, 1000}, {0, 0, 1600, 960}};
    const ScreenArea second{{1600, 0, 1280, 1024}, {1600, 0, 1280, 1024}};
    const ScreenCase one[] = {
        {"fits", {100, 200}, box, {100, 200}},
        {"fits at the area's far corner", {998, 540}, box, {998, 540}},
        {"right", {1540, 200}, box, {998, 200}},
        {"below, under the panel", {100, 958}, box, {100, 540}},
        {"left", {-300, 200}, box, {0, 200}},
        {"above", {100, -50}, box, {100, 0}},
        {"saved for a far bigger screen", {3000, 2000}, box, {998, 540}},
        {"larger than the area: its top left inside", {300, 100}, {2000, 1200}, {0, 0}},
    };
    for (const ScreenCase& c : one)
        EXPECT_EQ(FrameCornerInsideArea(AreaUnderFrame({first}, QRect(c.corner, c.frame), first.available), c.corner,
                                        c.frame),
                  c.placed)
            << c.what;

    const ScreenCase two[] = {
        {"on the second screen", {2000, 500}, box, {2000, 500}},
        {"below the second screen", {2000, 900}, box, {2000, 604}},
        {"right of the second screen", {2800, 100}, box, {2278, 100}},
        {"across both, mostly on the second", {1500, 100}, box, {1600, 100}},
        {"across both, mostly on the first", {1200, 100}, box, {998, 100}},
        {"on no screen: the main window's", {2000, 1500}, box, {998, 540}},
    };
    for (const ScreenCase& c : two)
        EXPECT_EQ(FrameCornerInsideArea(AreaUnderFrame({first, second}, QRect(c.corner, c.frame), first.available),
                                        c.corner, c.frame),
                  c.placed)
            << c.what;
}

// A dialog given a place off the screen, as a project saved on a larger
// screen holds, is brought inside by the least move; a place that fits stays.
TEST(DialogFramePlacing, APlaceOffTheScreenIsBroughtInside)
{
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    QDialog dialog(&owner);
    dialog.resize(200, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QCoreApplication::processEvents();
    const QRect area = dialog.screen()->availableGeometry();
    const QSize frame = dialog.frameGeometry().size();
    const int right = area.right() + 1 - frame.width(), bottom = area.bottom() + 1 - frame.height();
    const struct {
        const char* what;
        QPoint corner;
        QPoint placed;
    } cases[] = {
        {"fits", area.topLeft() + QPoint(10, 20), area.topLeft() + QPoint(10, 20)},
        {"right", {area.right() + 100, area.top() + 20}, {right, area.top() + 20}},
        {"below", {area.left() + 10, area.bottom() + 100}, {area.left() + 10, bottom}},
        {"left", {area.left() - 100, area.top() + 20}, {area.left(), area.top() + 20}},
        {"above", {area.left() + 10, area.top() - 100}, {area.left() + 10, area.top()}},
        {"far beyond", {area.right() + 3000, area.bottom() + 2000}, {right, bottom}},
    };
    for (const auto& c : cases) {
        PlaceDialogFrameAt(dialog, c.corner);
        QCoreApplication::processEvents();
        EXPECT_EQ(DialogFrameCorner(dialog), c.placed) << c.what;
        EXPECT_EQ(dialog.frameGeometry().topLeft(), c.placed) << c.what;
    }
}
