#include "foundation/values/GetNumberValue.h"

#include "foundation/values/unitInteger.h"

bool GetNumberValue(const TXMLItem& element, int32_t& number, std::string& error, int32_t& line, int32_t& column)
{
    unitInteger value(0, EHNone);
    if (!value.ReadXml(element, error, line, column))
        return false;
    number = value.GetValue();
    return true;
}
