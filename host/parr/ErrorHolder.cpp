#include "parr/ErrorHolder.h"

#include <utility>

namespace PARR {

ErrorHolder::~ErrorHolder() = default;

void ErrorHolder::setError(const MCFErrorDescription& error) {
    error_ = std::make_unique<MCFErrorDescription>(error);
}

void ErrorHolder::setError(MCFErrorDescription&& error) {
    error_ = std::make_unique<MCFErrorDescription>(std::move(error));
}

void ErrorHolder::setError(std::string identifier, std::uint32_t code,
                           std::vector<std::string> arguments, CodeLocation location) {
    setError(MCFErrorDescription(std::move(identifier), code, std::move(arguments),
                                 std::move(location)));
}

std::string ErrorHolder::message() const {
    return error_ ? error_->message() : std::string();
}

}  // namespace PARR
