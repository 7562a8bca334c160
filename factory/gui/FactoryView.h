#pragma once
#include "factory/view/FactoryWindowModel.h"

#include <QAbstractScrollArea>

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QPlainTextEdit;
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
    // Paints the node at once, while a run changes its state.
    void RedrawNode(const TSountoryNode& node);
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

    TUnitSountory* Sountory;
    std::unique_ptr<TFactoryWindowModel> WindowModel;
    std::unique_ptr<TFactoryWindowCommands> WindowCommands;
    QPlainTextEdit* Description = nullptr;
    QLabel* Hint = nullptr;
    QMenu* Menu = nullptr;
    int DescriptionPixels = 0;
    bool ScreenCursorSet = false;
    bool Relaying = false;
};
