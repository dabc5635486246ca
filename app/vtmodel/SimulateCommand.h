#pragma once

#include <ostream>

#include "CommandLine.h"

namespace VTModel {

// vtmodel simulate: loads a model, compiles it with the command line's parameter overrides,
// runs it with the model's simulation settings overridden by the command line's, and writes
// the logged signals as CSV. The model file is only read.
class SimulateCommand {
public:
    SimulateCommand(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    // 0 on success; 1 when the model cannot be loaded, compiled or run (the message names the
    // blocks), or the CSV cannot be written.
    int run(const CommandLine& line);

private:
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace VTModel
