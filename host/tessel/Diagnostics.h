#pragma once

#include <functional>
#include <string>

namespace TESSEL {

// The scripting environment's diagnostic print. Every text is written verbatim (no line feed
// is added) to stderr and, when one is installed, handed to the sink, which lets tests and
// the studio capture diagnostics. Thread-safe; the sink is called on the printing thread and
// must not print diagnostics itself.
class Diagnostics {
public:
    using Sink = std::function<void(const std::string& text)>;

    Diagnostics() = delete;

    static void print(const std::string& text);

    // Installs `sink` (an empty function removes it) and returns the sink installed before,
    // so that a caller can restore it.
    static Sink setSink(Sink sink);
};

// Diagnostics::print.
void diagnosticPrint(const std::string& text);

// printf-style diagnostic print: formats and calls diagnosticPrint.
void utPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// True when the caller runs on the host's signal thread, the named thread "TESSEL" (in this
// host the user-interface thread).
bool utIsSignalThread();

}  // namespace TESSEL
