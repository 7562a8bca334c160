#include "wave/view/ViewWaveState.h"

#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLComplexElement.h"
#include "wave/view/GrammarBuilder.h"
#include "wave/view/ViewXml.h"

#include <algorithm>

namespace {

// One View element: without Zoom the pane shows the whole wave.
bool ReadViewZoom(const TXMLItem* view, TViewPaneZoom& zoom, std::string& error, int32_t& line, int32_t& column)
{
    ExpectElement(view, "View");
    const TXMLItem* zoomElement = view->GetFirst();
    if (!zoomElement) {
        zoom = TViewPaneZoom();
        return true;
    }
    ExpectElement(zoomElement, "Zoom");
    const TXMLItem* first = zoomElement->GetFirst();
    unitIntegerPos from;
    unitIntegerPos to;
    if (!ReadValueElement(from, first, "WavePos", "Zoom WavePos 1", error, line, column))
        return false;
    if (!ReadValueElement(to, first->GetNext(), "WavePos", "Zoom WavePos 2", error, line, column))
        return false;
    zoom.Zoomed = true;
    // A range given backwards is the same range.
    zoom.From = std::min(from.GetValue(), to.GetValue());
    zoom.To = std::max(from.GetValue(), to.GetValue());
    return true;
}

std::unique_ptr<TXMLComplexElement> WriteViewZoom(const TViewPaneZoom& zoom)
{
    auto view = std::make_unique<TXMLComplexElement>("View");
    if (zoom.Zoomed) {
        auto zoomElement = std::make_unique<TXMLComplexElement>("Zoom");
        unitInteger(zoom.From, EHNone).WriteXml("WavePos", *zoomElement);
        unitInteger(zoom.To, EHNone).WriteXml("WavePos", *zoomElement);
        view->AddItem(std::move(zoomElement));
    }
    return view;
}

} // namespace

TDTDItemPtr TViewWaveState::GetViewWaveGroupDefinition()
{
    using namespace GrammarBuilder;
    TDTDItemPtr wavePos = Text("WavePos");
    TDTDItemPtr view = Element("View", Optional(Element("Zoom", Sequence({wavePos, wavePos}))));
    return Sequence({Text("SplitPosition"), view, Optional(view), Choice({Empty("ShowWave"), Empty("ShowVolume")}),
                     TWaveViewProps::GetViewWaveDefinition(), TVoldViewProps::GetViewVolumeDefinition()});
}

bool TViewWaveState::ReadViewWaveGroupXml(TViewWaveState& state, const TXMLItem* splitPosition, int32_t waveValues,
                                          std::string& error, int32_t& line, int32_t& column,
                                          const TXMLItem*& after)
{
    unitFactorPosMax1 split;
    if (!ReadValueElement(split, splitPosition, "SplitPosition", "SplitPosition", error, line, column))
        return false;
    state.SplitPosition = split.GetValue();
    const TXMLItem* item = splitPosition->GetNext();
    if (!ReadViewZoom(item, state.Panes[0], error, line, column))
        return false;
    item = item->GetNext();
    state.PaneCount = 1;
    if (IsElement(item, "View")) {
        if (!ReadViewZoom(item, state.Panes[1], error, line, column))
            return false;
        state.PaneCount = 2;
        item = item->GetNext();
    }
    state.ShowKind = WhichElement(item, {"ShowWave", "ShowVolume"}) == 1 ? waveWindVolume : waveWindWave;
    item = item->GetNext();
    if (!TWaveViewProps::ReadViewWaveXml(state.WaveViewProps, item, waveValues, error, line, column))
        return false;
    item = item->GetNext();
    if (!TVoldViewProps::ReadViewVolumeXml(state.VoldViewProps, item, error, line, column))
        return false;
    after = item->GetNext();
    return true;
}

void TViewWaveState::WriteViewWaveGroupXml(const TViewWaveState& state, TXMLComplexElement& parent)
{
    unitFactorPosMax1(state.SplitPosition, EHNone).WriteXml("SplitPosition", parent);
    for (int pane = 0; pane < std::clamp(state.PaneCount, 1, 2); ++pane)
        parent.AddItem(WriteViewZoom(state.Panes[pane]));
    WriteEmptyElement(state.ShowKind == waveWindVolume ? "ShowVolume" : "ShowWave", parent);
    parent.AddItem(TWaveViewProps::WriteViewWaveXml(state.WaveViewProps));
    parent.AddItem(TVoldViewProps::WriteViewVolumeXml(state.VoldViewProps));
}
