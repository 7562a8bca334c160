#include "wave/view/ColorPalette1DItem.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/Assertions.h"

namespace {

unitFactorPosMoreLess1 PositionOf(double value, UnitKind unitKind)
{
    return unitFactorPosMoreLess1(value, unitKind);
}

} // namespace

TColorPalette1DItem::TColorPalette1DItem(uint32_t beginColor, uint32_t endColor)
    : ColorBefore(beginColor), Position(PositionOf(0.0, EHPerc))
{
    NextColorPalette1DItem = std::make_unique<TColorPalette1DItem>(PositionOf(1.0, EHPerc), endColor);
}

TColorPalette1DItem::TColorPalette1DItem(const unitFactorPosMoreLess1& position, uint32_t colorBefore)
    : ColorBefore(colorBefore), Position(position)
{
}

TColorPalette1DItem::TColorPalette1DItem(const unitFactorPosMoreLess1& position, uint32_t colorBefore,
                                         uint32_t colorAfter, bool useColorAfter)
    : ColorBefore(colorBefore), UseColorAfter(useColorAfter), ColorAfter(colorAfter), Position(position)
{
}

TColorPalette1DItem::TColorPalette1DItem(const TColorPalette1DItem& other)
    : ColorBefore(other.ColorBefore), UseColorAfter(other.UseColorAfter), ColorAfter(other.ColorAfter),
      Position(other.Position)
{
    CopyChainFrom(other);
}

TColorPalette1DItem& TColorPalette1DItem::operator=(const TColorPalette1DItem& other)
{
    if (this == &other)
        return *this;
    // Copy first: other may be one of our own items.
    std::unique_ptr<TColorPalette1DItem> copy = std::make_unique<TColorPalette1DItem>(other);
    ColorBefore = copy->ColorBefore;
    UseColorAfter = copy->UseColorAfter;
    ColorAfter = copy->ColorAfter;
    Position = copy->Position;
    SetNext(copy->TakeNext());
    return *this;
}

TColorPalette1DItem::~TColorPalette1DItem()
{
    // Unlink item by item so that a long list is not destroyed recursively.
    std::unique_ptr<TColorPalette1DItem> rest = std::move(NextColorPalette1DItem);
    while (rest)
        rest = std::move(rest->NextColorPalette1DItem);
}

void TColorPalette1DItem::CopyChainFrom(const TColorPalette1DItem& other)
{
    TColorPalette1DItem* last = this;
    for (const TColorPalette1DItem* item = other.GetNext(); item; item = item->GetNext()) {
        last->NextColorPalette1DItem = std::make_unique<TColorPalette1DItem>(item->Position, item->ColorBefore,
                                                                             item->ColorAfter, item->UseColorAfter);
        last = last->NextColorPalette1DItem.get();
    }
}

bool TColorPalette1DItem::operator==(const TColorPalette1DItem& other) const
{
    const TColorPalette1DItem* a = this;
    const TColorPalette1DItem* b = &other;
    for (; a && b; a = a->GetNext(), b = b->GetNext()) {
        if (a->ColorBefore != b->ColorBefore || a->ColorAfter != b->ColorAfter
            || a->UseColorAfter != b->UseColorAfter || a->GetDPosition() != b->GetDPosition())
            return false;
    }
    return a == nullptr && b == nullptr;
}

void TColorPalette1DItem::SetColorAfter(uint32_t color)
{
    QB_CHECK(UseColorAfter);
    ColorAfter = color;
}

void TColorPalette1DItem::SetNext(std::unique_ptr<TColorPalette1DItem> next)
{
    std::unique_ptr<TColorPalette1DItem> old = std::move(NextColorPalette1DItem);
    NextColorPalette1DItem = std::move(next);
    // old dies here, iteratively through its destructor.
}

std::unique_ptr<TColorPalette1DItem> TColorPalette1DItem::TakeNext()
{
    return std::move(NextColorPalette1DItem);
}

TColorPalette1DItem* TColorPalette1DItem::GetLastItem()
{
    TColorPalette1DItem* item = this;
    while (item->GetNext())
        item = item->GetNext();
    return item;
}

const TColorPalette1DItem* TColorPalette1DItem::GetLastItem() const
{
    const TColorPalette1DItem* item = this;
    while (item->GetNext())
        item = item->GetNext();
    return item;
}

int TColorPalette1DItem::CountItems() const
{
    int count = 0;
    for (const TColorPalette1DItem* item = this; item; item = item->GetNext())
        ++count;
    return count;
}

uint32_t TColorPalette1DItem::GetColor(double p) const
{
    if (!NextColorPalette1DItem) {
        ReportAssertionFailed("NextColorPalette1DItem != NULL", __FILE__, __LINE__);
        return ColorBefore;
    }
    const TColorPalette1DItem* item = this;
    if (!(p >= item->GetDPosition())) // also catches NaN
        p = item->GetDPosition();
    for (;;) {
        const TColorPalette1DItem* next = item->GetNext();
        if (!next)
            return item->ColorBefore; // beyond the end item: the end colour
        if (p <= next->GetDPosition()) {
            double from = item->GetDPosition();
            double to = next->GetDPosition();
            // Two items at one position would divide by zero: take the later colour.
            double t = to > from ? LinearMap(p, from, to, 0.0, 1.0) : 1.0;
            return MixColors(item->GetStartColor(), next->ColorBefore, t);
        }
        item = next;
    }
}

TColorPalette1DItem* TColorPalette1DItem::InsertItem(unitFactorPosMoreLess1 position, uint32_t colorBefore)
{
    double q = position.GetValue();
    if (!(q > GetDPosition())) {
        ReportAssertionFailed("position > Position", __FILE__, __LINE__);
        return nullptr;
    }
    TColorPalette1DItem* item = this;
    while (item->GetNext() && item->GetNext()->GetDPosition() <= q)
        item = item->GetNext();
    // Equal positions would make GetColor divide by zero; beyond the end item breaks the ramp.
    if (!QB_CHECK(item->GetDPosition() != q))
        return nullptr;
    if (!QB_CHECK(item->GetNext() != nullptr || item == this))
        return nullptr;
    auto inserted = std::make_unique<TColorPalette1DItem>(position, colorBefore);
    inserted->NextColorPalette1DItem = std::move(item->NextColorPalette1DItem);
    item->NextColorPalette1DItem = std::move(inserted);
    return item->GetNext();
}

TColorPalette1DItem* TColorPalette1DItem::DeleteItem(TColorPalette1DItem* current)
{
    if (!QB_CHECK(current != nullptr))
        return nullptr;
    if (!QB_CHECK(current->GetDPosition() > 0 && current->GetDPosition() < 1))
        return nullptr;
    TColorPalette1DItem* prevItem = GetPreviousItem(current);
    if (!QB_CHECK(prevItem))
        return nullptr;
    TColorPalette1DItem* nextItem = current->GetNext();
    if (!QB_CHECK(nextItem))
        return nullptr;
    std::unique_ptr<TColorPalette1DItem> removed = std::move(prevItem->NextColorPalette1DItem);
    prevItem->NextColorPalette1DItem = std::move(removed->NextColorPalette1DItem);
    return prevItem;
}

TColorPalette1DItem* TColorPalette1DItem::GetPreviousItem(const TColorPalette1DItem* item)
{
    if (item == this)
        return nullptr;
    for (TColorPalette1DItem* current = this; current; current = current->GetNext()) {
        if (current->GetNext() == item)
            return current;
    }
    // The end was reached without finding the item.
    ReportAssertionFailed("NextColorPalette1DItem != NULL", __FILE__, __LINE__);
    return nullptr;
}

bool TColorPalette1DItem::PositionExists(double position, const TColorPalette1DItem* skip) const
{
    for (const TColorPalette1DItem* item = this; item; item = item->GetNext()) {
        if (item != skip && item->GetDPosition() == position)
            return true;
    }
    return false;
}

void TColorPalette1DItem::MoveItem(TColorPalette1DItem* item, TColorPalette1DItem* previous)
{
    if (!QB_CHECK(item != nullptr && previous != nullptr && previous->GetNext() == item))
        return;
    double p = item->GetDPosition();
    if (!QB_CHECK(p > 0 && p < 1 && item->GetNext() != nullptr))
        return;
    std::unique_ptr<TColorPalette1DItem> moving = std::move(previous->NextColorPalette1DItem);
    previous->NextColorPalette1DItem = std::move(moving->NextColorPalette1DItem);
    TColorPalette1DItem* after = this;
    while (after->GetNext() && after->GetNext()->GetDPosition() <= p)
        after = after->GetNext();
    moving->NextColorPalette1DItem = std::move(after->NextColorPalette1DItem);
    after->NextColorPalette1DItem = std::move(moving);
}

void TColorPalette1DItem::FadeColors(uint32_t toward, double factor)
{
    for (TColorPalette1DItem* item = this; item; item = item->GetNext()) {
        item->ColorBefore = MixColors(toward, item->ColorBefore, factor);
        item->ColorAfter = MixColors(toward, item->ColorAfter, factor);
    }
}

bool TColorPalette1DItem::IsWellFormed() const
{
    if (GetDPosition() != 0.0 || !GetNext())
        return false;
    const TColorPalette1DItem* item = this;
    for (; item->GetNext(); item = item->GetNext()) {
        if (!(item->GetNext()->GetDPosition() > item->GetDPosition()))
            return false;
    }
    return item->GetDPosition() == 1.0;
}
