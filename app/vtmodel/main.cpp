// vtmodel: checks model files, saves them in canonical form and generates large models.
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ModelTool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto line = VTModel::CommandLine::parse(args, error);
    if (!line) {
        std::cerr << "vtmodel: " << error << '\n' << VTModel::CommandLine::usage();
        return 2;
    }
    return VTModel::ModelTool(std::cout, std::cerr).run(*line);
}
