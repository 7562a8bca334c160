#pragma once
#include "wave/display/PaneMap.h"

#include <cstdint>
#include <string>

class TWaveDisplayGroup;

// Widths of the status panel that shows where the mouse points.
constexpr int WaveformStatusWidth = 120;
constexpr int VolumeStatusWidth = 230;

// "(time, level %)" for the point (x, y) of a waveform pane.
std::string WaveformStatusText(const TPaneMap& map, int32_t x, int32_t y, double sampleFreq, int32_t channels);
// "(time, frequency )" and, for a wave with samples, the measured volume
// under the point of a volume-diagram pane.
std::string VolumeStatusText(const TWaveDisplayGroup& group, const TPaneMap& map, int32_t x, int32_t y);
