#pragma once
#include "wave/view/ViewWaveState.h"

#include <cstdint>
#include <string>

class TViewPane;
class TXMLComplexElement;
class TXMLItem;

// The view of a wave window without its painting: the two panes side by side
// with the split between them, what they show, the two settings records, the
// split position waiting for the window's size, and the zoom kept across
// edits. The wave window's view group builds on it; headless windows and the
// side file use it as it is. The panes are not owned.
class TViewWaveGroupModel {
public:
    TViewWaveGroupModel(const TWaveViewProps& waveViewProps, const TVoldViewProps& voldViewProps);
    virtual ~TViewWaveGroupModel() = default;
    TViewWaveGroupModel(const TViewWaveGroupModel&) = delete;
    TViewWaveGroupModel& operator=(const TViewWaveGroupModel&) = delete;

    // The first pane to register is the left one, the second the right one.
    void AddView(TViewPane* pane);
    // Pane 1 or 2; null for any other number or a pane not registered yet.
    TViewPane* GetView(int number) const;

    uint8_t GetShowKind() const { return waveWindKind; }
    void SetShowKind(uint8_t kind);
    const TWaveViewProps& GetWaveViewProps() const { return WaveViewProps; }
    const TVoldViewProps& GetVoldViewProps() const { return VoldViewProps; }
    // New settings from a dialog; the panes then show what the settings are for.
    void SetWaveViewProps(const TWaveViewProps& props);
    void SetVoldViewProps(const TVoldViewProps& props);

    // The first pane takes the fraction of both widths, rounded; each keeps a pixel.
    void SetSplitPosition(double fraction);
    double GetSplitPosition() const;
    int32_t GetViewsWidth() const;
    void SetPendingSplitPosition(double fraction);
    bool IsSplitPending() const { return SplitPending; }
    double GetPendingSplitPosition() const { return PendingSplitPosition; }
    // Once the window has its size; what is pending stays pending.
    void ApplyPendingSplitPosition();
    void ApplyPendingZoom();

    // Around a command that replaces [begin, end) by [begin, newEnd).
    void BeginKeepZoom(int32_t begin, int32_t end);
    void EndKeepZoom(int32_t begin, int32_t newEnd);

    // The state as the side file keeps it.
    TViewWaveState GetViewState() const;
    // Takes over a state read from a side file. With pending set (the window
    // has no size yet) the split and the zooms wait for ApplyPending...; a
    // state of one pane leaves the second pane as it is.
    void ApplyViewState(const TViewWaveState& state, bool pending);

    static TDTDItemPtr GetViewWaveGroupDefinition() { return TViewWaveState::GetViewWaveGroupDefinition(); }
    // Reads the view state of a wave of waveValues values, starting at its
    // SplitPosition element, and applies it; a bad value changes nothing and
    // gives false with the message, line and column.
    bool ReadViewWaveGroupXml(const TXMLItem* splitPosition, int32_t waveValues, std::string& error, int32_t& line,
                              int32_t& column, bool pending);
    void WriteViewWaveGroupXml(TXMLComplexElement& parent) const;

protected:
    // After the show kind was set: the window picks its icon and repaints.
    virtual void ShowKindChanged() {}

private:
    TViewPane* ViewFirst = nullptr;
    TViewPane* ViewSecond = nullptr;
    uint8_t waveWindKind = waveWindWave;
    TWaveViewProps WaveViewProps;
    TVoldViewProps VoldViewProps;
    double PendingSplitPosition = 0;
    bool SplitPending = false;
};
