#pragma once
#include "foundation/draw/Canvas.h"

#include <array>
#include <span>

// The outlines of the music's signs, as points relative to each sign's
// origin (x to the right, y downwards, in pixels). Which origin each table
// is drawn from is said with its drawing code.
namespace MusicGlyphs {

using Points = std::span<const TCanvasPoint>;

// Accidentals, from the sign's left edge at the head's height.
extern const std::array<TCanvasPoint, 14> FlatBelly; // from the flat's stem foot line
extern const std::array<std::array<TCanvasPoint, 8>, 4> DoubleSharpArms;

// Rests, from (x, middle line).
extern const std::array<TCanvasPoint, 28> QuarterRest;
extern const std::array<TCanvasPoint, 17> RestHook; // from the hook's origin
extern const std::array<TCanvasPoint, 4> RestStem;  // from the lowest hook's origin

// Clefs, from (x, middle line).
extern const std::array<TCanvasPoint, 6> GClefBlob;
extern const std::array<TCanvasPoint, 6> GClefLine; // drawn as connected lines
extern const std::array<TCanvasPoint, 6> GClefTopHook;
extern const std::array<TCanvasPoint, 18> GClefBody;
extern const std::array<TCanvasPoint, 20> GClefLowerLoop;
extern const std::array<TCanvasPoint, 10> CClefBeak;
extern const std::array<TCanvasPoint, 11> CClefUpperCurl;
extern const std::array<TCanvasPoint, 16> CClefUpperBow;
extern const std::array<TCanvasPoint, 30> FClefBody;

// The octave marks, 10 pixels high from the mark's top at the mark's x.
extern const std::array<std::array<TCanvasPoint, 4>, 2> DigitEight;
extern const std::array<TCanvasPoint, 4> DigitOne;
extern const std::array<TCanvasPoint, 12> DigitFive;

// A table filled with the brush and outlined with the pen, moved to the
// origin; mirrored upside down about the origin's line when asked.
void PolygonAt(TCanvas& canvas, Points points, TCanvasPoint origin, bool mirrored = false);
// A table drawn as connected lines with the pen.
void PolylineAt(TCanvas& canvas, Points points, TCanvasPoint origin);

} // namespace MusicGlyphs
