#pragma once
#include <cstdint>
#include <string>

enum TMusTreeItemKind : uint8_t { musTreeItemPartMuz = 0, musTreeItemTurn = 1, musTreeItemResult = 2 };

// An item of the Music Parts dialog's tree views: a part, a turn of an
// alternative-turns part, or a node of the played-order view. It carries the
// label the user gives it; an empty label shows the kind's default.
class TMusTreeItem {
public:
    TMusTreeItem() = default;
    TMusTreeItem(const TMusTreeItem&) = delete;
    TMusTreeItem& operator=(const TMusTreeItem&) = delete;
    virtual ~TMusTreeItem() = default;

    virtual TMusTreeItemKind GetMusTreeItemKind() const = 0;
    // The label shown: PartLabel, or the kind's default when it is empty.
    virtual std::string GetTreeLabel() const { return PartLabel; }

    void SetLabel(const std::string& label) { PartLabel = label; }
    const std::string& GetLabel() const { return PartLabel; }

protected:
    std::string PartLabel;
};
