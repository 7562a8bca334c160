#pragma once
#include <stdexcept>
#include <string>

// Two kinds of internal checks.
//
// QB_CHECK(cond): the non-fatal kind. When cond is false it shows the
// "Assertion failed" box and yields false, so the caller can report and return:
//     if (!QB_CHECK(node != nullptr)) return;
//
// QB_ASSERT(cond): the fatal kind, for invariants no input can break. It hands
// the condition, file and line to the fatal handler, which by default prints
// them and aborts; tests install a handler that throws instead.

bool ReportAssertionFailed(const char* condition, const char* file, int line);
[[noreturn]] void FatalAssertionFailed(const char* condition, const char* file, int line);

// The file name as the assertion texts show it: the last component of a path.
std::string AssertionFileName(const char* file);

// The "Assertion failed" box of a non-fatal check.
void ShowAssertionFailed(const std::string& condition, const std::string& sourceFile, int line);

#define QB_CHECK(cond) ((cond) ? true : ReportAssertionFailed(#cond, __FILE__, __LINE__))
#define QB_ASSERT(cond) ((cond) ? (void)0 : FatalAssertionFailed(#cond, __FILE__, __LINE__))

struct FatalAssertion : std::logic_error {
    FatalAssertion(const std::string& condition, const std::string& file, int line);
    std::string condition;
    std::string file;
    int line;
};

using FatalAssertionHandler = void (*)(const char* condition, const char* file, int line);

// Installs a handler and gives the previous one; nullptr restores print-and-abort.
FatalAssertionHandler SetFatalAssertionHandler(FatalAssertionHandler handler);

// For tests: while alive, a fatal assertion throws FatalAssertion.
class ThrowOnFatalAssertion {
public:
    ThrowOnFatalAssertion();
    ~ThrowOnFatalAssertion();
    ThrowOnFatalAssertion(const ThrowOnFatalAssertion&) = delete;
    ThrowOnFatalAssertion& operator=(const ThrowOnFatalAssertion&) = delete;

private:
    FatalAssertionHandler previous;
};
