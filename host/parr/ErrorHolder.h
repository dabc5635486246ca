#pragma once

#include <memory>
#include <string>

#include "parr/MCFErrorDescription.h"

namespace PARR {

// Collects the error of a call for its caller: a caller makes one, passes it by reference,
// and asks hasError() afterwards. Holds at most one error; setting a new one destroys the
// held one and keeps the newcomer. Owns its error. Movable, not copyable (a copy would hide
// which holder the callee wrote into).
class ErrorHolder {
public:
    ErrorHolder() = default;
    ErrorHolder(ErrorHolder&&) noexcept = default;
    ErrorHolder& operator=(ErrorHolder&&) noexcept = default;
    ErrorHolder(const ErrorHolder&) = delete;
    ErrorHolder& operator=(const ErrorHolder&) = delete;
    ~ErrorHolder();

    // Keeps a copy of `error`, replacing (and destroying) any error held before.
    void setError(const MCFErrorDescription& error);
    void setError(MCFErrorDescription&& error);
    // Builds the error in place; same replacement rule.
    void setError(std::string identifier, std::uint32_t code,
                  std::vector<std::string> arguments = {}, CodeLocation location = {});

    bool hasError() const { return error_ != nullptr; }
    // The held error, or null when there is none. Valid until the next setError or clear.
    const MCFErrorDescription* getError() const { return error_.get(); }
    // The held error's message(), or an empty text when there is none.
    std::string message() const;
    // Drops the held error, if any.
    void clear() { error_.reset(); }

private:
    std::unique_ptr<MCFErrorDescription> error_;
};

}  // namespace PARR
