#pragma once

#include <string>

#include "sim/SystemFlattener.h"

namespace VantorStudio {

// A picture of a Scope's window without a window: runs a model file headless with its own run
// settings and writes the scope's plots as its window's Export Picture... does (PNG or SVG by
// the suffix, ScopeWindow::kPictureWidth wide and kPictureAxisHeight high per input port). With
// `compare`, a first run with those parameters changed is drawn faded under the model's own run, as
// a re-run shows it. The user guide's scope pictures come from here (`vantor-studio --plot`, `./dev
// docs`).
class ScopePicture {
public:
    // Empty on success, else what went wrong (the file, the block, the run's error).
    static std::string write(const std::string& modelFile, const std::string& scopePath,
                             const VTSIM::ParameterOverrides& compare,
                             const std::string& outputFile);
};

}  // namespace VantorStudio
