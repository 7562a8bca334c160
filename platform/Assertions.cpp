#include "platform/Assertions.h"

#include "platform/MessageService.h"

#include <cstdio>
#include <cstdlib>

namespace {

FatalAssertionHandler fatalHandler = nullptr;

void ThrowingHandler(const char* condition, const char* file, int line)
{
    throw FatalAssertion(condition, AssertionFileName(file), line);
}

} // namespace

std::string AssertionFileName(const char* file)
{
    std::string name = file ? file : "";
    size_t slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

void ShowAssertionFailed(const std::string& condition, const std::string& sourceFile, int line)
{
    // No blank between the closing quote and "failed!": the text is kept as users know it.
    ShowMessage("In " + sourceFile + " line " + std::to_string(line) + ": Condition \"" + condition + "\"failed!",
                "Assertion failed", MsgIcon::Information);
}

bool ReportAssertionFailed(const char* condition, const char* file, int line)
{
    ShowAssertionFailed(condition, AssertionFileName(file), line);
    return false;
}

void FatalAssertionFailed(const char* condition, const char* file, int line)
{
    if (fatalHandler)
        fatalHandler(condition, file, line);
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition, AssertionFileName(file).c_str(), line);
    std::abort();
}

FatalAssertion::FatalAssertion(const std::string& condition_, const std::string& file_, int line_)
    : std::logic_error("Assertion failed: " + condition_ + ", file " + file_ + ", line " + std::to_string(line_)),
      condition(condition_), file(file_), line(line_)
{
}

FatalAssertionHandler SetFatalAssertionHandler(FatalAssertionHandler handler)
{
    FatalAssertionHandler previous = fatalHandler;
    fatalHandler = handler;
    return previous;
}

ThrowOnFatalAssertion::ThrowOnFatalAssertion() : previous(SetFatalAssertionHandler(ThrowingHandler)) {}

ThrowOnFatalAssertion::~ThrowOnFatalAssertion()
{
    SetFatalAssertionHandler(previous);
}
