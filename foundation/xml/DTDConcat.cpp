#include "foundation/xml/DTDConcat.h"

#include "platform/Assertions.h"

TDTDConcat::TDTDConcat(TDTDItemPtr first_, TDTDItemPtr second_) : first(std::move(first_)), second(std::move(second_))
{
    QB_ASSERT(first != nullptr && second != nullptr);
}

bool TDTDConcat::CanBeEmpty() const
{
    return first->CanBeEmpty() && second->CanBeEmpty();
}

bool TDTDConcat::Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const
{
    return first->Match(parent, cursor, error, fatal) && second->Match(parent, cursor, error, fatal);
}
