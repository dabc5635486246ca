#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace VantorStudio {

// The parsed arguments of one vantor-studio call:
//   vantor-studio [MODEL.vtm...]                            opens the window on the models
//   vantor-studio --help | -h                               prints the usage
//   vantor-studio --render MODEL [--diagram PATH] [--scale N] OUT.{png,pdf,svg}
//                                                           paints a diagram, no window
//   vantor-studio --plot MODEL --scope PATH [--compare BLOCK:NAME=VALUE] OUT.{png,svg}
//                                                           runs the model, draws a scope
// PATH is a system path ("pid_loop/Controller"); without it the model's first top-level
// diagram is painted. N is the pixels per diagram unit of a PNG (2 by default). With
// --compare, the scope shows faded a first run with parameter NAME of block BLOCK (a full
// path) set to VALUE.
class StudioCommandLine {
public:
    enum class Mode { Window, Render, Plot, Help };

    // The parsed call (arguments without the program name), or nothing with `error` set to
    // what is wrong.
    static std::optional<StudioCommandLine> parse(const std::vector<std::string>& args,
                                                  std::string& error);
    static const char* usage();

    Mode mode = Mode::Window;
    // Window: the model files to open, in order (may be empty).
    std::vector<std::string> modelFiles;
    // Render: the model file, the diagram's system path (empty: the first top-level diagram)
    // and the image file to write.
    std::string renderModel;
    std::string renderDiagram;
    std::string renderOutput;
    // Render: the pixels per diagram unit of a PNG.
    static constexpr double kDefaultScale = 2.0;
    double renderScale = kDefaultScale;

    // Plot: the model file, the Scope's full path, the image file, and the parameter of the
    // faded run to compare with (none: one run).
    std::string plotModel;
    std::string plotScope;
    std::string plotOutput;
    std::map<std::string, std::map<std::string, std::string>> plotCompare;

private:
    static bool parsePlot(const std::vector<std::string>& args, StudioCommandLine& line,
                          std::string& error);
    static bool parseRenderOption(const std::vector<std::string>& args, std::size_t& i,
                                  StudioCommandLine& line, std::string& error);
    static bool parseRender(const std::vector<std::string>& args, StudioCommandLine& line,
                            std::string& error);
};

}  // namespace VantorStudio
