#include "wave/window/gui/DialogFramePlacing.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

// ---------------------------------------------------------------- the arithmetic

QSize DialogFrameSize(const QSize& client, const QSize& frame, const QMargins& ownerFrame)
{
    return frame != client ? frame : client.grownBy(ownerFrame);
}

QPoint FrameCornerAtMainFormEdges(const QRect& area, const MainFormRect& main, const QSize& frame)
{
    const int left = std::max(area.left(), std::min(area.left() + area.width() - frame.width(), main.right));
    const int top = std::max(area.top(), std::min(area.top() + area.height() - frame.height(), main.bottom));
    return {left, top};
}

QPoint FrameCornerInsideArea(const QRect& area, const QPoint& corner, const QSize& frame)
{
    const int left = std::max(area.left(), std::min(corner.x(), area.left() + area.width() - frame.width()));
    const int top = std::max(area.top(), std::min(corner.y(), area.top() + area.height() - frame.height()));
    return {left, top};
}

QRect AreaUnderFrame(const std::vector<ScreenArea>& screens, const QRect& frame, const QRect& fallback)
{
    QRect area = fallback;
    long long most = 0;
    for (const ScreenArea& screen : screens) {
        const QRect common = screen.geometry.intersected(frame);
        const long long covered = common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
        if (covered > most) {
            most = covered;
            area = screen.available;
        }
    }
    return area;
}

QPoint DialogCornerAtMainFormEdges(const QRect& area, const MainFormRect& main, const QSize& client,
                                   const QSize& frame, const QMargins& ownerFrame)
{
    return FrameCornerAtMainFormEdges(area, main, DialogFrameSize(client, frame, ownerFrame));
}

// ---------------------------------------------------------------- the dialogs

namespace {

QMargins DialogFramePlacingMargins(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// The margins the dialog's frame has, or is taken to have until it is framed:
// those of its owner's.
QMargins DialogFramePlacingGuess(const QWidget& dialog)
{
    const QMargins own = DialogFramePlacingMargins(dialog);
    if (!own.isNull())
        return own;
    const QWidget* owner = dialog.parentWidget();
    return owner ? DialogFramePlacingMargins(*owner->window()) : QMargins();
}

std::vector<ScreenArea> DialogFramePlacingScreens()
{
    std::vector<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back({screen->geometry(), screen->availableGeometry()});
    return screens;
}

QRect DialogFramePlacingArea(const QWidget& dialog)
{
    const QScreen* screen = dialog.screen();
    return screen ? screen->availableGeometry() : QRect();
}

// Puts the frame's corner at the point for a frame of those margins; gives
// where the client area went. The client area is placed itself: what the
// widget takes for its frame may lag behind the window manager's.
QPoint DialogFramePlacingMove(QWidget& dialog, const QPoint& corner, const QMargins& frame)
{
    const QPoint client = corner + QPoint(frame.left(), frame.top());
    if (dialog.geometry().topLeft() != client)
        dialog.setGeometry(QRect(client, dialog.size()));
    return client;
}

// Waits until the window manager has framed the dialog (its window is then
// exposed) and places it by the rule again with the frame it got. It goes
// when done, when another placing replaces it, and when the dialog was moved
// meanwhile: that place stands. A dialog hidden before it was framed keeps it
// waiting for the next show.
class TDialogFramePlacer : public QObject {
public:
    TDialogFramePlacer(QWidget& dialog, DialogCornerRule rule, const QPoint& corner, const QPoint& client)
        : QObject(&dialog), Dialog(dialog), Rule(std::move(rule)), Corner(corner), Client(client)
    {
        setObjectName(Name);
        dialog.installEventFilter(this);
        Watch();
    }

    static constexpr const char* Name = "DialogFramePlacer";
    bool Waiting() const { return !objectName().isEmpty() && Dialog.geometry().topLeft() == Client; }
    const QPoint& WantedCorner() const { return Corner; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &Dialog && event->type() == QEvent::Hide) {
            // Hidden before it was framed, it still stands where it was
            // wanted: read back so, and placed once framed when shown again.
            StopWatching();
        } else if (watched == &Dialog && event->type() == QEvent::Show) {
            Watch();
        } else if (watched == Window && event->type() == QEvent::Expose && Window->isExposed()) {
            // After the expose is handled, so that the move is not made inside it.
            StopWatching();
            QMetaObject::invokeMethod(this, [this] { PlaceAgain(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Watch()
    {
        QWindow* window = Dialog.windowHandle();
        if (!window || window == Window)
            return;
        Window = window;
        window->installEventFilter(this);
    }

    void StopWatching()
    {
        if (Window)
            Window->removeEventFilter(this);
        Window = nullptr;
    }

    void PlaceAgain()
    {
        const bool stayed = Waiting();
        Finish();
        if (!stayed)
            return;
        const QMargins frame = DialogFramePlacingMargins(Dialog);
        DialogFramePlacingMove(Dialog, Rule(DialogFramePlacingArea(Dialog), Dialog.size().grownBy(frame)), frame);
    }

    // Found no more, gone at the next turn of the event loop.
    void Finish()
    {
        setObjectName(QString());
        Dialog.removeEventFilter(this);
        StopWatching();
        deleteLater();
    }

    QWidget& Dialog;
    QWindow* Window = nullptr;
    DialogCornerRule Rule;
    QPoint Corner;
    // Where the client area was put.
    QPoint Client;
};

TDialogFramePlacer* DialogFramePlacingWaiting(const QWidget& dialog)
{
    auto* placer = dynamic_cast<TDialogFramePlacer*>(
        dialog.findChild<QObject*>(TDialogFramePlacer::Name, Qt::FindDirectChildrenOnly));
    return placer && placer->Waiting() ? placer : nullptr;
}

// Takes the dialog out of a maximised or full-screen state once the event
// that reported it is handled.
class TDialogNormalKeeper : public QObject {
public:
    explicit TDialogNormalKeeper(QWidget& dialog) : QObject(&dialog), Dialog(dialog)
    {
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &Dialog && event->type() == QEvent::WindowStateChange && Unwanted())
            QMetaObject::invokeMethod(this, [this] { TakeOut(); }, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr Qt::WindowStates UnwantedStates = Qt::WindowMaximized | Qt::WindowFullScreen;
    bool Unwanted() const { return (Dialog.windowState() & UnwantedStates) != 0; }

    void TakeOut()
    {
        if (Unwanted())
            Dialog.setWindowState(Dialog.windowState() & ~UnwantedStates);
    }

    QWidget& Dialog;
};

} // namespace

void KeepDialogNormal(QWidget& dialog)
{
    new TDialogNormalKeeper(dialog);
}

void PlaceDialogFrame(QWidget& dialog, DialogCornerRule rule)
{
    delete dialog.findChild<QObject*>(TDialogFramePlacer::Name, Qt::FindDirectChildrenOnly);
    const QMargins frame = DialogFramePlacingGuess(dialog);
    const QPoint corner = rule(DialogFramePlacingArea(dialog), dialog.size().grownBy(frame));
    const QPoint client = DialogFramePlacingMove(dialog, corner, frame);
    const QWindow* window = dialog.windowHandle();
    // Framed already: the frame is known, nothing to wait for.
    if (dialog.isVisible() && window && window->isExposed())
        return;
    new TDialogFramePlacer(dialog, std::move(rule), corner, client);
}

void PlaceDialogAtMainFormEdges(QWidget& dialog)
{
    PlaceDialogFrame(dialog, [](const QRect& area, const QSize& frame) {
        return FrameCornerAtMainFormEdges(area, MainForm().GetMainFormRect(), frame);
    });
}

void PlaceDialogFrameAt(QWidget& dialog, const QPoint& corner)
{
    PlaceDialogFrame(dialog, [&dialog, corner](const QRect&, const QSize& frame) {
        return DialogFrameCornerOnScreen(dialog, corner, frame);
    });
}

QPoint DialogFrameCornerOnScreen(const QWidget& dialog, const QPoint& corner, const QSize& frame)
{
    const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : &dialog;
    const QScreen* ownerScreen = owner->screen();
    const QRect fallback = ownerScreen ? ownerScreen->availableGeometry() : QRect(corner, frame);
    return FrameCornerInsideArea(AreaUnderFrame(DialogFramePlacingScreens(), QRect(corner, frame), fallback), corner,
                                 frame);
}

void PlaceWindowOnScreen(QWidget& window, const QRect& client)
{
    window.resize(client.size());
    PlaceDialogFrame(window, [&window, wanted = client.topLeft()](const QRect&, const QSize& frame) {
        // The margins it has now: none until framed, as the first placing guesses
        // for a window without an owner.
        const QMargins margins = DialogFramePlacingMargins(window);
        return DialogFrameCornerOnScreen(window, wanted - QPoint(margins.left(), margins.top()), frame);
    });
}

QPoint DialogFrameCorner(const QWidget& dialog)
{
    if (const TDialogFramePlacer* waiting = DialogFramePlacingWaiting(dialog))
        return waiting->WantedCorner();
    const QMargins frame = DialogFramePlacingMargins(dialog);
    return dialog.geometry().topLeft() - QPoint(frame.left(), frame.top());
}
