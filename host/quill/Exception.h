#pragma once

#include <stdexcept>
#include <string>

namespace QUILL {

// The one exception type of the repository. Its texts are part of the platform's contract:
// callers match on them.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& what) : std::runtime_error(what) {}
};

inline constexpr const char* kNullRefMessage =
    "Cannot access NULL ref. Use isValid() before calling methods";
inline constexpr const char* kEmptySequenceMessage = "sequence is empty";

// Throws Exception(kNullRefMessage): access through an empty or stale handle.
[[noreturn]] void throwNullRef();
// Throws Exception(kEmptySequenceMessage): front/back of an empty sequence.
[[noreturn]] void throwEmptySequence();
// Throws Exception("Assertion failed: " + message + " at " + source + ":" + line + ": " +
// function): a broken repository invariant or a misuse by the caller.
[[noreturn]] void assertionFailed(const std::string& message, const std::string& source, int line,
                                  const std::string& function);

}  // namespace QUILL

// Checks a condition the caller must guarantee; on failure throws the repository's assertion
// exception naming the condition, this source file, the line and the function.
#define QUILL_ASSERT(cond, message)                                          \
    do {                                                                     \
        if (!(cond))                                                         \
            ::QUILL::assertionFailed(message, __FILE__, __LINE__, __func__); \
    } while (false)
