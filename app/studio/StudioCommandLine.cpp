#include "StudioCommandLine.h"

#include <algorithm>

namespace VantorStudio {

namespace {

bool isOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

}  // namespace

std::optional<StudioCommandLine> StudioCommandLine::parse(const std::vector<std::string>& args,
                                                          std::string& error) {
    StudioCommandLine line;
    if (std::find(args.begin(), args.end(), "--render") != args.end()) {
        line.mode = Mode::Render;
        if (!parseRender(args, line, error))
            return std::nullopt;
        return line;
    }
    for (const std::string& arg : args) {
        if (isOption(arg)) {
            error = "unknown option " + arg;
            return std::nullopt;
        }
        line.modelFiles.push_back(arg);
    }
    return line;
}

// The render call is "--render MODEL [--diagram PATH] OUT"; the options may come in any order
// around the two file names, which keep theirs (model first).
bool StudioCommandLine::parseRender(const std::vector<std::string>& args, StudioCommandLine& line,
                                    std::string& error) {
    std::vector<std::string> files;
    bool diagramGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--render")
            continue;
        if (arg == "--diagram") {
            if (i + 1 >= args.size() || diagramGiven) {
                error = diagramGiven ? "--diagram given twice" : "--diagram needs a system path";
                return false;
            }
            diagramGiven = true;
            line.renderDiagram = args[++i];
            continue;
        }
        if (isOption(arg)) {
            error = "unknown option " + arg;
            return false;
        }
        files.push_back(arg);
    }
    if (files.size() != 2) {
        error = "--render needs a model file and an image file";
        return false;
    }
    line.renderModel = files[0];
    line.renderOutput = files[1];
    return true;
}

const char* StudioCommandLine::usage() {
    return "usage: vantor-studio [MODEL.vtm...]\n"
           "       vantor-studio --render MODEL.vtm [--diagram PATH] OUT.png\n";
}

}  // namespace VantorStudio
