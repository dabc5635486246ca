#pragma once

#include <string>

#include "sim/SystemFlattener.h"

namespace VantorStudio {

// A picture of a Scope's window without a window: runs a model file headless with its own run
// settings and draws the scope's plots as its window would (ScopeWindow::renderImage), to a
// PNG or SVG file. With `compare`, a first run with those parameters changed is drawn faded
// under the model's own run, as a re-run shows it. The user guide's scope pictures come from
// here (`vantor-studio --plot`, `./dev docs`).
class ScopePicture {
public:
    // Picture size: as a scope window of one axis shows it.
    static constexpr int kWidth = 800;
    static constexpr int kAxisHeight = 300;

    // Empty on success, else what went wrong (the file, the block, the run's error).
    static std::string write(const std::string& modelFile, const std::string& scopePath,
                             const VTSIM::ParameterOverrides& compare,
                             const std::string& outputFile);
};

}  // namespace VantorStudio
