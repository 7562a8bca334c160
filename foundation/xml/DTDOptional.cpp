#include "foundation/xml/DTDOptional.h"

#include "platform/Assertions.h"

TDTDOptional::TDTDOptional(TDTDItemPtr item_) : item(std::move(item_))
{
    QB_ASSERT(item != nullptr);
}

bool TDTDOptional::Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const
{
    const Mark mark = Remember(parent, cursor);
    if (item->Match(parent, cursor, error, fatal))
        return true;
    if (fatal)
        return false;
    Restore(parent, cursor, mark);
    // What was not there went nowhere wrong.
    error.clear();
    return true;
}
