#include "parr/MCFErrorDescription.h"

#include <cstdio>
#include <utility>

namespace PARR {

MCFErrorDescription::MCFErrorDescription(std::string identifier, std::uint32_t code,
                                         std::vector<std::string> arguments, CodeLocation location)
    : identifier_(std::move(identifier)),
      code_(code),
      arguments_(std::move(arguments)),
      location_(std::move(location)) {}

std::string MCFErrorDescription::message() const {
    std::string text = identifier_;
    if (arguments_.empty())
        return text;
    text += '(';
    for (std::size_t i = 0; i < arguments_.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += arguments_[i];
    }
    text += ')';
    return text;
}

std::string MCFErrorDescription::details() const {
    char code[16];
    std::snprintf(code, sizeof code, "0x%X", static_cast<unsigned>(code_));
    std::string text = message() + " [" + code + "]";
    if (!location_.source.empty()) {
        text += " at " + location_.source + ":" + std::to_string(location_.line);
    }
    return text;
}

}  // namespace PARR
