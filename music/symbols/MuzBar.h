#pragma once
#include "music/symbols/XTouchMuzSymbol.h"

#include <memory>
#include <string>

class TCanvas;
class TMuzData;
class TSinglePartMuz;
class TXMLComplexElement;

// The time signature of a bar (single part): beats of one note value per
// measure, and the beats of a first, incomplete measure (an upbeat). It says
// where the bar lines of its part fall and is drawn on every stave.
class TMuzBar : public TXTouchMuzSymbol {
public:
    // Makes the bar symbol of a part that has none and hands it to the part.
    // Values outside 1..99 beats of 1, 2, 4 ... 64, or an upbeat outside
    // 0..count-1, are reported and replaced by 4/4 without upbeat.
    static TMuzBar* Attach(TSinglePartMuz& singlePartMuz, uint8_t length, int32_t count, int32_t countFirstBar);

    TMuzSymbolKind GetMuzSymbolKind() const override { return muzSymbolBar; }
    TPartMuz* GetPartMuz() const override;
    TSinglePartMuz* GetSinglePartMuz() const { return SinglePartMuz; }

    uint8_t GetLength() const { return Length; }
    int32_t GetCount() const { return Count; }
    int32_t GetCountFirstBar() const { return CountFirstBar; }
    // Changes the time signature; false (and nothing changes) for values the
    // readers would refuse. The upbeat is kept below the new count.
    bool SetCountAndLength(int32_t count, uint8_t length);
    // The upbeat; false (and nothing changes) outside 0..Count-1.
    bool SetCountFirstBar(int32_t countFirstBar);

    // Whole notes of the first measure.
    double GetFirstBarLength() const { return static_cast<double>(CountFirstBar) / Length; }
    double GetBarLength() const { return static_cast<double>(Count) / Length; }
    // The first bar line strictly after the position.
    double NextBarStart(double position) const;
    // One beat more or less of upbeat, modulo Count.
    void IncCountFirstBar() { CountFirstBar = (CountFirstBar + 1) % Count; }
    void DecCountFirstBar() { CountFirstBar = (CountFirstBar + Count - 1) % Count; }

    // Whether the values make a bar symbol the readers accept; else the reason.
    static bool IsValidCount(int32_t count, std::string& reason);
    static bool IsValidLength(int32_t length, std::string& reason);
    static bool IsValidCountFirstBar(int32_t countFirstBar, int32_t count, std::string& reason);

    // Draws the time signature on every stave played and drawn and sets the
    // touch range; gives the right edge.
    void Draw(TCanvas& canvas, int32_t x, int32_t& right, bool selected, const TMuzData& muzData);

    // The "Bar" element.
    std::unique_ptr<TXMLComplexElement> WriteXml(bool selected) const;

private:
    TMuzBar(TSinglePartMuz* singlePartMuz, uint8_t length, int32_t count, int32_t countFirstBar);

    uint8_t Length;
    int32_t Count;
    int32_t CountFirstBar;
    TSinglePartMuz* SinglePartMuz;
};
