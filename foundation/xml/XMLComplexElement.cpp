#include "foundation/xml/XMLComplexElement.h"

#include "platform/Assertions.h"

TXMLComplexElement::TXMLComplexElement(std::string name) : TXMLItem(std::move(name), xmlItemComplex) {}

TXMLComplexElement::~TXMLComplexElement()
{
    last = nullptr;
    DeleteXMLChain(std::move(first));
}

const TXMLItem* TXMLComplexElement::GetChild(const std::string& name) const
{
    for (const TXMLItem* child = first.get(); child; child = child->GetNext())
        if (child->GetElement() == name)
            return child;
    return nullptr;
}

const TXMLItem* TXMLComplexElement::GetFirst() const
{
    return first.get();
}

void TXMLComplexElement::WriteItem(std::string& out, int level) const
{
    const std::string indent(2 * static_cast<size_t>(level), ' ');
    if (!first) {
        out += indent + "<" + GetElement() + " />\n";
        return;
    }
    out += indent + "<" + GetElement() + ">\n";
    for (const TXMLItem* child = first.get(); child; child = child->GetNext())
        child->WriteItem(out, level + 1);
    out += indent + "</" + GetElement() + ">\n";
}

TXMLItem* TXMLComplexElement::AddItem(std::unique_ptr<TXMLItem> item)
{
    QB_ASSERT(item != nullptr);
    DeleteXMLChain(std::move(item->next));
    TXMLItem* before = last;
    last = item.get();
    if (before)
        before->next = std::move(item);
    else
        first = std::move(item);
    return before;
}

void TXMLComplexElement::DeleteItemsAfter(TXMLItem* child)
{
    if (child == last)
        return;
    if (child) {
        DeleteXMLChain(std::move(child->next));
        last = child;
    } else {
        last = nullptr;
        DeleteXMLChain(std::move(first));
    }
}
