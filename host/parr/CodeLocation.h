#pragma once

#include <string>

namespace PARR {

// Where in the sources an error was raised: the source's name as the system reports it
// ("application/VTDomainImpl", without extension) and a line number (0 when unknown).
struct CodeLocation {
    std::string source;
    int line = 0;

    bool operator==(const CodeLocation&) const = default;
};

}  // namespace PARR
