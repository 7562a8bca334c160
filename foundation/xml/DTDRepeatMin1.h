#pragma once
#include "foundation/xml/DTDExpression.h"

// One or more items. Matches in a loop, so long lists need no stack.
class TDTDRepeatMin1 : public TDTDExpression {
public:
    explicit TDTDRepeatMin1(TDTDItemPtr item);

    bool CanBeEmpty() const override { return item->CanBeEmpty(); }
    bool Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const override;

private:
    TDTDItemPtr item;
};
