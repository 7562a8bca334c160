#pragma once
#include "foundation/xml/DTDItem.h"

#include <string>
#include <string_view>

class TColorPalette1DItem;

// The colour-palette file: root UnitColorPalette1D holding Version "1.0" and a
// ColorPalette1D element. Only version "1.0" exists.

// The file's grammar, built on first use and kept for the program's life.
const TDTDItemPtr& GetColorPalette1DDefinition();

// Writes the palette; on failure shows "Cannot save Color Palette File: ..." and gives false.
bool WriteColorPalette1DFile(const TColorPalette1DItem& palette, const std::string& fileName);

// Reads a palette file into palette. On failure gives false with the reason
// (for a bad value followed by " At line L, column C.") and leaves palette as it was.
bool ReadColorPalette1DFile(TColorPalette1DItem& palette, const std::string& fileName, std::string& error);
// The same from the bytes of a file held in memory.
bool ReadColorPalette1DBytes(TColorPalette1DItem& palette, std::string_view fileBytes, std::string& error);
