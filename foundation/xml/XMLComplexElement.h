#pragma once
#include "foundation/xml/XMLItem.h"

// An element whose content is a list of child elements (possibly none).
class TXMLComplexElement : public TXMLItem {
public:
    explicit TXMLComplexElement(std::string name);
    ~TXMLComplexElement() override;

    const TXMLItem* GetChild(const std::string& name) const override;
    const TXMLItem* GetFirst() const override;
    void WriteItem(std::string& out, int level) const override;

    // Appends item as the last child; any chain hanging from the item's next
    // link is cut off first. Gives the child that was last before, or nullptr.
    TXMLItem* AddItem(std::unique_ptr<TXMLItem> item);
    // The last child, or nullptr.
    TXMLItem* GetLastItem() { return last; }
    // Deletes every child after child (a child of this element) and makes it
    // the last; given nullptr, deletes all children.
    void DeleteItemsAfter(TXMLItem* child);

private:
    friend void DeleteXMLChain(std::unique_ptr<TXMLItem> head);

    std::unique_ptr<TXMLItem> first;
    TXMLItem* last = nullptr; // kept so that appending stays cheap in long lists
};
