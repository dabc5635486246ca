#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace VTSIM {

// Why a parameter text did not evaluate.
struct ParameterFault {
    std::string blockPath;     // the block whose parameter failed; empty: the block being compiled
    std::string parameter;     // that parameter's name; empty: the parameter being evaluated
    std::string text;          // the text that failed
    std::size_t position = 0;  // 0-based character offset of the fault in `text`
    std::string reason;  // what is wrong: "unknown name \"Kq\"", "unexpected operator \"*\"", ...

    // "<blockPath>: parameter <parameter> = \"<text>\" does not evaluate at character
    // <position+1>: <reason>". An empty blockPath drops the "<blockPath>: " prefix; an empty
    // parameter drops "parameter <parameter> = ".
    std::string message() const;
};

// A parameter text that does not evaluate. what() is fault().message().
class ParameterError : public std::runtime_error {
public:
    explicit ParameterError(ParameterFault fault);
    const ParameterFault& fault() const { return fault_; }

private:
    ParameterFault fault_;
};

}  // namespace VTSIM
