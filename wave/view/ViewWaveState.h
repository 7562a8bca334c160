#pragma once
#include "foundation/xml/DTDItem.h"
#include "wave/view/VoldViewProps.h"
#include "wave/view/WaveViewProps.h"

#include <cstdint>
#include <string>

class TXMLComplexElement;
class TXMLItem;

// What both panes of a wave window show.
enum : uint8_t { waveWindWave = 0, waveWindVolume = 1 };

// The zoom of one pane as the side file keeps it: the whole wave, or the
// range from the first to the last visible value.
struct TViewPaneZoom {
    bool Zoomed = false;
    int32_t From = 0;
    int32_t To = 0;

    bool operator==(const TViewPaneZoom& other) const
    {
        return Zoomed == other.Zoomed && (!Zoomed || (From == other.From && To == other.To));
    }
};

// The view state of a wave window as the side file keeps it: the six elements
// SplitPosition, View, View (optional), ShowWave or ShowVolume, ViewWave and
// ViewVolume.
struct TViewWaveState {
    double SplitPosition = 0.5;
    // Panes the state holds: a file may hold only the first one.
    int PaneCount = 2;
    TViewPaneZoom Panes[2];
    uint8_t ShowKind = waveWindWave;
    TWaveViewProps WaveViewProps;
    TVoldViewProps VoldViewProps;

    // The grammar of the six elements, a sequence to place inside a root element.
    static TDTDItemPtr GetViewWaveGroupDefinition();

    // Reads the six elements, the first being splitPosition, over state (which
    // keeps what the elements leave alone, such as a backdrop's name), for a
    // wave of waveValues values. On a bad value gives false with the message,
    // line and column at its element. after receives the element that follows
    // the view state, or null.
    static bool ReadViewWaveGroupXml(TViewWaveState& state, const TXMLItem* splitPosition, int32_t waveValues,
                                     std::string& error, int32_t& line, int32_t& column, const TXMLItem*& after);
    // Appends the six elements to parent.
    static void WriteViewWaveGroupXml(const TViewWaveState& state, TXMLComplexElement& parent);
};
