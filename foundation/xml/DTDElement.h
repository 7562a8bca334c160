#pragma once
#include "foundation/xml/DTDItem.h"

#include <cstdint>

// A grammar item for one named element.
class TDTDElement : public TDTDItem {
public:
    const std::string& GetName() const { return name; }

    bool CanBeEmpty() const override { return false; }

    // Consumes the end tag of this element; every failure is fatal.
    virtual bool ReadEndTag(const TXMLToken*& cursor, std::string& error, bool& fatal) const;

protected:
    explicit TDTDElement(std::string name);

    // " at line L, column C."
    static std::string Position(int32_t line, int32_t column);
    static std::string Position(const TXMLToken& token);
    // "unexpected text "T", ", "unexpected begin of element "M", " and the like.
    static std::string Unexpected(const TXMLToken& token);
    // Fails on a token that is not what this element expects: fatal for a
    // text or the end of the file, since then no alternative can fit either.
    static bool Refuse(const TXMLToken& token, const std::string& expect, std::string& error, bool& fatal);

private:
    std::string name;
};
