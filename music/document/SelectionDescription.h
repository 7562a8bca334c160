#pragma once
#include <array>
#include <cstdint>
#include <string>

class TXTouchMuzSymbol;

// The seven texts of the music status bar's panels 1 to 7: what is selected
// (kind, tuplet, position, length, note name, frequency) and the document's
// save state ("New", "Changed" or nothing).
using TSelectionTexts = std::array<std::string, 7>;

TSelectionTexts DescribeSelection(const TXTouchMuzSymbol* selected, bool hasNoFileName, bool modified);

// A position or length in whole notes as a whole number and a binary
// fraction: "0", "3/8", "1 1/2". Denominators go up to 512, so a sixty-fourth
// with three dots is exact; anything finer is cut.
std::string FractionText(double x);

// A note's name: letter, accidental suffix and octave, such as "fis4" or "bes3".
std::string NoteNameText(int32_t pitch, uint8_t noteShift);
