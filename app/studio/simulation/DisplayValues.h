#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sim/CompiledModel.h"
#include "sim/SimulationResults.h"
#include "vtquill/VTQuill.h"

namespace VantorStudio {

// The values the Display blocks of a running model show on the diagram: the latest sample of
// each Display's input, formatted as the block's "Format" asks, pushed to the block's drawing
// at each refresh when it changed. Cleared (the blocks drawn as usual again) when the next run
// starts or the model closes.
class DisplayValues {
public:
    DisplayValues() = default;
    ~DisplayValues();

    // A run of `model` starts: finds its Display blocks and the columns of their inputs.
    void runStarted(const VTSIM::CompiledModel& compiled, const VTQUILL::Model& model);
    void refresh(const VTSIM::SimulationResults& results);
    void clear();

    // The text a Display shows for `values` (one per element) in `format` ("short": 5
    // significant digits, "long": 15; a vector in brackets).
    static std::string format(const std::vector<double>& values, const std::string& format);

private:
    struct Shown {
        VTQUILL::ImmutableBlock block;
        std::vector<std::size_t> columns;
        std::string format;
        std::string text;
    };
    std::vector<Shown> shown_;
};

}  // namespace VantorStudio
