#pragma once
#include "foundation/values/unit.h"

#include <cstdint>
#include <string>

// A colour: red in bits 0-7, green 8-15, blue 16-23; written to XML as
// upper-case hexadecimal digits of the number as stored. Only read from XML.
class unitColor : public unit {
public:
    unitColor() : unitColor(0) {}
    explicit unitColor(int32_t value) : unit(EHNone, ValueDomain::AllValues), value(value) {}

    std::string GetText() const override;
    // Colours are never typed; calling this is a programming error.
    bool SetFromText(const std::string& text, const std::string& label, std::string& error) override;
    bool ReadXml(const TXMLItem& element, std::string& error, int32_t& line, int32_t& column) override;

    int32_t GetValue() const { return value; }
    void SetValue(int32_t newValue) { value = newValue; }

private:
    int32_t value;
};
