#pragma once
#include "foundation/xml/DTDItem.h"

#include <cstdint>
#include <string>

class TColorPalette1DItem;
class TXMLItem;

// The element ColorPalette1D: BeginColor, any number of ColorPalette1DItem
// (Position, ColorBefore, optional UseColorAfter, ColorAfter) and EndColor.

// A new grammar item for the element.
TDTDItemPtr GetColorPalette1DElementDefinition();

// Replaces palette by the one in a ColorPalette1D element that has matched its
// grammar. Items are taken in position order whatever their order in the file;
// two items at one position are refused. On failure gives false with the
// message, line and column at the offending element, and leaves palette as it was.
bool ReadColorPalette1DXml(TColorPalette1DItem& palette, const TXMLItem& element, std::string& error,
                           int32_t& line, int32_t& column);
