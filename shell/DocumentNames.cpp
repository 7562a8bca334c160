#include "shell/DocumentNames.h"

std::string NewUnitName(const std::string& prefix, const std::string& suffix, const NameTakenTest& isTaken)
{
    // At most as many names can be taken as documents are open, so this ends.
    for (long long n = 1;; ++n) {
        std::string candidate = prefix + " " + std::to_string(n);
        if (!suffix.empty())
            candidate += " " + suffix;
        if (!isTaken(candidate))
            return candidate;
    }
}

std::string FreeUnitName(const std::string& wished, const NameTakenTest& isTaken)
{
    if (!isTaken(wished))
        return wished;
    return NewUnitName(wished, "", isTaken);
}
