#include "wave/view/ViewWaveGroupModel.h"

#include "platform/Assertions.h"
#include "platform/SampleConvert.h"
#include "wave/view/SplitPosition.h"
#include "wave/view/ViewPane.h"

TViewWaveGroupModel::TViewWaveGroupModel(const TWaveViewProps& waveViewProps, const TVoldViewProps& voldViewProps)
    : WaveViewProps(waveViewProps), VoldViewProps(voldViewProps)
{
}

void TViewWaveGroupModel::AddView(TViewPane* pane)
{
    if (!ViewFirst) {
        ViewFirst = pane;
        return;
    }
    QB_ASSERT(!ViewSecond);
    ViewSecond = pane;
}

TViewPane* TViewWaveGroupModel::GetView(int number) const
{
    if (number == 1)
        return ViewFirst;
    if (number == 2)
        return ViewSecond;
    return nullptr;
}

void TViewWaveGroupModel::SetShowKind(uint8_t kind)
{
    waveWindKind = kind == waveWindVolume ? waveWindVolume : waveWindWave;
    ShowKindChanged();
}

void TViewWaveGroupModel::SetWaveViewProps(const TWaveViewProps& props)
{
    WaveViewProps = props;
    SetShowKind(waveWindWave);
}

void TViewWaveGroupModel::SetVoldViewProps(const TVoldViewProps& props)
{
    VoldViewProps = props;
    SetShowKind(waveWindVolume);
}

int32_t TViewWaveGroupModel::GetViewsWidth() const
{
    if (!ViewFirst || !ViewSecond)
        return 0;
    return ViewFirst->GetPaneWidth() + ViewSecond->GetPaneWidth();
}

void TViewWaveGroupModel::SetSplitPosition(double fraction)
{
    if (!ViewFirst || !ViewSecond)
        return;
    int32_t total = GetViewsWidth();
    int32_t first = SplitFirstPaneWidth(total, fraction);
    ViewFirst->SetPaneWidth(first);
    // In the window the second pane fills the rest by its alignment; here it is set.
    ViewSecond->SetPaneWidth(total - first);
}

double TViewWaveGroupModel::GetSplitPosition() const
{
    if (!ViewFirst || !ViewSecond)
        return 0.5;
    return SplitFraction(ViewFirst->GetPaneWidth(), GetViewsWidth());
}

void TViewWaveGroupModel::SetPendingSplitPosition(double fraction)
{
    PendingSplitPosition = fraction;
    SplitPending = true;
}

void TViewWaveGroupModel::ApplyPendingSplitPosition()
{
    if (SplitPending)
        SetSplitPosition(PendingSplitPosition);
}

void TViewWaveGroupModel::ApplyPendingZoom()
{
    for (TViewPane* pane : {ViewFirst, ViewSecond}) {
        if (pane)
            pane->ApplyPendingZoom();
    }
}

void TViewWaveGroupModel::BeginKeepZoom(int32_t begin, int32_t end)
{
    for (TViewPane* pane : {ViewFirst, ViewSecond}) {
        if (pane)
            pane->BeginKeepZoom(begin, end);
    }
}

void TViewWaveGroupModel::EndKeepZoom(int32_t begin, int32_t newEnd)
{
    for (TViewPane* pane : {ViewFirst, ViewSecond}) {
        if (pane)
            pane->EndKeepZoom(begin, newEnd);
    }
}

TViewWaveState TViewWaveGroupModel::GetViewState() const
{
    TViewWaveState state;
    state.SplitPosition = GetSplitPosition();
    state.PaneCount = 2;
    TViewPane* panes[2] = {ViewFirst, ViewSecond};
    for (int i = 0; i < 2; ++i) {
        if (panes[i] && panes[i]->IsZoomed()) {
            state.Panes[i].Zoomed = true;
            state.Panes[i].From = ToInt32(panes[i]->FirstVisibleWavePos());
            state.Panes[i].To = ToInt32(panes[i]->LastVisibleWavePos());
        }
    }
    state.ShowKind = waveWindKind;
    state.WaveViewProps = WaveViewProps;
    state.VoldViewProps = VoldViewProps;
    return state;
}

void TViewWaveGroupModel::ApplyViewState(const TViewWaveState& state, bool pending)
{
    if (pending)
        SetPendingSplitPosition(state.SplitPosition);
    else
        SetSplitPosition(state.SplitPosition);
    TViewPane* panes[2] = {ViewFirst, ViewSecond};
    for (int i = 0; i < state.PaneCount && i < 2; ++i) {
        TViewPane* pane = panes[i];
        if (!pane)
            continue;
        const TViewPaneZoom& zoom = state.Panes[i];
        if (zoom.Zoomed && pending)
            pane->SetPendingZoom(zoom.From, zoom.To);
        else if (zoom.Zoomed)
            pane->ZoomToRange(zoom.From, zoom.To, true);
        else if (pending)
            pane->SetPendingUnZoom();
        else
            pane->UnZoom();
    }
    WaveViewProps = state.WaveViewProps;
    VoldViewProps = state.VoldViewProps;
    SetShowKind(state.ShowKind);
}

bool TViewWaveGroupModel::ReadViewWaveGroupXml(const TXMLItem* splitPosition, int32_t waveValues, std::string& error,
                                               int32_t& line, int32_t& column, bool pending)
{
    TViewWaveState state = GetViewState();
    const TXMLItem* after = nullptr;
    if (!TViewWaveState::ReadViewWaveGroupXml(state, splitPosition, waveValues, error, line, column, after))
        return false;
    ApplyViewState(state, pending);
    return true;
}

void TViewWaveGroupModel::WriteViewWaveGroupXml(TXMLComplexElement& parent) const
{
    TViewWaveState::WriteViewWaveGroupXml(GetViewState(), parent);
}
