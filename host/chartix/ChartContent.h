#pragma once

#include <string>
#include <vector>

#include "parr/GLPoint.h"

namespace CHARTIX {

// One state of a chart as plain values: its name, its position relative to the chart and its
// size (diagram units).
struct StateContent {
    std::string name;
    PARR::GLPoint<double> position;
    PARR::GLPoint<double> size;

    bool operator==(const StateContent&) const = default;
};

// What a chart holds, as plain values: the chart's name and its states in order. This is
// what a model file keeps of a chart block's chart (ChartFactory builds and reads it).
struct ChartContent {
    std::string name;
    std::vector<StateContent> states;

    bool operator==(const ChartContent&) const = default;
};

}  // namespace CHARTIX
