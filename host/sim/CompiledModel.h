#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/Diagnostic.h"
#include "sim/EvaluationPlan.h"
#include "sim/RuntimeBlock.h"

namespace VTSIM {

// The executable form of a model: its computing blocks in an order where every block comes
// after the blocks that feed it directly, a signal buffer layout, the continuous states, the
// zero-crossing functions, and the signals a run logs.
struct CompiledModel {
    std::vector<std::unique_ptr<RuntimeBlock>> blocks;  // execution order
    std::vector<RuntimeBlock*> outputBlocks;            // blocks with outputs, execution order
    std::vector<RuntimeBlock*> dynamicBlocks;           // blocks with continuous states
    std::vector<RuntimeBlock*> crossingBlocks;          // blocks with zero-crossing functions
    std::vector<RuntimeBlock*> stepNoticeBlocks;        // blocks that hear of accepted steps
    int signalCount = 0;  // doubles in the signal buffer (slot 0 is a constant 0)
    int stateCount = 0;
    int zeroCrossingCount = 0;
    std::vector<double> timeEvents;  // sorted, each once

    // The logged columns: their names (`PATH:k`, `PATH:k[i]`, `PATH`, `PATH[i]`) and the signal
    // each one reads.
    std::vector<std::string> columnNames;
    std::vector<int> columnSignals;

    std::vector<Diagnostic> warnings;

    // How a run evaluates the blocks above (built last, from them).
    EvaluationPlan plan;
};

}  // namespace VTSIM
