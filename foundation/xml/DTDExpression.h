#pragma once
#include "foundation/xml/DTDItem.h"

class TXMLItem;

// A content expression: how the items inside an element follow each other.
class TDTDExpression : public TDTDItem {
protected:
    TDTDExpression() = default;

    // Where a match started, so that an alternative can start there again.
    struct Mark {
        const TXMLToken* cursor;
        TXMLItem* lastChild;
    };
    static Mark Remember(TXMLComplexElement& parent, const TXMLToken* cursor);
    // Puts the cursor back and deletes every child the parent gained since.
    static void Restore(TXMLComplexElement& parent, const TXMLToken*& cursor, const Mark& mark);
};
