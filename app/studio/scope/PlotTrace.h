#pragma once

#include <QColor>
#include <cstddef>
#include <memory>
#include <string>

#include "sim/SimulationResults.h"

namespace VantorStudio {

// One signal a plot draws: a value column of a run's results (shared with the run), its name
// in the legend and its colour. A column the results lack draws nothing. A value type.
struct PlotTrace {
    std::shared_ptr<const VTSIM::SimulationResults> results;
    std::size_t column = 0;
    std::string name;
    QColor colour;
};

}  // namespace VantorStudio
