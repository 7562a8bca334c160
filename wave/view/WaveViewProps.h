#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/xml/DTDItem.h"
class TXMLComplexElement;
class TXMLItem;

// Draw kinds, distribution kinds and front kinds of the waveform.
enum : uint8_t { DrawLines = 0, DrawPixels = 1 };
enum : uint8_t { DistPeriod = 0, DistRandom = 1 };
enum : uint8_t { FrontNone = 0, FrontLeft = 1, FrontRight = 2 };

// How a wave window draws its wave as a waveform: lines or points, values per
// pixel column, grid, colours, the stereo layout and an optional backdrop made
// from another wave window, named by its document's name.
class TWaveViewProps {
public:
    TWaveViewProps();
    TWaveViewProps(const TWaveViewProps&) = default;
    TWaveViewProps& operator=(const TWaveViewProps&) = default;

    bool operator==(const TWaveViewProps& other) const;
    bool operator!=(const TWaveViewProps& other) const { return !(*this == other); }

    // The six colours become MixColors(toward, colour, factor).
    void FadeColors(uint32_t toward, double factor);

    // The grammar item of the element ViewWave (a new one on every call).
    static TDTDItemPtr GetViewWaveDefinition();
    // The most values per pixel a wave of this many values is drawn with: more
    // would only read its values again (and a column of the pane costs one read
    // each), yet the default holds for the shortest wave.
    static int32_t MostValuesPerPixel(int32_t waveValues);
    // Fills props from a ViewWave element that has matched its grammar, for a
    // wave of waveValues values. On a bad value gives false with the message,
    // and line and column at the element.
    static bool ReadViewWaveXml(TWaveViewProps& props, const TXMLItem* viewWave, int32_t waveValues,
                                std::string& error, int32_t& line, int32_t& column);
    static std::unique_ptr<TXMLComplexElement> WriteViewWaveXml(const TWaveViewProps& props);

    uint8_t DrawKind = DrawLines;
    uint8_t DistKind = DistPeriod;
    unitIntegerPosMore ValuesPerPixel;
    bool UseGrid = true;
    uint32_t GridColor = 0x808080;
    uint32_t CursorColor = 0xFF00FF;
    unitFactorPosMore Strength;
    uint32_t BackgroundColor = 0xFFFFFF;
    uint32_t SingleColor = 0x000000;
    bool DrawSingle = true;
    uint32_t LeftColor = 0x0000FF;
    uint32_t RightColor = 0x808000;
    uint8_t FrontKind = FrontNone;
    bool DrawEnvelope = false;
    unitFactorPosMax1 EnvelopeStrength;
    unitUnitWave Envelope;
};
