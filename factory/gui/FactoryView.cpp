#include "factory/gui/FactoryView.h"

#include "factory/document/UnitSountory.h"
#include "factory/view/FactoryMenu.h"
#include "factory/view/FactoryWindowCommands.h"
#include "foundation/gui/CustomCursors.h"
#include "foundation/gui/ToolBarIcons.h"
#include "foundation/values/NumericHelpers.h"
#include "platform/qt/QtCanvas.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// The memo's designed place above the frame.
constexpr int DescriptionTop = 8;
// The screen's pace where the screen does not tell it.
constexpr double DefaultFramesPerSecond = 60.0;

TFactoryWindowModel::TButton ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return TFactoryWindowModel::TButton::Left;
    case Qt::RightButton: return TFactoryWindowModel::TButton::Right;
    default: return TFactoryWindowModel::TButton::Middle;
    }
}

TCanvasPoint PointOf(const QPointF& position)
{
    const QPoint p = position.toPoint();
    return {p.x(), p.y()};
}

} // namespace

TFactoryView::TFactoryView(TUnitSountory& factory, TFactoryDialogs& dialogs, QWidget* parent)
    : QAbstractScrollArea(parent), Sountory(&factory)
{
    setObjectName("FactoryView");
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Button);

    Description = new QPlainTextEdit(viewport());
    Description->setObjectName("editDescription");
    Description->setReadOnly(true);
    Description->setFrameShape(QFrame::NoFrame);
    Description->setLineWrapMode(QPlainTextEdit::NoWrap);
    Description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Description->setFocusPolicy(Qt::NoFocus);
    Description->document()->setDocumentMargin(2);
    Description->setBackgroundRole(QPalette::Window);
    Description->hide();

    // A hint of our own: it shows the item's text at once and goes when told.
    Hint = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
    Hint->setObjectName("FactoryHint");
    Hint->setStyleSheet("QLabel { background: #ffffe1; color: black; border: 1px solid black; padding: 2px; }");
    Hint->hide();

    RunPaintTimer = new QTimer(this);
    RunPaintTimer->setSingleShot(true);
    // Never early: the interval is the least time between two paints of the states.
    RunPaintTimer->setTimerType(Qt::PreciseTimer);
    connect(RunPaintTimer, &QTimer::timeout, this, &TFactoryView::PaintRunStates);

    WindowModel = std::make_unique<TFactoryWindowModel>(factory, *this);
    WindowCommands = std::make_unique<TFactoryWindowCommands>(*WindowModel, dialogs);
    BuildMenu();
}

TFactoryView::~TFactoryView()
{
    SetScreenCursor(0);
}

void TFactoryView::SetFactory(TUnitSountory& factory)
{
    Sountory = &factory;
    WindowModel->SetFactory(factory);
    Invalidate();
}

// ---------------------------------------------------------------- host

void TFactoryView::Invalidate()
{
    Relayout();
    viewport()->update();
}

void TFactoryView::SetWindowCursor(int cursor)
{
    viewport()->setCursor(ScreenCursor(cursor));
}

void TFactoryView::SetScreenCursor(int cursor)
{
    if (cursor == 0) {
        if (ScreenCursorSet)
            QApplication::restoreOverrideCursor();
        ScreenCursorSet = false;
        return;
    }
    if (ScreenCursorSet)
        QApplication::changeOverrideCursor(ScreenCursor(cursor));
    else
        QApplication::setOverrideCursor(ScreenCursor(cursor));
    ScreenCursorSet = true;
}

void TFactoryView::ShowHintWindow(const std::string& text, TCanvasPoint windowPoint)
{
    if (text.empty()) {
        Hint->hide();
        return;
    }
    Hint->setText(QString::fromStdString(text));
    Hint->adjustSize();
    Hint->move(viewport()->mapToGlobal(QPoint(windowPoint.X + 12, windowPoint.Y + 16)));
    Hint->show();
}

void TFactoryView::HideHintWindow()
{
    Hint->hide();
}

int TFactoryView::GetMinFrameTop() const
{
    return DescriptionPixels == 0 ? 3 : DescriptionPixels + 9;
}

// ---------------------------------------------------------------- layout

void TFactoryView::Relayout()
{
    if (Relaying)
        return;
    Relaying = true;
    const QString text = QString::fromStdString(Sountory->Description);
    if (text.isEmpty()) {
        Description->hide();
        DescriptionPixels = 0;
    } else {
        if (Description->toPlainText() != text)
            Description->setPlainText(text);
        const int fontHeight = QFontInfo(Description->font()).pixelSize();
        DescriptionPixels = CountLines(Sountory->Description) * (std::abs(fontHeight) + 2) + 6;
        Description->show();
    }

    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    WindowModel->AnchorFrame(h->value(), v->value());
    const TFactoryScroll scroll = WindowModel->ScrollForFrame();
    const QSize client = viewport()->size();
    const QSignalBlocker blockH(h);
    const QSignalBlocker blockV(v);
    h->setRange(0, std::max(0, scroll.HorizontalRange - client.width()));
    h->setPageStep(client.width());
    h->setSingleStep(std::max(1, client.width() / 10));
    h->setValue(scroll.HorizontalPosition);
    v->setRange(0, std::max(0, scroll.VerticalRange - client.height()));
    v->setPageStep(client.height());
    v->setSingleStep(std::max(1, client.height() / 10));
    v->setValue(scroll.VerticalPosition);
    // A position the bars could not take moves the frame with them.
    WindowModel->AnchorFrame(h->value(), v->value());

    const TCanvasRect frame = Sountory->GetFrameRect();
    Description->setGeometry(frame.Left, DescriptionTop - v->value(), frame.Width() + 1, DescriptionPixels);
    Relaying = false;
}

void TFactoryView::RedrawNode(const TSountoryNode& node)
{
    const TCanvasRect r = node.GetWindowRect();
    // The pins and their labels reach beyond the body.
    RunPaintRegion += QRect(r.Left - 12, r.Top - 12, r.Width() + 24, r.Height() + 24);
    if (!RunPaintTimer->isActive())
        RunPaintTimer->start(RunPaintInterval());
}

int TFactoryView::RunPaintInterval() const
{
    const QScreen* shown = screen();
    const double rate = shown && shown->refreshRate() >= 1.0 ? shown->refreshRate() : DefaultFramesPerSecond;
    return std::max(1, static_cast<int>(std::ceil(1000.0 / rate)));
}

void TFactoryView::PaintRunStates()
{
    // Asked for, not painted here: the paint comes with the next events served.
    viewport()->update(RunPaintRegion);
    RunPaintRegion = QRegion();
}

// ---------------------------------------------------------------- painting

void TFactoryView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    TQtCanvas canvas(painter);
    canvas.SetPictureSource([](int32_t number) { return FactoryPictureBitmap(number); });
    Sountory->Draw(canvas);
}

void TFactoryView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Invalidate();
}

void TFactoryView::scrollContentsBy(int, int)
{
    Invalidate();
}

bool TFactoryView::viewportEvent(QEvent* event)
{
    // The hint goes with the mouse.
    if (event->type() == QEvent::Leave)
        WindowModel->HideHint();
    return QAbstractScrollArea::viewportEvent(event);
}

// ---------------------------------------------------------------- mouse

void TFactoryView::mousePressEvent(QMouseEvent* event)
{
    WindowModel->MouseDown(ButtonOf(event->button()), PointOf(event->position()));
}

void TFactoryView::mouseMoveEvent(QMouseEvent* event)
{
    WindowModel->MouseMove(event->buttons() & Qt::LeftButton, event->buttons() & Qt::RightButton,
                           PointOf(event->position()));
}

void TFactoryView::mouseReleaseEvent(QMouseEvent* event)
{
    WindowModel->MouseUp(event->buttons() & Qt::LeftButton);
}

void TFactoryView::contextMenuEvent(QContextMenuEvent* event)
{
    ShowContextMenu(event->pos());
}

// ---------------------------------------------------------------- context menu

void TFactoryView::BuildMenu()
{
    Menu = new QMenu(this);
    Menu->setObjectName("PopupMenu1");
    for (const TFactoryMenuLine& line : FactoryMenuLayout()) {
        if (line.Item == TFactoryMenuItem::Count) {
            QAction* separator = Menu->addSeparator();
            if (line.Name)
                separator->setObjectName(line.Name);
            continue;
        }
        QAction* action = Menu->addAction(QString::fromUtf8(line.Caption));
        action->setObjectName(line.Name);
        const TFactoryMenuItem item = line.Item;
        connect(action, &QAction::triggered, this, [this, item] { WindowCommands->Run(item); });
    }
}

QMenu* TFactoryView::ShowContextMenu(const QPoint& viewportPoint)
{
    const TFactoryMenuState state = WindowCommands->MenuOpening();
    for (const TFactoryMenuLine& line : FactoryMenuLayout()) {
        if (line.Item == TFactoryMenuItem::Count)
            continue;
        QAction* action = Menu->findChild<QAction*>(line.Name, Qt::FindDirectChildrenOnly);
        if (!action)
            continue;
        action->setVisible(state[line.Item].Visible);
        action->setEnabled(state[line.Item].Enabled);
        if (line.Item == TFactoryMenuItem::ConnMake)
            action->setText(QString::fromStdString(state.ConnMakeCaption));
        if (line.Item == TFactoryMenuItem::ConnDel)
            action->setText(QString::fromStdString(state.ConnDelCaption));
    }
    Menu->popup(viewport()->mapToGlobal(viewportPoint));
    return Menu;
}
