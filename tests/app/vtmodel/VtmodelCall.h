#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ModelTool.h"

namespace VtmodelTest {

// The exit status of a vtmodel call, with what it printed.
struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs vtmodel in this process as main() does: a usage error gives status 2.
inline Outcome call(const std::vector<std::string>& args) {
    std::string error;
    const auto line = VTModel::CommandLine::parse(args, error);
    if (!line)
        return {2, {}, error};
    std::ostringstream out, err;
    const int status = VTModel::ModelTool(out, err).run(*line);
    return {status, out.str(), err.str()};
}

}  // namespace VtmodelTest
