#include "wave/gui/ViewWave.h"

#include "platform/SampleConvert.h"
#include "wave/MainFormAccess.h"
#include "wave/Sound.h"
#include "wave/display/PaneKeys.h"
#include "wave/display/StatusTexts.h"
#include "wave/document/DrawNode.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/ViewWaveGroup.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <memory>

TViewWave::TViewWave(TViewWaveGroup* group, QWidget* parent)
    : QWidget(parent), ViewWaveGroup(group), Random(SharedRandomSource())
{
    setMinimumWidth(1);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ScrollBar = new QScrollBar(Qt::Horizontal, this);
    ScrollBar->setTracking(true);
    ScrollBar->hide();
    connect(ScrollBar, &QScrollBar::valueChanged, this, &TViewWave::ScrollBarMoved);
    ViewWaveGroup->AddView(this);
}

TViewWave::~TViewWave() = default;

void TViewWave::SetPaneWidth(int32_t width)
{
    ViewWaveGroup->SetPaneSize(this, width);
}

int32_t TViewWave::GetWaveValues() const
{
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    return unit ? unit->GetValues() : 0;
}

double TViewWave::FirstVisibleWavePos() const
{
    return Zoom.FirstVisibleWavePos(GetWaveValues());
}

double TViewWave::LastVisibleWavePos() const
{
    return Zoom.LastVisibleWavePos(GetWaveValues(), width());
}

double TViewWave::FirstVisibleSeconds() const
{
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    return unit ? FirstVisibleWavePos() / unit->GetSampleFreq() : 0.0;
}

double TViewWave::LastVisibleSeconds() const
{
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    return unit ? LastVisibleWavePos() / unit->GetSampleFreq() : 0.0;
}

TPaneRect TViewWave::ClientRect() const
{
    int32_t bar = ScrollBar->isVisibleTo(this) ? ScrollBar->sizeHint().height() : 0;
    return {0, 0, width(), std::max(height() - bar, 0)};
}

TPaneMap TViewWave::Map() const
{
    return {ClientRect(), FirstVisibleWavePos(), LastVisibleWavePos()};
}

double TViewWave::PixelToSeconds(int32_t x) const
{
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    return unit ? Map().PixelToSeconds(x, unit->GetSampleFreq()) : 0.0;
}

TPaneView TViewWave::PaneView() const
{
    return {ViewWaveGroup, Map(), RepaintPending};
}

// ---- zoom ----

void TViewWave::ZoomToRange(int32_t from, int32_t to, bool)
{
    bool barWasVisible = ScrollBar->isVisibleTo(this);
    Zoom.ZoomToRange(from, to, GetWaveValues(), width(), Random);
    UpdateScrollBar();
    if (!barWasVisible) {
        ScrollBar->show();
        LayoutScrollBar();
    }
    // The visible range changed: unlike a scrolled window the picture holds
    // nothing that stays, so it is painted anew whether asked or not.
    InvalidateView();
    ViewWaveGroup->ZoomChanged(this);
}

void TViewWave::UnZoom()
{
    bool was = Zoom.Zoomed;
    Zoom.UnZoom();
    ScrollBar->hide();
    LayoutScrollBar();
    if (was)
        InvalidateView();
    ViewWaveGroup->ZoomChanged(this);
}

void TViewWave::UpdateScrollBar()
{
    QSignalBlocker block(ScrollBar);
    ScrollBar->setRange(0, Zoom.ScrollMaximum(width()));
    ScrollBar->setPageStep(std::max(width(), 1));
    ScrollBar->setSingleStep(std::max(Zoom.Increment, 1));
    ScrollBar->setValue(Zoom.Position);
}

void TViewWave::ScrollBarMoved(int value)
{
    if (value == Zoom.Position)
        return;
    Zoom.Position = value;
    InvalidateView();
}

void TViewWave::LayoutScrollBar()
{
    int32_t bar = ScrollBar->sizeHint().height();
    ScrollBar->setGeometry(0, std::max(height() - bar, 0), width(), bar);
    TPaneRect client = ClientRect();
    Canvas.Resize(client.Width(), client.Height());
}

// ---- painting ----

void TViewWave::InvalidateView()
{
    RepaintPending = true;
    update();
}

void TViewWave::ViewPaint()
{
    RepaintPending = false;
    int32_t first = ToInt32(FirstVisibleWavePos());
    int32_t last = ToInt32(LastVisibleWavePos());
    // An unzoomed pane always shows the whole wave: its range follows the
    // sound's length (an edit, a revert), never the user's scrolling.
    if (Zoom.Zoomed &&
        ((LastPaintFirst != -1 && LastPaintFirst != first) || (LastPaintLast != -1 && LastPaintLast != last)))
        ViewWaveGroup->ZoomChanged(this);
    LastPaintFirst = first;
    LastPaintLast = last;
    PaintPane(Canvas, PaneView(), ClientRect());
}

void TViewWave::PaintPendingNow()
{
    if (RepaintPending)
        ViewPaint();
}

void TViewWave::paintEvent(QPaintEvent* event)
{
    PaintPendingNow();
    QPainter painter(this);
    QImage image(reinterpret_cast<const uchar*>(Canvas.Bits()), Canvas.GetWidth(), Canvas.GetHeight(),
                 Canvas.GetWidth() * 4, QImage::Format_RGB32);
    QRect rect = event->rect() & QRect(0, 0, Canvas.GetWidth(), Canvas.GetHeight());
    if (!rect.isEmpty())
        painter.drawImage(rect, image, rect);
}

void TViewWave::PaintRect(const TPaneRect& rect)
{
    if (RepaintPending)
        return;
    PaintPane(Canvas, PaneView(), rect);
    update(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void TViewWave::RepaintWaveRange(int32_t begin, int32_t end)
{
    if (width() <= 1 || RepaintPending)
        return;
    TPaneView pane = PaneView();
    TPaneRect rect = RepaintWaveRangeRect(pane, begin, end);
    PaintViewRect(Canvas, pane, rect, ViewWaveGroup->GetShowKind(), ViewWaveGroup->GetWaveViewProps(),
                  ViewWaveGroup->GetVoldViewProps());
    update(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void TViewWave::RepaintWavePos(int32_t position)
{
    if (width() <= 1 || RepaintPending)
        return;
    TPaneView pane = PaneView();
    TPaneRect rect = RepaintWavePosRect(pane, position);
    PaintViewRect(Canvas, pane, rect, ViewWaveGroup->GetShowKind(), ViewWaveGroup->GetWaveViewProps(),
                  ViewWaveGroup->GetVoldViewProps());
    update(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void TViewWave::PaintCursorLine(int32_t)
{
    if (width() <= 1 || RepaintPending)
        return;
    TPaneView pane = PaneView();
    DrawCursorLine(Canvas, pane, ViewWaveGroup->GetShowKind(), ViewWaveGroup->GetWaveViewProps(),
                   ViewWaveGroup->GetVoldViewProps());
    // The line stands at the cursor, or on the last value when the cursor is at the end.
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    int32_t position = unit ? std::max(std::min(unit->GetCursorPos(), unit->GetValues() - 1), 0) : 0;
    int32_t x = pane.map.WavePosToPixel(position);
    update(QRect(x - 1, 0, 3, pane.map.rect.Height()));
}

void TViewWave::resizeEvent(QResizeEvent*)
{
    LayoutScrollBar();
    if (Zoom.Zoomed)
        UpdateScrollBar();
    // Sizes given while the window is laid out before its first paint are not
    // the user's doing: a freshly opened wave must not count as changed.
    if (LastPaintFirst != -1)
        ViewWaveGroup->ZoomChanged(this);
    InvalidateView();
}

// ---- keyboard ----

void TViewWave::HandlePaneKey(TPaneKey key, bool shift, bool ctrl)
{
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    if (unit)
        RunPaneKeyAction(*unit, Map(), LookupPaneKey(key, shift, ctrl));
}

// ---- mouse ----

void TViewWave::mousePressEvent(QMouseEvent* event)
{
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    if (!unit)
        return;
    int32_t x = ToInt32(event->position().x()), y = ToInt32(event->position().y());
    if (event->button() == Qt::LeftButton) {
        if (unit->IsUserDrawing())
            DrawingPress(x, y);
        else
            SelectingPress(event->modifiers(), x);
    } else if (event->button() == Qt::RightButton) {
        DragZoomPress(y);
    }
}

void TViewWave::mouseMoveEvent(QMouseEvent* event)
{
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    if (!unit)
        return;
    int32_t x = ToInt32(event->position().x()), y = ToInt32(event->position().y());
    if ((LastMouseX != -1 && x != LastMouseX) || (LastMouseY != -1 && y != LastMouseY)) {
        if (event->buttons() & Qt::RightButton)
            DragZoomMove(x, y);
        if (!unit->IsUserDrawing()) {
            PressSelection = false;
            if (unit->GetValues() >= 2 && width() > 0 && (event->buttons() & Qt::LeftButton))
                unit->MoveCursorPos(Map().ValueUnder(x, unit->GetValues()));
            StatusText(x, y);
        } else {
            DrawingMove(x, y);
        }
    }
    LastMouseX = x;
    LastMouseY = y;
}

void TViewWave::mouseReleaseEvent(QMouseEvent* event)
{
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    if (!unit || event->button() != Qt::LeftButton)
        return;
    if (unit->IsUserDrawing())
        DrawingRelease(ToInt32(event->position().y()));
    else
        ZoomToolRelease();
}

void TViewWave::StatusText(int32_t x, int32_t y)
{
    TUnitWave* unit = ViewWaveGroup->GetUnitWave();
    WaveStatusPanel* panel = MainForm().GetWaveStatusPanel(1);
    if (ViewWaveGroup->GetShowKind() == waveWindVolume) {
        panel->SetWidth(VolumeStatusWidth, WidestVolumeStatusText());
        panel->SetText(VolumeStatusText(*ViewWaveGroup, Map(), x, y));
    } else {
        panel->SetWidth(WaveformStatusWidth, WidestWaveformStatusText());
        panel->SetText(WaveformStatusText(Map(), x, y, unit->GetSampleFreq(), unit->GetMonoStereo()));
    }
}

void TViewWave::SelectingPress(Qt::KeyboardModifiers modifiers, int32_t x)
{
    TUnitWave& unit = *ViewWaveGroup->GetUnitWave();
    if (unit.GetValues() < 2)
        return;
    int32_t q = Map().ValueUnder(x, unit.GetValues());
    int32_t cursor = unit.GetCursorPos(), anchor = unit.GetAnchorPos();
    PressSelection = cursor != anchor;
    if (PressSelection) {
        PressSelectBegin = std::min(cursor, anchor);
        PressSelectEnd = std::max(cursor, anchor);
    }
    if (modifiers & Qt::ShiftModifier)
        unit.MoveCursorPos(q);
    else if (modifiers & Qt::ControlModifier)
        unit.SetSelectMarks(q, CtrlClickAnchor(cursor, anchor, q));
    else
        unit.PlaceCursor(q);
}

void TViewWave::DragZoomPress(int32_t y)
{
    if (GetWaveValues() < 2)
        return;
    PressSelection = false;
    DragZoomY = y;
    DragReferenceY = y;
}

void TViewWave::DragZoomMove(int32_t x, int32_t y)
{
    int32_t n = GetWaveValues();
    if (n < 2 || width() == 0)
        return;
    int32_t d = DragReferenceY - y;
    int32_t centre = Map().ValueUnder(x, n);
    int32_t first = 0, last = 0;
    if (DragZoomRange(FirstVisibleWavePos(), LastVisibleWavePos(), centre, d, n, first, last)) {
        ZoomToRange(first, last, true);
    } else {
        UnZoom();
        InvalidateView();
    }
    // The pointer goes back to the start height, so that the next move is
    // measured from there; where the platform does not move the pointer, the
    // next move is measured from here.
    QPoint target = mapToGlobal(QPoint(x, DragZoomY));
    QCursor::setPos(target);
    DragReferenceY = QCursor::pos() == target ? DragZoomY : y;
}

void TViewWave::ZoomToolRelease()
{
    TUnitWave& unit = *ViewWaveGroup->GetUnitWave();
    uint8_t mode = ViewWaveGroup->GetZoomMode();
    if (mode == 1) {
        ViewWaveGroup->SetZoomMode(0);
        if (unit.GetValues() == 0)
            return;
        int32_t begin, end;
        if (PressSelection) {
            begin = ToInt32(PressSelectBegin);
            end = ToInt32(PressSelectEnd);
        } else {
            if (unit.GetCursorPos() == unit.GetAnchorPos())
                return;
            begin = std::min(unit.GetCursorPos(), unit.GetAnchorPos());
            end = std::max(unit.GetCursorPos(), unit.GetAnchorPos());
            unit.SelectRange(begin, end);
        }
        ZoomToRange(begin, end, false);
        InvalidateView();
    } else if (mode == 2) {
        ViewWaveGroup->SetZoomMode(0);
        if (unit.GetValues() > 0) {
            UnZoom();
            InvalidateView();
        }
    }
}

// ---- hand drawing ----

namespace {

DrawNodeFrame FrameOf(const TPaneMap& map, int32_t values)
{
    return {static_cast<double>(map.rect.left),
            static_cast<double>(map.rect.top),
            static_cast<double>(map.rect.right),
            static_cast<double>(map.rect.bottom),
            map.first,
            map.last,
            static_cast<double>(values)};
}

} // namespace

void TViewWave::DrawingChanged()
{
    TUnitWave& unit = *ViewWaveGroup->GetUnitWave();
    unit.MakeUserDrawnSound();
    unit.SetChanged();
    ViewWaveGroup->InvalidateViews();
}

void TViewWave::DrawingPress(int32_t x, int32_t y)
{
    TUnitWave& unit = *ViewWaveGroup->GetUnitWave();
    DrawNodeFrame frame = FrameOf(Map(), unit.GetValues());
    TDrawNode* nearest = nullptr;
    double best = 5.0;
    for (TDrawNode* node = unit.GetDrawNodes(); node; node = node->GetNext()) {
        double distance = node->GetDistance(x, y, frame);
        if (distance < best) {
            best = distance;
            nearest = node;
        }
    }
    if (!nearest) {
        // A node at a place another node holds is refused, and freed with its holder.
        if (unit.InsertDrawNode(std::make_unique<TDrawNode>(x, y, frame)))
            DrawingChanged();
        return;
    }
    DraggedNode = nearest;
    DragOffsetX = ToInt32(nearest->GetX(frame) - x);
    DragOffsetY = ToInt32(nearest->GetY(frame) - y);
}

void TViewWave::DrawingMove(int32_t x, int32_t y)
{
    if (!DraggedNode)
        return;
    TUnitWave& unit = *ViewWaveGroup->GetUnitWave();
    TPaneMap map = Map();
    DrawNodeFrame frame = FrameOf(map, unit.GetValues());
    const TPaneRect& r = map.rect;
    int32_t nx = x + DragOffsetX, ny = y + DragOffsetY;
    TDrawNode* node = DraggedNode;
    bool inner = node->GetNext() && node->GetPrev();
    bool blocked = false;
    if (node->GetNext() && ToInt32(node->GetNext()->GetX(frame)) + 1 <= nx)
        blocked = true;
    if (node->GetPrev() && ToInt32(node->GetPrev()->GetX(frame)) + 1 >= nx)
        blocked = true;
    if (ny >= r.bottom) {
        ny = r.bottom - 1;
        if (inner)
            node->Visible = 0;
    } else if (ny < r.top) {
        ny = r.top;
        if (inner)
            node->Visible = 0;
    } else {
        node->Visible = 1;
    }
    if (inner && !blocked)
        node->SetPositionFromX(nx, frame);
    node->SetValueFromY(ny, frame);
    DrawingChanged();
}

void TViewWave::DrawingRelease(int32_t y)
{
    if (!DraggedNode)
        return;
    TUnitWave& unit = *ViewWaveGroup->GetUnitWave();
    TPaneMap map = Map();
    DrawNodeFrame frame = FrameOf(map, unit.GetValues());
    const TPaneRect& r = map.rect;
    int32_t ny = y + DragOffsetY;
    TDrawNode* node = DraggedNode;
    DraggedNode = nullptr;
    if (ny < r.top || ny >= r.bottom) {
        if (!node->GetNext() || !node->GetPrev())
            node->SetValueFromY(std::clamp(ny, r.top, r.bottom - 1), frame);
        else
            unit.DeleteDrawNode(node);
    }
    DrawingChanged();
}
