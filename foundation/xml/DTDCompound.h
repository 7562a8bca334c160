#pragma once
#include "foundation/xml/DTDElement.h"

// An element whose content matches the content item; a TDTDEmpty content
// makes an element that holds nothing.
class TDTDCompound : public TDTDElement {
public:
    TDTDCompound(std::string name, TDTDItemPtr content);

    bool Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const override;

private:
    TDTDItemPtr content;
};
