#include "foundation/xml/DTDCompound.h"

#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLToken.h"
#include "platform/Assertions.h"

TDTDCompound::TDTDCompound(std::string name, TDTDItemPtr content_)
    : TDTDElement(std::move(name)), content(std::move(content_))
{
    QB_ASSERT(content != nullptr);
}

bool TDTDCompound::Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error,
                         bool& fatal) const
{
    QB_ASSERT(cursor != nullptr);
    // The root element starts at the document token that heads the list.
    if (cursor->GetTokenKind() == xmlTokenDocument)
        cursor = cursor->GetNext();
    QB_ASSERT(cursor != nullptr);
    const TXMLToken& begin = *cursor;
    const bool named = (begin.GetTokenKind() == xmlTokenBegin || begin.GetTokenKind() == xmlTokenEmpty) &&
                       begin.GetName() == GetName();
    if (!named)
        return Refuse(begin, "expect begin of element \"" + GetName() + "\",", error, fatal);

    auto element = std::make_unique<TXMLComplexElement>(GetName());
    element->SetPosition(begin.GetLine(), begin.GetColumn());
    cursor = begin.GetNext();
    if (begin.GetTokenKind() == xmlTokenEmpty) {
        if (!content->CanBeEmpty()) {
            error = "element \"" + GetName() + "\" should not be empty," + Position(begin);
            fatal = true;
            return false;
        }
        parent.AddItem(std::move(element));
        return true;
    }
    // Past the begin tag of this element nothing else can fit here.
    if (!content->Match(*element, cursor, error, fatal)) {
        fatal = true;
        return false;
    }
    parent.AddItem(std::move(element));
    return ReadEndTag(cursor, error, fatal);
}
