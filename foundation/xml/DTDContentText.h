#pragma once
#include "foundation/xml/DTDElement.h"

// An element whose content is one text, which must not be empty.
class TDTDContentText : public TDTDElement {
public:
    explicit TDTDContentText(std::string name);

    bool Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const override;
};
