#pragma once

#include <ostream>

#include "CommandLine.h"

namespace VTModel {

// Runs the vtmodel commands. Results go to `out` (one line per model), errors to `err`.
class ModelTool {
public:
    ModelTool(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // The process exit status: 0 when every file went well (or the usage was asked for and
    // printed to `out`), 1 otherwise.
    int run(const CommandLine& line);

private:
    // Loads each file and prints its summary or its error.
    int check(const std::vector<std::string>& files);
    // Loads `in` and saves it canonically to `out`.
    int roundtrip(const std::string& in, const std::string& out);
    // Saves a generated model.
    int generate(std::size_t blocks, std::uint32_t seed, const std::string& out);

    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace VTModel
