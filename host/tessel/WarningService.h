#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>

namespace TESSEL {

// The scripting environment's warning facility. A warning has a message identifier
// ("VTDove:ZeroLengthSegment") and a text ("Zero-length segment encountered."). Each warning
// is written to stderr as one line, "Warning: <text> [<identifier>]", and handed to every
// subscriber (the studio's status bar subscribes). A warning never stops the caller.
//
// A process-wide singleton (`instance`), made on first use and never destroyed. Thread-safe;
// subscribers are called on the thread that gave the warning, in subscription order, with no
// lock held, so a subscriber may subscribe or unsubscribe (changes apply from the next
// warning). A subscriber must not throw.
class WarningService {
public:
    using Subscriber = std::function<void(const std::string& identifier, const std::string& text)>;
    using Token = std::uint64_t;

    static WarningService& instance();

    WarningService(const WarningService&) = delete;
    WarningService& operator=(const WarningService&) = delete;

    // Adds a subscriber; the token (never 0) removes it again.
    Token subscribe(Subscriber subscriber);
    // Removes a subscriber; returns false for an unknown or already removed token.
    bool unsubscribe(Token token);

    // Gives a warning: stderr, then every subscriber.
    void warn(const std::string& identifier, const std::string& text);

    // The identifier and text of the last warning given in the process (empty before any).
    std::string lastIdentifier() const;
    std::string lastText() const;

private:
    WarningService() = default;

    mutable std::mutex mutex_;
    std::map<Token, Subscriber> subscribers_;
    Token nextToken_ = 1;
    std::string lastIdentifier_;
    std::string lastText_;
};

// Gives a warning through WarningService::instance().
void warning(const std::string& identifier, const std::string& text);

}  // namespace TESSEL
