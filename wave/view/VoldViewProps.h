#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitTime.h"
#include "wave/view/ColorPalette1DItem.h"

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/xml/DTDItem.h"
class TXMLComplexElement;
class TXMLItem;

// Spacing of the rows of the volume diagram.
enum : uint8_t { YLinFreq = 0, YLog = 1, YLinTime = 2 };
// The curve applied to a volume before Strength.
enum : uint8_t { SensLow = 0, SensNormal = 1, SensHigh = 2, SensVeryHigh = 3 };

// How a wave window computes and draws its volume diagram: columns and rows,
// the band of periods the rows cover and their spacing, band width, strength,
// colours and an optional one-dimensional colour palette.
class TVoldViewProps {
public:
    TVoldViewProps();
    TVoldViewProps(const TVoldViewProps&) = default;
    TVoldViewProps& operator=(const TVoldViewProps&) = default;

    bool operator==(const TVoldViewProps& other) const;
    bool operator!=(const TVoldViewProps& other) const { return !(*this == other); }

    // Whether the diagram must be computed anew: only the fields the writer
    // computes with count, not colours, strength, sensitivity, layout or palette.
    bool NeedsRecalculation(const TVoldViewProps& other) const;

    // The five colours and every colour of the palette become MixColors(toward, colour, factor).
    void FadeColors(uint32_t toward, double factor);

    // A diagram holds XResolution x YResolution cells per channel; more than
    // this many would not fit comfortably in memory.
    static constexpr int64_t MaxCellCount = int64_t(1) << 24;
    // Whether the resolutions give a diagram of at most MaxCellCount cells.
    bool CellCountFits() const;

    // The grammar item of the element ViewVolume (a new one on every call).
    static TDTDItemPtr GetViewVolumeDefinition();
    // Fills props from a ViewVolume element that has matched its grammar. On a
    // bad value gives false with the message, and line and column at the element.
    static bool ReadViewVolumeXml(TVoldViewProps& props, const TXMLItem* viewVolume, std::string& error,
                                  int32_t& line, int32_t& column);
    static std::unique_ptr<TXMLComplexElement> WriteViewVolumeXml(const TVoldViewProps& props);

    unitIntegerPosMore XResolution;
    unitIntegerPosMore YResolution;
    unitTimePosMore TimeTop;
    unitTimePosMore TimeBottom;
    unitFactorPosMore YWidth;
    uint8_t FreqAxisKind = YLog;
    bool DrawSingle = true;
    uint8_t SensKind = SensNormal;
    unitFactorPosMore Strength;
    uint32_t BackgroundColor = 0x000000;
    uint32_t SingleColor = 0xFFFFFF;
    uint32_t LeftColor = 0x0000FF;
    uint32_t RightColor = 0x808000;
    uint32_t CursorColor = 0xFF00FF;
    bool UseColorPalette1D = false;
    TColorPalette1DItem ColorPalette1D;
};
