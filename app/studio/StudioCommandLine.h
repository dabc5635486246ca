#pragma once

#include <optional>
#include <string>
#include <vector>

namespace VantorStudio {

// The parsed arguments of one vantor-studio call:
//   vantor-studio [MODEL.vtm...]                            opens the window on the models
//   vantor-studio --render MODEL [--diagram PATH] OUT.png   paints a diagram, no window
// PATH is a system path ("pid_loop/Controller"); without it the model's first top-level
// diagram is painted.
class StudioCommandLine {
public:
    enum class Mode { Window, Render };

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

private:
    static bool parseRender(const std::vector<std::string>& args, StudioCommandLine& line,
                            std::string& error);
};

}  // namespace VantorStudio
