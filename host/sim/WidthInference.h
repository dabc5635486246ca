#pragma once

#include <optional>
#include <vector>

#include "sim/Diagnostic.h"
#include "sim/RuntimeBlock.h"
#include "sim/SignalResolver.h"

namespace VTSIM {

// Gives every block output its width: from sources forward through each block's width rule,
// breaking feedback cycles with the widths blocks with states know from their parameters;
// then checks every block against its final input widths.
class WidthInference {
public:
    WidthInference(const std::vector<std::unique_ptr<RuntimeBlock>>& blocks,
                   const std::vector<std::vector<Driver>>& drivers);
    // widths[b][k]: the width of output k of block b. Mismatches are errors naming the block.
    std::vector<std::vector<int>> infer(std::vector<Diagnostic>& diagnostics);

private:
    std::vector<int> inputWidths(std::size_t block) const;
    // The block's output widths for the present input widths; nothing (and an error) when
    // they do not fit it.
    std::optional<std::vector<int>> widthsOf(std::size_t block,
                                             std::vector<Diagnostic>& diagnostics) const;
    bool tryBlock(std::size_t block, std::vector<Diagnostic>& diagnostics);
    std::optional<std::size_t> assumeOne();
    void check(std::vector<Diagnostic>& diagnostics) const;

    const std::vector<std::unique_ptr<RuntimeBlock>>& blocks_;
    const std::vector<std::vector<Driver>>& drivers_;
    std::vector<std::vector<int>> widths_;
    std::vector<bool> known_;
    std::vector<bool> failed_;
    std::vector<std::vector<std::size_t>> consumers_;  // consumers_[b]: blocks b feeds
    std::size_t statefulScan_ = 0;
    std::size_t fallbackScan_ = 0;
};

}  // namespace VTSIM
