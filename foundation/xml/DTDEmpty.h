#pragma once
#include "foundation/xml/DTDExpression.h"

// Matches nothing: the content of an element that holds nothing.
class TDTDEmpty : public TDTDExpression {
public:
    TDTDEmpty() = default;

    bool CanBeEmpty() const override { return true; }
    bool Match(TXMLComplexElement&, const TXMLToken*&, std::string&, bool&) const override { return true; }
};
