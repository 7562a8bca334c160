#include "music/layout/LayoutCheck.h"

#include "platform/Assertions.h"

#include <set>
#include <string>

namespace {

std::set<std::string>& Reported()
{
    static std::set<std::string> reported;
    return reported;
}

} // namespace

bool ReportLayoutCheckOnce(const char* condition, const char* file, int line)
{
    const std::string key = AssertionFileName(file) + ":" + std::to_string(line);
    if (Reported().insert(key).second)
        ReportAssertionFailed(condition, file, line);
    return false;
}

void ResetLayoutCheckReports()
{
    Reported().clear();
}
