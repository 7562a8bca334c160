#include "wave/gui/ViewWaveGroup.h"

#include "wave/MainFormAccess.h"
#include "wave/display/PaneKeys.h"
#include "wave/display/VolumePainter.h"
#include "wave/display/VolumeArray.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/ViewWave.h"
#include "wave/gui/ViewWaveOwner.h"

#include <QHBoxLayout>
#include <QMetaObject>
#include <QPalette>
#include <QSplitter>

#include <array>

namespace {

struct TKeyBinding {
    int key;
    TPaneKey paneKey;
};

const std::array<TKeyBinding, 8> KeyBindings = {{
    {Qt::Key_Left, TPaneKey::Left},
    {Qt::Key_Right, TPaneKey::Right},
    {Qt::Key_Up, TPaneKey::Up},
    {Qt::Key_Down, TPaneKey::Down},
    {Qt::Key_Home, TPaneKey::Home},
    {Qt::Key_End, TPaneKey::End},
    {Qt::Key_PageUp, TPaneKey::PageUp},
    {Qt::Key_PageDown, TPaneKey::PageDown},
}};

} // namespace

TViewWaveGroup::TViewWaveGroup(TViewWaveOwner* owner, TUnitWave* unitWave, const TWaveViewProps& waveViewProps,
                               const TVoldViewProps& voldViewProps, QWidget* parent)
    : QWidget(parent), TWaveDisplayGroup(unitWave, waveViewProps, voldViewProps), Owner(owner)
{
    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->setHandleWidth(3);
    Splitter->setChildrenCollapsible(false);
    Splitter->setOpaqueResize(true);
    ViewFirst = new TViewWave(this, Splitter);
    ViewSecond = new TViewWave(this, Splitter);
    Splitter->addWidget(ViewFirst);
    Splitter->addWidget(ViewSecond);
    // The first pane keeps its width when the window grows; the second fills the rest.
    Splitter->setStretchFactor(0, 0);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({1, 100000});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter);
    SetActive(true);
    // Qt only wakes this thread: the call is queued by name, so nothing of
    // ours is built on the writer's thread and freed on this one. What the
    // writer hands over crosses through our own atomics (the notice flag and
    // each array's written-column count).
    SetColumnsWrittenPoster(
        [this] { QMetaObject::invokeMethod(this, "OnVolumeColumnsWritten", Qt::QueuedConnection); });
}

TViewWaveGroup::~TViewWaveGroup()
{
    // Before any widget goes: the writer posts to this object.
    StopVolumeWriter();
}

TViewWave* TViewWaveGroup::GetPane(int number) const
{
    return number == 1 ? ViewFirst : number == 2 ? ViewSecond : nullptr;
}

void TViewWaveGroup::SetPaneSize(const TViewWave* pane, int32_t width)
{
    int32_t total = ViewFirst->width() + ViewSecond->width();
    int32_t other = total - width;
    if (pane == ViewFirst)
        Splitter->setSizes({width, other});
    else
        Splitter->setSizes({other, width});
}

void TViewWaveGroup::SetActive(bool active)
{
    QColor color = palette().color(active ? QPalette::Active : QPalette::Inactive,
                                   active ? QPalette::Highlight : QPalette::Mid);
    Splitter->setStyleSheet(QString("QSplitter::handle { background-color: %1; }").arg(color.name()));
}

void TViewWaveGroup::InvalidateViews()
{
    ViewFirst->InvalidateView();
    ViewSecond->InvalidateView();
}

void TViewWaveGroup::SetViewCursor(const QCursor& cursor)
{
    ViewFirst->setCursor(cursor);
    ViewSecond->setCursor(cursor);
}

void TViewWaveGroup::RepaintWaveRange(int32_t begin, int32_t end)
{
    ViewFirst->RepaintWaveRange(begin, end);
    ViewSecond->RepaintWaveRange(begin, end);
}

void TViewWaveGroup::RepaintWavePos(int32_t position)
{
    ViewFirst->RepaintWavePos(position);
    ViewSecond->RepaintWavePos(position);
}

void TViewWaveGroup::PaintCursorLine(int32_t position)
{
    ViewFirst->PaintCursorLine(position);
    ViewSecond->PaintCursorLine(position);
}

int32_t TViewWaveGroup::GetViewsHeight() const
{
    // The panes' own height, scroll bar included: the same for both, whichever is zoomed.
    return ViewFirst->height();
}

void TViewWaveGroup::ZoomChanged(const TViewWave* pane)
{
    MainForm().WaveZoomChanged(Owner ? Owner->GetMDIChildWave() : nullptr, pane == ViewFirst ? 1 : 2);
    if (GetUnitWave())
        GetUnitWave()->SetShadowChanged();
}

uint8_t TViewWaveGroup::GetZoomMode() const
{
    return Owner ? Owner->GetZoomMode() : ZoomMode;
}

void TViewWaveGroup::SetZoomMode(uint8_t mode)
{
    if (Owner)
        Owner->SetZoomMode(mode);
    else
        ZoomMode = mode;
}

void TViewWaveGroup::ShowKindChanged()
{
    if (Owner)
        Owner->SetIconForShowKind(GetShowKind());
    UpdateViews();
}

void TViewWaveGroup::VolumeDiagramEmpty()
{
    InvalidateViews();
    MainForm().RefreshEnvelopeUsers(Owner ? Owner->GetMDIChildWave() : nullptr);
}

void TViewWaveGroup::OnVolumeColumnsWritten()
{
    TakeColumnsWrittenNotice();
    TUnitWave* unit = GetUnitWave();
    if (!unit)
        return;
    int32_t n = unit->GetValues();
    int32_t b = unit->GetOperationBegin(), e = unit->GetOperationEnd();
    int32_t channels = unit->GetMonoStereo();
    bool single = GetVoldViewProps().DrawSingle;
    struct Side {
        TVolumeArray* array;
        int32_t side;
    };
    std::array<Side, 2> sides = channels == 1 ? std::array<Side, 2>{{{GetVolumeArraySingle(), 2}, {nullptr, 0}}}
                                              : std::array<Side, 2>{{{GetVolumeArrayLeft(), 0}, {GetVolumeArrayRight(), 1}}};
    for (const Side& s : sides) {
        if (!s.array)
            continue;
        int32_t from = s.array->ColumnsRefreshed, to = s.array->GetColumnsWritten();
        if (to <= from)
            continue;
        RefreshVolumeColumns(from, to, s.array->GetWidth(), 0, n, n, channels, s.side, single);
        MainForm().UpdateEnvelopeViews(this, from, to, s.array->GetWidth(), b, e, n, channels, s.side, single);
        s.array->ColumnsRefreshed = to;
    }
}

void TViewWaveGroup::RefreshVolumeColumns(int32_t fromColumn, int32_t toColumn, int32_t arrayWidth,
                                          double rangeBegin, double rangeEnd, int32_t sourceCount, int32_t channels,
                                          int32_t side, bool single)
{
    for (TViewWave* pane : {ViewFirst, ViewSecond}) {
        TPaneRect client = pane->ClientRect();
        bool split = channels != 1 && single;
        auto rect = VolumeRefreshRect(client, pane->FirstVisibleWavePos(), pane->LastVisibleWavePos(),
                                      pane->GetWaveValues(), fromColumn, toColumn, arrayWidth, rangeBegin, rangeEnd,
                                      sourceCount, split, side);
        if (rect)
            pane->PaintRect(*rect);
    }
}

bool TViewWaveGroup::HandleKey(int key, Qt::KeyboardModifiers modifiers)
{
    for (const TKeyBinding& binding : KeyBindings) {
        if (binding.key != key)
            continue;
        TViewWave* pane = modifiers & Qt::AltModifier ? ViewFirst : ViewSecond;
        pane->HandlePaneKey(binding.paneKey, modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier);
        return true;
    }
    return false;
}
