#include "foundation/xml/DTDContentText.h"

#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLEscape.h"
#include "foundation/xml/XMLStringElement.h"
#include "foundation/xml/XMLToken.h"
#include "platform/Assertions.h"

TDTDContentText::TDTDContentText(std::string name) : TDTDElement(std::move(name)) {}

bool TDTDContentText::Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error,
                            bool& fatal) const
{
    QB_ASSERT(cursor != nullptr);
    const TXMLToken& begin = *cursor;
    if (begin.GetTokenKind() != xmlTokenBegin || begin.GetName() != GetName())
        return Refuse(begin, "expect begin of element \"" + GetName() + "\".", error, fatal);

    const TXMLToken* content = begin.GetNext();
    QB_ASSERT(content != nullptr);
    if (content->GetTokenKind() != xmlTokenAttr) {
        error = Unexpected(*content) + "expect text," + Position(begin);
        fatal = true;
        return false;
    }
    auto element = std::make_unique<TXMLStringElement>(GetName(), TextFromFile(content->GetText()));
    element->SetPosition(begin.GetLine(), begin.GetColumn());
    parent.AddItem(std::move(element));
    cursor = content->GetNext();
    return ReadEndTag(cursor, error, fatal);
}
