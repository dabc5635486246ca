#include "StudioCommandLine.h"

#include <algorithm>
#include <charconv>

#include "DiagramExporter.h"
#include "sim/ParameterOverrideText.h"

namespace VantorStudio {

namespace {

constexpr double kMaxScale = 16.0;
static_assert(StudioCommandLine::kDefaultScale == DiagramRenderer::kScale);

bool isOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

bool parseScale(const std::string& text, double& scale) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return false;
    if (!(value > 0.0 && value <= kMaxScale))
        return false;
    scale = value;
    return true;
}

}  // namespace

std::optional<StudioCommandLine> StudioCommandLine::parse(const std::vector<std::string>& args,
                                                          std::string& error) {
    StudioCommandLine line;
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        line.mode = Mode::Help;
        return line;
    }
    if (std::find(args.begin(), args.end(), "--render") != args.end()) {
        line.mode = Mode::Render;
        if (!parseRender(args, line, error))
            return std::nullopt;
        return line;
    }
    if (std::find(args.begin(), args.end(), "--plot") != args.end()) {
        line.mode = Mode::Plot;
        if (!parsePlot(args, line, error))
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

// The render call is "--render MODEL [--diagram PATH] [--scale N] OUT"; the options may come
// in any order around the two file names, which keep theirs (model first).
bool StudioCommandLine::parseRender(const std::vector<std::string>& args, StudioCommandLine& line,
                                    std::string& error) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--render")
            continue;
        if (isOption(arg)) {
            if (!parseRenderOption(args, i, line, error))
                return false;
            continue;
        }
        files.push_back(arg);
    }
    if (files.size() != 2) {
        error = "--render needs a model file and an image file";
        return false;
    }
    line.renderModel = files[0];
    line.renderOutput = files[1];
    if (!DiagramExporter::formatOf(line.renderOutput)) {
        error = "the image file must be a " + std::string(DiagramExporter::suffixes()) + " file";
        return false;
    }
    return true;
}

// The option at `i` and its value, leaving `i` on the last argument it took.
bool StudioCommandLine::parseRenderOption(const std::vector<std::string>& args, std::size_t& i,
                                          StudioCommandLine& line, std::string& error) {
    const std::string& option = args[i];
    if (option != "--diagram" && option != "--scale") {
        error = "unknown option " + option;
        return false;
    }
    if (i + 1 >= args.size()) {
        error = option + (option == "--diagram" ? " needs a system path" : " needs a number");
        return false;
    }
    const std::string& value = args[++i];
    if (option == "--diagram") {
        if (!line.renderDiagram.empty()) {
            error = "--diagram given twice";
            return false;
        }
        line.renderDiagram = value;
        return true;
    }
    if (!parseScale(value, line.renderScale)) {
        error = "--scale needs a number of pixels per unit above 0 and at most " +
                std::to_string(static_cast<int>(kMaxScale));
        return false;
    }
    return true;
}

// "--plot MODEL --scope PATH [--compare BLOCK:NAME=VALUE] OUT", options in any order around
// the two file names (model first).
bool StudioCommandLine::parsePlot(const std::vector<std::string>& args, StudioCommandLine& line,
                                  std::string& error) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--plot")
            continue;
        if (!isOption(arg)) {
            files.push_back(arg);
            continue;
        }
        if ((arg != "--scope" && arg != "--compare") || i + 1 >= args.size()) {
            error = arg == "--scope" || arg == "--compare" ? arg + " needs a value"
                                                           : "unknown option " + arg;
            return false;
        }
        const std::string& value = args[++i];
        if (arg == "--scope") {
            line.plotScope = value;
            continue;
        }
        if (!VTSIM::addParameterOverride(value, line.plotCompare)) {
            error = "--compare needs BLOCK:NAME=VALUE (not \"" + value + "\")";
            return false;
        }
    }
    if (files.size() != 2 || line.plotScope.empty()) {
        error = "--plot needs a model file, --scope PATH and an image file";
        return false;
    }
    line.plotModel = files[0];
    line.plotOutput = files[1];
    return true;
}

const char* StudioCommandLine::usage() {
    return "usage: vantor-studio [MODEL.vtm...]\n"
           "       vantor-studio --help\n"
           "       vantor-studio --render MODEL.vtm [--diagram PATH] [--scale N] OUT.png|OUT.pdf|"
           "OUT.svg\n"
           "  --render   paints a diagram to a picture file without opening a window\n"
           "  --diagram  the system path of the diagram (default: the first top-level one)\n"
           "  --scale    pixels per diagram unit of a PNG (default 2)\n"
           "       vantor-studio --plot MODEL.vtm --scope PATH [--compare BLOCK:NAME=VALUE] "
           "OUT.png|OUT.svg\n"
           "  --plot     runs the model and draws the scope at PATH (its full path), no window\n"
           "  --compare  also draws, faded, a first run with that parameter changed\n";
}

}  // namespace VantorStudio
