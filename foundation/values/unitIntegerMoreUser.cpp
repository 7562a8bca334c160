#include "foundation/values/unitIntegerMoreUser.h"

bool unitIntegerMoreUser::SetFromText(const std::string& text, const std::string& label, std::string& error)
{
    std::string reason;
    return ParseIntegerMoreUserText(*this, text, reason) || Refuse(label, reason, error);
}
