#include "foundation/xml/DTDRepeatMin0.h"

#include "platform/Assertions.h"

TDTDRepeatMin0::TDTDRepeatMin0(TDTDItemPtr item_) : item(std::move(item_))
{
    QB_ASSERT(item != nullptr);
}

bool TDTDRepeatMin0::Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error,
                           bool& fatal) const
{
    return MatchMore(*item, parent, cursor, error, fatal);
}

bool TDTDRepeatMin0::MatchMore(const TDTDItem& item, TXMLComplexElement& parent, const TXMLToken*& cursor,
                               std::string& error, bool& fatal)
{
    for (;;) {
        const Mark mark = Remember(parent, cursor);
        if (!item.Match(parent, cursor, error, fatal)) {
            if (fatal)
                return false;
            Restore(parent, cursor, mark);
            // The repetition ends here; the attempt's text is no error.
            error.clear();
            return true;
        }
        // An item that can match nothing would repeat for ever at one place.
        if (cursor == mark.cursor)
            return true;
    }
}
