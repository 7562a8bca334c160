#include "foundation/xml/DTDExpression.h"

#include "foundation/xml/XMLComplexElement.h"

TDTDExpression::Mark TDTDExpression::Remember(TXMLComplexElement& parent, const TXMLToken* cursor)
{
    return {cursor, parent.GetLastItem()};
}

void TDTDExpression::Restore(TXMLComplexElement& parent, const TXMLToken*& cursor, const Mark& mark)
{
    cursor = mark.cursor;
    parent.DeleteItemsAfter(mark.lastChild);
}
