#pragma once
#include "foundation/xml/DTDExpression.h"

// First, then second. Longer sequences nest.
class TDTDConcat : public TDTDExpression {
public:
    TDTDConcat(TDTDItemPtr first, TDTDItemPtr second);

    bool CanBeEmpty() const override;
    bool Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const override;

private:
    TDTDItemPtr first;
    TDTDItemPtr second;
};
