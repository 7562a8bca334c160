#pragma once
#include "factory/view/FactoryWindowModel.h"

#include <QAbstractScrollArea>
#include <QRegion>

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;
class TFactoryWindowCommands;
class TFactoryDialogs;
class TUnitSountory;

// The client area of a factory window: the factory drawn at the scroll
// position, its description above the frame, the hint popup, the mouse and
// the context menu. The frame is anchored to the scroll bars whenever the
// drawing changes or scrolls, before the repaint is asked for; painting only
// paints.
class TFactoryView : public QAbstractScrollArea, public TFactoryWindowHost {
    Q_OBJECT
public:
    TFactoryView(TUnitSountory& factory, TFactoryDialogs& dialogs, QWidget* parent = nullptr);
    ~TFactoryView() override;

    TFactoryWindowModel& Model() { return *WindowModel; }
    TFactoryWindowCommands& Commands() { return *WindowCommands; }
    // Another factory (revert): everything of the old one is forgotten.
    void SetFactory(TUnitSountory& factory);

    // ---- TFactoryWindowHost ----
    void Invalidate() override;
    void SetWindowCursor(int cursor) override;
    void SetScreenCursor(int cursor) override;
    void ShowHintWindow(const std::string& text, TCanvasPoint windowPoint) override;
    void HideHintWindow() override;
    int GetMinFrameTop() const override;

    // Anchors the frame, sets the scroll bars and places the description.
    void Relayout();
    // A run changed the node's state: its place is painted at the screen's
    // pace, together with every other node that changed meanwhile. A render
    // runs a factory for every note; a paint for each would cost more than
    // the notes.
    void RedrawNode(const TSountoryNode& node);
    // How long the running highlight waits at most before it is painted: one
    // frame of the screen.
    int RunPaintInterval() const;
    // The context menu at a viewport point (shown, not waited for); it is
    // the press at that point that chose the item.
    QMenu* ShowContextMenu(const QPoint& viewportPoint);
    QMenu* ContextMenu() const { return Menu; }
    QPlainTextEdit* DescriptionMemo() const { return Description; }
    QLabel* HintPopup() const { return Hint; }
    int DescriptionHeight() const { return DescriptionPixels; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void BuildMenu();
    void PaintRunStates();

    TUnitSountory* Sountory;
    std::unique_ptr<TFactoryWindowModel> WindowModel;
    std::unique_ptr<TFactoryWindowCommands> WindowCommands;
    QPlainTextEdit* Description = nullptr;
    QLabel* Hint = nullptr;
    QMenu* Menu = nullptr;
    QTimer* RunPaintTimer = nullptr;
    QRegion RunPaintRegion; // where nodes changed their state since the last paint asked for
    int DescriptionPixels = 0;
    bool ScreenCursorSet = false;
    bool Relaying = false;
};
