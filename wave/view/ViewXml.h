#pragma once
#include "foundation/values/unit.h"
#include "foundation/values/unitColor.h"
#include "foundation/xml/XMLComplexElement.h"
#include "platform/Assertions.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

// Helpers of the readers and writers of the view elements and the side file.
// Readers walk elements that have already matched their grammar, so a missing
// or misplaced element is a broken invariant, not bad input.

inline const TXMLItem* ExpectElement(const TXMLItem* item, const char* name)
{
    QB_ASSERT(item != nullptr && item->GetElement() == name);
    return item;
}

// Whether item is there and has the name.
inline bool IsElement(const TXMLItem* item, const char* name)
{
    return item != nullptr && item->GetElement() == name;
}

// Which of names item has, as an index into names; the grammar allows no other.
inline int WhichElement(const TXMLItem* item, std::initializer_list<const char*> names)
{
    QB_ASSERT(item != nullptr);
    int index = 0;
    for (const char* name : names) {
        if (item->GetElement() == name)
            return index;
        ++index;
    }
    QB_ASSERT(!"element allowed by the grammar");
    return 0;
}

// A colour text as hexadecimal digits; the message names the element.
inline bool ReadColorElement(const TXMLItem* item, const char* name, uint32_t& color, std::string& error,
                             int32_t& line, int32_t& column)
{
    unitColor value;
    if (!value.ReadXml(*ExpectElement(item, name), error, line, column))
        return false;
    color = static_cast<uint32_t>(value.GetValue());
    return true;
}

inline void WriteColorElement(const char* name, uint32_t color, TXMLComplexElement& parent)
{
    unitColor(static_cast<int32_t>(color)).WriteXml(name, parent);
}

// An element without content.
inline void WriteEmptyElement(const char* name, TXMLComplexElement& parent)
{
    parent.AddItem(std::make_unique<TXMLComplexElement>(name));
}

// A value text through the value's parser with the given label; line and
// column point at the element.
inline bool ReadValueElement(unit& value, const TXMLItem* item, const char* name, const char* label,
                             std::string& error, int32_t& line, int32_t& column)
{
    ExpectElement(item, name);
    line = item->GetLine();
    column = item->GetColumn();
    return value.SetFromText(item->GetValue(), label, error);
}
