#pragma once

#include <memory>
#include <vector>

#include "sim/Diagnostic.h"
#include "sim/RuntimeBlock.h"
#include "sim/SignalResolver.h"

namespace VTSIM {

// Sorts blocks so that each comes after every block that feeds one of its direct-feedthrough
// inputs. Blocks that feed each other directly form an algebraic loop: an error listing every
// block of the cycle, in the order the signal runs.
class ExecutionOrder {
public:
    ExecutionOrder(const std::vector<std::unique_ptr<RuntimeBlock>>& blocks,
                   const std::vector<std::vector<Driver>>& drivers);
    // The block indices in execution order; with loops, the order of the others and an error
    // per loop.
    std::vector<int> sort(std::vector<Diagnostic>& diagnostics) const;

private:
    void reportLoops(const std::vector<bool>& placed, std::vector<Diagnostic>& diagnostics) const;
    // The members of each strongly connected component of the unplaced blocks that is a cycle.
    std::vector<std::vector<int>> cycles(const std::vector<bool>& placed) const;
    std::vector<int> inCycleOrder(const std::vector<int>& members) const;

    const std::vector<std::unique_ptr<RuntimeBlock>>& blocks_;
    std::vector<std::vector<int>> feeds_;  // feeds_[a]: blocks that a feeds directly
};

}  // namespace VTSIM
