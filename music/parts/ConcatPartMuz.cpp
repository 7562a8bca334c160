#include "music/parts/ConcatPartMuz.h"

#include "foundation/xml/XMLComplexElement.h"
#include "platform/Assertions.h"
#include "wave/view/ViewXml.h"

TConcatPartMuz::TConcatPartMuz(std::unique_ptr<TPartMuz> firstPart, std::unique_ptr<TPartMuz> secondPart,
                               TMuzData* muzData)
    : TPartMuz(muzData, unitFactorPosMore(), unitFactorPosMore()), FirstPart(std::move(firstPart)),
      SecondPart(std::move(secondPart))
{
    if (FirstPart)
        FirstPart->SetParent(this);
    if (SecondPart)
        SecondPart->SetParent(this);
}

TConcatPartMuz::~TConcatPartMuz()
{
    FreeChildren();
}

std::unique_ptr<TPartMuz>* TConcatPartMuz::GetChildLink(const TPartMuz* child)
{
    if (child == FirstPart.get())
        return &FirstPart;
    QB_CHECK(child == SecondPart.get());
    return &SecondPart;
}

std::unique_ptr<TPartMuz> TConcatPartMuz::ReplaceByChild()
{
    if (!QB_CHECK(!FirstPart || !SecondPart) || !QB_CHECK(FirstPart || SecondPart) || !QB_CHECK(Parent != nullptr))
        return nullptr;
    std::unique_ptr<TPartMuz>* link = Parent->GetChildLink(this);
    if (!link)
        return nullptr;
    TPartMuz* parent = Parent;
    std::unique_ptr<TPartMuz> self = std::move(*link);
    *link = FirstPart ? std::move(FirstPart) : std::move(SecondPart);
    (*link)->SetParent(parent);
    Parent = nullptr;
    return self;
}

void TConcatPartMuz::WriteOwnXml(TXMLComplexElement& parent, const TMusTreeItem*, const TXTouchMuzSymbol*) const
{
    WriteEmptyElement("ConcatMuzPart", parent);
}

void TConcatPartMuz::TakeChildren(std::unique_ptr<TPartMuz>* out, int32_t& count)
{
    if (FirstPart)
        out[count++] = std::move(FirstPart);
    if (SecondPart)
        out[count++] = std::move(SecondPart);
}
