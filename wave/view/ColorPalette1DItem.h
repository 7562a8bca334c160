#pragma once
#include "foundation/values/unitFactor.h"

#include <cstdint>
#include <memory>

class TXMLComplexElement;

// One item of a one-dimensional colour palette, and through its head the whole
// palette: items at increasing positions from 0 (the head) to 1 (the end item);
// between two items the colour is mixed linearly. An inner item may start the
// stretch on its right with another colour than the one its left stretch ends
// with, which makes a sharp step.
//
// The owner holds the head by value; every other item is owned by the item
// before it. Colours hold red in bits 0-7, green in 8-15 and blue in 16-23.
class TColorPalette1DItem {
public:
    // A palette of two items: this head at 0 and a new end item at 1.
    TColorPalette1DItem(uint32_t beginColor, uint32_t endColor);
    // A single item without a next one.
    TColorPalette1DItem(const unitFactorPosMoreLess1& position, uint32_t colorBefore);
    TColorPalette1DItem(const unitFactorPosMoreLess1& position, uint32_t colorBefore, uint32_t colorAfter,
                        bool useColorAfter);
    // Copies this item and every item after it.
    TColorPalette1DItem(const TColorPalette1DItem& other);
    // The palette becomes a copy of the other palette.
    TColorPalette1DItem& operator=(const TColorPalette1DItem& other);
    ~TColorPalette1DItem();

    // Same number of items, each pair equal in colours, flag and position.
    bool operator==(const TColorPalette1DItem& other) const;
    bool operator!=(const TColorPalette1DItem& other) const { return !(*this == other); }

    double GetDPosition() const { return Position.GetValue(); }
    const unitFactorPosMoreLess1& GetPosition() const { return Position; }
    void SetPosition(const unitFactorPosMoreLess1& position) { Position = position; }
    uint32_t GetColorBefore() const { return ColorBefore; }
    void SetColorBefore(uint32_t color) { ColorBefore = color; }
    uint32_t GetColorAfter() const { return ColorAfter; }
    // Only meaningful while UseColorAfter is set; reported otherwise, set anyway.
    void SetColorAfter(uint32_t color);
    bool GetUseColorAfter() const { return UseColorAfter; }
    void SetUseColorAfter(bool use) { UseColorAfter = use; }
    // The colour that starts the stretch on the right of this item.
    uint32_t GetStartColor() const { return UseColorAfter ? ColorAfter : ColorBefore; }

    TColorPalette1DItem* GetNext() const { return NextColorPalette1DItem.get(); }
    // Replaces the items after this one (the old ones are deleted).
    void SetNext(std::unique_ptr<TColorPalette1DItem> next);
    // Detaches and hands over the items after this one.
    std::unique_ptr<TColorPalette1DItem> TakeNext();
    // Deletes every item after this one.
    void DeleteItemsAfter() { SetNext(nullptr); }
    TColorPalette1DItem* GetLastItem();
    const TColorPalette1DItem* GetLastItem() const;
    int CountItems() const;

    // List operations, called on the head.

    // The colour at p; p below 0 gives the begin colour, above 1 the end colour.
    uint32_t GetColor(double p) const;
    // Links a new item in position order. A position that is not strictly
    // between this item's and the end item's, or that an item already has, is
    // reported and refused: the result is then null and the list unchanged.
    TColorPalette1DItem* InsertItem(unitFactorPosMoreLess1 position, uint32_t colorBefore);
    // Unlinks and deletes an inner item; gives the item before it (null when refused).
    TColorPalette1DItem* DeleteItem(TColorPalette1DItem* item);
    // The item before the given one; null for the head or an item not in the list.
    TColorPalette1DItem* GetPreviousItem(const TColorPalette1DItem* item);
    bool PositionExists(double position, const TColorPalette1DItem* skip) const;
    // Puts an inner item whose position has just changed back into position order.
    void MoveItem(TColorPalette1DItem* item, TColorPalette1DItem* previous);
    // Every colour of the list becomes MixColors(toward, colour, factor).
    void FadeColors(uint32_t toward, double factor);
    // A palette is well formed when it starts at 0, ends at 1 and increases strictly.
    bool IsWellFormed() const;

    // Appends BeginColor, the ColorPalette1DItem elements and EndColor to parent.
    void WriteColorPalette1DXml(TXMLComplexElement& parent) const;

private:
    uint32_t ColorBefore = 0;
    bool UseColorAfter = false;
    uint32_t ColorAfter = 0;
    unitFactorPosMoreLess1 Position;
    std::unique_ptr<TColorPalette1DItem> NextColorPalette1DItem;

    void CopyChainFrom(const TColorPalette1DItem& other);
};
