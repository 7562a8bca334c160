#pragma once
#include "foundation/xml/DTDExpression.h"

// Zero or one item.
class TDTDOptional : public TDTDExpression {
public:
    explicit TDTDOptional(TDTDItemPtr item);

    bool CanBeEmpty() const override { return true; }
    bool Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const override;

private:
    TDTDItemPtr item;
};
