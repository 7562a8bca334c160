#pragma once
#include "foundation/xml/DTDExpression.h"

// Zero or more items. Matches in a loop, so long lists need no stack.
class TDTDRepeatMin0 : public TDTDExpression {
public:
    explicit TDTDRepeatMin0(TDTDItemPtr item);

    bool CanBeEmpty() const override { return true; }
    bool Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const override;

private:
    friend class TDTDRepeatMin1;
    // Matches further items until one fails; fails only when that was fatal.
    static bool MatchMore(const TDTDItem& item, TXMLComplexElement& parent, const TXMLToken*& cursor,
                          std::string& error, bool& fatal);

    TDTDItemPtr item;
};
