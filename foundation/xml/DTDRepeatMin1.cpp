#include "foundation/xml/DTDRepeatMin1.h"

#include "foundation/xml/DTDRepeatMin0.h"
#include "platform/Assertions.h"

TDTDRepeatMin1::TDTDRepeatMin1(TDTDItemPtr item_) : item(std::move(item_))
{
    QB_ASSERT(item != nullptr);
}

bool TDTDRepeatMin1::Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error,
                           bool& fatal) const
{
    const TXMLToken* start = cursor;
    if (!item->Match(parent, cursor, error, fatal))
        return false;
    return cursor == start || TDTDRepeatMin0::MatchMore(*item, parent, cursor, error, fatal);
}
