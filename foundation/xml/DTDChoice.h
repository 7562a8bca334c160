#pragma once
#include "foundation/xml/DTDExpression.h"

// First or else second; second is tried only when first failed without
// fault at the same place. Longer choices nest.
class TDTDChoice : public TDTDExpression {
public:
    TDTDChoice(TDTDItemPtr first, TDTDItemPtr second);

    bool CanBeEmpty() const override;
    bool Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const override;

private:
    TDTDItemPtr first;
    TDTDItemPtr second;
};
