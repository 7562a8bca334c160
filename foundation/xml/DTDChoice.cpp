#include "foundation/xml/DTDChoice.h"

#include "platform/Assertions.h"

TDTDChoice::TDTDChoice(TDTDItemPtr first_, TDTDItemPtr second_) : first(std::move(first_)), second(std::move(second_))
{
    QB_ASSERT(first != nullptr && second != nullptr);
}

bool TDTDChoice::CanBeEmpty() const
{
    return first->CanBeEmpty() || second->CanBeEmpty();
}

bool TDTDChoice::Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error, bool& fatal) const
{
    const Mark mark = Remember(parent, cursor);
    std::string alternative;
    if (first->Match(parent, cursor, alternative, fatal)) {
        error.clear();
        return true;
    }
    error = "Try choices( first choice: " + alternative + ", Second choice: ";
    if (fatal)
        return false;
    Restore(parent, cursor, mark);
    alternative.clear();
    if (second->Match(parent, cursor, alternative, fatal)) {
        error.clear();
        return true;
    }
    error += alternative + ")";
    return false;
}
