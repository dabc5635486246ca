#include "sim/ParameterFault.h"

#include <utility>

namespace VTSIM {

std::string ParameterFault::message() const {
    std::string out;
    if (!blockPath.empty())
        out += blockPath + ": ";
    if (!parameter.empty())
        out += "parameter " + parameter + " = ";
    out += "\"" + text + "\" does not evaluate at character " + std::to_string(position + 1) +
           ": " + reason;
    return out;
}

ParameterError::ParameterError(ParameterFault fault)
    : std::runtime_error(fault.message()), fault_(std::move(fault)) {}

}  // namespace VTSIM
