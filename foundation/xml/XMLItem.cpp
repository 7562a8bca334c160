#include "foundation/xml/XMLItem.h"

#include "foundation/xml/XMLComplexElement.h"
#include "platform/Assertions.h"

TXMLItem::TXMLItem(std::string name_, TXMLItemKind kind_) : name(std::move(name_)), kind(kind_) {}

TXMLItem::~TXMLItem()
{
    DeleteXMLChain(std::move(next));
}

const TXMLItem* TXMLItem::GetChild(const std::string&) const
{
    QB_ASSERT(kind == xmlItemComplex);
    return nullptr;
}

const std::string& TXMLItem::GetValue() const
{
    QB_ASSERT(kind == xmlItemString);
    return name;
}

const TXMLItem* TXMLItem::GetFirst() const
{
    QB_ASSERT(kind == xmlItemComplex);
    return nullptr;
}

void TXMLItem::SetPosition(int32_t line_, int32_t column_)
{
    line = line_;
    column = column_;
}

void DeleteXMLChain(std::unique_ptr<TXMLItem> head)
{
    // Work list of items still to delete: each item leaves it childless and
    // unlinked, its children taking its place at the front.
    while (head) {
        std::unique_ptr<TXMLItem> item = std::move(head);
        head = std::move(item->next);
        if (item->kind == xmlItemComplex) {
            auto& complex = static_cast<TXMLComplexElement&>(*item);
            if (complex.first) {
                complex.last->next = std::move(head);
                head = std::move(complex.first);
                complex.last = nullptr;
            }
        }
    }
}
