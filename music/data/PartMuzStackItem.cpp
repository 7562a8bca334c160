#include "music/data/PartMuzStackItem.h"

#include "music/parts/PartMuz.h"
#include "platform/Assertions.h"

TPartMuzStackItem::TPartMuzStackItem(std::unique_ptr<TPartMuz> contents) : Contents(std::move(contents)) {}

TPartMuzStackItem::~TPartMuzStackItem()
{
    std::unique_ptr<TPartMuzStackItem> rest = std::move(Next);
    while (rest) {
        std::unique_ptr<TPartMuzStackItem> after = std::move(rest->Next);
        rest.reset();
        rest = std::move(after);
    }
}

void TPartMuzStackItem::Append(std::unique_ptr<TPartMuzStackItem> cell)
{
    if (!QB_CHECK(cell != nullptr))
        return;
    TPartMuzStackItem* last = Last ? Last : this;
    cell->Previous = last;
    last->Next = std::move(cell);
    Last = last->Next.get();
}

std::unique_ptr<TPartMuzStackItem> TPartMuzStackItem::Pop()
{
    if (!Last)
        return nullptr;
    TPartMuzStackItem* previous = Last->Previous;
    std::unique_ptr<TPartMuzStackItem> cell = std::move(previous->Next);
    cell->Previous = nullptr;
    Last = previous == this ? nullptr : previous;
    return cell;
}

int32_t TPartMuzStackItem::Count() const
{
    int32_t count = 0;
    for (const TPartMuzStackItem* cell = Next.get(); cell; cell = cell->Next.get())
        ++count;
    return count;
}

std::unique_ptr<TPartMuz> TPartMuzStackItem::TakeContents()
{
    QB_CHECK(Contents != nullptr);
    return std::move(Contents);
}

void TPartMuzStackItem::Clear()
{
    QB_CHECK(Contents == nullptr);
    while (Pop() != nullptr) {
    }
}
