#pragma once

#include <stdexcept>
#include <string>

namespace TESSEL {

// The error raised by the assertion service when an internal invariant is broken. Carries the
// message text (such as ": !erh.hasError(),"), the source name (such as "main/initialize")
// and the line. `what()` is "Assertion failed: <message> at <source>:<line>".
class AssertionError : public std::logic_error {
public:
    AssertionError(const std::string& message, const std::string& source, int line);

    const std::string& message() const { return message_; }
    const std::string& source() const { return source_; }
    int line() const { return line_; }

private:
    std::string message_;
    std::string source_;
    int line_;
};

// The assertion service: writes "Assertion failed: <message> at <source>:<line>" to stderr and
// throws AssertionError. A failed assertion is never ignored: the caller either catches the
// error or lets it end the operation.
[[noreturn]] void assertionFailed(const std::string& message, const std::string& source, int line);

}  // namespace TESSEL

// Asserts `cond`; on failure calls TESSEL::assertionFailed with the message ": <cond>,"
// (the condition's source text), `source` and `line`. Always evaluated, in every build type.
#define TESSEL_ASSERT(cond, source, line)                            \
    do {                                                             \
        if (!(cond)) {                                               \
            ::TESSEL::assertionFailed(": " #cond ",", source, line); \
        }                                                            \
    } while (false)
