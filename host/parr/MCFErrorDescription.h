#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "parr/CodeLocation.h"

namespace PARR {

// One error for a caller: a message identifier ("DOVE2_IncompatibleDomain") that names the
// text in the host's error catalogue, a numeric code (0x6E0005), the arguments that fill the
// catalogue text, in order, and the place in the sources that raised it. A plain value: copy
// freely.
class MCFErrorDescription {
public:
    MCFErrorDescription(std::string identifier, std::uint32_t code,
                        std::vector<std::string> arguments = {}, CodeLocation location = {});

    const std::string& identifier() const { return identifier_; }
    std::uint32_t code() const { return code_; }
    const std::vector<std::string>& arguments() const { return arguments_; }
    const CodeLocation& location() const { return location_; }

    // A readable one-line text: the identifier, then the arguments in parentheses, separated
    // by ", " ("DOVE2_IncompatibleDomain(VTDomain)"); the identifier alone when there are no
    // arguments. The catalogue's own wording is not known here.
    std::string message() const;

    // The message followed by the code in hexadecimal and the location, for logs:
    // "DOVE2_IncompatibleDomain(VTDomain) [0x6E0005] at application/VTDomainImpl:51".
    std::string details() const;

    bool operator==(const MCFErrorDescription&) const = default;

private:
    std::string identifier_;
    std::uint32_t code_;
    std::vector<std::string> arguments_;
    CodeLocation location_;
};

}  // namespace PARR
