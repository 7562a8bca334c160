#pragma once
#include "wave/display/PaneMap.h"

#include <cstdint>
#include <initializer_list>
#include <string>

class TWaveDisplayGroup;

// Widths of the status panel that shows where the mouse points; the panel
// grows to hold the widest text below in the font in use.
constexpr int WaveformStatusWidth = 120;
constexpr int VolumeStatusWidth = 230;

// The widest texts the two functions below give (for waves up to 100 hours).
std::string WidestWaveformStatusText();
std::string WidestVolumeStatusText();
// Of the texts, the one with the most characters.
std::string Longest(std::initializer_list<std::string> texts);

// "(time, level %)" for the point (x, y) of a waveform pane.
std::string WaveformStatusText(const TPaneMap& map, int32_t x, int32_t y, double sampleFreq, int32_t channels);
// "(time, frequency )" and, for a wave with samples, the measured volume
// under the point of a volume-diagram pane.
std::string VolumeStatusText(const TWaveDisplayGroup& group, const TPaneMap& map, int32_t x, int32_t y);
