#pragma once
#include "foundation/xml/XMLItem.h"

// An element whose content is one text, held in plain form (escapes undone).
class TXMLStringElement : public TXMLItem {
public:
    TXMLStringElement(std::string name, std::string text);

    const std::string& GetValue() const override { return text; }
    void WriteItem(std::string& out, int level) const override;

private:
    std::string text;
};
