#pragma once
#include <cstdint>
#include <memory>

class TPartMuz;

// The stack with which the music file reader rebuilds the part tree from its
// postfix list: a head cell that holds no part, then one cell per part read
// but not yet placed; the last cell is the top. A cell owns the cells after
// it and its part.
class TPartMuzStackItem {
public:
    // The head cell.
    TPartMuzStackItem() = default;
    // A cell to push, holding a part.
    explicit TPartMuzStackItem(std::unique_ptr<TPartMuz> contents);
    // Frees the following cells one by one, then its own part.
    ~TPartMuzStackItem();
    TPartMuzStackItem(const TPartMuzStackItem&) = delete;
    TPartMuzStackItem& operator=(const TPartMuzStackItem&) = delete;

    // Pushes: the cell goes to the end of the chain.
    void Append(std::unique_ptr<TPartMuzStackItem> cell);
    // Unlinks the last cell and hands it back; nullptr when only the head is left.
    std::unique_ptr<TPartMuzStackItem> Pop();
    bool IsLast() const { return Next == nullptr; }
    // Cells after this one.
    int32_t Count() const;
    // The cell's part, taken out.
    std::unique_ptr<TPartMuz> TakeContents();
    // Frees every cell after the head with the parts they hold.
    void Clear();

private:
    std::unique_ptr<TPartMuzStackItem> Next;
    TPartMuzStackItem* Previous = nullptr;
    // Kept by the head: the last cell, so pushing and popping need no walk.
    TPartMuzStackItem* Last = nullptr;
    std::unique_ptr<TPartMuz> Contents;
};
